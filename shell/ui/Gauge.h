#pragma once

#include <QColor>
#include <QWidget>

namespace vantix::shell {

// The progress gauge of the logo window: a bar in the fill colour over the
// back colour, `percent` of the inner width (DrawGauge).
class Gauge : public QWidget {
    Q_OBJECT
public:
    explicit Gauge(QWidget* parent = nullptr);
    void DrawGauge(int percent);
    int percent() const { return percent_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int percent_ = 0;
    QColor back_{Qt::white};
    QColor fill_{0, 0, 128};
};

}  // namespace vantix::shell
