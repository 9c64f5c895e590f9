// DREVION.EXE: the drives module. Started by the shell with "/START", by the
// Explorer drive context menu with a drive root, by the set-up step with
// "/INIT"; "--machine DIR" picks the image by hand.
#include <QApplication>
#include <QMessageBox>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <memory>

#include "modules/common/EntryProcedure.h"
#include "modules/common/ModuleCommandLine.h"
#include "modules/common/ProcessText.h"
#include "modules/common/host/LibraryModuleHost.h"
#include "modules/drevion/DriveOptions.h"
#include "modules/drevion/ui/DrevionWindow.h"
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
        std::fprintf(stderr, "DREVION.EXE: %s\n", error.what());
        return 2;
    }
    std::unique_ptr<QApplication> app;
    const auto ensureApp = [&] {
        if (app) return;
        app = std::make_unique<QApplication>(argc, argv);
        platform::ui::installWindowing();
    };
    const bool haveDisplay =
        std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") || std::getenv("QT_QPA_PLATFORM");
    try {
        platform::Machine& machine = platform::currentMachine();
        const auto executableDir = std::filesystem::read_symlink("/proc/self/exe").parent_path();
        modules::LibraryModuleHost host(
            machine, executableDir, [&](const std::string& text, const std::string& caption) {
                if (!haveDisplay) {
                    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
                    return;
                }
                ensureApp();
                QMessageBox box(QMessageBox::Information, QString::fromStdString(caption),
                                QString::fromStdString(text), QMessageBox::Ok);
                box.exec();
            });
        const auto decision = runEntryProcedure(modules::moduleInfo(modules::ModuleId::Drevion),
                                                commandLine.arguments, host);
        if (!decision.showWindow) return 0;
        if (!haveDisplay) {
            std::fprintf(stderr, "DREVION.EXE: no display to show the window on\n");
            return 1;
        }
        ensureApp();
        help::installHelpKey(QString::fromStdString(modules::helpFileOnHost(machine).string()));
        // "/START" names no drive: the drive of the module's own folder is selected.
        std::optional<char> drive = decision.drive;
        if (!drive) {
            const std::string folder = host.executableFolder();
            if (!folder.empty() && std::isalpha(static_cast<unsigned char>(folder[0])) &&
                folder.size() > 1 && folder[1] == ':')
                drive = static_cast<char>(std::toupper(static_cast<unsigned char>(folder[0])));
        }
        QApplication::setOverrideCursor(Qt::WaitCursor);
        drevion::DriveOptions options(machine, decision.versionCode);
        drevion::ui::DrevionWindow window(machine, options, drive);
        window.show();
        QApplication::restoreOverrideCursor();
        return app->exec();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "DREVION.EXE: %s\n", error.what());
        return 1;
    }
}
