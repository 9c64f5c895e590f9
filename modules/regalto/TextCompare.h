#pragma once

#include <string>
#include <string_view>

// Registry names compare without regard to case, with the registry's own
// Unicode case folding, so that the editor and the registry agree on which
// names are the same ("Ärger" and "ärger" are).
namespace vantix::regalto {

bool equalsNoCase(std::string_view a, std::string_view b);
bool lessNoCase(std::string_view a, std::string_view b);
bool containsNoCase(std::string_view haystack, std::string_view needle);

}  // namespace vantix::regalto
