#include "modules/drevion/DriveOptions.h"

#include <algorithm>
#include <charconv>

#include "lindrel32/QVFKT.h"
#include "lindrel32/QVREG.h"
#include "modules/common/ModuleInfo.h"
#include "platform/drives/DriveInfo.h"
#include "platform/log/Log.h"
#include "platform/machine/Machine.h"

namespace vantix::drevion {

namespace {

constexpr const char* kAbsent = "NO Key";
constexpr const char* kVcache = "vcache";

std::string ownKey() {
    return std::string(modules::kModuleRegistryKey) + "\\" +
           std::string(modules::moduleInfo(modules::ModuleId::Drevion).keyName);
}

// A stored number within the slider's range; the fallback when it is missing or no number.
int sliderValue(const std::string& text, const SliderRange& range) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text == kAbsent || error != std::errc() || end != text.data() + text.size())
        value = range.fallback;
    return std::clamp(value, range.minimum, range.maximum);
}

bool zeroOrMissing(const std::string& text) {
    return text == kAbsent || text == "0";
}

}  // namespace

DriveOptions::DriveOptions(platform::Machine& machine, int versionCode, lindrel32::IQVREG& registry,
                           lindrel32::IQVFKT& functions)
    : machine_(machine), versionCode_(versionCode), registry_(registry), functions_(functions) {
}

DriveOptions::DriveOptions(platform::Machine& machine, int versionCode)
    : machine_(machine),
      versionCode_(versionCode),
      ownRegistry_(std::make_unique<lindrel32::QVREG>(machine)),
      ownFunctions_(std::make_unique<lindrel32::QVFKT>(machine)),
      registry_(*ownRegistry_),
      functions_(*ownFunctions_) {
}

DriveOptions::~DriveOptions() = default;

SystemSettings DriveOptions::read() {
    lindrel32::IQVREG& registry = registry_;
    lindrel32::IQVFKT& functions = functions_;
    SystemSettings settings;
    settings.ntBoxes = versionCode_ == 1;
    settings.nineXBoxes = versionCode_ == 2 || versionCode_ == 3;
    if (settings.ntBoxes) {
        settings.generateShortNames =
            zeroOrMissing(registry.GetReg(kFileSystemKey, "NtfsDisable8dot3NameCreation", "D"));
        settings.longNamesOnFat =
            zeroOrMissing(registry.GetReg(kFileSystemKey, "Win31FileSystem", "D"));
    }
    if (settings.nineXBoxes) {
        const std::string tail = registry.GetReg(kFileSystemKey, "NameNumericTail", "B");
        settings.tilde = tail == kAbsent || tail == "7E";
        settings.minCache =
            sliderValue(functions.GET_Ini("SYSTEM.INI", kVcache, "MinFileCache"), kMinCacheRange);
        settings.maxCache =
            sliderValue(functions.GET_Ini("SYSTEM.INI", kVcache, "MaxFileCache"), kMaxCacheRange);
    }
    settings.files = sliderValue(registry.GetReg(kFileSystemKey, "FileNameCache"), kFilesRange);
    settings.paths = sliderValue(registry.GetReg(kFileSystemKey, "FilePathCache"), kPathsRange);
    settings.autostart =
        autostartBoxes(parseAutostartByte(registry.GetReg(kPolicyKey, "NoDriveTypeAutoRun", "B")));
    return settings;
}

void DriveOptions::apply(const SystemSettings& settings) {
    lindrel32::IQVREG& registry = registry_;
    lindrel32::IQVFKT& functions = functions_;
    if (versionCode_ == 1) {
        registry.SetReg(kFileSystemKey, "NtfsDisable8dot3NameCreation",
                        settings.generateShortNames ? "0" : "1", "D");
        registry.SetReg(kFileSystemKey, "Win31FileSystem", settings.longNamesOnFat ? "0" : "1",
                        "D");
    } else if (versionCode_ == 2 || versionCode_ == 3) {
        registry.SetReg(kFileSystemKey, "NameNumericTail", settings.tilde ? "7E" : "00", "B");
        functions.SET_Ini("SYSTEM.INI", kVcache, "MinFileCache", std::to_string(settings.minCache));
        functions.SET_Ini("SYSTEM.INI", kVcache, "MaxFileCache", std::to_string(settings.maxCache));
    }
    registry.SetReg(kFileSystemKey, "FileNameCache", std::to_string(settings.files));
    registry.SetReg(kFileSystemKey, "FilePathCache", std::to_string(settings.paths));
    const std::uint8_t current =
        parseAutostartByte(registry.GetReg(kPolicyKey, "NoDriveTypeAutoRun", "B"));
    registry.SetReg(kPolicyKey, "NoDriveTypeAutoRun",
                    formatAutostart(applyAutostart(current, settings.autostart)), "B");
}

bool DriveOptions::isHidden(char letter) {
    lindrel32::IQVREG& registry = registry_;
    return driveBit(parseDriveMask(registry.GetReg(kPolicyKey, "NoDrives", "B")), letter);
}

bool DriveOptions::setHidden(char letter, bool hidden) {
    lindrel32::IQVREG& registry = registry_;
    const std::uint32_t mask = parseDriveMask(registry.GetReg(kPolicyKey, "NoDrives", "B"));
    const bool written = registry.SetReg(kPolicyKey, "NoDrives",
                                         formatDriveMask(withDrive(mask, letter, hidden)), "B");
    if (!written) log::debug("drevion", "NoDrives: " + registry.LastError());
    return written;
}

bool DriveOptions::notViewInfo() {
    lindrel32::IQVREG& registry = registry_;
    return registry.GetReg(ownKey(), "NotViewInfo") == "1";
}

void DriveOptions::setNotViewInfo(bool checked) {
    lindrel32::IQVREG& registry = registry_;
    registry.SetReg(ownKey(), "NotViewInfo", checked ? "1" : "0");
}

bool DriveOptions::relabel(char letter, const std::string& label, std::string* reason) {
    const auto status = platform::setVolumeLabel(machine_.dir(), letter, label);
    if (!status && reason) *reason = status.message;
    return static_cast<bool>(status);
}

}  // namespace vantix::drevion
