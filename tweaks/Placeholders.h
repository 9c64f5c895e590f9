#pragma once

#include <string>
#include <string_view>

namespace vantix::tweaks {

// The directories that the path placeholders of the catalogue stand for,
// taken once per opened image.
struct PlaceholderDirectories {
    std::string bootDir;  // %BD%: the registry's "BootDir" exactly as read ("NO Key" when absent)
    std::string windowsDir;  // %WD%: ends in "\"
    std::string systemDir;   // %SD%: ends in "\"
    std::string programDir;  // %PD%: the program folder, ends in a separator
};

// "" for the single character "#" (the catalogue's empty field), else the text.
std::string FieldText(std::string_view text);

// Whether `text` holds any of the placeholders below: without one, expanding
// changes nothing and needs no directories.
bool HasPlaceholders(std::string_view text);

// Replaces %BD%, %WD%, %SD% and %PD% (in that order, case-sensitively, every
// occurrence) in place and returns the result. A replacement that produces a
// later placeholder of the order is expanded too.
std::string ExpandPlaceholders(std::string& text, const PlaceholderDirectories& directories);

}  // namespace vantix::tweaks
