#include "shell/ui/FirstImage.h"

#include <QEventLoop>
#include <QPointer>
#include <QProgressDialog>
#include <algorithm>
#include <exception>
#include <thread>

#include "platform/machine/Machine.h"

namespace vantix::shell {

bool createDefaultImageShowingProgress(QWidget* parent, std::string& error) {
    if (!platform::defaultImageMissing()) return true;
    platform::ImageOptions options = platform::defaultImageOptions();
    QProgressDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Vantix"));
    dialog.setLabelText(options.wine ? QStringLiteral("Creating the machine image through Wine...")
                                     : QStringLiteral("Creating the machine image..."));
    dialog.setCancelButton(
        nullptr);  // a half-made image is removed, but Wine cannot be stopped cleanly
    dialog.setRange(0, 100);
    dialog.setMinimumDuration(0);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    dialog.setValue(0);
    dialog.show();

    QPointer<QProgressDialog> shown(&dialog);
    options.progress = [shown](const std::string& step, int percent) {
        const QString text = QString::fromStdString(step);
        QMetaObject::invokeMethod(
            shown.data(),
            [shown, text, percent] {
                if (!shown) return;
                shown->setLabelText(text);
                // A step of unknown length shows a busy bar, so the window never looks stuck.
                shown->setRange(0, percent < 0 ? 0 : 100);
                shown->setValue(std::max(percent, 0));
            },
            Qt::QueuedConnection);
    };
    QEventLoop loop;
    std::string failure;
    std::thread worker([&] {
        try {
            platform::createDefaultImage(options);
        } catch (const std::exception& exception) {
            failure = exception.what();
        }
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    worker.join();
    error = failure;
    return failure.empty();
}

}  // namespace vantix::shell
