#include "shell/ui/CatalogueAdapters.h"

#include "shell/ui/Dialogs.h"

namespace vantix::shell {

void DialogPrompter::message(catalogue::MessageIcon icon, const std::string& title, const std::string& text) {
    Dialogs::message(owner_,
                     icon == catalogue::MessageIcon::Exclamation ? Dialogs::Icon::Exclamation
                                                                 : Dialogs::Icon::Information,
                     QString::fromStdString(title), QString::fromStdString(text));
}

bool DialogPrompter::askYesNo(const std::string& title, const std::string& text) {
    return Dialogs::askYesNo(owner_, QString::fromStdString(title), QString::fromStdString(text));
}

QString DialogChoosers::chooseFile(QWidget* owner, const QString& title, const QString& startFolder) {
    return Dialogs::chooseFile(owner, startFolder, title);
}

QString DialogChoosers::chooseIconFile(QWidget* owner, const QString& currentFile) {
    return Dialogs::chooseIconFile(owner, currentFile);
}


std::optional<std::int32_t> DialogChoosers::chooseColor(QWidget* owner) { return Dialogs::pickColor(owner); }

}  // namespace vantix::shell
