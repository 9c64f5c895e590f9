#pragma once

#include <QColor>
#include <cstdint>
#include <vector>

#include "catalogue/CatalogueHost.h"
#include "catalogue/SideBarData.h"
#include "catalogue/ui/SideBar.h"

namespace vantix::catalogue::ui {

// A stored colour as the system keeps it: 0x00BBGGRR, or a system colour
// (0x80000000 + index, as "&H8000000F&" the face of buttons).
QColor storedColor(std::int64_t value);

// Builds the folders and groups into the sidebar (what was there goes), with
// each group's icon from its icon file or the standard group image. The first
// folder is left open.
void fillSideBarWidget(SideBar& bar, const std::vector<SideBarFolder>& folders, CatalogueHost& host);

}  // namespace vantix::catalogue::ui
