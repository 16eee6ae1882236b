// SPDX-License-Identifier: MIT
// How a contact's entries are stored, how its birthday reminder follows an update, and what a
// search looks for.
#pragma once

#include <QString>

namespace contacts {

/// The entries the store never keeps empty: the phone numbers ("0") and the birth date (the
/// no-date value).
struct FilledEntries
{
    QString phone;
    QString mobile;
    QString companyPhone;
    QString fax;
    QString birthDate;
};
FilledEntries withStoredDefaults(FilledEntries entries);

/// The birth date a stored text shows: empty for the no-date value.
QString birthDateShown(const QString &stored);

/// The birthday reminder's message: "First . Last's Birthday" for a new contact, "First Last's
/// Birthday" for an updated one.
QString birthdayMessage(const QString &firstName, const QString &lastName, bool added);

/// What an update does with the birthday's reminder.
enum class ReminderStep {
    Add,       ///< a new reminder row, numbered afresh
    Keep,      ///< none before, none now
    Renumber,  ///< the reminder row is rewritten under a new number
    Remove,    ///< the reminder row is blanked and deleted, the birthday points to none
    Untouched, ///< the birthday names a reminder row that is gone: leave both as they are
};
ReminderStep reminderStep(bool birthdayHasReminder, bool reminderRowExists, bool ticked);

/// A search's criteria: the category and the first name trimmed, the last name as typed.
struct SearchCriteria
{
    QString category;
    QString firstName;
    QString lastName;
};
SearchCriteria searchCriteria(const QString &category, const QString &firstName, const QString &lastName);
/// Whether nothing at all was entered.
bool nothingEntered(const QString &category, const QString &firstName, const QString &lastName);

/// Whether every character of a typed text is a digit 0-9.
bool onlyDigits(const QString &typed);

} // namespace contacts
