// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Services.h"

#include <memory>

/// The player of the sound module in a folder (`orrisday-sound`, built on Qt Multimedia); none,
/// with a warning, when the module is missing or cannot be loaded.
std::unique_ptr<SoundPlayer> loadSoundModule(const QString &folder);

/// Plays sounds through the sound module beside the program, loaded at the first sound: the audio
/// libraries are many, and a start that never rings should not wait for them. Without the module
/// nothing plays, as on a machine without audio.
class ModuleSoundPlayer final : public SoundPlayer
{
public:
    explicit ModuleSoundPlayer(const QString &folder) : m_folder(folder) {}
    void play(const QString &path) override;

private:
    QString m_folder;
    std::unique_ptr<SoundPlayer> m_player;
    bool m_loaded = false;
};
