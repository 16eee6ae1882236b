// SPDX-License-Identifier: MIT
#include "platform/ModuleSoundPlayer.h"

#include <QDir>
#include <QLibrary>
#include <QtDebug>

std::unique_ptr<SoundPlayer> loadSoundModule(const QString &folder)
{
    // The module stays loaded until the program ends, as the player's code lives in it.
    QLibrary module(QDir(folder).filePath(QStringLiteral("orrisday-sound")));
    using Maker = SoundPlayer *(*)();
    if (const auto make = reinterpret_cast<Maker>(module.resolve("orrisday_new_sound_player")))
        return std::unique_ptr<SoundPlayer>(make());
    qWarning("No sound can be played: %s", qPrintable(module.errorString()));
    return nullptr;
}

void ModuleSoundPlayer::play(const QString &path)
{
    if (!m_loaded) {
        m_loaded = true;
        m_player = loadSoundModule(m_folder);
    }
    if (m_player)
        m_player->play(path);
}
