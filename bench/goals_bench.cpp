// The command line's speed goals, each as a ratio against its baseline
// measured in the same run, iteration by iteration (medians of whole
// processes): reg get against grep over the same file, reg set against a
// plain durable rewrite of that file (by a program of its own, and in this
// process), a warm "wine reg query" against reg get (and grep),
// fn apply against reg set of the same value; and fn status in milliseconds.
// Each runs on a generated system.reg the size of Wine's and, when Wine is
// installed, on the hives of a fresh Wine prefix (made with wineboot, or the
// one VANTIX_BENCH_WINEPREFIX names).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "bench/BenchImage.h"
#include "bench/DurableRewrite.h"
#include "platform/machine/Machine.h"
#include "platform/registry/Registry.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

fs::path buildDir() {
    return fs::read_symlink("/proc/self/exe").parent_path().parent_path();
}
std::string cli() {
    return (buildDir() / "bin" / "vantix-cli").string();
}

int run(const std::vector<std::string>& args, const std::vector<std::string>& extraEnv = {}) {
    std::vector<char*> argv;
    for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    std::vector<std::string> envText(extraEnv);
    std::vector<char*> env;
    for (auto& e : envText) env.push_back(e.data());
    for (char** e = environ; *e; ++e) env.push_back(*e);
    env.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int rc = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), env.data());
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

double millisecondsOf(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// Runs `subject` and `baseline` in turn every iteration and reports both
// medians and subject/baseline (or baseline/subject with `inverse`); each of
// `others` runs after them and reports its median and the ratio to it by its name.
void compare(benchmark::State& state, const std::function<void()>& subject,
             const std::function<void()>& baseline, bool inverse = false,
             const std::vector<std::pair<std::string, std::function<void()>>>& others = {}) {
    std::vector<double> ours, theirs;
    std::vector<std::vector<double>> more(others.size());
    for (auto _ : state) {
        theirs.push_back(millisecondsOf(baseline));
        for (std::size_t i = 0; i < others.size(); ++i)
            more[i].push_back(millisecondsOf(others[i].second));
        ours.push_back(millisecondsOf(subject));
    }
    const double a = median(ours), b = median(theirs);
    state.counters["ours_ms"] = a;
    state.counters["baseline_ms"] = b;
    state.counters["ratio"] = inverse ? b / a : a / b;
    for (std::size_t i = 0; i < others.size(); ++i) {
        state.counters[others[i].first + "_ms"] = median(more[i]);
        state.counters[others[i].first + "_ratio"] = a / median(more[i]);
    }
}

// A value to read and one to write in each image.
struct Target {
    fs::path dir;
    std::string readKey, readName, grepFor, writeKey;
};

Target generated() {
    static BenchImage image;
    return {image.dir(), "HKEY_LOCAL_MACHINE\\Software\\Classes\\Bench45\\Key4567", "Path",
            "bench4567.dll", "HKEY_LOCAL_MACHINE\\Software\\Classes\\Bench45\\Key4567"};
}

// A Wine prefix: the one VANTIX_BENCH_WINEPREFIX names, or a fresh one made
// with wineboot (and removed again). Empty without Wine.
struct WinePrefix {
    WinePrefix() {
        if (const char* named = std::getenv("VANTIX_BENCH_WINEPREFIX")) {
            dir = named;
            return;
        }
        if (run({"sh", "-c", "command -v wineboot"}) != 0) return;
        std::string pattern = (fs::temp_directory_path() / "vantix-bench-wine-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) return;
        dir = made = pattern;
        run({"wineboot", "-i"}, environment());
        run({"wineserver", "-w"}, environment());
    }
    ~WinePrefix() {
        std::error_code ignored;
        if (!made.empty()) fs::remove_all(made, ignored);
    }
    std::vector<std::string> environment() const {
        return {"WINEPREFIX=" + dir.string(), "WINEDEBUG=-all", "WINEDLLOVERRIDES=mscoree,mshtml="};
    }
    fs::path dir, made;
};

WinePrefix& winePrefix() {
    static WinePrefix prefix;
    return prefix;
}

// An image holding a copy of the Wine prefix's hives; nullopt without Wine.
std::optional<Target> wine() {
    static std::optional<Target> target = []() -> std::optional<Target> {
        const fs::path source = winePrefix().dir;
        if (source.empty() || !fs::exists(source / "system.reg")) return std::nullopt;
        static BenchImage image;
        for (const char* hive : {"system.reg", "user.reg", "userdef.reg"})
            fs::copy_file(source / hive, image.dir() / hive, fs::copy_options::overwrite_existing);
        return Target{image.dir(),
                      "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion",
                      "CurrentBuildNumber", "CurrentBuildNumber",
                      "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion"};
    }();
    return target;
}

std::optional<Target> image(const benchmark::State& state) {
    if (state.range(0) == 0) return generated();
    return wine();
}

void BM_RegGetAgainstGrep(benchmark::State& state) {
    const auto t = image(state);
    if (!t) return state.SkipWithError("Wine is not installed");
    const std::vector<std::string> get{cli(), "--machine", t->dir.string(), "reg",
                                       "get", t->readKey,  t->readName};
    if (run(get) != 0) return state.SkipWithError("reg get failed");
    const std::vector<std::string> grep{"grep", "-c", t->grepFor, (t->dir / "system.reg").string()};
    compare(
        state, [&] { run(get); }, [&] { run(grep); });
    state.counters["MB"] = static_cast<double>(fs::file_size(t->dir / "system.reg")) / 1e6;
}
BENCHMARK(BM_RegGetAgainstGrep)
    ->ArgName("wine")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(40)
    ->Unit(benchmark::kMillisecond);

void BM_RegSetAgainstDurableRewrite(benchmark::State& state) {
    const auto t = image(state);
    if (!t) return state.SkipWithError("Wine is not installed");
    int n = 0;
    const fs::path file = t->dir / "system.reg";
    // The rewrite as a program of its own, a command against a command; and
    // the same in this process, which pays no process start.
    const std::vector<std::string> rewrite{(buildDir() / "bench" / "durable_rewrite").string(),
                                           file.string()};
    compare(
        state,
        [&] {
            if (run({cli(), "--machine", t->dir.string(), "reg", "set", t->writeKey, "BenchCounter",
                     std::to_string(++n % 2), "D"}) != 0)
                state.SkipWithError("reg set failed");
        },
        [&] {
            if (run(rewrite) != 0) state.SkipWithError("durable_rewrite failed");
        },
        false, {{"inprocess", [&] { durableRewrite(file.c_str()); }}});
    state.counters["MB"] = static_cast<double>(fs::file_size(file)) / 1e6;
}
BENCHMARK(BM_RegSetAgainstDurableRewrite)
    ->ArgName("wine")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(40)
    ->Unit(benchmark::kMillisecond);

std::string fileText(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A Windows 98 image of the build's templates. Its system.reg is padded to the
// size of Wine's, or (`wineHive`) holds the Wine prefix's system.reg followed
// by the image's own keys (the library's classes among them).
struct ApplyImage {
    explicit ApplyImage(bool wineHive) {
        ::setenv("VANTIX_PROGRAM_DIR", (buildDir() / "bin").c_str(), 1);
        std::string pattern = (fs::temp_directory_path() / "vantix-bench-apply-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        dir = pattern;
        auto machine = vantix::platform::Machine::create(dir / "image",
                                                         vantix::platform::WindowsPlatform::Win98);
        if (wineHive) {
            const fs::path system = dir / "image" / "system.reg";
            std::string own = fileText(system);
            std::string text = fileText(winePrefix().dir / "system.reg");
            if (!text.empty() && text.back() != '\n') text += '\n';
            text += own.substr(own.find("\n[") + 1);
            std::ofstream(system, std::ios::binary | std::ios::trunc) << text;
            return;
        }
        auto& registry = machine->registry();
        (void)registry.batch([&] {
            for (int i = 0; i < 9000; ++i) {
                const std::string key = "Software\\Classes\\Bench" + std::to_string(i / 100) +
                                        "\\Key" + std::to_string(i);
                (void)registry.setValue(
                    vantix::platform::Root::LocalMachine, key,
                    vantix::platform::RegValue::string(
                        "Path", "C:\\WINDOWS\\SYSTEM\\bench" + std::to_string(i) + ".dll"));
                (void)registry.setValue(
                    vantix::platform::Root::LocalMachine, key,
                    vantix::platform::RegValue::dword("Flags", i * 2654435761u));
            }
            return vantix::platform::RegStatus::ok();
        });
    }
    ~ApplyImage() {
        std::error_code ignored;
        fs::remove_all(dir, ignored);
    }
    fs::path dir;
};

// Arg 0: the padded image; 1: the one with Wine's system.reg (nullptr without Wine).
ApplyImage* applyImage(const benchmark::State& state) {
    if (state.range(0) == 0) {
        static ApplyImage padded(false);
        return &padded;
    }
    if (!wine()) return nullptr;
    static ApplyImage withWine(true);
    return &withWine;
}

// "File name extensions" (101): one DWORD in user.reg, set to 0 by A and 1 by B.
void BM_FnApplyAgainstRegSet(benchmark::State& state) {
    const ApplyImage* applied = applyImage(state);
    if (!applied) return state.SkipWithError("Wine is not installed");
    const std::string image = (applied->dir / "image").string();
    const std::string key =
        "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
    bool on = true;
    compare(
        state,
        [&] {
            if (run({cli(), "--machine", image, "fn", "apply", "101", on ? "A" : "B"}) != 0)
                state.SkipWithError("fn apply failed");
            on = !on;
        },
        [&] {
            run({cli(), "--machine", image, "reg", "set", key, "HideFileExt", on ? "0" : "1", "D"});
        });
}
BENCHMARK(BM_FnApplyAgainstRegSet)
    ->ArgName("wine")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(40)
    ->Unit(benchmark::kMillisecond);

void BM_FnStatus(benchmark::State& state) {
    const ApplyImage* applied = applyImage(state);
    if (!applied) return state.SkipWithError("Wine is not installed");
    const std::string image = (applied->dir / "image").string();
    std::vector<double> times;
    for (auto _ : state)
        times.push_back(millisecondsOf([&] {
            if (run({cli(), "--machine", image, "fn", "status"}) != 0)
                state.SkipWithError("fn status failed");
        }));
    state.counters["median_ms"] = median(times);
}
BENCHMARK(BM_FnStatus)
    ->ArgName("wine")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);

// The server runs on the prefix itself; vantix-cli reads the same bytes from its copy.
void BM_WarmWineRegQueryAgainstRegGet(benchmark::State& state) {
    const auto t = wine();
    if (!t) return state.SkipWithError("Wine is not installed");
    const auto env = winePrefix().environment();
    run({"wineserver", "-p"}, env);
    const std::vector<std::string> query{"wine", "reg", "query", t->readKey, "/v", t->readName};
    run(query, env);  // warm: the server holds the registry
    const std::vector<std::string> get{cli(), "--machine", t->dir.string(), "reg",
                                       "get", t->readKey,  t->readName};
    // What the file's scan costs in the same conditions: the bound that the
    // reg get goal sets, and so how far past Wine any reader of the file can get.
    const std::vector<std::string> grep{"grep", "-c", t->grepFor,
                                        (t->dir / "system.reg").string()};
    compare(
        state, [&] { run(get); }, [&] { run(query, env); }, true, {{"grep", [&] { run(grep); }}});
    // The most any command that reads the file could reach: Wine's time over the scan's.
    state.counters["wine_over_grep"] =
        state.counters["baseline_ms"].value / state.counters["grep_ms"].value;
    run({"wineserver", "-k"}, env);
}
BENCHMARK(BM_WarmWineRegQueryAgainstRegGet)->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
