#pragma once

// Fault injection for the durable saves (registry files, INI files, the undo
// journal): tests make the Nth write or rename fail as a full disk would, to
// show that a failed save leaves the old file whole and reports the failure.
namespace vantix::platform {

enum class DiskStep { Write, Rename };

// From now on, the `nth` step of that kind (1: the next one) fails; 0 disarms.
// Counting is per kind and process-wide.
void failDiskStep(DiskStep step, int nth);

// Asked by every durable save just before the step. True (with errno set to
// ENOSPC) when this step is the one to fail.
bool injectedDiskFault(DiskStep step);

}  // namespace vantix::platform
