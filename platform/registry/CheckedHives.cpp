#include "platform/registry/CheckedHives.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <span>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#define XXH_INLINE_ALL
#include <xxhash.h>

#include "platform/paths/DataHome.h"
#include "platform/registry/HiveReader.h"
#include "platform/registry/HiveWriter.h"
#include "platform/registry/PartialHive.h"

namespace vantix::platform::reg {
namespace {

namespace fs = std::filesystem;

// A record file: this head, the headers' starts (4 bytes each) and shared
// lengths (2 bytes each), then an XXH3-64 of all before it. Numbers are in
// the machine's own byte order; another order fails the revision.
struct RecordHead {
    std::array<char, 8> magic;
    std::uint32_t revision;
    std::uint32_t count;
    std::uint64_t textSize;
    std::uint64_t hashLow;
    std::uint64_t hashHigh;
    std::uint8_t saveOrder;  // 0 not in save order, 1 in save order, 2 not decided
    std::array<std::uint8_t, 7> unused;
};
static_assert(sizeof(RecordHead) == 48);

constexpr std::array<char, 8> kMagic{'V', 'X', 'H', 'E', 'A', 'D', 'S', '\n'};
constexpr std::uint8_t kOrderUndecided = 2;

std::size_t recordSize(std::size_t count) {
    return sizeof(RecordHead) + count * (sizeof(std::uint32_t) + sizeof(std::uint16_t)) +
           sizeof(std::uint64_t);
}

XXH128_hash_t hashOf(std::span<const std::string_view> pieces) {
    XXH3_state_t state;
    XXH3_128bits_reset(&state);
    for (const std::string_view piece : pieces)
        XXH3_128bits_update(&state, piece.data(), piece.size());
    return XXH3_128bits_digest(&state);
}

constexpr const char* kFolder = "hive-headers";
constexpr std::string_view kRecordSuffix = ".headers";
constexpr std::string_view kTemporaryPrefix = ".new-";

// Whether `folder` is one that only the user can write into: records that
// others could plant there are never trusted.
bool ownFolder(const fs::path& folder) {
    struct stat st {};
    return ::lstat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
           (st.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

// One record for each hive file, named by a hash of its absolute path.
std::optional<fs::path> recordPath(const fs::path& file) {
    const auto cache = userCacheDir();
    if (!cache) return std::nullopt;
    std::error_code error;
    const fs::path absolute = fs::absolute(file, error);
    if (error) return std::nullopt;
    char name[32];
    std::snprintf(name, sizeof name, "%016llx.headers",
                  static_cast<unsigned long long>(
                      XXH3_64bits(absolute.native().data(), absolute.native().size())));
    return *cache / kFolder / name;
}

bool readAll(int fd, char* to, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::read(fd, to, size);
        if (n <= 0) return false;
        to += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// Headers that only a damaged or foreign record could give are never used:
// each must begin a header line, after the one before, and share no more than
// lies between them.
bool plausible(const HeaderPositions& headers, std::string_view text) {
    std::uint32_t last = 0;
    for (std::size_t i = 0; i < headers.starts.size(); ++i) {
        const std::uint32_t start = headers.starts[i];
        if (start <= last || start >= text.size() || text[start - 1] != '\n') return false;
        std::size_t bracket = start;
        while (bracket < text.size() && (text[bracket] == ' ' || text[bracket] == '\t')) ++bracket;
        if (bracket == text.size() || text[bracket] != '[') return false;
        if (i == 0 ? headers.shared[0] != 0 : headers.shared[i] > start - last) return false;
        last = start;
    }
    return true;
}

std::optional<HeaderPositions> recalled(const fs::path& record, std::string_view text) {
    // Nothing but a plain file of the user's own is read: a pipe would block.
    const int fd = ::open(record.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
    if (fd < 0) return std::nullopt;
    RecordHead head;
    std::vector<char> bytes;
    struct stat st {};
    // Each header takes two bytes at least ("[]").
    bool read = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid() &&
                readAll(fd, reinterpret_cast<char*>(&head), sizeof head) && head.magic == kMagic &&
                head.revision == kQuickCheckRevision && head.textSize == text.size() &&
                head.count <= text.size() / 2 &&
                static_cast<std::size_t>(st.st_size) == recordSize(head.count);
    if (read) {
        bytes.resize(recordSize(head.count));
        std::memcpy(bytes.data(), &head, sizeof head);
        read = readAll(fd, bytes.data() + sizeof head, bytes.size() - sizeof head);
    }
    ::close(fd);
    if (!read || head.saveOrder > kOrderUndecided) return std::nullopt;
    std::uint64_t sum;
    std::memcpy(&sum, bytes.data() + bytes.size() - sizeof sum, sizeof sum);
    if (XXH3_64bits(bytes.data(), bytes.size() - sizeof sum) != sum) return std::nullopt;
    const XXH128_hash_t hash = XXH3_128bits(text.data(), text.size());
    if (hash.low64 != head.hashLow || hash.high64 != head.hashHigh) return std::nullopt;

    HeaderPositions headers;
    headers.starts.resize(head.count);
    headers.shared.resize(head.count);
    const char* at = bytes.data() + sizeof head;
    std::memcpy(headers.starts.data(), at, head.count * sizeof(std::uint32_t));
    at += head.count * sizeof(std::uint32_t);
    std::memcpy(headers.shared.data(), at, head.count * sizeof(std::uint16_t));
    if (!plausible(headers, text)) return std::nullopt;
    if (head.saveOrder != kOrderUndecided) headers.inSaveOrder = head.saveOrder == 1;
    return headers;
}

// Removes the oldest records (and temporaries) of the folder beyond the most it keeps.
void keepNewest(const fs::path& folder) {
    std::vector<std::pair<fs::file_time_type, fs::path>> files;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (!name.ends_with(kRecordSuffix) && !name.starts_with(kTemporaryPrefix)) continue;
        std::error_code gone;  // another process may just have renamed it
        const auto time = it->last_write_time(gone);
        if (!gone) files.emplace_back(time, it->path());
    }
    if (files.size() <= kMostRecordedHives) return;
    std::sort(files.begin(), files.end());
    for (std::size_t i = 0; i < files.size() - kMostRecordedHives; ++i)
        fs::remove(files[i].second, error);
}

// Writes the record as a new file renamed over the old one, so that a reader
// finds the one or the other whole. A cache is not worth an fsync: a record
// torn by a crash fails its sum.
void writeRecord(const fs::path& record, std::span<const std::string_view> pieces,
                 const HeaderPositions& headers) {
    std::size_t textSize = 0;
    for (const std::string_view piece : pieces) textSize += piece.size();
    const XXH128_hash_t hash = hashOf(pieces);
    RecordHead head{};
    head.magic = kMagic;
    head.revision = kQuickCheckRevision;
    head.count = static_cast<std::uint32_t>(headers.starts.size());
    head.textSize = textSize;
    head.hashLow = hash.low64;
    head.hashHigh = hash.high64;
    head.saveOrder =
        headers.inSaveOrder ? static_cast<std::uint8_t>(*headers.inSaveOrder) : kOrderUndecided;
    std::string bytes(reinterpret_cast<const char*>(&head), sizeof head);
    bytes.append(reinterpret_cast<const char*>(headers.starts.data()),
                 headers.starts.size() * sizeof(std::uint32_t));
    bytes.append(reinterpret_cast<const char*>(headers.shared.data()),
                 headers.shared.size() * sizeof(std::uint16_t));
    const std::uint64_t sum = XXH3_64bits(bytes.data(), bytes.size());
    bytes.append(reinterpret_cast<const char*>(&sum), sizeof sum);

    const fs::path folder = record.parent_path();
    std::error_code error;
    fs::create_directories(folder.parent_path(), error);
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return;
    if (!ownFolder(folder)) return;
    const bool replacing = fs::exists(record, error);
    std::string temporary = (folder / (std::string(kTemporaryPrefix) + "XXXXXX")).string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return;
    const bool written =
        ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    if (::close(fd) != 0 || !written || ::rename(temporary.c_str(), record.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return;
    }
    if (!replacing) keepNewest(folder);
}

}  // namespace

bool quickCheckHiveRecorded(const fs::path& file, std::string_view text, HeaderPositions& headers) {
    const auto record = text.size() >= kSmallestRecordedHive ? recordPath(file) : std::nullopt;
    if (record && ownFolder(record->parent_path())) {
        if (auto known = recalled(*record, text)) {
            headers = std::move(*known);
            return true;
        }
    }
    if (!quickCheckHive(text, &headers)) return false;
    if (record) writeRecord(*record, std::span<const std::string_view>(&text, 1), headers);
    return true;
}

std::optional<HeaderPositions> headersAfterReplacedBlock(std::string_view text,
                                                         const HeaderIndex& headers,
                                                         std::optional<bool> inSaveOrder,
                                                         ByteRange block,
                                                         const BlockReplacement& r) {
    const std::size_t size = r.before.size() + r.block.size() + r.after.size();
    const auto& starts = headers.headers();
    const std::size_t h = static_cast<std::size_t>(
        std::lower_bound(starts.begin(), starts.end(), block.begin) - starts.begin());
    if (size > kMaxHiveBytes || h == starts.size() || starts[h] != block.begin) return std::nullopt;
    const std::size_t oldEnd = h + 1 < starts.size() ? starts[h + 1] : text.size();
    // The bytes around the block are the old file's own: the block ran from
    // header h to the next one, and what follows it is the text from there on.
    // (The file's last bytes join the block only where they are fewer than a
    // header takes.)
    if (block.end != oldEnd || r.before.size() != starts[h] || r.before.data() != text.data())
        return std::nullopt;
    if (r.after.empty()
            ? h + 1 != starts.size()
            : r.after.data() != text.data() + oldEnd || r.after.size() != text.size() - oldEnd)
        return std::nullopt;
    std::string alone(kHiveSignature);
    alone += '\n';
    const std::size_t offset = alone.size();
    alone += r.block;
    HeaderPositions own;
    if (!quickCheckHive(alone, &own) || own.starts.size() != 1) return std::nullopt;
    if (headerPath(alone, own.starts[0]) != headerPath(text, starts[h])) return std::nullopt;

    HeaderPositions after;
    after.starts.assign(starts.begin(), starts.begin() + static_cast<std::ptrdiff_t>(h));
    after.starts.push_back(static_cast<std::uint32_t>(r.before.size() + own.starts[0] - offset));
    const std::size_t afterStart = r.before.size() + r.block.size();
    for (std::size_t k = h + 1; k < starts.size(); ++k)
        after.starts.push_back(static_cast<std::uint32_t>(afterStart + (starts[k] - oldEnd)));
    after.shared.reserve(starts.size());
    for (std::size_t k = 0; k < starts.size(); ++k)
        after.shared.push_back(headers.sharedWithPrevious(k));
    after.inSaveOrder = inSaveOrder;
    return after;
}

void recordReplacedBlock(const fs::path& file, std::string_view text, const HeaderIndex& headers,
                         std::optional<bool> inSaveOrder, ByteRange block,
                         const BlockReplacement& r) {
    if (r.before.size() + r.block.size() + r.after.size() < kSmallestRecordedHive) return;
    const auto after = headersAfterReplacedBlock(text, headers, inSaveOrder, block, r);
    const auto record = after ? recordPath(file) : std::nullopt;
    if (!record) return;
    const std::array<std::string_view, 3> pieces{r.before, r.block, r.after};
    writeRecord(*record, pieces, *after);
}

}  // namespace vantix::platform::reg
