#include "platform/profile/Profile.h"

#include <string>

#include "platform/profile/IniDocument.h"
#include "platform/profile/IniFile.h"
#include "platform/profile/IniFileMapping.h"
#include "platform/text/Text.h"

namespace vantix::platform {
namespace {

std::optional<IniMapping> mappingFor(Registry* registry, const std::filesystem::path& file, std::string_view section,
                                     std::string_view key) {
    if (!registry) return std::nullopt;
    return findIniMapping(*registry, file.filename().string(), section, key);
}

FileStatus fromRegistry(const RegStatus& status) {
    if (status || status.code == RegStatus::NotFound) return FileStatus::ok();
    return FileStatus::error(FileStatus::IoError, status.message);
}

std::optional<std::string> registryText(const RegValue& value) {
    switch (value.type) {
        case regtype::Sz:
        case regtype::ExpandSz:
        case regtype::MultiSz: return value.text();
        case regtype::Dword:
            if (value.data.size() == 4) {
                const std::uint32_t number = value.data[0] | value.data[1] << 8 | value.data[2] << 16 |
                                             static_cast<std::uint32_t>(value.data[3]) << 24;
                return std::to_string(number);
            }
            return std::nullopt;
        default: return std::nullopt;
    }
}

}  // namespace

std::optional<std::string> readProfileString(Registry* registry, const std::filesystem::path& file,
                                             std::string_view section, std::string_view key) {
    if (const auto mapping = mappingFor(registry, file, section, key)) {
        if (const auto value = registry->getValue(mapping->root, mapping->key, vantix::text::trim(key))) {
            if (auto text = registryText(*value)) return text;
        }
        if (mapping->registryOnly) return std::nullopt;
    }
    return readIniValue(file, section, key);
}

FileStatus writeProfileString(Registry* registry, const std::filesystem::path& file, std::string_view section,
                              std::string_view key, std::string_view value) {
    if (auto reason = IniDocument::invalidEntry(section, key, value))
        return FileStatus::error(FileStatus::InvalidArgument, *reason);
    if (const auto mapping = mappingFor(registry, file, section, key)) {
        const RegValue stored = RegValue::string(std::string(vantix::text::trim(key)),
                                                 vantix::text::trim(value, " \t\r\n\v\f\x1a"));
        if (auto existing = registry->getValue(mapping->root, mapping->key, stored.name);
            !existing || *existing != stored) {
            const RegStatus status = registry->setValue(mapping->root, mapping->key, stored);
            if (!status) return FileStatus::error(FileStatus::IoError, status.message);
        }
        if (!mapping->alsoWriteFile) return FileStatus::ok();
    }
    return writeIniValue(file, section, key, value);
}

FileStatus deleteProfileKey(Registry* registry, const std::filesystem::path& file, std::string_view section,
                            std::string_view key) {
    if (const auto mapping = mappingFor(registry, file, section, key)) {
        const std::string name(vantix::text::trim(key));
        if (registry->getValue(mapping->root, mapping->key, name)) {
            if (FileStatus status = fromRegistry(registry->deleteValue(mapping->root, mapping->key, name)); !status)
                return status;
        }
        if (!mapping->alsoWriteFile) return FileStatus::ok();
    }
    return deleteIniKey(file, section, key);
}

FileStatus deleteProfileSection(Registry* registry, const std::filesystem::path& file, std::string_view section) {
    if (const auto mapping = mappingFor(registry, file, section, {})) {
        if (const auto values = registry->values(mapping->root, mapping->key)) {
            for (const RegValue& value : *values) {
                if (FileStatus status = fromRegistry(registry->deleteValue(mapping->root, mapping->key, value.name));
                    !status)
                    return status;
            }
        }
        if (!mapping->alsoWriteFile) return FileStatus::ok();
    }
    return deleteIniSection(file, section);
}

std::vector<std::string> profileKeyNames(Registry* registry, const std::filesystem::path& file,
                                         std::string_view section) {
    std::vector<std::string> names;
    const auto mapping = mappingFor(registry, file, section, {});
    if (mapping) {
        if (const auto values = registry->values(mapping->root, mapping->key)) {
            for (const RegValue& value : *values) names.push_back(value.name);
        }
        if (mapping->registryOnly) return names;
    }
    for (std::string& name : iniKeyNames(file, section)) {
        bool known = false;
        for (const std::string& have : names) known = known || vantix::text::equalsIgnoreCase(have, name);
        if (!known) names.push_back(std::move(name));
    }
    return names;
}

}  // namespace vantix::platform
