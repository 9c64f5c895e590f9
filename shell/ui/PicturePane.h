#pragma once

#include <QPixmap>
#include <QWidget>

namespace vantix::shell {

// A pane that tiles the background picture behind its children, when it has one.
class PicturePane : public QWidget {
    Q_OBJECT
public:
    explicit PicturePane(const QString& name, QWidget* parent = nullptr);
    void setPicture(const QPixmap& picture);
    bool hasPicture() const { return !picture_.isNull(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};

// The title panel: shows a text, takes a colour, reports clicks and gives the
// bold feedback while the mouse is over it.
class TitlePanel : public QWidget {
    Q_OBJECT
public:
    explicit TitlePanel(const QString& name, QWidget* parent = nullptr);
    void setText(const QString& text);
    QString text() const { return text_; }
    void setColor(const QColor& colour);
    QColor color() const { return colour_; }
    bool bold() const { return bold_; }

signals:
    void clicked();
    void hovered();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QString text_;
    QColor colour_;
    bool bold_ = false;
};

}  // namespace vantix::shell
