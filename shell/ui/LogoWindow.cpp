#include "shell/ui/LogoWindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>

#include "shell/AccessPassword.h"
#include "shell/ui/Dialogs.h"
#include "shell/ui/Gauge.h"

namespace vantix::shell {

LogoWindow::LogoWindow(Use use, std::string storedPassword, bool* accessGranted, QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      use_(use),
      storedPassword_(std::move(storedPassword)),
      accessGranted_(accessGranted ? *accessGranted : ownGrant_),
      passwordLabel_(new QLabel(QStringLiteral("Password:"), this)),
      entry_(new QLineEdit(this)),
      initializing_(new QLabel(QStringLiteral("Initializing..."), this)),
      gaugeView_(new Gauge(this)) {
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(QStringLiteral("Vantix"));
    setFixedSize(433, 263);
    passwordLabel_->setObjectName(QStringLiteral("Label1"));
    entry_->setObjectName(QStringLiteral("Text1"));
    initializing_->setObjectName(QStringLiteral("Label3"));
    passwordLabel_->setGeometry(224, 208, 54, 20);
    entry_->setGeometry(280, 206, 130, 22);
    entry_->setEchoMode(QLineEdit::Password);
    entry_->installEventFilter(this);
    initializing_->setGeometry(24, 206, 120, 18);
    gaugeView_->setGeometry(24, 228, 180, 14);
    for (QLabel* label : {passwordLabel_, initializing_}) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::white);
        label->setPalette(palette);
    }
    showPasswordPrompt(false);
    initializing_->hide();
    gaugeView_->hide();
    timer_.setInterval(kGaugeIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &LogoWindow::onTick);
    if (use_ == Use::About) {
        accessGranted_ = true;
        timer_.start();
    }
}

void LogoWindow::showPasswordPrompt(bool visible) {
    passwordLabel_->setVisible(visible);
    entry_->setVisible(visible);
    if (visible) entry_->setFocus();
}

void LogoWindow::grantAccess() {
    if (accessGranted_) return;
    accessGranted_ = true;
    emit accessGrantedChanged();
}

int LogoWindow::gaugePercent() const { return gaugeView_->percent(); }

void LogoWindow::onTick() {
    QApplication::processEvents();
    LogoGauge::Tick tick = gauge_.tick(isVisible(), accessGranted_);
    if (!isVisible() || !accessGranted_) return;
    initializing_->show();
    gaugeView_->show();
    if (tick.percent) gaugeView_->DrawGauge(*tick.percent);
    if (tick.close) {
        timer_.stop();
        if (use_ == Use::About) accept();
        else hide();
    }
}

bool LogoWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == entry_ && event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat()) onEntryKeyReleased(key->key());
    }
    return QDialog::eventFilter(watched, event);
}

void LogoWindow::onEntryKeyReleased(int key) {
    if (accessGranted_ || denied_) return;
    if (passwordMatches(entry_->text().toStdString(), storedPassword_)) {
        showPasswordPrompt(false);
        repaint();
        grantAccess();
        return;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        Dialogs::message(this, Dialogs::Icon::Information, QStringLiteral("Vantix"),
                         QStringLiteral("Sorry, wrong password!"));
        deny();
    } else if (key == Qt::Key_Escape) {
        deny();
    }
}

void LogoWindow::deny() {
    denied_ = true;
    timer_.stop();
    hide();
    emit deniedByUser();
}

void LogoWindow::keyPressEvent(QKeyEvent* event) {
    // Esc and Enter belong to the prompt and the About box, not to QDialog's defaults.
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void LogoWindow::keyReleaseEvent(QKeyEvent* event) {
    const int key = event->key();
    if (use_ == Use::About && (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        timer_.stop();
        accept();
        return;
    }
    QDialog::keyReleaseEvent(event);
}

void LogoWindow::mousePressEvent(QMouseEvent* event) {
    if (use_ == Use::About) {
        timer_.stop();
        accept();
        return;
    }
    QDialog::mousePressEvent(event);
}

void LogoWindow::paintEvent(QPaintEvent*) {
    // The logo: a gradient panel with the product name; drawn here, no picture file.
    QPainter painter(this);
    QLinearGradient gradient(0, 0, width(), height());
    gradient.setColorAt(0, QColor(0, 32, 96));
    gradient.setColorAt(1, QColor(0, 128, 160));
    painter.fillRect(rect(), gradient);
    painter.setPen(QColor(255, 255, 255, 40));
    for (int x = -height(); x < width(); x += 18) painter.drawLine(x, height(), x + height(), 0);
    QFont title = font();
    title.setPointSize(34);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(Qt::white);
    painter.drawText(QRect(24, 40, width() - 48, 70), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Vantix"));
    QFont subtitle = font();
    subtitle.setPointSize(11);
    painter.setFont(subtitle);
    painter.drawText(QRect(28, 110, width() - 56, 24), Qt::AlignLeft,
                     QStringLiteral("System tuning for Windows 95, 98 and NT 4"));
    painter.setPen(QColor(255, 255, 255, 180));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace vantix::shell
