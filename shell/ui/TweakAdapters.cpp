#include "shell/ui/TweakAdapters.h"

#include "platform/machine/Machine.h"
#include "shell/ui/Dialogs.h"

namespace vantix::shell {

QString DialogPageChoosers::systemPath(const QString& host) const {
    if (host.isEmpty()) return host;
    const auto windows = machine_.windowsPath(host.toStdString());
    return windows ? QString::fromStdString(*windows) : host;
}

QString DialogPageChoosers::chooseFile(QWidget* owner, const QString& title, const QString& start) {
    const auto host = start.isEmpty() ? std::nullopt : machine_.hostPath(start.toStdString());
    return systemPath(
        Dialogs::chooseFile(owner, host ? QString::fromStdString(host->string()) : start, title));
}

QString DialogPageChoosers::chooseFolder(QWidget* owner) {
    return systemPath(Dialogs::chooseFolder(owner));
}

}  // namespace vantix::shell
