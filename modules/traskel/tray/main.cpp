// QVDDESVR.EXE: the tray program of the taskbar module. "/START" shows the
// launcher list of its machine image ("--machine DIR" picks the image) and
// serves the module's DDE commands until "{END}".
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "modules/common/ModuleCommandLine.h"
#include "modules/traskel/tray/TrayProgram.h"
#include "platform/dde/DdeChannel.h"
#include "platform/machine/Machine.h"
#include "platform/process/SingleInstance.h"
#include "platform/text/Text.h"
#include "platform/windowing/ui/InstallWindowing.h"

int main(int argc, char** argv) {
    using namespace vantix;
    modules::ModuleCommandLine commandLine;
    try {
        commandLine = modules::parseModuleCommandLine(argc, argv);
        if (commandLine.machine) platform::selectMachine(*commandLine.machine);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "QVDDESVR.EXE: %s\n", error.what());
        return 2;
    }
    const std::string command = text::toUpperAscii(commandLine.arguments);
    // The set-up step runs every program of the module folder with "/INIT": the tray has nothing to
    // register.
    if (command == "/INIT") return 0;
    if (command != "/START") {
        std::fputs("usage: QVDDESVR.EXE [--machine DIR] /START\n", stderr);
        return 2;
    }
    try {
        platform::Machine& machine = platform::currentMachine();
        // Once per user and image.
        const auto instance =
            platform::SingleInstance::acquire("QVDDESVR-" + platform::imageKey(machine.dir()));
        if (!instance) return 0;
        // What the strip starts works on this image too.
        ::setenv("VANTIX_MACHINE", machine.dir().c_str(), 1);
        QApplication app(argc, argv);
        QApplication::setQuitOnLastWindowClosed(false);
        platform::ui::installWindowing();
        traskel::tray::TrayProgram tray(machine);
        if (!tray.listen()) {
            std::fputs("QVDDESVR.EXE: another tray program serves this image\n", stderr);
            return 1;
        }
        QObject::connect(&tray, &traskel::tray::TrayProgram::endRequested, &app,
                         &QApplication::quit);
        tray.rebuild();
        return app.exec();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "QVDDESVR.EXE: %s\n", error.what());
        return 1;
    }
}
