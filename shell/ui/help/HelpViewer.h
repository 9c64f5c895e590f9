#pragma once

#include <QDialog>
#include <QString>

class QTextBrowser;

// The help viewer of the shell and the module programs. A help file (VANTIX.HLP,
// QVMODULE.HLP, ...) is one HTML document; each window's topic is the anchor
// named after the window's object name ("Form1", "Form2", "RegaltoWindow", ...).
namespace vantix::help {

class HelpViewer : public QDialog {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* parent = nullptr);

    // Shows `helpFile` (a host path) at `topic`; an unknown topic shows the
    // start of the file. False, with a note in the viewer, when the file is missing.
    bool open(const QString& helpFile, const QString& topic);
    QTextBrowser* browser() const { return browser_; }
    const QString& helpFile() const { return file_; }
    const QString& topic() const { return topic_; }

private:
    QTextBrowser* browser_;
    QString file_;
    QString topic_;
};

// The topic of a widget: the nearest "helpTopic" property up its parents,
// else the object name of its window, else the window's class name.
QString helpTopicOf(const QWidget* widget);

// Opens the viewer (one per program, raised when it is open already) on the
// file at the topic. While a modal dialog runs, the viewer belongs to it, so
// that it can be read and closed.
HelpViewer* showHelp(const QString& helpFile, const QString& topic);
// The viewer shown last, or null.
HelpViewer* currentHelpViewer();

// From now on F1 anywhere in the program opens `helpFile` on the topic of the
// widget that has the focus. One call in a program's main, after its
// QApplication exists; a later call replaces the file.
void installHelpKey(const QString& helpFile);

}  // namespace vantix::help
