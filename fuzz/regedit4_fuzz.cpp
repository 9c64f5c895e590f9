// REGEDIT4 / version 5 import and export: no input may crash them, and what an
// import leaves must export to a file that imports again.
#include <stdlib.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/registry/RegFile.h"

using namespace vantix::platform;

namespace {

// One empty image folder for the whole run; the registry stays in dry run,
// so nothing is ever written there.
Registry& registry() {
    static std::filesystem::path dir = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "vantix-regedit4-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(dir, ec);
        });
        return std::filesystem::path(pattern);
    }();
    static Registry instance(dir);
    instance.setDryRun(true);
    return instance;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Registry& r = registry();
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const RegStatus imported = importRegText(r, input);
    if (!imported && imported.message.find("line ") != 0) std::abort();
    if (imported) {
        for (Root root : {Root::LocalMachine, Root::CurrentUser}) {
            const RegExport exported = exportRegedit4(r, root, "");
            if (exported.status && !importRegText(r, exported.bytes)) std::abort();
        }
    }
    r.discardChanges();
    return 0;
}
