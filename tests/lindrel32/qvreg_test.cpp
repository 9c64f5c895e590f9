#include "lindrel32/QVREG.h"

#include <gtest/gtest.h>

#include "lindrel32/SettingsStore.h"
#include "tests/lindrel32/BareImage.h"

using namespace vantix::platform;
using lindrel32::QVREG;

namespace {

constexpr const char* kKey = "HKEY_CURRENT_USER\\Software\\Test";

class RegistryAccess : public ::testing::Test {
protected:
    Registry& registry() { return image.machine->registry(); }
    std::optional<RegValue> stored(std::string_view key, std::string_view name) {
        return registry().getValue(Root::CurrentUser, key, name);
    }
    BareImage image;
    QVREG reg{*image.machine};
};

TEST_F(RegistryAccess, DwordTextBothWays) {
    struct Case {
        const char* text;
        std::uint32_t stored;
        const char* readBack;
    };
    const Case cases[] = {
        {"-1", 0xFFFFFFFF, "-1"},
        {"&HFFFFFFFF", 0xFFFFFFFF, "-1"},
        {"&h10", 16, "16"},
        {"2147483647", 0x7FFFFFFF, "2147483647"},
        {"-2147483648", 0x80000000, "-2147483648"},
        {" 42 ", 42, "42"},
        {"+7", 7, "7"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(reg.SetReg(kKey, "n", c.text, "D")) << c.text;
        EXPECT_EQ(stored("Software\\Test", "n"), RegValue::dword("n", c.stored)) << c.text;
        EXPECT_EQ(reg.GetReg(kKey, "n", "D"), c.readBack) << c.text;
    }
    // Text out of range or not a number fails the call and writes nothing.
    for (const char* bad :
         {"4294967295", "2147483648", "abc", "", "1.5", "&H100000000", "&HXY", "12abc"}) {
        EXPECT_THROW(reg.SetReg(kKey, "bad", bad, "D"), std::invalid_argument) << bad;
        EXPECT_FALSE(stored("Software\\Test", "bad")) << bad;
    }
    EXPECT_THROW(reg.SetReg("HKEY_CURRENT_USER\\Software\\Fresh", "x", "zz", "D"),
                 std::invalid_argument);
    EXPECT_FALSE(registry().keyExists(Root::CurrentUser, "Software\\Fresh"));
}

TEST_F(RegistryAccess, DwordReadOfOtherSizes) {
    // Shorter data fills the low bytes; longer data cannot be read as a DWORD.
    ASSERT_TRUE(registry().setValue(Root::CurrentUser, "Software\\Test",
                                    RegValue::binary("two", {0x34, 0x12})));
    ASSERT_TRUE(registry().setValue(Root::CurrentUser, "Software\\Test",
                                    RegValue::binary("eight", {1, 0, 0, 0, 0, 0, 0, 0})));
    ASSERT_TRUE(
        registry().setValue(Root::CurrentUser, "Software\\Test", RegValue::binary("none", {})));
    EXPECT_EQ(reg.GetReg(kKey, "two", "D"), "4660");
    EXPECT_EQ(reg.GetReg(kKey, "eight", "D"), "NO Key");
    EXPECT_EQ(reg.GetReg(kKey, "none", "D"), "0");
}

TEST_F(RegistryAccess, BinaryTextBothWays) {
    ASSERT_TRUE(reg.SetReg(kKey, "b", "0A00FF", "B"));
    EXPECT_EQ(stored("Software\\Test", "b"), RegValue::binary("b", {0x0A, 0x00, 0xFF}));
    EXPECT_EQ(reg.GetReg(kKey, "b", "B"), "0A00FF");
    ASSERT_TRUE(reg.SetReg(kKey, "odd", "ABC", "B"));
    EXPECT_EQ(stored("Software\\Test", "odd"), RegValue::binary("odd", {0xAB, 0x0C}));
    ASSERT_TRUE(reg.SetReg(kKey, "lower", "ff0a", "B"));
    EXPECT_EQ(reg.GetReg(kKey, "lower", "B"), "FF0A");
    ASSERT_TRUE(reg.SetReg(kKey, "empty", "", "B"));
    EXPECT_EQ(stored("Software\\Test", "empty"), RegValue::binary("empty", {}));
    EXPECT_EQ(reg.GetReg(kKey, "empty", "B"), "");
    for (const char* bad : {"0G", "12 4", "-1", "+1"}) {
        EXPECT_THROW(reg.SetReg(kKey, "bad", bad, "B"), std::invalid_argument) << bad;
        EXPECT_FALSE(stored("Software\\Test", "bad")) << bad;
    }
    // The letter decides the text form: a string's bytes as a Windows 9x
    // program reads them (ANSI, with the terminating NUL).
    ASSERT_TRUE(reg.SetReg(kKey, "s", "AB"));
    EXPECT_EQ(reg.GetReg(kKey, "s", "B"), "414200");
}

TEST_F(RegistryAccess, StringsAndAbsence) {
    ASSERT_TRUE(reg.SetReg(kKey, "s", "Grüße, \"quoted\" \\ text"));
    EXPECT_EQ(reg.GetReg(kKey, "s"), "Grüße, \"quoted\" \\ text");
    EXPECT_EQ(reg.GetReg(kKey, "s", "T"), reg.GetReg(kKey, "s", "x"));
    ASSERT_TRUE(reg.SetReg(kKey, "", "default"));
    EXPECT_EQ(reg.GetReg(kKey, ""), "default");
    ASSERT_TRUE(reg.SetReg(kKey, "empty", ""));
    EXPECT_EQ(reg.GetReg(kKey, "empty"), "");
    EXPECT_EQ(reg.GetReg(kKey, "absent"), "NO Key");
    EXPECT_EQ(reg.GetReg("HKEY_CURRENT_USER\\Software\\Nowhere", "s"), "NO Key");
    // Data without a terminating NUL loses nothing; an empty one reads as "".
    ASSERT_TRUE(registry().setValue(Root::CurrentUser, "Software\\Test",
                                    RegValue{"raw", regtype::Sz, {'h', 0, 'i', 0}}));
    ASSERT_TRUE(registry().setValue(Root::CurrentUser, "Software\\Test",
                                    RegValue{"zero", regtype::Sz, {}}));
    EXPECT_EQ(reg.GetReg(kKey, "raw"), "hi");
    EXPECT_EQ(reg.GetReg(kKey, "zero"), "");
}

TEST_F(RegistryAccess, ValueExistsTellsTheMarkerTextFromAbsence) {
    ASSERT_TRUE(reg.SetReg(kKey, "marker", "NO Key"));
    EXPECT_EQ(reg.GetReg(kKey, "marker"), "NO Key");
    EXPECT_TRUE(reg.ValueExists(kKey, "marker"));
    EXPECT_FALSE(reg.ValueExists(kKey, "absent"));
    EXPECT_FALSE(reg.ValueExists("hkey_current_user\\Software\\Test", "marker"));
}

TEST_F(RegistryAccess, PathsRootsAndTheRootKeyItself) {
    // The root key itself: "HKEY_CURRENT_USER\" with a value name.
    ASSERT_TRUE(reg.SetReg("HKEY_CURRENT_USER\\", "AtRoot", "1"));
    EXPECT_EQ(stored("", "AtRoot"), RegValue::string("AtRoot", "1"));
    EXPECT_EQ(reg.GetReg("HKEY_CURRENT_USER\\", "AtRoot"), "1");
    // Roots compare exactly.
    const std::string lower = "hkey_current_user\\Software";
    EXPECT_EQ(reg.GetReg(lower, "AtRoot"), "NO Key");
    EXPECT_FALSE(reg.SetReg(lower, "x", "1"));
    EXPECT_FALSE(
        reg.SetReg(lower, "x", "not a number", "D"));  // no root: refused before conversion
    EXPECT_EQ(reg.GetSubKeyAnzahl(lower), 0);
    std::vector<std::string> names(4);
    EXPECT_EQ(reg.GetPfad(lower, names), -1);
    EXPECT_FALSE(reg.DelReg(lower, "x"));
    // No backslash fails the call, except for the enumerations.
    // Only the throws are checked: the results of the reads are dropped.
    EXPECT_THROW((void)reg.GetReg("HKEY_CURRENT_USER", "x"), std::invalid_argument);
    EXPECT_THROW(reg.SetReg("HKEY_CURRENT_USER", "x", "1"), std::invalid_argument);
    EXPECT_THROW(reg.DelReg("HKEY_CURRENT_USER", "x"), std::invalid_argument);
    EXPECT_THROW((void)reg.GetSubKeyAnzahl("HKEY_CURRENT_USER"), std::invalid_argument);
    EXPECT_THROW(reg.RenameReg("HKEY_CURRENT_USER", "a", "b"), std::invalid_argument);
    std::vector<std::int32_t> types(4);
    EXPECT_EQ(reg.GetPfad("HKEY_CURRENT_USER", names), -1);
    EXPECT_EQ(reg.GetPfadValue("HKEY_CURRENT_USER", names, types), -1);
    // Every other root of the table is known.
    for (const char* root : {"HKEY_LOCAL_MACHINE", "HKEY_CLASSES_ROOT", "HKEY_CURRENT_CONFIG"}) {
        const std::string key = std::string(root) + "\\Vantix\\Probe";
        ASSERT_TRUE(reg.SetReg(key, "v", "1")) << root << ": " << reg.LastError();
        EXPECT_EQ(reg.GetReg(key, "v"), "1") << root;
    }
}

TEST_F(RegistryAccess, SetCreatesMissingLevels) {
    const std::string deep = "HKEY_LOCAL_MACHINE\\SOFTWARE\\A\\B\\C";
    ASSERT_TRUE(reg.SetReg(deep, "v", "5", "D"));
    EXPECT_EQ(reg.GetReg(deep, "v", "D"), "5");
    EXPECT_EQ(reg.GetSubKeyAnzahl("HKEY_LOCAL_MACHINE\\SOFTWARE\\A"), 1);
}

TEST_F(RegistryAccess, EnumerationFillsOnlyTheCallersArray) {
    for (const char* name : {"one", "two", "three"})
        ASSERT_TRUE(reg.SetReg(std::string(kKey) + "\\" + name, "", "x"));
    EXPECT_EQ(reg.GetSubKeyAnzahl(kKey), 3);
    std::vector<std::string> two(2);
    EXPECT_EQ(reg.GetPfad(kKey, two), 1);
    EXPECT_EQ(two.size(), 2u);
    EXPECT_FALSE(two[0].empty());
    EXPECT_FALSE(two[1].empty());
    std::vector<std::string> many(10, "untouched");
    EXPECT_EQ(reg.GetPfad(kKey, many), 2);
    EXPECT_EQ(many[3], "untouched");
    std::vector<std::string> none;
    EXPECT_EQ(reg.GetPfad(kKey, none), -1);
    EXPECT_EQ(reg.GetPfad(std::string(kKey) + "\\one", many), -1);  // no subkeys
    EXPECT_EQ(reg.GetPfad("HKEY_CURRENT_USER\\Nowhere", many), -1);
    EXPECT_EQ(reg.GetSubKeyAnzahl("HKEY_CURRENT_USER\\Nowhere"), 0);
}

TEST_F(RegistryAccess, ValueEnumerationWithTypesAndTheDefaultValue) {
    const std::string key = std::string(kKey) + "\\Values";
    ASSERT_TRUE(reg.SetReg(key, "", "default"));
    ASSERT_TRUE(reg.SetReg(key, "d", "1", "D"));
    ASSERT_TRUE(reg.SetReg(key, "b", "01", "B"));
    std::vector<std::string> names(5);
    std::vector<std::int32_t> types(5, -9);
    ASSERT_EQ(reg.GetPfadValue(key, names, types), 2);
    std::map<std::string, std::int32_t> seen;
    for (int i = 0; i <= 2; ++i) seen[names[i]] = types[i];
    EXPECT_EQ(seen, (std::map<std::string, std::int32_t>{{"", 1}, {"d", 4}, {"b", 3}}));
    EXPECT_EQ(types[3], -9);
    // A type array shorter than the names still gets the types that fit.
    std::vector<std::int32_t> oneType(1);
    EXPECT_EQ(reg.GetPfadValue(key, names, oneType), 2);
    std::vector<std::string> one(1);
    EXPECT_EQ(reg.GetPfadValue(key, one, types), 0);
    // A name of 256 characters or more ends the enumeration.
    const std::string longKey = std::string(kKey) + "\\Long";
    ASSERT_TRUE(reg.SetReg(longKey, std::string(300, 'z'), "x"));
    EXPECT_EQ(reg.GetPfadValue(longKey, names, types), -1);
}

TEST_F(RegistryAccess, DeleteValueAndWholeTree) {
    ASSERT_TRUE(reg.SetReg(kKey, "v", "1"));
    EXPECT_TRUE(reg.DelReg(kKey, "v"));
    EXPECT_FALSE(reg.DelReg(kKey, "v"));
    for (const char* sub : {"\\A\\B\\C", "\\A\\B2", "\\A2", ""})
        ASSERT_TRUE(reg.SetReg(std::string(kKey) + sub, "x", "1"));
    ASSERT_TRUE(reg.SetReg("HKEY_CURRENT_USER\\Software\\Tester", "keep",
                           "1"));  // a sibling with a longer name
    EXPECT_TRUE(reg.DelReg(kKey, "%ROOT%"));
    EXPECT_FALSE(registry().keyExists(Root::CurrentUser, "Software\\Test"));
    EXPECT_EQ(reg.GetReg("HKEY_CURRENT_USER\\Software\\Tester", "keep"), "1");
    EXPECT_FALSE(reg.DelReg(kKey, "%ROOT%"));
    // A root key is not deleted, nor emptied.
    EXPECT_FALSE(reg.DelReg("HKEY_CURRENT_USER\\", "%ROOT%"));
    EXPECT_TRUE(registry().keyExists(Root::CurrentUser, "Software\\Tester"));
}

TEST_F(RegistryAccess, DeleteOfAHugeTreeStopsAfterAThousandKeys) {
    // 1000 rounds remove 1000 leaves: with 1000 subkeys the top key remains, with 999 it goes.
    ASSERT_TRUE(registry().batch([&] {
        for (int i = 0; i < 1000; ++i)
            if (auto s =
                    registry().createKey(Root::CurrentUser, "Software\\Big\\k" + std::to_string(i));
                !s)
                return s;
        for (int i = 0; i < 999; ++i)
            if (auto s = registry().createKey(Root::CurrentUser,
                                              "Software\\Fits\\k" + std::to_string(i));
                !s)
                return s;
        return RegStatus::ok();
    }));
    EXPECT_TRUE(reg.DelReg("HKEY_CURRENT_USER\\Software\\Big", "%ROOT%"));
    EXPECT_TRUE(registry().keyExists(Root::CurrentUser, "Software\\Big"));
    EXPECT_EQ(reg.GetSubKeyAnzahl("HKEY_CURRENT_USER\\Software\\Big"), 0);
    EXPECT_TRUE(reg.DelReg("HKEY_CURRENT_USER\\Software\\Fits", "%ROOT%"));
    EXPECT_FALSE(registry().keyExists(Root::CurrentUser, "Software\\Fits"));
}

TEST_F(RegistryAccess, RenameCopiesThenDeletes) {
    ASSERT_TRUE(reg.SetReg(kKey, "old", "-5", "D"));
    EXPECT_TRUE(reg.RenameReg(kKey, "old", "new", "D"));
    EXPECT_EQ(stored("Software\\Test", "new"), RegValue::dword("new", 0xFFFFFFFB));
    EXPECT_FALSE(reg.ValueExists(kKey, "old"));
    // Copied with another letter the type follows the letter: the DWORD's first
    // three bytes become ANSI characters.
    EXPECT_TRUE(reg.RenameReg(kKey, "new", "text"));
    EXPECT_EQ(stored("Software\\Test", "text"), RegValue::string("text", "\u00fb\u00ff\u00ff"));
}

TEST_F(RegistryAccess, RenameOfAnAbsentValueWritesNothing) {
    EXPECT_FALSE(reg.RenameReg(kKey, "absent", "new"));
    EXPECT_FALSE(reg.ValueExists(kKey, "new"));
    EXPECT_FALSE(registry().keyExists(Root::CurrentUser, "Software\\Test"));
    // A value that does not fit the letter is not copied as "NO Key" either.
    ASSERT_TRUE(registry().setValue(Root::CurrentUser, "Software\\Test",
                                    RegValue::binary("wide", {1, 2, 3, 4, 5})));
    EXPECT_FALSE(reg.RenameReg(kKey, "wide", "new", "D"));
    EXPECT_FALSE(reg.ValueExists(kKey, "new"));
    EXPECT_TRUE(reg.ValueExists(kKey, "wide"));
}

TEST_F(RegistryAccess, RenameToTheSameNameInOtherCaseKeepsTheValue) {
    ASSERT_TRUE(reg.SetReg(kKey, "name", "kept"));
    EXPECT_TRUE(reg.RenameReg(kKey, "name", "NAME"));
    EXPECT_EQ(reg.GetReg(kKey, "name"), "kept");
    const auto values = registry().values(Root::CurrentUser, "Software\\Test");
    ASSERT_EQ(values->size(), 1u);
    EXPECT_EQ((*values)[0].name, "NAME");
    EXPECT_TRUE(reg.RenameReg(kKey, "NAME", "NAME"));
    EXPECT_EQ(reg.GetReg(kKey, "name"), "kept");
}

TEST_F(RegistryAccess, ChangesAreOnDiskForTheNextReader) {
    ASSERT_TRUE(reg.SetReg(kKey, "durable", "yes"));
    auto again = Machine::open(image.dir());
    QVREG other(*again);
    EXPECT_EQ(other.GetReg(kKey, "durable"), "yes");
}

TEST_F(RegistryAccess, DefaultObjectUsesTheCurrentMachine) {
    selectMachine(image.dir());
    QVREG current;
    ASSERT_TRUE(current.SetReg(kKey, "via", "current"));
    EXPECT_EQ(reg.GetReg(kKey, "via"), "current");
    resetCurrentMachine();
}

TEST_F(RegistryAccess, SettingsStoreKeepsTextsAndTellsMissingFromMarker) {
    lindrel32::SettingsStore store(reg);
    EXPECT_EQ(store.Get("Settings", "FirstStart", "False"), "False");
    ASSERT_TRUE(store.Save("Settings", "FirstStart", "True"));
    ASSERT_TRUE(store.Save("Settings", "Odd", "NO Key"));
    EXPECT_EQ(store.Get("Settings", "FirstStart", "False"), "True");
    EXPECT_EQ(store.Get("Settings", "Odd", "default"), "NO Key");
    EXPECT_EQ(
        reg.GetReg(
            "HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\Windows Quorvia\\Settings",
            "FirstStart"),
        "True");
    EXPECT_EQ(store.Keys("Settings").size(), 2u);
    EXPECT_TRUE(store.DeleteValue("Settings", "FirstStart"));
    EXPECT_EQ(store.Get("Settings", "FirstStart", "False"), "False");
    EXPECT_TRUE(store.DeleteSection("Settings"));
    EXPECT_TRUE(store.Keys("Settings").empty());
}

}  // namespace
