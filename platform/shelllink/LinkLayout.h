#pragma once

#include <array>
#include <cstdint>

// Fixed numbers of the shortcut file layout, shared by the reader and the writer.
namespace vantix::platform::lnk {

constexpr std::uint32_t kHeaderSize = 0x4C;
constexpr std::array<std::uint8_t, 16> kClsid = {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                                 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};

namespace flag {
constexpr std::uint32_t HasIdList = 0x1;
constexpr std::uint32_t HasLinkInfo = 0x2;
constexpr std::uint32_t HasName = 0x4;
constexpr std::uint32_t HasRelativePath = 0x8;
constexpr std::uint32_t HasWorkingDir = 0x10;
constexpr std::uint32_t HasArguments = 0x20;
constexpr std::uint32_t HasIconLocation = 0x40;
constexpr std::uint32_t IsUnicode = 0x80;
}  // namespace flag

namespace linkinfo {
constexpr std::uint32_t HeaderSize = 0x1C;
constexpr std::uint32_t HeaderSizeWithUnicode = 0x24;
constexpr std::uint32_t VolumeIdAndLocalBasePath = 0x1;
constexpr std::uint32_t CommonNetworkRelativeLink = 0x2;
constexpr std::uint32_t VolumeIdHeaderSize = 0x10;  // size, drive type, serial, label offset
}  // namespace linkinfo

constexpr std::uint32_t kFileAttributeArchive = 0x20;
constexpr std::uint32_t kMaxTextLength = 0xFFFF;

}  // namespace vantix::platform::lnk
