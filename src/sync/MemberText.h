// SPDX-License-Identifier: MIT
// The text of iCalendar objects and vCards as the sync handles it: split into their components
// by content lines, without reading the values the store keeps.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

namespace syncing::text {

/// One component of a calendar (VTODO, VEVENT, VJOURNAL, VTIMEZONE, ...) or one vCard.
struct Component
{
    QByteArray kind;         ///< upper case: VTODO, VCARD, ...
    QByteArray text;         ///< from its BEGIN line to its END line, as written
    QString uid;             ///< unescaped; empty when it has none
    QByteArray recurrenceId; ///< the value of its RECURRENCE-ID; empty for a record or series
    QByteArray zoneId;       ///< a VTIMEZONE's TZID
    QList<QByteArray> zonesUsed; ///< the TZID parameters of its lines
    bool birthday = false;   ///< one of our birthday events
};

/// A calendar's own properties (VERSION, PRODID, ...) as written, and its components in order.
struct Calendar
{
    QByteArray header;
    QList<Component> components;
};

Calendar calendarOf(const QByteArray &text);
/// The vCards of a text in order.
QList<Component> cardsOf(const QByteArray &text);
/// A calendar object of the header and the components.
QByteArray calendarText(const QByteArray &header, const QList<const Component *> &components);

/// SHA-1, in hex, of the text's unfolded lines without those that change at each writing.
QByteArray digest(const QByteArray &text);

/// The text with each UID replaced by the one `newUids` gives it (a new one made for each UID met
/// first), and the suffix after each summary; a vCard's after its family name and full name.
QByteArray renamed(const QByteArray &text, const QString &suffix, QHash<QString, QString> &newUids);

} // namespace syncing::text
