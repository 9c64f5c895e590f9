#pragma once

#include <QColor>
#include <cstdint>

// Colours as the settings store keeps them: 0x00BBGGRR, or a system colour
// 0x800000nn naming an entry of the colour scheme (15 button face, 18 button text ...).
namespace vantix::shell {

QColor toQColor(std::int32_t oleColor);
std::int32_t fromQColor(const QColor& colour);

}  // namespace vantix::shell
