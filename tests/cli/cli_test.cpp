#include "cli/CommandTable.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>

#include "platform/machine/Machine.h"
#include "tests/support/ScratchDir.h"

namespace fs = std::filesystem;

namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

class Cli : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // One image for the suite, made from the build's templates.
        suiteScratch = new ScratchDir;
        fs::create_directory_symlink(fs::path(VANTIX_PROGRAM_DIR) / "machine",
                                     *suiteScratch / "machine");
        ::setenv("VANTIX_PROGRAM_DIR", suiteScratch->path().c_str(), 1);
        vantix::platform::Machine::create(*suiteScratch / "template",
                                          vantix::platform::WindowsPlatform::Win98);
    }
    static void TearDownTestSuite() {
        delete suiteScratch;
        ::unsetenv("VANTIX_PROGRAM_DIR");
    }
    void SetUp() override {
        fs::copy(*suiteScratch / "template", image(),
                 fs::copy_options::recursive | fs::copy_options::copy_symlinks);
    }

    fs::path image() const { return scratch / "image"; }
    Outcome run(std::vector<std::string> args, bool withMachine = true) {
        if (withMachine) args.insert(args.begin(), {"--machine", image().string()});
        std::ostringstream out, err;
        const int status = vantix::cli::runCli(args, out, err);
        return {status, out.str(), err.str()};
    }

    static inline ScratchDir* suiteScratch = nullptr;
    ScratchDir scratch;
};

const std::string kKey = "HKEY_CURRENT_USER\\Software\\CliTest";

TEST_F(Cli, RegSetGetDelWithTypesAndExitStatus) {
    EXPECT_EQ(run({"reg", "set", kKey, "n", "&HFFFFFFFF", "D"}).status, 0);
    EXPECT_EQ(run({"reg", "get", kKey, "n", "D"}).out, "-1\n");
    EXPECT_EQ(run({"reg", "set", kKey, "b", "0A00FF", "B"}).status, 0);
    EXPECT_EQ(run({"reg", "get", kKey, "b", "B"}).out, "0A00FF\n");
    // The marker text is a value; absence is status 1 with nothing printed.
    EXPECT_EQ(run({"reg", "set", kKey, "m", "NO Key"}).status, 0);
    const Outcome marker = run({"reg", "get", kKey, "m"});
    EXPECT_EQ(marker.status, 0);
    EXPECT_EQ(marker.out, "NO Key\n");
    const Outcome absent = run({"reg", "get", kKey, "absent"});
    EXPECT_EQ(absent.status, 1);
    EXPECT_EQ(absent.out, "");
    EXPECT_EQ(run({"reg", "del", kKey, "m"}).status, 0);
    EXPECT_EQ(run({"reg", "del", kKey, "m"}).status, 1);
    // Root names are exact: another spelling is refused input, not an absent value.
    EXPECT_EQ(run({"reg", "get", "hkey_current_user\\Software", "x"}).status, 2);
}

TEST_F(Cli, BadInputIsStatusTwoWithOneLine) {
    struct Case {
        std::vector<std::string> args;
        const char* reason;
    };
    const Case cases[] = {
        {{"reg", "set", kKey, "n", "4294967295", "D"}, "32-bit"},
        {{"reg", "set", kKey, "b", "XY", "B"}, "hexadecimal"},
        {{"reg", "get", "HKEY_CURRENT_USER", "x"}, "backslash"},
        {{"reg", "get", kKey}, "usage: reg get"},
        {{"reg", "frobnicate"}, "unknown command"},
        {{"nothing"}, "unknown command group"},
        {{"machine", "create", "x", "--platform", "win2000"}, "unknown platform"},
    };
    for (const auto& c : cases) {
        const Outcome result = run(c.args);
        EXPECT_EQ(result.status, 2) << c.args.back();
        EXPECT_NE(result.err.find(c.reason), std::string::npos) << result.err;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    }
    EXPECT_EQ(run({"reg", "get", kKey, "n"}).status, 1) << "nothing was written";
    const Outcome noImage =
        run({"--machine", (scratch / "none").string(), "machine", "info"}, false);
    EXPECT_EQ(noImage.status, 2);
    EXPECT_NE(noImage.err.find("not a machine image"), std::string::npos);
    EXPECT_EQ(run({}, false).status, 2);
    EXPECT_EQ(run({"--machine"}, false).status, 2);
}

TEST_F(Cli, HelpOnEveryLevel) {
    EXPECT_EQ(run({"--help"}, false).status, 0);
    EXPECT_NE(run({"--help"}, false).out.find("reg"), std::string::npos);
    for (const char* group : {"machine", "reg", "ini"}) {
        const Outcome help = run({group, "--help"});
        EXPECT_EQ(help.status, 0) << group;
        EXPECT_NE(help.out.find(std::string(group) + " "), std::string::npos) << group;
    }
    const Outcome command = run({"reg", "rename", "--help"});
    EXPECT_EQ(command.status, 0);
    EXPECT_NE(command.out.find("PATH OLD NEW [TYPE]"), std::string::npos);
    EXPECT_EQ(run({"reg"}).status, 2);
}

TEST_F(Cli, KeysValuesRenameAndTreeDelete) {
    for (const char* sub : {"\\A", "\\B\\C"})
        ASSERT_EQ(run({"reg", "set", kKey + sub, "v", "1"}).status, 0);
    ASSERT_EQ(run({"reg", "set", kKey, "", "default"}).status, 0);
    ASSERT_EQ(run({"reg", "set", kKey, "d", "7", "D"}).status, 0);
    EXPECT_EQ(run({"reg", "keys", kKey}).out, "A\nB\n");
    EXPECT_EQ(run({"reg", "values", kKey}).out, "\t1\nd\t4\n");
    EXPECT_EQ(run({"reg", "keys", kKey + "\\Nowhere"}).status, 1);
    EXPECT_EQ(run({"reg", "keys", kKey + "\\A"}).out, "");
    EXPECT_EQ(run({"reg", "rename", kKey, "d", "e", "D"}).status, 0);
    EXPECT_EQ(run({"reg", "get", kKey, "e", "D"}).out, "7\n");
    EXPECT_EQ(run({"reg", "rename", kKey, "absent", "f"}).status, 1);
    EXPECT_EQ(run({"reg", "get", kKey, "f"}).status, 1);
    EXPECT_EQ(run({"reg", "del", kKey, "%ROOT%"}).status, 0);
    EXPECT_EQ(run({"reg", "keys", kKey}).status, 1);
}

TEST_F(Cli, ExportAndImportRoundTrip) {
    ASSERT_EQ(run({"reg", "set", kKey, "s", "C:\\WINDOWS \"q\""}).status, 0);
    ASSERT_EQ(run({"reg", "set", kKey, "d", "-2", "D"}).status, 0);
    ASSERT_EQ(run({"reg", "set", kKey, "b", std::string(100, 'A'), "B"}).status, 0);
    ASSERT_EQ(run({"reg", "set", kKey + "\\Sub", "x", "y"}).status, 0);
    const fs::path file = scratch / "out.reg";
    ASSERT_EQ(run({"reg", "export", kKey, file.string()}).status, 0);
    const std::string text = ScratchDir::read(file);
    EXPECT_EQ(text.rfind("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\CliTest]\r\n", 0), 0u)
        << text;
    EXPECT_NE(text.find("\"s\"=\"C:\\\\WINDOWS \\\"q\\\"\"\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\"d\"=dword:fffffffe\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find(",\\\r\n  aa"), std::string::npos) << "long hex wraps";
    EXPECT_NE(text.find("[HKEY_CURRENT_USER\\Software\\CliTest\\Sub]\r\n\"x\"=\"y\""),
              std::string::npos);
    EXPECT_EQ(run({"reg", "export", kKey + "\\Nowhere", (scratch / "no.reg").string()}).status, 1);
    EXPECT_FALSE(fs::exists(scratch / "no.reg"));

    ASSERT_EQ(run({"reg", "del", kKey, "%ROOT%"}).status, 0);
    ASSERT_EQ(run({"reg", "import", file.string()}).status, 0);
    EXPECT_EQ(run({"reg", "get", kKey, "s"}).out, "C:\\WINDOWS \"q\"\n");
    EXPECT_EQ(run({"reg", "get", kKey, "d", "D"}).out, "-2\n");
    EXPECT_EQ(run({"reg", "get", kKey, "b", "B"}).out, std::string(100, 'A') + "\n");
    EXPECT_EQ(run({"reg", "get", kKey + "\\Sub", "x"}).out, "y\n");

    // Deletions on import; a file that does not parse changes nothing.
    ScratchDir::write(scratch / "del.reg",
                      "REGEDIT4\r\n\r\n[-HKEY_CURRENT_USER\\Software\\CliTest\\Sub]\r\n"
                      "[HKEY_CURRENT_USER\\Software\\CliTest]\r\n\"s\"=-\r\n");
    ASSERT_EQ(run({"reg", "import", (scratch / "del.reg").string()}).status, 0);
    EXPECT_EQ(run({"reg", "keys", kKey}).out, "");
    EXPECT_EQ(run({"reg", "get", kKey, "s"}).status, 1);
    ScratchDir::write(scratch / "bad.reg",
                      "REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\CliTest]\r\n\"d\"=dword:1\r\n"
                      "\"x\"=bogus\r\n");
    EXPECT_EQ(run({"reg", "import", (scratch / "bad.reg").string()}).status, 2);
    EXPECT_EQ(run({"reg", "get", kKey, "d", "D"}).out, "-2\n");
    EXPECT_EQ(run({"reg", "import", (scratch / "missing.reg").string()}).status, 2);
}

TEST_F(Cli, IniGetAndSet) {
    EXPECT_EQ(run({"ini", "get", "SYSTEM.INI", "boot", "shell"}).out, "Explorer.exe\n");
    EXPECT_EQ(run({"ini", "set", "C:\\WINDOWS\\VANTIX.INI", "Main", "Key", "Value"}).status, 0);
    EXPECT_EQ(run({"ini", "get", "C:\\WINDOWS\\VANTIX.INI", "main", "key"}).out, "Value\n");
    EXPECT_EQ(run({"ini", "get", "C:\\WINDOWS\\VANTIX.INI", "Main", "Other"}).status, 1);
    EXPECT_EQ(run({"ini", "set", (scratch / "outside.ini").string(), "a", "b", "c"}).status, 2);
    EXPECT_FALSE(fs::exists(scratch / "outside.ini"));
}

TEST_F(Cli, MachineCreateAndInfo) {
    const fs::path nt = scratch / "nt";
    const Outcome created = run({"machine", "create", nt.string(), "--platform", "nt4"}, false);
    ASSERT_EQ(created.status, 0) << created.err;
    const Outcome info = run({"--machine", nt.string(), "machine", "info"}, false);
    EXPECT_EQ(info.status, 0);
    EXPECT_NE(info.out.find("platform\t1\tnt4\n"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("system\tC:\\WINDOWS\\system32\n"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("boot\tC:\\\n"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("drive\tC:\t"), std::string::npos) << info.out;
    EXPECT_EQ(run({"machine", "create", nt.string()}, false).status, 2) << "not empty";
    EXPECT_NE(run({"machine", "info"}).out.find("platform\t3\twin98\n"), std::string::npos);
}

TEST(CommandTable, GroupsAreListedOnce) {
    std::set<std::string_view> names;
    for (const auto& group : vantix::cli::commandGroups())
        EXPECT_TRUE(names.insert(group.name).second);
    EXPECT_TRUE(names.count("reg") && names.count("ini") && names.count("machine"));
}

}  // namespace

// Every refusal of input: status 2, one line on stderr, and the image as it was.
TEST_F(Cli, EveryRefusalOfInputExitsTwoWithOneLineAndChangesNothing) {
    auto files = [&] {
        std::map<std::string, std::string> all;
        for (const auto& entry : fs::recursive_directory_iterator(image()))
            if (entry.is_regular_file() && !entry.is_symlink())
                all[entry.path().string()] = ScratchDir::read(entry.path());
        return all;
    };
    const auto before = files();
    const std::vector<std::vector<std::string>> refusals = {
        {"ini", "set", "C:\\WINDOWS\\WIN.INI", "Vantix", "k", "two\nlines"},
        {"ini", "set", "C:\\WINDOWS\\WIN.INI", "Vantix", "k=x", "v"},
        {"ini", "set", "Q:\\NOWHERE.INI", "S", "k", "v"},
        {"ini", "set", "/etc/vantix-test.ini", "S", "k", "v"},
        {"reg", "set", "HKEY_NOWHERE\\Software", "n", "1"},
        {"reg", "set", kKey, "n", "twelve", "D"},
        {"reg", "set", kKey, "n", "0G", "B"},
        {"reg", "set", "HKEY_USERS\\", "n", "1"},
        {"reg", "set", kKey, std::string(16384, 'n'), "1"},
        {"reg", "get", "HKEY_NOWHERE\\Software", "n"},
        {"reg", "del", "HKEY_NOWHERE\\Software", "n"},
        {"reg", "del", "HKEY_USERS\\.Default", "%ROOT%"},
        {"reg", "del", "HKEY_LOCAL_MACHINE\\", "%ROOT%"},
        {"reg", "keys", "HKEY_NOWHERE\\Software"},
        {"reg", "values", "HKEY_NOWHERE\\Software"},
        {"reg", "rename", "HKEY_NOWHERE\\Software", "a", "b"},
        {"reg", "export", "HKEY_NOWHERE\\Software", (scratch / "x.reg").string()},
        {"reg", "import", (scratch / "missing.reg").string()},
        {"reg", "get", "NoBackslash", "n"},
        {"reg", "frobnicate"},
        {"fn", "undo", "101", "--now"},
        {"fn", "undo", "x"},
        {"fn", "journal", "--drop", "0000000001-101.entry"},
        {"fn", "journal", "abc"},
        {"machine", "create", (scratch / "new").string(), "--platform", "win31"},
        {"catalogue", "check", "--platform", "win2000"},
    };
    for (const auto& args : refusals) {
        const Outcome o = run(args);
        std::string shown;
        for (const auto& a : args) shown += (a.size() > 40 ? a.substr(0, 40) + "..." : a) + " ";
        EXPECT_EQ(o.status, 2) << shown;
        EXPECT_EQ(std::count(o.err.begin(), o.err.end(), '\n'), 1) << shown << o.err;
        EXPECT_EQ(o.err.rfind("vantix-cli: ", 0), 0u) << shown << o.err;
    }
    EXPECT_EQ(files(), before);
    EXPECT_FALSE(fs::exists("/etc/vantix-test.ini"));
}
