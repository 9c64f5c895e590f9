#pragma once

#include <filesystem>

#include "tests/support/ScratchDir.h"

// The hives of a machine image that already holds a few classes of its own, as a
// Wine prefix holds many: registering ours must leave them exactly as they are.
inline void writeImageWithClasses(const std::filesystem::path& image) {
    ScratchDir::write(
        image / "system.reg",
        "WINE REGISTRY Version 2\n;; All keys relative to "
        "REGISTRY\\\\Machine\n\n#arch=win64\n\n"
        "[Software\\\\Classes\\\\.txt] 1600000000\n#time=1d6b1f0a0000000\n@=\"txtfile\"\n\n"
        "[Software\\\\Classes\\\\CLSID\\\\{00021401-0000-0000-C000-000000000046}] 1600000000\n"
        "#time=1d6b1f0a0000000\n@=\"Shortcut\"\n");
    ScratchDir::write(image / "user.reg", "WINE REGISTRY Version 2\n\n#arch=win64\n");
    ScratchDir::write(image / "userdef.reg", "WINE REGISTRY Version 2\n\n#arch=win64\n");
    std::filesystem::create_directories(image / "dosdevices");
}
