// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Services.h"

class QMediaPlayer;
class QAudioOutput;

/// Plays sounds through Qt Multimedia; a machine without audio plays nothing.
class QtSoundPlayer final : public SoundPlayer
{
public:
    ~QtSoundPlayer() override;
    void play(const QString &path) override;

private:
    QMediaPlayer *m_player = nullptr;
    QAudioOutput *m_output = nullptr;
};
