#pragma once

#include <cstdint>
#include <string>
#include <variant>

// What the property page shows once the state has been read: the window binds
// its controls to this and nothing else.
namespace vantix::tweaks {

enum class Presentation { Unknown, Option, Slider, Text };
Presentation presentationFromText(const std::string& typ);
// PageMode of the page: 1 OPTION, 2 SLIDER, 3 TEXT, 0 anything else.
int pageModeOf(Presentation presentation);

struct SliderState {
    std::int32_t minimum = 0;
    std::int32_t maximum = 0;
    std::int64_t tickSpacing = 0;
    std::int64_t largeStep = 0;
    std::int64_t smallStep = 0;
    std::int64_t position = 0;
    std::string numberBox;  // the position in decimal
};

struct PageState {
    Presentation presentation = Presentation::Unknown;
    std::string currentValue;  // as read: the value, "NO Key", or "" when not read
    // OPTION: 1 or 2, or 0 when the catalogue names no valid option.
    int selectedOption = 0;
    std::string ChoiceLetter = "A";  // "A" or "B": the choice that applying runs
    SliderState slider;
    std::string text;
    // A number for OPTION and SLIDER, a text for TEXT.
    std::variant<double, std::string> DefaultValue = 0.0;
};

}  // namespace vantix::tweaks
