#pragma once

#include <QDialog>
#include <QTimer>
#include <string>

#include "shell/LogoGauge.h"

class QLabel;
class QLineEdit;

namespace vantix::shell {

class Gauge;

// Form9: the splash window with the access-password prompt and the gauge, and
// the About box. 433 x 263 pixels.
class LogoWindow : public QDialog {
    Q_OBJECT
public:
    enum class Use { Startup, About };

    // `storedPassword` is the scrambled registry value or "NO Key". At start-up
    // `accessGranted` is the shell's one flag (ShellState::AccessGranted), which
    // the prompt sets and the gauge reads; the About box keeps its own, granted.
    LogoWindow(Use use, std::string storedPassword, bool* accessGranted = nullptr, QWidget* parent = nullptr);

    void showPasswordPrompt(bool visible);
    void startTimer() { timer_.start(); }
    bool accessGranted() const { return accessGranted_; }
    void grantAccess();
    // Set when a wrong password was confirmed or the prompt cancelled.
    bool denied() const { return denied_; }
    int gaugeCounter() const { return gauge_.counter(); }
    int gaugePercent() const;

    QLineEdit* passwordEntry() const { return entry_; }
    QLabel* passwordLabel() const { return passwordLabel_; }
    QLabel* initializingLabel() const { return initializing_; }
    QTimer& timer() { return timer_; }

signals:
    void accessGrantedChanged();
    void deniedByUser();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void onTick();
    void onEntryKeyReleased(int key);
    void deny();

    Use use_;
    std::string storedPassword_;
    bool ownGrant_ = false;
    bool& accessGranted_;
    bool denied_ = false;
    QLabel* passwordLabel_;
    QLineEdit* entry_;
    QLabel* initializing_;
    Gauge* gaugeView_;
    QTimer timer_;
    LogoGauge gauge_;
};

}  // namespace vantix::shell
