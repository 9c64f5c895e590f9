#include "modules/traskel/TrayList.h"

#include <cstdio>

#include "lindrel32/QVFKT.h"
#include "lindrel32/QVREG.h"
#include "platform/text/Text.h"

namespace vantix::traskel {
namespace {

constexpr std::string_view kAbsent = "NO Key";

std::string key() {
    return std::string(kTrayKey);
}

std::string readOrEmpty(lindrel32::IQVREG& registry, const std::string& name) {
    std::string value = registry.GetReg(key(), name);
    return value == kAbsent ? std::string() : value;
}

std::string trimmed(const std::string& text) {
    return std::string(vantix::text::trim(text));
}

}  // namespace

FallbackPicture fallbackPicture(const TrayEntry& entry) {
    if (entry.spacer) return FallbackPicture::Spacer;
    if (entry.iconFile == kModuleIcon) return FallbackPicture::Module;
    const std::string upper = vantix::text::toUpperAscii(entry.program);
    if (upper.ends_with("BAT") || upper.ends_with("PIF")) return FallbackPicture::DosProgram;
    return FallbackPicture::Program;
}

std::string positionPrefix(int position) {
    char prefix[8];
    std::snprintf(prefix, sizeof prefix, "%02d ", position);
    return prefix;
}

std::int16_t parseStartState(std::string_view text) {
    text = vantix::text::trim(text);
    int value = 0;
    for (std::size_t i = 0; i < text.size() && i < 4 && text[i] >= '0' && text[i] <= '9'; ++i)
        value = value * 10 + (text[i] - '0');
    return static_cast<std::int16_t>(value == 0 ? 1 : value);
}

std::vector<TrayEntry> readTrayList(lindrel32::IQVREG& registry, lindrel32::IQVFKT& functions) {
    std::vector<TrayEntry> entries;
    for (int n = 1; n <= kMaxEntries; ++n) {
        const std::string prefix = positionPrefix(n);
        const std::string program = trimmed(registry.GetReg(key(), prefix + "Datei"));
        if (program == kAbsent) continue;
        if (program == kSpacerFile) {
            entries.push_back(TrayEntry::makeSpacer());
            continue;
        }
        TrayEntry entry;
        entry.program = program;
        entry.iconFile = readOrEmpty(registry, prefix + "Icon");
        entry.name = readOrEmpty(registry, prefix + "Name");
        entry.param = readOrEmpty(registry, prefix + "Param");
        entry.workPath = readOrEmpty(registry, prefix + "WorkPath");
        entry.window = readOrEmpty(registry, prefix + "Window");
        entry.start = parseStartState(readOrEmpty(registry, prefix + "Start"));
        if (trimmed(entry.workPath).empty()) entry.workPath = functions.GET_Pfadname(program);
        entries.push_back(std::move(entry));
    }
    return entries;
}

void saveTrayList(lindrel32::IQVREG& registry, const std::vector<TrayEntry>& entries) {
    registry.DelReg(key(), "%ROOT%");
    int n = 0;
    for (const TrayEntry& entry : entries) {
        if (++n > kMaxEntries) break;
        const std::string prefix = positionPrefix(n);
        if (entry.spacer) {
            registry.SetReg(key(), prefix + "Datei", std::string(kSpacerFile));
            continue;
        }
        registry.SetReg(key(), prefix + "Datei", trimmed(entry.program));
        registry.SetReg(key(), prefix + "Icon", trimmed(entry.iconFile));
        registry.SetReg(key(), prefix + "Name", trimmed(entry.name));
        registry.SetReg(key(), prefix + "Param", trimmed(entry.param));
        registry.SetReg(key(), prefix + "WorkPath", trimmed(entry.workPath));
        registry.SetReg(key(), prefix + "Start", std::to_string(entry.start));
        registry.SetReg(key(), prefix + "Window", trimmed(entry.window));
    }
}

std::optional<std::int32_t> pictureBoxColour(int screenDepth) {
    if (screenDepth <= 8) return 65280;
    return std::nullopt;
}

}  // namespace vantix::traskel
