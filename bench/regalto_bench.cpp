// The registry editor on a real image: expanding a key with 10,000 sub-keys
// (goal under 150 ms) and listing a key with 5,000 values (goal under 100 ms).
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "modules/regalto/KeyTree.h"
#include "modules/regalto/ValueList.h"
#include "modules/regalto/host/LibraryRegistryPort.h"
#include "platform/machine/Machine.h"

namespace {

namespace fs = std::filesystem;
using namespace vantix;

// system.reg with HKLM\Software\Wide (10,000 sub-keys, every tenth with one of
// its own) and HKLM\Software\Many (5,000 values of the three edited kinds).
class EditorImage {
public:
    EditorImage() {
        std::string pattern = (fs::temp_directory_path() / "regalto-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        dir_ = pattern;
        std::ofstream system(dir_ / "system.reg", std::ios::binary);
        system << "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win64\n";
        for (int i = 0; i < 10000; ++i) {
            system << "\n[Software\\\\Wide\\\\Key" << i << "] 1700000000\n\"Value\"=\"" << i << "\"\n";
            if (i % 10 == 0) system << "\n[Software\\\\Wide\\\\Key" << i << "\\\\Inner] 1700000000\n";
        }
        system << "\n[Software\\\\Many] 1700000000\n";
        for (int i = 0; i < 5000; ++i) {
            switch (i % 3) {
                case 0: system << "\"Text" << i << "\"=\"some text " << i << "\"\n"; break;
                case 1: system << "\"Number" << i << "\"=dword:" << std::hex << i * 2654435761u << std::dec << "\n"; break;
                default: system << "\"Bytes" << i << "\"=hex:01,02,03,04,05,06,07,08\n"; break;
            }
        }
        system.close();
        std::ofstream(dir_ / "user.reg", std::ios::binary) << "WINE REGISTRY Version 2\n\n#arch=win64\n";
        fs::create_directories(dir_ / "drive_c" / "windows");
        fs::create_directories(dir_ / "dosdevices");
        fs::create_directory_symlink("../drive_c", dir_ / "dosdevices" / "c:");
        machine_ = platform::Machine::open(dir_);
    }
    ~EditorImage() {
        machine_.reset();
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }
    platform::Machine& machine() { return *machine_; }

private:
    fs::path dir_;
    std::unique_ptr<platform::Machine> machine_;
};

void BM_ExpandKeyWith10000SubKeys(benchmark::State& state) {
    EditorImage image;
    regalto::LibraryRegistryPort port(image.machine());
    for (auto _ : state) {
        state.PauseTiming();
        regalto::KeyTree tree(port);
        regalto::KeyNode& machine = *tree.roots()[2];
        tree.expand(machine);
        regalto::KeyNode* software = regalto::KeyTree::childNamed(machine, "Software");
        if (software) tree.expand(*software);
        regalto::KeyNode* wide = software ? regalto::KeyTree::childNamed(*software, "Wide") : nullptr;
        state.ResumeTiming();
        if (!wide) {
            state.SkipWithError("the image has no HKEY_LOCAL_MACHINE\\Software\\Wide");
            break;
        }
        tree.expand(*wide);
        benchmark::DoNotOptimize(wide->children.size());
        if (wide->children.size() != 10000) state.SkipWithError("wrong sub-key count");
    }
}
BENCHMARK(BM_ExpandKeyWith10000SubKeys)->Unit(benchmark::kMillisecond);

void BM_ListKeyWith5000Values(benchmark::State& state) {
    EditorImage image;
    regalto::LibraryRegistryPort port(image.machine());
    for (auto _ : state) {
        const auto listing = regalto::listValues(port, "HKEY_LOCAL_MACHINE\\Software\\Many");
        benchmark::DoNotOptimize(listing.entries.data());
        if (!listing.truncated) state.SkipWithError("the list should be cut at its cap");
    }
}
BENCHMARK(BM_ListKeyWith5000Values)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
