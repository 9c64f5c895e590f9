#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/registry/Registry.h"

// What Wine's kernel32, advapi32 and user32 tell a Windows program running in
// an image about the machine: names, memory, processors and the keyboard.
namespace vantix::platform {

// GetComputerNameA: the image's "ComputerName" below
// HKLM\System\CurrentControlSet\Control\ComputerName\ComputerName (wineboot
// writes it), else the host name up to its first dot, upper-cased, at most 15
// characters. "" when neither is known.
std::string computerName(Registry& registry);
// GetUserNameA: the Unix login name (Wine's WINEUSERNAME), else $USER; "" when unknown.
std::string userName();

struct MemoryStatus {
    std::uint32_t loadPercent = 0;  // of physical memory in use
    std::uint64_t totalBytes = 0;   // physical memory
    std::uint64_t availableBytes = 0;
};
// GlobalMemoryStatus from /proc/meminfo as Wine reads it (MemAvailable, else
// MemFree + Buffers + Cached); the sizes capped at 2 GB - 1 as Wine caps them
// for a program that is not large-address aware. nullopt when unreadable.
std::optional<MemoryStatus> memoryStatus();
// The same from the text of a /proc/meminfo file.
std::optional<MemoryStatus> memoryStatusFromMeminfo(std::string_view meminfo);

// GetSystemInfo of a 32-bit program: processor type 586 (PROCESSOR_INTEL_PENTIUM)
// on x86 hosts, 0 elsewhere; count and mask from the process's CPU affinity.
struct ProcessorInfo {
    std::uint32_t type = 0;
    std::uint32_t count = 1;
    std::uint32_t activeMask = 1;
};
ProcessorInfo processorInfo();

// GetKeyboardType as Wine answers it: type 4 (IBM enhanced), subtype 0, 12
// function keys.
struct KeyboardInfo {
    int type = 4;
    int subtype = 0;
    int functionKeys = 12;
};
KeyboardInfo keyboardInfo();

}  // namespace vantix::platform
