#pragma once

#include <memory>
#include <string>

#include "lindrel32/Forward.h"
#include "modules/drevion/Masks.h"

namespace vantix::platform {
class Machine;
}

// The settings the drives module reads and writes: the hidden drives, the
// autostart mask, the file-system options and cache sizes, and its own
// "NotViewInfo". The window and the command line both go through here.
namespace vantix::drevion {

inline constexpr const char* kPolicyKey =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
inline constexpr const char* kFileSystemKey =
    "HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\control\\FileSystem";

struct SliderRange {
    int minimum, maximum, fallback;
};
inline constexpr SliderRange kMinCacheRange{256, 32000, 2048};
inline constexpr SliderRange kMaxCacheRange{256, 32000, 16384};
inline constexpr SliderRange kFilesRange{16, 16384, 512};
inline constexpr SliderRange kPathsRange{16, 2048, 64};

struct SystemSettings {
    bool ntBoxes = false;            // the two NT boxes are in use (Windows NT)
    bool nineXBoxes = false;         // the tilde box and the vcache sliders are in use (Windows 9x)
    bool generateShortNames = true;  // "NtfsDisable8dot3NameCreation" 0 or missing
    bool longNamesOnFat = true;      // "Win31FileSystem" 0 or missing
    bool tilde = true;               // "NameNumericTail" missing or "7E"
    int minCache = kMinCacheRange.fallback;
    int maxCache = kMaxCacheRange.fallback;
    int files = kFilesRange.fallback;
    int paths = kPathsRange.fallback;
    AutostartBoxes autostart;
    friend bool operator==(const SystemSettings&, const SystemSettings&) = default;
};

class DriveOptions {
public:
    // `versionCode`: 1 NT, 2 and 3 Windows 9x (what the start queried).
    // Through the program's objects of the library, which work on `machine`, the current image.
    DriveOptions(platform::Machine& machine, int versionCode, lindrel32::IQVREG& registry,
                 lindrel32::IQVFKT& functions);
    // Through objects of the library's C++ interface on `machine`.
    DriveOptions(platform::Machine& machine, int versionCode);
    ~DriveOptions();

    int versionCode() const { return versionCode_; }
    SystemSettings read();
    // Writes the values of the running platform, then the cache sliders 3 and 4
    // and the autostart byte (its other bits kept).
    void apply(const SystemSettings& settings);

    bool isHidden(char letter);
    // Sets or clears the drive's "NoDrives" bit and writes the mask at once.
    bool setHidden(char letter, bool hidden);

    // "1": the restart notice is not shown.
    bool notViewInfo();
    void setNotViewInfo(bool checked);

    // SetVolumeLabelA on the drive root; false (with `reason`) when refused.
    bool relabel(char letter, const std::string& label, std::string* reason = nullptr);

private:
    platform::Machine& machine_;
    int versionCode_;
    std::unique_ptr<lindrel32::QVREG> ownRegistry_;
    std::unique_ptr<lindrel32::QVFKT> ownFunctions_;
    lindrel32::IQVREG& registry_;
    lindrel32::IQVFKT& functions_;
};

}  // namespace vantix::drevion
