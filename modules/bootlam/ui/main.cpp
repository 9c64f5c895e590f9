// BOOTLAM.EXE: the boot options module. Started by the shell with "/START",
// by the set-up step with "/INIT"; "--machine DIR" picks the image by hand.
#include <QApplication>

#include "lindrel32/client/LibraryObjects.h"
#include "modules/bootlam/BootOptions.h"
#include "modules/bootlam/ui/BootlamWindow.h"
#include "modules/common/ui/ModuleProgram.h"

int main(int argc, char** argv) {
    using namespace vantix;
    return modules::ui::runModuleProgram(
        argc, argv, modules::ModuleId::Bootlam, [](modules::ui::ModuleStart& start) {
            bootlam::BootOptions options(start.machine, lindrel32::registryObject(),
                                         lindrel32::functionsObject());
            try {
                options.start();
            } catch (const bootlam::BootIniError& error) {
                start.message(error.what(), "Error!");
                return 1;
            }
            bootlam::ui::BootlamWindow window(options);
            window.show();
            return QApplication::exec();
        });
}
