#include "modules/common/ui/ModuleProgram.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>

#include "lindrel32/client/LibraryObjects.h"
#include "modules/common/ModuleCommandLine.h"
#include "modules/common/ProcessText.h"
#include "platform/machine/Machine.h"
#include "platform/windowing/ui/InstallWindowing.h"
#include "shell/ui/help/HelpViewer.h"

namespace vantix::modules::ui {

int runModuleProgram(int argc, char** argv, ModuleId id,
                     const std::function<int(ModuleStart&)>& showWindow) {
    const ModuleInfo& module = moduleInfo(id);
    std::string program(module.executable);
    if (!program.empty() && program.front() == '\\') program.erase(0, 1);
    ModuleCommandLine commandLine;
    try {
        commandLine = parseModuleCommandLine(argc, argv);
        if (commandLine.machine) platform::selectMachine(*commandLine.machine);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", program.c_str(), error.what());
        return 2;
    }
    std::unique_ptr<QApplication> app;
    const auto ensureApp = [&] {
        if (app) return;
        app = std::make_unique<QApplication>(argc, argv);
        platform::ui::installWindowing();
    };
    // Without any display Qt would abort; messages then go to the terminal.
    const bool haveDisplay =
        std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") || std::getenv("QT_QPA_PLATFORM");
    const auto message = [&](const std::string& text, const std::string& caption) {
        if (!haveDisplay) {
            std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
            return;
        }
        ensureApp();
        QMessageBox box(QMessageBox::Information, QString::fromStdString(caption),
                        QString::fromStdString(text), QMessageBox::Ok);
        box.exec();
    };
    try {
        platform::Machine& machine = platform::currentMachine();
        lindrel32::IQVREG* registry = nullptr;
        lindrel32::IQVFKT* functions = nullptr;
        try {
            // The library's classes by their identifiers, before the entry procedure needs them.
            registry = &lindrel32::registryObject();
            functions = &lindrel32::functionsObject();
        } catch (const lindrel32::LibraryUnavailable& error) {
            std::fprintf(stderr, "%s: %s\n", program.c_str(), error.what());
            if (haveDisplay) message(error.what(), "Error!");
            return 1;
        }
        const auto executableDir = std::filesystem::read_symlink("/proc/self/exe").parent_path();
        LibraryModuleHost host(machine, executableDir, message, *registry, *functions);
        const StartDecision decision = runEntryProcedure(module, commandLine.arguments, host);
        if (!decision.showWindow) return 0;
        if (!haveDisplay) {
            std::fprintf(stderr, "%s: no display to show the window on\n", program.c_str());
            return 1;
        }
        ensureApp();
        help::installHelpKey(QString::fromStdString(helpFileOnHost(machine).string()));
        ModuleStart start{machine, executableDir, host.executableFolder(), decision, message};
        return showWindow(start);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", program.c_str(), error.what());
        return 1;
    }
}

}  // namespace vantix::modules::ui
