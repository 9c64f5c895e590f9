#include "catalogue/ui/Form4.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "catalogue/FileNames.h"
#include "catalogue/Messages.h"
#include "catalogue/Utilities.h"
#include "catalogue/ui/Pictures.h"

namespace vantix::catalogue::ui {

Form4::Form4(CatalogueHost& host, Prompter& prompter, Choosers& choosers, QWidget* parent)
    : QDialog(parent), host_(host), prompter_(prompter), choosers_(choosers) {
    setObjectName("Form4");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(msg::kToolHeading, this));
    for (auto*& f : fields_) f = new QLineEdit(this);

    auto* form = new QFormLayout;
    form->addRow("Name:", fields_[0]);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(fields_[1], 1);
    selectFile_ = new QPushButton("Select File", this);
    fileRow->addWidget(selectFile_);
    form->addRow("File:", fileRow);
    form->addRow("Parameters:", fields_[2]);
    layout->addLayout(form);

    auto* tabs = new QTabWidget(this);
    auto* workPane = new QWidget(tabs);
    (new QVBoxLayout(workPane))->addWidget(fields_[3]);
    tabs->addTab(workPane, "&Working Directory");
    auto* iconPane = new QWidget(tabs);
    auto* iconRow = new QHBoxLayout(iconPane);
    iconRow->addWidget(fields_[4], 1);
    iconButton_ = new QPushButton("...", iconPane);
    iconRow->addWidget(iconButton_);
    preview_ = new QLabel(iconPane);
    preview_->setFixedSize(36, 36);
    iconRow->addWidget(preview_);
    tabs->addTab(iconPane, "&Change Icon");
    layout->addWidget(tabs);

    auto* frame = new QGroupBox("Window Type", this);
    auto* frameRow = new QHBoxLayout(frame);
    const char* captions[] = {"&Normal", "M&inimized", "Ma&ximized"};
    for (int i = 0; i < 3; ++i) frameRow->addWidget(options_[i] = new QRadioButton(captions[i], frame));
    options_[0]->setChecked(true);
    layout->addWidget(frame);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttons_[1] = new QPushButton("&OK", this);
    buttons_[0] = new QPushButton("&Cancel", this);
    buttons_[1]->setDefault(true);
    buttonRow->addWidget(buttons_[1]);
    buttonRow->addWidget(buttons_[0]);
    layout->addLayout(buttonRow);

    connect(buttons_[1], &QPushButton::clicked, this, &Form4::okClicked);
    connect(buttons_[0], &QPushButton::clicked, this, &QDialog::reject);
    connect(selectFile_, &QPushButton::clicked, this, &Form4::selectFileClicked);
    connect(iconButton_, &QPushButton::clicked, this, &Form4::iconButtonClicked);
    connect(fields_[4], &QLineEdit::textChanged, this, &Form4::refreshPreview);
}

void Form4::presetForEdit(const ToolInput& input) {
    fields_[0]->setText(QString::fromStdString(input.name));
    fields_[1]->setText(QString::fromStdString(input.file));
    fields_[2]->setText(QString::fromStdString(input.parameters));
    fields_[3]->setText(QString::fromStdString(input.workDir));
    fields_[4]->setText(QString::fromStdString(input.iconFile));
    options_[std::clamp(input.windowOption, 0, 2)]->setChecked(true);
    // A tool's file cannot change.
    fields_[1]->setEnabled(false);
    selectFile_->setEnabled(false);
}

ToolInput Form4::input() const {
    ToolInput input;
    input.name = fields_[0]->text().toStdString();
    input.file = fields_[1]->text().toStdString();
    input.parameters = fields_[2]->text().toStdString();
    input.workDir = fields_[3]->text().toStdString();
    input.iconFile = fields_[4]->text().toStdString();
    for (int i = 0; i < 3; ++i)
        if (options_[i]->isChecked()) input.windowOption = i;
    return input;
}

void Form4::okClicked() {
    if (const auto message = validateTool(host_, input())) {
        prompter_.message(MessageIcon::Information, msg::kErrorTitle, *message);
        return;
    }
    accept();
}

void Form4::selectFileClicked() {
    const QString chosen = choosers_.chooseFile(this, msg::kSelectFileTitle,
                                                QString::fromStdString(folderOf(fields_[1]->text().toStdString())));
    if (chosen.isEmpty()) return;
    const std::string file = host_.storedPath(chosen.toStdString());
    if (!host_.fileExecutable(file)) return;
    fields_[1]->setText(QString::fromStdString(file));
    fields_[4]->setText(QString::fromStdString(file));
    if (fields_[0]->text().isEmpty()) fields_[0]->setText(QString::fromStdString(fileTitle(file, false)));
}

void Form4::iconButtonClicked() {
    const QString chosen = choosers_.chooseIconFile(this, fields_[4]->text());
    if (!chosen.isEmpty()) fields_[4]->setText(QString::fromStdString(host_.storedPath(chosen.toStdString())));
}

void Form4::refreshPreview() {
    const std::string file = fields_[4]->text().toStdString();
    if (!host_.fileExists(file)) {
        preview_->clear();
        return;
    }
    QPixmap picture;
    if (!LoadGroupIcon(picture, host_, file)) picture = standardImage(standardImageFor(file), 32);
    preview_->setPixmap(picture);
}

}  // namespace vantix::catalogue::ui
