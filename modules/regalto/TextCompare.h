#pragma once

#include <string>
#include <string_view>

// Registry names compare without regard to case (ASCII letters; other bytes as they are).
namespace vantix::regalto {

std::string lowerAscii(std::string_view text);
bool equalsNoCase(std::string_view a, std::string_view b);
bool lessNoCase(std::string_view a, std::string_view b);
bool containsNoCase(std::string_view haystack, std::string_view needle);

}  // namespace vantix::regalto
