#include "platform/process/CommandLine.h"
#include "platform/process/ProgramKind.h"
#include "platform/process/StartTarget.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "tests/support/ScratchDir.h"

using namespace vantix::platform;
namespace fs = std::filesystem;

namespace {

TEST(CommandLine, SplitsAsWindowsProgramsDo) {
    const struct {
        const char* text;
        std::vector<std::string> expected;
    } cases[] = {
        {"", {}},
        {"   ", {}},
        {"/START", {"/START"}},
        {"  a   b\tc ", {"a", "b", "c"}},
        {"\"C:\\Program Files\\x.txt\" /p", {"C:\\Program Files\\x.txt", "/p"}},
        {"C:\\path\\ end\\", {"C:\\path\\", "end\\"}},
        {"\"say \"\"hi\"\"\"", {"say \"hi\""}},
        {"\"\"", {""}},
        {"ab\"c d\"e", {"abc de"}},
        {"\"unterminated arg", {"unterminated arg"}},
    };
    for (const auto& c : cases) EXPECT_EQ(splitCommandLine(c.text), c.expected) << c.text;
}

TEST(CommandLine, JoinsTheArgumentsAfterTheProgramName) {
    const char* argv[] = {"VANTIX.EXE", "/DS:00012", "x", ""};
    EXPECT_EQ(commandLineOf(3, argv), "/DS:00012 x");
    EXPECT_EQ(commandLineOf(4, argv), "/DS:00012 x ");
    EXPECT_EQ(commandLineOf(1, argv), "");
    EXPECT_EQ(joinArguments({"", "a"}), " a");
    EXPECT_NE(currentCommandLine().find("--gtest"), 0u);  // readable, program name dropped
}

class Starting : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(scratch / "image" / "dosdevices");
        fs::create_directories(scratch / "image" / "drive_c" / "windows");
        fs::create_directories(bin());
        fs::create_directory_symlink("../drive_c", scratch / "image" / "dosdevices" / "c:");
        const char* path = std::getenv("PATH");
        savedPath = path ? path : "";
        // Only our fake tools are found: never a real Wine or desktop opener.
        ::setenv("PATH", bin().c_str(), 1);
    }
    void TearDown() override { ::setenv("PATH", savedPath.c_str(), 1); }

    fs::path bin() const { return scratch / "bin"; }
    fs::path driveC() const { return scratch / "image" / "drive_c"; }
    fs::path marker() const { return scratch / "marker"; }

    // A script that writes its arguments, working folder and WINEPREFIX into the marker file.
    void script(const fs::path& file, bool executable = true) {
        ScratchDir::write(file, "#!/bin/sh\nprintf '%s|' \"$@\" \"$(pwd)\" \"$WINEPREFIX\" > '" +
                                    marker().string() + ".tmp' && /bin/mv '" + marker().string() + ".tmp' '" +
                                    marker().string() + "'\n");
        if (executable) fs::permissions(file, fs::perms::owner_all);
    }
    std::string waitForMarker() {
        for (int i = 0; i < 500 && !fs::exists(marker()); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return ScratchDir::read(marker());
    }
    StartRequest request(std::string target, std::string parameters = {}) {
        StartRequest r;
        r.target = std::move(target);
        r.parameters = std::move(parameters);
        r.imageDir = scratch / "image";
        return r;
    }

    ScratchDir scratch;
    std::string savedPath;
};

TEST_F(Starting, RunsNativeProgramsDirectlyEvenWithWindowsNames) {
    script(driveC() / "windows" / "REGALTO.EXE");
    auto r = request("c:\\WINDOWS\\regalto.exe", "/START \"two words\"");
    r.workingDir = "C:\\windows";
    const SpawnResult result = startTarget(r);
    ASSERT_TRUE(result.started) << result.reason;
    EXPECT_GT(result.pid, 0);
    EXPECT_EQ(waitForMarker(), "/START|two words|" + (driveC() / "windows").string() + "||");
    EXPECT_EQ(programKind(driveC() / "windows" / "REGALTO.EXE"), ProgramKind::Native);
}

TEST_F(Starting, ReportsFailureInsteadOfPretending) {
    script(driveC() / "notexec.sh", false);
    ScratchDir::write(driveC() / "broken.sh", "#!/nonexistent/interpreter\n");
    fs::permissions(driveC() / "broken.sh", fs::perms::owner_all);
    script(driveC() / "ok.sh");
    const struct {
        StartRequest r;
        const char* why;
    } cases[] = {
        {request("C:\\missing.exe"), "no such file"},
        {request("Q:\\x.exe"), "no such file"},
        {request(""), "nothing to start"},
        {request("C:\\broken.sh"), "cannot start"},             // exec fails: seen through the pipe
        {request("C:\\app.exe"), "no such file"},
    };
    for (const auto& c : cases) {
        const SpawnResult result = startTarget(c.r);
        EXPECT_FALSE(result.started) << c.r.target;
        EXPECT_NE(result.reason.find(c.why), std::string::npos) << result.reason;
    }
    auto badFolder = request("C:\\ok.sh");
    badFolder.workingDir = "C:\\no such folder";
    const SpawnResult result = startTarget(badFolder);
    EXPECT_FALSE(result.started);
    EXPECT_NE(result.reason.find("working folder"), std::string::npos) << result.reason;
    // A non-executable script is a document, and without xdg-open that fails.
    EXPECT_FALSE(startTarget(request("C:\\notexec.sh")).started);
}

TEST_F(Starting, WindowsProgramsGoThroughWineInTheImage) {
    ScratchDir::write(driveC() / "windows" / "NOTEPAD.EXE", "MZ not really");
    ScratchDir::write(driveC() / "windows" / "DESK.CPL", "MZ");
    const SpawnResult withoutWine = startTarget(request("C:\\WINDOWS\\NOTEPAD.EXE"));
    EXPECT_FALSE(withoutWine.started);
    EXPECT_NE(withoutWine.reason.find("wine"), std::string::npos);

    script(bin() / "wine");
    const std::string image = (scratch / "image").string();
    const std::string cwd = fs::current_path().string();
    const struct {
        StartRequest r;
        std::string expected;
    } cases[] = {
        {request("C:\\WINDOWS\\notepad.exe", "a.txt"),
         (driveC() / "windows" / "NOTEPAD.EXE").string() + "|a.txt|" + cwd + "|" + image + "|"},
        {request("c:\\windows\\desk.cpl"), "control|" + (driveC() / "windows" / "DESK.CPL").string() + "|" + cwd + "|" + image + "|"},
        {request("rundll32.exe shell32.dll,Control_RunDLL desk.cpl"),
         "rundll32|shell32.dll,Control_RunDLL|desk.cpl|" + cwd + "|" + image + "|"},
    };
    for (const auto& c : cases) {
        fs::remove(marker());
        const SpawnResult result = startTarget(c.r);
        ASSERT_TRUE(result.started) << result.reason;
        EXPECT_EQ(waitForMarker(), c.expected);
    }
}

TEST_F(Starting, DocumentsAndWebAddressesOpenOnTheDesktop) {
    ScratchDir::write(driveC() / "readme.txt", "hello");
    EXPECT_FALSE(startTarget(request("C:\\README.TXT")).started);  // no xdg-open yet
    script(bin() / "xdg-open");
    const struct {
        const char* target;
        std::string expected;
    } cases[] = {
        {"C:\\README.TXT", (driveC() / "readme.txt").string()},
        {"https://example.org/a?b=c", "https://example.org/a?b=c"},
        {"mailto:someone@example.org", "mailto:someone@example.org"},
    };
    for (const auto& c : cases) {
        fs::remove(marker());
        ASSERT_TRUE(startTarget(request(c.target)).started) << c.target;
        EXPECT_EQ(waitForMarker(), c.expected + "|" + fs::current_path().string() + "||");
    }
    EXPECT_TRUE(isWebAddress("http://x"));
    EXPECT_FALSE(isWebAddress("C:\\x"));
    EXPECT_FALSE(isWebAddress("1a:b"));
}

}  // namespace
