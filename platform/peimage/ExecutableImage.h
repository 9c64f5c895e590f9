#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

// Windows executables (PE32, PE32+ and 16-bit NE programs and libraries) seen
// through their resources. The reader trusts nothing in the file: every offset
// is bounds-checked, counts and sizes are capped, and a malformed file gives a
// PeImageError with a one-line reason instead of a crash or a wrong read.
namespace vantix::platform {

namespace restype {
constexpr std::uint16_t Icon = 3;
constexpr std::uint16_t GroupIcon = 14;
constexpr std::uint16_t Version = 16;
}  // namespace restype

// A resource type or name: a number, or (when `named`) a text.
struct ResourceId {
    bool named = false;
    std::uint16_t id = 0;
    std::string name;

    static ResourceId number(std::uint16_t value) { return {false, value, {}}; }
    static ResourceId text(std::string value) { return {true, 0, std::move(value)}; }
    bool isNumber(std::uint16_t value) const { return !named && id == value; }
    friend bool operator==(const ResourceId&, const ResourceId&) = default;
};

// One leaf of the resource tree. A leaf whose data lies outside the file keeps
// the reason in `error` and is only reported when it is used.
struct Resource {
    ResourceId type;
    ResourceId name;
    std::uint16_t language = 0;  // always 0 in NE files
    std::size_t offset = 0;      // file offset of the data
    std::size_t size = 0;
    std::string error;
};

class ExecutableImage {
public:
    enum class Format { Pe32, Pe32Plus, Ne };

    // Throws PeImageError when the bytes are no PE or NE file or the resource tree is broken.
    static ExecutableImage fromBytes(std::vector<std::uint8_t> bytes);
    // Reads at most kMaxFileSize bytes; throws PeImageError (also for I/O errors).
    static ExecutableImage fromFile(const std::filesystem::path& path);

    static constexpr std::size_t kMaxFileSize = 256u << 20;
    static constexpr std::size_t kMaxResources = 65536;

    Format format() const { return format_; }
    // Every leaf in the order of the file's resource directory.
    const std::vector<Resource>& resources() const { return resources_; }
    // The data of a leaf; throws PeImageError with the leaf's error when it has one.
    std::span<const std::uint8_t> data(const Resource& resource) const;

    // The distinct names of a type, in resource order (each name once, whatever its languages).
    std::vector<ResourceId> names(std::uint16_t type) const;
    // The leaf of (type, name) in the preferred language: neutral (0), then
    // U.S. English (0x0409), else the first; `language` first when given.
    const Resource* find(std::uint16_t type, const ResourceId& name,
                         std::optional<std::uint16_t> language = std::nullopt) const;

private:
    ExecutableImage() = default;
    std::vector<std::uint8_t> bytes_;
    Format format_ = Format::Pe32;
    std::vector<Resource> resources_;
};

// True when the bytes start like an MS-DOS/Windows executable ("MZ").
bool looksLikeExecutable(std::span<const std::uint8_t> bytes);

// Reads a whole file of at most `limit` bytes; throws PeImageError.
std::vector<std::uint8_t> readFileBytes(const std::filesystem::path& path, std::size_t limit);

}  // namespace vantix::platform
