// Registry speed on a generated system.reg the size of a fresh Wine prefix's
// (about 1.7 MB and 9,000 keys): loading, a warm getValue (which includes the
// per-call check of the file), a first getValue in a fresh process and its
// parts, and a durable setValue.
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "platform/registry/HiveReader.h"
#include "platform/registry/PartialHive.h"
#include "platform/registry/Registry.h"

using namespace vantix::platform;

namespace {

std::string generatedSystemReg() {
    std::string out =
        "WINE REGISTRY Version 2\n;; All keys relative to REGISTRY\\\\Machine\n\n#arch=win64\n";
    const char* top[] = {"Software\\\\Classes",
                         "Software\\\\Microsoft\\\\Windows\\\\CurrentVersion",
                         "System\\\\CurrentControlSet\\\\Services", "Software\\\\Wine"};
    std::size_t keys = 0;
    for (int group = 0; keys < 9000; ++group) {
        for (int i = 0; i < 60 && keys < 9000; ++i, ++keys) {
            char header[256];
            std::snprintf(header, sizeof header,
                          "\n[%s\\\\Group%04d\\\\Item%03d] 1700000000\n#time=1da1747c66d0000\n",
                          top[group % 4], group, i);
            out += header;
            out += "@=\"C:\\\\windows\\\\system32\\\\component" + std::to_string(keys) + ".dll\"\n";
            out += "\"ThreadingModel\"=\"Both\"\n";
            out += "\"Flags\"=dword:000000" + std::to_string(10 + keys % 89) + "\n";
            if (keys % 3 == 0)
                out += "\"Data\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11\n";
            if (keys % 5 == 0)
                out += "\"Path\"=str(2):\"%SystemRoot%\\\\system32\\\\drivers\\\\etc\\\\file" +
                       std::to_string(keys) + "\"\n";
        }
    }
    return out;
}

struct Image {
    std::filesystem::path dir;
    std::string text;
    Image() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "vantix-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        dir = pattern;
        text = generatedSystemReg();
        std::ofstream(dir / "system.reg", std::ios::binary) << text;
    }
    ~Image() {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
};

Image& image() {
    static Image instance;
    return instance;
}

void BM_LoadSystemReg(benchmark::State& state) {
    // Reading the file and building the tree; tearing it down again is not loading.
    const std::string& text = image().text;
    for (auto _ : state) {
        auto r = std::make_unique<Registry>(image().dir);
        benchmark::DoNotOptimize(r->keyExists(Root::LocalMachine, "Software"));
        state.PauseTiming();
        r.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
    state.counters["MB"] = static_cast<double>(text.size()) / 1e6;
}
BENCHMARK(BM_LoadSystemReg)->Unit(benchmark::kMillisecond);

void BM_WarmGetValue(benchmark::State& state) {
    Registry r(image().dir);
    // Loads the hive before the timing starts: the value read is not needed.
    (void)r.getValue(Root::LocalMachine, "Software\\Wine\\Group0003\\Item007", "ThreadingModel");
    for (auto _ : state) {
        auto v = r.getValue(Root::LocalMachine,
                            "Software\\Microsoft\\Windows\\CurrentVersion\\Group0001\\Item042",
                            "ThreadingModel");
        benchmark::DoNotOptimize(v);
    }
}
BENCHMARK(BM_WarmGetValue)->Unit(benchmark::kMicrosecond);

// What a process that reads one value pays: the file checked whole, its key
// headers found and the blocks of that key read.
void BM_ColdGetValue(benchmark::State& state) {
    for (auto _ : state) {
        Registry r(image().dir);
        auto v = r.getValue(Root::LocalMachine,
                            "Software\\Microsoft\\Windows\\CurrentVersion\\Group0001\\Item042",
                            "ThreadingModel");
        if (!v) state.SkipWithError("value not found");
        benchmark::DoNotOptimize(v);
    }
}
BENCHMARK(BM_ColdGetValue)->Unit(benchmark::kMillisecond);

// The parts of that: the check of every line, and the scan for key headers.
void BM_CheckWholeFile(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(reg::checkHive(image().text, "system.reg"));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * image().text.size()));
}
BENCHMARK(BM_CheckWholeFile)->Unit(benchmark::kMillisecond);

void BM_FindKeyHeaders(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(reg::HeaderIndex(image().text).headers().size());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * image().text.size()));
}
BENCHMARK(BM_FindKeyHeaders)->Unit(benchmark::kMillisecond);

void BM_DurableSetValue(benchmark::State& state) {
    Registry r(image().dir);
    std::uint32_t n = 0;
    for (auto _ : state) {
        const RegStatus st = r.setValue(Root::LocalMachine,
                                        "System\\CurrentControlSet\\Services\\Group0002\\Item011",
                                        RegValue::dword("Counter", ++n));
        if (!st) state.SkipWithError(st.message.c_str());
    }
}
BENCHMARK(BM_DurableSetValue)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
