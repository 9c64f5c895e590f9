#include "modules/regalto/TextCompare.h"

#include "platform/text/Text.h"

namespace vantix::regalto {

bool equalsNoCase(std::string_view a, std::string_view b) {
    return text::equalsIgnoreCase(a, b);
}

bool lessNoCase(std::string_view a, std::string_view b) {
    return text::foldCase(a) < text::foldCase(b);
}

bool containsNoCase(std::string_view haystack, std::string_view needle) {
    return text::foldCase(haystack).find(text::foldCase(needle)) != std::string::npos;
}

}  // namespace vantix::regalto
