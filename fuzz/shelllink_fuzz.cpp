// Feeds arbitrary bytes to the shortcut reader. Whatever it accepts must
// survive being written and read again with the same texts.
#include <cstdint>
#include <cstdlib>

#include "platform/shelllink/ShellLink.h"

using namespace vantix::platform;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ShellLink link;
    try {
        link = decodeShellLink({data, size});
    } catch (const ShellLinkError&) {
        return 0;
    }
    std::vector<std::uint8_t> again;
    try {
        again = encodeShellLink(link);
    } catch (const ShellLinkError&) {
        return 0;  // e.g. no target or an unusual show command: not writable, fine
    }
    const ShellLink back = decodeShellLink(again);
    if (back.target != link.target || back.arguments != link.arguments || back.workingDir != link.workingDir ||
        back.description != link.description || back.iconLocation != link.iconLocation ||
        back.iconIndex != link.iconIndex || back.hotKey != link.hotKey)
        std::abort();
    return 0;
}
