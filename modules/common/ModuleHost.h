#pragma once

#include <string>

// What the module entry procedure needs from its surroundings, so that the
// procedure itself can be run against a fake in tests.
namespace vantix::modules {

class ModuleHost {
public:
    virtual ~ModuleHost() = default;
    // A string value (REG_SZ); the result is ignored by the caller.
    virtual bool writeString(const std::string& keyPath, const std::string& name, const std::string& value) = 0;
    // A message box with the single button OK.
    virtual void showMessage(const std::string& text, const std::string& caption) = 0;
    // Claims the one running instance of the executable; false when another runs.
    virtual bool claimSingleInstance(const std::string& executableName) = 0;
    // 1 NT, 2 Windows 95, 3 later Windows 9x, 0 anything else.
    virtual int windowsVersionCode() = 0;
    // The folder of the running executable, Windows form, without a trailing backslash.
    virtual std::string executableFolder() = 0;
};

}  // namespace vantix::modules
