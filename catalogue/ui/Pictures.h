#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <string>

#include "catalogue/CatalogueHost.h"

// Pictures of the catalogue: file icons drawn from the files themselves and
// the standard image list of our own pictures (1 applet or module, 2 program,
// 3 batch file, 5 group), drawn in code so that no asset can go missing.
namespace vantix::catalogue::ui {

inline constexpr int kAppletImage = 1;
inline constexpr int kProgramImage = 2;
inline constexpr int kBatchImage = 3;
inline constexpr int kGroupImage = 5;

QImage toQImage(const platform::RgbaImage& image);

// The standard image `index` (1-based) at `size` pixels; index 4 and unknown
// indexes give the program image.
QPixmap standardImage(int index, int size = 32);

// Clears `picture` and draws the first icon of `file` into it; false (picture
// left clear) when the file is missing, has no icon, or is "Default Icon".
bool LoadGroupIcon(QPixmap& picture, CatalogueHost& host, const std::string& file);

// The icon of a list entry: its file's first icon, else the standard image.
QIcon entryIcon(CatalogueHost& host, const std::string& iconFile, int standardIndex);

}  // namespace vantix::catalogue::ui
