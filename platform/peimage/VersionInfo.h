#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/peimage/ExecutableImage.h"

// The version resource of a program or library (VS_VERSIONINFO): the fixed
// file information and the StringFileInfo texts, in the 32-bit (UTF-16) layout
// of PE files and the 16-bit (ANSI) layout of NE files.
namespace vantix::platform {

struct FixedFileInfo {
    static constexpr std::uint32_t kSignature = 0xFEEF04BD;
    std::uint32_t signature = 0;
    std::uint32_t structVersion = 0;
    std::uint32_t fileVersionMS = 0;
    std::uint32_t fileVersionLS = 0;
    std::uint32_t productVersionMS = 0;
    std::uint32_t productVersionLS = 0;
    std::uint32_t fileFlagsMask = 0;
    std::uint32_t fileFlags = 0;
    std::uint32_t fileOS = 0;
    std::uint32_t fileType = 0;
    std::uint32_t fileSubtype = 0;
    std::uint32_t fileDateMS = 0;
    std::uint32_t fileDateLS = 0;
};

struct Translation {
    std::uint16_t language = 0;
    std::uint16_t codePage = 0;
    friend bool operator==(const Translation&, const Translation&) = default;
};

// One block of the tree: a key, a text or binary value, and child blocks.
struct VersionNode {
    std::string key;
    bool isText = false;
    std::string text;                  // text values, UTF-8, up to the first NUL
    std::vector<std::uint8_t> binary;  // binary values
    std::vector<VersionNode> children;
};

class VersionInfo {
public:
    static constexpr std::size_t kMaxNodes = 4096;
    static constexpr int kMaxDepth = 8;

    // Parses version data (either layout). Throws PeImageError when it is damaged.
    static VersionInfo parse(std::span<const std::uint8_t> data);
    // The version resource of an executable (ID 1 if present, else the first;
    // language neutral, then U.S. English, else the first). nullopt when the
    // file has none; throws PeImageError when it is damaged.
    static std::optional<VersionInfo> fromImage(const ExecutableImage& image);
    static std::optional<VersionInfo> fromFile(const std::filesystem::path& path);

    const VersionNode& root() const { return root_; }
    bool isAnsiLayout() const { return ansi_; }

    // Like VerQueryValue's sub-block: "\" is the root, "\VarFileInfo\Translation",
    // "\StringFileInfo\040904B0\CompanyName"; each key matched case-insensitively
    // and in full. nullptr when there is no such block.
    const VersionNode* find(std::string_view subBlock) const;
    // nullopt when the root holds no valid VS_FIXEDFILEINFO.
    std::optional<FixedFileInfo> fixedInfo() const;
    std::vector<Translation> translations() const;
    // The text of `name` in the string table of that language and code page.
    std::optional<std::string> string(Translation translation, std::string_view name) const;

private:
    VersionNode root_;
    bool ansi_ = false;
};

// "4.0.0.950" style text of a version pair (HIWORD(ms).LOWORD(ms).HIWORD(ls).LOWORD(ls)).
std::string versionText(std::uint32_t ms, std::uint32_t ls);

}  // namespace vantix::platform
