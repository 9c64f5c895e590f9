#pragma once

#include <filesystem>
#include <string>

namespace vantix::platform {
class Machine;
}

// Process-wide texts a module sets at start: its help file (opened by F1 and
// every help button) and the two line-break strings its messages use.
namespace vantix::modules {

struct LineBreaks {
    std::string cr;    // carriage return alone
    std::string crlf;  // carriage return + line feed
};

void setHelpFile(std::string path);
const std::string& helpFile();
// The help file as a file of this host: a Windows-form path through the
// image's drives, a host folder joined with "\QVMODULE.HLP" with its separator mended.
std::filesystem::path helpFileOnHost(const platform::Machine& machine);

void setLineBreaks();
const LineBreaks& lineBreaks();

}  // namespace vantix::modules
