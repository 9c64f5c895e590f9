#include "modules/regalto/ui/DialogPrompter.h"

#include <QMessageBox>

#include "modules/regalto/ui/FindDialog.h"
#include "modules/regalto/ui/ValueDialogs.h"

namespace vantix::regalto::ui {

std::string DialogPrompter::askKeyName() {
    KeyNameDialog dialog(parent_);
    dialog.exec();
    return dialog.result();
}

NewValueRequest DialogPrompter::askNewValue() {
    NewValueDialog dialog(parent_);
    dialog.exec();
    return dialog.request();
}

std::string DialogPrompter::editDword(const std::string& valueName, const std::string& decimal) {
    DwordDialog dialog(QString::fromStdString(valueName), decimal, parent_);
    dialog.exec();
    return dialog.result();
}

std::string DialogPrompter::editText(const std::string& caption, const std::string& valueName,
                                     const std::string& text) {
    TextValueDialog dialog(QString::fromStdString(caption), QString::fromStdString(valueName),
                           QString::fromStdString(text), parent_);
    dialog.exec();
    return dialog.result();
}

bool DialogPrompter::confirm(const std::string& text, const std::string& caption) {
    QMessageBox box(QMessageBox::Question, QString::fromStdString(caption), QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    return box.exec() == QMessageBox::Yes;
}

void DialogPrompter::inform(const std::string& text) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Registry"), QString::fromStdString(text),
                    QMessageBox::Ok, parent_);
    box.exec();
}

std::optional<FindOptions> DialogPrompter::askFind(const FindOptions& last) {
    FindDialog dialog(last, parent_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.options();
}

}  // namespace vantix::regalto::ui
