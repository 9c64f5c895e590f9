#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "lindrel32/Forward.h"
#include "tweaks/TweakHost.h"

namespace vantix::platform {
class Machine;
}

namespace vantix::tweaks {

// The engine's access to a machine image through the standard functions
// library (QVREG, QVFKT) and the platform's file operations.
class LibraryHost : public TweakHost {
public:
    // Through the program's objects of the library, which work on `machine`, the current image.
    LibraryHost(platform::Machine& machine, std::filesystem::path programDir,
                lindrel32::IQVREG& registry, lindrel32::IQVFKT& functions);
    // Through objects of the library's C++ interface on `machine` (scratch images).
    LibraryHost(platform::Machine& machine, std::filesystem::path programDir);
    ~LibraryHost() override;

    std::string GetReg(const std::string& path, const std::string& name,
                       const std::string& type) override;
    bool SetReg(const std::string& path, const std::string& name, const std::string& value,
                const std::string& type) override;
    bool DelReg(const std::string& path, const std::string& name) override;
    std::string GET_Ini(const std::string& file, const std::string& section,
                        const std::string& key) override;
    bool SET_Ini(const std::string& file, const std::string& section, const std::string& key,
                 const std::string& value) override;
    bool setNormalAttributes(const std::string& file) override;
    void FILE_Copy(const std::string& source, const std::string& target) override;
    void FILE_Delete(const std::string& file) override;
    bool renameFile(const std::string& source, const std::string& target) override;
    bool ShellExec(const std::string& file) override;
    bool restartMachine() override;
    PlaceholderDirectories directories() override;

    platform::Machine& machine() { return machine_; }
    const std::filesystem::path& programDir() const { return programDir_; }
    // The file operations refused since the last call (a rename onto an
    // existing file, a delete that left the file), one line each; clears them.
    std::vector<std::string> takeRefusals();

private:
    // The host path of a catalogue file, or nullopt when it lies outside the
    // image's drives and the program folder (then nothing is done).
    std::optional<std::filesystem::path> confined(const std::string& file);

    platform::Machine& machine_;
    std::filesystem::path programDir_;
    std::unique_ptr<lindrel32::QVREG> ownReg_;
    std::unique_ptr<lindrel32::QVFKT> ownFkt_;
    lindrel32::IQVREG& reg_;
    lindrel32::IQVFKT& fkt_;
    std::optional<PlaceholderDirectories> directories_;
    std::vector<std::string> refusals_;
};

}  // namespace vantix::tweaks
