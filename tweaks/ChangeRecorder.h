#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/files/FileObserver.h"
#include "platform/registry/Registry.h"

// Listens to the registry and the file layer while a function is applied (or
// previewed) and keeps every change with the state it replaces: the record
// from which previews are printed and the journal restores.
namespace vantix::tweaks {

// A file as it was just before a change: its bytes and DOS attributes, or absent.
struct FileBefore {
    std::filesystem::path path;
    std::optional<std::string> content;
    std::uint32_t attributes = 0;
};

struct RecordedFileChange {
    platform::FileChange change;
    std::vector<FileBefore> before;  // the target, and for a rename the source too
};

struct RecordedChange {
    std::optional<platform::RegistryChange> registry;
    std::optional<RecordedFileChange> file;
};

class ChangeRecorder : public platform::RegistryObserver, public platform::FileObserver {
public:
    // Installs itself as the observer of `registry` and of the file layer;
    // the destructor takes both back.
    explicit ChangeRecorder(platform::Registry& registry);
    ~ChangeRecorder() override;
    ChangeRecorder(const ChangeRecorder&) = delete;
    ChangeRecorder& operator=(const ChangeRecorder&) = delete;

    void registryChanging(const platform::RegistryChange& change) override;
    void fileChanging(const platform::FileChange& change) override;

    const std::vector<RecordedChange>& changes() const { return changes_; }

private:
    platform::Registry& registry_;
    platform::FileObserver* previousFileObserver_;
    std::vector<RecordedChange> changes_;
};

// The state of a file now, through the file layer (so a dry run's overlay counts).
FileBefore captureFile(const std::filesystem::path& path);

}  // namespace vantix::tweaks
