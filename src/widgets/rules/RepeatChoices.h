// SPDX-License-Identifier: MIT
// The repeat choices the editors offer, and the days of a series they work on.
#pragma once

#include "store/RepeatRule.h"

#include <QStringList>

namespace records {

/// The repeat combo's fixed items: "Does not repeat", the four presets, "Custom…".
const QStringList &repeatChoices();
/// The rule of a fixed item: none for "Does not repeat" (and "Custom…"), else every 1 day, week
/// (on the start's weekday), month (on the start's day) or year, without end.
std::optional<store::RepeatRule> presetRule(int choice);
/// The fixed item that means the rule; -1 when only a custom rule says it.
int presetChoiceOf(const std::optional<store::RepeatRule> &rule);

/// The days a monthly rule may keep from a start, in MonthlyBy order: "On day 14", "On the
/// second Tuesday", and "On the last Friday" only when the start lies in its month's last 7 days.
QStringList monthlyChoices(QDate start);

/// The first day of a series that is not left out; the start when none is found.
QDate firstOpenOccurrence(const store::Repeat &repeat, QDate start);

} // namespace records
