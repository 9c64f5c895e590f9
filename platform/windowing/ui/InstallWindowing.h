#pragma once

// Every GUI program of the suite calls this once, right after making its
// QApplication: the window helpers of the standard functions library then act
// on the desktop's windows when Qt runs on X11 (xcb), and on the program's own
// windows under any other Qt platform (offscreen in tests).
namespace vantix::platform::ui {

enum class Windowing { X11, OwnWindows };

Windowing installWindowing();

}  // namespace vantix::platform::ui
