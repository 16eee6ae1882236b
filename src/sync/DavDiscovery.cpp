// SPDX-License-Identifier: MIT
// Finding an account's calendar and address book (declared in DavClient.h).
#include "sync/DavClient.h"

namespace syncing {

namespace {

const QByteArray CollectionProps = "<d:resourcetype/><c:supported-calendar-component-set/>";
const QByteArray PrincipalProps = "<d:current-user-principal/>";
const QByteArray HomeProps = "<c:calendar-home-set/><card:addressbook-home-set/>";
const QString OurName = QStringLiteral("Orrisday");

bool isCalendar(const DavEntry &entry)
{
    return entry.types.contains(QStringLiteral("calendar"));
}

bool isAddressBook(const DavEntry &entry)
{
    return entry.types.contains(QStringLiteral("addressbook"));
}

bool takesTasksAndSchedules(const DavEntry &entry)
{
    return entry.components.isEmpty()
        || (entry.components.contains(QStringLiteral("VEVENT")) && entry.components.contains(QStringLiteral("VTODO")));
}

/// A calendar that names no components takes every kind.
bool takesJournals(const DavEntry &entry)
{
    return entry.components.isEmpty() || entry.components.contains(QStringLiteral("VJOURNAL"));
}

/// The properties of one resource.
DavAnswer describe(DavClient &client, const QUrl &url, const QByteArray &props, DavEntry *entry)
{
    QList<DavEntry> entries;
    DavAnswer answer = client.propfind(url, 0, props, &entries);
    if (answer.succeeded() && entries.isEmpty())
        answer.failure = QStringLiteral("The server's answer could not be read: it names nothing.");
    else if (answer.succeeded())
        *entry = entries.first();
    return answer;
}

/// The principal the server's well-known addresses lead to; empty when they lead nowhere.
QString wellKnownPrincipal(DavClient &client, const QUrl &start)
{
    for (const char *path : { "/.well-known/caldav", "/.well-known/carddav" }) {
        DavEntry entry;
        if (describe(client, start.resolved(QUrl(QString::fromLatin1(path))), PrincipalProps, &entry).succeeded()
            && !entry.principal.isEmpty())
            return entry.principal;
    }
    return {};
}

/// The first fitting collection of a home, or one made there when it holds none; for a calendar,
/// whether it takes journal entries too.
DavAnswer findOrMake(DavClient &client, const QString &homeHref, bool addressBook, QUrl *found, bool *journals)
{
    const QUrl home = asFolder(client.urlOf(homeHref));
    QList<DavEntry> entries;
    DavAnswer answer = client.propfind(home, 1, CollectionProps, &entries);
    if (!answer.succeeded())
        return answer;
    for (const DavEntry &entry : std::as_const(entries)) {
        if (addressBook ? isAddressBook(entry) : isCalendar(entry) && takesTasksAndSchedules(entry)) {
            *found = asFolder(client.urlOf(entry.href));
            if (journals)
                *journals = takesJournals(entry);
            return answer;
        }
    }
    const QUrl made = home.resolved(QUrl(addressBook ? QStringLiteral("orrisday-contacts/") : QStringLiteral("orrisday-calendar/")));
    answer = client.makeCollection(made, addressBook, OurName);
    if (answer.succeeded())
        *found = made;
    return answer;
}

} // namespace

DavAnswer discoverCollections(DavClient &client, Collections *found)
{
    *found = {};
    const QUrl start = client.account().server;
    DavEntry self;
    DavAnswer answer = describe(client, start, CollectionProps + PrincipalProps + HomeProps, &self);
    if (answer.status == 0 || answer.status == 401)
        return answer;
    if (answer.succeeded() && isCalendar(self)) {
        found->calendar = asFolder(start);
        found->journals = takesJournals(self);
    }
    if (answer.succeeded() && isAddressBook(self))
        found->addressBook = asFolder(start);

    QString principal = self.principal;
    if (principal.isEmpty() && found->calendar.isEmpty() && found->addressBook.isEmpty()
        && self.calendarHome.isEmpty() && self.addressBookHome.isEmpty())
        principal = wellKnownPrincipal(client, start);
    DavEntry homes = self; // a principal given directly names its homes itself
    if (!principal.isEmpty()) {
        answer = describe(client, client.urlOf(principal), HomeProps, &homes);
        if (!answer.succeeded())
            return answer;
    }
    if (found->calendar.isEmpty() && !homes.calendarHome.isEmpty()) {
        answer = findOrMake(client, homes.calendarHome, false, &found->calendar, &found->journals);
        if (!answer.succeeded())
            return answer;
    }
    if (found->addressBook.isEmpty() && !homes.addressBookHome.isEmpty()) {
        answer = findOrMake(client, homes.addressBookHome, true, &found->addressBook, nullptr);
        if (!answer.succeeded())
            return answer;
    }
    if (found->calendar.isEmpty() && found->addressBook.isEmpty() && answer.succeeded())
        answer.failure = QStringLiteral("The server offers no calendar or address book at this address.");
    return answer;
}

} // namespace syncing
