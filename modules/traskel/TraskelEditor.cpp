#include "modules/traskel/TraskelEditor.h"

#include <charconv>
#include <filesystem>
#include <utility>

#include "lindrel32/QVFKT.h"
#include "lindrel32/QVREG.h"
#include "modules/common/ModuleInfo.h"
#include "modules/traskel/TrayLink.h"
#include "platform/machine/Machine.h"

namespace vantix::traskel {
namespace {

constexpr std::string_view kAbsent = "NO Key";

std::int32_t parseMask(const std::string& text) {
    std::int32_t value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

}  // namespace

TraskelEditor::TraskelEditor(lindrel32::IQVREG& registry, lindrel32::IQVFKT& functions,
                             TrayLink& tray, const platform::Machine* machine)
    : registry_(registry), functions_(functions), tray_(tray), machine_(machine) {
}

std::string TraskelEditor::windowsForm(const std::string& file) const {
    if (!machine_ || file.empty() || file.front() != '/') return file;
    return machine_->windowsPath(file).value_or(file);
}

void TraskelEditor::load() {
    entries_ = readTrayList(registry_, functions_);
    pending_ = false;
}

TrayEntry* TraskelEditor::at(int index) {
    if (index < 0 || index >= static_cast<int>(entries_.size())) return nullptr;
    return &entries_[static_cast<std::size_t>(index)];
}

bool TraskelEditor::addProgram(const std::string& chosen) {
    const std::string file = windowsForm(chosen);
    if (!canAdd() || file.empty()) return false;
    if (!functions_.GET_FileExist(file) || !functions_.GET_FileExecutable(file)) return false;
    TrayEntry entry;
    entry.program = file;
    entry.iconFile = file;
    if (file.front() == '/') {  // a host path outside the image's drives
        const std::filesystem::path host(file);
        entry.name = functions_.GET_Dateiname(host.filename().string(), false);
        entry.workPath = host.parent_path().string();
    } else {
        entry.name = functions_.GET_Dateiname(file, false);
        entry.workPath = functions_.GET_Pfadname(file);
    }
    entry.start = 1;
    entries_.push_back(std::move(entry));
    changed();
    return true;
}

bool TraskelEditor::addSpacer() {
    if (!canAdd()) return false;
    entries_.push_back(TrayEntry::makeSpacer());
    changed();
    return true;
}

std::vector<ModuleChoice> TraskelEditor::availableModules() {
    const std::string root(modules::kModuleRegistryKey);
    const std::int32_t count = registry_.GetSubKeyAnzahl(root);
    std::vector<std::string> keys(static_cast<std::size_t>(count > 0 ? count : 0));
    const int last = keys.empty() ? -1 : registry_.GetPfad(root, keys);
    const std::int32_t code = functions_.GET_WinVersion();
    std::vector<ModuleChoice> modules;
    for (int i = 0; i <= last; ++i) {
        const std::string key = root + "\\" + keys[static_cast<std::size_t>(i)];
        if (!functions_.GET_IsBitSet(parseMask(registry_.GetReg(key, "BS")), code - 1)) continue;
        ModuleChoice module;
        module.name = registry_.GetReg(key, "Name");
        module.program = registry_.GetReg(key, "Modul");
        module.window = registry_.GetReg(key, "Window");
        if (module.window == kAbsent) module.window.clear();
        modules.push_back(std::move(module));
    }
    return modules;
}

bool TraskelEditor::addModule(const ModuleChoice& module) {
    if (!canAdd()) return false;
    TrayEntry entry;
    entry.name = module.name + " (Modul)";
    entry.param = std::string(kModuleParameters);
    entry.iconFile = std::string(kModuleIcon);
    entry.program = module.program;
    entry.workPath = functions_.GET_Pfadname(module.program);
    entry.start = 1;
    entry.window = module.window;
    entries_.push_back(std::move(entry));
    changed();
    return true;
}

void TraskelEditor::remove(int index) {
    if (!at(index)) return;
    entries_.erase(entries_.begin() + index);
    changed();
}

int TraskelEditor::moveUp(int index) {
    if (!at(index) || index == 0) return index;
    std::swap(entries_[static_cast<std::size_t>(index)],
              entries_[static_cast<std::size_t>(index - 1)]);
    changed();
    return index - 1;
}

int TraskelEditor::moveDown(int index) {
    if (!at(index) || !at(index + 1)) return index;
    std::swap(entries_[static_cast<std::size_t>(index)],
              entries_[static_cast<std::size_t>(index + 1)]);
    changed();
    return index + 1;
}

void TraskelEditor::setName(int index, const std::string& name) {
    edit(index, [&](TrayEntry& entry) { entry.name = name; });
}
void TraskelEditor::setParam(int index, const std::string& param) {
    edit(index, [&](TrayEntry& entry) { entry.param = param; });
}
void TraskelEditor::setWorkPath(int index, const std::string& workPath) {
    edit(index, [&](TrayEntry& entry) { entry.workPath = workPath; });
}
void TraskelEditor::setWindow(int index, const std::string& window) {
    edit(index, [&](TrayEntry& entry) { entry.window = window; });
}
void TraskelEditor::setStart(int index, std::int16_t start) {
    edit(index, [&](TrayEntry& entry) { entry.start = start; });
}
void TraskelEditor::setIconFile(int index, const std::string& iconFile) {
    if (!iconFile.empty())
        edit(index, [&](TrayEntry& entry) { entry.iconFile = windowsForm(iconFile); });
}

void TraskelEditor::save() {
    saveTrayList(registry_, entries_);
    pending_ = false;
    tray_.execute(std::string(kUpdateTray));  // no tray running: nothing to tell
}

void TraskelEditor::setTaskbarActive(bool on) {
    if (on) {
        tray_.startTray();
        registry_.SetReg(std::string(kRunKey), std::string(kRunValue), std::string(kRunCommand));
    } else {
        registry_.DelReg(std::string(kRunKey), std::string(kRunValue));
        tray_.execute(std::string(kEndTray));
    }
    tray_.setAutostart(on);
}

bool TraskelEditor::trayRunning() {
    return tray_.trayWindowExists();
}

}  // namespace vantix::traskel
