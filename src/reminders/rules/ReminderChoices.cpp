// SPDX-License-Identifier: MIT
#include "reminders/rules/ReminderChoices.h"

namespace reminders {

SoundChoice soundChoiceOf(const QString &sound, const QString &defaultSound)
{
    if (sound.isEmpty())
        return SoundChoice::Unset;
    if (sound == NoSound)
        return SoundChoice::NoSound;
    if (sound == defaultSound)
        return SoundChoice::DefaultSound;
    return SoundChoice::SoundFile;
}

MessageChoice messageChoiceOf(const QString &message)
{
    if (message.isEmpty())
        return MessageChoice::Unset;
    if (message == NoMessage)
        return MessageChoice::NoMessage;
    if (message == DefaultMessage)
        return MessageChoice::DefaultMessage;
    return MessageChoice::CustomMessage;
}

QString programShown(const QString &program)
{
    return program == NoProgram ? QString() : program;
}

std::optional<QString> soundToWrite(SoundChoice choice, const QString &fileText, const QString &defaultSound)
{
    switch (choice) {
    case SoundChoice::NoSound:
        return NoSound;
    case SoundChoice::DefaultSound:
        return defaultSound;
    case SoundChoice::SoundFile:
        return fileText;
    case SoundChoice::Unset:
        break;
    }
    return std::nullopt;
}

std::optional<QString> messageToWrite(MessageChoice choice, const QString &customText)
{
    switch (choice) {
    case MessageChoice::NoMessage:
        return NoMessage;
    case MessageChoice::DefaultMessage:
        return DefaultMessage;
    case MessageChoice::CustomMessage:
        return customText;
    case MessageChoice::Unset:
        break;
    }
    return std::nullopt;
}

QString programToWrite(const QString &programText)
{
    return programText.isEmpty() ? NoProgram : programText;
}

bool reminderIsUndated(bool ticked, const QString &dateText, const QString &timeText)
{
    return !ticked || (dateText.isEmpty() && timeText.isEmpty());
}

} // namespace reminders
