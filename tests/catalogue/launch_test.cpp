#include "CatalogueFixture.h"
#include "catalogue/DesktopEntry.h"
#include "catalogue/ImageStarter.h"
#include "catalogue/Launch.h"
#include "catalogue/ShellFolders.h"
#include "catalogue/Shortcuts.h"
#include "catalogue/Utilities.h"
#include "platform/shelllink/ShellLink.h"

using namespace vantix::catalogue;

TEST_F(CatalogueTest, ObjectsStartByTheModeOfTheirGroup) {
    RecordingStarter starter;
    makeFile("WINDOWS\\CALC.EXE");
    const auto id = *AddUtility(*database, *host, 4, "Calc", "C:\\WINDOWS\\CALC.EXE", "  C:\\WINDOWS ",
                                "C:\\WINDOWS\\CALC.EXE", " ", 3);
    EXPECT_TRUE(LaunchObject(*database, *host, starter, "SYST", "DESK.CPL", "C:\\APP\\"));
    EXPECT_TRUE(LaunchObject(*database, *host, starter, "TOOL", "REGALTO", "C:\\APP\\"));
    EXPECT_TRUE(LaunchObject(*database, *host, starter, "UTIL", std::to_string(id) + "U", "C:\\APP\\"));
    EXPECT_EQ(starter.started, (std::vector<std::string>{"rundll32.exe shell32.dll,Control_RunDLL DESK.CPL",
                                                         "\"C:\\APP\\Module\\REGALTO\"/START",
                                                         "C:\\WINDOWS\\CALC.EXE||C:\\WINDOWS|3"}));
    std::filesystem::remove(drive() / "WINDOWS/CALC.EXE");
    EXPECT_FALSE(LaunchObject(*database, *host, starter, "UTIL", std::to_string(id) + "U", "C:\\APP\\"));
    EXPECT_FALSE(LaunchObject(*database, *host, starter, "HIDD", "1", "C:\\APP\\"));
    EXPECT_FALSE(LaunchObject(*database, *host, starter, "SYST", "", "C:\\APP\\"));
    EXPECT_EQ(starter.started.size(), 3u) << "a missing tool, a function or an empty key start nothing";
}

TEST(Shortcuts, TargetsAndArgumentsByPlaceAndSource) {
    const auto group = groupShortcut("DESK", "My Tools", 7, "C:\\APP\\");
    ASSERT_TRUE(group);
    EXPECT_EQ(group->destFolder, "..\\..\\Desktop");
    EXPECT_EQ(group->target, "C:\\APP\\VANTIX.EXE");
    EXPECT_EQ(group->arguments, "/DS:00007");
    EXPECT_EQ(shortcutFolder("START"), "..\\");
    EXPECT_EQ(shortcutFolder("PROG"), "");
    EXPECT_FALSE(shortcutFolder("ELSEWHERE"));

    ListEntry applet{"SYSDM.CPL @1", "Hardware", "", 1, false, false};
    const auto appletLink = objectShortcut("PROG", "SYST", applet, "C:\\APP\\");
    ASSERT_TRUE(appletLink);
    EXPECT_EQ(appletLink->target, "rundll32.exe");
    EXPECT_EQ(appletLink->arguments, "shell32.dll,Control_RunDLL SYSDM.CPL @1");
    ListEntry module{"Regalto", "Registry", "", 1, false, false};
    EXPECT_EQ(objectShortcut("PROG", "TOOL", module, "C:\\APP\\")->target, "C:\\APP\\Module\\REGALTO.EXE");
    EXPECT_FALSE(objectShortcut("PROG", "UTIL", module, "C:\\APP\\"));
    EXPECT_FALSE(objectShortcut("PROG", "HIDD", module, "C:\\APP\\"));
}

TEST_F(CatalogueTest, ShortcutsLandInTheImageWithALauncherBeside) {
    std::filesystem::create_directories(drive() / "WINDOWS/Desktop");
    const auto group = *groupShortcut("DESK", "System Tools", 195, programDir().string() + "/");
    ASSERT_TRUE(host->createShortcut(group));
    const auto link = vantix::platform::readShellLink(drive() / "WINDOWS/Desktop/System Tools.lnk");
    EXPECT_EQ(link.arguments, "/DS:00195");
    const std::string launcher = ScratchDir::read(drive() / "WINDOWS/Desktop/System Tools.desktop");
    EXPECT_NE(launcher.find("Name=System Tools\n"), std::string::npos) << launcher;
    EXPECT_NE(launcher.find("Exec=" + (programDir() / "vantix").string() + " --machine " +
                            (scratch_.path() / "image").string() + " /DS:00195\n"),
              std::string::npos)
        << launcher;

    ListEntry applet{"DESK.CPL", "Display", "", 1, false, false};
    ASSERT_TRUE(host->createShortcut(*objectShortcut("START", "SYST", applet, "C:\\APP\\")));
    const auto appletLink = vantix::platform::readShellLink(drive() / "WINDOWS/Start Menu/Display.lnk");
    EXPECT_EQ(appletLink.arguments, "shell32.dll,Control_RunDLL DESK.CPL");
    const std::string appletLauncher = ScratchDir::read(drive() / "WINDOWS/Start Menu/Display.desktop");
    EXPECT_NE(appletLauncher.find("wine rundll32.exe shell32.dll,Control_RunDLL DESK.CPL\n"), std::string::npos)
        << appletLauncher;

    auto unsafe = group;
    unsafe.linkName = "..\\..\\escape";
    EXPECT_FALSE(host->createShortcut(unsafe)) << "a name cannot lead the file out of its folder";
}

TEST(DesktopEntry, ExecArgumentsAreQuotedAndEscaped) {
    const std::pair<const char*, const char*> cases[] = {
        {"plain", "plain"},       {"/DS:00012", "/DS:00012"}, {"two words", "\"two words\""},
        {"100%", "100%%"},        {"a\"b", "\"a\\\"b\""},     {"$HOME", "\"\\$HOME\""},
        {"", "\"\""},             {"x=y", "\"x=y\""},
    };
    for (const auto& [argument, quoted] : cases) EXPECT_EQ(execArgument(argument), quoted) << argument;
    const auto text = desktopEntry("A\nB", {"/opt/my app/vantix", "C:\\X"});
    EXPECT_NE(text.find("Name=A\\nB\n"), std::string::npos) << text;
    // The backslash is escaped for the quoted argument, then again for the string value.
    EXPECT_NE(text.find("Exec=\"/opt/my app/vantix\" \"C:\\\\\\\\X\"\n"), std::string::npos) << text;
}

TEST(CommandLines, SplitLikeThePlatform) {
    EXPECT_EQ(splitCommandLine("\"C:\\APP\\Module\\REGALTO\"/START"),
              (std::vector<std::string>{"C:\\APP\\Module\\REGALTO", "/START"}));
    EXPECT_EQ(splitCommandLine("rundll32.exe shell32.dll,Control_RunDLL SYSDM.CPL @1"),
              (std::vector<std::string>{"rundll32.exe", "shell32.dll,Control_RunDLL", "SYSDM.CPL", "@1"}));
    EXPECT_EQ(splitCommandLine("  -a \"b c\"  d"), (std::vector<std::string>{"-a", "b c", "d"}));
    EXPECT_TRUE(splitCommandLine("   ").empty());
}

TEST_F(CatalogueTest, ModulesStartNativelyWithTheExtensionAdded) {
    const auto module = programDir() / "Module/REGALTO.EXE";
    ScratchDir::write(module, "#!/bin/sh\nexit 0\n");
    std::filesystem::permissions(module, std::filesystem::perms::owner_exec, std::filesystem::perm_options::add);
    ImageStarter starter(*host);
    const auto argv = starter.commandFor(programDir().string() + "/Module\\regalto", {"/START"});
    ASSERT_TRUE(argv);
    EXPECT_EQ(*argv, (std::vector<std::string>{module.string(), "--machine", (scratch_.path() / "image").string(),
                                                "/START"}))
        << "a module started by the shell works on the shell's image";
    EXPECT_FALSE(starter.commandFor(programDir().string() + "/Module\\MISSING", {"/START"}));
    EXPECT_FALSE(starter.commandFor("/etc/passwd", {})) << "outside the image and the program folder";
}

TEST_F(CatalogueTest, AppletsStartThroughWineInTheImageOnlyWhenItIsInstalled) {
    const char* oldPath = std::getenv("PATH");
    const std::string savedPath = oldPath ? oldPath : "";
    const auto bin = scratch_.path() / "bin";
    std::filesystem::create_directories(bin);
    ::setenv("PATH", bin.c_str(), 1);
    ImageStarter starter(*host);
    EXPECT_FALSE(starter.commandFor("rundll32.exe", {"shell32.dll,Control_RunDLL", "DESK.CPL"})) << "no Wine";

    ScratchDir::write(bin / "wine", "#!/bin/sh\n");
    std::filesystem::permissions(bin / "wine", std::filesystem::perms::owner_all);
    const auto applet = starter.commandFor("rundll32.exe", {"shell32.dll,Control_RunDLL", "DESK.CPL"});
    makeFile("WINDOWS\\CALC.EXE");
    const auto program = starter.commandFor("C:\\WINDOWS\\calc.exe", {"/x"});
    ::setenv("PATH", savedPath.c_str(), 1);

    ASSERT_TRUE(applet);
    EXPECT_EQ(*applet, (std::vector<std::string>{"env", "WINEPREFIX=" + (scratch_.path() / "image").string(),
                                                 (bin / "wine").string(), "rundll32.exe",
                                                 "shell32.dll,Control_RunDLL", "DESK.CPL"}));
    ASSERT_TRUE(program);
    EXPECT_EQ(program->at(3), (drive() / "WINDOWS/CALC.EXE").string());
    EXPECT_EQ(program->back(), "/x");
}

TEST_F(CatalogueTest, ShortcutsFollowTheProgramsFolderTheRegistryRecords) {
    vantix::platform::Registry registry(scratch_.path() / "image");
    EXPECT_EQ(programsFolder(registry, "C:\\WINDOWS\\"), "C:\\WINDOWS\\Start Menu\\Programs");
    ASSERT_TRUE(registry.setValue(vantix::platform::Root::CurrentUser,
                                  "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                                  vantix::platform::RegValue::string(
                                      "Programs", "C:\\WINDOWS\\Profiles\\Administrator\\Start Menu\\Programs")));
    const std::string programs = programsFolder(registry, "C:\\WINDOWS\\");
    EXPECT_EQ(programs, "C:\\WINDOWS\\Profiles\\Administrator\\Start Menu\\Programs");

    ImageHost nt4({scratch_.path() / "image", programDir(), "C:\\WINDOWS\\SYSTEM32\\", programs});
    const std::pair<const char*, const char*> places[] = {
        {"DESK", "WINDOWS/Profiles/Administrator/Desktop/Modules.lnk"},
        {"START", "WINDOWS/Profiles/Administrator/Start Menu/Modules.lnk"},
        {"PROG", "WINDOWS/Profiles/Administrator/Start Menu/Programs/Modules.lnk"},
    };
    for (const auto& [place, file] : places) {
        ASSERT_TRUE(nt4.createShortcut(*groupShortcut(place, "Modules", 3, "C:\\APP\\"))) << place;
        EXPECT_TRUE(std::filesystem::exists(drive() / file)) << file;
    }
}
