#include "catalogue/FileNames.h"

#include "platform/text/Text.h"

namespace vantix::catalogue {

namespace {

std::size_t lastSeparator(std::string_view path) { return path.find_last_of("\\/"); }

std::string nameOf(std::string_view path) {
    const auto at = lastSeparator(path);
    return std::string(at == std::string_view::npos ? path : path.substr(at + 1));
}

// Drops ".ext" when the dot stands within the last four characters.
std::string dropShortExtension(const std::string& name) {
    if (name.size() < 5) return name;
    const auto dot = name.find('.', name.size() - 5);
    return dot == std::string::npos ? name : name.substr(0, dot);
}

}  // namespace

std::string fileTitle(std::string_view path, bool withExtension) {
    std::string name = nameOf(path);
    if (!name.empty() && name == text::toUpper(name)) {
        name = text::toLower(name);
        name[0] = static_cast<char>(text::toUpperAscii(name.substr(0, 1))[0]);
    }
    return withExtension ? name : dropShortExtension(name);
}

std::string baseName(std::string_view path) { return dropShortExtension(nameOf(path)); }

std::string folderOf(std::string_view path) {
    const auto at = lastSeparator(path);
    if (at == std::string_view::npos || at == 0) return {};
    return std::string(path.substr(0, at));
}

}  // namespace vantix::catalogue
