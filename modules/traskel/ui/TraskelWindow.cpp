#include "modules/traskel/ui/TraskelWindow.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include "modules/traskel/ui/ModuleDialog.h"
#include "modules/traskel/ui/TrayPictures.h"
#include "shell/ui/Dialogs.h"

namespace vantix::traskel::ui {
namespace {

QPushButton* makeButton(const QString& text, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

TraskelWindow::TraskelWindow(TraskelEditor& editor, lindrel32::IQVFKT& functions, QWidget* parent)
    : QWidget(parent), editor_(editor), functions_(functions), background_(pictureBoxBackground()) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral(" Taskbar Module"));
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("TabStrip"));
    tabs_->addTab(buildListTab(), QStringLiteral("&Icons"));
    tabs_->addTab(buildSetupTab(), QStringLiteral("&Properties"));

    ok_ = makeButton(QStringLiteral("&OK"), QStringLiteral("OkButton"), this);
    cancel_ = makeButton(QStringLiteral("&Cancel"), QStringLiteral("CancelButton"), this);
    apply_ = makeButton(QStringLiteral("&Apply"), QStringLiteral("ApplyButton"), this);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, [this] {
        if (editor_.pending()) apply();
        close();
    });
    connect(cancel_, &QPushButton::clicked, this, &QWidget::close);
    connect(apply_, &QPushButton::clicked, this, &TraskelWindow::apply);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    buttons->addWidget(apply_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(buttons);

    // Checked without running the switch's handler: the tray already runs.
    if (editor_.trayRunning()) {
        const QSignalBlocker blocker(taskbar_);
        taskbar_->setChecked(true);
    }
    fillList(0);
    resize(460, 380);
}

QWidget* TraskelWindow::buildListTab() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("LISTE"));
    list_ = new QListWidget(page);
    list_->setObjectName(QStringLiteral("IconList"));
    list_->setIconSize(QSize(32, 32));
    newProgram_ =
        makeButton(QStringLiteral("&New Program"), QStringLiteral("NewProgramButton"), page);
    spacer_ = makeButton(QStringLiteral("Sp&acer"), QStringLiteral("SpacerButton"), page);
    delete_ = makeButton(QStringLiteral("&Delete Item"), QStringLiteral("DeleteButton"), page);
    addModule_ = makeButton(QStringLiteral("&Add Module"), QStringLiteral("AddModuleButton"), page);
    up_ = makeButton(QString(QChar(0x25B2)), QStringLiteral("UpButton"), page);
    down_ = makeButton(QString(QChar(0x25BC)), QStringLiteral("DownButton"), page);
    up_->setFixedWidth(32);
    down_->setFixedWidth(32);
    taskbar_ = new QCheckBox(QStringLiteral("&Taskbar active"), page);
    taskbar_->setObjectName(QStringLiteral("TaskbarActive"));

    connect(newProgram_, &QPushButton::clicked, this, &TraskelWindow::newProgram);
    connect(spacer_, &QPushButton::clicked, this, &TraskelWindow::addSpacer);
    connect(addModule_, &QPushButton::clicked, this, &TraskelWindow::addModule);
    connect(delete_, &QPushButton::clicked, this, &TraskelWindow::deleteItem);
    connect(up_, &QPushButton::clicked, this, [this] { move(true); });
    connect(down_, &QPushButton::clicked, this, [this] { move(false); });
    connect(taskbar_, &QCheckBox::toggled, this, [this](bool on) { editor_.setTaskbarActive(on); });
    connect(list_, &QListWidget::currentRowChanged, this, [this] {
        showProperties();
        updateState();
    });

    auto* arrows = new QVBoxLayout;
    arrows->addStretch();
    arrows->addWidget(up_);
    arrows->addWidget(down_);
    arrows->addStretch();
    auto* side = new QVBoxLayout;
    for (QPushButton* button : {newProgram_, spacer_, delete_, addModule_}) side->addWidget(button);
    side->addStretch();
    side->addWidget(taskbar_);
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(arrows);
    layout->addWidget(list_, 1);
    layout->addLayout(side);
    return page;
}

QWidget* TraskelWindow::buildSetupTab() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("SETUP"));
    name_ = new QLineEdit(page);
    name_->setObjectName(QStringLiteral("NameBox"));
    param_ = new QLineEdit(page);
    param_->setObjectName(QStringLiteral("ParamBox"));
    workPath_ = new QLineEdit(page);
    workPath_->setObjectName(QStringLiteral("WorkPathBox"));
    window_ = new QLineEdit(page);
    window_->setObjectName(QStringLiteral("WindowBox"));
    icon_ = new QLabel(page);
    icon_->setObjectName(QStringLiteral("IconPicture"));
    icon_->setFixedSize(36, 36);
    icon_->setFrameShape(QFrame::Panel);
    icon_->setFrameShadow(QFrame::Sunken);
    icon_->setAlignment(Qt::AlignCenter);
    icon_->setToolTip(QStringLiteral("Always use 16x16 format icons if possible! "));
    icon_->setCursor(Qt::PointingHandCursor);
    icon_->installEventFilter(this);
    normal_ = new QRadioButton(QStringLiteral("&Normal"), page);
    minimized_ = new QRadioButton(QStringLiteral("M&inimized"), page);
    maximized_ = new QRadioButton(QStringLiteral("Ma&ximized"), page);
    states_ = new QButtonGroup(page);
    states_->addButton(normal_, 1);
    states_->addButton(minimized_, 2);
    states_->addButton(maximized_, 3);

    connect(name_, &QLineEdit::textEdited, this, [this](const QString& text) {
        editor_.setName(current(), text.toStdString());
        if (QListWidgetItem* item = list_->currentItem())
            item->setText(itemText(editor_.entries()[current()]));
        updateState();
    });
    connect(param_, &QLineEdit::textEdited, this, [this](const QString& text) {
        editor_.setParam(current(), text.toStdString());
        updateState();
    });
    connect(workPath_, &QLineEdit::textEdited, this, [this](const QString& text) {
        editor_.setWorkPath(current(), text.toStdString());
        updateState();
    });
    connect(window_, &QLineEdit::textEdited, this, [this](const QString& text) {
        editor_.setWindow(current(), text.toStdString());
        updateState();
    });
    connect(states_, &QButtonGroup::idClicked, this, [this](int id) {
        editor_.setStart(current(), static_cast<std::int16_t>(id));
        updateState();
    });

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Name:"), name_);
    form->addRow(QStringLiteral("Program Parameters:"), param_);
    form->addRow(QStringLiteral("Working directory:"), workPath_);
    form->addRow(QStringLiteral("Window caption:"), window_);
    form->addRow(QStringLiteral("Icon:"), icon_);
    auto* options = new QHBoxLayout;
    options->addWidget(normal_);
    options->addWidget(minimized_);
    options->addWidget(maximized_);
    options->addStretch();
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(form);
    layout->addLayout(options);
    layout->addStretch();
    return page;
}

QString TraskelWindow::itemText(const TrayEntry& entry) const {
    return entry.spacer ? QStringLiteral(" Spacer") : QStringLiteral(" ") + qs(entry.name);
}

void TraskelWindow::fillList(int select) {
    const QSignalBlocker blocker(list_);
    list_->clear();
    for (const TrayEntry& entry : editor_.entries()) {
        auto* item = new QListWidgetItem(itemText(entry), list_);
        item->setData(Qt::UserRole, QStringLiteral("ID%1").arg(++nextRecord_));
        item->setIcon(QIcon(entryPicture(entry, entry.iconFile, functions_, background_)));
    }
    if (list_->count() > 0) list_->setCurrentRow(std::clamp(select, 0, list_->count() - 1));
    showProperties();
    updateState();
}

int TraskelWindow::current() const {
    return list_->currentRow();
}

void TraskelWindow::showProperties() {
    const int index = current();
    const bool valid = index >= 0 && index < static_cast<int>(editor_.entries().size());
    const TrayEntry entry =
        valid ? editor_.entries()[static_cast<std::size_t>(index)] : TrayEntry::makeSpacer();
    const bool editable = valid && !entry.spacer;
    const bool program = editable && !entry.isModule();
    for (QLineEdit* box : {name_, param_, workPath_, window_}) box->setEnabled(editable);
    // A module entry starts its module with "/START": only its name is the user's.
    param_->setEnabled(program);
    workPath_->setEnabled(program);
    window_->setEnabled(program);
    icon_->setEnabled(program);
    for (QRadioButton* option : {normal_, minimized_, maximized_}) option->setEnabled(editable);
    name_->setText(qs(entry.name));
    param_->setText(qs(entry.param));
    workPath_->setText(qs(entry.workPath));
    window_->setText(qs(entry.window));
    icon_->setPixmap(editable ? entryPicture(entry, entry.iconFile, functions_, background_)
                              : QPixmap());
    // No option is checked for a spacer or an empty list.
    states_->setExclusive(false);
    for (QRadioButton* option : {normal_, minimized_, maximized_}) option->setChecked(false);
    states_->setExclusive(true);
    if (editable)
        (entry.start == 2 ? minimized_ : entry.start == 3 ? maximized_ : normal_)->setChecked(true);
}

void TraskelWindow::updateState() {
    const bool canAdd = editor_.canAdd();
    newProgram_->setEnabled(canAdd);
    spacer_->setEnabled(canAdd);
    addModule_->setEnabled(canAdd);
    const int index = current();
    delete_->setEnabled(index >= 0);
    up_->setEnabled(index > 0);
    down_->setEnabled(index >= 0 && index + 1 < list_->count());
    apply_->setEnabled(editor_.pending());
}

void TraskelWindow::changed(int select) {
    fillList(select);
}

void TraskelWindow::newProgram() {
    const QString file = shell::Dialogs::chooseFile(this, QString(), QStringLiteral("Select File"));
    if (editor_.addProgram(file.toStdString()))
        changed(static_cast<int>(editor_.entries().size()) - 1);
}

void TraskelWindow::addSpacer() {
    if (editor_.addSpacer()) changed(static_cast<int>(editor_.entries().size()) - 1);
}

void TraskelWindow::addModule() {
    ModuleDialog dialog(editor_.availableModules(), this);
    dialog.exec();
    if (const auto module = dialog.choice(); module && editor_.addModule(*module))
        changed(static_cast<int>(editor_.entries().size()) - 1);
}

void TraskelWindow::deleteItem() {
    const int index = current();
    if (index < 0) return;
    editor_.remove(index);
    changed(index);
}

void TraskelWindow::move(bool up) {
    const int index = current();
    if (index < 0) return;
    changed(up ? editor_.moveUp(index) : editor_.moveDown(index));
}

void TraskelWindow::chooseIcon() {
    const int index = current();
    if (index < 0 || !icon_->isEnabled()) return;
    const QString file =
        shell::Dialogs::chooseIconFile(this, qs(editor_.entries()[index].iconFile));
    if (file.isEmpty()) return;
    editor_.setIconFile(index, file.toStdString());
    changed(index);
}

void TraskelWindow::apply() {
    editor_.save();
    updateState();
}

bool TraskelWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == icon_ && event->type() == QEvent::MouseButtonRelease) {
        chooseIcon();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

QPushButton* TraskelWindow::button(const QString& objectName) const {
    return findChild<QPushButton*>(objectName);
}

}  // namespace vantix::traskel::ui
