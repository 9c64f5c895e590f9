#include "shell/ui/help/HelpViewer.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace vantix::help {
namespace {

QPointer<HelpViewer>& viewer() {
    static QPointer<HelpViewer> instance;
    return instance;
}

class HelpKeyFilter : public QObject {
public:
    explicit HelpKeyFilter(QObject* parent) : QObject(parent) {}
    QString file;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress ||
            static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1)
            return QObject::eventFilter(watched, event);
        // The key goes to the widget with the focus; a window of the platform hands it on.
        QWidget* focus = watched->isWidgetType() ? static_cast<QWidget*>(watched) : QApplication::focusWidget();
        if (!focus) focus = QApplication::activeWindow();
        // F1 in the viewer itself leaves it where it is.
        for (const QWidget* w = focus; w; w = w->parentWidget())
            if (qobject_cast<const HelpViewer*>(w)) return true;
        showHelp(file, helpTopicOf(focus));
        return true;
    }
};

}  // namespace

HelpViewer::HelpViewer(QWidget* parent) : QDialog(parent), browser_(new QTextBrowser(this)) {
    setObjectName("HelpViewer");
    setWindowTitle("Vantix Help");
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    browser_->setObjectName("HelpBrowser");
    browser_->setOpenExternalLinks(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto* contents = buttons->addButton("&Contents", QDialogButtonBox::ActionRole);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_, 1);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    connect(contents, &QPushButton::clicked, this, [this] { open(file_, "contents"); });
    resize(640, 560);
}

bool HelpViewer::open(const QString& helpFile, const QString& topic) {
    file_ = helpFile;
    topic_ = topic;
    if (!QFileInfo(helpFile).isFile()) {
        browser_->setHtml("<h2>No help</h2><p>The help file <tt>" + helpFile.toHtmlEscaped() +
                          "</tt> is missing. It belongs beside the program.</p>");
        return false;
    }
    // The files keep the names the programs look for (.HLP) and are HTML inside.
    browser_->setSource(QUrl::fromLocalFile(helpFile), QTextDocument::HtmlResource);
    if (!topic.isEmpty()) browser_->scrollToAnchor(topic);
    return true;
}

QString helpTopicOf(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        const QVariant topic = w->property("helpTopic");
        if (topic.isValid() && !topic.toString().isEmpty()) return topic.toString();
    }
    if (!widget) return {};
    // A window without an object name is known by its class: "RegaltoWindow", "FindDialog".
    const QWidget* window = widget->window();
    if (!window->objectName().isEmpty()) return window->objectName();
    const QString className = QString::fromLatin1(window->metaObject()->className());
    return className.mid(className.lastIndexOf(QLatin1Char(':')) + 1);
}

HelpViewer* showHelp(const QString& helpFile, const QString& topic) {
    QWidget* owner = QApplication::activeModalWidget();
    QPointer<HelpViewer>& current = viewer();
    if (current && current->parentWidget() != owner) {
        current->close();  // deletes itself later
        current = nullptr;
    }
    if (!current) current = new HelpViewer(owner);
    current->open(helpFile, topic);
    current->show();
    current->raise();
    current->activateWindow();
    return current;
}

HelpViewer* currentHelpViewer() {
    return viewer();
}

void installHelpKey(const QString& helpFile) {
    static QPointer<HelpKeyFilter> filter;
    if (!filter) {
        filter = new HelpKeyFilter(qApp);
        qApp->installEventFilter(filter);
    }
    filter->file = helpFile;
}

}  // namespace vantix::help
