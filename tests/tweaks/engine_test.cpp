#include <gtest/gtest.h>

#include "../support/ScratchDir.h"
#include "CatalogueFixture.h"
#include "FakeHost.h"
#include "tweaks/ApplyHiddenFunction.h"
#include "tweaks/HiddenCatalogue.h"
#include "tweaks/ReadHiddenState.h"
#include "tweaks/RestartSystem.h"

using namespace vantix;
using namespace vantix::tweaks;

namespace {

class Engine : public ::testing::Test {
protected:
    Engine() : db(makeCatalogue(dir / "c.mde", false)) {
        db->executeScript(
            "INSERT INTO HIDDEN_FOLDERS (ID, FolderName, UF_FID) VALUES (1, 'Top', 0), (2, 'Sub', "
            "1);");
    }

    // One function with one property row; returns the property ID.
    std::int64_t addFunction(std::int64_t item, const std::string& typ, const std::string& kind,
                             const std::string& file, const std::string& key,
                             const std::string& name, const std::string& format,
                             const std::string& wenn, int dann, int sonst,
                             const std::string& standard, int min = 0, int max = 0, int bs = 7) {
        db->execute("INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (?, 2, ?, ?)",
                    {item, "Function " + std::to_string(item), bs});
        db->execute(
            "INSERT INTO HIDDEN_EIGENSCHAFT (ITEM_ID, TYP, MOM_Art, MOM_Datei, MOM_MainSubKey, "
            "MOM_ValueKey, "
            "MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
            {item, typ, kind, file, key, name, format, wenn, dann, sonst, standard, min, max});
        return db->scalar("SELECT max(ID) FROM HIDDEN_EIGENSCHAFT")->toInteger();
    }
    void addCommand(std::int64_t item, const std::string& letter, const std::string& kind,
                    const std::string& file, const std::string& path, const std::string& name,
                    const std::string& value, const std::string& format = "T") {
        db->execute("INSERT INTO HIDDEN_BEFEHLE VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
                    {item, letter, kind, file, path, name, value, format});
    }
    PageState read(std::int64_t property, const std::string& typ) {
        return ReadHiddenState(*db, host, typ, property);
    }
    std::string apply(std::int64_t item, PageInput input, std::string letter = "A") {
        ApplyHiddenFunction(*db, host, item, input, letter);
        return letter;
    }

    ScratchDir dir;
    std::unique_ptr<platform::Database> db;
    FakeHost host;
    const std::string key = "HKEY_CURRENT_USER\\Control Panel\\Desktop";
};

}  // namespace

TEST_F(Engine, SliderWithoutValueShowsTheDefaultWithStepsFromTheMaximum) {
    const auto id =
        addFunction(1, "SLIDER", "REG", "#", key, "MenuShowDelay", "T", "", 1, 2, "50", 0, 100);
    const PageState state = read(id, "SLIDER");
    EXPECT_EQ(state.currentValue, "NO Key");
    EXPECT_EQ(state.slider.position, 50);
    EXPECT_EQ(state.slider.numberBox, "50");
    EXPECT_EQ(state.slider.tickSpacing, 10);
    EXPECT_EQ(state.slider.largeStep, 3);
    EXPECT_EQ(state.slider.smallStep, 1);
    EXPECT_EQ(std::get<double>(state.DefaultValue), 50.0);
}

TEST_F(Engine, SliderPositionComesFromTheValueAndStaysInItsRange) {
    const auto small = addFunction(1, "SLIDER", "REG", "#", key, "V", "T", "", 1, 2, "3", 0, 5);
    const PageState five = read(small, "SLIDER");
    EXPECT_EQ(five.slider.tickSpacing, 0);  // 0.5 rounds to the even 0
    EXPECT_EQ(five.slider.largeStep, 0);
    EXPECT_EQ(five.slider.smallStep, 0);

    const auto id = addFunction(2, "SLIDER", "REG", "#", key, "W", "T", "", 1, 2, "400", 10, 1000);
    const struct {
        const char* value;
        std::int64_t position;
    } cases[] = {{"250", 250}, {"250.5", 250}, {"251.5", 252}, {"5000", 1000},
                 {"-3", 10},   {"abc", 10},    {"&H20", 32}};
    for (const auto& c : cases) {
        host.registry[key + "|W"] = c.value;
        const PageState state = read(id, "SLIDER");
        EXPECT_EQ(state.slider.position, c.position) << c.value;
        EXPECT_EQ(state.slider.numberBox, std::to_string(c.position)) << c.value;
    }
}

TEST_F(Engine, OptionSelectsThenOrElseAndSetsTheChoiceLetter) {
    const auto id = addFunction(1, "OPTION", "REG", "#", key, "Flag", "D", "1", 1, 2, "2");
    const struct {
        const char* value;  // nullptr: absent
        int option;
        const char* letter;
    } cases[] = {{"1", 1, "A"}, {"0", 2, "B"}, {"", 2, "B"}, {nullptr, 2, "B"}, {" 1", 2, "B"}};
    for (const auto& c : cases) {
        host.registry.erase(key + "|Flag");
        if (c.value) host.registry[key + "|Flag"] = c.value;
        const PageState state = read(id, "OPTION");
        EXPECT_EQ(state.selectedOption, c.option) << (c.value ? c.value : "absent");
        EXPECT_EQ(state.ChoiceLetter, c.letter) << (c.value ? c.value : "absent");
        EXPECT_EQ(std::get<double>(state.DefaultValue), 2.0);
    }
    // The type letter is cut to one character; an empty one reads as text (" ").
    EXPECT_EQ(host.calls.back(), "GetReg " + key + "|Flag|D");
    const auto longType = addFunction(2, "OPTION", "REG", "#", key, "X", "DWORD", "1", 1, 2, "1");
    read(longType, "OPTION");
    EXPECT_EQ(host.calls.back(), "GetReg " + key + "|X|D");
    const auto emptyType = addFunction(3, "OPTION", "REG", "#", key, "Y", "", "1", 1, 2, "1");
    read(emptyType, "OPTION");
    EXPECT_EQ(host.calls.back(), "GetReg " + key + "|Y| ");
}

TEST_F(Engine, OptionIfValueNoKeyMatchesAnAbsentValueAndBadOptionNumbersSelectNothing) {
    const auto absent =
        addFunction(1, "OPTION", "REG", "#", key, "Marker", "T", "NO Key", 1, 2, "1");
    EXPECT_EQ(read(absent, "OPTION").selectedOption, 1);
    host.registry[key + "|Marker"] = "";
    EXPECT_EQ(read(absent, "OPTION").selectedOption, 2);

    const auto broken = addFunction(2, "OPTION", "REG", "#", key, "Other", "T", "x", 3, 0, "1");
    const PageState state = read(broken, "OPTION");
    EXPECT_EQ(state.selectedOption, 0);
    EXPECT_EQ(state.ChoiceLetter, "A");  // the letter the page opened with
}

TEST_F(Engine, TextShowsTheValueOrNothingAndExpandsTheDefault) {
    const auto id = addFunction(1, "TEXT", "REG", "#", key, "Wallpaper", "T", "", 1, 2, "%WD%TEMP");
    PageState state = read(id, "TEXT");
    EXPECT_EQ(state.text, "");
    EXPECT_EQ(std::get<std::string>(state.DefaultValue), "C:\\WINDOWS\\TEMP");
    host.registry[key + "|Wallpaper"] = "%WD%CLOUDS.BMP";  // values read are never expanded
    EXPECT_EQ(read(id, "TEXT").text, "%WD%CLOUDS.BMP");
}

TEST_F(Engine, IniValuesComeFromTheExpandedFileWithSectionAndKeyAsStored) {
    const auto id = addFunction(1, "OPTION", "INI", "%BD%MSDOS.SYS", "%WD%Options", "%SD%", "T",
                                "1", 2, 1, "1");
    host.ini["C:\\MSDOS.SYS|%WD%Options|%SD%"] = "1";
    EXPECT_EQ(read(id, "OPTION").selectedOption, 2);
    EXPECT_EQ(host.calls.back(), "GET_Ini C:\\MSDOS.SYS|%WD%Options|%SD%");
}

TEST_F(Engine, OtherKindsReadAnEmptyValueAndUnknownPresentationsSetNothing) {
    const auto id = addFunction(1, "OPTION", "#", "#", "#", "#", "T", "", 1, 2, "1");
    const PageState state = read(id, "OPTION");
    EXPECT_EQ(state.currentValue, "");
    EXPECT_EQ(state.selectedOption, 1);  // the empty if-value matches
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(read(id, "CHECKBOX").selectedOption, 0);
    // A property ID that does not exist leaves every field empty; the steps still run.
    const PageState missing = read(999, "SLIDER");
    EXPECT_EQ(missing.slider.position, 0);
}

TEST_F(Engine, ApplyRunsTheCommandsOfTheLetterInDatabaseOrder) {
    addFunction(1, "OPTION", "REG", "#", key, "A1", "T", "1", 1, 2, "1");
    addCommand(1, "A", "REGSET", "#", key, "A1", "1");
    addCommand(1, "B", "REGSET", "#", key, "A1", "0");
    addCommand(1, "A", "REGDEL", "#", key, "%ROOT%", "#");
    addCommand(1, "A", "INISET", "%WD%WIN.INI", "windows", "Beep", "yes");
    addCommand(1, "A", "INIDEL", "%WD%WIN.INI", "windows", "Old", "ignored");
    addCommand(1, "a", "REGSET", "#", key, "lower", "1");  // letters compare exactly
    EXPECT_EQ(apply(1, {1, 0, ""}), "A");
    EXPECT_EQ(host.changes(),
              (std::vector<std::string>{
                  "SetReg " + key + "|A1=1|T", "DelReg " + key + "|%ROOT%",
                  "SET_Ini C:\\WINDOWS\\WIN.INI|windows|Beep=yes",
                  "SET_Ini C:\\WINDOWS\\WIN.INI|windows|Old=",  // the key stays, emptied
              }));
}

TEST_F(Engine, EmptiedTextRunsTheBCommandsWhenThereAreAny) {
    addFunction(1, "TEXT", "REG", "#", key, "Name", "T", "", 1, 2, "x");
    addCommand(1, "A", "REGSET", "#", key, "Name", "%EINGABE%");
    addCommand(1, "B", "REGDEL", "#", key, "Name", "#");
    EXPECT_EQ(apply(1, {3, 0, ""}), "B");
    EXPECT_EQ(host.changes(), (std::vector<std::string>{"DelReg " + key + "|Name"}));

    addFunction(2, "TEXT", "REG", "#", key, "Other", "T", "", 1, 2, "x");
    addCommand(2, "A", "REGSET", "#", key, "Other", "%EINGABE%");
    host.calls.clear();
    EXPECT_EQ(apply(2, {3, 0, ""}), "A");
    EXPECT_EQ(host.changes(), (std::vector<std::string>{"SetReg " + key + "|Other=|T"}));
}

TEST_F(Engine, UserInputIsSubstitutedOnlyForTheWholeFieldThenCleanedAndExpanded) {
    addFunction(1, "TEXT", "REG", "#", key, "N", "T", "", 1, 2, "x");
    addCommand(1, "A", "REGSET", "#", key, "Whole", "%EINGABE%");
    addCommand(1, "A", "REGSET", "#", key, "Inside", "x%EINGABE%");
    const struct {
        const char* input;
        const char* whole;
    } cases[] = {{"#", ""}, {"%WD%CLOUDS.BMP", "C:\\WINDOWS\\CLOUDS.BMP"}, {"plain", "plain"}};
    for (const auto& c : cases) {
        host.calls.clear();
        apply(1, {3, 0, c.input});
        EXPECT_EQ(host.changes(),
                  (std::vector<std::string>{"SetReg " + key + "|Whole=" + c.whole + "|T",
                                            "SetReg " + key + "|Inside=x%EINGABE%|T"}))
            << c.input;
    }
}

TEST_F(Engine, SliderInputIsThePositionAndOptionInputCarriesThePreviousValue) {
    addFunction(1, "SLIDER", "REG", "#", key, "Delay", "T", "", 1, 2, "400", 0, 1000);
    addCommand(1, "A", "REGSET", "#", key, "Delay", "%EINGABE%", "D");
    apply(1, {2, 250, "ignored"});
    EXPECT_EQ(host.changes(), (std::vector<std::string>{"SetReg " + key + "|Delay=250|D"}));

    addFunction(2, "OPTION", "REG", "#", key, "Flag", "T", "1", 1, 2, "1");
    addCommand(2, "A", "REGSET", "#", key, "First", "%EINGABE%");
    addCommand(2, "A", "REGSET", "#", key, "Second", "7");
    addCommand(2, "A", "REGSET", "#", key, "Third", "%EINGABE%");
    host.calls.clear();
    apply(2, {1, 0, "typed"});
    EXPECT_EQ(host.changes(), (std::vector<std::string>{"SetReg " + key + "|First=|T",
                                                        "SetReg " + key + "|Second=7|T",
                                                        "SetReg " + key + "|Third=7|T"}));
}

TEST_F(Engine, FileOperationsCompareInUpperCaseAndUnknownOnesDoNothing) {
    addFunction(1, "OPTION", "#", "#", "#", "#", "T", "", 1, 2, "1");
    addCommand(1, "A", "INISET", "%BD%MSDOS.SYS", "%copy%", "%BD%MSDOS.VTX", "#");
    addCommand(1, "A", "INISET", "%WD%TTFCACHE", "%Del%", "#", "#");
    addCommand(1, "A", "INIDEL", "%WD%LOGOW.SYS", "%RENAME%", "%WD%LOGOW.BAK", "#");
    addCommand(1, "A", "INISET", "%WD%WIN.INI", "%COPYX%", "x", "y");
    apply(1, {1, 0, ""});
    EXPECT_EQ(host.changes(),
              (std::vector<std::string>{"copy C:\\MSDOS.SYS>C:\\MSDOS.VTX",
                                        "delete C:\\WINDOWS\\TTFCACHE",
                                        "rename C:\\WINDOWS\\LOGOW.SYS>C:\\WINDOWS\\LOGOW.BAK"}));
    // Every INI-store command clears the file's attributes first, the misspelt one too.
    EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), "attrib C:\\WINDOWS\\WIN.INI"), 1);
    EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), "attrib C:\\MSDOS.SYS"), 1);
}

TEST_F(Engine, AFailingCommandDoesNotStopTheOthers) {
    addFunction(1, "OPTION", "REG", "#", key, "X", "D", "1", 1, 2, "1");
    addCommand(1, "A", "REGSET", "#", key, "Before", "1", "D");
    addCommand(1, "A", "REGSET", "#", key, "Broken", "not a number", "D");
    addCommand(1, "A", "REGSET", "#", key, "After", "2", "D");
    addCommand(1, "A", "UNKNOWN", "#", key, "Ignored", "2", "D");
    host.failingSetName = "Broken";
    apply(1, {1, 0, ""});
    EXPECT_EQ(host.registry.count(key + "|Before"), 1u);
    EXPECT_EQ(host.registry.count(key + "|After"), 1u);
    EXPECT_EQ(host.registry.count(key + "|Broken"), 0u);
    EXPECT_EQ(host.registry.count(key + "|Ignored"), 0u);
}

TEST_F(Engine, FunctionsAreListedOnTheirPlatformsAndOpenOnlyWithAPropertyRow) {
    addFunction(1, "OPTION", "#", "#", "#", "#", "T", "", 1, 2, "1", 0, 0, 1);  // NT only
    addFunction(2, "OPTION", "#", "#", "#", "#", "T", "", 1, 2, "1", 0, 0, 6);  // 95 and 98
    db->execute("INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (3, 1, 'Bare', 7)");
    auto ids = [&](int platform) {
        std::vector<std::int64_t> result;
        for (const auto& f : listHiddenFunctions(*db, platform)) result.push_back(f.id);
        return result;
    };
    EXPECT_EQ(ids(1), (std::vector<std::int64_t>{3, 1}));
    EXPECT_EQ(ids(2), (std::vector<std::int64_t>{3, 2}));
    EXPECT_EQ(ids(3), (std::vector<std::int64_t>{3, 2}));
    EXPECT_EQ(ids(0), (std::vector<std::int64_t>{3, 1, 2}));
    EXPECT_EQ(listHiddenFunctions(*db, 1)[1].folderPath, "Top\\Sub");

    EXPECT_THROW(openHiddenFunction(*db, 3), TweakError);
    EXPECT_THROW(openHiddenFunction(*db, 42), TweakError);
    // With two property rows the first one counts.
    db->execute("INSERT INTO HIDDEN_EIGENSCHAFT (ITEM_ID, TYP) VALUES (1, 'TEXT')");
    EXPECT_EQ(openHiddenFunction(*db, 1).property.presentation, "OPTION");
}

TEST_F(Engine, RestartModes) {
    EXPECT_TRUE(RestartSystem(host, 1));
    EXPECT_TRUE(RestartSystem(host, 2));
    EXPECT_FALSE(RestartSystem(host, 0));
    EXPECT_FALSE(RestartSystem(host, 3));
    EXPECT_EQ(host.calls, (std::vector<std::string>{"exec RESTART.EXE", "restart"}));
}
