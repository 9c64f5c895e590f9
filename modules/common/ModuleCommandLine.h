#pragma once

#include <filesystem>
#include <optional>
#include <string>

// A module program's own command line: an optional "--machine DIR" (which
// image to work on) in front of the argument string of the start protocol.
namespace vantix::modules {

struct ModuleCommandLine {
    std::optional<std::filesystem::path> machine;
    std::string arguments;  // the rest, joined by single blanks, case kept
};

// Throws std::invalid_argument when "--machine" has no folder after it.
ModuleCommandLine parseModuleCommandLine(int argc, const char* const* argv);

}  // namespace vantix::modules
