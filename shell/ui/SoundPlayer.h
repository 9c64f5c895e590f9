#pragma once

#include <QObject>
#include <QString>

namespace vantix::shell {

// Plays a wave file without waiting (Qt Multimedia when the build has it;
// silent otherwise). Tests read the latest 32 effects asked to play.
class SoundPlayer : public QObject {
    Q_OBJECT
public:
    explicit SoundPlayer(QObject* parent = nullptr);
    void play(const QString& hostFile);
    const QStringList& played() const { return played_; }

private:
    QStringList played_;
};

}  // namespace vantix::shell
