#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The binary values of Explorer's policies as the drives module reads and
// writes them: hex digit pairs, lowest byte first.
namespace vantix::drevion {

// "NoDrives": the hex text laid over "00000000" from the left, its byte pairs
// read 4th, 3rd, 2nd, 1st; "NO Key" and text that is no hex count as 0.
std::uint32_t parseDriveMask(std::string_view hex);
// Eight upper-case hex digits, byte pairs lowest first ("0C000000").
std::string formatDriveMask(std::uint32_t mask);
std::uint32_t withDrive(std::uint32_t mask, char letter, bool hidden);
bool driveBit(std::uint32_t mask, char letter);

// "NoDriveTypeAutoRun": only its first byte counts ("NO Key": 0).
std::uint8_t parseAutostartByte(std::string_view hex);

struct AutostartBoxes {      // a checked box switches autostart off for that type
    bool removable = false;  // bit 2
    bool harddisk = false;   // bit 3
    bool cdrom = false;      // bit 5
    bool ramdisk = false;    // bit 6
};
AutostartBoxes autostartBoxes(std::uint8_t byte);
// Sets or clears bits 2, 3, 5 and 6; every other bit stays as it was.
std::uint8_t applyAutostart(std::uint8_t byte, const AutostartBoxes& boxes);
// The byte as two upper-case hex digits followed by "000000".
std::string formatAutostart(std::uint8_t byte);

}  // namespace vantix::drevion
