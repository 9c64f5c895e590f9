#include "platform/paths/DriveLinks.h"

#include <cctype>

namespace vantix::platform {

std::optional<DriveMapping> imageDrive(const std::filesystem::path& imageDir, char letter) {
    const auto upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    if (upper < 'A' || upper > 'Z') return std::nullopt;
    const std::string name{static_cast<char>(std::tolower(static_cast<unsigned char>(upper))), ':'};
    const std::filesystem::path dosdevices = imageDir / "dosdevices";
    const std::filesystem::path link = dosdevices / name;
    std::error_code error;
    // Wine keeps drives as symbolic links; a plain folder there is accepted too.
    std::filesystem::path target;
    if (std::filesystem::is_symlink(link, error)) {
        target = std::filesystem::read_symlink(link, error);
        if (error) return std::nullopt;
        if (target.is_relative()) target = dosdevices / target;
    } else {
        target = link;
    }
    if (!std::filesystem::is_directory(target, error)) return std::nullopt;
    return DriveMapping{upper, link, target.lexically_normal()};
}

std::vector<DriveMapping> imageDrives(const std::filesystem::path& imageDir) {
    std::vector<DriveMapping> drives;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        if (auto drive = imageDrive(imageDir, letter)) drives.push_back(std::move(*drive));
    }
    return drives;
}

}  // namespace vantix::platform
