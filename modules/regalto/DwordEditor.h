#pragma once

#include <string>

// The rules of the DWORD editor: a decimal and a hexadecimal tab sharing one
// text box; a text that breaks the tab's rule is replaced by the last
// accepted text.
namespace vantix::regalto {

class DwordEditor {
public:
    enum class Tab { Decimal, Hex };

    // Opens on the decimal tab with `decimal` (the display text before its first blank).
    explicit DwordEditor(std::string decimal);

    Tab tab() const { return tab_; }
    const std::string& text() const { return text_; }
    // The box's text after a change: `typed` when it passes, else the last accepted text.
    const std::string& edit(const std::string& typed);
    // Converts the text to the other tab's form.
    void switchTo(Tab tab);
    // The decimal text of the number (signed 32 bits, as DWORDs are written), "" when the box is empty.
    std::string result() const;

    static bool validDecimal(const std::string& text);
    // Hex digits only; more than eight significant digits would not fit a DWORD.
    static bool validHex(const std::string& text);

private:
    Tab tab_ = Tab::Decimal;
    std::string text_;
    std::string lastAccepted_;
};

}  // namespace vantix::regalto
