#include "shell/StartupSequence.h"

#include <exception>

#include "platform/database/CatalogueFile.h"
#include "platform/database/Database.h"
#include "platform/log/Log.h"
#include "shell/AccessPassword.h"
#include "shell/ShellState.h"

namespace vantix::shell {
namespace {

// Start-up goes on when a step fails; the reason stays in the log.
template <typename Step>
void tolerant(const char* what, Step&& step) {
    try {
        step();
    } catch (const std::exception& error) {
        log::debug("shell.startup", std::string(what) + " failed: " + error.what());
    }
}

}  // namespace

StartupOutcome runStartup(ShellState& state, StartupHost& host, SettingsAccess& store,
                          const StartupInputs& inputs) {
    state.Starting = true;
    if (host.anotherInstanceRunning()) return StartupOutcome::SecondInstance;
    state.WinVersion = 0;
    tolerant("platform code", [&] { state.WinVersion = host.platformCode(); });
    if (state.WinVersion < 1) return StartupOutcome::UnsupportedPlatform;
    state.CR = "\r";
    state.CRLF = "\r\n";
    state.Quote = "\"";

    state.StoredPassword = kNoKey;
    tolerant("password", [&] { state.StoredPassword = readStoredPassword(state.reg()); });
    const bool prompt = state.StoredPassword != kNoKey;
    if (!prompt) state.AccessGranted = true;
    host.loadLogo(prompt);
    tolerant("ViewLogo", [&] { state.Settings.ViewLogo = readViewLogo(store); });
    if (!(state.AccessGranted && !state.Settings.ViewLogo)) host.showLogo();
    if (!state.AccessGranted && !host.waitForAccess()) return StartupOutcome::AccessDenied;
    state.AccessGranted = true;

    tolerant("directories", [&] { host.initDirectories(); });
    state.ColorDepth = host.loadMainWindow();
    host.processEvents();
    const std::string picture = state.AppDir + (state.AppDir.empty() || state.AppDir.back() == '\\'
                                                    ? "PICTURES\\STRUKTUR.GIF"
                                                    : "PICTURES/STRUKTUR.GIF");
    tolerant("background picture", [&] {
        if (host.fileExists(picture)) host.loadBackgroundPicture(picture);
    });

    ViewSettings view;
    StoredWindowRect stored;
    tolerant("settings", [&] { readMainWindowSettings(store, state.Settings, view, stored); });
    host.applyViewSettings(view);
    bool firstStartForPlacement = false;
    tolerant("FirstStart", [&] { firstStartForPlacement = readFirstStart(store); });
    host.placeMainWindow(
        placeMainWindow(firstStartForPlacement, state.Settings.SaveLastWinPos, stored, host.screenTwips()));
    host.applyWindowSettings(state.Settings);

    try {
        state.Database = host.openDatabase(inputs.catalogueFile);
    } catch (const std::exception& error) {  // DatabaseError carries the engine's description
        host.showError(error.what());
        return StartupOutcome::DatabaseFailed;
    }

    // Opening reads only a few pages: a database error on the first reads may
    // be damage it did not reach. The full check, run once, tells.
    std::optional<platform::DatabaseError> damaged;
    bool checked = false;
    auto firstRead = [&](const char* what, auto&& step) {
        if (damaged) return;
        try {
            step();
        } catch (const platform::DatabaseError& error) {
            log::debug("shell.startup", std::string(what) + " failed: " + error.what());
            if (checked) return;
            checked = true;
            if (auto damage = host.checkOpenCatalogue())
                damaged = platform::withCatalogueDamage(error, damage);
        } catch (const std::exception& error) {
            log::debug("shell.startup", std::string(what) + " failed: " + error.what());
        }
    };
    tolerant("FirstStart", [&] { state.FirstStart = readFirstStart(store); });
    if (state.FirstStart) {
        for (const UtilityRow& row :
             firstStartUtilities(state.WinVersion, state.AppDir, state.SystemDir, state.WindowsDir))
            firstRead("first-start utility",
                      [&] { host.addUtility(kFirstStartUtilityGroup, row); });
        // Kept on a damaged catalogue, so that the start after its repair seeds the rows.
        if (!damaged) store.deleteValue(kSettingsSection, kFirstStartKey);
    }
    firstRead("sidebar", [&] { host.fillSideBar(); });
    if (damaged) {
        host.showError(damaged->what());
        return StartupOutcome::DatabaseFailed;
    }
    tolerant("applets", [&] { host.extendAppletTable(); });
    tolerant("modules", [&] { host.loadModuleTable(); });
    host.processEvents();
    tolerant("start group", [&] { host.selectStartGroup(inputs.commandLine, state.Settings.LastCtrl); });
    host.processEvents();
    host.unloadLogo();
    host.showMainWindow();
    for (int i = 0; i < 3; ++i) host.processEvents();
    state.Starting = false;
    return StartupOutcome::Running;
}

}  // namespace vantix::shell
