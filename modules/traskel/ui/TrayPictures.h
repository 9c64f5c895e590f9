#pragma once

#include <QColor>
#include <QPixmap>
#include <optional>
#include <string>

#include "lindrel32/Forward.h"
#include "modules/traskel/TrayList.h"

namespace vantix::traskel::ui {

// The 32 x 32 picture of an entry: the first icon of `iconFile`, else the
// fallback picture of its kind, drawn on `background` (transparent when none).
QPixmap entryPicture(const TrayEntry& entry, const std::string& iconFile,
                     lindrel32::IQVFKT& functions, std::optional<QColor> background = std::nullopt);
QPixmap fallbackPixmap(FallbackPicture kind, std::optional<QColor> background = std::nullopt);
// The colour of the picture box at the primary screen's depth (green at 8 bits or fewer).
std::optional<QColor> pictureBoxBackground();

}  // namespace vantix::traskel::ui
