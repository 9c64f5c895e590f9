#pragma once

#include <string>
#include <vector>

#include "tweaks/ChangeRecorder.h"

namespace vantix::tweaks {

// One line per change, as the preview and the CLI print them: registry values
// with type and old and new data ("absent" when there is none), each changed
// INI line before and after, each file operation. Key timestamps are left out.
std::vector<std::string> describeChanges(const std::vector<RecordedChange>& changes);

// A registry value's data as text: strings quoted, numbers in decimal and hex, bytes in hex.
std::string describeValue(const platform::RegValue& value);

}  // namespace vantix::tweaks
