#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files/FileStatus.h"
#include "platform/profile/IniDocument.h"
#include "platform/profile/IniEncoding.h"

// INI files on the host: read through the files layer (so dry-run changes are
// seen), written by atomic replace in the file's own encoding and line endings.
// A missing file reads as empty; writing creates it (ANSI, CRLF).
namespace vantix::platform {

// Larger files are refused rather than loaded: Windows itself never handled
// profile files of this size.
constexpr std::size_t kMaxIniFileBytes = 16 * 1024 * 1024;

struct IniFile {
    IniDocument document;
    IniEncoding encoding = IniEncoding::Ansi;
    std::string tail;                   // see DecodedText::tail
    std::optional<std::string> bytes;   // as read; nullopt when the file is absent

    static IniFile fromBytes(std::string_view bytes);
    std::string toBytes() const;
};

// nullopt when the file exists but cannot be read (too large, unreadable, a folder).
std::optional<IniFile> loadIniFile(const std::filesystem::path& path, FileStatus* status = nullptr);
// Writes `file` back unless its bytes did not change (then the file is not touched).
FileStatus saveIniFile(const std::filesystem::path& path, const IniFile& file);

// The profile-string operations on one file. Reads give nullopt for a missing
// file, section or key (see IniDocument::value).
std::optional<std::string> readIniValue(const std::filesystem::path& path, std::string_view section,
                                        std::string_view key);
FileStatus writeIniValue(const std::filesystem::path& path, std::string_view section, std::string_view key,
                         std::string_view value);
// Both succeed without creating the file when there is nothing to delete.
FileStatus deleteIniKey(const std::filesystem::path& path, std::string_view section, std::string_view key);
FileStatus deleteIniSection(const std::filesystem::path& path, std::string_view section);
std::vector<std::string> iniSectionNames(const std::filesystem::path& path);
std::vector<std::string> iniKeyNames(const std::filesystem::path& path, std::string_view section);

}  // namespace vantix::platform
