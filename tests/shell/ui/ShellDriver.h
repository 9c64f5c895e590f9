#pragma once

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <functional>

#include "catalogue/ui/SideBar.h"
#include "shell/ui/MainWindow.h"
#include "tests/shell/ui/ShellFixture.h"

// Drives the shell as a person does: right-clicks in the sidebar and the list,
// picks pop-up entries with the mouse, and answers the modal dialog that a
// command opens.
namespace driver {

// Calls `answer` with the modal dialog of type T once it is up.
template <typename T>
void whenModal(std::function<void(T*)> answer) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            answer(dialog);
        }
    });
    poll->start();
}

inline QListWidgetItem* groupItem(vantix::catalogue::ui::SideBar& bar, const QString& key) {
    QListWidget* list = bar.groupList();
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->data(Qt::UserRole).toString() == key) return list->item(i);
    return nullptr;
}

inline void rightClickGroup(vantix::catalogue::ui::SideBar& bar, const QString& key) {
    QListWidgetItem* item = groupItem(bar, key);
    QVERIFY2(item, qPrintable("no group " + key + " in the open folder"));
    QTest::mouseClick(bar.groupList()->viewport(), Qt::RightButton, {},
                      bar.groupList()->visualItemRect(item).center());
}

inline void rightClickFolderBar(vantix::catalogue::ui::SideBar& bar, const QString& key) {
    QTest::mouseClick(bar.folderBar(key), Qt::RightButton, {}, bar.folderBar(key)->rect().center());
}

// Clicks the entry of a pop-up menu that is showing.
inline void pick(QMenu* menu, QAction* action) {
    QVERIFY(menu);
    QVERIFY(action);
    QTRY_VERIFY(menu->isVisible());
    QVERIFY2(action->isVisible(), qPrintable(action->text() + " is hidden"));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
}

inline void started(ShellFixture& f, const std::string& commandLine = "") {
    f.ordinaryStart();
    QCOMPARE(f.start(commandLine), vantix::shell::StartupOutcome::Running);
}

}  // namespace driver
