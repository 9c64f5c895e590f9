#pragma once

#include <QIcon>

// The tree's images: 1 folder, 2 active function, 3 deactivated function,
// 4 selected function, 5 open (selected) folder.
namespace vantix::tweaks::ui {

// The icon of a node with `image`, showing `selectedImage` while selected.
QIcon nodeIcon(int image, int selectedImage);

}  // namespace vantix::tweaks::ui
