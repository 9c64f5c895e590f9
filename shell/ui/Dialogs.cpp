#include "shell/ui/Dialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

#include "shell/ui/IconFileDialog.h"
#include "shell/ui/OleColor.h"

namespace vantix::shell {
namespace {

struct Queued {
    std::deque<Dialogs::Answer> answers;
    std::deque<std::optional<std::int32_t>> colours;
    std::deque<QString> paths;
    QList<Dialogs::Shown> shown;
};

Queued& queued() {
    static Queued instance;
    return instance;
}

QMessageBox::Icon boxIcon(Dialogs::Icon icon) {
    switch (icon) {
        case Dialogs::Icon::Information: return QMessageBox::Information;
        case Dialogs::Icon::Exclamation: return QMessageBox::Warning;
        case Dialogs::Icon::Question: return QMessageBox::Question;
        case Dialogs::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

// Message texts break lines with carriage returns.
QString displayText(const QString& text) {
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

// The record of shown messages keeps the latest ones only: it serves tests and
// must not grow for as long as the program runs.
constexpr qsizetype kShownKept = 32;

Dialogs::Answer ask(QWidget* parent, Dialogs::Icon icon, const QString& title, const QString& text, bool yesNo) {
    QList<Dialogs::Shown>& shown = queued().shown;
    if (shown.size() >= kShownKept) shown.remove(0, shown.size() - kShownKept + 1);
    shown.append({icon, title, text});
    if (!queued().answers.empty()) {
        Dialogs::Answer answer = queued().answers.front();
        queued().answers.pop_front();
        return answer;
    }
    QMessageBox box(boxIcon(icon), title, displayText(text),
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    int result = box.exec();
    if (!yesNo) return Dialogs::Answer::Ok;
    return result == QMessageBox::Yes ? Dialogs::Answer::Yes : Dialogs::Answer::No;
}

std::optional<QString> queuedPath() {
    if (queued().paths.empty()) return std::nullopt;
    QString path = queued().paths.front();
    queued().paths.pop_front();
    return path;
}

}  // namespace

void Dialogs::message(QWidget* parent, Icon icon, const QString& title, const QString& text) {
    ask(parent, icon, title, text, false);
}

bool Dialogs::askYesNo(QWidget* parent, const QString& title, const QString& text) {
    return ask(parent, Icon::Question, title, text, true) == Answer::Yes;
}

QString Dialogs::chooseIconFile(QWidget* parent, const QString& currentFile) {
    if (auto path = queuedPath()) return *path;
    IconFileDialog dialog(currentFile, parent);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.choice();
}

std::int32_t Dialogs::chooseColor(QWidget* parent) {
    constexpr std::int32_t kCancelled = 9;
    return pickColor(parent).value_or(kCancelled);
}

std::optional<std::int32_t> Dialogs::pickColor(QWidget* parent) {
    if (!queued().colours.empty()) {
        auto colour = queued().colours.front();
        queued().colours.pop_front();
        return colour;
    }
    QColor colour = QColorDialog::getColor(Qt::white, parent);
    if (!colour.isValid()) return std::nullopt;
    return fromQColor(colour);
}

QString Dialogs::chooseFile(QWidget* parent, const QString& start, const QString& title, int /*mode*/) {
    if (auto path = queuedPath()) return *path;
    return QFileDialog::getOpenFileName(parent, title, start);
}

QString Dialogs::chooseFolder(QWidget* parent) {
    if (auto path = queuedPath()) return *path;
    return QFileDialog::getExistingDirectory(parent);
}

void Dialogs::setNextAnswer(Answer answer) { queued().answers.push_back(answer); }
void Dialogs::setNextColor(std::optional<std::int32_t> colour) { queued().colours.push_back(colour); }
void Dialogs::setNextPath(const QString& path) { queued().paths.push_back(path); }
const QList<Dialogs::Shown>& Dialogs::shownMessages() { return queued().shown; }
void Dialogs::reset() { queued() = Queued{}; }

}  // namespace vantix::shell
