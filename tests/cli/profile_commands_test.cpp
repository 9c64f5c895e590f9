#include <gtest/gtest.h>

#include <stdlib.h>

#include <sstream>

#include "../support/ScratchDir.h"
#include "../tweaks/CatalogueFixture.h"
#include "cli/CommandTable.h"
#include "platform/machine/Machine.h"

namespace {

namespace fs = std::filesystem;

// A program folder with the default catalogue and images made on request.
class ProfileCommands : public ::testing::Test {
protected:
    ProfileCommands() {
        fs::create_directories(dir / "program");
        fs::create_directory_symlink(fs::path(VANTIX_PROGRAM_DIR) / "machine",
                                     dir / "program" / "machine");
        makeCatalogue(dir / "program" / "QUORVIA.MDE", true);
        ::setenv("VANTIX_PROGRAM_DIR", (dir / "program").c_str(), 1);
        ::setenv("XDG_DATA_HOME", (dir / "data").c_str(), 1);  // the user's copy of the catalogue
        vantix::platform::resetCurrentMachine();
    }
    ~ProfileCommands() override { vantix::platform::resetCurrentMachine(); }

    std::string image(const std::string& name, const std::string& platform) {
        const std::string path = (dir / name).string();
        EXPECT_EQ(run({"machine", "create", path, "--platform", platform, "--no-wine"}), 0) << err;
        return path;
    }
    int run(std::vector<std::string> args) {
        std::ostringstream o, e;
        const int status = vantix::cli::runCli(args, o, e);
        out = o.str();
        err = e.str();
        return status;
    }
    int fn(const std::string& on, std::vector<std::string> args) {
        args.insert(args.begin(), {"--machine", on, "fn"});
        return run(args);
    }
    std::string status(const std::string& on) {
        EXPECT_EQ(fn(on, {"status"}), 0) << err;
        return out;
    }
    std::size_t journalEntries(const std::string& on) {
        std::size_t count = 0;
        std::error_code error;
        for (auto it = fs::recursive_directory_iterator(fs::path(on) / "vantix-journal", error);
             !error && it != fs::recursive_directory_iterator(); it.increment(error))
            count += it->is_regular_file();
        return count;
    }

    ScratchDir dir;
    std::string out, err;
};

}  // namespace

TEST_F(ProfileCommands, ARoundTripGivesTheFreshImageTheSameStatus) {
    const std::string a = image("a", "win98");
    ASSERT_EQ(fn(a, {"apply", "101", "A"}), 0) << err;  // an option
    ASSERT_EQ(fn(a, {"apply", "801", "B"}), 0) << err;  // Wine's virtual desktop
    ASSERT_EQ(fn(a, {"apply", "802", "A", "--value", "1000x600"}), 0) << err;    // a text
    ASSERT_EQ(fn(a, {"apply", "811", "A", "--value", "144"}), 0) << err;         // a slider
    ASSERT_EQ(fn(a, {"apply", "501", "A", "--value", "OFFICE = 2"}), 0) << err;  // '=' in a value
    const std::string profile = (dir / "a.ini").string();
    ASSERT_EQ(fn(a, {"export", profile}), 0) << err;
    const std::string text = ScratchDir::read(profile);
    EXPECT_NE(text.find("[802]\n; Virtual desktop size\nChoice=A\nValue=1000x600\n"),
              std::string::npos)
        << text;
    EXPECT_NE(out.find("left out\t305 Rebuild the font cache: its state cannot be read\n"),
              std::string::npos)
        << out;

    const std::string b = image("b", "win98");
    const std::size_t before = journalEntries(b);
    ASSERT_EQ(fn(b, {"import", profile}), 0) << err;
    EXPECT_NE(out.find("changed\t5, already set"), std::string::npos) << out;
    EXPECT_EQ(status(b), status(a));
    // One journal entry per changed function, each undone on its own.
    EXPECT_EQ(journalEntries(b) - before, journalEntries(a));
    ASSERT_EQ(fn(b, {"undo", "801"}), 0) << err;
    ASSERT_EQ(fn(b, {"show", "801"}), 0);
    EXPECT_NE(out.find("state\tA\n"), std::string::npos);
    // A second import changes only what was undone.
    ASSERT_EQ(fn(b, {"import", profile}), 0) << err;
    EXPECT_NE(out.find("changed\t1, already set"), std::string::npos) << out;
}

TEST_F(ProfileCommands, FunctionsTheTargetLacksAreSkippedWithALineEach) {
    const std::string a = image("a", "win98");
    ASSERT_EQ(fn(a, {"apply", "304", "B"}), 0) << err;  // Windows 98 only
    ASSERT_EQ(fn(a, {"apply", "824", "B"}), 0) << err;  // every platform
    const std::string profile = (dir / "a.ini").string();
    ASSERT_EQ(fn(a, {"export", profile}), 0) << err;
    std::string text = ScratchDir::read(profile);
    ScratchDir::write(profile, text + "\n[99999]\nChoice=A\n");

    const std::string nt = image("nt", "nt4");
    const std::string userReg = ScratchDir::read(dir / "nt" / "user.reg");
    ASSERT_EQ(fn(nt, {"import", profile, "--dry-run"}), 0) << err;
    EXPECT_NE(out.find("skipped\t304\t"), std::string::npos) << out;
    EXPECT_NE(out.find("does not exist on this platform"), std::string::npos);
    EXPECT_NE(out.find("skipped\t99999\t: no such function"), std::string::npos) << out;
    EXPECT_NE(out.find("would apply\t824\tGrab the pointer in full screen\tB\n  registry"),
              std::string::npos)
        << out;
    EXPECT_EQ(ScratchDir::read(dir / "nt" / "user.reg"), userReg) << "a dry run writes nothing";

    ASSERT_EQ(fn(nt, {"import", profile}), 0) << err;
    ASSERT_EQ(fn(nt, {"show", "824"}), 0);
    EXPECT_NE(out.find("state\tB\n"), std::string::npos);
}

TEST_F(ProfileCommands, ABrokenProfileIsRefusedBeforeAnythingIsApplied) {
    const std::string a = image("a", "win95");
    const std::string userReg = ScratchDir::read(dir / "a" / "user.reg");
    const std::string profile = (dir / "bad.ini").string();
    ScratchDir::write(profile, "[824]\nChoice=B\n[801]\nChoice=C\n");
    EXPECT_EQ(fn(a, {"import", profile}), 2);
    EXPECT_NE(err.find("line 4: the choice must be A or B"), std::string::npos) << err;
    EXPECT_EQ(ScratchDir::read(dir / "a" / "user.reg"), userReg);
    EXPECT_EQ(fn(a, {"import", (dir / "missing.ini").string()}), 2);
    EXPECT_EQ(fn(a, {"import", profile, "--now"}), 2);
    // A slider value out of range is a request the page cannot make: skipped, not applied.
    ScratchDir::write(profile, "[811]\nChoice=A\nValue=9000\n");
    EXPECT_EQ(fn(a, {"import", profile}), 0) << err;
    EXPECT_NE(out.find("skipped\t811\tScreen resolution (DPI): "), std::string::npos) << out;
}
