#include "platform/paths/HostPath.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "platform/paths/DriveLinks.h"
#include "platform/text/Text.h"

namespace vantix::platform {
namespace {

bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

std::vector<std::string_view> splitComponents(std::string_view path) {
    std::vector<std::string_view> parts;
    std::size_t pos = 0;
    while (pos <= path.size()) {
        std::size_t stop = pos;
        while (stop < path.size() && !isSeparator(path[stop])) ++stop;
        if (stop > pos) parts.push_back(path.substr(pos, stop - pos));
        pos = stop + 1;
    }
    return parts;
}

// The entry of `folder` that `name` means: itself when it exists, else the
// first case-insensitive match in name order, else `name` unchanged.
std::string matchEntry(const std::filesystem::path& folder, std::string_view name) {
    std::error_code error;
    const std::filesystem::path exact = folder / std::string(name);
    if (std::filesystem::symlink_status(exact, error).type() !=
            std::filesystem::file_type::not_found &&
        !error)
        return std::string(name);
    std::vector<std::string> matches;
    std::filesystem::directory_iterator it(folder, error);
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        std::string entry = it->path().filename().string();
        if (vantix::text::equalsIgnoreCase(entry, name)) matches.push_back(std::move(entry));
    }
    if (matches.empty()) return std::string(name);
    return *std::min_element(matches.begin(), matches.end());
}

bool isDriveSpec(std::string_view path) {
    return path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]));
}

}  // namespace

std::filesystem::path appendMatchingCase(const std::filesystem::path& folder,
                                         std::string_view relative) {
    std::filesystem::path result = folder;
    std::vector<std::filesystem::path> trail;  // folders entered, for ".."
    for (const std::string_view part : splitComponents(relative)) {
        if (part == ".") continue;
        if (part == "..") {
            if (!trail.empty()) {
                result = trail.back();
                trail.pop_back();
            }
            continue;
        }
        trail.push_back(result);
        result /= matchEntry(result, part);
    }
    return result;
}

std::optional<std::filesystem::path> toHostPath(const std::filesystem::path& imageDir,
                                                std::string_view path, std::string_view base) {
    if (path.empty()) return std::nullopt;
    if (path.front() == '/' && (path.size() == 1 || path[1] != '/')) {
        // A host folder joined with a Windows-form name, as a module registers
        // itself from a program folder outside the image ("/opt/vantix/Module\REGALTO.EXE").
        if (path.find('\\') != std::string_view::npos)
            return appendMatchingCase("/", path.substr(1));
        return std::filesystem::path(path);
    }
    if (isDriveSpec(path)) {
        const auto drive = imageDrive(imageDir, path[0]);
        if (!drive) return std::nullopt;
        return appendMatchingCase(drive->target, path.substr(2));
    }
    if (path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1]))
        return std::nullopt;  // UNC, devices
    if (base.empty()) return std::nullopt;
    if (isSeparator(path.front())) {
        // Rooted on the base's drive.
        if (!isDriveSpec(base)) return std::nullopt;
        return toHostPath(imageDir, std::string(base.substr(0, 2)) + std::string(path));
    }
    if (isDriveSpec(base))
        return toHostPath(imageDir, std::string(base) + "\\" + std::string(path));
    // A host folder as base: ".." climbs it lexically, the rest is matched below it.
    auto folder = toHostPath(imageDir, base);
    if (!folder) return std::nullopt;
    folder = folder->lexically_normal();
    while (path.size() >= 2 && path.substr(0, 2) == ".." &&
           (path.size() == 2 || isSeparator(path[2]))) {
        if (!folder->has_filename()) folder = folder->parent_path();
        folder = folder->parent_path();
        path.remove_prefix(std::min<std::size_t>(path.size(), 3));
    }
    return appendMatchingCase(*folder, path);
}

std::optional<std::string> toWindowsPath(const std::filesystem::path& imageDir,
                                         const std::filesystem::path& host) {
    std::error_code error;
    const std::filesystem::path wanted = std::filesystem::weakly_canonical(host, error);
    if (error) return std::nullopt;
    std::optional<std::string> best;
    std::size_t bestDepth = 0;
    for (const DriveMapping& drive : imageDrives(imageDir)) {
        const std::filesystem::path root = std::filesystem::weakly_canonical(drive.target, error);
        if (error) continue;
        const std::filesystem::path relative = wanted.lexically_relative(root);
        if (relative.empty() || *relative.begin() == "..") continue;
        const auto depth = static_cast<std::size_t>(std::distance(root.begin(), root.end()));
        if (best && depth <= bestDepth) continue;
        std::string text{drive.letter, ':', '\\'};
        bool first = true;
        for (const auto& part : relative) {
            if (part == ".") continue;
            if (!first) text += '\\';
            text += part.string();
            first = false;
        }
        best = std::move(text);
        bestDepth = depth;
    }
    return best;
}

}  // namespace vantix::platform
