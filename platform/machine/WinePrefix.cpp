#include "platform/machine/WinePrefix.h"

#include "platform/machine/Machine.h"
#include "platform/process/Spawn.h"

namespace vantix::platform {

namespace fs = std::filesystem;

namespace {

SpawnRequest wineCommand(const fs::path& prefixDir, const char* program,
                         std::vector<std::string> arguments) {
    SpawnRequest request;
    request.program = program;
    request.arguments = std::move(arguments);
    // "mscoree" and "mshtml" disabled: wineboot then offers no Mono or Gecko
    // download. Without a display Wine's set-up runs on its null driver.
    request.environment = {{"WINEPREFIX", prefixDir.string()},
                           {"WINEDLLOVERRIDES", "mscoree,mshtml="},
                           {"WINEDEBUG", "-all"}};
    request.removedEnvironment = {"DISPLAY", "WAYLAND_DISPLAY", "WINEARCH"};
    return request;
}

}  // namespace

bool wineInstalled() {
    return findOnPath("wineboot") && findOnPath("wineserver");
}

void initWinePrefix(const fs::path& prefixDir, std::chrono::seconds limit) {
    if (!wineInstalled()) throw MachineError("Wine is not installed (no wineboot or wineserver)");
    const auto started = std::chrono::steady_clock::now();
    const auto boot = runAndWait(wineCommand(prefixDir, "wineboot", {"--init"}), limit);
    if (!boot || *boot != 0) throw MachineError("wineboot --init failed on " + prefixDir.string());
    const auto rest = std::chrono::duration_cast<std::chrono::milliseconds>(
        limit - (std::chrono::steady_clock::now() - started));
    // wineboot returns while the server still writes the registry files.
    const auto server = runAndWait(wineCommand(prefixDir, "wineserver", {"-w"}),
                                   std::max(rest, std::chrono::milliseconds(30'000)));
    if (!server)
        throw MachineError("the wine server of " + prefixDir.string() + " did not end in time");
    std::error_code error;
    if (!fs::is_regular_file(prefixDir / "system.reg", error))
        throw MachineError("Wine made no registry in " + prefixDir.string());
}

}  // namespace vantix::platform
