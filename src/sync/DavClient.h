// SPDX-License-Identifier: MIT
// A CalDAV/CardDAV server as the sync sees it: blocking requests on the calling thread (which
// must be able to run an event loop), each given up after a time, with the answers' multistatus
// bodies read into entries. A client is made and used on one thread; while a request waits, the
// thread's other events run (user input excepted), so a worker thread suits it best.
#pragma once

#include <QByteArray>
#include <QList>
#include <QNetworkAccessManager>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <chrono>
#include <optional>

namespace syncing {

struct DavAccount
{
    QUrl server; ///< where discovery starts: a server base, a principal, a home set or a collection
    QString user;
    QString password;
};

/// What came back for one request.
struct DavAnswer
{
    int status = 0;   ///< the HTTP status; 0 when no answer came at all
    QString failure;  ///< why the request failed, in words for the user; empty when it succeeded (2xx)
    QByteArray body;
    QByteArray etag;  ///< the ETag header, quotes kept, as If-Match wants it back; empty when the
                      ///< server gave none (a PUT it stored changed): then read it again

    bool succeeded() const { return failure.isEmpty(); }
};

/// One response of a multistatus body.
struct DavEntry
{
    QString href;      ///< the path as the server wrote it, percent-decoded
    int status = 200;  ///< of the response, or of its found properties; 404 for a removed member
    QByteArray etag;
    QByteArray data;   ///< calendar-data or address-data, with CRLF line ends as a GET gives them
    QStringList types; ///< the resourcetype's element names: "collection", "calendar", "addressbook"
    QStringList components;  ///< a calendar's supported components: "VEVENT", "VTODO", ...
    QString principal;       ///< current-user-principal's href
    QString calendarHome;    ///< calendar-home-set's href
    QString addressBookHome; ///< addressbook-home-set's href
    QString syncToken;
    QString ctag;            ///< getctag
};

/// The changes of a collection since a sync token.
struct CollectionChanges
{
    QList<DavEntry> changed; ///< href and etag of each member added or changed
    QStringList removed;     ///< hrefs of the members removed
    QString token;           ///< the collection's token after these changes
    /// The server no longer knows the token given: start again without. The answer is then the
    /// server's refusal (a failure, with its status).
    bool tokenRefused = false;
};

class DavClient
{
public:
    explicit DavClient(DavAccount account, std::chrono::milliseconds timeout = std::chrono::seconds(30));
    Q_DISABLE_COPY_MOVE(DavClient)

    const DavAccount &account() const { return m_account; }
    /// An href of the server (percent-decoded, as in DavEntry) made a whole URL.
    QUrl urlOf(const QString &href) const;

    /// PROPFIND with the given <prop> children (as XML, namespaces d:, c: (caldav), card:, cs:
    /// (calendarserver) declared) at the depth (0 or 1). Entries are appended, as are all below.
    DavAnswer propfind(const QUrl &url, int depth, const QByteArray &props, QList<DavEntry> *entries);
    /// The members of a collection with their etags (PROPFIND depth 1), the collection and any
    /// collections inside it left out.
    DavAnswer members(const QUrl &collection, QList<DavEntry> *entries);
    /// REPORT sync-collection since `token` (all members for an empty one); `changes` is filled
    /// afresh. A server without it fails here: then compare members() instead.
    DavAnswer changesSince(const QUrl &collection, const QString &token, CollectionChanges *changes);
    /// calendar-multiget or addressbook-multiget (as `addressBook` says) of the hrefs (as DavEntry
    /// holds them), with data; an href the server does not hold comes back with status 404.
    /// Nothing is sent for no hrefs.
    DavAnswer multiget(const QUrl &collection, bool addressBook, const QStringList &hrefs, QList<DavEntry> *entries);
    /// GET of one member.
    DavAnswer get(const QUrl &url);
    /// PUT of a member: `ifMatch` an etag to replace only that version, or creation only
    /// (If-None-Match: *) when empty. A 412 is a failure with status 412: the member changed, or
    /// one exists already.
    DavAnswer put(const QUrl &url, const QByteArray &data, const QByteArray &contentType, const QByteArray &ifMatch);
    /// DELETE of a member, only of the version `ifMatch` when given (412 otherwise).
    DavAnswer remove(const QUrl &url, const QByteArray &ifMatch);
    /// Extended MKCOL of a calendar (for VEVENT and VTODO) or an address book, with a display name.
    DavAnswer makeCollection(const QUrl &url, bool addressBook, const QString &displayName);

private:
    DavAnswer send(const QByteArray &verb, const QUrl &url, const QByteArray &body,
        const QList<std::pair<QByteArray, QByteArray>> &headers);

    DavAccount m_account;
    std::chrono::milliseconds m_timeout;
    QNetworkAccessManager m_network;
};

/// A collection's URL ending in a slash, so that its members' names resolve inside it.
QUrl asFolder(QUrl collection);

/// The collections one account syncs.
struct Collections
{
    QUrl calendar;    ///< for tasks and schedules
    QUrl addressBook; ///< for contacts
    bool journals = false; ///< the calendar takes journal entries too: notes travel as well
};

/// Finds the account's calendar and address book from its URL: the URL itself when it is a
/// collection; else through current-user-principal, calendar-home-set and addressbook-home-set
/// the first calendar that takes VTODO and VEVENT and the first address book of the homes, each
/// made (MKCOL, named "Orrisday", at "<home>orrisday-calendar/" or "<home>orrisday-contacts/")
/// when its home holds none. Found URLs end in a slash. A server offering only one of the two
/// leaves the other empty; neither is a failure. The failure says why in words.
DavAnswer discoverCollections(DavClient &client, Collections *found);

} // namespace syncing
