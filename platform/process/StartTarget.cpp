#include "platform/process/StartTarget.h"

#include "platform/log/Log.h"
#include "platform/paths/HostPath.h"
#include "platform/process/CommandLine.h"
#include "platform/process/ProgramKind.h"
#include "platform/text/Text.h"

namespace vantix::platform {
namespace {

SpawnResult failure(std::string reason) {
    vantix::log::debug("process", reason);
    SpawnResult result;
    result.reason = std::move(reason);
    return result;
}

bool isRundll32Line(std::string_view target) {
    const std::string_view first = target.substr(0, target.find(' '));
    const std::string name = vantix::text::toLowerAscii(first.substr(first.find_last_of("\\/") + 1));
    return name == "rundll32" || name == "rundll32.exe";
}

SpawnResult throughWine(const StartRequest& request, std::vector<std::string> arguments,
                        const std::filesystem::path& workingDir) {
    const auto wine = findOnPath("wine");
    if (!wine) return failure(request.target + ": Windows programs need Wine, and \"wine\" is not installed");
    SpawnRequest spawn;
    spawn.program = *wine;
    spawn.arguments = std::move(arguments);
    spawn.workingDir = workingDir;
    spawn.environment = {{"WINEPREFIX", request.imageDir.string()}};
    return spawnDetached(spawn);
}

SpawnResult withDesktop(const std::string& what, const std::filesystem::path& workingDir) {
    const auto opener = findOnPath("xdg-open");
    if (!opener) return failure(what + ": no desktop opener (\"xdg-open\") is installed");
    SpawnRequest spawn;
    spawn.program = *opener;
    spawn.arguments = {what};
    spawn.workingDir = workingDir;
    return spawnDetached(spawn);
}

}  // namespace

SpawnResult startTarget(const StartRequest& request) {
    const std::string target(vantix::text::trim(request.target));
    if (target.empty()) return failure("nothing to start");
    std::filesystem::path workingDir;
    if (!request.workingDir.empty()) {
        const auto folder = toHostPath(request.imageDir, request.workingDir);
        if (!folder) return failure(request.workingDir + ": no such folder in the machine image");
        workingDir = *folder;
    }
    std::vector<std::string> parameters = splitCommandLine(request.parameters);

    if (isRundll32Line(target)) {
        std::vector<std::string> arguments = splitCommandLine(target);
        arguments.insert(arguments.end(), parameters.begin(), parameters.end());
        arguments.front() = "rundll32";
        return throughWine(request, std::move(arguments), workingDir);
    }
    if (isWebAddress(target)) return withDesktop(target, workingDir);

    const auto host = toHostPath(request.imageDir, target, request.workingDir);
    std::error_code error;
    if (!host || !std::filesystem::is_regular_file(*host, error)) return failure(target + ": no such file");
    switch (programKind(*host)) {
        case ProgramKind::Native: {
            SpawnRequest spawn;
            spawn.program = *host;
            spawn.arguments = std::move(parameters);
            spawn.workingDir = workingDir;
            return spawnDetached(spawn);
        }
        case ProgramKind::Windows: {
            std::vector<std::string> arguments{host->string()};
            arguments.insert(arguments.end(), parameters.begin(), parameters.end());
            return throughWine(request, std::move(arguments), workingDir);
        }
        case ProgramKind::ControlPanel: {
            std::vector<std::string> arguments{"control", host->string()};
            arguments.insert(arguments.end(), parameters.begin(), parameters.end());
            return throughWine(request, std::move(arguments), workingDir);
        }
        case ProgramKind::Document: break;
    }
    return withDesktop(host->string(), workingDir);
}

}  // namespace vantix::platform
