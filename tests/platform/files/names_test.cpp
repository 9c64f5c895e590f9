#include "platform/files/DosWildcard.h"
#include "platform/files/ShortName.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/ScratchDir.h"

using namespace vantix::platform;
namespace fs = std::filesystem;

namespace {

TEST(DosWildcard, MatchesLikeDos) {
    const struct {
        const char* pattern;
        const char* name;
        bool matches;
    } cases[] = {
        {"*.*", "README", true},         {"*.*", "a.b.c", true},        {"*.TMP", "x.tmp", true},
        {"*.tmp", "x.tmp.bak", false},   {"~*.tmp", "~WRL0001.TMP", true}, {"?.txt", "a.txt", true},
        {"?.txt", "ab.txt", false},      {"*", "anything", true},       {"a*b*c", "aXXbYYc", true},
        {"a*b*c", "aXXbYY", false},      {"*.??", "f.ab", true},        {"*.??", "f.abc", false},
        {"\xC3\x84*", "\xC3\xA4rger.txt", true},  // folded beyond ASCII
        {"?", "\xC3\xA4", true},                  // one character, two bytes
        {"exact.ini", "EXACT.INI", true},        {"exact.ini", "exact.in", false},
    };
    for (const auto& c : cases) EXPECT_EQ(matchesDosWildcard(c.pattern, c.name), c.matches) << c.pattern << " " << c.name;
    // Backtracking stays linear on a hostile pattern.
    EXPECT_FALSE(matchesDosWildcard(std::string(200, '*') + "x", std::string(20000, 'a')));
}

TEST(ShortName, FormsNamesAsWindowsDoes) {
    const struct {
        const char* name;
        const char* expected;
    } cases[] = {
        {"README.TXT", "README.TXT"},         {"readme.txt", "readme.txt"},       {"NOEXT", "NOEXT"},
        {"Program Files", "PROGRA~1"},        {"My Documents", "MYDOCU~1"},       {"index.html", "INDEX~1.HTM"},
        {"a+b,c;d=e[f].txt", "A_B_C_~1.TXT"}, {".profile", "PROFIL~1"},           {"archive.tar.gz", "ARCHIV~1.GZ"},
        {"ab cd.x", "ABCD~1.X"},              {"\xC3\xA4nderung.doc", "_NDERU~1.DOC"},  {"name.", "NAME~1"},
        {"TOOLONGNAME.TXT", "TOOLON~1.TXT"},  {"two.dots.x", "TWODOT~1.X"},
    };
    for (const auto& c : cases) EXPECT_EQ(shortName(c.name, {}), c.expected) << c.name;
}

TEST(ShortName, NumbersCollidingSiblingsInNameOrder) {
    const std::vector<std::string> folder = {"Program Files (x86)", "Program Files", "PROGRA~1", "ProgramData"};
    // PROGRA~1 exists as a real short name, so the long names start at ~2.
    EXPECT_EQ(shortName("Program Files", folder), "PROGRA~2");
    EXPECT_EQ(shortName("Program Files (x86)", folder), "PROGRA~3");
    EXPECT_EQ(shortName("ProgramData", folder), "PROGRA~4");
    EXPECT_EQ(shortName("PROGRA~1", folder), "PROGRA~1");
    // Ten collisions need a shorter base for the two-digit number.
    std::vector<std::string> many;
    for (int i = 0; i < 12; ++i) many.push_back("Document number " + std::to_string(100 + i) + ".txt");
    EXPECT_EQ(shortName(many[0], many), "DOCUME~1.TXT");
    EXPECT_EQ(shortName(many[9], many), "DOCUM~10.TXT");
    EXPECT_EQ(shortName(many[11], many), "DOCUM~12.TXT");
}

TEST(ShortName, ShortensWholeImagePaths) {
    ScratchDir scratch;
    const fs::path c = scratch / "drive_c";
    fs::create_directories(c / "Program Files" / "Acme Tools");
    fs::create_directories(c / "Program Files (x86)");
    fs::create_directories(scratch / "dosdevices");
    ScratchDir::write(c / "Program Files" / "Acme Tools" / "read me.txt", "x");
    fs::create_directory_symlink("../drive_c", scratch / "dosdevices" / "c:");
    EXPECT_EQ(shortWindowsPath(scratch.path(), "c:\\program files\\ACME TOOLS\\Read Me.txt"),
              "C:\\PROGRA~1\\ACMETO~1\\README~1.TXT");
    EXPECT_EQ(shortWindowsPath(scratch.path(), "C:\\Program Files (x86)"), "C:\\PROGRA~2");
    EXPECT_EQ(shortWindowsPath(scratch.path(), "C:\\"), "C:\\");
    EXPECT_FALSE(shortWindowsPath(scratch.path(), "C:\\Program Files\\missing.txt"));
    EXPECT_FALSE(shortWindowsPath(scratch.path(), "Q:\\x"));
}

}  // namespace
