#include "modules/traskel/TrayList.h"

#include <gtest/gtest.h>

#include "RecordingTray.h"
#include "lindrel32/QVFKT.h"
#include "lindrel32/QVREG.h"
#include "modules/traskel/Autostart.h"
#include "modules/traskel/TraskelEditor.h"
#include "tests/lindrel32/BareImage.h"

using namespace vantix::traskel;

namespace {

const std::string kKey(kTrayKey);

class TrayListTest : public ::testing::Test {
protected:
    void put(int position, const std::string& name, const std::string& value) {
        registry.SetReg(kKey, positionPrefix(position) + name, value);
    }
    std::string get(int position, const std::string& name) {
        return registry.GetReg(kKey, positionPrefix(position) + name);
    }
    std::vector<std::string> valueNames() {
        std::vector<std::string> names(200);
        std::vector<std::int32_t> types(200);
        const int last = registry.GetPfadValue(kKey, names, types);
        names.resize(static_cast<std::size_t>(last + 1));
        return names;
    }

    BareImage image;
    lindrel32::QVREG registry{*image.machine};
    lindrel32::QVFKT functions{*image.machine};
    RecordingTray tray;
    TraskelEditor editor{registry, functions, tray};
};

TEST_F(TrayListTest, ReadingSkipsGapsMakesSpacersAndFillsDefaults) {
    put(2, "Datei", "  C:\\APPS\\EDIT.EXE ");
    put(2, "Name", "Edit");
    put(2, "Start", "0");
    put(5, "Datei", "DUMMY");
    put(5, "Name", "ignored");
    put(9, "Datei", "C:\\APPS\\RUN.BAT");
    put(9, "WorkPath", "C:\\WORK");
    put(9, "Start", "3");
    put(21, "Datei", "C:\\BEYOND.EXE");  // only 20 positions exist

    const auto entries = readTrayList(registry, functions);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].program, "C:\\APPS\\EDIT.EXE");
    EXPECT_EQ(entries[0].start, 1);              // 0 is read as 1
    EXPECT_EQ(entries[0].workPath, "C:\\APPS");  // empty: the program's folder
    EXPECT_EQ(entries[0].param, "");
    EXPECT_EQ(entries[0].window, "");
    EXPECT_TRUE(entries[1].spacer);
    EXPECT_EQ(entries[2].start, 3);
    EXPECT_EQ(entries[2].workPath, "C:\\WORK");
    EXPECT_EQ(fallbackPicture(entries[2]), FallbackPicture::DosProgram);
    EXPECT_EQ(fallbackPicture(entries[0]), FallbackPicture::Program);
    EXPECT_EQ(fallbackPicture(entries[1]), FallbackPicture::Spacer);
    TrayEntry module = entries[0];
    module.iconFile = "MODUL";
    EXPECT_EQ(fallbackPicture(module), FallbackPicture::Module);
}

TEST_F(TrayListTest, StartStatesAndTheLowColourRule) {
    EXPECT_EQ(parseStartState(""), 1);
    EXPECT_EQ(parseStartState("0"), 1);
    EXPECT_EQ(parseStartState("NO Key"), 1);
    EXPECT_EQ(parseStartState(" 2"), 2);
    EXPECT_EQ(parseStartState("3x"), 3);
    EXPECT_EQ(pictureBoxColour(8), 65280);
    EXPECT_EQ(pictureBoxColour(4), 65280);
    EXPECT_EQ(pictureBoxColour(24), std::nullopt);
}

TEST_F(TrayListTest, ASpacerAtPositionThreeStoresOnlyDummyAndGapsSaveDensely) {
    put(4, "Datei", "C:\\A.EXE");
    put(4, "Name", "A");
    put(7, "Datei", "C:\\B.EXE");
    put(7, "Name", "B");
    put(7, "Start", "2");
    put(7, "Stale", "left over");  // not of the list: the whole key is rewritten
    editor.load();
    ASSERT_TRUE(editor.addSpacer());
    editor.save();

    EXPECT_EQ(get(1, "Datei"), "C:\\A.EXE");
    EXPECT_EQ(get(2, "Datei"), "C:\\B.EXE");
    EXPECT_EQ(get(2, "Start"), "2");
    EXPECT_EQ(get(3, "Datei"), "DUMMY");
    EXPECT_EQ(get(4, "Datei"), "NO Key");
    const auto names = valueNames();
    for (const char* absent :
         {"03 Icon", "03 Name", "03 Param", "03 WorkPath", "03 Start", "03 Window", "07 Stale"})
        EXPECT_EQ(std::count(names.begin(), names.end(), absent), 0) << absent;
    // Every entry writes its seven values (the registry lists them sorted).
    const std::vector<std::string> first(names.begin(), names.begin() + 7);
    EXPECT_EQ(first, (std::vector<std::string>{"01 Datei", "01 Icon", "01 Name", "01 Param",
                                               "01 Start", "01 Window", "01 WorkPath"}));
    EXPECT_EQ(names.size(), 15u);
    EXPECT_EQ(tray.commands, (std::vector<std::string>{"{UPDATE_TRAY}"}));
    EXPECT_FALSE(editor.pending());
}

TEST_F(TrayListTest, NewProgramsMustExistAndBeProgramsAndTheListHoldsTwenty) {
    ScratchDir::write(image.driveC() / "apps" / "edit.exe", "MZ");
    ScratchDir::write(image.driveC() / "apps" / "readme.txt", "text");
    EXPECT_FALSE(editor.addProgram(""));
    EXPECT_FALSE(editor.addProgram("C:\\APPS\\MISSING.EXE"));
    EXPECT_FALSE(editor.addProgram("C:\\APPS\\README.TXT"));
    EXPECT_FALSE(editor.pending());
    ASSERT_TRUE(editor.addProgram("C:\\APPS\\EDIT.EXE"));
    const TrayEntry& added = editor.entries().front();
    EXPECT_EQ(added.name, "Edit");
    EXPECT_EQ(added.iconFile, "C:\\APPS\\EDIT.EXE");
    EXPECT_EQ(added.workPath, "C:\\APPS");
    EXPECT_EQ(added.start, 1);
    EXPECT_TRUE(editor.pending());
    // A file chosen by its host path is kept in the image's Windows form.
    TraskelEditor hostEditor{registry, functions, tray, image.machine.get()};
    ASSERT_TRUE(hostEditor.addProgram((image.driveC() / "apps" / "edit.exe").string()));
    EXPECT_EQ(hostEditor.entries().front().program, "C:\\apps\\edit.exe");
    EXPECT_EQ(hostEditor.entries().front().workPath, "C:\\apps");
    EXPECT_EQ(hostEditor.entries().front().name, "edit");
    // Outside the image's drives the host path stays, its parts taken at "/".
    ScratchDir::write(image.scratch / "tools" / "Tool.exe", "MZ");
    ASSERT_TRUE(hostEditor.addProgram((image.scratch / "tools" / "Tool.exe").string()));
    EXPECT_EQ(hostEditor.entries()[1].name, "Tool");
    EXPECT_EQ(hostEditor.entries()[1].workPath, (image.scratch / "tools").string());

    while (editor.canAdd()) ASSERT_TRUE(editor.addSpacer());
    EXPECT_EQ(editor.entries().size(), 20u);
    EXPECT_FALSE(editor.addSpacer());
    EXPECT_FALSE(editor.addProgram("C:\\APPS\\EDIT.EXE"));
    EXPECT_FALSE(editor.addModule(
        {"Registry Editor", "C:\\VANTIX\\Module\\REGALTO.EXE", " Registry Editor Module"}));
    editor.remove(0);
    EXPECT_TRUE(editor.canAdd());
}

TEST_F(TrayListTest, ModulesOfThisPlatformAreAddedAsModuleEntries) {
    registry.SetReg("HKEY_CURRENT_USER\\Software\\Wine", "Version", "win98");
    const std::string modules =
        "HKEY_LOCAL_MACHINE\\SOFTWARE\\Morlan Softwareentwicklung\\Windows Quorvia\\Module";
    registry.SetReg(modules + "\\Regalto", "Name", "Registry Editor");
    registry.SetReg(modules + "\\Regalto", "BS", "7");
    registry.SetReg(modules + "\\Regalto", "Modul", "C:\\VANTIX\\Module\\REGALTO.EXE");
    registry.SetReg(modules + "\\Regalto", "Window", " Registry Editor Module");
    registry.SetReg(modules + "\\Bootlam", "Name", "Boot Options");
    registry.SetReg(modules + "\\Bootlam", "BS", "1");  // NT only
    const auto choices = editor.availableModules();
    ASSERT_EQ(choices.size(), 1u);
    EXPECT_EQ(choices[0].name, "Registry Editor");

    ASSERT_TRUE(editor.addModule(choices[0]));
    const TrayEntry& entry = editor.entries().front();
    EXPECT_EQ(entry.name, "Registry Editor (Modul)");
    EXPECT_EQ(entry.param, "/START");
    EXPECT_EQ(entry.iconFile, "MODUL");
    EXPECT_EQ(entry.program, "C:\\VANTIX\\Module\\REGALTO.EXE");
    EXPECT_EQ(entry.workPath, "C:\\VANTIX\\Module");
    EXPECT_EQ(entry.window, " Registry Editor Module");
    EXPECT_TRUE(entry.isModule());
}

TEST_F(TrayListTest, ArrowsSwapNeighboursAndEditsChangeTheRecord) {
    editor.addSpacer();
    editor.addModule({"Drives", "C:\\M\\DREVION.EXE", " Drives Module"});
    editor.addSpacer();
    EXPECT_EQ(editor.moveUp(0), 0);  // nothing above the first
    EXPECT_EQ(editor.moveDown(2), 2);
    EXPECT_EQ(editor.moveUp(1), 0);
    EXPECT_EQ(editor.entries()[0].name, "Drives (Modul)");
    EXPECT_EQ(editor.moveDown(0), 1);
    EXPECT_EQ(editor.moveDown(1), 2);
    EXPECT_FALSE(editor.entries()[2].spacer);

    editor.setName(2, "Disks");
    editor.setStart(2, 3);
    editor.setWindow(2, " Drives Module");
    editor.setIconFile(2, "");  // a cancelled icon choice changes nothing
    editor.setName(0, "not for a spacer");
    EXPECT_EQ(editor.entries()[2].name, "Disks");
    EXPECT_EQ(editor.entries()[2].iconFile, "MODUL");
    EXPECT_EQ(editor.entries()[0], TrayEntry::makeSpacer());
    editor.save();
    EXPECT_EQ(get(3, "Name"), "Disks");
    EXPECT_EQ(get(3, "Start"), "3");
    editor.load();
    EXPECT_EQ(editor.entries()[2].name, "Disks");
}

TEST_F(TrayListTest, TheTaskbarSwitchStartsAndEndsTheTrayAndItsStartEntries) {
    const std::string run(kRunKey);
    editor.setTaskbarActive(true);
    EXPECT_EQ(tray.starts, 1);
    EXPECT_EQ(registry.GetReg(run, "1DDE Server"), "QVDDESVR.EXE /START");
    editor.setTaskbarActive(false);
    EXPECT_EQ(registry.GetReg(run, "1DDE Server"), "NO Key");
    EXPECT_EQ(tray.commands, (std::vector<std::string>{"{END}"}));
    EXPECT_EQ(tray.autostart, (std::vector<bool>{true, false}));
}

TEST(Autostart, TheLoginEntryStartsTheTrayOnItsImageAndGoesAgain) {
    ScratchDir scratch;
    ::setenv("XDG_CONFIG_HOME", (scratch / "config").c_str(), 1);
    const auto image = scratch / "my image";
    const auto file = autostartFile(image);
    EXPECT_EQ(file.parent_path(), scratch / "config" / "autostart");
    EXPECT_NE(file, autostartFile(scratch / "other"));
    ASSERT_TRUE(setAutostartEntry(true, "/opt/vantix/Module/QVDDESVR.EXE", image));
    const std::string text = ScratchDir::read(file);
    EXPECT_NE(text.find("Exec=\"/opt/vantix/Module/QVDDESVR.EXE\" --machine \"" + image.string() +
                        "\" /START\n"),
              std::string::npos)
        << text;
    // Quotes, dollars and backslashes escaped, field codes doubled.
    EXPECT_NE(autostartEntry("/a/100%\"$x", image).find("Exec=\"/a/100%%\\\\\"\\\\$x\""),
              std::string::npos)
        << autostartEntry("/a/100%\"$x", image);
    ASSERT_TRUE(setAutostartEntry(false, "/opt/vantix/Module/QVDDESVR.EXE", image));
    EXPECT_FALSE(std::filesystem::exists(file));
}

}  // namespace
