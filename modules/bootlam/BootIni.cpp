#include "modules/bootlam/BootIni.h"

#include <cctype>

#include "platform/profile/IniFile.h"
#include "platform/text/Text.h"

namespace vantix::bootlam {

namespace {

constexpr std::string_view kLoaderSection = "boot loader";
constexpr std::string_view kSystemsHeader = "[OPERATING SYSTEMS]";
constexpr std::size_t kMinEntryLength = 4;

std::optional<std::string> loaderValue(const platform::IniDocument& doc, std::string_view key) {
    auto value = doc.value(kLoaderSection, key);
    if (value && value->empty()) value.reset();  // the profile functions' absent marker covers both
    return value;
}

// The leading decimal digits of `text` as a 16-bit number, as VB's Val reads a
// switch value; nullopt when there are none or they do not fit.
std::optional<int> leadingNumber(std::string_view text) {
    text = text::trim(text);
    int number = 0;
    std::size_t digits = 0;
    for (; digits < text.size() && std::isdigit(static_cast<unsigned char>(text[digits]));
         ++digits) {
        number = number * 10 + (text[digits] - '0');
        if (number > 32767) return std::nullopt;
    }
    if (digits == 0) return std::nullopt;
    return number;
}

std::vector<std::string> splitSwitches(std::string_view rest) {
    std::vector<std::string> switches;
    std::size_t slash = rest.find('/');
    while (slash != std::string_view::npos) {
        const std::size_t next = rest.find('/', slash + 1);
        switches.emplace_back(
            text::trim(rest.substr(slash, next == std::string_view::npos ? next : next - slash)));
        slash = next;
    }
    return switches;
}

void applySwitch(BootEntry& entry, const std::string& sw) {
    if (entry.kind == EntryKind::WindowsNt) {
        if (sw == "/BASEVIDEO") return void(entry.basevideo = true);
        if (sw == "/CRASHDEBUG") return void(entry.crashdebug = true);
        if (sw == "/DEBUG") return void(entry.debug = true);
        if (sw == "/NODEBUG") return void(entry.nodebug = true);
        if (sw == "/SOS") return void(entry.sos = true);
        if (sw.find("/NOSERIALMICE") != std::string::npos) {
            entry.noserialmice = true;
            bool anyPort = false;
            for (int port = 0; port < 4; ++port) {
                entry.com[static_cast<std::size_t>(port)] =
                    sw.find(static_cast<char>('1' + port)) != std::string::npos;
                anyPort = anyPort || entry.com[static_cast<std::size_t>(port)];
            }
            entry.bareNoSerialMice = !anyPort;
            return;
        }
        if (const std::size_t at = sw.find("/MAXMEM:"); at != std::string::npos) {
            // A limit that is no 16-bit number stays an other switch, kept as written.
            if (const auto megabytes = leadingNumber(std::string_view(sw).substr(8))) {
                entry.maxmem = true;
                entry.maxmemMegabytes = *megabytes;
                return;
            }
        }
    }
    entry.otherSwitches += sw;
}

}  // namespace

void applySwitches(BootEntry& entry, std::string_view rest) {
    const std::string upper = text::toUpper(text::trim(rest));
    for (const std::string& sw : splitSwitches(upper)) applySwitch(entry, sw);
}

BootEntry parseEntry(std::string_view line) {
    BootEntry entry;
    const std::size_t equals = line.find('=');
    if (equals != std::string_view::npos) entry.path = std::string(line.substr(0, equals));
    const std::string upperPath = text::toUpperAscii(entry.path);
    entry.kind = upperPath.starts_with("MULTI") || upperPath.starts_with("SCSI")
                     ? EntryKind::WindowsNt
                     : EntryKind::Other;
    const std::size_t open = line.find('"');
    const std::size_t close = open == std::string_view::npos ? open : line.find('"', open + 1);
    if (close == std::string_view::npos) return entry;  // no name: the rest of the line is not read
    entry.name = std::string(line.substr(open + 1, close - open - 1));
    applySwitches(entry, line.substr(close + 1));
    return entry;
}

BootIni BootIni::parse(std::string_view bytes) {
    if (bytes.size() > kMaxBytes) throw BootIniError("BOOT.INI is larger than 1 MB");
    const platform::IniFile file = platform::IniFile::fromBytes(bytes);
    BootIni ini;
    ini.defaultPath = loaderValue(file.document, "default");
    ini.timeout = loaderValue(file.document, "timeout");

    const std::string decoded = file.document.text();
    bool inSystems = false;
    std::size_t start = 0;
    while (start <= decoded.size()) {
        std::size_t end = decoded.find_first_of("\r\n", start);
        if (end == std::string::npos) end = decoded.size();
        const std::string_view line = std::string_view(decoded).substr(start, end - start);
        start = end + 1;
        if (line.size() > kMaxLineLength)
            throw BootIniError("BOOT.INI has a line longer than " + std::to_string(kMaxLineLength) +
                               " bytes");
        if (!inSystems) {
            inSystems = text::toUpperAscii(line) == kSystemsHeader;
            continue;
        }
        if (line.size() < kMinEntryLength) continue;
        if (ini.entries.size() == kMaxEntries)
            throw BootIniError("BOOT.INI has more than " + std::to_string(kMaxEntries) +
                               " entries");
        ini.entries.push_back(parseEntry(line));
    }
    return ini;
}

std::optional<std::size_t> BootIni::defaultIndex() const {
    if (entries.empty()) return std::nullopt;
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (defaultPath && entries[i].path == *defaultPath) return i;
    return 0;
}

std::string switchText(const BootEntry& entry) {
    std::string text;
    if (entry.basevideo) text += " /BASEVIDEO";
    if (entry.crashdebug) text += " /CRASHDEBUG";
    if (entry.debug) text += " /DEBUG";
    if (entry.nodebug) text += " /NODEBUG";
    if (entry.sos) text += " /SOS";
    if (entry.maxmem) text += " /MAXMEM:" + std::to_string(entry.maxmemMegabytes);
    std::string ports;
    for (int port = 0; port < 4; ++port) {
        if (!entry.com[static_cast<std::size_t>(port)]) continue;
        if (!ports.empty()) ports += ",";
        ports += "COM" + std::to_string(port + 1);
    }
    if (!ports.empty())
        text += " /NOSERIALMICE:" + ports;
    else if (entry.bareNoSerialMice)
        text += " /NOSERIALMICE";
    if (!entry.otherSwitches.empty()) text += " " + text::toUpper(entry.otherSwitches);
    return text;
}

std::string entryLine(const BootEntry& entry) {
    return entry.path + "=\"" + entry.name + "\"" + switchText(entry);
}

std::string entriesText(const std::vector<BootEntry>& entries, std::size_t defaultIndex) {
    std::string text = "[boot loader]\r\n[Operating Systems]\r\n";
    if (defaultIndex < entries.size()) text += entryLine(entries[defaultIndex]) + "\r\n";
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (i != defaultIndex) text += entryLine(entries[i]) + "\r\n";
    return text;
}

}  // namespace vantix::bootlam
