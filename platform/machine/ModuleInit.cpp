#include "platform/machine/ModuleInit.h"

#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <string>

#include "platform/log/Log.h"
#include "platform/process/Spawn.h"
#include "platform/text/Text.h"

namespace vantix::platform {

namespace fs = std::filesystem;

namespace {

bool isNativeProgram(const fs::path& path) {
    if (::access(path.c_str(), X_OK) != 0) return false;
    std::ifstream in(path, std::ios::binary);
    char magic[4] = {};
    in.read(magic, sizeof magic);
    if (in.gcount() >= 4 && std::memcmp(magic,
                                        "\x7f"
                                        "ELF",
                                        4) == 0)
        return true;
    return in.gcount() >= 2 && magic[0] == '#' && magic[1] == '!';
}

}  // namespace

std::vector<fs::path> modulePrograms(const fs::path& programDir) {
    std::vector<fs::path> programs;
    std::error_code error;
    for (const auto& folder : fs::directory_iterator(programDir, error)) {
        if (!text::equalsIgnoreCase(folder.path().filename().string(), "Module") ||
            !folder.is_directory(error))
            continue;
        for (const auto& entry : fs::directory_iterator(folder.path(), error)) {
            if (!entry.is_regular_file(error)) continue;
            if (!text::equalsIgnoreCase(entry.path().extension().string(), ".exe")) continue;
            if (isNativeProgram(entry.path())) programs.push_back(entry.path());
        }
    }
    std::sort(programs.begin(), programs.end());
    return programs;
}

bool runModuleInit(const fs::path& program, const fs::path& imageDir,
                   std::chrono::milliseconds limit) {
    SpawnRequest request;
    request.program = program;
    request.arguments = {"/INIT"};
    request.environment = {{"VANTIX_MACHINE", imageDir.string()}};
    const auto status = runAndWait(request, limit);
    if (!status) {
        log::warning("machine", program.string() + " /INIT could not start or did not end in time");
        return false;
    }
    if (*status != 0) log::warning("machine", program.string() + " /INIT ended with a failure");
    return *status == 0;
}

bool runLibraryRegistration(const fs::path& programDir, const fs::path& imageDir,
                            std::chrono::milliseconds limit) {
    const fs::path tool = programDir / "vantix-cli";
    if (!isNativeProgram(tool)) {
        log::info("machine", "no registration tool " + tool.string() +
                                 ": the library is registered on first use");
        return false;
    }
    SpawnRequest request;
    request.program = tool;
    request.arguments = {"lib", "register"};
    request.environment = {{"VANTIX_MACHINE", imageDir.string()}};
    const auto status = runAndWait(request, limit);
    if (!status || *status != 0) {
        log::warning("machine", tool.string() + " lib register failed");
        return false;
    }
    return true;
}

}  // namespace vantix::platform
