#include <benchmark/benchmark.h>

#include "bench/BenchImage.h"
#include "lindrel32/QVREG.h"
#include "platform/machine/Machine.h"

namespace {

// GetReg with the hive already loaded: each call still checks the file for changes.
void BM_GetRegWarm(benchmark::State& state) {
    BenchImage image;
    auto machine = vantix::platform::Machine::open(image.dir());
    lindrel32::QVREG reg(*machine);
    const std::string key = "HKEY_LOCAL_MACHINE\\Software\\Classes\\Bench45\\Key4567";
    if (reg.GetReg(key, "Path") == "NO Key") state.SkipWithError("value missing");
    for (auto _ : state) benchmark::DoNotOptimize(reg.GetReg(key, "Path"));
    state.counters["system.reg bytes"] = static_cast<double>(image.systemSize());
}
BENCHMARK(BM_GetRegWarm);

void BM_GetRegDwordWarm(benchmark::State& state) {
    BenchImage image;
    auto machine = vantix::platform::Machine::open(image.dir());
    lindrel32::QVREG reg(*machine);
    const std::string key = "HKEY_LOCAL_MACHINE\\Software\\Classes\\Bench10\\Key1000";
    for (auto _ : state) benchmark::DoNotOptimize(reg.GetReg(key, "Flags", "D"));
}
BENCHMARK(BM_GetRegDwordWarm);

// A durable SetReg: the whole hive rewritten, flushed and renamed into place.
void BM_SetRegDurable(benchmark::State& state) {
    BenchImage image;
    auto machine = vantix::platform::Machine::open(image.dir());
    lindrel32::QVREG reg(*machine);
    const std::string key = "HKEY_LOCAL_MACHINE\\Software\\Classes\\Bench45\\Key4567";
    int n = 0;
    for (auto _ : state) {
        if (!reg.SetReg(key, "Counter", std::to_string(++n), "D"))
            state.SkipWithError(reg.LastError().c_str());
    }
    state.counters["system.reg bytes"] = static_cast<double>(image.systemSize());
}
BENCHMARK(BM_SetRegDurable)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
