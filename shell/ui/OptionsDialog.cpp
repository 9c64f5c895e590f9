#include "shell/ui/OptionsDialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "shell/AccessPassword.h"
#include "shell/ShellState.h"
#include "shell/ui/Dialogs.h"
#include "shell/ui/MainWindow.h"
#include "shell/ui/OleColor.h"

namespace vantix::shell {
namespace {

void paintSwatch(QPushButton* swatch, std::int32_t colour) {
    swatch->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid black;")
                              .arg(toQColor(colour).name()));
    swatch->setProperty("oleColor", colour);
}

}  // namespace

OptionsDialog::OptionsDialog(ShellState& state, MainWindow& mainWindow)
    : QDialog(&mainWindow), state_(state), main_(mainWindow), tabs_(new QTabWidget(this)),
      ok_(new QPushButton(QStringLiteral("OK"), this)) {
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("Vantix Preferences"));
    setModal(true);
    tabs_->addTab(buildGeneralPane(), QStringLiteral("&General Options"));
    tabs_->addTab(buildSecurityPane(), QStringLiteral("&Security"));
    tabs_->widget(0)->setProperty("tabKey", QStringLiteral("ALLGEM"));
    tabs_->widget(1)->setProperty("tabKey", QStringLiteral("SICHER"));
    ok_->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(buttons);
    connect(ok_, &QPushButton::clicked, this, &OptionsDialog::onOk);
}

QWidget* OptionsDialog::buildGeneralPane() {
    auto* pane = new QWidget(this);
    SettingsRecord& s = state_.Settings;
    auto makeCheck = [&](int index, const char* caption, bool value, bool SettingsRecord::*field) {
        auto* box = new QCheckBox(QString::fromUtf8(caption), pane);
        box->setObjectName(QStringLiteral("Check%1").arg(index));
        box->setChecked(value);
        connect(box, &QCheckBox::toggled, this, [this, field](bool on) { state_.Settings.*field = on; });
        checks_[index] = box;
        return box;
    };

    auto* hidden = new QGroupBox(QStringLiteral("Hidden Functions"), pane);
    auto* hiddenLayout = new QVBoxLayout(hidden);
    hiddenLayout->addWidget(makeCheck(6, "Only display Active &Help on right-click", s.OnlyRightMaus,
                                      &SettingsRecord::OnlyRightMaus));
    hiddenLayout->addWidget(makeCheck(5, "&Expand hidden functions tree at startup", s.ViewHiddenStruktur,
                                      &SettingsRecord::ViewHiddenStruktur));
    hiddenLayout->addWidget(makeCheck(7, "Double-&click for function editing", s.OnlyDubbleClick,
                                      &SettingsRecord::OnlyDubbleClick));

    auto* window = new QGroupBox(QStringLiteral("Vantix Window"), pane);
    auto* windowLayout = new QVBoxLayout(window);
    windowLayout->addWidget(makeCheck(3, "Show Vantix &logo at program startup", s.ViewLogo, &SettingsRecord::ViewLogo));
    windowLayout->addWidget(makeCheck(4, "Save window size and &position on exit", s.SaveLastWinPos,
                                      &SettingsRecord::SaveLastWinPos));
    windowLayout->addWidget(makeCheck(2, "S&ound effects", s.Sound, &SettingsRecord::Sound));
    windowLayout->addWidget(makeCheck(1, "&DropDown effect", s.DropDown_Ani, &SettingsRecord::DropDown_Ani));

    auto* sideBar = new QGroupBox(QStringLiteral("SideBar"), pane);
    auto* sideBarLayout = new QGridLayout(sideBar);
    const char* labels[] = {"Default background:", "Folder name bar:", "Folder name text:"};
    const ViewSettings view = main_.currentViewSettings();
    const std::int32_t colours[] = {s.SideBarBackColor, view.CaptionBackColor, view.CaptionForeColor};
    for (int i = 0; i < 3; ++i) {
        auto* swatch = new QPushButton(sideBar);
        swatch->setObjectName(QStringLiteral("Swatch%1").arg(i));
        swatch->setFixedSize(36, 18);
        paintSwatch(swatch, colours[i]);
        swatches_[i] = swatch;
        sideBarLayout->addWidget(new QLabel(QString::fromLatin1(labels[i]), sideBar), i, 0);
        sideBarLayout->addWidget(swatch, i, 1);
        connect(swatch, &QPushButton::clicked, this, [this, i] { chooseSwatchColour(i); });
    }
    auto* backPic = makeCheck(0, "&Background pattern", s.SetBackPic, &SettingsRecord::SetBackPic);
    connect(backPic, &QCheckBox::toggled, this, [this](bool on) { main_.showBackgroundPicture(on); });
    sideBarLayout->addWidget(backPic, 3, 0, 1, 2);

    auto* toolbar = new QGroupBox(QStringLiteral("Toolbar Buttons"), pane);
    auto* toolbarLayout = new QVBoxLayout(toolbar);
    option3_ = new QRadioButton(QStringLiteral("A&ctive buttons"), toolbar);
    option4_ = new QRadioButton(QStringLiteral("&Win95 style"), toolbar);
    option3_->setObjectName(QStringLiteral("Option3"));
    option4_->setObjectName(QStringLiteral("Option4"));
    (s.ButtonStyle == kButtonStyleFlat ? option4_ : option3_)->setChecked(true);
    toolbarLayout->addWidget(option3_);
    toolbarLayout->addWidget(option4_);
    connect(option3_, &QRadioButton::toggled, this, [this](bool on) {
        if (!on) return;
        state_.Settings.ButtonStyle = kButtonStyleActive;
        main_.ApplyButtonStyle(kButtonStyleActive);
    });
    connect(option4_, &QRadioButton::toggled, this, [this](bool on) {
        if (!on) return;
        state_.Settings.ButtonStyle = kButtonStyleFlat;
        main_.ApplyButtonStyle(kButtonStyleFlat);
    });

    auto* grid = new QGridLayout(pane);
    grid->addWidget(hidden, 0, 0);
    grid->addWidget(window, 1, 0);
    grid->addWidget(sideBar, 0, 1);
    grid->addWidget(toolbar, 1, 1);
    return pane;
}

QWidget* OptionsDialog::buildSecurityPane() {
    auto* pane = new QWidget(this);
    sicherheit_ = new QCheckBox(QStringLiteral("&Prompt before deleting objects"), pane);
    sicherheit_->setChecked(state_.Settings.Sicherheit);
    connect(sicherheit_, &QCheckBox::toggled, this, [this](bool on) { state_.Settings.Sicherheit = on; });

    auto* frame = new QGroupBox(QStringLiteral("Vantix 98 Password"), pane);
    passwordBox_ = new QCheckBox(QStringLiteral("&Prompt for password when starting program"), frame);
    auto* form = new QFormLayout;
    for (int i = 0; i < 2; ++i) {
        entries_[i] = new QLineEdit(frame);
        entries_[i]->setObjectName(QStringLiteral("Entry%1").arg(i));
        entries_[i]->setEchoMode(QLineEdit::Password);
        entries_[i]->setMaxLength(32);
    }
    form->addRow(QStringLiteral("Password:"), entries_[0]);
    form->addRow(QStringLiteral("Confirm password:"), entries_[1]);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(passwordBox_);
    frameLayout->addLayout(form);
    frameLayout->addWidget(new QLabel(QStringLiteral("Password must be between 3 and 10 characters long."), frame));

    const std::string password = unscrambledPassword(state_.StoredPassword);
    for (QLineEdit* entry : entries_) entry->setText(QString::fromStdString(password));
    passwordBox_->setChecked(!password.empty());
    setPasswordControls(!password.empty());
    connect(passwordBox_, &QCheckBox::toggled, this, [this](bool on) {
        setPasswordControls(on);
        if (on) entries_[0]->setFocus();
    });

    auto* layout = new QVBoxLayout(pane);
    layout->addWidget(sicherheit_);
    layout->addWidget(frame);
    layout->addStretch(1);
    return pane;
}

void OptionsDialog::setPasswordControls(bool on) {
    // The logo always shows while a password is asked, so its switch has no say then.
    checks_[3]->setEnabled(!on);
    for (QLineEdit* entry : entries_) entry->setEnabled(on);
}

void OptionsDialog::chooseSwatchColour(int index) {
    // pickColor has no cancel sentinel, so every colour (9 included) can be chosen.
    auto colour = Dialogs::pickColor(this);
    if (!colour) return;
    paintSwatch(swatches_[index], *colour);
    const ViewSettings view = main_.currentViewSettings();
    if (index == 0) state_.Settings.SideBarBackColor = *colour;
    else if (index == 1) main_.setCaptionColors(*colour, view.CaptionForeColor);
    else main_.setCaptionColors(view.CaptionBackColor, *colour);
}

void OptionsDialog::onOk() {
    if (passwordBox_->isChecked()) {
        const std::string entry = entries_[0]->text().toStdString();
        PasswordEntryCheck check = checkPasswordEntry(entry, entries_[1]->text().toStdString());
        if (check != PasswordEntryCheck::Valid) {
            Dialogs::message(this, Dialogs::Icon::Exclamation, QStringLiteral("Error!"),
                             QString::fromStdString(passwordEntryError(check)));
            return;
        }
        std::string stored = storePassword(state_.reg(), entry);
        // The shell's copy follows the registry, so reopening the dialog shows the new password.
        if (!stored.empty()) state_.StoredPassword = stored;
    } else {
        clearPassword(state_.reg());
        state_.StoredPassword = kNoKey;
    }
    accept();
}

}  // namespace vantix::shell
