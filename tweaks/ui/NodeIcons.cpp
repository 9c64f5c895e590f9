#include "tweaks/ui/NodeIcons.h"

#include <QApplication>
#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QStyle>

#include "tweaks/HiddenTree.h"

namespace vantix::tweaks::ui {

namespace {

QPixmap functionPixmap(const QColor& body, const QColor& mark) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(body.darker(160));
    painter.setBrush(body);
    painter.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 3, 3);
    painter.setPen(QPen(mark, 1.6));
    for (int y : {5, 8, 11}) painter.drawLine(QPointF(4.5, y), QPointF(11.5, y));
    return pixmap;
}

QPixmap pixmapOf(int image) {
    QStyle* style = QApplication::style();
    switch (image) {
        case kFolderImage:
            return style->standardIcon(QStyle::SP_DirClosedIcon).pixmap(16, 16);
        case kOpenFolderImage:
            return style->standardIcon(QStyle::SP_DirOpenIcon).pixmap(16, 16);
        case kActiveImage:
            return functionPixmap(QColor(70, 120, 200), Qt::white);
        case kDeactivatedImage:
            return functionPixmap(QColor(190, 190, 190), QColor(120, 120, 120));
        default:
            return functionPixmap(QColor(235, 180, 50), Qt::white);
    }
}

}  // namespace

QIcon nodeIcon(int image, int selectedImage) {
    // Painted once per pair: a tree of thousands of nodes shares them.
    static QHash<int, QIcon> icons;
    const int pair = image * 16 + selectedImage;
    auto it = icons.find(pair);
    if (it == icons.end()) {
        QIcon icon;
        icon.addPixmap(pixmapOf(image), QIcon::Normal);
        icon.addPixmap(pixmapOf(selectedImage), QIcon::Selected);
        it = icons.insert(pair, icon);
    }
    return *it;
}

}  // namespace vantix::tweaks::ui
