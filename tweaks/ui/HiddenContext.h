#pragma once

#include <QString>
#include <functional>
#include <string>

class QWidget;

namespace vantix::catalogue {
class Prompter;
class SettingsAccess;
}  // namespace vantix::catalogue
namespace vantix::platform {
class Database;
}

namespace vantix::tweaks {
class TweakSession;
}

// What the function tree and the property page work with; the shell owns all
// of it and answers the prompts and choosers through its dialog wrapper.
namespace vantix::tweaks::ui {

// The dialog component's choosers as the page uses them. Paths are the
// system's (Windows-form) paths; "" means cancelled.
class PageChoosers {
public:
    virtual ~PageChoosers() = default;
    virtual QString chooseFile(QWidget* owner, const QString& title, const QString& start) = 0;
    virtual QString chooseFolder(QWidget* owner) = 0;
};

// The shell's settings that the tree follows, read when they are needed.
struct HiddenTreeSettings {
    bool onlyRightMouse =
        false;  // "OnlyRightMaus": hovering selects only with the right button held
    bool onlyDoubleClick = false;  // "OnlyDubbleClick": a double click opens a function
    bool expandAll = true;         // "ViewHiddenStruktur": folders open when the tree is filled
    bool confirm = true;           // "Sicherheit": ask before deleting
};

inline constexpr const char* kSoundOverLine = "OVER_LINE.WAV";

struct HiddenContext {
    platform::Database* database = nullptr;
    catalogue::SettingsAccess* settings = nullptr;
    catalogue::Prompter* prompter = nullptr;
    PageChoosers* choosers = nullptr;
    // The engine on the open image, created on first use.
    std::function<TweakSession*()> session;
    std::function<int()> winVersion = [] { return 0; };
    std::function<HiddenTreeSettings()> treeSettings = [] { return HiddenTreeSettings{}; };
    std::function<std::string()> lastHiddenWork = [] { return std::string(); };
    std::function<void(const std::string&)> setLastHiddenWork = [](const std::string&) {};
    std::function<void(const QString& file)> playSound = [](const QString&) {};
    std::function<bool(const std::string& path)> fileExists = [](const std::string&) {
        return false;
    };
    // Closes the main window, which ends the shell (after a restart was started).
    std::function<void()> closeShell = [] {};
    // Whether the shell is the foreground application (hovering selects only then).
    std::function<bool()> isForeground;
};

}  // namespace vantix::tweaks::ui
