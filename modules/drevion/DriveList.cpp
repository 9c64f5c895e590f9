#include "modules/drevion/DriveList.h"

#include "platform/machine/Machine.h"

namespace vantix::drevion {

namespace dt = platform::drivetype;

std::string driveText(char letter, int type, const std::string& label) {
    const std::string l(1, letter);
    if (letter == 'A' || letter == 'B') return " Floppy (" + l + ")";
    if (!label.empty()) return " " + label + " (" + l + ")";
    switch (type) {
        case dt::Remote:
            return " Net Drive " + l;
        case dt::Cdrom:
            return " CD-ROM (" + l + ")";
        case dt::RamDisk:
            return " RAM Disk (" + l + ")";
        default:
            return " Drive " + l;
    }
}

std::string driveTypeText(char letter, int type) {
    if (letter == 'A' || letter == 'B') return "Removable medium";
    switch (type) {
        case dt::Removable:
            return "Removable medium";
        case dt::Fixed:
            return "Local drive";
        case dt::Remote:
            return "Network drive";
        case dt::Cdrom:
            return "CD-ROM drive";
        case dt::RamDisk:
            return "RAM disk";
        default:
            return "";
    }
}

std::vector<DriveEntry> listDrives(platform::Machine& machine) {
    std::vector<DriveEntry> entries;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const int type = platform::driveType(machine.registry(), machine.dir(), letter);
        if (type < dt::Removable || type > dt::RamDisk) continue;
        DriveEntry entry{
            letter, type, platform::volumeLabel(machine.dir(), letter).value_or(""), {}, {}};
        entry.text = driveText(letter, type, entry.label);
        entry.typeText = driveTypeText(letter, type);
        entries.push_back(std::move(entry));
    }
    return entries;
}

DriveDetails driveDetails(platform::Machine& machine, char letter, int type) {
    DriveDetails details;
    const auto label = platform::volumeLabel(machine.dir(), letter);
    const auto clusters = platform::diskClusters(machine.dir(), letter);
    if (!label || !clusters) return details;
    details.readable = true;
    details.label = *label;
    details.labelEditable = type != dt::Remote && type != dt::Cdrom;
    details.clusters = *clusters;
    const std::uint64_t clusterBytes =
        std::uint64_t{clusters->sectorsPerCluster} * clusters->bytesPerSector;
    details.capacityBytes = clusterBytes * clusters->totalClusters;
    details.freeBytes = clusterBytes * clusters->freeClusters;
    return details;
}

std::string megabytesText(std::uint64_t bytes) {
    // Hundredths of a megabyte, rounded half up as Format rounds.
    const std::uint64_t hundredths = (bytes + 5000) / 10000;
    std::string whole = std::to_string(hundredths / 100);
    for (std::size_t at = whole.size(); at > 3; at -= 3) whole.insert(at - 3, ",");
    const unsigned fraction = static_cast<unsigned>(hundredths % 100);
    return whole + "." + (fraction < 10 ? "0" : "") + std::to_string(fraction) + " MB";
}

}  // namespace vantix::drevion
