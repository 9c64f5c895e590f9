#include "catalogue/ui/Pictures.h"

#include <QPainter>
#include <QPainterPath>

#include "catalogue/SideBarData.h"

namespace vantix::catalogue::ui {

QImage toQImage(const platform::RgbaImage& image) {
    if (image.empty()) return {};
    QImage out(image.width, image.height, QImage::Format_ARGB32);
    for (int y = 0; y < image.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < image.width; ++x) line[x] = image.at(x, y);
    }
    return out;
}

QPixmap standardImage(int index, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);
    painter.setPen(QPen(QColor(40, 40, 40), 1.2));
    switch (index) {
    case kAppletImage:  // a control panel: a window with a slider
        painter.setBrush(QColor(192, 192, 192));
        painter.drawRect(3, 5, 26, 22);
        painter.setBrush(QColor(0, 0, 128));
        painter.drawRect(3, 5, 26, 5);
        painter.drawLine(7, 19, 25, 19);
        painter.setBrush(QColor(0, 128, 128));
        painter.drawRect(13, 15, 4, 8);
        break;
    case kBatchImage:  // a batch file: a sheet with gears of text
        painter.setBrush(Qt::white);
        painter.drawRect(6, 3, 20, 26);
        painter.setBrush(QColor(128, 128, 0));
        painter.drawEllipse(QPointF(16, 18), 6, 6);
        painter.drawLine(10, 8, 22, 8);
        break;
    case kGroupImage: {  // a group: three stacked cards
        for (int i = 0; i < 3; ++i) {
            painter.setBrush(QColor::fromHsv(200 - i * 40, 120, 230));
            painter.drawRoundedRect(QRectF(4 + i * 3, 4 + i * 5, 20, 14), 2, 2);
        }
        break;
    }
    default:  // a program: a window
        painter.setBrush(Qt::white);
        painter.drawRect(3, 6, 26, 20);
        painter.setBrush(QColor(0, 0, 128));
        painter.drawRect(3, 6, 26, 5);
        break;
    }
    return pixmap;
}

bool LoadGroupIcon(QPixmap& picture, CatalogueHost& host, const std::string& file) {
    picture = QPixmap();
    if (file.empty() || file == kDefaultIcon) return false;
    const auto icon = host.fileIcon(file);
    if (!icon || icon->empty()) return false;
    picture = QPixmap::fromImage(toQImage(*icon));
    return !picture.isNull();
}

QIcon entryIcon(CatalogueHost& host, const std::string& iconFile, int standardIndex) {
    QPixmap picture;
    if (LoadGroupIcon(picture, host, iconFile)) return QIcon(picture);
    QIcon icon(standardImage(standardIndex, 32));
    icon.addPixmap(standardImage(standardIndex, 16));
    return icon;
}

}  // namespace vantix::catalogue::ui
