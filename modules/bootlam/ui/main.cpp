// BOOTLAM.EXE: the boot options module. Started by the shell with "/START",
// by the set-up step with "/INIT"; "--machine DIR" picks the image by hand.
#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <memory>

#include "modules/bootlam/BootOptions.h"
#include "modules/bootlam/ui/BootlamWindow.h"
#include "modules/common/EntryProcedure.h"
#include "modules/common/ModuleCommandLine.h"
#include "modules/common/ProcessText.h"
#include "modules/common/host/LibraryModuleHost.h"
#include "platform/machine/Machine.h"
#include "platform/windowing/ui/InstallWindowing.h"
#include "shell/ui/help/HelpViewer.h"

int main(int argc, char** argv) {
    using namespace vantix;
    modules::ModuleCommandLine commandLine;
    try {
        commandLine = modules::parseModuleCommandLine(argc, argv);
        if (commandLine.machine) platform::selectMachine(*commandLine.machine);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "BOOTLAM.EXE: %s\n", error.what());
        return 2;
    }
    // "/INIT" runs without a display: the application object is made only
    // when a message or the window has to be shown.
    std::unique_ptr<QApplication> app;
    const auto ensureApp = [&] {
        if (app) return;
        app = std::make_unique<QApplication>(argc, argv);
        platform::ui::installWindowing();
    };
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
        const auto executableDir = std::filesystem::read_symlink("/proc/self/exe").parent_path();
        modules::LibraryModuleHost host(machine, executableDir, message);
        const auto decision = runEntryProcedure(modules::moduleInfo(modules::ModuleId::Bootlam),
                                                commandLine.arguments, host);
        if (!decision.showWindow) return 0;
        if (!haveDisplay) {
            std::fprintf(stderr, "BOOTLAM.EXE: no display to show the window on\n");
            return 1;
        }
        ensureApp();
        help::installHelpKey(QString::fromStdString(modules::helpFileOnHost(machine).string()));
        bootlam::BootOptions options(machine);
        try {
            options.start();
        } catch (const bootlam::BootIniError& error) {
            message(error.what(), "Error!");
            return 1;
        }
        bootlam::ui::BootlamWindow window(options);
        window.show();
        return app->exec();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "BOOTLAM.EXE: %s\n", error.what());
        return 1;
    }
}
