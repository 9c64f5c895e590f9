// The BOOT.INI reader on arbitrary bytes, and its writer on what it read: a
// file rewritten from its entries must read back to no more entries, and a
// plain entry must come back with the same line.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "modules/bootlam/BootIni.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vantix::bootlam;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    BootIni ini;
    try {
        ini = BootIni::parse(bytes);
    } catch (const BootIniError&) {
        return 0;
    }
    const auto defaultIndex = ini.defaultIndex();
    if (ini.entries.empty() != !defaultIndex) std::abort();
    if (defaultIndex && *defaultIndex >= ini.entries.size()) std::abort();
    const std::string written = entriesText(ini.entries, defaultIndex.value_or(0));
    BootIni again;
    try {
        again = BootIni::parse(written);
    } catch (const BootIniError&) {
        return 0;  // a written line may grow past the cap (switches spelt out)
    }
    if (again.entries.size() > ini.entries.size()) std::abort();
    for (const BootEntry& entry : ini.entries) {
        const std::string line = entryLine(entry);
        const bool plain =
            entry.path.find_first_of("\"\r\n") == std::string::npos && line.size() >= 4;
        if (plain && entryLine(parseEntry(line)) != line) std::abort();
    }
    return 0;
}
