#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <vector>

#include "lindrel32/Forward.h"
#include "modules/traskel/TrayList.h"

class QMenu;
class QSocketNotifier;
class QSystemTrayIcon;
class QToolButton;

namespace vantix::platform {
class DdeServer;
class Machine;
}  // namespace vantix::platform

namespace vantix::traskel::tray {

// The tray program's hidden form "QV DDE Form     ": by its caption the taskbar
// module tells that the tray runs. Asked to close, the program ends.
class TrayForm : public QWidget {
    Q_OBJECT
public:
    TrayForm();
signals:
    void closeRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
};

// The launcher strip: a small frameless row of entry buttons that stays on
// top, next to the desktop's panel (spacers are gaps).
class TrayStrip : public QWidget {
    Q_OBJECT
public:
    TrayStrip();
    void rebuild(const std::vector<TrayEntry>& entries, lindrel32::IQVFKT& functions);
    // The button of list position `index` (spacers have none).
    QToolButton* button(int index) const;
    // At the bottom right of the screen's free area: beside a bottom panel.
    void place();
signals:
    void entryClicked(int index);

private:
    std::vector<QPointer<QToolButton>> buttons_;
};

// QVDDESVR.EXE: shows "TrayIcons" of its image in the strip and the system
// tray's menu, starts entries, and serves "{UPDATE_TRAY}" and "{END}".
class TrayProgram : public QObject {
    Q_OBJECT
public:
    explicit TrayProgram(platform::Machine& machine);
    ~TrayProgram() override;

    // Listens on the image's DDE socket; false when another tray serves it.
    bool listen();
    // Rereads the list and rebuilds the strip and the menu.
    void rebuild();
    // Carries out one execute command; false for one it does not know.
    bool execute(const std::string& command);
    // Raises the entry's window when it runs (by its "Window" caption), else starts it.
    bool startEntry(int index);

    const std::vector<TrayEntry>& entries() const { return entries_; }
    TrayStrip& strip() { return *strip_; }
    TrayForm& form() { return *form_; }
    QMenu& menu() { return *menu_; }

signals:
    // "{END}" or a close request of the form: the program is to end.
    void endRequested();

private:
    void serve();
    std::string iconSource(const TrayEntry& entry) const;

    platform::Machine& machine_;
    std::unique_ptr<lindrel32::QVREG> registry_;
    std::unique_ptr<lindrel32::QVFKT> functions_;
    std::vector<TrayEntry> entries_;
    std::unique_ptr<TrayForm> form_;
    std::unique_ptr<TrayStrip> strip_;
    std::unique_ptr<QMenu> menu_;
    QSystemTrayIcon* icon_ = nullptr;
    std::unique_ptr<platform::DdeServer> server_;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace vantix::traskel::tray
