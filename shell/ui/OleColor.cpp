#include "shell/ui/OleColor.h"

#include <QApplication>
#include <QPalette>

namespace vantix::shell {
namespace {

QColor systemColour(int index) {
    const QPalette palette = QApplication::palette();
    switch (index) {
        case 1: return palette.color(QPalette::Window);           // desktop
        case 2: case 13: return palette.color(QPalette::Highlight);  // active caption, highlight
        case 5: return palette.color(QPalette::Base);             // window
        case 6: return palette.color(QPalette::Shadow);           // window frame
        case 8: return palette.color(QPalette::Text);             // window text
        case 9: case 14: return palette.color(QPalette::HighlightedText);
        case 15: return palette.color(QPalette::Button);          // button face
        case 16: return palette.color(QPalette::Mid);             // button shadow
        case 17: return palette.color(QPalette::Disabled, QPalette::Text);
        case 18: return palette.color(QPalette::ButtonText);
        case 20: return palette.color(QPalette::Light);           // button highlight
        case 24: return palette.color(QPalette::ToolTipBase);
        default: return palette.color(QPalette::Window);
    }
}

}  // namespace

QColor toQColor(std::int32_t oleColor) {
    auto bits = static_cast<std::uint32_t>(oleColor);
    if (bits & 0x80000000u) return systemColour(static_cast<int>(bits & 0xFFu));
    return QColor(static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
                  static_cast<int>((bits >> 16) & 0xFF));
}

std::int32_t fromQColor(const QColor& colour) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(colour.red()) |
                                     (static_cast<std::uint32_t>(colour.green()) << 8) |
                                     (static_cast<std::uint32_t>(colour.blue()) << 16));
}

}  // namespace vantix::shell
