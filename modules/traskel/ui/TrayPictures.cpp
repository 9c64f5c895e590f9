#include "modules/traskel/ui/TrayPictures.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>

#include "lindrel32/QVFKT.h"
#include "platform/peimage/RgbaImage.h"

namespace vantix::traskel::ui {
namespace {

constexpr int kSize = 32;

QPixmap canvas(std::optional<QColor> background) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(background.value_or(Qt::transparent));
    return pixmap;
}

}  // namespace

QPixmap fallbackPixmap(FallbackPicture kind, std::optional<QColor> background) {
    QPixmap pixmap = canvas(background);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (kind) {
        case FallbackPicture::Module:  // a panel of switches: a module of the suite
            painter.setPen(QPen(QColor(20, 40, 120), 1.5));
            painter.setBrush(QColor(70, 110, 200));
            painter.drawRoundedRect(QRectF(3, 5, 26, 22), 3, 3);
            painter.setBrush(QColor(250, 210, 60));
            for (int i = 0; i < 3; ++i) painter.drawEllipse(QRectF(7 + i * 7, 12, 5, 5));
            painter.fillRect(QRectF(6, 20, 20, 3), QColor(230, 235, 245));
            break;
        case FallbackPicture::DosProgram:  // a text screen
            painter.setPen(QPen(QColor(60, 60, 60), 1.5));
            painter.setBrush(Qt::black);
            painter.drawRect(QRectF(3, 5, 26, 20));
            painter.setPen(QColor(200, 200, 200));
            painter.setFont(QFont(QStringLiteral("monospace"), 7, QFont::Bold));
            painter.drawText(QRectF(5, 7, 24, 16), Qt::AlignLeft | Qt::AlignTop,
                             QStringLiteral("C:\\>"));
            break;
        case FallbackPicture::Program:  // a window with its title bar
            painter.setPen(QPen(QColor(60, 60, 60), 1.5));
            painter.setBrush(Qt::white);
            painter.drawRect(QRectF(3, 5, 26, 22));
            painter.fillRect(QRectF(4, 6, 25, 5), QColor(10, 36, 106));
            break;
        case FallbackPicture::Spacer:
            painter.setPen(QPen(QColor(128, 128, 128), 1, Qt::DotLine));
            painter.drawLine(16, 4, 16, 28);
            break;
    }
    return pixmap;
}

QPixmap entryPicture(const TrayEntry& entry, const std::string& iconFile,
                     lindrel32::IQVFKT& functions, std::optional<QColor> background) {
    if (entry.spacer) return fallbackPixmap(FallbackPicture::Spacer, background);
    platform::RgbaImage icon;
    if (!iconFile.empty() && iconFile != kModuleIcon && functions.GET_FileIcon(icon, iconFile) &&
        !icon.empty()) {
        QImage image(icon.width, icon.height, QImage::Format_ARGB32);
        for (int y = 0; y < icon.height; ++y) {
            for (int x = 0; x < icon.width; ++x) image.setPixel(x, y, icon.at(x, y));
        }
        QPixmap pixmap = canvas(background);
        QPainter painter(&pixmap);
        painter.drawImage(QRect(0, 0, kSize, kSize), image);
        return pixmap;
    }
    return fallbackPixmap(fallbackPicture(entry), background);
}

std::optional<QColor> pictureBoxBackground() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const auto colour = pictureBoxColour(screen ? screen->depth() : 32);
    if (!colour) return std::nullopt;
    // An OLE colour: 0x00BBGGRR.
    return QColor(*colour & 0xFF, (*colour >> 8) & 0xFF, (*colour >> 16) & 0xFF);
}

}  // namespace vantix::traskel::ui
