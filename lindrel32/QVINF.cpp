#include "lindrel32/QVINF.h"

#include <cctype>

#include "platform/drives/DriveInfo.h"
#include "platform/log/Log.h"
#include "platform/machine/Machine.h"
#include "platform/machine/SystemInfo.h"
#include "platform/paths/DriveLinks.h"

namespace lindrel32 {

namespace platform = vantix::platform;

namespace {

constexpr std::size_t kNameBuffer = 50;

// The platform fills a 50-character buffer; the result is cut at its first
// NUL and trailing blanks go.
std::string bufferedName(std::string name) {
    if (name.size() >= kNameBuffer) return "";  // the call fails on a buffer too small
    name = name.substr(0, name.find('\0'));
    const std::size_t end = name.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : name.substr(0, end + 1);
}

std::int32_t roundedKilobytes(std::uint64_t bytes) {
    return static_cast<std::int32_t>((bytes + 512) / 1024);
}

}  // namespace

QVINF::QVINF() = default;
QVINF::QVINF(platform::Machine& machine) : machine_(&machine) {
}

platform::Machine& QVINF::machine() {
    return machine_ ? *machine_ : platform::currentMachine();
}

std::string QVINF::INF_GetCompName() {
    try {
        return bufferedName(platform::computerName(machine().registry()));
    } catch (const std::exception& error) {
        vantix::log::debug("lindrel32", std::string("INF_GetCompName: ") + error.what());
        return "";
    }
}

std::string QVINF::INF_GetUserName() {
    return bufferedName(platform::userName());
}

void QVINF::INF_GetMemory(std::uint8_t& PercentUsed, std::int32_t& TotalRam,
                          std::int32_t& FreeRam) {
    const auto status = platform::memoryStatus();
    if (!status) return;
    PercentUsed = static_cast<std::uint8_t>(status->loadPercent);
    TotalRam = roundedKilobytes(status->totalBytes);
    FreeRam = roundedKilobytes(status->availableBytes);
}

void QVINF::INF_Processor(std::string& ProcessorTyp, std::int32_t& NumOfProcessors,
                          std::int32_t& ActiveProcessor) {
    const auto info = platform::processorInfo();
    ActiveProcessor = static_cast<std::int32_t>(info.activeMask);
    NumOfProcessors = static_cast<std::int32_t>(info.count);
    switch (info.type) {
        case 386:
            ProcessorTyp = "80386";
            break;
        case 486:
            ProcessorTyp = "80486";
            break;
        case 586:
            ProcessorTyp = "Intel Pentium/Pro";
            break;
        default:
            break;
    }
}

std::string QVINF::INF_GetKeyboardType(std::int32_t& FunctionKeys) {
    const auto keyboard = platform::keyboardInfo();
    FunctionKeys = keyboard.functionKeys;
    switch (keyboard.type) {
        case 1:
            return "IBM PC/XT or compatible (83 key)";
        case 2:
            return "Olivetti \"ico\" (102 key)";
        case 3:
            return "IBM PC/AT or compatible (84 key)";
        case 4:
            return "IBM enhanced (101 or 102 key)";
        case 5:
            return "Nokia 1050 or compatible";
        case 6:
            return "Nokia 9140 or compatible";
        case 7:
            return "Japanese";
        default:
            return "";
    }
}

void QVINF::INF_DriveAnz(std::int16_t& Removable, std::int16_t& NotRemovable, std::int16_t& CD,
                         std::int16_t& RAM, std::int16_t& Network) {
    for (const auto& drive : platform::imageDrives(machine().dir())) {
        switch (INF_DriveType(std::string{drive.letter, ':', '\\'})) {
            case platform::drivetype::Removable:
                ++Removable;
                break;
            case platform::drivetype::Fixed:
                ++NotRemovable;
                break;
            case platform::drivetype::Remote:
                ++Network;
                break;
            case platform::drivetype::Cdrom:
                ++CD;
                break;
            case platform::drivetype::RamDisk:
                ++RAM;
                break;
            default:
                break;
        }
    }
}

std::int32_t QVINF::INF_DriveType(const std::string& strRoot) {
    // GetDriveType takes "C:", "C:\" or "C:/"; anything else names no drive root.
    const bool root = (strRoot.size() == 2 ||
                       (strRoot.size() == 3 && (strRoot[2] == '\\' || strRoot[2] == '/'))) &&
                      strRoot[1] == ':' && std::isalpha(static_cast<unsigned char>(strRoot[0]));
    if (!root) return platform::drivetype::NoRootDir;
    try {
        return platform::driveType(machine().registry(), machine().dir(), strRoot[0]);
    } catch (const std::exception& error) {
        vantix::log::debug("lindrel32", std::string("INF_DriveType: ") + error.what());
        return platform::drivetype::Unknown;
    }
}

}  // namespace lindrel32
