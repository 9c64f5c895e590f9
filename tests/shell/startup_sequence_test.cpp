#include <gtest/gtest.h>

#include <stdexcept>

#include "ImageFixture.h"
#include "RecordingSettings.h"
#include "lindrel32/QVREG.h"
#include "platform/database/Database.h"
#include "platform/database/DatabaseError.h"
#include "shell/AccessPassword.h"
#include "shell/ShellState.h"
#include "shell/StartupSequence.h"

using namespace vantix::shell;

namespace {

// Records the steps start-up takes; each answer can be set per test.
class FakeHost : public StartupHost {
public:
    bool otherInstance = false;
    std::int32_t platform = 3;
    bool grantAccess = true;
    bool databaseFails = false;
    std::optional<std::string> readFails;  // a database error on every read of the catalogue
    std::optional<vantix::platform::DatabaseError> damage;  // what the full check finds
    std::vector<std::string> steps;
    std::vector<UtilityRow> utilities;
    WindowRectTwips placed;
    std::string error;
    std::string startCommandLine, startLastCtrl;
    bool promptShown = false;

    bool anotherInstanceRunning() override { return step("instance"), otherInstance; }
    std::int32_t platformCode() override { return step("platform"), platform; }
    void loadLogo(bool prompt) override { step("loadLogo"), promptShown = prompt; }
    void showLogo() override { step("showLogo"); }
    bool waitForAccess() override { return step("waitForAccess"), grantAccess; }
    void initDirectories() override { step("initDirectories"); }
    std::int32_t loadMainWindow() override { return step("loadMainWindow"), 24; }
    void processEvents() override {}
    bool fileExists(const std::string&) override { return true; }
    void loadBackgroundPicture(const std::string& path) override { step("picture " + path); }
    void applyViewSettings(const ViewSettings&) override { step("applyViewSettings"); }
    ScreenTwips screenTwips() override { return {19200, 14400}; }
    void placeMainWindow(const WindowRectTwips& rect) override { step("placeMainWindow"), placed = rect; }
    void applyWindowSettings(const SettingsRecord&) override { step("applyWindowSettings"); }
    std::unique_ptr<vantix::platform::Database> openDatabase(const std::filesystem::path&) override {
        step("openDatabase");
        if (databaseFails) throw vantix::platform::DatabaseError(14, "unable to open database file");
        return nullptr;
    }
    std::optional<vantix::platform::DatabaseError> checkOpenCatalogue() override {
        return step("checkOpenCatalogue"), damage;
    }
    void showError(const std::string& message) override { step("showError"), error = message; }
    void addUtility(std::int32_t groupId, const UtilityRow& row) override {
        if (groupId != 195) throw std::logic_error("wrong group");
        read();
        utilities.push_back(row);
    }
    void fillSideBar() override { step("fillSideBar"), read(); }
    void extendAppletTable() override { step("extendAppletTable"); }
    void loadModuleTable() override { step("loadModuleTable"); }
    void selectStartGroup(const std::string& commandLine, const std::string& lastCtrl) override {
        step("selectStartGroup"), startCommandLine = commandLine, startLastCtrl = lastCtrl;
    }
    void unloadLogo() override { step("unloadLogo"); }
    void showMainWindow() override { step("showMainWindow"); }

private:
    void step(const std::string& name) { steps.push_back(name); }
    void read() const {
        if (readFails) throw vantix::platform::DatabaseError(11, *readFails);
    }
};

struct Startup : ::testing::Test {
    ImageFixture image;
    ShellState state;
    FakeHost host;
    RecordingSettings store;
    Startup() {
        state.useMachine(*image.machine);
        state.AppDir = "C:\\VANTIX\\";
    }
    StartupOutcome run(const std::string& commandLine = "") {
        return runStartup(state, host, store, {commandLine, "QUORVIA.MDE"});
    }
};

}  // namespace

TEST_F(Startup, RunsItsStepsInOrder) {
    store.set("LastCtrl", "3CID");
    EXPECT_EQ(run("/DS:00012"), StartupOutcome::Running);
    const std::vector<std::string> expected{
        "instance", "platform", "loadLogo", "showLogo", "initDirectories", "loadMainWindow",
        "picture C:\\VANTIX\\PICTURES\\STRUKTUR.GIF", "applyViewSettings", "placeMainWindow", "applyWindowSettings",
        "openDatabase", "fillSideBar", "extendAppletTable", "loadModuleTable", "selectStartGroup", "unloadLogo",
        "showMainWindow"};
    EXPECT_EQ(host.steps, expected);
    EXPECT_FALSE(state.Starting);
    EXPECT_TRUE(state.AccessGranted);
    EXPECT_EQ(state.WinVersion, 3);
    EXPECT_EQ(state.CRLF, "\r\n");
    EXPECT_EQ(state.ColorDepth, 24);
    EXPECT_EQ(host.startCommandLine, "/DS:00012");
    EXPECT_EQ(host.startLastCtrl, "3CID");
    EXPECT_FALSE(host.promptShown);
    EXPECT_FLOAT_EQ(host.placed.Width, 8800);
    EXPECT_TRUE(store.writes.empty());  // nothing is written while starting
}

TEST_F(Startup, SecondInstanceAndUnsupportedPlatformEndSilently) {
    host.otherInstance = true;
    EXPECT_EQ(run(), StartupOutcome::SecondInstance);
    EXPECT_EQ(host.steps, std::vector<std::string>{"instance"});

    FakeHost other;
    other.platform = 0;
    EXPECT_EQ(runStartup(state, other, store, {}), StartupOutcome::UnsupportedPlatform);
    EXPECT_EQ(other.steps, (std::vector<std::string>{"instance", "platform"}));
}

TEST_F(Startup, DatabaseErrorShowsTheEnginesMessageBeforeAnyWindowIsShown) {
    host.databaseFails = true;
    EXPECT_EQ(run(), StartupOutcome::DatabaseFailed);
    EXPECT_EQ(host.error, "unable to open database file");
    EXPECT_EQ(host.steps.back(), "showError");
    EXPECT_EQ(std::count(host.steps.begin(), host.steps.end(), "showMainWindow"), 0);
    EXPECT_TRUE(store.writes.empty());
}

TEST_F(Startup, PasswordSetAsksAndADeniedPromptEnds) {
    lindrel32::QVREG registry(*image.machine);
    storePassword(registry, "abc");
    host.grantAccess = false;
    store.set("ViewLogo", "False");  // the logo shows anyway while a password is asked
    EXPECT_EQ(run(), StartupOutcome::AccessDenied);
    EXPECT_TRUE(host.promptShown);
    EXPECT_EQ(host.steps, (std::vector<std::string>{"instance", "platform", "loadLogo", "showLogo", "waitForAccess"}));
    EXPECT_FALSE(state.AccessGranted);
}

TEST_F(Startup, NoPasswordAndNoLogoShowsNoLogoWindow) {
    store.set("ViewLogo", "False");
    EXPECT_EQ(run(), StartupOutcome::Running);
    EXPECT_EQ(std::count(host.steps.begin(), host.steps.end(), "showLogo"), 0);
    EXPECT_EQ(std::count(host.steps.begin(), host.steps.end(), "waitForAccess"), 0);
}

TEST_F(Startup, FirstStartOffersThePlatformsRowsOnceAndFullScreen) {
    store.values[{"Settings", "FirstStart"}] = "True";
    state.WindowsDir = "C:\\WINDOWS\\";
    EXPECT_EQ(run(), StartupOutcome::Running);
    EXPECT_EQ(host.utilities.size(), 10u);
    EXPECT_EQ(host.utilities[1].File, "C:\\WINDOWS\\DEFRAG.EXE");
    EXPECT_EQ(store.deletes, std::vector<std::string>{"Settings|FirstStart"});
    EXPECT_FLOAT_EQ(host.placed.Width, 19200);
    EXPECT_FLOAT_EQ(host.placed.Left, 0);

    FakeHost again;
    ShellState next;
    next.useMachine(*image.machine);
    runStartup(next, again, store, {});
    EXPECT_TRUE(again.utilities.empty());
    EXPECT_FLOAT_EQ(again.placed.Width, 8800);
}

TEST_F(Startup, DamageFoundAfterAFailedFirstReadEndsWithTheChecksMessage) {
    host.readFails = "database disk image is malformed";
    host.damage = vantix::platform::DatabaseError(
        11, "database disk image is malformed: /u/QUORVIA.MDE (Page 4)");
    EXPECT_EQ(run(), StartupOutcome::DatabaseFailed);
    EXPECT_EQ(host.error, "database disk image is malformed: /u/QUORVIA.MDE (Page 4)");
    const std::vector<std::string> tail{"openDatabase", "fillSideBar", "checkOpenCatalogue",
                                        "showError"};
    EXPECT_TRUE(std::equal(tail.rbegin(), tail.rend(), host.steps.rbegin())) << host.steps.back();
    EXPECT_EQ(std::count(host.steps.begin(), host.steps.end(), "showMainWindow"), 0);
}

TEST_F(Startup, AFailedFirstReadOfAnIntactFileIsCheckedOnceAndStartUpGoesOn) {
    store.values[{"Settings", "FirstStart"}] = "True";
    host.readFails = "no such table: LIST_UTILITI";
    EXPECT_EQ(run(), StartupOutcome::Running);
    // Ten rows and the sidebar failed; the check ran once, for the first of them.
    EXPECT_EQ(std::count(host.steps.begin(), host.steps.end(), "checkOpenCatalogue"), 1);
    EXPECT_TRUE(host.error.empty());
    EXPECT_EQ(store.deletes, std::vector<std::string>{"Settings|FirstStart"});
    EXPECT_EQ(host.steps.back(), "showMainWindow");
}

TEST_F(Startup, DamageFoundOnTheFirstStartRowsKeepsFirstStartForTheStartAfterTheRepair) {
    store.values[{"Settings", "FirstStart"}] = "True";
    host.readFails = "database disk image is malformed";
    host.damage =
        vantix::platform::DatabaseError(11, "database disk image is malformed: /u/QUORVIA.MDE");
    EXPECT_EQ(run(), StartupOutcome::DatabaseFailed);
    EXPECT_TRUE(store.deletes.empty());
    EXPECT_EQ(std::count(host.steps.begin(), host.steps.end(), "fillSideBar"), 0);
    EXPECT_EQ(host.steps.back(), "showError");
}
