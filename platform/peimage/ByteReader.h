#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/peimage/PeImageError.h"

namespace vantix::platform {

// Little-endian reads from an untrusted buffer. Every access is checked and a
// read past the end throws PeImageError naming what was being read, so that a
// parser cannot be talked into touching memory outside the file.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::size_t size() const { return bytes_.size(); }
    bool fits(std::size_t offset, std::size_t length) const {
        return offset <= bytes_.size() && length <= bytes_.size() - offset;
    }

    std::uint8_t u8(std::size_t offset, std::string_view what) const {
        require(offset, 1, what);
        return bytes_[offset];
    }
    std::uint16_t u16(std::size_t offset, std::string_view what) const {
        require(offset, 2, what);
        return static_cast<std::uint16_t>(bytes_[offset] | bytes_[offset + 1] << 8);
    }
    std::uint32_t u32(std::size_t offset, std::string_view what) const {
        require(offset, 4, what);
        return static_cast<std::uint32_t>(bytes_[offset]) | static_cast<std::uint32_t>(bytes_[offset + 1]) << 8 |
               static_cast<std::uint32_t>(bytes_[offset + 2]) << 16 |
               static_cast<std::uint32_t>(bytes_[offset + 3]) << 24;
    }
    std::int32_t s32(std::size_t offset, std::string_view what) const {
        return static_cast<std::int32_t>(u32(offset, what));
    }
    std::span<const std::uint8_t> slice(std::size_t offset, std::size_t length, std::string_view what) const {
        require(offset, length, what);
        return bytes_.subspan(offset, length);
    }
    std::span<const std::uint8_t> bytes() const { return bytes_; }

    void require(std::size_t offset, std::size_t length, std::string_view what) const {
        if (!fits(offset, length))
            throw PeImageError(std::string(what) + " at offset " + std::to_string(offset) + " (" +
                               std::to_string(length) + " bytes) lies outside the " +
                               std::to_string(bytes_.size()) + "-byte data");
    }

private:
    std::span<const std::uint8_t> bytes_;
};

}  // namespace vantix::platform
