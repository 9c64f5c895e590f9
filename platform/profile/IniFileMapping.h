#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/registry/Registry.h"

// IniFileMapping as NT and Wine honour it: sections of some profile files (in
// a stock Wine prefix the [windows], [desktop], [intl] ... sections of
// WIN.INI) live in the registry instead of the file. The mapping is kept below
// HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\IniFileMapping\<file name>:
// a value named like a section gives that section's key, the default value
// the key for every other section (with the section name appended), and a
// subkey named like a section maps single entries (its default value the rest).
namespace vantix::platform {

constexpr std::string_view kIniFileMappingKey = "Software\\Microsoft\\Windows NT\\CurrentVersion\\IniFileMapping";

struct IniMapping {
    Root root = Root::CurrentUser;
    std::string key;             // below `root`; the entries are its values
    bool alsoWriteFile = false;  // "!": writes go to the file as well
    bool registryOnly = false;   // "@": a read never falls back to the file
    friend bool operator==(const IniMapping&, const IniMapping&) = default;
};

// Parses a mapping text: optional prefixes '!', '#', '@', then "USR:key"
// (HKEY_CURRENT_USER) or "SYS:key" (HKEY_LOCAL_MACHINE\Software). nullopt for
// any other form.
std::optional<IniMapping> parseIniMapping(std::string_view text);

// Where entry `key` of `section` of the file named `fileName` (base name, any
// case, e.g. "WIN.INI") lives when the image maps it; nullopt when it lives in
// the file. An empty `key` asks for the section as a whole.
std::optional<IniMapping> findIniMapping(Registry& registry, std::string_view fileName, std::string_view section,
                                         std::string_view key = {});

}  // namespace vantix::platform
