#pragma once

#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>

#include "tweaks/ui/Form5.h"
#include "tweaks/ui/HiddenTreeView.h"

// Driving the tree and the page as a person does: clicks, hovering, menus,
// and modal pages answered as soon as they show.
namespace ui_driving {

using vantix::tweaks::ui::Form5;
using vantix::tweaks::ui::HiddenTreeView;

// A drag entering the tree, as the platform's drag sends it first.
void enterDrag(HiddenTreeView& tree, QMimeData* data) {
    QDragEnterEvent enter(QPoint(5, 5), Qt::MoveAction, data, Qt::LeftButton, {});
    QApplication::sendEvent(tree.viewport(), &enter);
}

const std::string kAdvanced =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";

// Runs `act` on the property page as soon as it is shown modally and active
// (focus moves only within the active window; on a busy machine a page can
// be shown a while before it is). A check that fails inside `act` ends it
// early with the page still open: the page is closed then, so that the test
// reports the failure instead of waiting.
void whenPageOpens(std::function<void(Form5&)> act) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
        auto* page = qobject_cast<Form5*>(QApplication::activeModalWidget());
        if (!page || !page->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        if (!QTest::qWaitForWindowActive(page)) qWarning("the page was never the active window");
        act(*page);
        if (QTest::currentTestFailed() && page->isVisible()) page->reject();
    });
    poll->start(10);
}

template <typename W>
W* child(QWidget& parent, const char* name) {
    return parent.findChild<W*>(QString::fromLatin1(name));
}

QStringList changesOf(Form5& page) {
    QStringList lines;
    auto* list = child<QListWidget>(page, "Changes");
    for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text().remove(QChar(0x200B));
    return lines;
}

// On its round button: a radio button answers clicks on its button and caption only.
void clickOption(QRadioButton* option) {
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
}

QPoint centerOf(HiddenTreeView& tree, QTreeWidgetItem* item) {
    return tree.visualItemRect(item).center();
}

void click(HiddenTreeView& tree, QTreeWidgetItem* item, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(tree.viewport(), button, {}, centerOf(tree, item));
}

void hover(HiddenTreeView& tree, QTreeWidgetItem* item) {
    QMouseEvent move(QEvent::MouseMove, centerOf(tree, item),
                     tree.viewport()->mapToGlobal(centerOf(tree, item)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(tree.viewport(), &move);
}

QStringList visibleActions(QMenu* menu) {
    QStringList captions;
    for (QAction* action : menu->actions())
        if (action->isVisible() && !action->isSeparator()) captions << action->text();
    return captions;
}

QAction* actionOf(QMenu* menu, const char* caption) {
    for (QAction* action : menu->actions())
        if (action->text() == QLatin1String(caption)) return action;
    return nullptr;
}

}  // namespace ui_driving
