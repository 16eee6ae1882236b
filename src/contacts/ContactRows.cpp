// SPDX-License-Identifier: MIT
#include "contacts/ContactRows.h"

#include "store/Removal.h"

namespace contacts {

using store::Table;

namespace {

// A bound null would match nothing, even where an empty name is asked for.
QString nonNull(const QString &text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

} // namespace

QList<store::Record> birthdaysOf(const store::Database &db, qint64 contactNo)
{
    return db.records(Table::Birthday, QStringLiteral("birthday_contact_no = ?"), { contactNo });
}

QList<store::Record> remindersNumbered(const store::Database &db, qint64 remNo)
{
    if (remNo == 0)
        return {};
    return db.records(Table::Reminder, QStringLiteral("rem_no = ?"), { remNo });
}

std::optional<StoredContact> readContact(const store::Database &db, qint64 contactNo)
{
    const QList<store::Record> found = db.records(Table::Contact, QStringLiteral("contact_no = ?"), { contactNo });
    if (found.isEmpty())
        return std::nullopt;
    StoredContact stored { found.first(), std::nullopt };
    for (const store::Record &birthday : birthdaysOf(db, contactNo)) {
        const QList<store::Record> reminders = remindersNumbered(db, birthday.number(3));
        if (!reminders.isEmpty())
            stored.reminder = reminders.last();
    }
    return stored;
}

std::optional<qint64> findContact(const store::Database &db, const SearchCriteria &criteria)
{
    QSqlQuery query = db.run(QStringLiteral("SELECT contact_no FROM CONTACT_INFO "
                                            "WHERE IFNULL(contact_fname, '') = ? AND IFNULL(contact_lname, '') = ? "
                                            "AND IFNULL(contact_category, '') = ? ORDER BY rowid LIMIT 1"),
        { nonNull(criteria.firstName), nonNull(criteria.lastName), nonNull(criteria.category) });
    if (!query.next())
        return std::nullopt;
    return query.value(0).toLongLong();
}

bool hasContacts(const store::Database &db)
{
    return db.run(QStringLiteral("SELECT 1 FROM CONTACT_INFO LIMIT 1")).next();
}

bool removeContact(store::Database &db, qint64 contactNo)
{
    const QList<store::Record> contacts
        = db.records(Table::Contact, QStringLiteral("contact_no = ?"), { contactNo });
    for (const store::Record &contact : contacts)
        store::removeRecord(db, Table::Contact, contact.rowid);
    return !contacts.isEmpty();
}

} // namespace contacts
