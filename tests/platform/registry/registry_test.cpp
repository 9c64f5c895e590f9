#include <gtest/gtest.h>

#include "RegistryTestSupport.h"
#include "platform/registry/Registry.h"

using namespace vantix::platform;

namespace {

struct Recorder : RegistryObserver {
    std::vector<RegistryChange> changes;
    void registryChanging(const RegistryChange& change) override { changes.push_back(change); }
};

std::string text(Registry& r, Root root, std::string_view key, std::string_view name) {
    const auto v = r.getValue(root, key, name);
    return v ? v->text() : "<absent>";
}

}  // namespace

TEST(Registry, RootNamesAreExactAndComplete) {
    for (Root root : {Root::ClassesRoot, Root::CurrentUser, Root::LocalMachine, Root::Users, Root::PerformanceData,
                      Root::CurrentConfig, Root::DynData})
        EXPECT_EQ(rootFromName(rootName(root)), root);
    EXPECT_FALSE(rootFromName("hkey_local_machine"));
    EXPECT_FALSE(rootFromName("HKLM"));
}

TEST(Registry, RootsMapOntoTheHivesAsWineMapsThem) {
    ScratchDir dir;
    copyWineHives(dir);
    Registry r(dir.path());
    ASSERT_TRUE(r.setValue(Root::ClassesRoot, ".vtx", RegValue::string("", "vtxfile")));
    EXPECT_EQ(text(r, Root::LocalMachine, "Software\\Classes\\.vtx", ""), "vtxfile");
    ASSERT_TRUE(r.setValue(Root::CurrentConfig, "Display", RegValue::dword("Bpp", 8)));
    EXPECT_TRUE(r.keyExists(Root::LocalMachine, "System\\CurrentControlSet\\Hardware Profiles\\Current\\Display"));

    ASSERT_TRUE(r.setValue(Root::CurrentUser, "Software\\T", RegValue::string("who", "me")));
    EXPECT_EQ(text(r, Root::Users, "S-1-5-21-0-0-0-1000\\Software\\T", "who"), "me");
    ASSERT_TRUE(r.setValue(Root::Users, ".DEFAULT\\Software\\T", RegValue::string("who", "default")));
    EXPECT_NE(ScratchDir::read(dir / "userdef.reg").find("[Software\\\\T]"), std::string::npos);
    EXPECT_NE(ScratchDir::read(dir / "user.reg").find("\"who\"=\"me\""), std::string::npos);
    EXPECT_EQ(*r.subKeyNames(Root::Users, ""), (std::vector<std::string>{".Default", "S-1-5-21-0-0-0-1000"}));
    EXPECT_FALSE(r.setValue(Root::Users, "", RegValue::dword("x", 1)));
    EXPECT_FALSE(r.keyExists(Root::Users, "S-1-5-18"));

    for (Root empty : {Root::DynData, Root::PerformanceData}) {
        EXPECT_TRUE(r.keyExists(empty, ""));
        EXPECT_TRUE(r.subKeyNames(empty, "")->empty());
        EXPECT_FALSE(r.keyExists(empty, "PerfStats"));
        EXPECT_EQ(r.setValue(empty, "", RegValue::dword("x", 1)).code, RegStatus::InvalidArgument);
        EXPECT_FALSE(r.createKey(empty, "X"));
    }
}

TEST(Registry, NamesAreCaseInsensitiveAndKeepTheirCase) {
    ScratchDir dir;
    Registry r(dir.path());
    ASSERT_TRUE(r.setValue(Root::LocalMachine, "Software\\MixedCase\\\u00c9t\u00e9", RegValue::string("Value", "1")));
    EXPECT_EQ(text(r, Root::LocalMachine, "SOFTWARE\\mixedcase\\\u00e9T\u00c9", "VALUE"), "1");
    ASSERT_TRUE(r.setValue(Root::LocalMachine, "software\\MIXEDCASE\\\u00e9t\u00e9", RegValue::string("VALUE", "2")));
    const auto names = r.values(Root::LocalMachine, "Software\\MixedCase\\\u00c9t\u00e9");
    ASSERT_EQ(names->size(), 1u);
    EXPECT_EQ(names->front().name, "Value");  // first spelling kept
    EXPECT_EQ(names->front().text(), "2");
    EXPECT_EQ(*r.subKeyNames(Root::LocalMachine, "Software"), std::vector<std::string>{"MixedCase"});
    // Sibling order is Wine's: folded, shorter first.
    for (const char* k : {"ab", "B", "a b", "_x", "a"}) ASSERT_TRUE(r.createKey(Root::LocalMachine, std::string("S\\") + k));
    EXPECT_EQ(*r.subKeyNames(Root::LocalMachine, "S"), (std::vector<std::string>{"_x", "a", "a b", "ab", "B"}));
}

TEST(Registry, PathsAreCheckedNotGuessed) {
    ScratchDir dir;
    Registry r(dir.path());
    EXPECT_EQ(r.setValue(Root::LocalMachine, "a\\\\b", RegValue::dword("x", 1)).code, RegStatus::InvalidArgument);
    EXPECT_EQ(r.createKey(Root::LocalMachine, std::string(256, 'k')).code, RegStatus::InvalidArgument);
    EXPECT_TRUE(r.createKey(Root::LocalMachine, std::string(255, 'k')));
    EXPECT_TRUE(r.setValue(Root::LocalMachine, "", RegValue::dword("AtRoot", 7)));
    EXPECT_EQ(r.getValue(Root::LocalMachine, "", "AtRoot")->data, (std::vector<std::uint8_t>{7, 0, 0, 0}));
    ASSERT_TRUE(r.createKey(Root::LocalMachine, "Soft"));
    EXPECT_TRUE(r.keyExists(Root::LocalMachine, "Soft\\"));  // trailing backslash ignored
    EXPECT_FALSE(r.getValue(Root::LocalMachine, "Nope", "x"));
    EXPECT_EQ(r.deleteValue(Root::LocalMachine, "", "nope").code, RegStatus::NotFound);
}

TEST(Registry, LinksAreFollowedAcrossHives) {
    ScratchDir dir;
    Registry r(dir.path());
    ASSERT_TRUE(r.setValue(Root::LocalMachine, "System\\ControlSet001\\Control\\Windows", RegValue::dword("CSDVersion", 0x600)));
    ASSERT_TRUE(r.createLink(Root::LocalMachine, "System\\CurrentControlSet", "\\Registry\\Machine\\System\\ControlSet001"));
    EXPECT_EQ(r.createLink(Root::LocalMachine, "System\\CurrentControlSet", "\\Registry\\Machine\\X").code,
              RegStatus::InvalidArgument);
    EXPECT_EQ(r.createLink(Root::LocalMachine, "Elsewhere", "\\Registry\\Volatile\\X").code, RegStatus::InvalidArgument);
    EXPECT_NE(ScratchDir::read(dir / "system.reg").find("[System\\\\CurrentControlSet] "), std::string::npos);
    EXPECT_TRUE(r.isLink(Root::LocalMachine, "system\\currentcontrolset"));
    EXPECT_FALSE(r.isLink(Root::LocalMachine, "System\\ControlSet001"));

    Registry fresh(dir.path());  // the link survives the file
    EXPECT_EQ(fresh.getValue(Root::LocalMachine, "SYSTEM\\CurrentControlSet\\Control\\Windows", "CSDVersion")->data[1], 6);
    ASSERT_TRUE(fresh.setValue(Root::LocalMachine, "System\\CurrentControlSet\\Services\\New", RegValue::dword("Start", 2)));
    EXPECT_TRUE(fresh.keyExists(Root::LocalMachine, "System\\ControlSet001\\Services\\New"));
    EXPECT_FALSE(fresh.keyExists(Root::CurrentConfig, ""));  // Hardware Profiles\Current absent
    ASSERT_TRUE(fresh.createKey(Root::CurrentConfig, "Software"));
    EXPECT_TRUE(fresh.keyExists(Root::LocalMachine, "System\\ControlSet001\\Hardware Profiles\\Current\\Software"));
    // A link into the user's hive, as 64-bit prefixes have them.
    ASSERT_TRUE(fresh.setValue(Root::CurrentUser, "Software\\Shared", RegValue::string("who", "user")));
    ASSERT_TRUE(fresh.createLink(Root::LocalMachine, "Software\\ToUser", "\\REGISTRY\\User\\S-1-5-21-0-0-0-1000\\Software"));
    EXPECT_EQ(fresh.getValue(Root::LocalMachine, "Software\\ToUser\\Shared", "who")->text(), "user");
    // Deleting through the link's name removes the link, never the target.
    ASSERT_TRUE(fresh.deleteTree(Root::LocalMachine, "System\\CurrentControlSet"));
    EXPECT_TRUE(fresh.keyExists(Root::LocalMachine, "System\\ControlSet001\\Services\\New"));
    EXPECT_FALSE(fresh.keyExists(Root::LocalMachine, "System\\CurrentControlSet"));
}

TEST(Registry, LinkLoopsAndDanglingLinksFailCleanly) {
    ScratchDir dir;
    ScratchDir::write(dir / "system.reg", std::string(kHeader) +
                                              "\n[Loop] 1\n#link\n\"SymbolicLinkValue\"=hex(6):5c,00,52,00,65,00,67,00,69,00,73,00,74,00,"
                                              "72,00,79,00,5c,00,4d,00,61,00,63,00,68,00,69,00,6e,00,65,00,5c,00,4c,00,6f,00,6f,00,70,00\n"
                                              "\n[Nowhere] 1\n#link\n\"SymbolicLinkValue\"=hex(6):78,00\n");
    Registry r(dir.path());
    EXPECT_FALSE(r.keyExists(Root::LocalMachine, "Loop\\x"));
    EXPECT_FALSE(r.getValue(Root::LocalMachine, "Nowhere", "v"));
    EXPECT_EQ(r.setValue(Root::LocalMachine, "Loop\\x", RegValue::dword("v", 1)).code, RegStatus::NotFound);
}

TEST(Registry, UnchangedFilesStayByteIdenticalAndChangesStayLocal) {
    ScratchDir dir;
    copyWineHives(dir);
    const std::string before = readFixture("system.reg");
    Registry r(dir.path());
    EXPECT_TRUE(r.keyExists(Root::LocalMachine, "Software\\VantixFixture"));
    // Writing a value that is already there changes nothing, not even the file.
    ASSERT_TRUE(r.setValue(Root::LocalMachine, "Software\\VantixFixture", RegValue::string("touch", "1")));
    EXPECT_EQ(ScratchDir::read(dir / "system.reg"), before);

    ASSERT_TRUE(r.setValue(Root::LocalMachine, "Software\\VantixFixture", RegValue::string("touch", "2")));
    const std::string after = ScratchDir::read(dir / "system.reg");
    const std::size_t at = before.find("[Software\\\\VantixFixture]");
    const std::size_t next = before.find("\n[", at);
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(after.substr(0, at), before.substr(0, at));
    EXPECT_EQ(after.substr(after.find("\n[", after.find("[Software\\\\VantixFixture]"))), before.substr(next));
    EXPECT_NE(after.find("\"touch\"=\"2\""), std::string::npos);
    EXPECT_EQ(ScratchDir::read(dir / "user.reg"), readFixture("user.reg"));
}

TEST(Registry, UndoWithTheObserversRecordRestoresTheFileExactly) {
    ScratchDir dir;
    copyWineHives(dir);
    Registry r(dir.path());
    Recorder rec;
    r.setObserver(&rec);
    ASSERT_TRUE(r.setValue(Root::LocalMachine, "Software\\VantixFixture\\Exotic\\sub[1]", RegValue::dword("dw", 5)));
    ASSERT_TRUE(r.setValue(Root::LocalMachine, "Software\\VantixFixture\\New\\Deeper", RegValue::dword("n", 1)));
    ASSERT_TRUE(r.deleteValue(Root::LocalMachine, "Software\\VantixFixture\\Caf\u00e9", "n\u00e4me"));
    r.setObserver(nullptr);
    ASSERT_FALSE(rec.changes.empty());
    EXPECT_EQ(rec.changes.front().kind, RegistryChange::SetValue);
    EXPECT_EQ(rec.changes.front().key, "Software\\VantixFixture\\Exotic\\sub[1]");
    EXPECT_EQ(rec.changes.front().hive, "system.reg");
    EXPECT_EQ(rec.changes.front().before->data, (std::vector<std::uint8_t>{0xef, 0xbe, 0xad, 0xde}));

    // Apply the inverse of each change, newest first, as the undo journal does.
    for (auto it = rec.changes.rbegin(); it != rec.changes.rend(); ++it) {
        const RegistryChange& c = *it;
        switch (c.kind) {
            case RegistryChange::SetValue:
            case RegistryChange::DeleteValue:
                if (c.before)
                    ASSERT_TRUE(r.setValue(Root::LocalMachine, c.key, *c.before));
                else
                    ASSERT_TRUE(r.deleteValue(Root::LocalMachine, c.key, c.after->name));
                ASSERT_TRUE(r.setKeyTime(Root::LocalMachine, c.key, c.keyTimeBefore));
                break;
            case RegistryChange::CreateKey: ASSERT_TRUE(r.deleteKey(Root::LocalMachine, c.key)); break;
            case RegistryChange::SetKeyTime: ASSERT_TRUE(r.setKeyTime(Root::LocalMachine, c.key, c.keyTimeBefore)); break;
            default: FAIL() << "unexpected change " << c.kind;
        }
    }
    EXPECT_EQ(ScratchDir::read(dir / "system.reg"), readFixture("system.reg"));
}

TEST(Registry, DryRunChangesMemoryOnlyAndReportsEveryChange) {
    ScratchDir dir;
    copyWineHives(dir);
    Registry r(dir.path());
    Recorder rec;
    r.setObserver(&rec);
    r.setDryRun(true);
    ASSERT_TRUE(r.setValue(Root::CurrentUser, "Software\\Preview\\Deep", RegValue::string("v", "x")));
    ASSERT_TRUE(r.deleteTree(Root::LocalMachine, "Software\\VantixFixture"));
    EXPECT_EQ(text(r, Root::CurrentUser, "Software\\Preview\\Deep", "v"), "x");
    EXPECT_FALSE(r.keyExists(Root::LocalMachine, "Software\\VantixFixture\\Exotic"));
    EXPECT_EQ(ScratchDir::read(dir / "user.reg"), readFixture("user.reg"));
    EXPECT_EQ(ScratchDir::read(dir / "system.reg"), readFixture("system.reg"));
    EXPECT_FALSE(std::filesystem::exists(dir / ".vantix-registry.lock"));

    std::vector<std::pair<RegistryChange::Kind, std::string>> seen;
    for (const auto& c : rec.changes) seen.emplace_back(c.kind, c.key);
    const std::vector<std::pair<RegistryChange::Kind, std::string>> firstFour{
        {RegistryChange::SetKeyTime, "Software"},
        {RegistryChange::CreateKey, "Software\\Preview"},
        {RegistryChange::CreateKey, "Software\\Preview\\Deep"},
        {RegistryChange::SetValue, "Software\\Preview\\Deep"},
    };
    ASSERT_GE(seen.size(), 4u);
    EXPECT_EQ(std::vector(seen.begin(), seen.begin() + 4), firstFour);
    // The tree deletion lists values and keys children first, the top key last.
    EXPECT_EQ(seen.back(), std::make_pair(RegistryChange::DeleteKey, std::string("Software\\VantixFixture")));
    EXPECT_EQ(seen[4], std::make_pair(RegistryChange::SetKeyTime, std::string("Software")));

    r.discardChanges();
    EXPECT_FALSE(r.keyExists(Root::CurrentUser, "Software\\Preview"));
    EXPECT_TRUE(r.keyExists(Root::LocalMachine, "Software\\VantixFixture\\Exotic"));

    // A preview left behind does not ride along with the next real change.
    ASSERT_TRUE(r.setValue(Root::CurrentUser, "Software\\Preview", RegValue::string("v", "x")));
    r.setDryRun(false);
    ASSERT_TRUE(r.setValue(Root::CurrentUser, "Software\\Real", RegValue::string("v", "y")));
    const std::string user = ScratchDir::read(dir / "user.reg");
    EXPECT_EQ(user.find("Preview"), std::string::npos);
    EXPECT_NE(user.find("[Software\\\\Real]"), std::string::npos);
}

TEST(Registry, BatchSavesAllOrNothing) {
    ScratchDir dir;
    copyWineHives(dir);
    Registry r(dir.path());
    const RegStatus failed = r.batch([&] {
        EXPECT_TRUE(r.setValue(Root::LocalMachine, "Software\\Batch", RegValue::dword("a", 1)));
        EXPECT_TRUE(r.setValue(Root::CurrentUser, "Software\\Batch", RegValue::dword("b", 2)));
        return RegStatus{RegStatus::InvalidArgument, "line 3: bad"};
    });
    EXPECT_EQ(failed.code, RegStatus::InvalidArgument);
    EXPECT_FALSE(r.keyExists(Root::LocalMachine, "Software\\Batch"));
    EXPECT_EQ(ScratchDir::read(dir / "system.reg"), readFixture("system.reg"));
    EXPECT_EQ(ScratchDir::read(dir / "user.reg"), readFixture("user.reg"));

    ASSERT_TRUE(r.batch([&] {
        EXPECT_TRUE(r.setValue(Root::LocalMachine, "Software\\Batch", RegValue::dword("a", 1)));
        EXPECT_TRUE(r.setValue(Root::CurrentUser, "Software\\Batch", RegValue::dword("b", 2)));
        return RegStatus::ok();
    }));
    Registry other(dir.path());
    EXPECT_TRUE(other.getValue(Root::LocalMachine, "Software\\Batch", "a"));
    EXPECT_TRUE(other.getValue(Root::CurrentUser, "Software\\Batch", "b"));
}

TEST(Registry, DeleteRenameAndKeyInfo) {
    ScratchDir dir;
    Registry r(dir.path());
    ASSERT_TRUE(r.setValue(Root::LocalMachine, "Software\\Old\\Child", RegValue::binary("bin", {1, 2, 3})));
    ASSERT_TRUE(r.setValue(Root::LocalMachine, "Software\\Old", RegValue::string("LongerName", "abc")));
    ASSERT_TRUE(r.setKeyTime(Root::LocalMachine, "Software\\Old", 0x1d000000000000ULL));
    const auto info = r.keyInfo(Root::LocalMachine, "Software\\Old");
    EXPECT_EQ(info->subKeyCount, 1u);
    EXPECT_EQ(info->valueCount, 1u);
    EXPECT_EQ(info->maxValueDataLength, 8u);
    EXPECT_EQ(info->maxValueNameLength, 10u);
    EXPECT_EQ(info->lastWriteTime, 0x1d000000000000ULL);

    EXPECT_EQ(r.deleteKey(Root::LocalMachine, "Software\\Old").code, RegStatus::InvalidArgument);
    ASSERT_TRUE(r.createKey(Root::LocalMachine, "Software\\Other"));
    EXPECT_EQ(r.renameKey(Root::LocalMachine, "Software\\Old", "OTHER").code, RegStatus::InvalidArgument);
    EXPECT_EQ(r.renameKey(Root::LocalMachine, "Software\\Old", "a\\b").code, RegStatus::InvalidArgument);
    ASSERT_TRUE(r.renameKey(Root::LocalMachine, "Software\\Old", "New"));
    EXPECT_EQ(*r.subKeyNames(Root::LocalMachine, "Software"), (std::vector<std::string>{"New", "Other"}));
    const std::string file = ScratchDir::read(dir / "system.reg");
    EXPECT_NE(file.find("[Software\\\\New\\\\Child]"), std::string::npos);
    EXPECT_EQ(file.find("Old"), std::string::npos);
    ASSERT_TRUE(r.deleteTree(Root::LocalMachine, "Software\\New"));
    EXPECT_FALSE(r.keyExists(Root::LocalMachine, "Software\\New\\Child"));
    EXPECT_EQ(r.deleteTree(Root::LocalMachine, "Software\\New").code, RegStatus::NotFound);
    EXPECT_EQ(r.deleteKey(Root::LocalMachine, "").code, RegStatus::InvalidArgument);
    // Roots that are keys of system.reg stay, whatever a caller asks.
    ASSERT_TRUE(r.setValue(Root::ClassesRoot, ".txt", RegValue::string("", "txtfile")));
    EXPECT_EQ(r.deleteTree(Root::ClassesRoot, "").code, RegStatus::InvalidArgument);
    EXPECT_EQ(r.renameKey(Root::ClassesRoot, "\\", "Other").code, RegStatus::InvalidArgument);
    EXPECT_EQ(r.deleteTree(Root::Users, ".Default").code, RegStatus::InvalidArgument);
    EXPECT_TRUE(r.keyExists(Root::LocalMachine, "Software\\Classes\\.txt"));
}

TEST(Registry, CorruptHiveGivesAClearErrorAndIsNeverOverwritten) {
    ScratchDir dir;
    const std::string corrupt = std::string(kHeader) + "\n[Good] 1\n\"v\"=\"1\"\n\n[Bad] 2\n\"w\"=hex:zz\n";
    ScratchDir::write(dir / "system.reg", corrupt);
    Registry r(dir.path());
    EXPECT_FALSE(r.getValue(Root::LocalMachine, "Good", "v"));
    EXPECT_NE(r.lastError().find("line 8: bad hex data"), std::string::npos) << r.lastError();
    const RegStatus st = r.setValue(Root::LocalMachine, "Good", RegValue::dword("x", 1));
    EXPECT_EQ(st.code, RegStatus::Corrupt);
    EXPECT_NE(st.message.find("system.reg: line 8"), std::string::npos);
    EXPECT_EQ(ScratchDir::read(dir / "system.reg"), corrupt);
    // The other hives still work.
    EXPECT_TRUE(r.setValue(Root::CurrentUser, "Software", RegValue::dword("x", 1)));
}

TEST(Registry, AnotherWritersChangeIsSeenOnTheNextCall) {
    ScratchDir dir;
    Registry a(dir.path());
    Registry b(dir.path());
    ASSERT_TRUE(a.setValue(Root::LocalMachine, "K", RegValue::dword("one", 1)));
    EXPECT_TRUE(b.getValue(Root::LocalMachine, "K", "one"));
    ASSERT_TRUE(b.setValue(Root::LocalMachine, "K", RegValue::dword("two", 2)));
    ASSERT_TRUE(a.setValue(Root::LocalMachine, "K", RegValue::dword("three", 3)));
    Registry c(dir.path());
    EXPECT_EQ(c.values(Root::LocalMachine, "K")->size(), 3u);
}
