#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/registry/Registry.h"

// The registry templates of new machine images: REGEDIT4 text (the format of
// Windows 95 and NT 4 .reg files) read into a list of changes and applied in
// one registry batch.
namespace vantix::platform {

struct TemplateChange {
    enum Kind { CreateKey, SetValue, DeleteValue, DeleteKey };
    Kind kind = CreateKey;
    Root root = Root::LocalMachine;
    std::string key;
    RegValue value;  // SetValue: the value; DeleteValue: its name
};

// Throws MachineError naming `origin` and the line for text that is no REGEDIT4
// file or holds a line it cannot read. String data is ANSI (Windows-1252).
std::vector<TemplateChange> parseRegTemplate(std::string_view text, std::string_view origin);

// Applies the changes as one batch; the status of the first that failed.
RegStatus applyRegTemplate(Registry& registry, const std::vector<TemplateChange>& changes);

}  // namespace vantix::platform
