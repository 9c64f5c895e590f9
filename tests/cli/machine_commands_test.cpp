#include <gtest/gtest.h>

#include <stdlib.h>

#include <sstream>

#include "../support/ScratchDir.h"
#include "cli/CommandTable.h"
#include "platform/machine/Machine.h"

namespace {

namespace fs = std::filesystem;

class MachineCreate : public ::testing::Test {
protected:
    MachineCreate() {
        ::setenv("VANTIX_PROGRAM_DIR", VANTIX_PROGRAM_DIR, 1);
        vantix::platform::resetCurrentMachine();
    }
    int run(std::vector<std::string> args) {
        std::ostringstream o, e;
        const int status = vantix::cli::runCli(args, o, e);
        out = o.str();
        err = e.str();
        return status;
    }
    ScratchDir dir;
    std::string out, err;
};

TEST_F(MachineCreate, TakesPlatformAndWineChoiceInAnyOrder) {
    ASSERT_EQ(run({"machine", "create", (dir / "nt").string(), "--no-wine", "--platform", "nt4"}),
              0)
        << err;
    EXPECT_EQ(vantix::platform::Machine::open(dir / "nt")->platform(),
              vantix::platform::WindowsPlatform::Nt4);
    // No Wine prefix was made: Wine's programs are not there.
    EXPECT_FALSE(fs::exists(dir / "nt" / "drive_c" / "windows" / "system32" / "rundll32.exe"));

    EXPECT_EQ(run({"machine", "create", (dir / "x").string(), "--platform"}), 2);
    EXPECT_EQ(run({"machine", "create", (dir / "x").string(), "--platform", "win2000"}), 2);
    EXPECT_EQ(run({"machine", "create", (dir / "x").string(), "--wine-please"}), 2);
    EXPECT_FALSE(fs::exists(dir / "x"));
}

TEST_F(MachineCreate, AskingForWineWithoutWineFailsAndMakesNothing) {
    const std::string path = ::getenv("PATH") ? ::getenv("PATH") : "";
    ::setenv("PATH", (dir / "no-programs-here").c_str(), 1);
    const int status = run({"machine", "create", (dir / "w").string(), "--wine"});
    ::setenv("PATH", path.c_str(), 1);
    EXPECT_EQ(status, 1);
    EXPECT_NE(err.find("Wine is not installed"), std::string::npos) << err;
    EXPECT_FALSE(fs::exists(dir / "w"));
}

}  // namespace
