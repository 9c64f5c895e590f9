#pragma once

#include "lindrel32/Export.h"
#include "platform/component/Unknown.h"

// The in-process server entry points of liblindrel32.so, with C linkage so that
// a loader finds them by name. Each returns 0 on success or a failure code.
extern "C" {

// Registers every class of the library in the current machine image's registry,
// naming this library's host path (as loaded) as InprocServer32. Fails with
// SELFREG_E_CLASS (0x80040201) when the registry refuses the change.
LINDREL32_API vantix::platform::HResult DllRegisterServer();
// Removes exactly what DllRegisterServer wrote; succeeds when there is nothing to remove.
LINDREL32_API vantix::platform::HResult DllUnregisterServer();
// The class factory of `clsid`, asked for `iid` (IClassFactory or IUnknown).
// CLASS_E_CLASSNOTAVAILABLE (0x80040111) for a class of another library,
// E_NOINTERFACE (0x80004002) for another interface, E_POINTER for a null `object`.
LINDREL32_API vantix::platform::HResult DllGetClassObject(const vantix::platform::Guid& clsid,
                                                          const vantix::platform::Guid& iid,
                                                          void** object);
// 0 (S_OK) while no object, factory reference or server lock is alive; 1 (S_FALSE) otherwise.
LINDREL32_API vantix::platform::HResult DllCanUnloadNow();
}
