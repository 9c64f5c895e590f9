#include "modules/traskel/tray/TrayProgram.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QScreen>
#include <QSocketNotifier>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QToolButton>

#include "lindrel32/QVFKT.h"
#include "lindrel32/QVREG.h"
#include "modules/traskel/ui/TrayPictures.h"
#include "platform/dde/DdeChannel.h"
#include "platform/machine/Machine.h"
#include "platform/text/Text.h"

namespace vantix::traskel::tray {
namespace {

constexpr int kButtonSize = 28;
constexpr int kSpacerWidth = 10;

}  // namespace

TrayForm::TrayForm() {
    setObjectName(QStringLiteral("DDEForm"));
    setWindowTitle(QString::fromStdString(std::string(kTrayCaption)));
    winId();  // the window exists (with its caption) without ever being shown
}

void TrayForm::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closeRequested();
}

TrayStrip::TrayStrip()
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("TrayStrip"));
    setWindowTitle(QStringLiteral("Vantix Taskbar"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->setSpacing(2);
    setAutoFillBackground(true);
}

void TrayStrip::rebuild(const std::vector<TrayEntry>& entries, lindrel32::IQVFKT& functions) {
    QLayout* row = layout();
    while (QLayoutItem* item = row->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    buttons_.clear();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const TrayEntry& entry = entries[i];
        if (entry.spacer) {
            static_cast<QHBoxLayout*>(row)->addSpacing(kSpacerWidth);
            buttons_.emplace_back();
            continue;
        }
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("TrayButton%1").arg(i + 1));
        button->setAutoRaise(true);
        button->setFixedSize(kButtonSize, kButtonSize);
        button->setIconSize(QSize(kButtonSize - 6, kButtonSize - 6));
        const std::string iconFile = entry.iconFile == kModuleIcon ? entry.program : entry.iconFile;
        button->setIcon(QIcon(ui::entryPicture(entry, iconFile, functions)));
        button->setToolTip(QString::fromStdString(entry.name));
        connect(button, &QToolButton::clicked, this,
                [this, i] { emit entryClicked(static_cast<int>(i)); });
        row->addWidget(button);
        buttons_.emplace_back(button);
    }
    adjustSize();
    place();
}

QToolButton* TrayStrip::button(int index) const {
    if (index < 0 || index >= static_cast<int>(buttons_.size())) return nullptr;
    return buttons_[static_cast<std::size_t>(index)];
}

void TrayStrip::place() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect free = screen->availableGeometry();
    const QSize size = sizeHint().expandedTo(QSize(kButtonSize, kButtonSize));
    move(free.right() - size.width() + 1, free.bottom() - size.height() + 1);
}

TrayProgram::TrayProgram(platform::Machine& machine)
    : machine_(machine),
      registry_(std::make_unique<lindrel32::QVREG>(machine)),
      functions_(std::make_unique<lindrel32::QVFKT>(machine)),
      form_(std::make_unique<TrayForm>()),
      strip_(std::make_unique<TrayStrip>()),
      menu_(std::make_unique<QMenu>()) {
    menu_->setObjectName(QStringLiteral("TrayMenu"));
    connect(form_.get(), &TrayForm::closeRequested, this, &TrayProgram::endRequested);
    connect(strip_.get(), &TrayStrip::entryClicked, this, &TrayProgram::startEntry);
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        icon_ = new QSystemTrayIcon(this);
        icon_->setIcon(QIcon(ui::fallbackPixmap(FallbackPicture::Module)));
        icon_->setToolTip(QStringLiteral("Vantix Taskbar"));
        icon_->setContextMenu(menu_.get());
        icon_->show();
    }
}

TrayProgram::~TrayProgram() = default;

bool TrayProgram::listen() {
    const auto socket = platform::ddeSocketPath(machine_.dir(), kTrayLink);
    if (!socket) return false;
    server_ = platform::DdeServer::listen(*socket);
    if (!server_) return false;
    notifier_ = new QSocketNotifier(server_->fd(), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TrayProgram::serve);
    return true;
}

void TrayProgram::serve() {
    server_->serveOne([this](const std::string& command) { return execute(command); });
}

bool TrayProgram::execute(const std::string& command) {
    const std::string upper = vantix::text::toUpperAscii(vantix::text::trim(command));
    if (upper == kUpdateTray) {
        rebuild();
        return true;
    }
    if (upper == kEndTray) {
        // After the answer has gone back to the module.
        QTimer::singleShot(0, this, &TrayProgram::endRequested);
        return true;
    }
    return false;
}

std::string TrayProgram::iconSource(const TrayEntry& entry) const {
    // A module shows its registered icon: that of its program.
    return entry.iconFile == kModuleIcon ? entry.program : entry.iconFile;
}

void TrayProgram::rebuild() {
    entries_ = readTrayList(*registry_, *functions_);
    strip_->rebuild(entries_, *functions_);
    strip_->setVisible(!entries_.empty());
    menu_->clear();
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const TrayEntry& entry = entries_[i];
        if (entry.spacer) {
            menu_->addSeparator();
            continue;
        }
        QAction* action =
            menu_->addAction(QIcon(ui::entryPicture(entry, iconSource(entry), *functions_)),
                             QString::fromStdString(entry.name));
        connect(action, &QAction::triggered, this, [this, i] { startEntry(static_cast<int>(i)); });
    }
}

bool TrayProgram::startEntry(int index) {
    if (index < 0 || index >= static_cast<int>(entries_.size())) return false;
    const TrayEntry& entry = entries_[static_cast<std::size_t>(index)];
    if (entry.spacer) return false;
    if (!vantix::text::trim(entry.window).empty()) {
        std::int32_t start = 0;
        std::string caption = entry.window;
        if (const std::int32_t window = functions_->GET_TaskHandle(start, caption)) {
            functions_->SET_ViewWindow(window, 1);
            functions_->SET_FormTop(window, false);
            return true;
        }
    }
    return functions_->ShellExec(0, entry.program, entry.param, entry.workPath, entry.start);
}

}  // namespace vantix::traskel::tray
