#include "tweaks/Placeholders.h"

namespace vantix::tweaks {

std::string FieldText(std::string_view text) {
    return text == "#" ? std::string() : std::string(text);
}

namespace {
constexpr std::string_view kPlaceholders[] = {"%BD%", "%WD%", "%SD%", "%PD%"};
}  // namespace

bool HasPlaceholders(std::string_view text) {
    for (const auto placeholder : kPlaceholders)
        if (text.find(placeholder) != std::string_view::npos) return true;
    return false;
}

std::string ExpandPlaceholders(std::string& text, const PlaceholderDirectories& directories) {
    const std::pair<std::string_view, const std::string*> placeholders[] = {
        {"%BD%", &directories.bootDir},
        {"%WD%", &directories.windowsDir},
        {"%SD%", &directories.systemDir},
        {"%PD%", &directories.programDir},
    };
    for (const auto& [placeholder, value] : placeholders) {
        // Each pass restarts at the beginning, so a value that itself contains
        // the placeholder would never end: such a value is taken literally once.
        if (value->find(placeholder) != std::string::npos) {
            for (std::size_t at = text.find(placeholder); at != std::string::npos;
                 at = text.find(placeholder, at + value->size()))
                text.replace(at, placeholder.size(), *value);
            continue;
        }
        for (std::size_t at = text.find(placeholder); at != std::string::npos;
             at = text.find(placeholder))
            text.replace(at, placeholder.size(), *value);
    }
    return text;
}

}  // namespace vantix::tweaks
