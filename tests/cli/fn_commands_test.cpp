#include <gtest/gtest.h>

#include <stdlib.h>

#include <set>
#include <sstream>

#include "../support/ScratchDir.h"
#include "../tweaks/CatalogueFixture.h"
#include "cli/CommandTable.h"
#include "platform/machine/Machine.h"

namespace {

namespace fs = std::filesystem;

// A program folder of its own (the default catalogue built from its SQL, the
// machine templates of the build) and a Windows 98 image.
class FnCommands : public ::testing::Test {
protected:
    FnCommands() {
        fs::create_directories(dir / "program");
        fs::create_directory_symlink(fs::path(VANTIX_PROGRAM_DIR) / "machine",
                                     dir / "program" / "machine");
        makeCatalogue(dir / "program" / "QUORVIA.MDE", true);
        ::setenv("VANTIX_PROGRAM_DIR", (dir / "program").c_str(), 1);
        ::setenv("XDG_DATA_HOME", (dir / "data").c_str(), 1);  // the user's copy of the catalogue
        vantix::platform::resetCurrentMachine();
        EXPECT_EQ(run({"machine", "create", (dir / "image").string()}), 0) << err;
        image = (dir / "image").string();
    }
    ~FnCommands() override { vantix::platform::resetCurrentMachine(); }

    int run(std::vector<std::string> args) {
        std::ostringstream o;
        std::ostringstream e;
        const int status = vantix::cli::runCli(args, o, e);
        out = o.str();
        err = e.str();
        return status;
    }
    int fn(std::vector<std::string> args) {
        args.insert(args.begin(), {"--machine", image, "fn"});
        return run(args);
    }
    static std::size_t lines(const std::string& text) {
        return std::count(text.begin(), text.end(), '\n');
    }

    ScratchDir dir;
    std::string image;
    std::string out;
    std::string err;
};

}  // namespace

TEST_F(FnCommands, ListShowsThePlatformsFunctionsAndAllOfThemOnRequest) {
    ASSERT_EQ(fn({"list"}), 0) << err;
    EXPECT_EQ(out.rfind("101\tExplorer\\Files and folders\tFile name extensions\tOPTION\n", 0), 0u);
    const std::size_t own = lines(out);
    EXPECT_GE(own, 80u);
    ASSERT_EQ(fn({"list", "--all"}), 0);
    EXPECT_GT(lines(out), own);
    EXPECT_NE(out.find("\tnt4,win95,win98\n"), std::string::npos);
    EXPECT_EQ(fn({"list", "--everything"}), 2);
}

TEST_F(FnCommands, DryRunChangesNothingAndApplyThenUndoRestoresTheImage) {
    const std::string userReg = ScratchDir::read(dir / "image" / "user.reg");
    ASSERT_EQ(fn({"apply", "101", "A", "--dry-run"}), 0) << err;
    const std::string preview = out;
    EXPECT_NE(preview.find("\"HideFileExt\": REG_DWORD 1 (0x00000001) -> REG_DWORD 0 (0x00000000)"),
              std::string::npos);
    EXPECT_EQ(ScratchDir::read(dir / "image" / "user.reg"), userReg);

    ASSERT_EQ(fn({"apply", "101", "A"}), 0) << err;
    EXPECT_EQ(out, preview) << "the preview is what applying does";
    ASSERT_EQ(fn({"show", "101"}), 0);
    EXPECT_NE(out.find("state\tA\n"), std::string::npos);
    EXPECT_NE(out.find("drift\tchanged by Vantix\n"), std::string::npos);
    ASSERT_EQ(fn({"status"}), 0);
    EXPECT_NE(out.find("101\tFile name extensions\tA\tchanged by Vantix\n"), std::string::npos);

    ASSERT_EQ(fn({"undo", "101"}), 0) << err;
    EXPECT_EQ(ScratchDir::read(dir / "image" / "user.reg"), userReg);
    EXPECT_EQ(fn({"undo", "101"}), 1);
}

TEST_F(FnCommands, BadRequestsAreRefusedWithAReason) {
    const struct {
        std::vector<std::string> args;
        int status;
        const char* reason;
    } cases[] = {
        {{"apply", "99999", "A"}, 2, "no hidden function 99999"},
        {{"apply", "abc", "A"}, 2, "not a function ID"},
        {{"apply", "101", "C"}, 2, "must be A or B"},
        {{"apply", "101", "A", "--value", "1"}, 2, "takes no value"},
        {{"apply", "113", "A"}, 2, "needs a value"},  // Cursor blink rate without a position
        {{"apply", "113", "A", "--value", "99999"}, 2, "outside"},
        {{"show", "301"}, 2, "does not exist on win98"},  // Keep the kernel in memory: NT only
        {{"apply", "101", "A", "--force"}, 2, "unknown option"},
        // A text the registry cannot take as a number changes nothing: not a success.
        {{"apply", "601", "A", "--value", "abc"}, 1, "does not read as the chosen state"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fn(c.args), c.status) << c.args[0] << " " << c.args[1];
        EXPECT_NE(err.find(c.reason), std::string::npos) << err;
    }
}

TEST_F(FnCommands, CatalogueInfoAndADamagedCatalogue) {
    ASSERT_EQ(run({"catalogue", "info"}), 0) << err;
    EXPECT_NE(out.find("application id\t0x56544E58\n"), std::string::npos);
    EXPECT_NE(out.find("schema version\t1\n"), std::string::npos);
    // The commands work on the user's copy; that is the file whose damage they report.
    const fs::path copy = dir / "data" / "vantix" / "QUORVIA.MDE";
    EXPECT_NE(out.find("file\t" + copy.string() + "\n"), std::string::npos) << out;
    ScratchDir::write(copy, std::string(8192, 'Z'));
    EXPECT_EQ(run({"catalogue", "info"}), 2);
    EXPECT_NE(err.find("file is not a database"), std::string::npos) << err;
    EXPECT_EQ(fn({"list"}), 2);
}

TEST_F(FnCommands, ProgramFolderIsOnlyRead) {
    const fs::path installed = dir / "program" / "QUORVIA.MDE";
    const std::string before = ScratchDir::read(installed);
    fs::permissions(dir / "program", fs::perms::owner_read | fs::perms::owner_exec);
    ASSERT_EQ(fn({"list"}), 0) << err;
    ASSERT_EQ(fn({"apply", "101", "A"}), 0) << err;
    ASSERT_EQ(fn({"undo", "101"}), 0) << err;
    ASSERT_EQ(run({"catalogue", "info"}), 0) << err;
    fs::permissions(dir / "program", fs::perms::owner_all);
    EXPECT_EQ(ScratchDir::read(installed), before);
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir / "program"))
        names.insert(entry.path().filename().string());
    EXPECT_EQ(names, (std::set<std::string>{"QUORVIA.MDE", "machine"}));
}

TEST_F(FnCommands, CatalogueCheckOfOnePlatform) {
    ASSERT_EQ(run({"catalogue", "check", "--platform", "win95"}), 0) << out;
    EXPECT_NE(out.find(" checked, 0 failed\n"), std::string::npos);
    EXPECT_EQ(run({"catalogue", "check", "--platform", "win2000"}), 2);
}

TEST_F(FnCommands, UndoRefusesOverALaterChangeAndTheJournalCanBeListedAndPruned) {
    const std::string key =
        "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
    ASSERT_EQ(fn({"apply", "101", "A"}), 0) << err;
    ASSERT_EQ(run({"--machine", image, "reg", "set", key, "HideFileExt", "5", "D"}), 0) << err;
    ASSERT_EQ(fn({"show", "101"}), 0);
    EXPECT_NE(out.find("drift\tchanged elsewhere\n"), std::string::npos) << out;
    ASSERT_EQ(fn({"status"}), 0);
    EXPECT_NE(out.find("\tFile name extensions\t"), std::string::npos);
    EXPECT_NE(out.find("101\tFile name extensions\tB\tchanged elsewhere\n"), std::string::npos)
        << "status and show agree";

    const std::string userReg = ScratchDir::read(dir / "image" / "user.reg");
    EXPECT_EQ(fn({"undo", "101"}), 1);
    EXPECT_NE(err.find("\"HideFileExt\": the apply left REG_DWORD 0 (0x00000000), now REG_DWORD 5 "
                       "(0x00000005), undo writes REG_DWORD 1 (0x00000001)"),
              std::string::npos)
        << err;
    EXPECT_EQ(ScratchDir::read(dir / "image" / "user.reg"), userReg) << "nothing changed";

    ASSERT_EQ(fn({"journal"}), 0);
    EXPECT_EQ(out, "0000000001-101.entry\t101\tA\t1 values, 0 files\n");
    ScratchDir::write(dir / "image" / "vantix-journal" / "0000000002-101.entry", "garbage");
    ASSERT_EQ(fn({"journal", "101"}), 0);
    EXPECT_NE(out.find("0000000002-101.entry\t101\tdamaged\t"), std::string::npos) << out;
    ASSERT_EQ(fn({"undo", "101", "--force"}), 0) << err;
    EXPECT_NE(err.find("damaged journal entry not restored: 0000000002-101.entry"),
              std::string::npos)
        << err;
    EXPECT_EQ(run({"--machine", image, "reg", "get", key, "HideFileExt", "D"}), 0);
    EXPECT_EQ(out, "1\n");
    ASSERT_EQ(fn({"journal", "--drop", "0000000002-101.entry"}), 0) << err;
    ASSERT_EQ(fn({"journal"}), 0);
    EXPECT_EQ(out, "");
}

TEST_F(FnCommands, ARefusedRenameIsAFailure) {
    const fs::path windows = dir / "image" / "drive_c" / "windows";
    ScratchDir::write(windows / "LOGOW.SYS", "wait picture");
    ScratchDir::write(windows / "LOGOS.SYS", "safe picture");
    ScratchDir::write(windows / "LOGOW.BAK", "an older backup");
    EXPECT_EQ(fn({"apply", "710", "B"}), 1);
    EXPECT_NE(err.find("LOGOW.BAK failed"), std::string::npos) << err;
    EXPECT_EQ(ScratchDir::read(windows / "LOGOW.BAK"), "an older backup");
}
