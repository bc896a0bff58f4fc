// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// The WAV player, in a module of its own that the program loads when it plays its first sound.
// Qt Multimedia and the sound system's client libraries that come with it were a good part of
// the game's start-up, for sounds that only the reward pictures play.
#include <QCoreApplication>
#include <QHash>
#include <QSoundEffect>
#include <QUrl>

// Plays the WAV file at absolutePath asynchronously. One effect per file is kept, so that a
// sound plays to its end after the caller returns.
extern "C" Q_DECL_EXPORT void TarvoPlaySound(const QString& absolutePath)
{
    static QHash<QString, QSoundEffect*> effects;
    QSoundEffect*& effect = effects[absolutePath];
    if (!effect) {
        effect = new QSoundEffect(qApp);
        effect->setSource(QUrl::fromLocalFile(absolutePath));
    }
    effect->stop();
    effect->play();
}
