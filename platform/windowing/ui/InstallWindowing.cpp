#include "platform/windowing/ui/InstallWindowing.h"

#include <QGuiApplication>
#include <QScreen>

#include "platform/log/Log.h"
#include "platform/windowing/WindowSystem.h"
#include "platform/windowing/ui/OwnWindowSystem.h"
#include "platform/windowing/x11/XcbWindowSystem.h"

namespace vantix::platform::ui {

Windowing installWindowing() {
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        XcbWindowSystem::Options options;
        options.processEvents = [] { QCoreApplication::processEvents(); };
        options.logicalDpi = [] {
            const QScreen* primary = QGuiApplication::primaryScreen();
            return primary ? static_cast<int>(primary->logicalDotsPerInch()) : 96;
        };
        if (auto x11 = XcbWindowSystem::connect(std::move(options))) {
            installWindowSystem(std::shared_ptr<WindowSystem>(std::move(x11)));
            return Windowing::X11;
        }
        vantix::log::warning("windowing",
                             "Qt runs on X11, yet no X connection of our own could be made");
    }
    installWindowSystem(std::make_shared<OwnWindowSystem>());
    return Windowing::OwnWindows;
}

}  // namespace vantix::platform::ui
