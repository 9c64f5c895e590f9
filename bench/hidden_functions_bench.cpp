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

constexpr int kFunctions = 5000;
const std::string kBenchKey = "HKEY_CURRENT_USER\\Software\\Vantix Bench";

fs::path buildDir() {
    return fs::read_symlink("/proc/self/exe").parent_path().parent_path();
}

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
        generate();
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

private:
    void generate() {
        platform::Database::Transaction transaction(*database);
        database->executeScript(
            "DELETE FROM HIDDEN_BEFEHLE; DELETE FROM HIDDEN_EIGENSCHAFT; DELETE FROM HIDDEN_ITEMS; "
            "DELETE FROM HIDDEN_FOLDERS;");
        int folder = 0;
        for (int top = 1; top <= 10; ++top) {
            database->execute(
                "INSERT INTO HIDDEN_FOLDERS (ID, FolderName, UF_FID) VALUES (?, ?, 0)",
                {top, "Topic " + std::to_string(top)});
            for (int sub = 0; sub < 5; ++sub)
                database->execute(
                    "INSERT INTO HIDDEN_FOLDERS (ID, FolderName, UF_FID) VALUES (?, ?, ?)",
                    {100 + ++folder, "Subtopic " + std::to_string(sub), top});
        }
        for (int id = 1; id <= kFunctions; ++id) {
            const std::string name = "Value" + std::to_string(id);
            database->execute(
                "INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (?, ?, ?, 7)",
                {id, 101 + id % 50, "Generated function " + std::to_string(id)});
            database->execute(
                "INSERT INTO HIDDEN_EIGENSCHAFT (ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, "
                "Hilfe, MOM_Art, "
                "MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard) "
                "VALUES "
                "(?, 'OPTION', 'On', 'Off', 'A generated function.', 'REG', ?, ?, 'D', '1', 1, 2, "
                "'2')",
                {id, kBenchKey, name});
            for (const char* letter : {"A", "B"})
                database->execute(
                    "INSERT INTO HIDDEN_BEFEHLE VALUES (?, ?, 'REGSET', '#', ?, ?, ?, 'D')",
                    {id, letter, kBenchKey, name, std::string(letter[0] == 'A' ? "1" : "0")});
        }
        transaction.commit();
    }
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
