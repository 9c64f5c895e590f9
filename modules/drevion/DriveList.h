#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/drives/DriveInfo.h"

namespace vantix::platform {
class Machine;
}

// The drives module's list of drives and what its drive tab shows of one.
namespace vantix::drevion {

inline constexpr const char* kNoMedium = "No medium or ext. drive";

struct DriveEntry {
    char letter = 'C';
    int type = 0;          // platform::drivetype
    std::string label;     // "" without one
    std::string text;      // the list text
    std::string typeText;  // the "Type" column
};

// " Floppy (A)", " SYSTEM (C)", " Drive C", " CD-ROM (D)" ... by type and label.
std::string driveText(char letter, int type, const std::string& label);
std::string driveTypeText(char letter, int type);
// Letters A to Z of the image with types 2 to 6, in letter order.
std::vector<DriveEntry> listDrives(platform::Machine& machine);

struct DriveDetails {
    bool readable = false;  // false: the label box shows kNoMedium, the figures are empty
    std::string label;
    bool labelEditable = false;  // not for network and CD-ROM drives
    platform::ClusterFigures clusters;
    std::uint64_t capacityBytes = 0;
    std::uint64_t freeBytes = 0;
    std::uint64_t usedBytes() const { return capacityBytes - freeBytes; }
};
DriveDetails driveDetails(platform::Machine& machine, char letter, int type);

// Megabytes of 1,000,000 bytes as "##,##0.00" followed by " MB".
std::string megabytesText(std::uint64_t bytes);

}  // namespace vantix::drevion
