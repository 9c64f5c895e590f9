#pragma once

#include <string>

// Starting what the catalogue lists: applet and module command lines, and the
// user's programs and documents.
namespace vantix::catalogue {

class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    // A command line in the system's form: a quoted or plain program, then arguments.
    virtual bool runCommandLine(const std::string& commandLine) = 0;
    // A program or document with parameters in a working folder; style 1 normal,
    // 2 minimised, 3 maximised (0 counts as normal).
    virtual bool shellExecute(const std::string& file, const std::string& parameters, const std::string& workDir,
                              int style) = 0;
};

}  // namespace vantix::catalogue
