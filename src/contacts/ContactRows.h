// SPDX-License-Identifier: MIT
// The contact rows as the contact windows read and remove them: a contact is found by its
// number, its birthday rows by that number, their reminders by rem_no.
#pragma once

#include "contacts/rules/ContactRules.h"
#include "store/Database.h"

#include <optional>

namespace contacts {

/// A stored contact with its birthday's reminder row, when it has one.
struct StoredContact
{
    store::Record contact;
    std::optional<store::Record> reminder;
};

/// The contact of that number; nothing when none has it.
std::optional<StoredContact> readContact(const store::Database &db, qint64 contactNo);

/// The number of the first contact in table order whose category, first and last name equal the
/// criteria exactly (letter case included); an empty criterion matches an empty name only.
std::optional<qint64> findContact(const store::Database &db, const SearchCriteria &criteria);

bool hasContacts(const store::Database &db);

/// Removes the contact of that number with its birthday rows and their reminders. False when no
/// contact has that number.
bool removeContact(store::Database &db, qint64 contactNo);

/// The birthday rows of a contact, in table order.
QList<store::Record> birthdaysOf(const store::Database &db, qint64 contactNo);
/// The reminder rows of a number; none for 0.
QList<store::Record> remindersNumbered(const store::Database &db, qint64 remNo);

} // namespace contacts
