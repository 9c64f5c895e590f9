#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/files/FileStatus.h"
#include "platform/registry/Registry.h"

// What Windows' volume functions tell about a drive of a machine image, from
// the places Wine keeps it: the type in HKLM\Software\Wine\Drives, the label
// and serial in ".windows-label" / ".windows-serial" in the drive's root, the
// space from the host file system.
namespace vantix::platform {

// GetDriveType codes.
namespace drivetype {
constexpr int Unknown = 0;
constexpr int NoRootDir = 1;
constexpr int Removable = 2;
constexpr int Fixed = 3;
constexpr int Remote = 4;
constexpr int Cdrom = 5;
constexpr int RamDisk = 6;
}  // namespace drivetype

constexpr std::string_view kWineDrivesKey = "Software\\Wine\\Drives";

// The type for a setting of the Drives key ("hd", "floppy", "cdrom",
// "network", "ramdisk", any case); without a setting (or an unknown one) A:
// and B: are removable and the others fixed.
int driveTypeFromSetting(char letter, std::optional<std::string_view> setting);
// The type of the image's drive `letter`; NoRootDir when the image has no such drive.
int driveType(Registry& registry, const std::filesystem::path& imageDir, char letter);
// "CDFS" for CD-ROM drives, "NTFS" for the others, as Wine reports them.
std::string fileSystemName(int type);

// The label ("" when none is set); trailing blanks and line ends dropped.
// nullopt when the image has no such drive.
std::optional<std::string> volumeLabel(const std::filesystem::path& imageDir, char letter);
// Sets the label (an empty one removes the file). Refused for labels longer
// than 255 bytes or holding line breaks or NULs.
FileStatus setVolumeLabel(const std::filesystem::path& imageDir, char letter,
                          std::string_view label);

// The serial from ".windows-serial" (hex, "0x" allowed), else Wine's default:
// the letter's code in the top byte (C: 43000000). nullopt: no such drive.
std::optional<std::uint32_t> volumeSerial(const std::filesystem::path& imageDir, char letter);

struct DriveSpace {
    std::uint64_t freeBytes = 0;  // available to this user
    std::uint64_t totalBytes = 0;
};
std::optional<DriveSpace> driveSpace(const std::filesystem::path& imageDir, char letter);

// GetDiskFreeSpaceA's figures as Wine makes them from the host file system:
// 512-byte sectors, 8 to a cluster (2048-byte sectors, 1 to a cluster, where
// the file system's block is 2048 bytes, as on a CD), cluster counts cut to 32 bits.
struct ClusterFigures {
    std::uint32_t sectorsPerCluster = 0;
    std::uint32_t bytesPerSector = 0;
    std::uint32_t freeClusters = 0;
    std::uint32_t totalClusters = 0;
};
ClusterFigures clusterFigures(std::uint64_t blockBytes, std::uint64_t availableBlocks,
                              std::uint64_t totalBlocks);
std::optional<ClusterFigures> diskClusters(const std::filesystem::path& imageDir, char letter);

}  // namespace vantix::platform
