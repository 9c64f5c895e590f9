// Start-up of the shell: from starting VANTIX.EXE to its main window shown,
// on a fresh Windows 98 image with the default catalogue (the first start
// already done, so the window opens as on any later day).
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "lindrel32/QVREG.h"
#include "lindrel32/SettingsStore.h"
#include "platform/machine/Machine.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

fs::path programDir() { return fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "bin"; }

struct Image {
    Image() {
        std::string pattern = (fs::temp_directory_path() / "vantix-startup-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        dir = pattern;
        ::setenv("VANTIX_PROGRAM_DIR", programDir().c_str(), 1);
        ::setenv("XDG_RUNTIME_DIR", (dir / "run").c_str(), 1);
        fs::create_directories(dir / "run");
        fs::permissions(dir / "run", fs::perms::owner_all);
        auto machine = vantix::platform::Machine::create(dir / "machine", vantix::platform::WindowsPlatform::Win98);
        lindrel32::QVREG registry(*machine);
        lindrel32::SettingsStore(registry).DeleteValue("Settings", "FirstStart");
    }
    ~Image() {
        std::error_code ignored;
        fs::remove_all(dir, ignored);
    }
    fs::path dir;
};

// Starts the shell and returns once it printed "shown"; `pid` is left to reap.
bool startShell(const Image& image, pid_t& pid, int& output) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    const std::string program = (programDir() / "VANTIX.EXE").string();
    const std::string machine = (image.dir / "machine").string();
    std::vector<char*> argv{const_cast<char*>(program.c_str()), const_cast<char*>("--machine"),
                            const_cast<char*>(machine.c_str()), const_cast<char*>("--quit-when-shown"), nullptr};
    int rc = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    output = pipeFds[0];
    if (rc != 0) return false;
    std::string seen;
    std::array<char, 64> buffer{};
    while (seen.find("shown") == std::string::npos) {
        ssize_t n = ::read(output, buffer.data(), buffer.size());
        if (n <= 0) return false;
        seen.append(buffer.data(), static_cast<std::size_t>(n));
    }
    return true;
}

void BM_StartToMainWindowShown(benchmark::State& state) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    Image image;
    for (auto _ : state) {
        pid_t pid = 0;
        int output = -1;
        if (!startShell(image, pid, output)) {
            state.SkipWithError("the shell did not start");
            break;
        }
        state.PauseTiming();
        int status = 0;
        ::waitpid(pid, &status, 0);
        ::close(output);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartToMainWindowShown)->Unit(benchmark::kMillisecond)->Iterations(20);

// The whole run: start-up, then the shutdown that writes the settings.
void BM_StartAndShutDown(benchmark::State& state) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    Image image;
    for (auto _ : state) {
        pid_t pid = 0;
        int output = -1;
        if (!startShell(image, pid, output)) {
            state.SkipWithError("the shell did not start");
            break;
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
        ::close(output);
    }
}
BENCHMARK(BM_StartAndShutDown)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

BENCHMARK_MAIN();
