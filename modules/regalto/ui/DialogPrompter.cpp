#include "modules/regalto/ui/DialogPrompter.h"

#include <QFileDialog>
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
    QMessageBox box(QMessageBox::Question, QString::fromStdString(caption),
                    QString::fromStdString(text), QMessageBox::Yes | QMessageBox::No, parent_);
    return box.exec() == QMessageBox::Yes;
}

void DialogPrompter::inform(const std::string& text) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Registry"),
                    QString::fromStdString(text), QMessageBox::Ok, parent_);
    box.exec();
}

std::optional<FindOptions> DialogPrompter::askFind(const FindOptions& last) {
    FindDialog dialog(last, parent_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.options();
}

namespace {
std::optional<std::string> chooseFile(QWidget* parent, const QString& caption,
                                      QFileDialog::AcceptMode mode, const QString& suggested) {
    QFileDialog dialog(parent, caption, QString(),
                       QStringLiteral("Registration files (*.reg);;All files (*)"));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                       : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("reg"));
    if (!suggested.isEmpty()) dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}
}  // namespace

std::optional<std::string> DialogPrompter::chooseExportFile(const std::string& suggestedName) {
    return chooseFile(parent_, QStringLiteral("Export registry key"), QFileDialog::AcceptSave,
                      QString::fromStdString(suggestedName));
}

std::optional<std::string> DialogPrompter::chooseImportFile() {
    return chooseFile(parent_, QStringLiteral("Import registration file"), QFileDialog::AcceptOpen,
                      QString());
}

void DialogPrompter::warn(const std::string& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Registry"), QString::fromStdString(text),
                    QMessageBox::Ok, parent_);
    box.exec();
}

}  // namespace vantix::regalto::ui
