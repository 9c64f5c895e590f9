#include "modules/common/ProcessText.h"

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

void setLineBreaks() { lineBreakStore() = LineBreaks{"\r", "\r\n"}; }
const LineBreaks& lineBreaks() { return lineBreakStore(); }

}  // namespace vantix::modules
