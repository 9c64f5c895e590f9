#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vantix::platform {

// A parameter text split into arguments the way Windows programs split their
// command line: blanks separate, double quotes group (and are dropped), two
// double quotes inside quotes stand for one. Backslashes are ordinary
// characters, so Windows paths pass unchanged.
std::vector<std::string> splitCommandLine(std::string_view text);

// The command line as one string: the arguments after the program name
// joined by single blanks ("" when there are none).
std::string joinArguments(const std::vector<std::string>& arguments);
std::string commandLineOf(int argc, const char* const* argv);
// The same for the running process, read from /proc/self/cmdline.
std::string currentCommandLine();

}  // namespace vantix::platform
