#include "lindrel32/QVFILE.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "lindrel32/VersionTexts.h"
#include "platform/log/Log.h"
#include "platform/machine/Machine.h"
#include "platform/peimage/PeImageError.h"
#include "platform/peimage/VersionInfo.h"
#include "platform/text/Text.h"

namespace lindrel32 {

namespace fs = std::filesystem;
namespace platform = vantix::platform;

namespace {

// An open file, closed again on every path out.
class ReadHandle {
public:
    explicit ReadHandle(const fs::path& path) : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
    ~ReadHandle() {
        if (fd_ >= 0) ::close(fd_);
    }
    ReadHandle(const ReadHandle&) = delete;
    ReadHandle& operator=(const ReadHandle&) = delete;
    // Only regular files open as CreateFile(OPEN_EXISTING) opens them: a folder does not.
    std::optional<struct statx> status() const {
        struct statx info {};
        if (fd_ < 0 ||
            ::statx(fd_, "", AT_EMPTY_PATH, STATX_BASIC_STATS | STATX_BTIME, &info) != 0 ||
            !S_ISREG(info.stx_mode))
            return std::nullopt;
        return info;
    }

private:
    int fd_;
};

void put(std::vector<std::string>& Ret, std::size_t index, std::string text) {
    if (index < Ret.size()) Ret[index] = std::move(text);
}

std::string hex4(std::uint16_t value) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string text(4, '0');
    for (int i = 3; i >= 0; --i, value >>= 4)
        text[static_cast<std::size_t>(i)] = kDigits[value & 0xF];
    return text;
}

}  // namespace

QVFILE::QVFILE() = default;
QVFILE::QVFILE(platform::Machine& machine) : machine_(&machine) {
}

std::optional<fs::path> QVFILE::hostFile(const std::string& FileName) {
    try {
        auto& image = machine_ ? *machine_ : platform::currentMachine();
        return image.hostPath(FileName);
    } catch (const std::exception& error) {
        vantix::log::debug("lindrel32", std::string("QVFILE: ") + error.what());
        return std::nullopt;
    }
}

bool QVFILE::INF_FileDate(const std::string& FileName, std::vector<std::string>& Ret,
                          const std::string& Keyword) {
    const auto path = hostFile(FileName);
    if (!path) return false;
    const auto info = ReadHandle(*path).status();
    if (!info) return false;
    const std::string which = vantix::text::toUpperAscii(Keyword);
    // Without a birth time Wine gives the last write as the creation time.
    statx_timestamp stamp = info->stx_mtime;
    if (which == "CREATE" && (info->stx_mask & STATX_BTIME))
        stamp = info->stx_btime;
    else if (which == "LASTACCESS")
        stamp = info->stx_atime;
    const CalendarTime time = calendarFromUnix(stamp.tv_sec);
    put(Ret, 0, weekdayAbbreviation(time.weekday));
    put(Ret, 1, std::to_string(time.weekday));
    put(Ret, 2, std::to_string(time.day));
    put(Ret, 3, std::to_string(time.month));
    put(Ret, 4, std::to_string(time.year));
    put(Ret, 5, std::to_string(time.hour));
    put(Ret, 6, std::to_string(time.minute));
    put(Ret, 7, std::to_string(time.second));
    return true;
}

std::int32_t QVFILE::INF_FileSize(const std::string& FileName) {
    const auto path = hostFile(FileName);
    if (!path) return -1;
    const auto info = ReadHandle(*path).status();
    if (!info) return -1;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(info->stx_size & 0xFFFFFFFFu));
}

bool QVFILE::INF_FileVersion(const std::string& FileName, std::vector<std::string>& Ret) {
    const auto path = hostFile(FileName);
    if (!path) return false;
    std::optional<platform::VersionInfo> version;
    try {
        version = platform::VersionInfo::fromFile(*path);
    } catch (const std::exception& error) {  // a damaged resource reads as none
        vantix::log::debug("lindrel32", path->string() + ": " + error.what());
        return false;
    }
    if (!version) return false;
    if (const auto fixed = version->fixedInfo()) {
        const auto texts = fixedInfoTexts(*fixed);
        for (std::size_t i = 0; i < texts.size(); ++i)
            if (texts[i]) put(Ret, i, *texts[i]);
    }
    const auto translations = version->translations();
    std::size_t processed = 0;
    for (; processed < translations.size() && processed < kMaxTranslations; ++processed) {
        const auto& translation = translations[processed];
        const std::string block =
            "\\StringFileInfo\\" + hex4(translation.language) + hex4(translation.codePage) + "\\";
        for (std::size_t position = 0; position < std::size(kVersionStringNames); ++position) {
            const std::string name = kVersionStringNames[position];
            const platform::VersionNode* node = version->find(block + name);
            // Resources spell it "LegalTrademarks"; either spelling fills the entry.
            if (!node && name == "LegalTrademark") node = version->find(block + "LegalTrademarks");
            if (node && node->isText) put(Ret, 10 * (processed + 1) + position, node->text);
        }
    }
    put(Ret, 9, std::to_string(processed));
    return true;
}

}  // namespace lindrel32
