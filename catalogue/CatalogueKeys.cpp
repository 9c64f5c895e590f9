#include "catalogue/CatalogueKeys.h"

#include <cctype>
#include <cstdio>
#include <limits>

namespace vantix::catalogue {

std::string folderKey(std::int64_t id) { return std::to_string(id) + "GID"; }

std::string groupKey(std::int64_t id) { return std::to_string(id) + "CID"; }

std::string imageKey(std::int64_t id, std::string_view iconFile) {
    char digits[32];
    std::snprintf(digits, sizeof digits, "%08lld", static_cast<long long>(id));
    return std::string(digits) + std::string(iconFile);
}

std::string iconFileOfImageKey(std::string_view imageKey) {
    return imageKey.size() > 8 ? std::string(imageKey.substr(8)) : std::string();
}

std::int64_t leadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    std::int64_t value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > std::numeric_limits<std::int32_t>::max()) return 0;
    }
    return value;
}

bool isWholeNumber(std::string_view text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && std::isspace(static_cast<unsigned char>(text[begin]))) ++begin;
    while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1]))) --end;
    std::string_view t = text.substr(begin, end - begin);
    if (t.empty()) return false;
    if (t.size() > 2 && t[0] == '&' && (t[1] == 'H' || t[1] == 'h')) {
        std::size_t i = 2;
        for (; i < t.size() && std::isxdigit(static_cast<unsigned char>(t[i])); ++i) {}
        if (i < t.size() && t[i] == '&') ++i;
        return i == t.size() && i > 2;
    }
    std::size_t i = 0;
    if (t[i] == '+' || t[i] == '-') ++i;
    std::size_t digits = 0;
    for (; i < t.size() && std::isdigit(static_cast<unsigned char>(t[i])); ++i) ++digits;
    if (i < t.size() && t[i] == '.') {
        ++i;
        for (; i < t.size() && std::isdigit(static_cast<unsigned char>(t[i])); ++i) ++digits;
    }
    if (digits == 0) return false;
    if (i < t.size() && (t[i] == 'E' || t[i] == 'e')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        std::size_t exponent = 0;
        for (; i < t.size() && std::isdigit(static_cast<unsigned char>(t[i])); ++i) ++exponent;
        if (exponent == 0) return false;
    }
    return i == t.size();
}

std::string displayCaption(std::string_view caption) {
    std::string out;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        out += caption[i];
        if (caption[i] == '&' && i + 1 < caption.size() && caption[i + 1] == '&') ++i;
    }
    return out;
}

namespace {
bool continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }
}  // namespace

std::size_t characterCount(std::string_view utf8) {
    std::size_t count = 0;
    for (const char c : utf8)
        if (!continuation(c)) ++count;
    return count;
}

std::string firstCharacters(std::string_view utf8, std::size_t count) {
    std::size_t i = 0, seen = 0;
    for (; i < utf8.size(); ++i) {
        if (!continuation(utf8[i])) {
            if (seen == count) break;
            ++seen;
        }
    }
    return std::string(utf8.substr(0, i));
}

}  // namespace vantix::catalogue
