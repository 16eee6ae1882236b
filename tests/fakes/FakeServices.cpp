// SPDX-License-Identifier: MIT
#include "fakes/FakeServices.h"

#include "reminders/rules/WallClock.h"

void FakeClock::set(QDate day, QTime time)
{
    const qint64 second = reminders::instantOf(reminders::wallSecond(day, time), reminders::zoneOf(m_now));
    moveTo(second * 1000 + time.msec());
}

void FakeClock::zoneChanged()
{
    show(m_msecs);
    emit wallClockChanged();
}

void FakeClock::moveTo(qint64 msecs)
{
    const qint64 step = msecs - m_msecs;
    show(msecs);
    if (step < 0 || step > 1000)
        emit wallClockChanged();
}

void FakeDialogs::message(const QString &text, MessageIcon icon, const QString &title)
{
    shown.append({text, icon, title});
    if (onMessage)
        onMessage();
}

std::optional<QString> FakeDialogs::openFile(const QString &filter, const QString &defaultSuffix)
{
    fileRequests.append({filter, defaultSuffix});
    return fileAnswers.isEmpty() ? std::nullopt : fileAnswers.takeFirst();
}

QStringList FakeDialogs::openFiles(const QString &filter)
{
    fileRequests.append({filter, {}});
    return filesAnswers.isEmpty() ? QStringList() : filesAnswers.takeFirst();
}

QStringList FakeDialogs::takeTexts()
{
    QStringList texts;
    for (const ShownMessage &m : std::as_const(shown))
        texts << m.text;
    shown.clear();
    return texts;
}
