#include "modules/regalto/ui/FindDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantix::regalto::ui {

FindDialog::FindDialog(const FindOptions& last, QWidget* parent)
    : QDialog(parent),
      text_(new QLineEdit(QString::fromStdString(last.text), this)),
      keys_(new QCheckBox(QStringLiteral("&Keys"), this)),
      names_(new QCheckBox(QStringLiteral("&Values"), this)),
      data_(new QCheckBox(QStringLiteral("&Data"), this)) {
    setWindowTitle(QStringLiteral("Find"));
    keys_->setChecked(last.keys);
    names_->setChecked(last.valueNames);
    data_->setChecked(last.data);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Find what:"), this));
    layout->addWidget(text_);
    layout->addWidget(keys_);
    layout->addWidget(names_);
    layout->addWidget(data_);
    auto* box = new QDialogButtonBox(this);
    auto* findButton = box->addButton(QStringLiteral("&Find Next"), QDialogButtonBox::AcceptRole);
    findButton->setDefault(true);
    box->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(box);
    const auto update = [this, findButton] {
        findButton->setEnabled(!text_->text().isEmpty() &&
                               (keys_->isChecked() || names_->isChecked() || data_->isChecked()));
    };
    connect(text_, &QLineEdit::textChanged, this, update);
    for (auto* check : {keys_, names_, data_}) connect(check, &QCheckBox::toggled, this, update);
    update();
}

FindOptions FindDialog::options() const {
    return {text_->text().toStdString(), keys_->isChecked(), names_->isChecked(),
            data_->isChecked()};
}

}  // namespace vantix::regalto::ui
