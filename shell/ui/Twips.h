#pragma once

#include <QWidget>

// Sizes the settings keep in twips (1440 per inch), converted with the
// screen's logical DPI.
namespace vantix::shell {

int twipsToPixelsX(double twips, const QWidget* widget = nullptr);
int twipsToPixelsY(double twips, const QWidget* widget = nullptr);
double pixelsToTwipsX(int pixels, const QWidget* widget = nullptr);
double pixelsToTwipsY(int pixels, const QWidget* widget = nullptr);

}  // namespace vantix::shell
