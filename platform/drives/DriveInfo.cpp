#include "platform/drives/DriveInfo.h"

#include <sys/statvfs.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "platform/files/FileIo.h"
#include "platform/log/Log.h"
#include "platform/paths/DriveLinks.h"
#include "platform/text/Text.h"

namespace vantix::platform {
namespace {

constexpr std::string_view kLabelFile = ".windows-label";
constexpr std::string_view kSerialFile = ".windows-serial";
constexpr std::size_t kMaxLabelBytes = 255;

char upper(char letter) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
}

}  // namespace

int driveTypeFromSetting(char letter, std::optional<std::string_view> setting) {
    if (setting) {
        const std::string value = vantix::text::toLowerAscii(vantix::text::trim(*setting));
        if (value == "hd") return drivetype::Fixed;
        if (value == "floppy") return drivetype::Removable;
        if (value == "cdrom") return drivetype::Cdrom;
        if (value == "network") return drivetype::Remote;
        if (value == "ramdisk") return drivetype::RamDisk;
        vantix::log::debug("drives", "unknown drive type \"" + value + "\"; using the default");
    }
    return upper(letter) == 'A' || upper(letter) == 'B' ? drivetype::Removable : drivetype::Fixed;
}

int driveType(Registry& registry, const std::filesystem::path& imageDir, char letter) {
    if (!imageDrive(imageDir, letter)) return drivetype::NoRootDir;
    const std::string name{static_cast<char>(std::tolower(static_cast<unsigned char>(letter))),
                           ':'};
    std::optional<std::string> setting;
    if (const auto value = registry.getValue(Root::LocalMachine, kWineDrivesKey, name);
        value && (value->type == regtype::Sz || value->type == regtype::ExpandSz))
        setting = value->text();
    return driveTypeFromSetting(letter, setting);
}

std::string fileSystemName(int type) {
    return type == drivetype::Cdrom ? "CDFS" : "NTFS";
}

std::optional<std::string> volumeLabel(const std::filesystem::path& imageDir, char letter) {
    const auto drive = imageDrive(imageDir, letter);
    if (!drive) return std::nullopt;
    auto text = readWholeFile(drive->target / kLabelFile, 4096);
    if (!text) return std::string();
    if (text->size() > kMaxLabelBytes) text->resize(kMaxLabelBytes);
    const std::size_t end = text->find_last_not_of(" \r\n");
    text->resize(end == std::string::npos ? 0 : end + 1);
    return text;
}

FileStatus setVolumeLabel(const std::filesystem::path& imageDir, char letter,
                          std::string_view label) {
    const auto drive = imageDrive(imageDir, letter);
    if (!drive)
        return FileStatus::error(FileStatus::NotFound,
                                 std::string(1, upper(letter)) + ": no such drive");
    if (label.size() > kMaxLabelBytes)
        return FileStatus::error(FileStatus::InvalidArgument,
                                 "a volume label holds at most 255 bytes");
    if (label.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos)
        return FileStatus::error(FileStatus::InvalidArgument,
                                 "a volume label cannot hold line breaks");
    const std::filesystem::path file = drive->target / kLabelFile;
    const auto before = readWholeFile(file, 4096);
    if (label.empty()) return before ? removeWholeFile(file, before) : FileStatus::ok();
    const std::string content = std::string(label) + "\n";
    if (before == content) return FileStatus::ok();
    return replaceFile(file, content, before);
}

std::optional<std::uint32_t> volumeSerial(const std::filesystem::path& imageDir, char letter) {
    const auto drive = imageDrive(imageDir, letter);
    if (!drive) return std::nullopt;
    const std::uint32_t fallback =
        static_cast<std::uint32_t>(static_cast<unsigned char>(drive->letter)) << 24;
    const auto text = readWholeFile(drive->target / kSerialFile, 256);
    if (!text) return fallback;
    const std::string digits(vantix::text::trim(*text, " \t\r\n"));
    char* end = nullptr;
    const unsigned long long serial = std::strtoull(digits.c_str(), &end, 16);
    if (digits.empty() || *end != '\0' || serial > 0xFFFFFFFFULL) {
        vantix::log::debug("drives",
                           drive->target.string() + ": unreadable serial \"" + digits + "\"");
        return fallback;
    }
    return static_cast<std::uint32_t>(serial);
}

std::optional<DriveSpace> driveSpace(const std::filesystem::path& imageDir, char letter) {
    const auto drive = imageDrive(imageDir, letter);
    if (!drive) return std::nullopt;
    struct statvfs info {};
    if (::statvfs(drive->target.c_str(), &info) != 0) return std::nullopt;
    return DriveSpace{static_cast<std::uint64_t>(info.f_bavail) * info.f_frsize,
                      static_cast<std::uint64_t>(info.f_blocks) * info.f_frsize};
}

ClusterFigures clusterFigures(std::uint64_t blockBytes, std::uint64_t availableBlocks,
                              std::uint64_t totalBlocks) {
    ClusterFigures figures;
    figures.bytesPerSector = blockBytes == 2048 ? 2048 : 512;
    figures.sectorsPerCluster = blockBytes == 2048 ? 1 : 8;
    const std::uint64_t clusterBytes =
        std::uint64_t{figures.bytesPerSector} * figures.sectorsPerCluster;
    const auto clusters = [&](std::uint64_t blocks) {
        return static_cast<std::uint32_t>(
            std::min<std::uint64_t>(blocks * blockBytes / clusterBytes, 0xFFFFFFFFULL));
    };
    figures.freeClusters = clusters(availableBlocks);
    figures.totalClusters = clusters(totalBlocks);
    return figures;
}

std::optional<ClusterFigures> diskClusters(const std::filesystem::path& imageDir, char letter) {
    const auto drive = imageDrive(imageDir, letter);
    if (!drive) return std::nullopt;
    struct statvfs info {};
    if (::statvfs(drive->target.c_str(), &info) != 0) return std::nullopt;
    return clusterFigures(info.f_frsize, info.f_bavail, info.f_blocks);
}

}  // namespace vantix::platform
