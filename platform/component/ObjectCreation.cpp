#include "platform/component/ObjectCreation.h"

#include <dlfcn.h>

#include <cstdio>

#include "platform/component/ClassRegistration.h"
#include "platform/log/Log.h"

namespace vantix::platform {

namespace {

std::string hex(HResult result) {
    char text[11];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(result));
    return text;
}

}  // namespace

Creation createInstance(Registry& registry, const Guid& clsid, const Guid& iid, void** object) {
    if (!object) return {hresult::Pointer, "no place for the object"};
    *object = nullptr;
    const ServerLookup lookup = findServer(registry, clsid);
    if (!lookup.server) return {hresult::ClassNotRegistered, lookup.problem};
    const std::string path = lookup.server->string();
    // Loading a file the process already has (a program linked with the library)
    // yields that same copy, so the registered file is the one in use.
    void* library = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        const char* why = ::dlerror();
        return {hresult::ModuleNotFound,
                "cannot load " + path + ": " + (why ? why : "unknown error")};
    }
    const auto getClassObject =
        reinterpret_cast<GetClassObjectFunction>(::dlsym(library, "DllGetClassObject"));
    if (!getClassObject)
        return {hresult::ProcNotFound, path + " is no in-process server (no DllGetClassObject)"};
    ComPtr<IClassFactory> factory;
    if (HResult result = getClassObject(clsid, kIidClassFactory, factory.put());
        result != hresult::Ok)
        return {result, path + " has no class " + guidText(clsid) + " (" + hex(result) + ")"};
    if (HResult result = factory->CreateInstance(nullptr, iid, object); result != hresult::Ok)
        return {result, "the class " + guidText(clsid) + " of " + path +
                            " does not offer the interface " + guidText(iid) + " (" + hex(result) +
                            ")"};
    log::debug("component", "created " + guidText(clsid) + " from " + path);
    return {hresult::Ok, {}};
}

}  // namespace vantix::platform
