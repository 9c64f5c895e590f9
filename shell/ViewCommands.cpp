#include "shell/ViewCommands.h"

namespace vantix::shell {

std::optional<ToolbarButton> viewCommandButton(std::string_view command,
                                               std::string_view groupMode) {
    const bool tree = groupMode == "HIDD";
    if (command == "OBJ_VIEW")
        return tree ? ToolbarButton{4, 0, ButtonAction::Toggle}
                    : ToolbarButton{1, 0, ButtonAction::Toggle};
    if (command == "OBJ_SORT")
        return tree ? ToolbarButton{4, 3, ButtonAction::Toggle}
                    : ToolbarButton{1, 1, ButtonAction::Toggle};
    if (tree) {
        if (command == "STRUCT_OPEN") return ToolbarButton{4, 1};
        if (command == "STRUCT_CLOSE") return ToolbarButton{4, 2};
        return std::nullopt;
    }
    if (command == "OBJ_LEFT") return ToolbarButton{2, 0};
    if (command == "OBJ_TOP") return ToolbarButton{2, 1};
    if (command == "OBJ_BIGSYMB") return ToolbarButton{3, 0};
    if (command == "OBJ_SMALSYMB") return ToolbarButton{3, 1};
    if (command == "OBJ_LISTSYMB") return ToolbarButton{3, 2};
    return std::nullopt;
}

}  // namespace vantix::shell
