#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/database/DatabaseError.h"
#include "shell/FirstStart.h"
#include "shell/SettingsAccess.h"
#include "shell/ShellSettings.h"
#include "shell/WindowPlacement.h"

namespace vantix::platform {
class Database;
}

// The shell's start-up (`Main`): the fixed order of steps from the single
// instance check to the shown main window. The windows and the catalogue's
// widgets are reached through StartupHost, so that the order, the early ends
// and the settings applied can be checked without a screen.
namespace vantix::shell {

struct ShellState;

enum class StartupOutcome {
    Running,              // the main window is shown
    SecondInstance,       // ended silently: another instance runs
    UnsupportedPlatform,  // ended silently: platform code below 1
    AccessDenied,         // wrong password or Esc at the prompt
    DatabaseFailed,       // the engine's message was shown
};

class StartupHost {
public:
    virtual ~StartupHost() = default;
    virtual bool anotherInstanceRunning() = 0;
    virtual std::int32_t platformCode() = 0;
    // Steps 6 and 7: the logo window laid out, its timer on, the prompt visible or not.
    virtual void loadLogo(bool showPasswordPrompt) = 0;
    virtual void showLogo() = 0;
    // Step 10: processes events until access is granted; false when the prompt
    // ended the program (wrong password confirmed, or Esc).
    virtual bool waitForAccess() = 0;
    virtual void initDirectories() = 0;
    // Step 12: loads the main window; returns the display's bits per pixel.
    virtual std::int32_t loadMainWindow() = 0;
    virtual void processEvents() = 0;
    virtual bool fileExists(const std::string& path) = 0;
    virtual void loadBackgroundPicture(const std::string& path) = 0;
    virtual void applyViewSettings(const ViewSettings& view) = 0;
    virtual ScreenTwips screenTwips() = 0;
    // Step 15: the window's rectangle, then the sidebar colour, background
    // picture and button style of the settings record.
    virtual void placeMainWindow(const WindowRectTwips& rect) = 0;
    virtual void applyWindowSettings(const SettingsRecord& settings) = 0;
    // Opens the catalogue of the installed file `file` (the user's copy of it).
    virtual std::unique_ptr<platform::Database> openDatabase(const std::filesystem::path& file) = 0;
    // The full check of the open catalogue's file, run after its first reads
    // failed with a database error: the damage found, or nullopt when intact.
    virtual std::optional<platform::DatabaseError> checkOpenCatalogue() = 0;
    virtual void showError(const std::string& message) = 0;
    // One first-start row for the utility group; the catalogue stores it only
    // when its file is an existing executable.
    virtual void addUtility(std::int32_t groupId, const UtilityRow& row) = 0;
    virtual void fillSideBar() = 0;
    virtual void extendAppletTable() = 0;
    virtual void loadModuleTable() = 0;
    // Step 21: the group named by "/DS:" of the command line, else "LastCtrl".
    virtual void selectStartGroup(const std::string& commandLine, const std::string& lastCtrl) = 0;
    virtual void unloadLogo() = 0;
    virtual void showMainWindow() = 0;
};

struct StartupInputs {
    std::string commandLine;
    std::filesystem::path catalogueFile;  // the program folder's QUORVIA.MDE
};

// Runs `Main` on `state`. Database open errors (DatabaseError) are shown by
// their message. A database error on the first reads (the first-start rows,
// the sidebar) has the catalogue checked in full: damage found is shown and
// ends start-up as a failed open does. Other failing steps leave their
// defaults, as start-up ignores them.
StartupOutcome runStartup(ShellState& state, StartupHost& host, SettingsAccess& store,
                          const StartupInputs& inputs);

}  // namespace vantix::shell
