// SPDX-License-Identifier: MIT
// The store's records as the members of a server's collections: each task and schedule (a series
// with its changed occurrences) one iCalendar object, each contact one vCard; each note too where
// the calendar takes journal entries. Birthdays stay local: servers and phones make birthday
// calendars from the cards' BDAY themselves.
#pragma once

#include "exchange/Matching.h"
#include "store/Database.h"

#include <QByteArray>
#include <QHash>
#include <QString>

namespace syncing {

enum class Kind { Calendar, Contacts };

struct Resource
{
    QString uid;
    Kind kind = Kind::Calendar;
    QByteArray text;   ///< a whole VCALENDAR (with the zones it needs) or one VCARD
    /// SHA-1 in hex of the unfolded text without the lines that may differ with no change of the
    /// record: DTSTAMP, LAST-MODIFIED, REV and PRODID.
    QByteArray digest;
};

/// Thrown when a record cannot be written (a date after the year 3000): the round must stop rather
/// than take the records missing for deletions.
struct Unwritable
{
    QString why; ///< in words for the user
};

/// Every record that travels, by UID; the notes too with `withNotes` (a calendar that takes journal
/// entries). Throws Unwritable.
QHash<QString, Resource> localResources(const store::Database &db, bool withNotes = false);

/// The UID of a server's member; empty when it has none.
QString uidOf(Kind kind, const QByteArray &text);
/// The digest localResources gives a text, for comparing a server's copy with ours.
QByteArray digestOf(const QByteArray &text);

/// Writes the server's copies into the store inside the caller's transaction (store::Error when
/// the store refuses). One writer per round: it knows the records by UID as they change, so the
/// round writes the records only through it while it lives. The rows it makes take their
/// identities as they are made: it puts no hold on the store's own. A server's copy never brings
/// a program for a reminder to start (the report counts those left out).
class RemoteWriter
{
public:
    /// With `withNotes`, a server's journal entries are stored as notes; else they stay there.
    explicit RemoteWriter(store::Database &db, bool withNotes = false);
    ~RemoteWriter();
    Q_DISABLE_COPY_MOVE(RemoteWriter)

    /// Stores a server's copy over the record of its UID (whatever their times of change), or as
    /// a new record under it. False when nothing of it could be stored (a member of a kind that
    /// stays local, or one the readers refuse): it is then left on the server, untouched.
    bool store(Kind kind, const QByteArray &text);
    /// Stores the server's copy only when it changed later than the record of its UID (or there
    /// is none): for a record that both sides hold before they were ever synced. False when ours
    /// stays.
    bool storeIfLater(Kind kind, const QByteArray &text);
    /// Keeps a local version as a new record beside the server's: a new UID, and its summary (a
    /// contact: its last name) followed by " (conflict copy)". Returns the new UID; empty when
    /// nothing of it could be stored.
    QString storeConflictCopy(const Resource &local);
    /// Deletes the record of the UID with its reminders, its changed occurrences and (a contact)
    /// its birthday; nothing when there is none.
    void remove(const QString &uid);

    const exchange::Report &report() const { return m_report; }

private:
    bool write(Kind kind, const QByteArray &text, bool replace);

    store::Database &m_db;
    bool m_withNotes;
    exchange::Report m_report;
    exchange::Matcher m_matcher;
};

} // namespace syncing
