#pragma once

#include <string>

// Process-wide texts a module sets at start: its help file (opened by F1 and
// every help button) and the two line-break strings its messages use.
namespace vantix::modules {

struct LineBreaks {
    std::string cr;    // carriage return alone
    std::string crlf;  // carriage return + line feed
};

void setHelpFile(std::string path);
const std::string& helpFile();

void setLineBreaks();
const LineBreaks& lineBreaks();

}  // namespace vantix::modules
