#include "platform/profile/IniFileMapping.h"

#include "platform/text/Text.h"

// The registry side of IniFileMapping, apart from the parsing so that the
// latter stands on its own.
namespace vantix::platform {
namespace {

std::optional<std::string> stringValue(Registry& registry, const std::string& key, std::string_view name) {
    const auto value = registry.getValue(Root::LocalMachine, key, name);
    if (!value || (value->type != regtype::Sz && value->type != regtype::ExpandSz)) return std::nullopt;
    return value->text();
}

}  // namespace

std::optional<IniMapping> findIniMapping(Registry& registry, std::string_view fileName, std::string_view section,
                                         std::string_view key) {
    const std::string_view name = vantix::text::trim(fileName);
    const std::string_view sectionName = vantix::text::trim(section);
    const std::string_view keyName = vantix::text::trim(key);
    if (name.empty() || name.find('\\') != std::string_view::npos) return std::nullopt;
    const std::string fileKey = std::string(kIniFileMappingKey) + "\\" + std::string(name);
    if (!registry.keyExists(Root::LocalMachine, fileKey)) return std::nullopt;

    std::optional<std::string> text;
    const std::string sectionKey = fileKey + "\\" + std::string(sectionName);
    if (!sectionName.empty() && sectionName.find('\\') == std::string_view::npos &&
        registry.keyExists(Root::LocalMachine, sectionKey)) {
        if (!keyName.empty()) text = stringValue(registry, sectionKey, keyName);
        if (!text) text = stringValue(registry, sectionKey, "");
    } else {
        text = stringValue(registry, fileKey, sectionName);
        if (!text) {
            // The default value maps every other section to a key of its own name.
            if (auto all = stringValue(registry, fileKey, "")) text = *all + "\\" + std::string(sectionName);
        }
    }
    if (!text) return std::nullopt;
    return parseIniMapping(*text);
}

}  // namespace vantix::platform
