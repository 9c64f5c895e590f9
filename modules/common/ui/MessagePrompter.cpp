#include "modules/common/ui/MessagePrompter.h"

#include <QMessageBox>

namespace vantix::modules::ui {

namespace {
// Messages separate their lines with carriage returns; Qt breaks at line feeds.
QString shown(const std::string& text) {
    return QString::fromStdString(text).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}
}  // namespace

void MessagePrompter::inform(const std::string& text, const std::string& caption) {
    QMessageBox box(QMessageBox::Information, QString::fromStdString(caption), shown(text),
                    QMessageBox::Ok, parent_);
    box.exec();
}

bool MessagePrompter::confirm(const std::string& text, const std::string& caption) {
    QMessageBox box(QMessageBox::Question, QString::fromStdString(caption), shown(text),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace vantix::modules::ui
