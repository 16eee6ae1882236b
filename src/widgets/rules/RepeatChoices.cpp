// SPDX-License-Identifier: MIT
#include "widgets/rules/RepeatChoices.h"

namespace records {

using store::Frequency;
using store::RepeatRule;

const QStringList &repeatChoices()
{
    static const QStringList choices { QStringLiteral("Does not repeat"), QStringLiteral("Daily"),
        QStringLiteral("Weekly"), QStringLiteral("Monthly"), QStringLiteral("Yearly"), QStringLiteral("Custom…") };
    return choices;
}

std::optional<RepeatRule> presetRule(int choice)
{
    static const Frequency frequencies[] { Frequency::Daily, Frequency::Weekly, Frequency::Monthly, Frequency::Yearly };
    if (choice < 1 || choice > 4)
        return std::nullopt;
    RepeatRule rule;
    rule.frequency = frequencies[choice - 1];
    return rule;
}

int presetChoiceOf(const std::optional<RepeatRule> &rule)
{
    for (int choice = 0; choice <= 4; ++choice)
        if (presetRule(choice) == rule)
            return choice;
    return -1;
}

QStringList monthlyChoices(QDate start)
{
    static const QStringList ordinals { QStringLiteral("first"), QStringLiteral("second"), QStringLiteral("third"),
        QStringLiteral("fourth"), QStringLiteral("fifth") };
    static const QStringList weekdays { QStringLiteral("Monday"), QStringLiteral("Tuesday"),
        QStringLiteral("Wednesday"), QStringLiteral("Thursday"), QStringLiteral("Friday"), QStringLiteral("Saturday"),
        QStringLiteral("Sunday") };
    const QString weekday = weekdays.at(start.dayOfWeek() - 1);
    QStringList choices { QStringLiteral("On day %1").arg(start.day()),
        QStringLiteral("On the %1 %2").arg(ordinals.at((start.day() - 1) / 7), weekday) };
    if (start.day() > start.daysInMonth() - 7)
        choices << QStringLiteral("On the last %1").arg(weekday);
    return choices;
}

QDate firstOpenOccurrence(const store::Repeat &repeat, QDate start)
{
    // A year at a time: the left-out days are few, so one of the first years holds an open one.
    const QDate last = store::lastOccurrence(repeat.rule, start);
    QDate from = start;
    for (int year = 0; year < 100 && !(last.isValid() && from > last); ++year) {
        const QDate to = from.addYears(1);
        const QList<QDate> days = store::occurrences(repeat, start, from, to);
        if (!days.isEmpty())
            return days.first();
        from = to.addDays(1);
    }
    return start;
}

} // namespace records
