#pragma once

#include <span>
#include <string>
#include <string_view>

// The fixed constants of the four configuration modules: what /INIT registers,
// how a start is checked and which help file a module uses.
namespace vantix::modules {

enum class ModuleId { Regalto, Traskel, Drevion, Bootlam };

// What a module does with the platform code after "/START".
enum class VersionRule {
    RefuseBelowNt,    // code < 1: end silently
    StoreOnly,        // the code is kept for later use, never refuses
    RequireNtMessage  // code != 1: message, then end
};

// What a module does with an argument that is neither "/START" nor "/INIT".
enum class ArgumentRule {
    RefuseAll,      // show the refusal text and end
    DriveArgument   // empty: refusal; "A".."Z" first: start with that drive; else end silently
};

struct ModuleInfo {
    ModuleId id;
    std::string_view keyName;       // sub-key below kModuleRegistryKey
    std::string_view displayName;   // "Name"
    std::string_view systems;       // "BS": bit mask as decimal text
    std::string_view executable;    // "\REGALTO.EXE": joined to the executable's folder
    std::string_view windowCaption; // "Window", with its leading blank
    std::string_view helpFile;      // joined to the executable's folder
    VersionRule versionRule;
    ArgumentRule argumentRule;
    std::string_view refusalText;
};

inline constexpr std::string_view kModuleRegistryKey =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Morlan Softwareentwicklung\\Windows Quorvia\\Module";
inline constexpr std::string_view kServerCaption = "Vantix Server";
inline constexpr std::string_view kNtOnlyMessage = "Sorry, this Vantix module will only run under Windows NT.";
// The drives module's Explorer context-menu command, written last by its /INIT.
inline constexpr std::string_view kDriveMenuKey = "HKEY_CLASSES_ROOT\\Drive\\shell\\Drives &Info\\command";
inline constexpr std::string_view kDriveMenuCommand = "\\DREVION.EXE %1";

const ModuleInfo& moduleInfo(ModuleId id);
std::span<const ModuleInfo> allModules();

}  // namespace vantix::modules
