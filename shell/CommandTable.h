#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// Every menu entry of the main window is a named command. The table holds the
// bands (the menu bar, its drop-down menus and the pop-up menus) with their
// entries, each entry's visible and enabled state, and the handlers that the
// owners of the commands register. The window builds its menus from it and
// hands every picked entry to ExecuteCommand.
namespace vantix::shell {

struct CommandEntry {
    std::int32_t id = 0;
    std::string command;  // what the dispatcher compares
    std::string caption;  // with its accelerator ("&File")
    std::string submenu;  // the band this entry opens; empty for a command
    bool visible = true;
    bool enabled = true;
};

struct CommandBand {
    std::string name;
    std::vector<CommandEntry> entries;
};

// The suite's support web page, opened by "APP_SUPPORT" in the default browser.
inline constexpr const char* kSupportAddress = "https://vantix.example.org/support/";

namespace band {
inline constexpr const char* kMenuBar = "Menü";
inline constexpr const char* kFile = "Datei";
inline constexpr const char* kEdit = "Bearbeiten";
inline constexpr const char* kView = "Ansicht";  // also the pop-up of an empty spot of the list
inline constexpr const char* kHelp = "Hilfe";
inline constexpr const char* kObjects = "Objekte";
inline constexpr const char* kListShortcut = "VerknüpfungListView";
inline constexpr const char* kSideBar = "Popup_SideBar";
inline constexpr const char* kSideBarShortcut = "Verknüpfung";
}  // namespace band

// "310|320|" -> {310, 320}; the empty text is the empty list. Items that are
// not numbers are skipped.
std::vector<std::int32_t> parseIdList(std::string_view list);

// What the sidebar's pop-up was opened on: the group or the open folder under
// the mouse. Both empty: no menu.
struct PopupObject {
    std::string groupKey;
    std::string folderKey;
};

class CommandTable {
public:
    using Handler = std::function<void()>;
    // Called with a band's name after its entries' states changed.
    using StateObserver = std::function<void(const std::string& band)>;

    CommandTable();  // the full table of the shell

    const std::vector<CommandBand>& bands() const { return bands_; }
    const CommandBand* findBand(std::string_view name) const;
    const CommandEntry* findEntry(std::string_view band, std::int32_t id) const;

    // Switches "Visible" or "Enabled" (any case) on for the entries of `band`
    // listed in `on` and off for those in `off`; other entries keep their state.
    void SetToolsState(std::string_view band, std::string_view property, std::string_view on,
                       std::string_view off);
    // The rows of the band "Ansicht": 0 for "SYST" and "TOOL", 1 "HIDD", 2 "UTIL".
    void SetViewMenuMode(int mode);
    static int viewMenuModeOf(std::string_view groupMode);
    int viewMenuMode() const { return viewMode_; }

    // The owner of a command registers what it does; a later registration replaces it.
    void registerHandler(const std::string& command, Handler handler);
    // Carries out the command; false for a name without a handler (nothing happens).
    bool ExecuteCommand(std::string_view command) const;
    bool hasHandler(std::string_view command) const;

    void setStateObserver(StateObserver observer) { observer_ = std::move(observer); }

    // The sidebar's pop-up rules: over a group the group entries, over the open
    // folder's caption the folder entries; returns false when no menu is shown.
    // The object is remembered for the commands the menu starts.
    bool prepareSideBarPopup(const PopupObject& under);
    const PopupObject& popupObject() const { return popup_; }
    void clearPopupObject() { popup_ = {}; }

    // The list view's pop-up in a list of `groupMode`: the band to pop up
    // ("Objekte" over an entry, with activate or deactivate shown as it fits;
    // "Ansicht" over an empty spot), or empty for lists that have their own menus.
    std::string prepareListPopup(std::string_view groupMode, bool onEntry, bool entryDeactivated);

private:
    CommandBand* band(std::string_view name);

    std::vector<CommandBand> bands_;
    std::map<std::string, Handler, std::less<>> handlers_;
    StateObserver observer_;
    PopupObject popup_;
    int viewMode_ = 0;
};

}  // namespace vantix::shell
