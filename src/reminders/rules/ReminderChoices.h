// SPDX-License-Identifier: MIT
// The texts a reminder's sound, message and program take, and how the editors fill in a
// reminder's date and time.
#pragma once

#include <QString>
#include <optional>

namespace reminders {

inline const QString NoSound = QStringLiteral("No Sound");
inline const QString NoMessage = QStringLiteral("No Message");
inline const QString DefaultMessage = QStringLiteral("Please Check This Out");
inline const QString NoProgram = QStringLiteral("No Prg");

/// Unset, then the options in the order the advance dialog shows them.
enum class SoundChoice { Unset, NoSound, DefaultSound, SoundFile };
enum class MessageChoice { Unset, NoMessage, DefaultMessage, CustomMessage };

/// The sound option a stored sound text stands for.
SoundChoice soundChoiceOf(const QString &sound, const QString &defaultSound);
/// The message option a stored message text stands for.
MessageChoice messageChoiceOf(const QString &message);
/// The program box's text for a stored program text.
QString programShown(const QString &program);

/// The sound text an option writes back; nothing when no option is chosen.
std::optional<QString> soundToWrite(SoundChoice choice, const QString &fileText, const QString &defaultSound);
/// The message text an option writes back; nothing when no option is chosen.
std::optional<QString> messageToWrite(MessageChoice choice, const QString &customText);
/// The program text written back: the box's text, or "No Prg" when it is empty.
QString programToWrite(const QString &programText);

/// Whether a reminder is stored without date and time (the no-date value): it is not ticked, or
/// it is ticked with both its date and time left empty.
bool reminderIsUndated(bool ticked, const QString &dateText, const QString &timeText);

} // namespace reminders
