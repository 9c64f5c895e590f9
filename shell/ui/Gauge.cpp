#include "shell/ui/Gauge.h"

#include <QPainter>

#include "shell/LogoGauge.h"

namespace vantix::shell {

Gauge::Gauge(QWidget* parent) : QWidget(parent) { setObjectName(QStringLiteral("Guage")); }

void Gauge::DrawGauge(int percent) {
    percent_ = percent;
    repaint();
}

void Gauge::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect inner = rect().adjusted(1, 1, -1, -1);
    painter.fillRect(rect(), palette().color(QPalette::Mid));
    painter.fillRect(inner, back_);
    int bar = gaugeBarWidth(inner.width(), percent_);
    if (bar > 0) painter.fillRect(QRect(inner.left(), inner.top(), bar, inner.height()), fill_);
}

}  // namespace vantix::shell
