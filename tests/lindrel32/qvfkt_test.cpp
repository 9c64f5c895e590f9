#include "lindrel32/QVFKT.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <chrono>
#include <thread>

#include "platform/windowing/WindowSystem.h"
#include "platform/registry/Registry.h"
#include "platform/shelllink/ShellLink.h"
#include "tests/lindrel32/BareImage.h"

namespace fs = std::filesystem;
using namespace vantix::platform;
using lindrel32::QVFKT;

namespace {

TEST(Bits, MasksSignBitAndBounds) {
    QVFKT f(*BareImage().machine);
    EXPECT_TRUE(f.GET_IsBitSet(-2147483647 - 1, 31));
    EXPECT_FALSE(f.GET_IsBitSet(0x7FFFFFFF, 31));
    EXPECT_TRUE(f.GET_IsBitSet(5, 2));
    EXPECT_FALSE(f.GET_IsBitSet(5, 1));
    EXPECT_FALSE(f.GET_IsBitSet(5, -1));
    EXPECT_FALSE(f.GET_IsBitSet(-1, -5));
    std::int32_t n = 0;
    EXPECT_EQ(f.SET_Bit(n, 31), -2147483647 - 1);
    EXPECT_EQ(n, -2147483647 - 1);
    EXPECT_EQ(f.SET_Bit(n, 0), -2147483647);
    EXPECT_EQ(f.DEL_Bit(n, 31), 1);
    EXPECT_EQ(f.SET_Bit(n, -3), 1);
    EXPECT_EQ(f.DEL_Bit(n, -3), 1);
    EXPECT_EQ(f.SET_Bit(n, 30), 0x40000001);
    EXPECT_EQ(f.DEL_Bit(n, 0), 0x40000000);
    EXPECT_THROW((void)f.GET_IsBitSet(1, 32), std::overflow_error);  // only the throw is checked
    EXPECT_THROW(f.SET_Bit(n, 32), std::overflow_error);
    EXPECT_THROW(f.DEL_Bit(n, 40), std::overflow_error);
    EXPECT_EQ(n, 0x40000000);
}

TEST(Crypt, TwiceGivesTheTextBackAndPrintableStaysPrintable) {
    QVFKT f(*BareImage().machine);
    for (const std::string& text :
         std::vector<std::string>{"", "Secret 123", "line\r\nbreak\t", "Grüße €",
                                  "\x01\x0d\x0f\x10\x1d", std::string("nul\0in", 6)}) {
        EXPECT_EQ(f.CRYPT(f.CRYPT(text)), text);
    }
    const std::string scrambled = f.CRYPT("Password");
    EXPECT_NE(scrambled, "Password");
    EXPECT_EQ(scrambled.find('\0'), std::string::npos);
    EXPECT_EQ(f.CRYPT("A"), "\u00c1");           // 0x41 ^ 0x80
    EXPECT_EQ(f.CRYPT("\u0101"), f.CRYPT("?"));  // no ANSI code: "?"
}

TEST(FileNames, NamePartAndFolderPart) {
    QVFKT f(*BareImage().machine);
    struct Case {
        const char* path;
        bool ext;
        const char* name;
    };
    const Case cases[] = {
        {"C:\\WINDOWS\\NOTEPAD.EXE", false, "Notepad"},
        {"C:\\WINDOWS\\NOTEPAD.EXE", true, "Notepad.exe"},
        {"C:\\Data\\MyFile.txt", false, "MyFile"},
        {"README.TXT", true, "Readme.txt"},
        {"a.b.txt", false, "a.b"},
        {"name.jpeg", false, "name"},
        {"x.longext", false, "x.longext"},
        {"a.tx", false, "a.tx"},
        {"C:\\DIR\\", true, ""},
        {"C:\\X\\ÄRGER.TXT", false, "Ärger"},
        {"C:\\X\\123.TXT", true, "123.txt"},
    };
    for (const auto& c : cases) EXPECT_EQ(f.GET_Dateiname(c.path, c.ext), c.name) << c.path;
    EXPECT_EQ(f.GET_Pfadname("C:\\WINDOWS\\WIN.INI"), "C:\\WINDOWS");
    EXPECT_EQ(f.GET_Pfadname("WIN.INI"), "");
    EXPECT_EQ(f.GET_Pfadname("\\WIN.INI"), "");
    EXPECT_EQ(f.GET_Pfadname("C:\\"), "C:");
}

class Functions : public ::testing::Test {
protected:
    void SetUp() override {
        ::setenv("VANTIX_PROGRAM_DIR", (image.scratch / "program").c_str(), 1);
    }
    void TearDown() override { ::unsetenv("VANTIX_PROGRAM_DIR"); }
    fs::path c(const std::string& relative) const { return image.driveC() / relative; }
    void version(const char* name) {
        ASSERT_TRUE(image.machine->registry().setValue(Root::CurrentUser, "Software\\Wine",
                                                       RegValue::string("Version", name)));
    }
    BareImage image;
    QVFKT f{*image.machine};
};

TEST_F(Functions, WinVersionCodesAndNumbers) {
    struct Case {
        const char* wine;
        std::int32_t code;
        std::int16_t number;
    };
    for (const Case& v : {Case{"win95", 2, 400}, Case{"win98", 3, 410}, Case{"winme", 3, 490},
                          Case{"nt40", 1, 400}, Case{"winxp", 1, 501}, Case{"nt351", 0, 351}}) {
        version(v.wine);
        std::int16_t number = -1;
        EXPECT_EQ(f.GET_WinVersion(number), v.code) << v.wine;
        EXPECT_EQ(number, v.number) << v.wine;
        EXPECT_EQ(f.GET_WinVersion(), v.code) << v.wine;
    }
    version("win31");
    std::int16_t untouched = -1;
    EXPECT_EQ(f.GET_WinVersion(untouched), 0);
    EXPECT_EQ(untouched, -1);
}

TEST_F(Functions, FileExistCommaFoldersAndWildcards) {
    ScratchDir::write(c("windows/notepad.exe"), "MZ");
    EXPECT_TRUE(f.GET_FileExist("C:\\WINDOWS\\NOTEPAD.EXE"));
    EXPECT_TRUE(f.GET_FileExist("C:\\WINDOWS\\NOTEPAD.EXE,2"));
    EXPECT_FALSE(f.GET_FileExist("C:\\WINDOWS"));
    EXPECT_FALSE(f.GET_FileExist("C:\\WINDOWS\\*.EXE"));
    EXPECT_FALSE(f.GET_FileExist("C:\\WINDOWS\\NOTEPAD.EX?"));
    EXPECT_FALSE(f.GET_FileExist("C:\\WINDOWS\\MISSING.EXE"));
    EXPECT_FALSE(f.GET_FileExist("Q:\\NOTEPAD.EXE"));
    // The comma cuts even a real file name: "A,B.TXT" is looked up as "A".
    ScratchDir::write(c("windows/A,B.TXT"), "x");
    EXPECT_FALSE(f.GET_FileExist("C:\\WINDOWS\\A,B.TXT"));
}

TEST_F(Functions, IniEntriesThroughTheProfileRules) {
    EXPECT_TRUE(f.SET_Ini("C:\\WINDOWS\\VANTIX.INI", "Main", "Key", "Value"));
    EXPECT_EQ(f.GET_Ini("C:\\WINDOWS\\VANTIX.INI", "main", "KEY"), "Value");
    EXPECT_EQ(ScratchDir::read(c("windows/VANTIX.INI")), "[Main]\r\nKey=Value\r\n");
    // A bare name is in the Windows folder.
    EXPECT_EQ(f.GET_Ini("vantix.ini", "Main", "Key"), "Value");
    EXPECT_TRUE(f.SET_Ini("C:\\WINDOWS\\VANTIX.INI", "Main", "Empty", ""));
    EXPECT_EQ(f.GET_Ini("C:\\WINDOWS\\VANTIX.INI", "Main", "Empty"), "NO Key");
    EXPECT_EQ(f.GET_Ini("C:\\WINDOWS\\VANTIX.INI", "Main", "Missing"), "NO Key");
    EXPECT_EQ(f.GET_Ini("C:\\WINDOWS\\ABSENT.INI", "Main", "Key"), "NO Key");
    EXPECT_FALSE(fs::exists(c("windows/ABSENT.INI")));
    // At most 127 characters come back.
    EXPECT_TRUE(f.SET_Ini("C:\\WINDOWS\\VANTIX.INI", "Main", "Long", std::string(200, 'x')));
    EXPECT_EQ(f.GET_Ini("C:\\WINDOWS\\VANTIX.INI", "Main", "Long"), std::string(127, 'x'));
}

TEST_F(Functions, FileOperationsStayInsideTheImageAndProgramFolder) {
    const fs::path outside = image.scratch / "outside";
    ScratchDir::write(outside / "victim.txt", "keep");
    ScratchDir::write(c("windows/source.txt"), "data");

    f.FILE_Copy("C:\\WINDOWS\\SOURCE.TXT", (outside / "copy.txt").string());
    EXPECT_FALSE(fs::exists(outside / "copy.txt"));
    f.FILE_Copy((outside / "victim.txt").string(), "C:\\WINDOWS\\STOLEN.TXT");
    EXPECT_FALSE(fs::exists(c("windows/STOLEN.TXT")));
    f.FILE_Delete((outside / "victim.txt").string());
    f.FILE_Delete("C:\\..\\..\\outside\\victim.txt");
    EXPECT_EQ(ScratchDir::read(outside / "victim.txt"), "keep");
    EXPECT_FALSE(f.SET_Ini((outside / "x.ini").string(), "a", "b", "c"));
    EXPECT_FALSE(fs::exists(outside / "x.ini"));
    EXPECT_EQ(f.GET_Ini((outside / "victim.txt").string(), "a", "b"), "NO Key");

    // The program folder is allowed.
    f.FILE_Copy("C:\\WINDOWS\\SOURCE.TXT", (image.scratch / "program" / "copy.txt").string());
    EXPECT_FALSE(fs::exists(image.scratch / "program" / "copy.txt")) << "no such folder yet";
    fs::create_directories(image.scratch / "program");
    f.FILE_Copy("C:\\WINDOWS\\SOURCE.TXT", (image.scratch / "program" / "copy.txt").string());
    EXPECT_EQ(ScratchDir::read(image.scratch / "program" / "copy.txt"), "data");
}

TEST_F(Functions, CopyOverAReadOnlyTargetAndDeleteWithWildcards) {
    ScratchDir::write(c("windows/source.txt"), "new");
    ScratchDir::write(c("windows/target.txt"), "old");
    fs::permissions(c("windows/target.txt"), fs::perms::owner_read);
    f.FILE_Copy("C:\\WINDOWS\\SOURCE.TXT", "C:\\WINDOWS\\TARGET.TXT");
    EXPECT_EQ(ScratchDir::read(c("windows/target.txt")), "new");
    f.FILE_Copy("C:\\WINDOWS\\NONE.TXT", "C:\\WINDOWS\\TARGET.TXT");
    EXPECT_EQ(ScratchDir::read(c("windows/target.txt")), "new");

    for (const char* name : {"a.tmp", "B.TMP", "keep.txt"})
        ScratchDir::write(c("windows/temp") / name, "x");
    f.FILE_Delete("C:\\WINDOWS\\TEMP\\*.TMP");
    EXPECT_FALSE(fs::exists(c("windows/temp/a.tmp")));
    EXPECT_FALSE(fs::exists(c("windows/temp/B.TMP")));
    EXPECT_TRUE(fs::exists(c("windows/temp/keep.txt")));
    fs::permissions(c("windows/target.txt"), fs::perms::owner_read);
    f.FILE_Delete("C:\\WINDOWS\\TARGET.TXT");
    EXPECT_FALSE(fs::exists(c("windows/target.txt")));
}

TEST_F(Functions, ShortNamesExecutablesAndShellExec) {
    ScratchDir::write(c("Program Files/Long File Name.txt"), "x");
    EXPECT_EQ(f.GET_ShortFileName("C:\\Program Files\\Long File Name.txt"),
              "C:\\PROGRA~1\\LONGFI~1.TXT");
    EXPECT_EQ(f.GET_ShortFileName("C:\\Program Files\\Missing.txt"), "");

    ScratchDir::write(c("tools/app.exe"), "MZ not really");
    const fs::path marker = image.scratch / "ran";
    ScratchDir::write(c("tools/run.sh"), "#!/bin/sh\necho \"$1\" > '" + marker.string() + "'\n");
    fs::permissions(c("tools/run.sh"), fs::perms::owner_all);
    ScratchDir::write(c("tools/readme.txt"), "doc");
    EXPECT_TRUE(f.GET_FileExecutable("C:\\TOOLS\\APP.EXE"));
    EXPECT_TRUE(f.GET_FileExecutable("C:\\TOOLS\\RUN.SH"));
    EXPECT_FALSE(f.GET_FileExecutable("C:\\TOOLS\\README.TXT"));
    EXPECT_FALSE(f.GET_FileExecutable("C:\\TOOLS\\GONE.EXE"));

    EXPECT_FALSE(f.ShellExec(0, "C:\\TOOLS\\GONE.EXE", "", ""));
    ASSERT_TRUE(f.ShellExec(0, "C:\\TOOLS\\RUN.SH", "hello", "C:\\TOOLS"));
    for (int i = 0; i < 500 && !fs::exists(marker); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(ScratchDir::read(marker), "hello\n");
}

// A 2 x 2 icon of 32-bit pixels, all opaque red.
std::string tinyIcon() {
    std::string ico;
    auto u16 = [&](unsigned v) {
        ico += char(v & 0xFF);
        ico += char(v >> 8);
    };
    auto u32 = [&](unsigned v) {
        u16(v & 0xFFFF);
        u16(v >> 16);
    };
    const unsigned imageSize = 40 + 16 + 8;
    u16(0);
    u16(1);
    u16(1);  // ICONDIR
    ico += char(2);
    ico += char(2);
    ico += char(0);
    ico += char(0);
    u16(1);
    u16(32);
    u32(imageSize);
    u32(6 + 16);  // ICONDIRENTRY
    u32(40);
    u32(2);
    u32(4);
    u16(1);
    u16(32);
    u32(0);
    u32(16);
    u32(0);
    u32(0);
    u32(0);
    u32(0);
    for (int i = 0; i < 4; ++i) u32(0xFFFF0000);  // BGRA: red, opaque
    for (int i = 0; i < 2; ++i) u32(0);           // AND mask
    return ico;
}

TEST_F(Functions, FileIconFromAnIconFileAndItsIndex) {
    ScratchDir::write(c("icons/red.ico"), tinyIcon());
    RgbaImage picture;
    ASSERT_TRUE(f.GET_FileIcon(picture, "C:\\ICONS\\RED.ICO"));
    EXPECT_EQ(picture.width, 32);
    EXPECT_EQ(picture.at(0, 0), 0xFFFF0000u);
    RgbaImage none;
    EXPECT_FALSE(f.GET_FileIcon(none, "C:\\ICONS\\RED.ICO,1"));
    EXPECT_FALSE(f.GET_FileIcon(none, "C:\\ICONS\\RED.ICO", 1));
    EXPECT_TRUE(f.GET_FileIcon(none, "C:\\ICONS\\RED.ICO,0", 1));
    ScratchDir::write(c("icons/bad.ico"), "not an icon");
    RgbaImage bad;
    EXPECT_FALSE(f.GET_FileIcon(bad, "C:\\ICONS\\BAD.ICO"));
    EXPECT_FALSE(f.GET_FileIcon(bad, "C:\\ICONS\\MISSING.ICO"));
    EXPECT_TRUE(bad.empty());
}

TEST_F(Functions, ShortcutsIntoTheImagesFolders) {
    fs::create_directories(c("windows/Desktop"));
    f.CREATE_Shortcut("C:\\WINDOWS\\Desktop", "Notepad", "C:\\WINDOWS\\NOTEPAD.EXE",
                      "/p readme.txt");
    const ShellLink link = readShellLink(c("windows/Desktop/Notepad.lnk"));
    EXPECT_EQ(link.target, "C:\\WINDOWS\\NOTEPAD.EXE");
    EXPECT_EQ(link.arguments, "/p readme.txt");
    // A name cannot lead out of the folder, nor a folder out of the image.
    f.CREATE_Shortcut("C:\\WINDOWS\\Desktop", "..\\Escape", "C:\\X.EXE", "");
    EXPECT_FALSE(fs::exists(c("windows/Escape.lnk")));
    f.CREATE_Shortcut((image.scratch / "outside").string(), "Out", "C:\\X.EXE", "");
    EXPECT_FALSE(fs::exists(image.scratch / "outside" / "Out.lnk"));
}

class FakeWindows : public vantix::platform::WindowSystem {
public:
    using Handle = vantix::platform::WindowHandle;
    using Rect = vantix::platform::WindowRect;
    using ShowState = vantix::platform::ShowState;

    std::vector<Handle> topLevelWindows() override { return {1, 2, 3}; }
    std::optional<std::string> title(Handle window) override {
        return window == 1 ? "" : window == 2 ? "  Untitled - Notepad " : "Regalto";
    }
    std::optional<ShowState> showState(Handle) override { return ShowState::Normal; }
    bool setShowState(Handle window, ShowState state) override {
        static constexpr int kCommand[] = {1, 6, 3};  // Normal, Minimised, Maximised
        shown.push_back({window, kCommand[static_cast<int>(state)]});
        return true;
    }
    std::optional<Rect> rect(Handle window) override {
        if (window == 2) return Rect{100, 50, 400, 300};
        if (window == 3) return Rect{0, 0, 1024, 768};  // maximised
        if (window == 9) return Rect{5, 5, 100, 60};    // a dialog
        return std::nullopt;
    }
    bool move(Handle window, const Rect& to) override {
        moves.push_back({window, to.left, to.top});
        return true;
    }
    bool postClose(Handle window) override {
        closed.push_back(window);
        return true;
    }
    bool setTopmost(Handle window, bool topmost) override {
        raised.push_back({window, topmost});
        return true;
    }
    bool raise(Handle window) override {
        raised.push_back({window, false});
        return true;
    }
    Rect screen() override { return {0, 0, 1024, 768}; }
    int logicalDpi() override { return 96; }  // 15 twips per pixel
    void processEvents() override { ++events; }

    std::vector<std::array<int, 3>> moves;
    std::vector<std::pair<int, int>> shown;
    std::vector<int> closed;
    std::vector<std::pair<int, bool>> raised;
    int events = 0;
};

TEST_F(Functions, WindowHelpersThroughTheInstalledWindowSystem) {
    std::int32_t handle = 7, left = -1, top = -1, width = -1, height = -1;
    std::string name = "notepad";
    EXPECT_EQ(f.GET_TaskHandle(handle, name), 0) << "no window system: nothing found";

    auto installed = std::make_shared<FakeWindows>();
    FakeWindows& windows = *installed;
    vantix::platform::installWindowSystem(installed);
    EXPECT_EQ(f.GET_TaskHandle(handle, name), 2);
    EXPECT_EQ(name, "  Untitled - Notepad ");
    std::string any;
    EXPECT_EQ(f.GET_TaskHandle(handle, any), 2) << "the first window with a title";
    std::string none = "Explorer";
    EXPECT_EQ(f.GET_TaskHandle(handle, none), 0);
    EXPECT_EQ(none, "Explorer");
    EXPECT_GT(windows.events, 0);

    EXPECT_EQ(f.GET_WindowPos(2, left, top, width, height), 1);
    EXPECT_EQ((std::array{left, top, width, height}), (std::array{1500, 750, 6000, 4500}));
    EXPECT_EQ(f.GET_WindowPos(3, left, top, width, height), 0) << "maximised";
    EXPECT_EQ(left, 1500);

    EXPECT_FALSE(f.SET_CenterWindow(2, 9));
    EXPECT_FALSE(f.SET_CenterWindow(3, 9));
    ASSERT_EQ(windows.moves.size(), 2u);
    EXPECT_EQ(windows.moves[0], (std::array{9, 100 + 150, 50 + 120}));
    EXPECT_EQ(windows.moves[1], (std::array{9, (1024 - 100) / 2, (768 - 60) / 2}));

    f.SET_ViewWindow(2);
    f.SET_ViewWindow(2, 2);
    f.SET_ViewWindow(2, 3);
    f.SET_ViewWindow(2, 9);
    EXPECT_EQ(windows.shown, (std::vector<std::pair<int, int>>{{2, 1}, {2, 6}, {2, 3}, {2, 1}}));
    f.APP_Terminate(3);
    EXPECT_EQ(windows.closed, std::vector<int>{3});
    f.SET_FormTop(2, true);
    f.SET_FormTop(2, false);
    EXPECT_EQ(windows.raised, (std::vector<std::pair<int, bool>>{{2, true}, {2, false}}));
    vantix::platform::installWindowSystem(nullptr);
}

}  // namespace
