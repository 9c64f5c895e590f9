#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "lindrel32/Forward.h"
#include "modules/traskel/TrayList.h"

namespace vantix::platform {
class Machine;
}

namespace vantix::traskel {

class TrayLink;

// A registered configuration module as the "Add Module" dialog lists it.
struct ModuleChoice {
    std::string name;     // "Name"
    std::string program;  // "Modul"
    std::string window;   // "Window"
};

// The behaviour of the taskbar module's window: the entry list, its edits,
// saving and the tray program's switch. The window only maps controls to it.
class TraskelEditor {
public:
    // With `machine`, chosen files inside the image's drives are kept in their
    // Windows form ("C:\APPS\EDIT.EXE"), as the tray program and Windows read them.
    TraskelEditor(lindrel32::IQVREG& registry, lindrel32::IQVFKT& functions, TrayLink& tray,
                  const platform::Machine* machine = nullptr);

    void load();
    const std::vector<TrayEntry>& entries() const { return entries_; }
    bool canAdd() const { return static_cast<int>(entries_.size()) < kMaxEntries; }
    bool pending() const { return pending_; }

    // "&New Program": taken only when not empty, existing and executable; false otherwise.
    bool addProgram(const std::string& file);
    bool addSpacer();
    // Modules of the "Module" list whose "BS" has the bit of the running platform.
    std::vector<ModuleChoice> availableModules();
    bool addModule(const ModuleChoice& module);
    void remove(int index);
    // Swaps with the neighbour; the entry's new index (unchanged at either end).
    int moveUp(int index);
    int moveDown(int index);

    void setName(int index, const std::string& name);
    void setParam(int index, const std::string& param);
    void setWorkPath(int index, const std::string& workPath);
    void setWindow(int index, const std::string& window);
    void setStart(int index, std::int16_t start);
    void setIconFile(int index, const std::string& iconFile);

    // Writes the list, then tells the tray to rebuild (a tray that is not running is no failure).
    void save();
    // "&Taskbar active" switched on or off.
    void setTaskbarActive(bool on);
    bool trayRunning();

private:
    TrayEntry* at(int index);
    std::string windowsForm(const std::string& file) const;
    void changed() { pending_ = true; }
    // Changes a program or module entry (spacers have no fields).
    template <typename Change>
    void edit(int index, Change change) {
        if (TrayEntry* entry = at(index); entry && !entry->spacer) {
            change(*entry);
            changed();
        }
    }

    lindrel32::IQVREG& registry_;
    lindrel32::IQVFKT& functions_;
    TrayLink& tray_;
    const platform::Machine* machine_;
    std::vector<TrayEntry> entries_;
    bool pending_ = false;
};

}  // namespace vantix::traskel
