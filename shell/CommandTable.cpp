#include "shell/CommandTable.h"

#include <algorithm>
#include <charconv>

#include "platform/text/Text.h"

namespace vantix::shell {
namespace {

struct ViewRow {
    const char* visible;
    const char* hidden;
    const char* enabled;
    const char* disabled;
};

// SetViewMenuMode's rows, by mode 0 (SYST, TOOL), 1 (HIDD), 2 (UTIL).
constexpr ViewRow kViewRows[] = {
    {"310|320|330|340|350|360|370|", "300|305|", "310|", ""},
    {"300|305|310|340|", "320|330|350|360|370|", "310|", ""},
    {"310|320|330|340|350|360|370|", "300|305|", "", "310|"},
};

CommandEntry e(std::int32_t id, const char* command, const char* caption,
               const char* submenu = "") {
    return CommandEntry{id, command, caption, submenu, true, true};
}

std::vector<CommandBand> fullTable() {
    return {
        {band::kMenuBar,
         {e(100, "MEN_FILE", "&File", band::kFile), e(200, "MEN_BEARB", "&Edit", band::kEdit),
          e(301, "MEN_ANSICHT", "&View", band::kView), e(900, "MEN_HELP", "&Help", band::kHelp)}},
        {band::kFile,
         {e(110, "APP_OPTION", "Program &Preferences..."), e(120, "APP_END", "&Exit")}},
        {band::kEdit,
         {e(210, "CTRL_NEW", "&New Group..."), e(240, "FLDR_NEW", "New &Folder..."),
          e(250, "FLDR_DEL", "&Delete Folder"), e(260, "FLDR_SET", "Folder &Properties..."),
          e(270, "MARK_ALL", "&Select All")}},
        {band::kView,
         {e(310, "OBJ_VIEW", "Show/Hide Deactivated &Objects"),
          e(300, "STRUCT_OPEN", "&Expand Directory Tree"),
          e(305, "STRUCT_CLOSE", "&Collapse Directory Tree"), e(320, "OBJ_LEFT", "Align at &Left"),
          e(330, "OBJ_TOP", "Align at &Top"), e(340, "OBJ_SORT", "Sort Objects by &Name"),
          e(350, "OBJ_BIGSYMB", "Large &Icons"), e(360, "OBJ_SMALSYMB", "&Small Icons"),
          e(370, "OBJ_LISTSYMB", "&List")}},
        {band::kHelp,
         {e(910, "APP_HELP", "Vantix 98 &Help Topics"), e(920, "APP_SUPPORT", "Vantix 98 &Website"),
          e(930, "APP_INFO", "&About")}},
        {band::kObjects,
         {e(271, "OBJ_AKTIV", "&Activate Object(s)"), e(272, "OBJ_DEAKTIV", "Deactivate Object(s)"),
          e(273, "VERKNUEPFUNG", "&Create Shortcut", band::kListShortcut)}},
        {band::kListShortcut,
         {e(274, "LVSHORTCUT_DESK", "On &Desktop"), e(275, "LVSHORTCUT_START", "In &Start Menu"),
          e(276, "LVSHORTCUT_STARTPROG", "In Start Menu\\&Programs")}},
        {band::kSideBar,
         {e(810, "CTRL_NEW", "&New Group..."), e(820, "CTRL_DEL", "&Delete Group"),
          e(830, "CTRL_SET", "Group &Properties..."),
          e(870, "VERKNUEPFUNG", "Create &Shortcut", band::kSideBarShortcut),
          e(840, "FLDR_NEW", "New &Folder..."), e(850, "FLDR_DEL", "De&lete Folder"),
          e(860, "FLDR_SET", "Fold&er Properties...")}},
        {band::kSideBarShortcut,
         {e(871, "SHORTCUT_DESK", "On &Desktop"), e(872, "SHORTCUT_START", "In &Start Menu"),
          e(873, "SHORTCUT_STARTPROG", "In Start Menu\\&Programs")}},
    };
}

bool listed(const std::vector<std::int32_t>& ids, std::int32_t id) {
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

}  // namespace

std::vector<std::int32_t> parseIdList(std::string_view list) {
    std::vector<std::int32_t> ids;
    while (!list.empty()) {
        const auto bar = list.find('|');
        const std::string_view item = list.substr(0, bar);
        std::int32_t id = 0;
        const auto [end, error] = std::from_chars(item.data(), item.data() + item.size(), id);
        if (error == std::errc() && end == item.data() + item.size() && !item.empty())
            ids.push_back(id);
        if (bar == std::string_view::npos) break;
        list.remove_prefix(bar + 1);
    }
    return ids;
}

CommandTable::CommandTable() : bands_(fullTable()) {
    SetViewMenuMode(0);
}

const CommandBand* CommandTable::findBand(std::string_view name) const {
    for (const auto& b : bands_)
        if (b.name == name) return &b;
    return nullptr;
}

CommandBand* CommandTable::band(std::string_view name) {
    for (auto& b : bands_)
        if (b.name == name) return &b;
    return nullptr;
}

const CommandEntry* CommandTable::findEntry(std::string_view bandName, std::int32_t id) const {
    const CommandBand* b = findBand(bandName);
    if (!b) return nullptr;
    for (const auto& entry : b->entries)
        if (entry.id == id) return &entry;
    return nullptr;
}

void CommandTable::SetToolsState(std::string_view bandName, std::string_view property,
                                 std::string_view on, std::string_view off) {
    CommandBand* b = band(bandName);
    if (!b) return;
    const std::string which = text::toUpperAscii(property);
    if (which != "VISIBLE" && which != "ENABLED") return;
    const auto onIds = parseIdList(on);
    const auto offIds = parseIdList(off);
    for (auto& entry : b->entries) {
        bool& state = which == "VISIBLE" ? entry.visible : entry.enabled;
        if (listed(onIds, entry.id)) state = true;
        if (listed(offIds, entry.id)) state = false;
    }
    if (observer_) observer_(b->name);
}

void CommandTable::SetViewMenuMode(int mode) {
    if (mode < 0 || mode > 2) return;
    viewMode_ = mode;
    const ViewRow& row = kViewRows[mode];
    SetToolsState(band::kView, "Visible", row.visible, row.hidden);
    SetToolsState(band::kView, "Enabled", row.enabled, row.disabled);
}

int CommandTable::viewMenuModeOf(std::string_view groupMode) {
    if (groupMode == "HIDD") return 1;
    if (groupMode == "UTIL") return 2;
    return 0;
}

void CommandTable::registerHandler(const std::string& command, Handler handler) {
    handlers_[command] = std::move(handler);
}

bool CommandTable::hasHandler(std::string_view command) const {
    return handlers_.find(command) != handlers_.end();
}

bool CommandTable::ExecuteCommand(std::string_view command) const {
    const auto found = handlers_.find(command);
    if (found == handlers_.end() || !found->second) return false;
    found->second();
    return true;
}

bool CommandTable::prepareSideBarPopup(const PopupObject& under) {
    if (!under.groupKey.empty()) {
        popup_ = {under.groupKey, {}};
        SetToolsState(band::kSideBar, "Visible", "810|820|830|870|", "840|850|860|");
        return true;
    }
    if (!under.folderKey.empty()) {
        popup_ = {{}, under.folderKey};
        SetToolsState(band::kSideBar, "Visible", "810|840|850|860|", "820|830|870|");
        return true;
    }
    return false;
}

std::string CommandTable::prepareListPopup(std::string_view groupMode, bool onEntry,
                                           bool entryDeactivated) {
    if (groupMode != "SYST" && groupMode != "TOOL") return {};
    if (!onEntry) return band::kView;
    if (entryDeactivated)
        SetToolsState(band::kObjects, "Visible", "271|", "272|");
    else
        SetToolsState(band::kObjects, "Visible", "272|", "271|");
    return band::kObjects;
}

}  // namespace vantix::shell
