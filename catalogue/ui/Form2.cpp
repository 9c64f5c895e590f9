#include "catalogue/ui/Form2.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "catalogue/SideBarData.h"
#include "catalogue/ui/ColorSwatch.h"
#include "catalogue/ui/Pictures.h"

namespace vantix::catalogue::ui {

Form2::Form2(CatalogueHost& host, Prompter& prompter, Choosers& choosers, Use use, QWidget* parent)
    : QDialog(parent), host_(host), prompter_(prompter), choosers_(choosers) {
    setObjectName("Form2");
    setWindowTitle(use == Use::New ? msg::kNewGroupTitle : msg::kEditGroupTitle);
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel("Group Properties", this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    layout->addWidget(heading);
    for (int i : {0, 1, 2, 4}) fields_[i] = new QLineEdit(this);
    fields_[0]->setReadOnly(true);
    fields_[0]->setFocusPolicy(Qt::NoFocus);
    fields_[0]->setAutoFillBackground(true);
    fields_[1]->setMaxLength(50);

    tabs_ = new QTabWidget(this);
    auto* properties = new QWidget(tabs_);
    auto* form = new QFormLayout(properties);
    form->addRow("Folder:", fields_[0]);
    form->addRow("Name:", fields_[1]);
    form->addRow("Description:", fields_[2]);
    sample_ = new QLabel("Sample color", properties);
    sample_->setObjectName("ColorSample");
    sample_->setCursor(Qt::PointingHandCursor);
    sample_->setFrameShape(QFrame::Panel);
    sample_->setFrameShadow(QFrame::Sunken);
    sample_->setMinimumHeight(24);
    sample_->setAutoFillBackground(true);
    sample_->installEventFilter(this);
    form->addRow("Text color:", sample_);
    auto* frame = new QGroupBox("Group is for:", properties);
    auto* frameLayout = new QVBoxLayout(frame);
    for (int kind = 0; kind < 4; ++kind) {
        kinds_[kind] = new QRadioButton(modeInfo(modeOfKind(kind))->caption, frame);
        frameLayout->addWidget(kinds_[kind]);
    }
    kinds_[0]->setChecked(true);
    if (use == Use::Edit) {
        // The kind is fixed at creation: shown, not applicable.
        for (QRadioButton* option : kinds_) option->setEnabled(false);
        auto* note = new QLabel("(fixed when the group was created)", frame);
        note->setEnabled(false);
        frameLayout->addWidget(note);
    }
    form->addRow(frame);
    tabs_->addTab(properties, "&Properties");

    auto* iconPage = new QWidget(tabs_);
    auto* iconLayout = new QFormLayout(iconPage);
    auto* iconRow = new QHBoxLayout;
    iconRow->addWidget(fields_[4], 1);
    selectIcon_ = new QPushButton("Select Icon", iconPage);
    iconRow->addWidget(selectIcon_);
    iconLayout->addRow("Icon file:", iconRow);
    preview_ = new QLabel(iconPage);
    preview_->setObjectName("IconPreview");
    preview_->setFixedSize(40, 40);
    preview_->setAlignment(Qt::AlignCenter);
    iconLayout->addRow("", preview_);
    tabs_->addTab(iconPage, "&Icon");
    layout->addWidget(tabs_);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttons_[1] = new QPushButton("&OK", this);
    buttons_[0] = new QPushButton("Cancel", this);
    buttons_[1]->setDefault(true);
    buttonRow->addWidget(buttons_[1]);
    buttonRow->addWidget(buttons_[0]);
    layout->addLayout(buttonRow);

    connect(buttons_[1], &QPushButton::clicked, this, &Form2::okClicked);
    connect(buttons_[0], &QPushButton::clicked, this, &QDialog::reject);
    connect(selectIcon_, &QPushButton::clicked, this, &Form2::selectIconClicked);
    connect(fields_[4], &QLineEdit::textChanged, this, &Form2::refreshPreview);
    setColor(0);
    setMinimumWidth(400);
    fields_[1]->setFocus();
}

void Form2::setFolder(const QString& name, std::int64_t backColor) {
    fields_[0]->setText(name);
    paintSwatch(*fields_[0], backColor, QPalette::Base);
    // The caption colour shows as it will in the sidebar: on the folder's colour.
    paintSwatch(*sample_, backColor, QPalette::Window);
}

void Form2::preset(const SideBarGroup& group) {
    fields_[1]->setText(QString::fromStdString(group.caption));
    fields_[2]->setText(group.info == kNoDescription ? QString()
                                                     : QString::fromStdString(group.info));
    fields_[4]->setText(QString::fromStdString(group.iconFile.empty() ? std::string(kDefaultIcon)
                                                                      : group.iconFile));
    kinds_[kindOfMode(group.mode)]->setChecked(true);
    setColor(group.color);
}

void Form2::setColor(std::int64_t color) {
    color_ = color;
    paintSwatch(*sample_, color, QPalette::WindowText);
}

bool Form2::eventFilter(QObject* watched, QEvent* event) {
    if (watched == sample_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (const auto chosen = choosers_.chooseColor(this)) setColor(*chosen);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void Form2::refreshPreview() {
    QPixmap picture;
    if (host_.fileExists(fields_[4]->text().toStdString()) &&
        LoadGroupIcon(picture, host_, fields_[4]->text().toStdString()))
        preview_->setPixmap(picture);
    else
        preview_->setPixmap(standardImage(kGroupImage, 32));
}

void Form2::selectIconClicked() {
    const QString current = fields_[4]->text();
    const QString start = host_.fileExists(current.toStdString()) ? current : QString();
    const QString chosen = choosers_.chooseIconFile(this, start);
    if (!chosen.isEmpty())
        fields_[4]->setText(QString::fromStdString(host_.storedPath(chosen.toStdString())));
}

void Form2::okClicked() {
    if (fields_[1]->text().trimmed().isEmpty()) {
        prompter_.message(MessageIcon::Information, msg::kInputErrorTitle, msg::kGroupNameMissing);
        return;
    }
    int kind = 0;
    for (int i = 0; i < 4; ++i) {
        if (kinds_[i]->isChecked()) {
            kind = i;
            break;
        }
    }
    result_ = GroupInput{fields_[1]->text().toStdString(), fields_[2]->text().toStdString(),
                         usableIconFile(host_, fields_[4]->text().toStdString()), kind, color_};
    accept();
}

}  // namespace vantix::catalogue::ui
