#include "modules/common/ProcessText.h"

#include <algorithm>

#include "platform/machine/Machine.h"

namespace vantix::modules {
namespace {
std::string& helpFileStore() {
    static std::string path;
    return path;
}
LineBreaks& lineBreakStore() {
    static LineBreaks breaks;
    return breaks;
}
}  // namespace

void setHelpFile(std::string path) { helpFileStore() = std::move(path); }
const std::string& helpFile() { return helpFileStore(); }

std::filesystem::path helpFileOnHost(const platform::Machine& machine) {
    std::string file = helpFile();
    if (file.empty() || file.front() != '/') {
        if (const auto host = machine.hostPath(file)) return *host;
    }
    std::replace(file.begin(), file.end(), '\\', '/');
    return file;
}

void setLineBreaks() { lineBreakStore() = LineBreaks{"\r", "\r\n"}; }
const LineBreaks& lineBreaks() { return lineBreakStore(); }

}  // namespace vantix::modules
