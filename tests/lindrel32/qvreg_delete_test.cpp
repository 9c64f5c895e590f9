#include <gtest/gtest.h>

#include "BareImage.h"
#include "lindrel32/QVREG.h"

using namespace vantix::platform;

// Deleting a key with "%ROOT%" removes that key: a link goes as a link (its
// target keeps everything), and a hive root is refused before anything goes.
TEST(QvregDelete, DeletingALinkKeyRemovesTheLinkAndNeverTheTarget) {
    BareImage image;
    auto& registry = image.machine->registry();
    ASSERT_TRUE(registry.setValue(Root::LocalMachine, "System\\ControlSet001\\Services\\Beep",
                                  RegValue::dword("Start", 1)));
    ASSERT_TRUE(registry.createLink(Root::LocalMachine, "System\\CurrentControlSet",
                                    "\\Registry\\Machine\\System\\ControlSet001"));
    // A link below the key being deleted is not walked into either.
    ASSERT_TRUE(registry.createLink(Root::LocalMachine, "Software\\Wow6432Node\\Classes",
                                    "\\Registry\\Machine\\System\\ControlSet001"));
    lindrel32::QVREG reg(*image.machine);

    EXPECT_TRUE(reg.DelReg("HKEY_LOCAL_MACHINE\\System\\CurrentControlSet", "%ROOT%"));
    EXPECT_FALSE(registry.keyExists(Root::LocalMachine, "System\\CurrentControlSet"));
    EXPECT_EQ(reg.GetReg("HKEY_LOCAL_MACHINE\\System\\ControlSet001\\Services\\Beep", "Start", "D"),
              "1");

    EXPECT_TRUE(reg.DelReg("HKEY_LOCAL_MACHINE\\Software\\Wow6432Node", "%ROOT%"));
    EXPECT_FALSE(registry.keyExists(Root::LocalMachine, "Software\\Wow6432Node"));
    EXPECT_EQ(reg.GetReg("HKEY_LOCAL_MACHINE\\System\\ControlSet001\\Services\\Beep", "Start", "D"),
              "1");
}

TEST(QvregDelete, HiveRootsAreRefusedBeforeAnythingIsDeleted) {
    BareImage image;
    auto& registry = image.machine->registry();
    ASSERT_TRUE(registry.setValue(Root::Users, ".Default\\Control Panel\\Desktop",
                                  RegValue::string("Wallpaper", "x")));
    ASSERT_TRUE(registry.setValue(Root::CurrentUser, "Software\\Mine", RegValue::dword("v", 1)));
    const auto defaultUser = ScratchDir::read(image.dir() / "userdef.reg");
    const auto user = ScratchDir::read(image.dir() / "user.reg");
    lindrel32::QVREG reg(*image.machine);
    for (const char* path :
         {"HKEY_USERS\\.Default", "HKEY_USERS\\.DEFAULT\\", "HKEY_USERS\\S-1-5-21-0-0-0-1000",
          "HKEY_CURRENT_USER\\", "HKEY_LOCAL_MACHINE\\"}) {
        EXPECT_FALSE(reg.DelReg(path, "%ROOT%")) << path;
        EXPECT_EQ(reg.LastError(), "a root key cannot be deleted") << path;
    }
    EXPECT_EQ(ScratchDir::read(image.dir() / "userdef.reg"), defaultUser);
    EXPECT_EQ(ScratchDir::read(image.dir() / "user.reg"), user);
    EXPECT_TRUE(registry.isHiveRoot(Root::Users, ".default"));
    EXPECT_FALSE(registry.isHiveRoot(Root::Users, ".Default\\Control Panel"));
    EXPECT_FALSE(registry.isHiveRoot(Root::ClassesRoot, ""));
}

// A Windows 9x program reads a string value's bytes in its ANSI code page.
TEST(QvregBinaryReads, StringValuesReadAsWindows1252Bytes) {
    BareImage image;
    auto& registry = image.machine->registry();
    ASSERT_TRUE(registry.setValue(Root::CurrentUser, "Software\\T", RegValue::string("Sz", "Grüße €")));
    ASSERT_TRUE(registry.setValue(Root::CurrentUser, "Software\\T",
                                  RegValue::string("Multi", std::string("a\0b", 3), regtype::MultiSz)));
    ASSERT_TRUE(registry.setValue(Root::CurrentUser, "Software\\T", RegValue::binary("Bin", {0xFF, 0x00})));
    lindrel32::QVREG reg(*image.machine);
    EXPECT_EQ(reg.GetReg("HKEY_CURRENT_USER\\Software\\T", "Sz", "B"), "4772FCDF65208000");
    EXPECT_EQ(reg.GetReg("HKEY_CURRENT_USER\\Software\\T", "Multi", "B"), "61006200");
    EXPECT_EQ(reg.GetReg("HKEY_CURRENT_USER\\Software\\T", "Bin", "B"), "FF00");
}
