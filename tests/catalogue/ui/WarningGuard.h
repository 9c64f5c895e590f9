#pragma once

#include <QStringList>
#include <QtGlobal>

// Collects the Qt warnings a test causes, so that its cleanup() can fail on
// them. The offscreen platform's note on size hints is no fault of ours.
class WarningGuard {
public:
    WarningGuard() { previous_ = qInstallMessageHandler(&WarningGuard::handle); }
    ~WarningGuard() { qInstallMessageHandler(previous_); }
    static QStringList take() {
        QStringList out = warnings();
        warnings().clear();
        return out;
    }

private:
    static QStringList& warnings() {
        static QStringList list;
        return list;
    }
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if ((type == QtWarningMsg || type == QtCriticalMsg) && !message.contains("propagateSizeHints"))
            warnings() << message;
        if (previous_) previous_(type, context, message);
    }
    static inline QtMessageHandler previous_ = nullptr;
};
