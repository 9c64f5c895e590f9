#include "lindrel32/ServerEntryPoints.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>

#include "lindrel32/ClassIds.h"
#include "lindrel32/Interfaces.h"
#include "platform/component/ClassRegistration.h"
#include "platform/component/ObjectCreation.h"
#include "platform/machine/Machine.h"
#include "tests/support/ClassesImage.h"
#include "tests/support/ScratchDir.h"

namespace fs = std::filesystem;
using namespace vantix::platform;
using lindrel32::kClasses;

namespace {

constexpr Guid kOtherClass{
    0x11111111, 0x2222, 0x3333, {0x44, 0x44, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55}};

// The library file as this process mapped it.
fs::path mappedLibrary() {
    std::ifstream maps("/proc/self/maps");
    for (std::string line; std::getline(maps, line);) {
        const auto slash = line.find('/');
        if (slash != std::string::npos && line.find("liblindrel32.so") != std::string::npos)
            return line.substr(slash);
    }
    return {};
}

ComPtr<IClassFactory> factoryOf(const Guid& clsid) {
    ComPtr<IClassFactory> factory;
    EXPECT_EQ(DllGetClassObject(clsid, kIidClassFactory, factory.put()), hresult::Ok);
    return factory;
}

TEST(ClassFactory, CreatesEveryClassAskedForItsInterface) {
    for (const auto& identity : kClasses) {
        SCOPED_TRACE(identity.name);
        ComPtr<IClassFactory> factory = factoryOf(identity.clsid);
        ASSERT_TRUE(factory);
        ComPtr<IUnknown> object;
        ASSERT_EQ(factory->CreateInstance(nullptr, identity.iid, object.put()), hresult::Ok);
        ASSERT_TRUE(object);
        ComPtr<IUnknown> same;
        EXPECT_EQ(object->QueryInterface(kIidUnknown, same.put()), hresult::Ok);
        EXPECT_EQ(same.get(), object.get());
    }
    EXPECT_EQ(DllCanUnloadNow(), hresult::Ok) << "every object and factory released";
}

TEST(ClassFactory, UnknownClassesAndInterfacesGiveTheirCodes) {
    void* object = reinterpret_cast<void*>(0x1);
    EXPECT_EQ(DllGetClassObject(kOtherClass, kIidClassFactory, &object),
              hresult::ClassNotAvailable);
    EXPECT_EQ(object, nullptr);
    object = reinterpret_cast<void*>(0x1);
    EXPECT_EQ(DllGetClassObject(lindrel32::kClsidQVREG, lindrel32::kIidQVREG, &object),
              hresult::NoInterface)
        << "DllGetClassObject hands out the factory, not the object";
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(DllGetClassObject(lindrel32::kClsidQVREG, kIidClassFactory, nullptr),
              hresult::Pointer);

    ComPtr<IClassFactory> factory = factoryOf(lindrel32::kClsidQVINF);
    object = reinterpret_cast<void*>(0x1);
    EXPECT_EQ(factory->CreateInstance(nullptr, lindrel32::kIidQVFILE, &object),
              hresult::NoInterface);
    EXPECT_EQ(object, nullptr);
    ComPtr<IUnknown> outer;
    ASSERT_EQ(factory->CreateInstance(nullptr, kIidUnknown, outer.put()), hresult::Ok);
    EXPECT_EQ(factory->CreateInstance(outer.get(), kIidUnknown, &object), hresult::NoAggregation);
    ComPtr<IUnknown> other;
    EXPECT_EQ(outer->QueryInterface(lindrel32::kIidQVREG, other.put()), hresult::NoInterface);
    EXPECT_FALSE(other);
    outer.reset();
    factory.reset();
    EXPECT_EQ(DllCanUnloadNow(), hresult::Ok) << "a refused interface leaves no object behind";
}

TEST(ClassFactory, CanUnloadOnlyWithoutObjectsFactoriesAndLocks) {
    ASSERT_EQ(DllCanUnloadNow(), hresult::Ok);
    ComPtr<IClassFactory> factory = factoryOf(lindrel32::kClsidQVFKT);
    EXPECT_EQ(DllCanUnloadNow(), hresult::False) << "a held factory";
    void* raw = nullptr;
    ASSERT_EQ(factory->CreateInstance(nullptr, lindrel32::kIidQVFKT, &raw), hresult::Ok);
    auto* functions = static_cast<lindrel32::IQVFKT*>(raw);
    ASSERT_EQ(factory->LockServer(true), hresult::Ok);
    factory.reset();
    EXPECT_EQ(DllCanUnloadNow(), hresult::False) << "an object and a lock";

    EXPECT_EQ(functions->AddRef(), 2u);
    EXPECT_EQ(functions->GET_Pfadname("C:\\WINDOWS\\WIN.INI"), "C:\\WINDOWS") << "the object works";
    EXPECT_EQ(functions->Release(), 1u);
    EXPECT_EQ(functions->Release(), 0u) << "the last reference deletes it";
    EXPECT_EQ(DllCanUnloadNow(), hresult::False) << "the lock alone";
    factory = factoryOf(lindrel32::kClsidQVFKT);
    ASSERT_EQ(factory->LockServer(false), hresult::Ok);
    factory.reset();
    EXPECT_EQ(DllCanUnloadNow(), hresult::Ok);
}

// A machine image with classes of its own, made current for the entry points.
class SelfRegistration : public ::testing::Test {
protected:
    void SetUp() override {
        writeImageWithClasses(image());
        selectMachine(image());
    }
    void TearDown() override { resetCurrentMachine(); }
    fs::path image() const { return scratch / "image"; }
    std::string hives() {
        return ScratchDir::read(image() / "system.reg") + ScratchDir::read(image() / "user.reg") +
               ScratchDir::read(image() / "userdef.reg");
    }
    std::string text(const std::string& key, const std::string& name) {
        const auto value = currentMachine().registry().getValue(Root::ClassesRoot, key, name);
        return value ? value->text() : "<absent>";
    }

    ScratchDir scratch;
};

TEST_F(SelfRegistration, NamesTheLibraryThisProcessLoaded) {
    ASSERT_EQ(DllRegisterServer(), hresult::Ok);
    const fs::path mapped = mappedLibrary();
    ASSERT_FALSE(mapped.empty());
    for (const auto& identity : kClasses) {
        SCOPED_TRACE(identity.name);
        const std::string key = "CLSID\\" + guidText(identity.clsid);
        EXPECT_EQ(text(key, ""), identity.name);
        EXPECT_EQ(fs::path(text(key + "\\InprocServer32", "")), mapped);
        EXPECT_EQ(text(key + "\\InprocServer32", "ThreadingModel"), "Apartment");
        EXPECT_EQ(text(key + "\\ProgID", ""), identity.progId);
        EXPECT_EQ(text(std::string(identity.progId) + "\\CLSID", ""), guidText(identity.clsid));
    }
}

TEST_F(SelfRegistration, RegisterThenUnregisterLeavesTheRegistryFilesByteIdentical) {
    const std::string before = hives();
    ASSERT_EQ(DllRegisterServer(), hresult::Ok);
    ASSERT_EQ(DllRegisterServer(), hresult::Ok) << "registering again is no failure";
    ASSERT_EQ(DllUnregisterServer(), hresult::Ok);
    EXPECT_EQ(hives(), before);
    EXPECT_EQ(DllUnregisterServer(), hresult::Ok) << "nothing left to remove";
    EXPECT_EQ(hives(), before);
}

TEST_F(SelfRegistration, AFailedWriteIsReportedAndLeavesTheRegistryAlone) {
    const std::string before = hives();
    fs::permissions(image(), fs::perms::owner_write, fs::perm_options::remove);
    const HResult result = DllRegisterServer();
    fs::permissions(image(), fs::perms::owner_write, fs::perm_options::add);
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into a read-only folder";
    EXPECT_EQ(result, hresult::RegistrationFailed);
    EXPECT_EQ(hives(), before);
}

TEST_F(SelfRegistration, EveryClassIsCreatedByItsIdentifierThroughTheRegistration) {
    Registry& registry = currentMachine().registry();
    void* object = nullptr;
    Creation creation =
        createInstance(registry, lindrel32::kClsidQVREG, lindrel32::kIidQVREG, &object);
    EXPECT_EQ(creation.result, hresult::ClassNotRegistered);
    EXPECT_NE(creation.message.find("is not registered"), std::string::npos) << creation.message;

    ASSERT_EQ(DllRegisterServer(), hresult::Ok);
    for (const auto& identity : kClasses) {
        SCOPED_TRACE(identity.name);
        ComPtr<IUnknown> created;
        creation = createInstance(registry, identity.clsid, identity.iid, created.put());
        ASSERT_TRUE(creation) << creation.message;
        EXPECT_TRUE(created);
    }
    ComPtr<lindrel32::IQVREG> qvreg;
    ASSERT_TRUE(
        createInstance(registry, lindrel32::kClsidQVREG, lindrel32::kIidQVREG, qvreg.put()));
    ASSERT_TRUE(qvreg->SetReg("HKEY_CURRENT_USER\\Software\\Test", "Number", "-1", "D"));
    EXPECT_EQ(qvreg->GetReg("HKEY_CURRENT_USER\\Software\\Test", "Number", "D"), "-1")
        << "the created object works on the current image";
    qvreg.reset();

    creation = createInstance(registry, lindrel32::kClsidQVINF, lindrel32::kIidQVREG, &object);
    EXPECT_EQ(creation.result, hresult::NoInterface);
    EXPECT_EQ(object, nullptr);
    creation = createInstance(registry, kOtherClass, kIidUnknown, &object);
    EXPECT_EQ(creation.result, hresult::ClassNotRegistered);
    EXPECT_EQ(DllCanUnloadNow(), hresult::Ok);
}

TEST_F(SelfRegistration, ARegisteredFileThatIsNoServerFailsWithItsCode) {
    ScratchDir::write(scratch / "libother.so", "no ELF file");
    ASSERT_TRUE(registerClass(currentMachine().registry(), {kOtherClass, "Other", "Other.Class"},
                              scratch / "libother.so"));
    void* object = nullptr;
    const Creation creation =
        createInstance(currentMachine().registry(), kOtherClass, kIidUnknown, &object);
    EXPECT_EQ(creation.result, hresult::ModuleNotFound);
    EXPECT_NE(creation.message.find("libother.so"), std::string::npos) << creation.message;
}

}  // namespace
