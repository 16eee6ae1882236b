// SPDX-License-Identifier: MIT
#include "contacts/rules/ContactRules.h"

#include "store/DateTimeText.h"

#include <algorithm>

namespace contacts {

namespace {

QString orElse(const QString &text, const QString &fallback)
{
    return text.isEmpty() ? fallback : text;
}

} // namespace

FilledEntries withStoredDefaults(FilledEntries entries)
{
    const QString zero = QStringLiteral("0");
    entries.phone = orElse(entries.phone, zero);
    entries.mobile = orElse(entries.mobile, zero);
    entries.companyPhone = orElse(entries.companyPhone, zero);
    entries.fax = orElse(entries.fax, zero);
    entries.birthDate = orElse(entries.birthDate.trimmed(), store::NoDate);
    return entries;
}

QString birthDateShown(const QString &stored)
{
    return stored == store::NoDate ? QString() : stored;
}

QString birthdayMessage(const QString &firstName, const QString &lastName, bool added)
{
    return firstName + (added ? QStringLiteral(" . ") : QStringLiteral(" ")) + lastName + QStringLiteral("'s Birthday");
}

ReminderStep reminderStep(bool birthdayHasReminder, bool reminderRowExists, bool ticked)
{
    if (!birthdayHasReminder)
        return ticked ? ReminderStep::Add : ReminderStep::Keep;
    if (!reminderRowExists)
        return ReminderStep::Untouched;
    return ticked ? ReminderStep::Renumber : ReminderStep::Remove;
}

SearchCriteria searchCriteria(const QString &category, const QString &firstName, const QString &lastName)
{
    return { category.trimmed(), firstName.trimmed(), lastName };
}

bool nothingEntered(const QString &category, const QString &firstName, const QString &lastName)
{
    return category.isEmpty() && firstName.isEmpty() && lastName.isEmpty();
}

bool onlyDigits(const QString &typed)
{
    return std::all_of(typed.begin(), typed.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace contacts
