#pragma once

#include <QPalette>
#include <QWidget>
#include <cstdint>

#include "catalogue/ui/SideBarFill.h"

namespace vantix::catalogue::ui {

// Shows a stored colour (0x00BBGGRR or a system colour) in `role` of the widget.
inline void paintSwatch(QWidget& widget, std::int64_t color, QPalette::ColorRole role) {
    QPalette palette = widget.palette();
    palette.setColor(role, storedColor(color));
    widget.setPalette(palette);
    widget.update();
}

}  // namespace vantix::catalogue::ui
