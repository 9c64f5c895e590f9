#include "platform/files/DiskFaults.h"

#include <atomic>
#include <cerrno>

namespace vantix::platform {
namespace {

// Steps left before the failing one, per kind; 0: none armed.
std::atomic<int> countdown[2];

std::atomic<int>& of(DiskStep step) {
    return countdown[step == DiskStep::Write ? 0 : 1];
}

}  // namespace

void failDiskStep(DiskStep step, int nth) {
    of(step) = nth < 0 ? 0 : nth;
}

bool injectedDiskFault(DiskStep step) {
    auto& left = of(step);
    int current = left.load();
    while (current > 0 && !left.compare_exchange_weak(current, current - 1)) {
    }
    if (current != 1) return false;
    errno = ENOSPC;
    return true;
}

}  // namespace vantix::platform
