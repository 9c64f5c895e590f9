#include "shell/ui/PicturePane.h"

#include <QMouseEvent>
#include <QPainter>

namespace vantix::shell {

PicturePane::PicturePane(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setAutoFillBackground(true);
}

void PicturePane::setPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void PicturePane::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter painter(this);
    painter.drawTiledPixmap(rect(), picture_);
}

TitlePanel::TitlePanel(const QString& name, QWidget* parent) : QWidget(parent), colour_(palette().color(QPalette::Mid)) {
    setObjectName(name);
    setMinimumHeight(24);
    setCursor(Qt::PointingHandCursor);
}

void TitlePanel::setText(const QString& text) {
    text_ = text;
    update();
}

void TitlePanel::setColor(const QColor& colour) {
    colour_ = colour;
    update();
}

void TitlePanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), colour_);
    painter.setPen(colour_.lightness() < 128 ? Qt::white : Qt::black);
    QFont f = font();
    f.setBold(bold_);
    f.setPointSize(f.pointSize() + 1);
    painter.setFont(f);
    painter.drawText(rect().adjusted(6, 0, -6, 0), Qt::AlignLeft | Qt::AlignVCenter, text_);
}

void TitlePanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

void TitlePanel::enterEvent(QEnterEvent*) {
    bold_ = true;
    update();
    emit hovered();
}

void TitlePanel::leaveEvent(QEvent*) {
    bold_ = false;
    update();
}

}  // namespace vantix::shell
