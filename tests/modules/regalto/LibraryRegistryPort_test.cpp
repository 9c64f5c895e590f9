#include "modules/regalto/host/LibraryRegistryPort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <stdlib.h>
#include <unistd.h>

#include "modules/regalto/KeyTree.h"
#include "modules/regalto/ValueList.h"
#include "platform/machine/Machine.h"

namespace vantix::regalto {
namespace {

namespace fs = std::filesystem;
using platform::Root;

std::string readFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

class LibraryPortTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("regalto-port-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        // The image templates of the build, without its module programs.
        fs::create_directories(dir / "program");
        fs::create_directory_symlink(fs::path(VANTIX_PROGRAM_DIR) / "machine", dir / "program" / "machine");
        ::setenv("VANTIX_PROGRAM_DIR", (dir / "program").c_str(), 1);
        machine = platform::Machine::create(dir / "image", platform::WindowsPlatform::Win98);
        port = std::make_unique<LibraryRegistryPort>(*machine);
    }
    void TearDown() override {
        port.reset();
        machine.reset();
        fs::remove_all(dir);
    }
    fs::path dir;
    std::unique_ptr<platform::Machine> machine;
    std::unique_ptr<LibraryRegistryPort> port;
    const std::string key = "HKEY_CURRENT_USER\\Software\\RoundTrip";
};

TEST_F(LibraryPortTest, ReadsWhatTheEditorWritesInEachForm) {
    ASSERT_TRUE(port->setValue(key, "Text", "hello", ""));
    ASSERT_TRUE(port->setValue(key, "Bytes", "00FF10", "B"));
    ASSERT_TRUE(port->setValue(key, "Number", "-1", "D"));
    const auto listing = listValues(*port, key);
    ASSERT_EQ(listing.entries.size(), 4u);
    EXPECT_EQ(listing.entries[0].setting, "(value not set)");
    std::map<std::string, std::string> shown;
    for (const auto& entry : listing.entries) shown[entry.name] = entry.setting;
    EXPECT_EQ(shown["Text"], "hello");
    EXPECT_EQ(shown["Bytes"], "00FF10");
    EXPECT_EQ(shown["Number"], "-1  (FFFFFFFF)");
    EXPECT_EQ(port->getValue(key, "Missing", ""), kNoKey);
    EXPECT_GT(port->subKeyCount("HKEY_CURRENT_USER\\Software"), 0);
}

TEST_F(LibraryPortTest, RootKeysAreListedLikeAnyOther) {
    KeyTree tree(*port);
    KeyNode& user = *tree.roots()[1];
    ASSERT_TRUE(tree.expand(user));
    EXPECT_NE(KeyTree::childNamed(user, "Software"), nullptr);
    KeyNode& machineRoot = *tree.roots()[2];
    tree.expand(machineRoot);
    KeyNode* software = KeyTree::childNamed(machineRoot, "SOFTWARE");  // as the Windows 98 image spells it
    ASSERT_NE(software, nullptr);
    EXPECT_TRUE(software->unread());
    EXPECT_EQ(listValues(*port, "HKEY_LOCAL_MACHINE").entries.size(), 1u);
}

TEST_F(LibraryPortTest, EditingAndRenamingKeepTheRegistryType) {
    auto& registry = machine->registry();
    const std::string sub = "Software\\RoundTrip";
    ASSERT_TRUE(registry.setValue(Root::CurrentUser, sub,
                                  platform::RegValue::string("Path", "%WINDIR%\\x", platform::regtype::ExpandSz)));
    ASSERT_TRUE(registry.setValue(Root::CurrentUser, sub,
                                  platform::RegValue{"Multi", platform::regtype::MultiSz, {'a', 0, 0, 0, 0, 0}}));
    ASSERT_TRUE(port->setValue(key, "Path", "%WINDIR%\\y", ""));
    ASSERT_TRUE(port->renameValue(key, "Path", "NewPath", "T"));
    const auto path = registry.getValue(Root::CurrentUser, sub, "NewPath");
    ASSERT_TRUE(path);
    EXPECT_EQ(path->type, platform::regtype::ExpandSz);
    EXPECT_EQ(path->text(), "%WINDIR%\\y");
    EXPECT_FALSE(registry.getValue(Root::CurrentUser, sub, "Path"));

    EXPECT_EQ(port->getValue(key, "Multi", "B"), "610000");  // the ANSI bytes
    ASSERT_TRUE(port->setValue(key, "Multi", "620000", "B"));
    ASSERT_TRUE(port->renameValue(key, "Multi", "Multi2", "B"));
    const auto multi = registry.getValue(Root::CurrentUser, sub, "Multi2");
    ASSERT_TRUE(multi);
    EXPECT_EQ(multi->type, platform::regtype::MultiSz);
    EXPECT_EQ(multi->data, (std::vector<std::uint8_t>{'b', 0, 0, 0, 0, 0}));
    EXPECT_FALSE(port->renameValue(key, "Gone", "Other", "T"));
}

TEST_F(LibraryPortTest, ExportImportRoundTripIsByteStable) {
    ASSERT_TRUE(port->setValue(key, "", "default text", ""));
    ASSERT_TRUE(port->setValue(key, "Quote \"and\" slash \\", "C:\\WINDOWS", ""));
    ASSERT_TRUE(port->setValue(key, "Bytes", "DEADBEEF", "B"));
    ASSERT_TRUE(port->setValue(key, "Number", "31", "D"));
    ASSERT_TRUE(port->setValue(key + "\\Child\\Grandchild", "Deep", "1", "D"));
    const fs::path first = dir / "first.reg";
    const fs::path second = dir / "second.reg";
    ASSERT_EQ(port->exportKey(key, first), "");
    const std::string exported = readFile(first);
    EXPECT_TRUE(exported.starts_with("REGEDIT4"));
    EXPECT_NE(exported.find("Grandchild"), std::string::npos);

    ASSERT_TRUE(port->deleteKey(key));
    const auto software = port->subKeys("HKEY_CURRENT_USER\\Software");
    EXPECT_EQ(std::find(software.begin(), software.end(), "RoundTrip"), software.end());
    ASSERT_EQ(port->importFile(first), "");
    ASSERT_EQ(port->exportKey(key, second), "");
    EXPECT_EQ(readFile(second), exported);
    EXPECT_EQ(port->getValue(key + "\\Child\\Grandchild", "Deep", "D"), "1");
}

TEST_F(LibraryPortTest, BadImportChangesNothingAndSaysWhy) {
    const fs::path file = dir / "bad.reg";
    std::ofstream(file, std::ios::binary) << "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Half]\r\n\"A\"=\"1\"\r\n"
                                             "\"B\"=dword:zz\r\n";
    const std::string failure = port->importFile(file);
    EXPECT_NE(failure, "");
    EXPECT_EQ(port->getValue("HKEY_CURRENT_USER\\Software\\Half", "A", ""), kNoKey);
    EXPECT_NE(port->exportKey("HKEY_NOWHERE\\x", dir / "x.reg"), "");
}

}  // namespace
}  // namespace vantix::regalto
