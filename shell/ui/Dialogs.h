#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <deque>
#include <optional>
#include <variant>

// Every prompt and chooser of the shell goes through here, so that tests can
// answer it in advance: a queued answer is taken instead of showing the dialog.
// The chooser operations are those of the suite's dialog component.
namespace vantix::shell {

class Dialogs {
public:
    enum class Icon { None, Information, Exclamation, Question };
    enum class Answer { Ok, Yes, No };

    struct Shown {  // a message as it was shown (or answered in advance)
        Icon icon = Icon::None;
        QString title;
        QString text;
    };

    // A message box with OK; lines of `text` separated by "\r".
    static void message(QWidget* parent, Icon icon, const QString& title, const QString& text);
    // Yes/No with the question icon; true for Yes.
    static bool askYesNo(QWidget* parent, const QString& title, const QString& text);

    // Icon-file chooser: shows the icons of a file; the chosen file, "" when cancelled.
    static QString chooseIconFile(QWidget* parent, const QString& currentFile);
    // Colour chooser as the component answers: 0x00BBGGRR, or 9 when cancelled.
    static std::int32_t chooseColor(QWidget* parent);
    // The same without the sentinel, so that the colour 9 can be chosen too.
    static std::optional<std::int32_t> pickColor(QWidget* parent);
    // File chooser: the chosen file, or "".
    static QString chooseFile(QWidget* parent, const QString& start, const QString& title, int mode = 4);
    // Folder chooser: the chosen folder, or "".
    static QString chooseFolder(QWidget* parent);

    // Tests: answers taken in order by the next prompts; std::nullopt for a
    // cancelled colour chooser, "" for a cancelled file, folder or icon chooser.
    static void setNextAnswer(Answer answer);
    static void setNextColor(std::optional<std::int32_t> colour);
    static void setNextPath(const QString& path);
    // The latest messages shown (at most 32), oldest first.
    static const QList<Shown>& shownMessages();
    static void reset();
};

}  // namespace vantix::shell
