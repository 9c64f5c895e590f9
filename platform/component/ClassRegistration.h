#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "platform/component/Guid.h"
#include "platform/registry/Registry.h"

// Where the image's registry says an in-process class lives: the keys that a
// library's self-registration writes below HKEY_CLASSES_ROOT.
namespace vantix::platform {

struct ClassEntry {
    Guid clsid;
    std::string className;  // default value of CLSID\{clsid}
    std::string progId;     // "Library.Class"
};

// Writes, for one class:
//   CLSID\{clsid}                 @ = class name
//   CLSID\{clsid}\InprocServer32  @ = `server`, "ThreadingModel" = "Apartment"
//   CLSID\{clsid}\ProgID          @ = ProgID
//   <ProgID>\CLSID                @ = "{clsid}"
// The last-write times of keys that existed before are kept, so that removing
// the registration again leaves the hive as it was.
RegStatus registerClass(Registry& registry, const ClassEntry& entry,
                        const std::filesystem::path& server);
// Removes exactly what registerClass wrote: those values, then each of those keys
// (and an empty CLSID key) once nothing else is left in it. Absent parts are no failure.
RegStatus unregisterClass(Registry& registry, const ClassEntry& entry);

// The registered library of a class, or why there is none usable.
struct ServerLookup {
    std::optional<std::filesystem::path> server;
    std::string problem;  // one line, set when `server` is empty
};
// Reads CLSID\{clsid}\InprocServer32; a registration naming no existing file is a problem too.
ServerLookup findServer(Registry& registry, const Guid& clsid);

}  // namespace vantix::platform
