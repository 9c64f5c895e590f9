#include "modules/drevion/Masks.h"

#include <cctype>
#include <cstdio>

namespace vantix::drevion {

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The byte of the pair at `offset` of `digits`; -1 when it is no hex pair.
int pairAt(std::string_view digits, std::size_t offset) {
    const int high = hexDigit(digits[offset]);
    const int low = hexDigit(digits[offset + 1]);
    return high < 0 || low < 0 ? -1 : high * 16 + low;
}

int bitOf(char letter) {
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    return upper >= 'A' && upper <= 'Z' ? upper - 'A' : -1;
}

}  // namespace

std::uint32_t parseDriveMask(std::string_view hex) {
    std::string digits = "00000000";
    for (std::size_t i = 0; i < hex.size() && i < digits.size(); ++i) digits[i] = hex[i];
    std::uint32_t mask = 0;
    for (std::size_t pair = 4; pair-- > 0;) {
        const int byte = pairAt(digits, pair * 2);
        if (byte < 0) return 0;
        mask = (mask << 8) | static_cast<std::uint32_t>(byte);
    }
    return mask;
}

std::string formatDriveMask(std::uint32_t mask) {
    char text[9];
    std::snprintf(text, sizeof text, "%02X%02X%02X%02X", mask & 0xFF, (mask >> 8) & 0xFF,
                  (mask >> 16) & 0xFF, mask >> 24);
    return text;
}

std::uint32_t withDrive(std::uint32_t mask, char letter, bool hidden) {
    const int bit = bitOf(letter);
    if (bit < 0) return mask;
    return hidden ? mask | (1u << bit) : mask & ~(1u << bit);
}

bool driveBit(std::uint32_t mask, char letter) {
    const int bit = bitOf(letter);
    return bit >= 0 && (mask >> bit) & 1u;
}

std::uint8_t parseAutostartByte(std::string_view hex) {
    if (hex.size() < 2) return 0;
    const int byte = pairAt(hex, 0);
    return byte < 0 ? 0 : static_cast<std::uint8_t>(byte);
}

AutostartBoxes autostartBoxes(std::uint8_t byte) {
    return {(byte & 0x04) != 0, (byte & 0x08) != 0, (byte & 0x20) != 0, (byte & 0x40) != 0};
}

std::uint8_t applyAutostart(std::uint8_t byte, const AutostartBoxes& boxes) {
    const auto set = [&](std::uint8_t bit, bool on) {
        byte = static_cast<std::uint8_t>(on ? byte | bit : byte & ~bit);
    };
    set(0x20, boxes.cdrom);
    set(0x04, boxes.removable);
    set(0x08, boxes.harddisk);
    set(0x40, boxes.ramdisk);
    return byte;
}

std::string formatAutostart(std::uint8_t byte) {
    char text[3];
    std::snprintf(text, sizeof text, "%02X", byte);
    return std::string(text) + "000000";
}

}  // namespace vantix::drevion
