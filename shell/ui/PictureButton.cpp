#include "shell/ui/PictureButton.h"

#include <QPainter>
#include <QPixmap>

namespace vantix::shell {
namespace {

// The button pictures, drawn in code on a 20 x 20 grid.
QIcon glyphIcon(PictureButton::Glyph glyph) {
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(20, 40, 90);
    p.setPen(QPen(ink, 1.5));
    auto square = [&](int x, int y, int s) { p.fillRect(x, y, s, s, QColor(60, 110, 190)); };
    switch (glyph) {
        case PictureButton::Glyph::ShowDeactivated:
            p.drawEllipse(QRectF(3, 6, 14, 8));
            p.setBrush(ink);
            p.drawEllipse(QRectF(8, 8, 4, 4));
            break;
        case PictureButton::Glyph::Sort: {
            QFont f = p.font();
            f.setPixelSize(8);
            f.setBold(true);
            p.setFont(f);
            p.drawText(QRect(1, 1, 12, 9), Qt::AlignCenter, QStringLiteral("A"));
            p.drawText(QRect(1, 10, 12, 9), Qt::AlignCenter, QStringLiteral("Z"));
            p.drawLine(16, 3, 16, 17);
            p.drawLine(13, 14, 16, 17);
            p.drawLine(19, 14, 16, 17);
            break;
        }
        case PictureButton::Glyph::AlignLeft:
            for (int y : {3, 9, 15}) square(2, y, 4);
            p.drawLine(2, 1, 2, 19);
            break;
        case PictureButton::Glyph::AlignTop:
            for (int x : {3, 9, 15}) square(x, 3, 4);
            p.drawLine(1, 2, 19, 2);
            break;
        case PictureButton::Glyph::LargeIcons:
            square(3, 3, 6), square(11, 3, 6), square(3, 11, 6), square(11, 11, 6);
            break;
        case PictureButton::Glyph::SmallIcons:
            for (int y : {3, 9, 15})
                for (int x : {2, 11}) {
                    square(x, y, 3);
                    p.drawLine(x + 4, y + 1, x + 7, y + 1);
                }
            break;
        case PictureButton::Glyph::List:
            for (int y : {3, 8, 13}) {
                square(3, y, 3);
                p.drawLine(8, y + 1, 17, y + 1);
            }
            break;
        case PictureButton::Glyph::Expand:
            p.drawRect(QRectF(4, 4, 12, 12));
            p.drawLine(7, 10, 13, 10);
            p.drawLine(10, 7, 10, 13);
            break;
        case PictureButton::Glyph::Collapse:
            p.drawRect(QRectF(4, 4, 12, 12));
            p.drawLine(7, 10, 13, 10);
            break;
        case PictureButton::Glyph::Help: {
            p.drawEllipse(QRectF(3, 3, 14, 14));
            QFont f = p.font();
            f.setPixelSize(11);
            f.setBold(true);
            p.setFont(f);
            p.drawText(QRect(3, 3, 14, 14), Qt::AlignCenter, QStringLiteral("?"));
            break;
        }
    }
    return QIcon(pixmap);
}

}  // namespace

PictureButton::PictureButton(Glyph glyph, const QString& toolTip, QWidget* parent) : QToolButton(parent) {
    setIcon(glyphIcon(glyph));
    setIconSize(QSize(20, 20));
    setToolTip(toolTip);
    setFocusPolicy(Qt::NoFocus);
    setButtonStyle(1);
}

void PictureButton::setButtonStyle(int style) {
    style_ = style;
    setAutoRaise(style == 3);
}

}  // namespace vantix::shell
