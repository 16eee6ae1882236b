// SPDX-License-Identifier: MIT
#include "platform/sound/QtSoundPlayer.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>

QtSoundPlayer::~QtSoundPlayer()
{
    delete m_player;
    delete m_output;
}

void QtSoundPlayer::play(const QString &path)
{
    // The player is made on first use, so a program that never rings pays nothing for it.
    if (!m_player) {
        m_player = new QMediaPlayer;
        m_output = new QAudioOutput;
        m_player->setAudioOutput(m_output);
    }
    m_player->stop();
    m_player->setSource(QUrl::fromLocalFile(path));
    m_player->play();
}

extern "C" Q_DECL_EXPORT SoundPlayer *orrisday_new_sound_player()
{
    return new QtSoundPlayer;
}
