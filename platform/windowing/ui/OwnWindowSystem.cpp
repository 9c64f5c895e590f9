#include "platform/windowing/ui/OwnWindowSystem.h"

#include <QApplication>
#include <QMetaObject>
#include <QScreen>
#include <QVariant>
#include <QWidget>
#include <algorithm>

namespace vantix::platform::ui {
namespace {

constexpr const char* kHandle = "vantixWindowHandle";
constexpr const char* kRaised = "vantixWindowRaised";

// Windows in the Windows sense: created top-level widgets, not menus or tool tips.
bool isTopLevel(const QWidget* widget) {
    if (!widget->isWindow() || !widget->testAttribute(Qt::WA_WState_Created)) return false;
    const Qt::WindowType type = widget->windowType();
    return type != Qt::Popup && type != Qt::ToolTip && type != Qt::Desktop &&
           type != Qt::SplashScreen;
}

int counter() {
    static int next = 0;
    return ++next;
}

WindowHandle handleOf(QWidget* widget) {
    if (!widget->property(kHandle).isValid()) {
        widget->setProperty(kHandle, counter());
        widget->setProperty(kRaised, counter());
    }
    return widget->property(kHandle).toInt();
}

QWidget* find(WindowHandle handle) {
    if (handle == 0) return nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (isTopLevel(widget) && handleOf(widget) == handle) return widget;
    }
    return nullptr;
}

}  // namespace

std::vector<WindowHandle> OwnWindowSystem::topLevelWindows() {
    std::vector<QWidget*> widgets;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (isTopLevel(widget)) {
            handleOf(widget);
            widgets.push_back(widget);
        }
    }
    QWidget* active = QApplication::activeWindow();
    std::sort(widgets.begin(), widgets.end(), [active](QWidget* a, QWidget* b) {
        if ((a == active) != (b == active)) return a == active;
        const bool aTop = a->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        if (aTop != b->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) return aTop;
        return a->property(kRaised).toInt() > b->property(kRaised).toInt();
    });
    std::vector<WindowHandle> handles;
    for (QWidget* widget : widgets) handles.push_back(handleOf(widget));
    return handles;
}

std::optional<std::string> OwnWindowSystem::title(WindowHandle window) {
    QWidget* widget = find(window);
    if (!widget) return std::nullopt;
    return widget->windowTitle().toStdString();
}

std::optional<ShowState> OwnWindowSystem::showState(WindowHandle window) {
    QWidget* widget = find(window);
    if (!widget) return std::nullopt;
    if (widget->isMinimized()) return ShowState::Minimised;
    if (widget->isMaximized()) return ShowState::Maximised;
    return ShowState::Normal;
}

bool OwnWindowSystem::setShowState(WindowHandle window, ShowState state) {
    QWidget* widget = find(window);
    if (!widget) return false;
    switch (state) {
        case ShowState::Minimised:
            widget->showMinimized();
            break;
        case ShowState::Maximised:
            widget->showMaximized();
            break;
        case ShowState::Normal:
            widget->showNormal();
            break;
    }
    if (state != ShowState::Minimised) raise(window);
    return true;
}

std::optional<WindowRect> OwnWindowSystem::rect(WindowHandle window) {
    QWidget* widget = find(window);
    if (!widget) return std::nullopt;
    const QRect frame = widget->frameGeometry();
    return WindowRect{frame.x(), frame.y(), frame.width(), frame.height()};
}

bool OwnWindowSystem::move(WindowHandle window, const WindowRect& rect) {
    QWidget* widget = find(window);
    if (!widget) return false;
    // move() places the frame; resize() sizes the inside, so the frame is taken off.
    const QSize frame = widget->frameGeometry().size() - widget->geometry().size();
    widget->move(rect.left, rect.top);
    widget->resize(std::max(1, rect.width - frame.width()),
                   std::max(1, rect.height - frame.height()));
    return true;
}

bool OwnWindowSystem::postClose(WindowHandle window) {
    QWidget* widget = find(window);
    if (!widget) return false;
    return QMetaObject::invokeMethod(widget, &QWidget::close, Qt::QueuedConnection);
}

bool OwnWindowSystem::setTopmost(WindowHandle window, bool topmost) {
    QWidget* widget = find(window);
    if (!widget) return false;
    if (widget->windowFlags().testFlag(Qt::WindowStaysOnTopHint) != topmost) {
        const bool visible = widget->isVisible();
        widget->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);  // hides the window
        if (visible) widget->show();
    }
    if (topmost) raise(window);
    return true;
}

bool OwnWindowSystem::raise(WindowHandle window) {
    QWidget* widget = find(window);
    if (!widget) return false;
    // The offscreen platform keeps no stacking order (and warns when asked to raise).
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) widget->raise();
    widget->setProperty(kRaised, counter());
    return true;
}

WindowRect OwnWindowSystem::screen() {
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (!primary) return {};
    const QRect area = primary->geometry();
    return {area.x(), area.y(), area.width(), area.height()};
}

int OwnWindowSystem::logicalDpi() {
    const QScreen* primary = QGuiApplication::primaryScreen();
    return primary ? static_cast<int>(primary->logicalDotsPerInch()) : 96;
}

void OwnWindowSystem::processEvents() {
    QCoreApplication::processEvents();
}

}  // namespace vantix::platform::ui
