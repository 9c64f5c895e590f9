// The tweak engine's speed targets: "fn list" of 5,000 functions under 50 ms
// and "fn apply" of a three-command function (preview, apply, journal, state
// read back) under 30 ms end to end on a 1.7 MB registry.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "GeneratedCatalogue.h"
#include "platform/database/CatalogueFile.h"
#include "platform/database/Database.h"
#include "platform/machine/Machine.h"
#include "platform/registry/Registry.h"
#include "tweaks/HiddenCatalogue.h"
#include "tweaks/TweakSession.h"

extern char** environ;

using namespace vantix;

namespace {

namespace fs = std::filesystem;

using bench::buildDir;
using bench::generateFunctions;
using bench::kFunctions;

// A program folder with a catalogue of 5,000 generated functions (ten topics
// with five subfolders each, three commands per function) and the build's
// machine templates, and a Windows 98 image whose system.reg is padded to 1.7 MB.
class BenchSetup {
public:
    BenchSetup() {
        std::string pattern = (fs::temp_directory_path() / "vantix-tweaks-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        dir = pattern;
        program = dir / "program";
        fs::create_directories(program);
        fs::create_directory_symlink(buildDir() / "bin" / "machine", program / "machine");
        ::setenv("VANTIX_PROGRAM_DIR", program.c_str(), 1);
        makeCatalogue();
        image = dir / "image";
        machine = platform::Machine::create(image, platform::WindowsPlatform::Win98);
        padRegistry();
    }
    ~BenchSetup() {
        machine.reset();
        std::error_code ignored;
        fs::remove_all(dir, ignored);
    }

    fs::path dir, program, image;
    std::unique_ptr<platform::Machine> machine;

private:
    void makeCatalogue() {
        // The built default catalogue gives the schema; its functions make way.
        fs::copy_file(buildDir() / "bin" / "QUORVIA.MDE", program / "QUORVIA.MDE");
        auto db = platform::Database::open(program / "QUORVIA.MDE");
        generateFunctions(*db, 3);
    }

    void padRegistry() {
        auto& registry = machine->registry();
        // A padding that failed would time a smaller hive: stop rather than report it.
        const platform::RegStatus padded = registry.batch([&] {
            for (int i = 0; i < 9000; ++i) {
                const std::string key = "Software\\Classes\\Bench" + std::to_string(i / 100) +
                                        "\\Key" + std::to_string(i);
                for (const platform::RegValue& value :
                     {platform::RegValue::string("",
                                                 "Default text of key number " + std::to_string(i)),
                      platform::RegValue::string(
                          "Path", "C:\\WINDOWS\\SYSTEM\\bench" + std::to_string(i) + ".dll"),
                      platform::RegValue::dword("Flags", i * 2654435761u)})
                    if (auto status = registry.setValue(platform::Root::LocalMachine, key, value);
                        !status)
                        return status;
            }
            return platform::RegStatus::ok();
        });
        if (!padded) std::abort();
    }
};

BenchSetup& setup() {
    static BenchSetup instance;
    return instance;
}

int runCli(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void BM_ListCore(benchmark::State& state) {
    auto& s = setup();
    for (auto _ : state) {
        auto db = platform::openCatalogue(s.program / "QUORVIA.MDE");
        auto functions = tweaks::listHiddenFunctions(*db, 3);
        benchmark::DoNotOptimize(functions);
        if (functions.size() != kFunctions) state.SkipWithError("wrong count");
    }
}
BENCHMARK(BM_ListCore)->Unit(benchmark::kMillisecond);

void BM_CliFnList(benchmark::State& state) {
    auto& s = setup();
    const std::vector<std::string> args{(buildDir() / "bin" / "vantix-cli").string(), "--machine",
                                        s.image.string(), "fn", "list"};
    for (auto _ : state)
        if (runCli(args) != 0) state.SkipWithError("vantix-cli fn list failed");
}
BENCHMARK(BM_CliFnList)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ShowCore(benchmark::State& state) {
    auto& s = setup();
    auto db = platform::openCatalogue(s.program / "QUORVIA.MDE");
    tweaks::TweakSession session(*s.machine, *db, s.program);
    std::int64_t id = 0;
    for (auto _ : state) {
        const auto opened = session.open(1 + id++ % kFunctions);
        auto page = session.state(opened);
        benchmark::DoNotOptimize(page);
    }
}
BENCHMARK(BM_ShowCore)->Unit(benchmark::kMicrosecond);

void BM_ApplyWithPreviewAndJournal(benchmark::State& state) {
    auto& s = setup();
    auto db = platform::openCatalogue(s.program / "QUORVIA.MDE");
    tweaks::TweakSession session(*s.machine, *db, s.program);
    static bool on = true;  // across runs, so that every apply changes something
    for (auto _ : state) {
        const tweaks::ApplyRequest request{42, on ? "A" : "B", std::nullopt};
        session.preview(request);
        if (session.apply(request).changes.empty()) state.SkipWithError("nothing applied");
        on = !on;
    }
    state.counters["system.reg bytes"] = static_cast<double>(fs::file_size(s.image / "system.reg"));
}
BENCHMARK(BM_ApplyWithPreviewAndJournal)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CliFnApply(benchmark::State& state) {
    auto& s = setup();
    const std::string cli = (buildDir() / "bin" / "vantix-cli").string();
    static bool on = true;
    for (auto _ : state) {
        if (runCli({cli, "--machine", s.image.string(), "fn", "apply", "43", on ? "A" : "B"}) != 0)
            state.SkipWithError("vantix-cli fn apply failed");
        on = !on;
    }
}
BENCHMARK(BM_CliFnApply)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
