#include "CatalogueFixture.h"
#include "catalogue/Messages.h"
#include "catalogue/ToolForm.h"
#include "catalogue/Utilities.h"

using namespace vantix::catalogue;

class UtilityTest : public CatalogueTest {
protected:
    std::int64_t add(const std::string& name, const std::string& file, const std::string& icon = {}) {
        makeFile(file.substr(3));
        const auto id = AddUtility(*database, *host, 4, name, file, "C:\\WINDOWS", icon.empty() ? file : icon, " ", 1);
        EXPECT_TRUE(id) << file;
        return id.value_or(0);
    }
    RecordingPrompter prompter;
};

TEST_F(UtilityTest, AddingStoresOnlyExecutables) {
    makeFile("WINDOWS\\README.TXT");
    EXPECT_FALSE(AddUtility(*database, *host, 4, "Readme", "C:\\WINDOWS\\README.TXT", "C:\\WINDOWS", "", " ", 1));
    EXPECT_FALSE(AddUtility(*database, *host, 4, "Gone", "C:\\WINDOWS\\GONE.EXE", "C:\\WINDOWS", "", " ", 1));
    EXPECT_FALSE(AddUtility(*database, *host, 4, "Outside", "/bin/sh", "/bin", "", " ", 1))
        << "files outside the image and the program folder are refused";
    const auto first = add("Calculator", "C:\\WINDOWS\\CALC.EXE");
    const auto second = add("Setup", "C:\\WINDOWS\\SETUP.BAT");
    EXPECT_GT(second, first);
    EXPECT_EQ(count("SELECT COUNT(*) FROM LIST_UTILITI WHERE CTRL_ID = 4"), 2);
}

TEST_F(UtilityTest, NativeProgramsInTheProgramFolderAreExecutable) {
    const auto tool = programDir() / "DATABASE/DATABASE.EXE";
    ScratchDir::write(tool, "\x7F" "ELF....");
    const std::string path = programDir().string() + "/DATABASE\\DATABASE.EXE";
    EXPECT_TRUE(host->fileExecutable(path)) << "an .EXE name is a Windows program";
    ScratchDir::write(programDir() / "Module/regalto", "#!/bin/sh\n");
    EXPECT_FALSE(host->fileExecutable((programDir() / "Module/regalto").string())) << "no executable bit";
    std::filesystem::permissions(programDir() / "Module/regalto", std::filesystem::perms::owner_exec,
                                 std::filesystem::perm_options::add);
    EXPECT_TRUE(host->fileExecutable((programDir() / "Module/REGALTO").string()));
}

TEST_F(UtilityTest, ListLeavesOutToolsWhoseFileIsGoneAndPicksStandardImages) {
    add("Calc", "C:\\WINDOWS\\CALC.EXE");
    const auto batch = add("Setup", "C:\\WINDOWS\\SETUP.BAT");
    const auto gone = add("Notes", "C:\\WINDOWS\\NOTEPAD.EXE");
    std::filesystem::remove(drive() / "WINDOWS/NOTEPAD.EXE");
    const auto entries = FillUtilityList(*database, *host, 4);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].standardImage, kProgramImage);
    EXPECT_EQ(entries[1].key, std::to_string(batch) + "U");
    EXPECT_EQ(entries[1].standardImage, kBatchImage);
    EXPECT_TRUE(findUtility(*database, gone)) << "the row of a vanished file stays";
}

TEST_F(UtilityTest, FieldsByCode) {
    makeFile("WINDOWS\\CALC.EXE");
    const auto id = *AddUtility(*database, *host, 4, "Calc", "C:\\WINDOWS\\CALC.EXE", "C:\\WORK", "C:\\ICO.ICO",
                                "  /x  ", 3);
    const std::pair<const char*, const char*> fields[] = {{"DATEI", "C:\\WINDOWS\\CALC.EXE"}, {"WORK", "C:\\WORK"},
                                                          {"ICON", "C:\\ICO.ICO"}, {"PARAM", "/x"}, {"STIL", "3"},
                                                          {"NAME", ""}, {"datei", ""}};
    for (const auto& [code, value] : fields) EXPECT_EQ(GetUtilityField(*database, id, code), value) << code;
    EXPECT_EQ(GetUtilityField(*database, id + 100, "DATEI"), "");
    database->execute("UPDATE LIST_UTILITI SET Parameter = NULL, Stil = NULL");
    EXPECT_EQ(GetUtilityField(*database, id, "PARAM"), "");
    EXPECT_EQ(GetUtilityField(*database, id, "STIL"), "");
}

TEST_F(UtilityTest, UpdateLeavesEmptyFieldsAndTheFileAlone) {
    const auto id = add("Calc", "C:\\WINDOWS\\CALC.EXE");
    EXPECT_TRUE(UpdateUtility(*database, id, "Rechner", "", "", "-p", 0));
    const auto tool = *findUtility(*database, id);
    EXPECT_EQ(tool.name, "Rechner");
    EXPECT_EQ(tool.workPath, "C:\\WINDOWS");
    EXPECT_EQ(tool.parameter, "-p");
    EXPECT_EQ(tool.style, 1);
    EXPECT_EQ(tool.file, "C:\\WINDOWS\\CALC.EXE");
    EXPECT_FALSE(UpdateUtility(*database, id + 1, "X", "", "", "", 2));
}

TEST_F(UtilityTest, ToolDialogChecksInTheirOrder) {
    makeFile("WINDOWS\\CALC.EXE");
    makeFile("WINDOWS\\NOTES.TXT");
    const struct {
        ToolInput input;
        const char* message;
    } cases[] = {
        {{"", "C:\\NOWHERE.EXE", "", "", "", 0}, msg::kNameMissing},
        {{"123", "C:\\NOWHERE.EXE", "", "", "", 0}, msg::kNameNumeric},
        {{"1.5", "C:\\WINDOWS\\CALC.EXE", "", "", "", 0}, msg::kNameNumeric},
        {{"Tool 2", "C:\\NOWHERE.EXE", "", "", "", 0}, msg::kFileNotExecutable},
        {{"Notes", "C:\\WINDOWS\\NOTES.TXT", "", "", "", 0}, msg::kFileNotExecutable},
        {{"Tool 2", "C:\\WINDOWS", "", "", "", 0}, msg::kFileNotExecutable},
    };
    for (const auto& c : cases) EXPECT_EQ(validateTool(*host, c.input).value_or("(valid)"), c.message) << c.input.name;
    EXPECT_FALSE(validateTool(*host, {"Tool 2", "C:\\WINDOWS\\CALC.EXE", "", "", "", 0}));
}

TEST_F(UtilityTest, ToolDialogDefaults) {
    makeFile("WINDOWS\\CALC.EXE");
    makeFile("WINDOWS\\NOICON.DLL", "not an executable");
    ToolInput input{"Calc", "C:\\WINDOWS\\CALC.EXE", "", "", "C:\\WINDOWS\\NOICON.DLL", 2};
    const auto values = toolValues(*host, input);
    EXPECT_EQ(values.parameter, " ");
    EXPECT_EQ(values.workPath, "C:\\WINDOWS");
    EXPECT_EQ(values.iconFile, "C:\\WINDOWS\\CALC.EXE") << "an icon file without icons gives the program";
    EXPECT_EQ(values.style, 3) << "Maximized";
}

TEST_F(UtilityTest, EditingReadsTheRowBackAndWritesThroughUpdate) {
    makeFile("WINDOWS\\CALC.EXE");
    const auto id = *AddUtility(*database, *host, 4, "Calc", "C:\\WINDOWS\\CALC.EXE", "C:\\WINDOWS", "C:\\WINDOWS\\CALC.EXE", " ", 2);
    auto input = *toolInputFor(*database, id, "Calc");
    EXPECT_EQ(input.parameters, "");
    EXPECT_EQ(input.windowOption, 1);
    input.name = "Calculator";
    input.windowOption = 0;
    const auto entry = applyToolEdit(*database, *host, id, input);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->text, "Calculator");
    EXPECT_EQ(findUtility(*database, id)->style, 1);
    EXPECT_FALSE(toolInputFor(*database, id + 9, "X"));
}

TEST_F(UtilityTest, CaptionEditsInPlace) {
    const auto id = add("Calc", "C:\\WINDOWS\\CALC.EXE");
    const std::string key = std::to_string(id) + "U";
    const std::string thirty(30, 'x');
    EXPECT_EQ(renameCaption(*database, prompter, "UTIL", key, thirty + "y"), CaptionVerdict::TooLong);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].title, "Description too long");
    EXPECT_EQ(prompter.shown[0].text, " Max 30 characters for icon descriptions \r");
    EXPECT_EQ(prompter.shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(findUtility(*database, id)->name, "Calc");

    EXPECT_EQ(renameCaption(*database, prompter, "UTIL", key, "2000"), CaptionVerdict::Refused);
    EXPECT_EQ(renameCaption(*database, prompter, "UTIL", key, ""), CaptionVerdict::Refused);
    EXPECT_EQ(prompter.shown.size(), 1u) << "refused silently";
    EXPECT_EQ(findUtility(*database, id)->name, "Calc");

    EXPECT_EQ(renameCaption(*database, prompter, "UTIL", key, thirty), CaptionVerdict::Accepted);
    EXPECT_EQ(findUtility(*database, id)->name, thirty);
    const std::string umlauts(15, 'x');
    EXPECT_EQ(renameCaption(*database, prompter, "UTIL", key, umlauts + "äöüäöüäöüäöüäöü"), CaptionVerdict::Accepted)
        << "thirty characters, more bytes";
    EXPECT_EQ(renameCaption(*database, prompter, "SYST", key, "Other"), CaptionVerdict::Refused);
}

TEST_F(UtilityTest, RemovingThreeSelectedToolsLeavesTheOthers) {
    std::vector<std::int64_t> ids;
    for (const char* name : {"A", "B", "C", "D", "E"}) ids.push_back(add(name, std::string("C:\\WINDOWS\\") + name + ".EXE"));
    add("Other group", "C:\\WINDOWS\\F.EXE");
    database->execute("UPDATE LIST_UTILITI SET CTRL_ID = 195 WHERE UtilName = 'Other group'");
    auto entries = FillUtilityList(*database, *host, 4);
    for (std::size_t i : {0u, 2u, 4u}) entries[i].selected = true;

    prompter.answers = {false};
    EXPECT_EQ(removeSelectedTools(*database, prompter, true, entries), 0u);
    EXPECT_EQ(entries.size(), 5u);
    EXPECT_EQ(prompter.asked, (std::vector<std::string>{"Remove Objects|Remove all the selected objects from the group?"}));

    prompter.answers = {true};
    EXPECT_EQ(removeSelectedTools(*database, prompter, true, entries), 3u);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].text, "B");
    EXPECT_EQ(entries[1].text, "D");
    EXPECT_EQ(count("SELECT COUNT(*) FROM LIST_UTILITI"), 3);
    EXPECT_FALSE(findUtility(*database, ids[0]));
    EXPECT_TRUE(findUtility(*database, ids[1]));

    entries[0].selected = true;
    EXPECT_EQ(removeSelectedTools(*database, prompter, false, entries), 1u) << "no question without the option";
    EXPECT_EQ(prompter.asked.size(), 2u);
    EXPECT_EQ(removeSelectedTools(*database, prompter, true, entries), 0u) << "nothing selected, nothing asked";
    EXPECT_EQ(prompter.asked.size(), 2u);
}

TEST_F(UtilityTest, DroppedFilesBecomeToolsWhenExecutable) {
    makeFile("TOOLS\\FOO.EXE");
    makeFile("TOOLS\\notes.txt");
    const auto added = AddDroppedFiles(*database, *host, 4,
                                       {"C:\\TOOLS\\FOO.EXE", "C:\\TOOLS\\notes.txt", "C:\\TOOLS\\MISSING.EXE"});
    ASSERT_EQ(added.size(), 1u);
    const auto tool = *findUtility(*database, added[0]);
    EXPECT_EQ(tool.name, "Foo");
    EXPECT_EQ(tool.workPath, "C:\\TOOLS");
    EXPECT_EQ(tool.iconFile, "C:\\TOOLS\\FOO.EXE");
    EXPECT_EQ(tool.parameter, " ");
    EXPECT_EQ(tool.style, 1);
}

TEST_F(UtilityTest, DeletingAGroupsToolsTouchesNoOtherGroup) {
    add("A", "C:\\WINDOWS\\A.EXE");
    add("B", "C:\\WINDOWS\\B.EXE");
    makeFile("WINDOWS\\C.EXE");
    AddUtility(*database, *host, 195, "C", "C:\\WINDOWS\\C.EXE", "", "", " ", 1);
    EXPECT_EQ(DeleteGroupUtilities(*database, 4), 2);
    EXPECT_EQ(count("SELECT COUNT(*) FROM LIST_UTILITI WHERE CTRL_ID = 195"), 1);
}
