#include "modules/traskel/ui/ModuleDialog.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantix::traskel::ui {

ModuleDialog::ModuleDialog(std::vector<ModuleChoice> modules, QWidget* parent)
    : QDialog(parent), modules_(std::move(modules)), list_(new QListWidget(this)) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral(" Taskbar"));
    list_->setObjectName(QStringLiteral("ModuleList"));
    for (const ModuleChoice& module : modules_) list_->addItem(QString::fromStdString(module.name));
    if (list_->count() > 0) list_->setCurrentRow(0);
    auto* add = new QPushButton(QStringLiteral("&Add"), this);
    add->setObjectName(QStringLiteral("AddButton"));
    add->setDefault(true);
    add->setEnabled(list_->count() > 0);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    connect(add, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(add);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(buttons);
    resize(300, 240);
}

std::optional<ModuleChoice> ModuleDialog::choice() const {
    const int row = list_->currentRow();
    if (result() != QDialog::Accepted || row < 0 || row >= static_cast<int>(modules_.size()))
        return std::nullopt;
    return modules_[static_cast<std::size_t>(row)];
}

}  // namespace vantix::traskel::ui
