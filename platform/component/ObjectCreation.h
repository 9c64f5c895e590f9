#pragma once

#include <string>

#include "platform/component/Unknown.h"
#include "platform/registry/Registry.h"

// The stand-in for the platform's object creation: finds a class's registration
// in the image, loads the registered library and asks its class factory for an
// interface. A library once loaded stays loaded until the process ends.
namespace vantix::platform {

struct Creation {
    HResult result = hresult::Fail;
    std::string message;  // one line, set on failure
    explicit operator bool() const { return result == hresult::Ok; }
};

// On success *object holds the interface `iid` of a new object of class `clsid`
// (one reference, the caller's). Fails with ClassNotRegistered when the image
// has no usable registration (none, or its file does not exist), ModuleNotFound
// or ProcNotFound when the library cannot be loaded or is no in-process server,
// and the factory's own result otherwise (ClassNotAvailable, NoInterface ...).
Creation createInstance(Registry& registry, const Guid& clsid, const Guid& iid, void** object);

}  // namespace vantix::platform
