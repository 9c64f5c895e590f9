#include "lindrel32/FileNameParts.h"

#include <charconv>

#include "platform/text/Text.h"

namespace lindrel32::filename {

namespace text = vantix::text;

std::string namePart(std::string_view path, bool ext) {
    const auto slash = path.rfind('\\');
    std::u16string name =
        text::toUtf16(slash == std::string_view::npos ? path : path.substr(slash + 1));
    const std::string asText = text::toUtf8(name);
    if (asText == text::toUpper(asText) && !name.empty()) {
        const std::u16string first = text::toUtf16(text::toUpper(text::toUtf8(name.substr(0, 1))));
        name = first + text::toUtf16(text::toLower(text::toUtf8(name.substr(1))));
    }
    if (ext || name.size() < 5) return text::toUtf8(name);
    const auto dot = name.find(u'.', name.size() - 5);
    return text::toUtf8(dot == std::u16string::npos ? name : name.substr(0, dot));
}

std::string folderPart(std::string_view path) {
    const auto slash = path.rfind('\\');
    if (slash == std::string_view::npos || slash == 0) return "";
    return std::string(path.substr(0, slash));
}

std::string_view withoutIconIndex(std::string_view text) {
    const auto comma = text.find(',');
    if (comma == std::string_view::npos || comma == 0) return text;
    return text.substr(0, comma);
}

int iconIndex(std::string_view text, int fallback) {
    const auto comma = text.find(',');
    if (comma == std::string_view::npos || comma == 0) return fallback;
    // The number at the start of the rest, as Val reads it; no digits give 0.
    const std::string_view rest = text::trim(text.substr(comma + 1));
    int index = 0;
    std::from_chars(rest.data(), rest.data() + rest.size(), index);
    return index;
}

}  // namespace lindrel32::filename
