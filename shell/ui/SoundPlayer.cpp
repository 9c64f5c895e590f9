#include "shell/ui/SoundPlayer.h"

#include <QUrl>

#ifdef VANTIX_HAVE_MULTIMEDIA
#include <QSoundEffect>
#endif

namespace vantix::shell {

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {}

void SoundPlayer::play(const QString& hostFile) {
    // Only the latest effects are kept for tests; a long session must not grow the list.
    constexpr qsizetype kKept = 32;
    if (played_.size() >= kKept) played_.remove(0, played_.size() - kKept + 1);
    played_.append(hostFile);
#ifdef VANTIX_HAVE_MULTIMEDIA
    // Each effect owns its player until it finishes, so effects may overlap.
    auto* effect = new QSoundEffect(this);
    connect(effect, &QSoundEffect::playingChanged, effect, [effect] {
        if (!effect->isPlaying()) effect->deleteLater();
    });
    effect->setSource(QUrl::fromLocalFile(hostFile));
    effect->play();
#endif
}

}  // namespace vantix::shell
