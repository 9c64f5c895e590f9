#pragma once

#include <cstddef>
#include <vector>

#include "platform/peimage/ByteReader.h"
#include "platform/peimage/ExecutableImage.h"

// The two resource table layouts behind ExecutableImage. Both throw PeImageError.
namespace vantix::platform::detail {

// `headerOffset` is e_lfanew, where "PE\0\0" stands. Sets `format` to PE32 or PE32+.
std::vector<Resource> readPeResources(const ByteReader& file, std::size_t headerOffset,
                                      ExecutableImage::Format& format);
// `headerOffset` is e_lfanew, where "NE" stands.
std::vector<Resource> readNeResources(const ByteReader& file, std::size_t headerOffset);

}  // namespace vantix::platform::detail
