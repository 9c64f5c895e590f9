#include "tweaks/ChangeRecorder.h"

#include "platform/files/DosAttributes.h"
#include "platform/files/FileIo.h"

namespace vantix::tweaks {

namespace {
// Files the catalogue changes are INI files and small system files; a larger
// one is not kept whole in the journal.
constexpr std::size_t kMaxJournalFileBytes = 64 * 1024 * 1024;
}  // namespace

FileBefore captureFile(const std::filesystem::path& path) {
    FileBefore before;
    before.path = path;
    before.content = platform::readWholeFile(path, kMaxJournalFileBytes);
    if (before.content) before.attributes = platform::dosAttributes(path).value_or(0);
    return before;
}

ChangeRecorder::ChangeRecorder(platform::Registry& registry)
    : registry_(registry), previousFileObserver_(platform::fileObserver()) {
    registry_.setObserver(this);
    platform::setFileObserver(this);
}

ChangeRecorder::~ChangeRecorder() {
    registry_.setObserver(nullptr);
    platform::setFileObserver(previousFileObserver_);
}

void ChangeRecorder::registryChanging(const platform::RegistryChange& change) {
    changes_.push_back({change, std::nullopt});
}

void ChangeRecorder::fileChanging(const platform::FileChange& change) {
    RecordedFileChange recorded{change, {captureFile(change.path)}};
    if (change.kind == platform::FileChange::Rename)
        recorded.before.push_back(captureFile(change.source));
    // Whole-file writes already carry the content they replace.
    if (change.kind == platform::FileChange::Write && change.before)
        recorded.before.front().content = change.before;
    changes_.push_back({std::nullopt, std::move(recorded)});
}

}  // namespace vantix::tweaks
