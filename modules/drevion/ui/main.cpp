// DREVION.EXE: the drives module. Started by the shell with "/START", by the
// Explorer drive context menu with a drive root, by the set-up step with
// "/INIT"; "--machine DIR" picks the image by hand.
#include <QApplication>

#include <cctype>
#include <optional>

#include "lindrel32/client/LibraryObjects.h"
#include "modules/common/ui/ModuleProgram.h"
#include "modules/drevion/DriveOptions.h"
#include "modules/drevion/ui/DrevionWindow.h"

int main(int argc, char** argv) {
    using namespace vantix;
    return modules::ui::runModuleProgram(
        argc, argv, modules::ModuleId::Drevion, [](modules::ui::ModuleStart& start) {
            // "/START" names no drive: the drive of the module's own folder is selected.
            std::optional<char> drive = start.decision.drive;
            const std::string& folder = start.executableFolder;
            if (!drive && folder.size() > 1 && folder[1] == ':' &&
                std::isalpha(static_cast<unsigned char>(folder[0])))
                drive = static_cast<char>(std::toupper(static_cast<unsigned char>(folder[0])));
            QApplication::setOverrideCursor(Qt::WaitCursor);
            drevion::DriveOptions options(start.machine, start.decision.versionCode,
                                          lindrel32::registryObject(),
                                          lindrel32::functionsObject());
            drevion::ui::DrevionWindow window(start.machine, options, drive);
            window.show();
            QApplication::restoreOverrideCursor();
            return QApplication::exec();
        });
}
