#include "catalogue/ui/Form3.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "catalogue/Messages.h"
#include "catalogue/ui/ColorSwatch.h"

namespace vantix::catalogue::ui {

Form3::Form3(Prompter& prompter, Choosers& choosers, const QString& title, QWidget* parent)
    : QDialog(parent),
      prompter_(prompter),
      choosers_(choosers),
      name_(new QLineEdit(this)),
      colorField_(new QPushButton(this)) {
    setObjectName("Form3");
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel("Set folder properties", this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    layout->addWidget(heading);
    auto* form = new QFormLayout;
    name_->setObjectName("FolderName");
    name_->setMaxLength(50);
    form->addRow("Folder Name:", name_);
    layout->addLayout(form);

    auto* frame = new QGroupBox("Settings", this);
    auto* frameLayout = new QVBoxLayout(frame);
    checks_[0] = new QCheckBox("&Group names in bold type", frame);
    checks_[1] = new QCheckBox("&Small group icons", frame);
    for (QCheckBox* box : checks_) frameLayout->addWidget(box);
    layout->addWidget(frame);

    auto* colorRow = new QFormLayout;
    colorField_->setObjectName("FolderColor");
    colorField_->setFlat(true);
    colorField_->setAutoFillBackground(true);
    colorField_->setMinimumSize(80, 22);
    colorField_->setCursor(Qt::PointingHandCursor);
    colorRow->addRow("Folder background color:", colorField_);
    layout->addLayout(colorRow);
    setColor(color_);
    setMinimumWidth(360);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttons_[1] = new QPushButton("&OK", this);
    buttons_[0] = new QPushButton("&Cancel", this);
    buttons_[1]->setDefault(true);
    buttonRow->addWidget(buttons_[1]);
    buttonRow->addWidget(buttons_[0]);
    layout->addLayout(buttonRow);

    connect(buttons_[1], &QPushButton::clicked, this, &Form3::okClicked);
    connect(buttons_[0], &QPushButton::clicked, this, &QDialog::reject);
    connect(colorField_, &QPushButton::clicked, this, [this] {
        if (const auto chosen = choosers_.chooseColor(this)) setColor(*chosen);
    });
}

void Form3::preset(const FolderInput& input) {
    name_->setText(QString::fromStdString(input.name));
    checks_[0]->setChecked(input.boldNames);
    checks_[1]->setChecked(input.smallIcons);
    setColor(input.backColor);
}

void Form3::setColor(std::int64_t color) {
    color_ = color;
    paintSwatch(*colorField_, color, QPalette::Button);
}

void Form3::okClicked() {
    if (name_->text().trimmed().isEmpty()) {
        prompter_.message(MessageIcon::Information, msg::kErrorTitle, msg::kFolderNameMissing);
        return;
    }
    result_ = FolderInput{name_->text().toStdString(), color_, checks_[0]->isChecked(),
                          checks_[1]->isChecked()};
    accept();
}

}  // namespace vantix::catalogue::ui
