#include "modules/regalto/DwordEditor.h"

#include <charconv>
#include <cstdint>
#include <cstdio>

namespace vantix::regalto {
namespace {

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// The 32 bits a text of the given tab stands for (0 for an empty or unreadable text).
std::uint32_t bitsOf(const std::string& text, DwordEditor::Tab tab) {
    if (tab == DwordEditor::Tab::Hex) {
        std::uint64_t number = 0;
        std::from_chars(text.data(), text.data() + text.size(), number, 16);
        return static_cast<std::uint32_t>(number);
    }
    long long number = 0;
    std::from_chars(text.data(), text.data() + text.size(), number);
    return static_cast<std::uint32_t>(number);
}

// Whether the whole text is a number of that tab that fits 32 bits (a decimal
// one may carry the sign of a value shown as signed).
bool isNumber(const std::string& text, DwordEditor::Tab tab) {
    if (text.empty()) return false;
    if (tab == DwordEditor::Tab::Hex) return DwordEditor::validHex(text);
    long long number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return error == std::errc() && end == text.data() + text.size() && number >= -2147483648LL &&
           number <= 4294967295LL;
}

}  // namespace

DwordEditor::DwordEditor(std::string decimal) : text_(std::move(decimal)), lastAccepted_(text_) {
}

bool DwordEditor::validDecimal(const std::string& text) {
    if (text.empty() || text.size() > 10) return false;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return std::stoll(text) <= 2147483647LL;
}

bool DwordEditor::validHex(const std::string& text) {
    std::size_t significant = 0;
    for (char c : text) {
        if (!isHexDigit(c)) return false;
        if (significant > 0 || c != '0') ++significant;
    }
    return significant <= 8;
}

const std::string& DwordEditor::edit(const std::string& typed) {
    const bool valid = tab_ == Tab::Decimal ? validDecimal(typed) : validHex(typed);
    if (valid) {
        text_ = typed;
        lastAccepted_ = typed;
    } else {
        text_ = lastAccepted_;
    }
    return text_;
}

void DwordEditor::switchTo(Tab tab) {
    if (tab == tab_) return;
    // Text that is no number (a value that could not be read) stays as it
    // is rather than becoming 0.
    if (isNumber(text_, tab_)) {
        const std::uint32_t bits = bitsOf(text_, tab_);
        if (tab == Tab::Hex) {
            char hex[16];
            std::snprintf(hex, sizeof hex, "%X", static_cast<unsigned>(bits));
            text_ = hex;
        } else {
            text_ = std::to_string(static_cast<std::int32_t>(bits));
        }
    }
    tab_ = tab;
    lastAccepted_ = text_;
}

std::string DwordEditor::result() const {
    // A value that could not be read opens as text that is no number: OK
    // then writes nothing rather than 0 over it.
    if (!isNumber(text_, tab_)) return "";
    return std::to_string(static_cast<std::int32_t>(bitsOf(text_, tab_)));
}

}  // namespace vantix::regalto
