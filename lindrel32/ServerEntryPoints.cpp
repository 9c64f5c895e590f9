#include "lindrel32/ServerEntryPoints.h"

#include <dlfcn.h>

#include <exception>
#include <filesystem>

#include "lindrel32/ClassFactory.h"
#include "lindrel32/ClassIds.h"
#include "platform/component/ClassRegistration.h"
#include "platform/log/Log.h"
#include "platform/machine/Machine.h"

namespace platform = vantix::platform;
namespace hresult = vantix::platform::hresult;
using platform::HResult;

namespace {

// The file this code was loaded from, as the loader mapped it (symbolic links
// resolved), so that the registration names the library programs really load.
std::filesystem::path thisLibrary() {
    Dl_info info{};
    if (!::dladdr(reinterpret_cast<void*>(&DllRegisterServer), &info) || !info.dli_fname)
        throw std::runtime_error("cannot tell where liblindrel32.so was loaded from");
    std::error_code error;
    auto path = std::filesystem::weakly_canonical(std::filesystem::absolute(info.dli_fname), error);
    if (error) throw std::runtime_error("cannot resolve " + std::string(info.dli_fname));
    return path;
}

platform::ClassEntry entryOf(const lindrel32::ClassIdentity& identity) {
    return {identity.clsid, identity.name, identity.progId};
}

template <class Change>
HResult changeRegistration(const char* what, Change change) {
    try {
        auto& registry = platform::currentMachine().registry();
        const platform::RegStatus status = registry.batch([&] {
            for (const auto& identity : lindrel32::kClasses)
                if (platform::RegStatus step = change(registry, entryOf(identity)); !step)
                    return step;
            return platform::RegStatus::ok();
        });
        if (status) return hresult::Ok;
        vantix::log::error("lindrel32", std::string(what) + ": " + status.message);
    } catch (const std::exception& failure) {
        vantix::log::error("lindrel32", std::string(what) + ": " + failure.what());
    }
    return hresult::RegistrationFailed;
}

}  // namespace

extern "C" {

HResult DllRegisterServer() {
    std::filesystem::path library;
    try {
        library = thisLibrary();
    } catch (const std::exception& failure) {
        vantix::log::error("lindrel32", std::string("registration: ") + failure.what());
        return hresult::RegistrationFailed;
    }
    return changeRegistration("registration",
                              [&](platform::Registry& registry, const platform::ClassEntry& entry) {
                                  return platform::registerClass(registry, entry, library);
                              });
}

HResult DllUnregisterServer() {
    return changeRegistration("unregistration",
                              [](platform::Registry& registry, const platform::ClassEntry& entry) {
                                  return platform::unregisterClass(registry, entry);
                              });
}

HResult DllGetClassObject(const platform::Guid& clsid, const platform::Guid& iid, void** object) {
    if (!object) return hresult::Pointer;
    *object = nullptr;
    platform::IClassFactory* factory = lindrel32::server::factoryOf(clsid);
    if (!factory) return hresult::ClassNotAvailable;
    return factory->QueryInterface(iid, object);
}

HResult DllCanUnloadNow() {
    return lindrel32::server::inUse() ? hresult::False : hresult::Ok;
}
}
