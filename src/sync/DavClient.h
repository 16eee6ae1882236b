// SPDX-License-Identifier: MIT
// A CalDAV/CardDAV server as the sync sees it: blocking requests on the calling thread (which
// must be able to run an event loop), each given up after a time, with the answers' multistatus
// bodies read into entries.
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
    QByteArray etag;  ///< the ETag header, quotes kept, as If-Match wants it back

    bool succeeded() const { return failure.isEmpty(); }
};

/// One response of a multistatus body.
struct DavEntry
{
    QString href;      ///< the path as the server wrote it, percent-decoded
    int status = 200;  ///< of the response, or of its found properties; 404 for a removed member
    QByteArray etag;
    QByteArray data;   ///< calendar-data or address-data
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
    bool tokenRefused = false; ///< the server no longer knows the token given (start again without)
};

class DavClient
{
public:
    explicit DavClient(DavAccount account, std::chrono::milliseconds timeout = std::chrono::seconds(30));
    Q_DISABLE_COPY_MOVE(DavClient)

    const DavAccount &account() const { return m_account; }
    /// An href of the server made a whole URL.
    QUrl urlOf(const QString &href) const;

    /// PROPFIND with the given <prop> children (as XML, namespaces d:, c: (caldav), card:, cs:
    /// (calendarserver) declared) at the depth (0 or 1).
    DavAnswer propfind(const QUrl &url, int depth, const QByteArray &props, QList<DavEntry> *entries);
    /// The members of a collection with their etags (PROPFIND depth 1), the collection left out.
    DavAnswer members(const QUrl &collection, QList<DavEntry> *entries);
    /// REPORT sync-collection since `token` (all members for an empty one).
    DavAnswer changesSince(const QUrl &collection, const QString &token, CollectionChanges *changes);
    /// calendar-multiget or addressbook-multiget (as `addressBook` says) of the hrefs, with data.
    DavAnswer multiget(const QUrl &collection, bool addressBook, const QStringList &hrefs, QList<DavEntry> *entries);
    /// GET of one member.
    DavAnswer get(const QUrl &url);
    /// PUT of a member: `ifMatch` an etag to replace only that version, or "*"-less creation
    /// (If-None-Match: *) when empty. A 412 is a failure with status 412.
    DavAnswer put(const QUrl &url, const QByteArray &data, const QByteArray &contentType, const QByteArray &ifMatch);
    /// DELETE of a member, only of the version `ifMatch` when given.
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

/// The collections one account syncs.
struct Collections
{
    QUrl calendar;    ///< for tasks and schedules
    QUrl addressBook; ///< for contacts
};

/// Finds the account's calendar and address book from its URL: the URL itself when it is a
/// collection; else through current-user-principal, calendar-home-set and addressbook-home-set
/// the first calendar that takes VTODO and VEVENT and the first address book of the homes, each
/// made (MKCOL, named "Orrisday") when its home holds none. The failure says why in words.
DavAnswer discoverCollections(DavClient &client, Collections *found);

} // namespace syncing
