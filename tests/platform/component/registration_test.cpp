#include "platform/component/ClassRegistration.h"

#include <gtest/gtest.h>

#include "platform/component/Guid.h"
#include "platform/component/Unknown.h"
#include "tests/support/ClassesImage.h"
#include "tests/support/ScratchDir.h"

namespace fs = std::filesystem;
using namespace vantix::platform;

namespace {

constexpr Guid kClsid{0x12345678, 0x9ABC, 0xDEF0, {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF}};

TEST(GuidText, RegistryFormRoundTrips) {
    EXPECT_EQ(guidText(kClsid), "{12345678-9ABC-DEF0-0123-456789ABCDEF}");
    EXPECT_EQ(parseGuid("{12345678-9abc-def0-0123-456789abcdef}"), kClsid) << "either case";
    EXPECT_EQ(parseGuid(guidText(kIidClassFactory)), kIidClassFactory);
    for (const char* bad :
         {"12345678-9ABC-DEF0-0123-456789ABCDEF", "{12345678-9ABC-DEF0-0123-456789ABCDE}",
          "{12345678-9ABC-DEF0+0123-456789ABCDEF}", "{1234567G-9ABC-DEF0-0123-456789ABCDEF}",
          "{12345678-9ABC-DEF0-0123-456789ABCDEF}x", ""})
        EXPECT_FALSE(parseGuid(bad)) << bad;
}

// An image with a few classes of its own, as a Wine prefix has many.
class Registration : public ::testing::Test {
protected:
    void SetUp() override {
        writeImageWithClasses(image());
        hives = std::make_unique<Registry>(image());
        ScratchDir::write(server(), "not really a library");
    }
    fs::path image() const { return scratch / "image"; }
    fs::path server() const { return scratch / "lib" / "libserver.so"; }
    Registry& registry() { return *hives; }
    std::string hive() { return ScratchDir::read(image() / "system.reg"); }
    std::string text(const std::string& key, const std::string& name) {
        const auto value = registry().getValue(Root::ClassesRoot, key, name);
        return value ? value->text() : "<absent>";
    }

    ScratchDir scratch;
    std::unique_ptr<Registry> hives;
    const ClassEntry entry{kClsid, "Sample", "Library.Sample"};
};

TEST_F(Registration, WritesTheFourKeysAndFindsTheServer) {
    ASSERT_TRUE(registerClass(registry(), entry, server()));
    const std::string key = "CLSID\\{12345678-9ABC-DEF0-0123-456789ABCDEF}";
    EXPECT_EQ(text(key, ""), "Sample");
    EXPECT_EQ(text(key + "\\InprocServer32", ""), server().string());
    EXPECT_EQ(text(key + "\\InprocServer32", "ThreadingModel"), "Apartment");
    EXPECT_EQ(text(key + "\\ProgID", ""), "Library.Sample");
    EXPECT_EQ(text("Library.Sample\\CLSID", ""), "{12345678-9ABC-DEF0-0123-456789ABCDEF}");
    const ServerLookup lookup = findServer(registry(), kClsid);
    ASSERT_TRUE(lookup.server) << lookup.problem;
    EXPECT_EQ(*lookup.server, server());
    EXPECT_NE(hive().find("[Software\\\\Classes\\\\CLSID\\\\{12345678-9ABC-DEF0-0123-456789ABCDEF}"
                          "\\\\InprocServer32]"),
              std::string::npos)
        << "HKEY_CLASSES_ROOT is kept in system.reg as Wine keeps it";
}

TEST_F(Registration, RegisterThenUnregisterLeavesTheHiveByteIdentical) {
    const std::string before = hive();
    ASSERT_TRUE(registerClass(registry(), entry, server()));
    ASSERT_NE(hive(), before);
    ASSERT_TRUE(unregisterClass(registry(), entry));
    EXPECT_EQ(hive(), before);
    EXPECT_TRUE(
        registry().keyExists(Root::ClassesRoot, "CLSID\\{00021401-0000-0000-C000-000000000046}"));
}

TEST_F(Registration, UnregisteringTwiceOrWithoutRegistrationChangesNothing) {
    const std::string before = hive();
    ASSERT_TRUE(unregisterClass(registry(), entry));
    EXPECT_EQ(hive(), before);
    ASSERT_TRUE(registerClass(registry(), entry, server()));
    ASSERT_TRUE(unregisterClass(registry(), entry));
    ASSERT_TRUE(unregisterClass(registry(), entry));
    EXPECT_EQ(hive(), before);
}

TEST_F(Registration, UnregisterLeavesWhatOthersAddedToTheKeys) {
    ASSERT_TRUE(registerClass(registry(), entry, server()));
    const std::string key = "CLSID\\{12345678-9ABC-DEF0-0123-456789ABCDEF}";
    ASSERT_TRUE(
        registry().setValue(Root::ClassesRoot, key + "\\TypeLib", RegValue::string("", "{lib}")));
    ASSERT_TRUE(
        registry().setValue(Root::ClassesRoot, "Library.Sample", RegValue::string("", "Sample")));
    ASSERT_TRUE(unregisterClass(registry(), entry));
    EXPECT_EQ(text(key + "\\TypeLib", ""), "{lib}");
    EXPECT_EQ(text("Library.Sample", ""), "Sample");
    EXPECT_FALSE(registry().keyExists(Root::ClassesRoot, key + "\\InprocServer32"));
    EXPECT_FALSE(registry().keyExists(Root::ClassesRoot, "Library.Sample\\CLSID"));
    EXPECT_EQ(text(key, ""), "<absent>");
}

TEST_F(Registration, MissingRegistrationAndMissingFileAreProblemsNamingTheClass) {
    ServerLookup lookup = findServer(registry(), kClsid);
    EXPECT_FALSE(lookup.server);
    EXPECT_NE(lookup.problem.find("{12345678-9ABC-DEF0-0123-456789ABCDEF} is not registered"),
              std::string::npos)
        << lookup.problem;
    ASSERT_TRUE(registerClass(registry(), entry, scratch / "gone" / "libserver.so"));
    lookup = findServer(registry(), kClsid);
    EXPECT_FALSE(lookup.server);
    EXPECT_NE(
        lookup.problem.find((scratch / "gone" / "libserver.so").string() + ", does not exist"),
        std::string::npos)
        << lookup.problem;
}

}  // namespace
