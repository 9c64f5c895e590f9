#include "platform/paths/Confinement.h"

#include <vector>

#include "platform/paths/DriveLinks.h"

namespace vantix::platform {
namespace {

bool isInside(const std::filesystem::path& path, const std::filesystem::path& root) {
    const std::filesystem::path relative = path.lexically_relative(root);
    return !relative.empty() && *relative.begin() != "..";
}

}  // namespace

std::optional<std::string> confinementViolation(const std::filesystem::path& imageDir,
                                                const std::filesystem::path& programDir,
                                                const std::filesystem::path& host) {
    if (host.empty() || host.is_relative()) return "\"" + host.string() + "\" is not an absolute path";
    std::error_code error;
    const std::filesystem::path resolved = std::filesystem::weakly_canonical(host, error);
    if (error) return "\"" + host.string() + "\" cannot be resolved: " + error.message();

    std::vector<std::filesystem::path> roots;
    for (const DriveMapping& drive : imageDrives(imageDir)) {
        const std::filesystem::path root = std::filesystem::weakly_canonical(drive.target, error);
        if (!error && root != root.root_path()) roots.push_back(root);
    }
    if (!programDir.empty()) {
        const std::filesystem::path root = std::filesystem::weakly_canonical(programDir, error);
        if (!error && root != root.root_path()) roots.push_back(root);
    }
    for (const auto& root : roots) {
        if (isInside(resolved, root)) return std::nullopt;
    }
    return "\"" + resolved.string() + "\" lies outside the machine image's drives and the program folder";
}

}  // namespace vantix::platform
