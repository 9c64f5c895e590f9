#include "modules/bootlam/ui/BootlamWindow.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

#include "modules/common/ModuleInfo.h"
#include "modules/common/ui/MessagePrompter.h"

namespace vantix::bootlam::ui {

namespace {
QString q(const std::string& text) {
    return QString::fromStdString(text);
}
constexpr int kParameterTab = 1;
}  // namespace

BootlamWindow::BootlamWindow(BootOptions& options, modules::Prompter* prompter, QWidget* parent)
    : QWidget(parent), options_(options) {
    if (!prompter) ownPrompter_ = std::make_unique<modules::ui::MessagePrompter>(this);
    prompter_ = prompter ? prompter : ownPrompter_.get();
    setWindowTitle(q(std::string(modules::moduleInfo(modules::ModuleId::Bootlam).windowCaption)));

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("ListView1"));
    list_->setEditTriggers(QAbstractItemView::EditKeyPressed);
    list_->setMinimumWidth(260);
    list_->installEventFilter(this);
    tabs_ = new QTabWidget(this);
    tabs_->addTab(buildTimeoutTab(), QStringLiteral("Windows NT Boot Options"));
    tabs_->widget(0)->setObjectName(QStringLiteral("SET"));
    tabs_->addTab(buildParameterTab(), QStringLiteral("Parameters of "));

    defaultButton_ = new QPushButton(QStringLiteral("&Default OS"), this);
    restoreButton_ = new QPushButton(QStringLiteral("&Restore..."), this);
    okButton_ = new QPushButton(QStringLiteral("&OK"), this);
    cancelButton_ = new QPushButton(QStringLiteral("&Cancel"), this);
    okButton_->setDefault(true);

    auto* left = new QVBoxLayout;
    left->addWidget(list_);
    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(defaultButton_);
    listButtons->addWidget(restoreButton_);
    left->addLayout(listButtons);
    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addWidget(tabs_, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(okButton_);
    bottom->addWidget(cancelButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(bottom);

    connect(list_, &QListWidget::currentRowChanged, this, &BootlamWindow::showEntry);
    connect(list_, &QListWidget::itemChanged, this, &BootlamWindow::onRenamed);
    connect(list_, &QListWidget::itemDoubleClicked, this,
            [this] { tabs_->setCurrentIndex(kParameterTab); });
    connect(defaultButton_, &QPushButton::clicked, this, &BootlamWindow::makeDefault);
    connect(restoreButton_, &QPushButton::clicked, this, &BootlamWindow::restore);
    connect(okButton_, &QPushButton::clicked, this, &BootlamWindow::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &QWidget::close);

    list_->setIconSize(QSize(16, 16));
    tabs_->setUsesScrollButtons(false);
    resize(900, 430);
    fillList();
    showTimeout();
    if (list_->count() > 0)
        list_->setCurrentRow(0);
    else
        showEntry(-1);
}

BootlamWindow::~BootlamWindow() = default;

QWidget* BootlamWindow::buildTimeoutTab() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    timeoutGroup_ = new QButtonGroup(page);
    const std::pair<TimeoutChoice, const char*> options[] = {
        {TimeoutChoice::Wait, "Wait until user choice"},
        {TimeoutChoice::Immediate, "Start default OS immediately"},
        {TimeoutChoice::Delay, "Delay for user choice:"}};
    for (const auto& [choice, caption] : options) {
        auto* radio = new QRadioButton(QString::fromLatin1(caption), page);
        timeouts_[static_cast<std::size_t>(choice) - 1] = radio;
        timeoutGroup_->addButton(radio);
        connect(radio, &QRadioButton::clicked, this,
                [this, choice = choice] { onTimeoutChosen(choice); });
    }
    layout->addWidget(timeouts_[0]);
    layout->addWidget(timeouts_[1]);
    auto* delay = new QHBoxLayout;
    delay->addWidget(timeouts_[2]);
    text1_ = new QLineEdit(page);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setValidator(new QIntValidator(0, 999, text1_));
    text1_->setMaximumWidth(60);
    delay->addWidget(text1_);
    delay->addWidget(new QLabel(QStringLiteral("seconds"), page));
    delay->addStretch();
    layout->addLayout(delay);
    layout->addStretch();
    connect(text1_, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (!loading_) options_.setDelaySeconds(text.toStdString());
    });
    return page;
}

QWidget* BootlamWindow::buildParameterTab() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    vga_ = new QCheckBox(QStringLiteral("Only use standard &VGA driver."), page);
    sos_ = new QCheckBox(QStringLiteral("Display driver names instead of dots at startup."), page);
    maxmem_ = new QCheckBox(QStringLiteral("Limit system memory to:"), page);
    text2_ = new QLineEdit(page);
    text2_->setObjectName(QStringLiteral("Text2"));
    text2_->setValidator(new QIntValidator(0, 32767, text2_));
    text2_->setMaximumWidth(70);
    layout->addWidget(vga_);
    layout->addWidget(sos_);
    auto* memory = new QHBoxLayout;
    memory->addWidget(maxmem_);
    memory->addWidget(text2_);
    memory->addWidget(new QLabel(QStringLiteral("MB"), page));
    memory->addStretch();
    layout->addLayout(memory);

    auto* debugBox = new QGroupBox(QStringLiteral(" Kernel debugger "), page);
    auto* debugLayout = new QVBoxLayout(debugBox);
    debuggerGroup_ = new QButtonGroup(debugBox);
    const std::pair<Debugger, const char*> debuggers[] = {
        {Debugger::NoDebug, "Disable external kernel debugger"},
        {Debugger::CrashDebug, "Activate on 'fatal errors' only"},
        {Debugger::Debug, "Always activate"}};
    for (const auto& [debugger, caption] : debuggers) {
        auto* radio = new QRadioButton(QString::fromLatin1(caption), debugBox);
        debuggers_[static_cast<std::size_t>(debugger) - 1] = radio;
        debuggerGroup_->addButton(radio);
        debugLayout->addWidget(radio);
        connect(radio, &QRadioButton::clicked, this, [this, debugger = debugger] {
            if (!loading_ && shown_ >= 0)
                options_.setDebugger(static_cast<std::size_t>(shown_), debugger);
        });
    }
    layout->addWidget(debugBox);

    auto* mouseBox = new QGroupBox(QStringLiteral(" No serial mouse detection on "), page);
    auto* mouseLayout = new QHBoxLayout(mouseBox);
    for (int port = 1; port <= 4; ++port) {
        auto* box = new QCheckBox(QStringLiteral("COM&%1").arg(port), mouseBox);
        ports_[static_cast<std::size_t>(port - 1)] = box;
        mouseLayout->addWidget(box);
        connect(box, &QCheckBox::toggled, this, [this, port](bool checked) {
            if (!loading_ && shown_ >= 0)
                options_.setPort(static_cast<std::size_t>(shown_), port, checked);
        });
    }
    layout->addWidget(mouseBox);
    auto* further = new QHBoxLayout;
    further->addWidget(new QLabel(QStringLiteral("Further switches:"), page));
    text4_ = new QLineEdit(page);
    text4_->setObjectName(QStringLiteral("Text4"));
    further->addWidget(text4_);
    layout->addLayout(further);
    layout->addStretch();

    connect(vga_, &QCheckBox::toggled, this, [this](bool checked) {
        if (!loading_ && shown_ >= 0)
            options_.entry(static_cast<std::size_t>(shown_)).basevideo = checked;
    });
    connect(sos_, &QCheckBox::toggled, this, [this](bool checked) {
        if (!loading_ && shown_ >= 0)
            options_.entry(static_cast<std::size_t>(shown_)).sos = checked;
    });
    connect(maxmem_, &QCheckBox::toggled, this, &BootlamWindow::onMaxmemToggled);
    connect(text2_, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (loading_ || shown_ < 0) return;
        options_.typeMaxmem(static_cast<std::size_t>(shown_), text.toStdString());
        const QSignalBlocker blocker(maxmem_);
        maxmem_->setChecked(true);
    });
    connect(text2_, &QLineEdit::editingFinished, this, &BootlamWindow::onMegabytesLeft);
    connect(text2_, &QLineEdit::returnPressed, this, [this] { focusNextChild(); });
    connect(text4_, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (!loading_ && shown_ >= 0)
            options_.entry(static_cast<std::size_t>(shown_)).otherSwitches = text.toStdString();
    });
    return page;
}

QRadioButton* BootlamWindow::timeoutOption(TimeoutChoice choice) const {
    return choice == TimeoutChoice::Unset ? nullptr
                                          : timeouts_[static_cast<std::size_t>(choice) - 1];
}

QRadioButton* BootlamWindow::debuggerOption(Debugger debugger) const {
    return debugger == Debugger::None ? nullptr
                                      : debuggers_[static_cast<std::size_t>(debugger) - 1];
}

void BootlamWindow::fillList() {
    const QSignalBlocker blocker(list_);
    list_->clear();
    for (const auto& entry : options_.entries()) {
        auto* item = new QListWidgetItem(q(entry.name), list_);
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
    refreshPictures();
}

void BootlamWindow::refreshPictures() {
    const QSignalBlocker blocker(list_);
    const auto defaultIndex = options_.defaultIndex();
    for (int i = 0; i < list_->count(); ++i) {
        const bool isDefault = defaultIndex && static_cast<int>(*defaultIndex) == i;
        list_->item(i)->setIcon(style()->standardIcon(isDefault ? QStyle::SP_DialogApplyButton
                                                                : QStyle::SP_DriveHDIcon));
        list_->item(i)->setData(Qt::UserRole, isDefault);
    }
}

void BootlamWindow::showTimeout() {
    loading_ = true;
    const TimeoutChoice choice = options_.timeoutChoice();
    // No option chosen (a file without "timeout"): the group lets none be checked.
    timeoutGroup_->setExclusive(false);
    for (auto* radio : timeouts_) radio->setChecked(false);
    timeoutGroup_->setExclusive(true);
    if (auto* radio = timeoutOption(choice)) radio->setChecked(true);
    text1_->setText(q(options_.delaySeconds()));
    text1_->setEnabled(choice == TimeoutChoice::Delay);
    loading_ = false;
}

void BootlamWindow::onTimeoutChosen(TimeoutChoice choice) {
    if (loading_) return;
    text1_->setText(q(options_.chooseTimeout(choice)));
    text1_->setEnabled(choice == TimeoutChoice::Delay);
}

void BootlamWindow::showEntry(int index) {
    loading_ = true;
    shown_ = index >= 0 && index < static_cast<int>(options_.entries().size()) ? index : -1;
    const BootEntry empty;
    const BootEntry& entry =
        shown_ >= 0 ? options_.entries()[static_cast<std::size_t>(shown_)] : empty;
    tabs_->setTabText(kParameterTab, QStringLiteral("Parameters of ") + q(entry.name));
    const bool enabled = shown_ >= 0 && entry.kind == EntryKind::WindowsNt;
    tabs_->widget(kParameterTab)->setEnabled(enabled);
    vga_->setChecked(entry.basevideo);
    sos_->setChecked(entry.sos);
    maxmem_->setChecked(entry.maxmem);
    text2_->setText(entry.maxmem ? QString::number(entry.maxmemMegabytes) : QString());
    debuggerGroup_->setExclusive(false);
    for (auto* radio : debuggers_) radio->setChecked(false);
    debuggerGroup_->setExclusive(true);
    if (auto* radio = debuggerOption(BootOptions::debuggerOf(entry))) radio->setChecked(true);
    for (std::size_t port = 0; port < 4; ++port) ports_[port]->setChecked(entry.com[port]);
    text4_->setText(q(entry.otherSwitches));
    const auto defaultIndex = options_.defaultIndex();
    defaultButton_->setEnabled(shown_ >= 0 &&
                               !(defaultIndex && static_cast<int>(*defaultIndex) == shown_));
    loading_ = false;
}

void BootlamWindow::onMaxmemToggled(bool checked) {
    if (loading_ || shown_ < 0) return;
    text2_->setText(q(options_.setMaxmemChecked(static_cast<std::size_t>(shown_), checked,
                                                text2_->text().toStdString())));
}

void BootlamWindow::onMegabytesLeft() {
    if (loading_ || shown_ < 0) return;
    if (!options_.leaveMaxmem(static_cast<std::size_t>(shown_))) return;
    text2_->setText(QString::number(BootOptions::kMinimumMegabytes));
    prompter_->inform(kMinimumMessage, kMinimumCaption);
}

void BootlamWindow::onRenamed(QListWidgetItem* item) {
    const int row = list_->row(item);
    if (row < 0 || row >= static_cast<int>(options_.entries().size())) return;
    const auto result = options_.rename(static_cast<std::size_t>(row), item->text().toStdString());
    if (result != RenameResult::Accepted) {
        const QSignalBlocker blocker(list_);
        item->setText(q(options_.entries()[static_cast<std::size_t>(row)].name));
        if (result == RenameResult::Duplicate)
            prompter_->inform(kNameExistsMessage, kRenameCaption);
        return;
    }
    if (row == shown_)
        tabs_->setTabText(kParameterTab, QStringLiteral("Parameters of ") + item->text());
}

bool BootlamWindow::eventFilter(QObject* watched, QEvent* event) {
    // Enter on the list starts renaming the selected entry.
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && list_->currentItem()) {
            list_->editItem(list_->currentItem());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void BootlamWindow::makeDefault() {
    if (shown_ < 0) return;
    options_.makeDefault(static_cast<std::size_t>(shown_));
    refreshPictures();
    defaultButton_->setEnabled(false);
}

void BootlamWindow::restore() {
    if (!prompter_->confirm(kRestoreQuestion, kRestoreCaption)) return;
    std::string reason;
    if (!options_.restore(&reason)) {
        prompter_->inform(reason, "Error!");
        return;
    }
    prompter_->inform(kTerminateMessage, std::string(modules::kServerCaption));
    close();
}

void BootlamWindow::accept() {
    // A box still being edited hands its value over first.
    if (text2_->hasFocus()) onMegabytesLeft();
    std::string reason;
    if (!options_.save(&reason)) {
        prompter_->inform("BOOT.INI was not changed: " + reason, "Error!");
        return;
    }
    close();
}

void BootlamWindow::closeEvent(QCloseEvent* event) {
    options_.removeWorkingFile();
    event->accept();
}

}  // namespace vantix::bootlam::ui
