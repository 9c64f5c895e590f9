// REGALTO.EXE: the registry editor module. Started by the shell with "/START",
// by the set-up step with "/INIT"; "--machine DIR" picks the image by hand.
#include <QApplication>

#include "lindrel32/client/LibraryObjects.h"
#include "modules/common/ui/ModuleProgram.h"
#include "modules/regalto/host/LibraryRegistryPort.h"
#include "modules/regalto/ui/RegaltoWindow.h"

int main(int argc, char** argv) {
    using namespace vantix;
    return modules::ui::runModuleProgram(
        argc, argv, modules::ModuleId::Regalto, [](modules::ui::ModuleStart& start) {
            regalto::LibraryRegistryPort registry(start.machine, lindrel32::registryObject());
            regalto::ui::RegaltoWindow window(registry);
            window.show();
            return QApplication::exec();
        });
}
