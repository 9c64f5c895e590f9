// VANTIX.EXE: the shell. Options of ours come first (--machine DIR); the rest
// is the system's own command line ("/DS:00012").
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

#include "lindrel32/client/LibraryObjects.h"
#include "platform/machine/Machine.h"
#include "platform/process/CommandLine.h"
#include "platform/windowing/ui/InstallWindowing.h"
#include "shell/ShellState.h"
#include "shell/ui/Dialogs.h"
#include "shell/ui/FirstImage.h"
#include "shell/ui/MainWindow.h"
#include "shell/ui/ShellApplication.h"

namespace {

constexpr const char* kUsage =
    "usage: vantix [--machine DIR] [--quit-when-shown] [/DS:NNNNN]\n"
    "  --machine DIR      work on the machine image (or Wine prefix) in DIR\n"
    "  --quit-when-shown  print \"shown\" once the main window shows, then close it (start-up "
    "timing)\n"
    "  /DS:NNNNN          open the group with that ID\n";

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> systemArguments;
    std::string machineDir;
    bool quitWhenShown = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--machine") == 0 && i + 1 < argc) {
            machineDir = argv[++i];
        } else if (std::strcmp(argv[i], "--quit-when-shown") == 0) {
            quitWhenShown = true;
        } else if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        } else {
            systemArguments.emplace_back(argv[i]);
        }
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantix"));
    vantix::platform::ui::installWindowing();
    using vantix::platform::Machine;
    Machine* machine = nullptr;
    try {
        if (!machineDir.empty()) vantix::platform::selectMachine(machineDir);
        if (std::string error; !vantix::shell::createDefaultImageShowingProgress(nullptr, error))
            throw vantix::platform::MachineError(error);
        machine = &vantix::platform::currentMachine();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "vantix: %s\n", error.what());
        return 1;
    }

    vantix::shell::ShellState& state = vantix::shell::shellState();
    try {
        // The library's classes by their identifiers: the first use, before anything needs them.
        state.reg();
        state.fkt();
    } catch (const lindrel32::LibraryUnavailable& error) {
        std::fprintf(stderr, "vantix: %s\n", error.what());
        vantix::shell::Dialogs::message(nullptr, vantix::shell::Dialogs::Icon::Exclamation,
                                        QStringLiteral("Error!"),
                                        QString::fromStdString(error.what()));
        return 1;
    }
    vantix::shell::ShellApplication shell(state, *machine, vantix::platform::programDir());
    switch (shell.start(vantix::platform::joinArguments(systemArguments))) {
        case vantix::shell::StartupOutcome::Running:
            break;
        case vantix::shell::StartupOutcome::SecondInstance:
        case vantix::shell::StartupOutcome::UnsupportedPlatform:
            return 0;
        case vantix::shell::StartupOutcome::AccessDenied:
        case vantix::shell::StartupOutcome::DatabaseFailed:
            return 1;
    }
    if (quitWhenShown) {
        // A timing harness waits for this line, then for the end of the shutdown.
        std::puts("shown");
        std::fflush(stdout);
        QTimer::singleShot(0, shell.mainWindow(), [&shell] { shell.mainWindow()->close(); });
    }
    return QApplication::exec();
}
