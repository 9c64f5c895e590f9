// The function tree and the property page: filling the tree from a
// catalogue of 5,000 generated functions under 100 ms, and opening a page
// (state read and preview of its choice) under 30 ms.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QApplication>
#include <QTextEdit>
#include <filesystem>
#include <memory>
#include <string>

#include "GeneratedCatalogue.h"
#include "catalogue/SettingsStoreAccess.h"
#include "lindrel32/QVREG.h"
#include "lindrel32/SettingsStore.h"
#include "platform/database/Database.h"
#include "platform/machine/Machine.h"
#include "tweaks/TweakSession.h"
#include "tweaks/ui/Form5.h"
#include "tweaks/ui/HiddenTreeView.h"

using namespace vantix;

namespace {

namespace fs = std::filesystem;

using bench::buildDir;
using bench::kFunctions;

// A Windows 98 image and a catalogue of 5,000 OPTION functions in ten topics
// with five subfolders each, two commands per function.
class Setup {
public:
    Setup() {
        std::string pattern = (fs::temp_directory_path() / "vantix-tree-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        dir = pattern;
        fs::create_directories(dir / "program");
        fs::create_directory_symlink(buildDir() / "bin" / "machine", dir / "program" / "machine");
        ::setenv("VANTIX_PROGRAM_DIR", (dir / "program").c_str(), 1);
        fs::copy_file(buildDir() / "bin" / "QUORVIA.MDE", dir / "program" / "QUORVIA.MDE");
        database = platform::Database::open(dir / "program" / "QUORVIA.MDE");
        bench::generateFunctions(*database, 1);
        machine = platform::Machine::create(dir / "image", platform::WindowsPlatform::Win98);
        reg = std::make_unique<lindrel32::QVREG>(*machine);
        store = std::make_unique<lindrel32::SettingsStore>(*reg);
        settings = std::make_unique<catalogue::SettingsStoreAccess>(*store);
        session = std::make_unique<tweaks::TweakSession>(*machine, *database, dir / "program");
        context.database = database.get();
        context.settings = settings.get();
        context.session = [this] { return session.get(); };
        context.winVersion = [] { return 3; };
    }
    ~Setup() {
        session.reset();
        machine.reset();
        std::error_code ignored;
        fs::remove_all(dir, ignored);
    }

    fs::path dir;
    std::unique_ptr<platform::Database> database;
    std::unique_ptr<platform::Machine> machine;
    std::unique_ptr<lindrel32::QVREG> reg;
    std::unique_ptr<lindrel32::SettingsStore> store;
    std::unique_ptr<catalogue::SettingsStoreAccess> settings;
    std::unique_ptr<tweaks::TweakSession> session;
    tweaks::ui::HiddenContext context;
};

Setup& setup() {
    static Setup instance;
    return instance;
}

void BM_FillHiddenTree(benchmark::State& state) {
    Setup& s = setup();
    tweaks::ui::HiddenTreeView tree;
    QTextEdit info;
    tree.setContext(&s.context);
    tree.setInfoField(&info);
    tree.resize(400, 600);
    tree.show();
    for (auto _ : state) {
        tree.showGroup(2);
        QApplication::processEvents();
    }
    state.counters["nodes"] = static_cast<double>(tree.topLevelItemCount());
}
BENCHMARK(BM_FillHiddenTree)->Unit(benchmark::kMillisecond);

void BM_OpenPropertyPage(benchmark::State& state) {
    Setup& s = setup();
    int id = 1;
    for (auto _ : state) {
        tweaks::ui::Form5 page(s.context);
        page.load(id, QStringLiteral("Generated function"), QString());
        // What Apply would write for the choice the page shows.
        benchmark::DoNotOptimize(s.session->preview(page.page().request()));
        id = id % kFunctions + 1;
    }
}
BENCHMARK(BM_OpenPropertyPage)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
