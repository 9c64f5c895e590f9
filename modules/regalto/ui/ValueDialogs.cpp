#include "modules/regalto/ui/ValueDialogs.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QVBoxLayout>

namespace vantix::regalto::ui {
namespace {

// "&OK"/"&Insert" accepts, "&Cancel" rejects.
QDialogButtonBox* buttons(QDialog* dialog, const QString& acceptText) {
    auto* box = new QDialogButtonBox(dialog);
    box->addButton(acceptText, QDialogButtonBox::AcceptRole)->setDefault(true);
    box->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    QObject::connect(box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return box;
}

}  // namespace

KeyNameDialog::KeyNameDialog(QWidget* parent) : QDialog(parent), name_(new QLineEdit(this)) {
    setWindowTitle(QStringLiteral("Insert new key"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Key name:"), this));
    layout->addWidget(name_);
    layout->addWidget(buttons(this, QStringLiteral("&Insert")));
}

std::string KeyNameDialog::result() const {
    return QDialog::result() == Accepted ? acceptedName(name_->text().toStdString())
                                         : std::string();
}

NewValueDialog::NewValueDialog(QWidget* parent)
    : QDialog(parent),
      name_(new QLineEdit(this)),
      string_(new QRadioButton(QStringLiteral("String"), this)),
      binary_(new QRadioButton(QStringLiteral("Binary value"), this)),
      dword_(new QRadioButton(QStringLiteral("DWord"), this)) {
    setWindowTitle(QStringLiteral("Insert new value"));
    string_->setChecked(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Value name:"), this));
    layout->addWidget(name_);
    layout->addWidget(string_);
    layout->addWidget(binary_);
    layout->addWidget(dword_);
    layout->addWidget(buttons(this, QStringLiteral("&Insert")));
}

void NewValueDialog::setKind(NewValueKind kind) {
    binary_->setChecked(kind == NewValueKind::Binary);
    dword_->setChecked(kind == NewValueKind::Dword);
    string_->setChecked(kind != NewValueKind::Binary && kind != NewValueKind::Dword);
}

NewValueRequest NewValueDialog::request() const {
    NewValueRequest request;
    if (QDialog::result() != Accepted) return request;
    request.name = acceptedName(name_->text().toStdString());
    if (request.name.empty()) return request;
    request.kind = dword_->isChecked()    ? NewValueKind::Dword
                   : binary_->isChecked() ? NewValueKind::Binary
                                          : NewValueKind::String;
    return request;
}

DwordDialog::DwordDialog(const QString& valueName, const std::string& decimal, QWidget* parent)
    : QDialog(parent), editor_(decimal), tabs_(new QTabBar(this)), value_(new QLineEdit(this)) {
    setWindowTitle(QStringLiteral("Edit DWORD value"));
    tabs_->addTab(QStringLiteral("Decimal"));
    tabs_->setTabData(0, QStringLiteral("DEZ"));
    tabs_->addTab(QStringLiteral("Hex"));
    tabs_->setTabData(1, QStringLiteral("HEX"));
    value_->setText(QString::fromStdString(editor_.text()));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(valueName, this));
    layout->addWidget(tabs_);
    layout->addWidget(new QLabel(QStringLiteral("Value:"), this));
    layout->addWidget(value_);
    layout->addWidget(buttons(this, QStringLiteral("&OK")));
    value_
        ->setFocus();  // the tab strip comes first in the layout but the number is what gets typed
    value_->selectAll();
    connect(value_, &QLineEdit::textEdited, this, &DwordDialog::onEdited);
    connect(tabs_, &QTabBar::currentChanged, this, &DwordDialog::onTab);
}

void DwordDialog::onEdited(const QString& text) {
    const QString shown = QString::fromStdString(editor_.edit(text.toStdString()));
    if (shown != text) value_->setText(shown);
}

void DwordDialog::onTab(int index) {
    const bool hex = tabs_->tabData(index).toString() == QStringLiteral("HEX");
    editor_.switchTo(hex ? DwordEditor::Tab::Hex : DwordEditor::Tab::Decimal);
    value_->setText(QString::fromStdString(editor_.text()));
}

std::string DwordDialog::result() const {
    return QDialog::result() == Accepted ? editor_.result() : std::string();
}

TextValueDialog::TextValueDialog(const QString& caption, const QString& valueName,
                                 const QString& text, QWidget* parent)
    : QDialog(parent), value_(new QLineEdit(text, this)) {
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(valueName, this));
    layout->addWidget(value_);
    layout->addWidget(buttons(this, QStringLiteral("&OK")));
    value_->setFocus();
    value_->selectAll();
}

std::string TextValueDialog::result() const {
    return QDialog::result() == Accepted ? value_->text().toStdString() : std::string(kCancelled);
}

}  // namespace vantix::regalto::ui
