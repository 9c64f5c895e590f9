#pragma once

#include <filesystem>

// Whether an image's in-process servers were ever registered in it (by its
// set-up, by hand, or by the one repair of an image older than registration).
// Kept beside the registry files, not in them, so that unregistering leaves the
// registry exactly as it was and a later start can tell "removed" from "never made".
namespace vantix::platform {

bool serversRegisteredOnce(const std::filesystem::path& imageDir);
// Best effort: false when the record cannot be written.
bool recordServersRegistered(const std::filesystem::path& imageDir);

}  // namespace vantix::platform
