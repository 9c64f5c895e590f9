#pragma once

#include "platform/component/Unknown.h"

// The library's class factories and the counts that decide whether it may be unloaded.
namespace lindrel32::server {

// The factory of one of the library's classes, or nullptr for another class identifier.
vantix::platform::IClassFactory* factoryOf(const vantix::platform::Guid& clsid);
// Whether any counted object, factory reference or lock is alive.
bool inUse();

}  // namespace lindrel32::server
