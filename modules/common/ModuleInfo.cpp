#include "modules/common/ModuleInfo.h"

#include <array>

namespace vantix::modules {
namespace {

constexpr std::string_view kStartedFromWithin = "Sorry, this is a Vantix module - it can only be started from within Vantix 98!";

constexpr std::array<ModuleInfo, 4> kModules{{
    {ModuleId::Regalto, "Regalto", "Registry Editor", "7", "\\REGALTO.EXE", " Registry Editor Module",
     "\\QVMODULE.HLP", VersionRule::RefuseBelowNt, ArgumentRule::RefuseAll, kStartedFromWithin},
    {ModuleId::Traskel, "Traskel", "Taskbar", "7", "\\TRASKEL.EXE", " Taskbar Module", "\\QVMODULE.HLP",
     VersionRule::RefuseBelowNt, ArgumentRule::RefuseAll, kStartedFromWithin},
    {ModuleId::Drevion, "Drevion", "Drives", "7", "\\DREVION.EXE", " Drives Module", "\\DREVION.HLP",
     VersionRule::StoreOnly, ArgumentRule::DriveArgument,
     "Sorry, this is a Vantix module - it cannot be started outside Vantix 98!"},
    {ModuleId::Bootlam, "Bootlam", "Boot Options", "1", "\\BOOTLAM.EXE", " NT Boot Options Module",
     "\\BOOTLAM.HLP", VersionRule::RequireNtMessage, ArgumentRule::RefuseAll,
     "Sorry, this is a Vantix module - it must be started from within Vantix 98!"},
}};

}  // namespace

const ModuleInfo& moduleInfo(ModuleId id) {
    for (const auto& info : kModules) {
        if (info.id == id) return info;
    }
    return kModules.front();  // unreachable: every ModuleId has an entry
}

std::span<const ModuleInfo> allModules() { return kModules; }

}  // namespace vantix::modules
