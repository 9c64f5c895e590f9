#include "platform/files/ShortName.h"

#include <algorithm>
#include <set>

#include "platform/paths/DriveLinks.h"
#include "platform/paths/HostPath.h"
#include "platform/text/Text.h"

namespace vantix::platform {
namespace {

// Characters besides letters and digits that a short name may hold.
constexpr std::string_view kShortNameExtras = "!#$%&'()-@^_`{}~";

bool validShortChar(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') ||
           kShortNameExtras.find(c) != std::string_view::npos;
}

bool validPart(std::string_view part, std::size_t maxLength) {
    return !part.empty() && part.size() <= maxLength && std::all_of(part.begin(), part.end(), validShortChar);
}

// The upper-cased, cleaned text of a long name's part: one '_' for each
// character (not byte) a short name cannot hold.
std::string cleanPart(std::string_view part) {
    std::string out;
    for (std::size_t i = 0; i < part.size(); ++i) {
        const auto u = static_cast<unsigned char>(part[i]);
        if (u == ' ' || u == '.') continue;
        if (u >= 0x80) {
            while (i + 1 < part.size() && (static_cast<unsigned char>(part[i + 1]) & 0xC0) == 0x80) ++i;
            out.push_back('_');
            continue;
        }
        const char c = static_cast<char>(u >= 'a' && u <= 'z' ? u - 0x20 : u);
        out.push_back(validShortChar(c) ? c : '_');
    }
    return out;
}

struct Stem {
    std::string base;  // cleaned, uncut
    std::string ext;   // cleaned, cut to three
};

Stem stemOf(std::string_view name) {
    while (!name.empty() && name.front() == '.') name.remove_prefix(1);
    const std::size_t dot = name.rfind('.');
    Stem stem;
    if (dot == std::string_view::npos) {
        stem.base = cleanPart(name);
    } else {
        stem.base = cleanPart(name.substr(0, dot));
        stem.ext = cleanPart(name.substr(dot + 1)).substr(0, 3);
    }
    if (stem.base.empty()) stem.base = "_";
    return stem;
}

std::string numbered(const Stem& stem, unsigned number) {
    const std::string tail = "~" + std::to_string(number);
    std::string name = stem.base.substr(0, 8 - std::min<std::size_t>(tail.size(), 7)) + tail;
    if (!stem.ext.empty()) name += "." + stem.ext;
    return name;
}

}  // namespace

bool isShortName(std::string_view name) {
    if (name == "." || name == "..") return true;
    const std::size_t dot = name.find('.');
    if (dot == std::string_view::npos) return validPart(name, 8);
    return validPart(name.substr(0, dot), 8) &&
           (dot + 1 == name.size() ? false : validPart(name.substr(dot + 1), 3));
}

std::string shortName(std::string_view name, const std::vector<std::string>& siblings) {
    if (isShortName(name)) return std::string(name);
    // Names that are short already keep theirs and block those numbers.
    std::set<std::string> taken;
    std::vector<std::string> longNames;
    for (const std::string& sibling : siblings) {
        if (isShortName(sibling))
            taken.insert(vantix::text::toUpperAscii(sibling));
        else if (sibling != name)
            longNames.push_back(sibling);
    }
    longNames.emplace_back(name);
    std::sort(longNames.begin(), longNames.end());
    longNames.erase(std::unique(longNames.begin(), longNames.end()), longNames.end());

    const Stem wanted = stemOf(name);
    for (const std::string& candidate : longNames) {
        const Stem stem = stemOf(candidate);
        const bool collides = stem.base.substr(0, 6) == wanted.base.substr(0, 6) && stem.ext == wanted.ext;
        if (!collides) continue;
        unsigned number = 1;
        while (taken.count(numbered(stem, number))) ++number;
        const std::string assigned = numbered(stem, number);
        if (candidate == name) return assigned;
        taken.insert(assigned);
    }
    return numbered(wanted, 1);  // not reached: `name` is in the list
}

std::optional<std::string> shortWindowsPath(const std::filesystem::path& imageDir, std::string_view windowsPath) {
    if (windowsPath.size() < 2 || windowsPath[1] != ':') return std::nullopt;
    const auto drive = imageDrive(imageDir, windowsPath[0]);
    if (!drive) return std::nullopt;
    std::vector<std::string> parts;
    for (std::size_t pos = 2; pos < windowsPath.size();) {
        const std::size_t stop = std::min(windowsPath.find_first_of("\\/", pos), windowsPath.size());
        const std::string part(windowsPath.substr(pos, stop - pos));
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        pos = stop + 1;
    }
    std::string result{drive->letter, ':'};
    std::filesystem::path folder = drive->target;
    std::error_code error;
    for (const std::string& part : parts) {
        const std::filesystem::path entry = appendMatchingCase(folder, part);
        if (!std::filesystem::exists(entry, error)) return std::nullopt;
        std::vector<std::string> siblings;
        for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
            siblings.push_back(it->path().filename().string());
        result += '\\';
        result += shortName(entry.filename().string(), siblings);
        folder = entry;
    }
    if (parts.empty()) result += '\\';
    return result;
}

}  // namespace vantix::platform
