#pragma once

#include <optional>
#include <string_view>

// The View commands act through the toolbar buttons of the open area: the
// list group (Ribbon_1 to Ribbon_3) or, for hidden functions, the tree group
// (Ribbon_4). Pressing the button does what clicking it does.
namespace vantix::shell {

enum class ButtonAction {
    Toggle,  // pressed becomes released and the reverse
    Press,   // an option of its group is pressed
};

struct ToolbarButton {
    int ribbon = 0;  // 1 to 4
    int index = 0;
    ButtonAction action = ButtonAction::Press;
    friend bool operator==(const ToolbarButton&, const ToolbarButton&) = default;
};

// The button a View command works in a group of `groupMode`; nullopt for a
// command that is not a View command or does not apply to that kind of group
// (the tree commands outside "HIDD", the list layout inside it).
std::optional<ToolbarButton> viewCommandButton(std::string_view command,
                                               std::string_view groupMode);

}  // namespace vantix::shell
