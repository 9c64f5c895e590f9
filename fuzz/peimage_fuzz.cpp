// Feeds arbitrary bytes to every reader of the executable-resource code: the
// PE/NE resource tree, icons (as an executable, a .ico file and a bare
// bitmap) and version resources. Any crash or sanitizer report is a bug; a
// PeImageError is the expected answer to bad input.
#include <cstdint>
#include <vector>

#include "platform/peimage/FileIcons.h"
#include "platform/peimage/PeImageError.h"
#include "platform/peimage/VersionInfo.h"

using namespace vantix::platform;

namespace {

template <typename F>
void quietly(F&& f) {
    try {
        f();
    } catch (const PeImageError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> bytes(data, data + size);
    quietly([&] {
        const auto image = ExecutableImage::fromBytes(bytes);
        for (const auto& r : image.resources()) quietly([&] { (void)image.data(r); });
        quietly([&] { (void)VersionInfo::fromImage(image); });
    });
    quietly([&] {
        const auto icons = FileIcons::fromBytes(bytes);
        const int count = icons.count();
        for (int i = -2; i < count && i < 4; ++i) {
            quietly([&] { (void)icons.images(i); });
            quietly([&] { (void)icons.extract(i); });
            quietly([&] { (void)icons.extract(i, {16, 16, 4, false}); });
        }
    });
    quietly([&] {
        const auto info = VersionInfo::parse(bytes);
        (void)info.fixedInfo();
        for (const auto& t : info.translations()) (void)info.string(t, "CompanyName");
    });
    quietly([&] { (void)decodeIconImage(bytes); });
    return 0;
}
