#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "tweaks/TweakSession.h"

// Settings profiles: the state of every function of one image as INI text
// that a person can read and edit, applied to other images as one step.
//
//   [801]
//   ; Virtual desktop
//   Choice=B
//   [802]
//   ; Virtual desktop size
//   Choice=A
//   Value=1000x600
namespace vantix::tweaks {

class ProfileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct ProfileEntry {
    std::int64_t id = 0;
    std::string name;                  // a comment only: the catalogue's name wins on import
    std::string letter = "A";          // "A" or "B"
    std::optional<std::string> value;  // the slider position or the text
};

std::string formatProfile(const std::vector<ProfileEntry>& entries, std::string_view source);
// Throws ProfileError ("line N: ...") for text that is no profile: a line
// outside a section, a section that is no function ID or comes twice, a key
// other than Choice and Value, a choice other than A or B, a section without Choice.
std::vector<ProfileEntry> parseProfile(std::string_view text);

// The state of every function of the session's platform. Functions whose
// state cannot be read (they delete or rename files) are left out, each named
// in `leftOut`.
std::vector<ProfileEntry> exportProfile(TweakSession& session, std::vector<std::string>& leftOut);

struct ImportStep {
    ProfileEntry entry;
    enum class Kind { Apply, AlreadySet, Skipped } kind = Kind::Apply;
    std::string reason;    // Skipped: why
    ApplyOutcome preview;  // Apply: what applying changes
};

// Previews every entry against the image: functions that do not exist (or not
// on this platform), or whose request the page could not make, are skipped;
// those that already read as asked change nothing.
std::vector<ImportStep> planImport(TweakSession& session, const std::vector<ProfileEntry>& entries);

// Whether the function reads as the entry asks (after applying it). Throws TweakError.
bool readsAsProfile(TweakSession& session, const ProfileEntry& entry);

}  // namespace vantix::tweaks
