#pragma once

#include <cstdint>
#include <string>

#include "tweaks/HiddenProperty.h"
#include "tweaks/PageState.h"

namespace vantix::platform {
class Database;
}

namespace vantix::tweaks {

class TweakHost;

// Reads a function's current value from the registry or an INI file and
// turns it into what the page shows. `presentation` is the row's TYP.
// The row is fetched by its property ID; when no row has that ID every field
// stays empty and the steps still run (callers open functions through
// openHiddenFunction, which refuses a function without a property row).
PageState ReadHiddenState(platform::Database& database, TweakHost& host,
                          const std::string& presentation, std::int64_t propertyId);

// The same, from a property record already read.
PageState readStateOf(const HiddenProperty& property, TweakHost& host,
                      const std::string& presentation);

// The current value as the function's description says where it lives:
// the value text, "NO Key", or "" for a kind other than REG and INI.
std::string readCurrentValue(const HiddenProperty& property, TweakHost& host);

}  // namespace vantix::tweaks
