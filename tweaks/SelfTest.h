#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/machine/Machine.h"

// The catalogue's self-test: every function on a scratch image of each
// platform it claims, fresh from the set-up step.
namespace vantix::tweaks {

struct SelfTestFailure {
    platform::WindowsPlatform platform;
    std::int64_t itemId = 0;
    std::string name;
    std::string problem;
};

struct SelfTestReport {
    int checked = 0;  // function and platform pairs
    int pairs = 0;    // pairs of functions that share a key or a file, undone in both orders
    std::vector<SelfTestFailure> failures;
};

// For each platform: creates an image below `scratchDir`, then for each
// function of that platform checks that it reads at its default, that applying
// each choice reads back as that choice, and that undo leaves every file of the
// image byte-identical. Then every two functions that change the same registry
// key or file are applied one after the other and undone in both orders: the
// first undo must leave the other function's change alone, both together must
// bring back every byte. `progress` (optional) hears each function as it starts.
SelfTestReport runSelfTest(const std::filesystem::path& catalogueFile,
                           const std::filesystem::path& programDir,
                           const std::vector<platform::WindowsPlatform>& platforms,
                           const std::filesystem::path& scratchDir,
                           const std::function<void(const std::string&)>& progress = {});

}  // namespace vantix::tweaks
