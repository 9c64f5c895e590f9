#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "tweaks/HiddenProperty.h"

namespace vantix::platform {
class Database;
}

// The hidden functions as the catalogue lists them: folder tree order, with
// the platform filter of the BS mask.
namespace vantix::tweaks {

class TweakError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct HiddenFunction {
    std::int64_t id = 0;
    std::int64_t folderId = 0;
    std::string folderPath;  // "Explorer\Files and folders"
    std::string name;
    std::int64_t bs = 0;
};

// True when mask `bs` contains platform code `winVersion` (1 NT, 2 Windows 95, 3 Windows 98).
bool availableOn(std::int64_t bs, int winVersion);

// Every function, top-level folders first with their subfolders after them,
// each folder's functions in database order; `winVersion` 0 lists all of them.
std::vector<HiddenFunction> listHiddenFunctions(platform::Database& database, int winVersion);

// A function with its property row, ready for its page. Throws TweakError when
// no function has that ID or when it has no property row (the page would
// show nothing that could be applied).
struct OpenedFunction {
    HiddenFunction function;
    HiddenProperty property;
};
OpenedFunction openHiddenFunction(platform::Database& database, std::int64_t itemId);

// Why `function` cannot be opened when it has no property row.
TweakError missingPropertyRow(const HiddenFunction& function);

}  // namespace vantix::tweaks
