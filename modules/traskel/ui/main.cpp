// TRASKEL.EXE: the taskbar module. Started by the shell with "/START", by the
// set-up step with "/INIT"; "--machine DIR" picks the image by hand.
#include <QApplication>

#include "lindrel32/client/LibraryObjects.h"
#include "modules/common/ui/ModuleProgram.h"
#include "modules/traskel/TrayList.h"
#include "modules/traskel/host/LibraryTrayLink.h"
#include "modules/traskel/ui/TraskelWindow.h"

int main(int argc, char** argv) {
    using namespace vantix;
    return modules::ui::runModuleProgram(
        argc, argv, modules::ModuleId::Traskel, [](modules::ui::ModuleStart& start) {
            lindrel32::IQVREG& registry = lindrel32::registryObject();
            lindrel32::IQVFKT& functions = lindrel32::functionsObject();
            traskel::LibraryTrayLink tray(start.machine,
                                          start.executableDir / std::string(traskel::kTrayProgram));
            traskel::TraskelEditor editor(registry, functions, tray, &start.machine);
            editor.load();
            traskel::ui::TraskelWindow window(editor, functions);
            window.show();
            return QApplication::exec();
        });
}
