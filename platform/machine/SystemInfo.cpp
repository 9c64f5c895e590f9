#include "platform/machine/SystemInfo.h"

#include <pwd.h>
#include <sched.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "platform/files/FileIo.h"
#include "platform/text/Text.h"

namespace vantix::platform {
namespace {

constexpr std::string_view kComputerNameKey =
    "System\\CurrentControlSet\\Control\\ComputerName\\ComputerName";
constexpr std::size_t kMaxComputerName = 15;  // MAX_COMPUTERNAME_LENGTH
constexpr std::uint64_t kNotLargeAddressAwareCap = 0x7FFFFFFF;

}  // namespace

std::string computerName(Registry& registry) {
    if (const auto value = registry.getValue(Root::LocalMachine, kComputerNameKey, "ComputerName");
        value && value->type == regtype::Sz && !value->text().empty())
        return value->text();
    char host[256] = {};
    if (::gethostname(host, sizeof host - 1) != 0) return {};
    std::string name(host);
    name = name.substr(0, name.find('.'));
    return vantix::text::toUpperAscii(name.substr(0, kMaxComputerName));
}

std::string userName() {
    if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_name)
        return entry->pw_name;
    const char* user = std::getenv("USER");
    return user ? user : "";
}

std::optional<MemoryStatus> memoryStatusFromMeminfo(std::string_view meminfo) {
    std::uint64_t total = 0, free = 0, available = 0;
    std::istringstream lines{std::string(meminfo)};
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string name;
        std::uint64_t kilobytes = 0;
        if (!(fields >> name >> kilobytes)) continue;
        const std::uint64_t bytes = kilobytes * 1024;
        if (name == "MemTotal:")
            total = bytes;
        else if (name == "MemFree:" || name == "Buffers:" || name == "Cached:")
            free += bytes;
        else if (name == "MemAvailable:")
            available = bytes;
    }
    if (total == 0) return std::nullopt;
    if (available == 0) available = free;
    available = std::min(available, total);
    MemoryStatus status;
    status.loadPercent =
        total >= 100 ? static_cast<std::uint32_t>((total - available) / (total / 100)) : 0;
    status.totalBytes = std::min(total, kNotLargeAddressAwareCap);
    status.availableBytes = std::min(available, kNotLargeAddressAwareCap);
    return status;
}

std::optional<MemoryStatus> memoryStatus() {
    const auto text = readWholeFile("/proc/meminfo", 1 << 16);
    if (!text) return std::nullopt;
    return memoryStatusFromMeminfo(*text);
}

ProcessorInfo processorInfo() {
    ProcessorInfo info;
#if defined(__i386__) || defined(__x86_64__)
    info.type = 586;
#endif
    cpu_set_t set;
    CPU_ZERO(&set);
    if (::sched_getaffinity(0, sizeof set, &set) == 0) {
        info.count = static_cast<std::uint32_t>(CPU_COUNT(&set));
        info.activeMask = 0;
        for (int cpu = 0; cpu < 32; ++cpu)
            if (CPU_ISSET(cpu, &set)) info.activeMask |= 1u << cpu;
    }
    return info;
}

KeyboardInfo keyboardInfo() {
    return {};
}

}  // namespace vantix::platform
