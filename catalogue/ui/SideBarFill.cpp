#include "catalogue/ui/SideBarFill.h"

#include <QApplication>
#include <QPalette>

#include "catalogue/ui/Pictures.h"

namespace vantix::catalogue::ui {

QColor storedColor(std::int64_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    if (bits & 0x80000000u) {
        const QPalette palette = QApplication::palette();
        switch (bits & 0xFFu) {
        case 5: return palette.color(QPalette::Base);         // window
        case 8: return palette.color(QPalette::Text);         // window text
        case 9: return palette.color(QPalette::HighlightedText);  // caption text
        case 13: return palette.color(QPalette::Highlight);
        case 14: return palette.color(QPalette::HighlightedText);
        case 18: return palette.color(QPalette::ButtonText);  // button text
        default: return palette.color(QPalette::Button);      // 15: button face and the rest
        }
    }
    return QColor(static_cast<int>(bits & 0xFFu), static_cast<int>((bits >> 8) & 0xFFu),
                  static_cast<int>((bits >> 16) & 0xFFu));
}

void fillSideBarWidget(SideBar& bar, const std::vector<SideBarFolder>& folders, CatalogueHost& host) {
    bar.clear();
    for (const auto& folder : folders) {
        const QString folderKey = QString::fromStdString(folder.key);
        bar.addFolder(folderKey, QString::fromStdString(folder.caption), storedColor(folder.backColor),
                      folder.boldNames, folder.smallIcons);
        for (const auto& group : folder.groups) {
            QPixmap picture;
            const QIcon icon = LoadGroupIcon(picture, host, group.iconFile) ? QIcon(picture)
                                                                            : QIcon(standardImage(kGroupImage, 32));
            bar.addGroup(folderKey, QString::fromStdString(group.key), QString::fromStdString(group.caption), icon,
                         storedColor(group.color), QString::fromStdString(group.info));
        }
    }
    if (!folders.empty()) bar.setCurrentFolder(QString::fromStdString(folders.front().key));
}

}  // namespace vantix::catalogue::ui
