#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>

#include <fcntl.h>

#include "bench/BenchImage.h"

extern char** environ;

namespace {

// vantix-cli beside the benchmarks: <build>/bench/.. /bin/vantix-cli.
std::filesystem::path cliPath() {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path() / "bin" /
           "vantix-cli";
}

int runQuietly(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (auto& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int error = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The whole command: start, open the image, load system.reg, print one value.
void BM_CliRegGet(benchmark::State& state) {
    BenchImage image;
    const std::vector<std::string> args{cliPath().string(),
                                        "--machine",
                                        image.dir().string(),
                                        "reg",
                                        "get",
                                        "HKEY_LOCAL_MACHINE\\Software\\Classes\\Bench45\\Key4567",
                                        "Path"};
    if (runQuietly(args) != 0) state.SkipWithError("vantix-cli reg get failed");
    for (auto _ : state) benchmark::DoNotOptimize(runQuietly(args));
}
BENCHMARK(BM_CliRegGet)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
