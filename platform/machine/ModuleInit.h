#pragma once

#include <chrono>
#include <filesystem>
#include <vector>

// The set-up step's module registration: every module program of the program
// folder's Module/ subfolder runs once with "/INIT" on the new image.
namespace vantix::platform {

// The native *.EXE programs (ELF files or scripts with their executable bit) of
// `programDir`/Module, both names matched case-insensitively, in name order.
std::vector<std::filesystem::path> modulePrograms(const std::filesystem::path& programDir);

// Runs `program` "/INIT" with VANTIX_MACHINE=`imageDir` and waits for it; a
// program still running after `limit` is killed. False when it could not be
// started, was killed, or ended with a non-zero status.
bool runModuleInit(const std::filesystem::path& program, const std::filesystem::path& imageDir,
                   std::chrono::milliseconds limit = std::chrono::seconds(60));

// Registers the standard functions library in the new image as an installer
// runs the registration tool: `programDir`/vantix-cli "lib register" with
// VANTIX_MACHINE=`imageDir`. False (logged) when the tool is missing or fails;
// the image's first program then registers the library itself.
bool runLibraryRegistration(const std::filesystem::path& programDir,
                            const std::filesystem::path& imageDir,
                            std::chrono::milliseconds limit = std::chrono::seconds(60));

}  // namespace vantix::platform
