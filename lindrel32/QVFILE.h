#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "lindrel32/Export.h"
#include "lindrel32/Interfaces.h"

namespace vantix::platform {
class Machine;
}

namespace lindrel32 {

// File information: times, size and the version resource as display texts.
// File names are Windows-form paths of the machine image or host paths. Result
// arrays are the caller's: never resized, entries beyond their end and entries
// without a value are left as they were.
class LINDREL32_API QVFILE : public OwnedObject<IQVFILE> {
public:
    QVFILE();  // works on platform::currentMachine()
    explicit QVFILE(vantix::platform::Machine& machine);

    // Ret 0..7: weekday abbreviation, weekday number, day, month, year, hour,
    // minute, second (UTC). Keyword "CREATE" or "LASTACCESS" in any case picks
    // that time, anything else the last write. False when the file cannot be opened.
    bool INF_FileDate(const std::string& FileName, std::vector<std::string>& Ret,
                      const std::string& Keyword = "") override;
    // The low 32 bits of the size; -1 when the file cannot be opened for reading.
    [[nodiscard]] std::int32_t INF_FileSize(const std::string& FileName) override;
    // Ret 0..8 from the fixed information, 9 the number of languages, 10*(k+1)+i
    // the strings of language k. False (Ret untouched) without a readable resource.
    bool INF_FileVersion(const std::string& FileName, std::vector<std::string>& Ret) override;

private:
    std::optional<std::filesystem::path> hostFile(const std::string& FileName);

    vantix::platform::Machine* machine_ = nullptr;  // nullptr: the current machine at each call
};

}  // namespace lindrel32
