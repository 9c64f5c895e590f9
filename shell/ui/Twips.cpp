#include "shell/ui/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace vantix::shell {
namespace {

constexpr double kTwipsPerInch = 1440.0;

QScreen* screenOf(const QWidget* widget) {
    if (widget && widget->screen()) return widget->screen();
    return QGuiApplication::primaryScreen();
}

double dpiX(const QWidget* widget) {
    QScreen* screen = screenOf(widget);
    return screen ? screen->logicalDotsPerInchX() : 96.0;
}

double dpiY(const QWidget* widget) {
    QScreen* screen = screenOf(widget);
    return screen ? screen->logicalDotsPerInchY() : 96.0;
}

}  // namespace

int twipsToPixelsX(double twips, const QWidget* widget) {
    return static_cast<int>(std::lround(twips * dpiX(widget) / kTwipsPerInch));
}
int twipsToPixelsY(double twips, const QWidget* widget) {
    return static_cast<int>(std::lround(twips * dpiY(widget) / kTwipsPerInch));
}
double pixelsToTwipsX(int pixels, const QWidget* widget) { return pixels * kTwipsPerInch / dpiX(widget); }
double pixelsToTwipsY(int pixels, const QWidget* widget) { return pixels * kTwipsPerInch / dpiY(widget); }

}  // namespace vantix::shell
