#include "tweaks/ReadHiddenState.h"

#include <algorithm>

#include "platform/database/Database.h"
#include "platform/log/Log.h"
#include "tweaks/Numbers.h"
#include "tweaks/TweakHost.h"

namespace vantix::tweaks {

namespace {

constexpr const char* kNoKey = "NO Key";

// The type letter is exactly one character; an empty one reads as text.
std::string typeLetterOf(const std::string& stored) {
    return stored.empty() ? " " : stored.substr(0, 1);
}

void selectOption(PageState& state, int option) {
    // Only options 1 and 2 exist; any other number selects nothing and the
    // page keeps the letter it opened with.
    if (option != 1 && option != 2) {
        log::debug("tweaks", "option number " + std::to_string(option) + " selects nothing");
        return;
    }
    state.selectedOption = option;
    state.ChoiceLetter = option == 1 ? "A" : "B";
}

}  // namespace

Presentation presentationFromText(const std::string& typ) {
    if (typ == "OPTION") return Presentation::Option;
    if (typ == "SLIDER") return Presentation::Slider;
    if (typ == "TEXT") return Presentation::Text;
    return Presentation::Unknown;
}

int pageModeOf(Presentation presentation) {
    switch (presentation) {
        case Presentation::Option:
            return 1;
        case Presentation::Slider:
            return 2;
        case Presentation::Text:
            return 3;
        default:
            return 0;
    }
}

std::string readCurrentValue(const HiddenProperty& property, TweakHost& host) {
    try {
        if (property.kind == "REG")
            return host.GetReg(FieldText(property.keyPath), FieldText(property.valueName),
                               typeLetterOf(property.typeLetter));
        if (property.kind == "INI") {
            std::string file = FieldText(property.file);
            host.expand(file);
            return host.GET_Ini(file, FieldText(property.keyPath), FieldText(property.valueName));
        }
    } catch (const std::exception& error) {
        // A path the library refuses reads like an absent value.
        log::debug("tweaks", std::string("reading the current value failed: ") + error.what());
        return kNoKey;
    }
    return {};
}

PageState readStateOf(const HiddenProperty& property, TweakHost& host,
                      const std::string& presentation) {
    PageState state;
    state.presentation = presentationFromText(presentation);
    state.currentValue = readCurrentValue(property, host);
    switch (state.presentation) {
        case Presentation::Slider: {
            const double defaultValue = leadingNumber(property.standard);
            state.DefaultValue = defaultValue;
            SliderState& slider = state.slider;
            slider.maximum = property.sliderMax;
            slider.minimum = property.sliderMin;
            slider.tickSpacing = roundHalfEven(property.sliderMax * 0.1);
            slider.largeStep = roundHalfEven(property.sliderMax * 0.03);
            slider.smallStep = roundHalfEven(property.sliderMax * 0.008);
            const double wanted =
                state.currentValue != kNoKey ? leadingNumber(state.currentValue) : defaultValue;
            // A value outside the range (set by another tool, or a default the
            // catalogue got wrong) is shown at the nearest end, as a slider can.
            const std::int64_t low = std::min<std::int64_t>(slider.minimum, slider.maximum);
            slider.position = std::clamp<std::int64_t>(roundHalfEven(wanted), low, slider.maximum);
            slider.numberBox = std::to_string(slider.position);
            break;
        }
        case Presentation::Option:
            state.DefaultValue = leadingNumber(property.standard);
            selectOption(state, state.currentValue == property.ifValue ? property.thenOption
                                                                       : property.elseOption);
            break;
        case Presentation::Text: {
            std::string defaultText = property.standard;
            state.DefaultValue = host.expand(defaultText);
            state.text = state.currentValue == kNoKey ? std::string() : state.currentValue;
            break;
        }
        case Presentation::Unknown:
            break;
    }
    return state;
}

PageState ReadHiddenState(platform::Database& database, TweakHost& host,
                          const std::string& presentation, std::int64_t propertyId) {
    auto record = database.openRecordset("select * from HIDDEN_EIGENSCHAFT Where ID = " +
                                         std::to_string(propertyId));
    const HiddenProperty property =
        record->eof() ? HiddenProperty{} : HiddenProperty::fromRecord(*record);
    return readStateOf(property, host, presentation);
}

}  // namespace vantix::tweaks
