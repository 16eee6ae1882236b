// SPDX-License-Identifier: MIT
#include "sync/SyncRound.h"

#include "store/Database.h"
#include "sync/SyncState.h"

#include <QCryptographicHash>
#include <QRegularExpression>

namespace syncing {
namespace {

constexpr int BatchSize = 50;

QByteArray contentType(Kind kind)
{
    return kind == Kind::Calendar ? "text/calendar; charset=utf-8" : "text/vcard; charset=utf-8";
}

/// A new member's name: its UID where that is safe in a path, a digest of it where not.
QString memberName(const Resource &resource)
{
    static const QRegularExpression safe(QStringLiteral("^[A-Za-z0-9._@-]{1,200}$"));
    const QString base = safe.match(resource.uid).hasMatch()
        ? resource.uid
        : QString::fromLatin1(QCryptographicHash::hash(resource.uid.toUtf8(), QCryptographicHash::Sha1).toHex());
    return base + (resource.kind == Kind::Calendar ? QStringLiteral(".ics") : QStringLiteral(".vcf"));
}

/// The server's changes to one collection, fetched and not yet stored.
struct Incoming
{
    Kind kind = Kind::Calendar;
    QString collection;
    QList<DavEntry> fetched;
    QStringList removed;
    QString token;
};

/// Thrown out of a round that cannot go on; what it finished is kept.
struct Stopped
{
    QString why;
};

class Round
{
public:
    Round(store::Database &db, DavClient &client, const Collections &collections, SyncResult &result)
        : m_db(db), m_client(client), m_collections(collections), m_result(result)
    {
    }

    void run()
    {
        prepareSyncState(m_db);
        // The server first: a round that cannot reach it does not write the store out for nothing.
        const QList<Incoming> incoming = { fetch(Kind::Calendar), fetch(Kind::Contacts) };
        QHash<QString, Resource> local = localResources(m_db, m_collections.journals);
        store(incoming, local);
        // Conflict copies made on the way are new records, sent by a second pass.
        for (int pass = 0; pass < 2; ++pass) {
            const int conflicts = m_result.conflicts;
            push(local);
            if (m_result.conflicts == conflicts)
                break;
            local = localResources(m_db, m_collections.journals);
        }
    }

private:
    static void check(const DavAnswer &answer)
    {
        if (!answer.succeeded())
            throw Stopped { answer.failure };
    }

    QUrl collectionOf(Kind kind) const
    {
        return asFolder(kind == Kind::Calendar ? m_collections.calendar : m_collections.addressBook);
    }

    /// The members added, changed and removed on the server since the saved token; every member
    /// when there is none, the server forgot it, or it keeps no tokens (then the etags tell).
    Incoming fetch(Kind kind)
    {
        const QUrl collection = collectionOf(kind);
        Incoming in { kind, collection.toString(), {}, {}, {} };
        const QString token = syncToken(m_db, in.collection);
        CollectionChanges changes;
        DavAnswer answer = m_client.changesSince(collection, token, &changes);
        if (changes.tokenRefused && !token.isEmpty()) {
            changes = {};
            answer = m_client.changesSince(collection, {}, &changes);
        }
        bool whole = token.isEmpty() || changes.tokenRefused;
        if (!answer.succeeded() && answer.status >= 400 && answer.status != 401) {
            changes = {};
            check(m_client.members(collection, &changes.changed));
            whole = true;
        } else {
            check(answer);
        }
        in.token = changes.token;
        in.removed = changes.removed;

        QHash<QString, SyncedItem> byHref;
        for (const SyncedItem &item : syncedItems(m_db))
            if (item.kind == kind)
                byHref.insert(item.href, item);
        QStringList wanted;
        QSet<QString> listed;
        for (const DavEntry &entry : std::as_const(changes.changed)) {
            listed.insert(entry.href);
            const auto known = byHref.constFind(entry.href);
            if (known == byHref.cend() || known->etag.isEmpty() || known->etag != entry.etag)
                wanted << entry.href;
        }
        if (whole)
            for (const SyncedItem &item : std::as_const(byHref))
                if (!listed.contains(item.href))
                    in.removed << item.href;
        for (qsizetype at = 0; at < wanted.size(); at += BatchSize) {
            QList<DavEntry> batch;
            check(m_client.multiget(collection, kind == Kind::Contacts, wanted.mid(at, BatchSize), &batch));
            for (const DavEntry &entry : std::as_const(batch))
                if (entry.status == 404)
                    in.removed << entry.href;
                else if (entry.status < 300)
                    in.fetched << entry;
        }
        return in;
    }

    /// Stores what came from the server, with the collections' new tokens, in one transaction.
    void store(const QList<Incoming> &incoming, QHash<QString, Resource> &local)
    {
        const QHash<QString, SyncedItem> items = syncedItems(m_db);
        QHash<QString, SyncedItem> byHref;
        for (const SyncedItem &item : items)
            byHref.insert(item.href, item);
        store::Transaction transaction(m_db);
        RemoteWriter writer(m_db, m_collections.journals);
        QList<SyncedItem> agreed;   // the server's version is now ours too
        QList<SyncedItem> keptOurs; // ours differs and goes to the server
        QList<Resource> changedBoth;
        bool wrote = false;
        for (const Incoming &in : incoming) {
            for (const QString &href : in.removed)
                wrote |= removeHere(writer, byHref.value(href), local);
            for (const DavEntry &entry : in.fetched) {
                const QString uid = uidOf(in.kind, entry.data);
                if (uid.isEmpty())
                    continue;
                SyncedItem item { uid, in.kind, entry.href, entry.etag, {}, false };
                const auto known = items.constFind(uid);
                const auto mine = local.constFind(uid);
                if (mine != local.cend() && mine->digest == digestOf(entry.data)) {
                    item.digest = mine->digest;
                    saveSyncedItem(m_db, item);
                    continue;
                }
                wrote = true;
                if (known == items.cend() || known->remoteOnly) {
                    if (mine != local.cend()) {
                        // Both sides hold the record and never synced it: the later version wins.
                        (writer.storeIfLater(in.kind, entry.data) ? agreed : keptOurs) << item;
                        ++m_result.updated;
                        continue;
                    }
                    item.remoteOnly = !writer.store(in.kind, entry.data);
                    if (!item.remoteOnly)
                        ++m_result.added;
                } else {
                    // Changed on both sides: told apart once the server's copy is stored, since
                    // servers may write a record in words of their own.
                    if (mine != local.cend() && mine->digest != known->digest)
                        changedBoth << *mine;
                    else
                        ++m_result.updated;
                    // A record deleted here but changed there comes back.
                    item.remoteOnly = !writer.store(in.kind, entry.data);
                }
                (item.remoteOnly ? keptOurs : agreed) << item;
            }
        }
        if (wrote) {
            local = localResources(m_db, m_collections.journals);
            m_result.changedStore = true;
        }
        for (SyncedItem item : std::as_const(agreed)) {
            item.digest = local.value(item.uid).digest;
            saveSyncedItem(m_db, item);
        }
        for (const SyncedItem &item : std::as_const(keptOurs))
            saveSyncedItem(m_db, item);
        for (const Incoming &in : incoming)
            saveSyncToken(m_db, in.collection, in.token);
        for (const Resource &mine : std::as_const(changedBoth))
            keepConflictCopy(writer, mine, local);
        transaction.commit();
    }

    /// Keeps our version of a record beside the server's just stored, where the two differ.
    void keepConflictCopy(RemoteWriter &writer, const Resource &mine, const QHash<QString, Resource> &local)
    {
        if (local.value(mine.uid).digest == mine.digest)
            return;
        writer.storeConflictCopy(mine);
        ++m_result.conflicts;
    }

    /// A member removed on the server: the record goes here too, unless it changed here since.
    bool removeHere(RemoteWriter &writer, const SyncedItem &known, const QHash<QString, Resource> &local)
    {
        if (known.uid.isEmpty())
            return false;
        forgetSyncedItem(m_db, known.uid);
        const auto mine = local.constFind(known.uid);
        // Changed here: it goes back to the server as a new member.
        if (known.remoteOnly || mine == local.cend() || mine->digest != known.digest)
            return false;
        writer.remove(known.uid);
        ++m_result.deleted;
        return true;
    }

    void push(const QHash<QString, Resource> &local)
    {
        const QHash<QString, SyncedItem> items = syncedItems(m_db);
        for (const Resource &mine : local) {
            const auto known = items.constFind(mine.uid);
            if (known == items.cend())
                create(mine);
            else if (!known->remoteOnly && known->digest != mine.digest)
                replace(mine, *known);
        }
        for (const SyncedItem &item : items)
            if (!item.remoteOnly && !local.contains(item.uid))
                removeThere(item);
    }

    void create(const Resource &mine)
    {
        const QUrl url = collectionOf(mine.kind).resolved(QUrl(memberName(mine)));
        const DavAnswer put = m_client.put(url, mine.text, contentType(mine.kind), {});
        if (put.status == 412)
            return settle(mine, url.path());
        check(put);
        saveSyncedItem(m_db, { mine.uid, mine.kind, url.path(), put.etag, mine.digest, false });
        ++m_result.added;
    }

    void replace(const Resource &mine, const SyncedItem &known)
    {
        const DavAnswer put = m_client.put(m_client.urlOf(known.href), mine.text, contentType(mine.kind), known.etag);
        if (put.status == 412 || put.status == 404)
            return settle(mine, known.href);
        check(put);
        saveSyncedItem(m_db, { mine.uid, mine.kind, known.href, put.etag, mine.digest, false });
        ++m_result.updated;
    }

    /// The server refused our version of a member for one it holds: its version is kept, and
    /// ours beside it as a conflict copy where the two differ.
    void settle(const Resource &mine, const QString &href)
    {
        const DavAnswer theirs = m_client.get(m_client.urlOf(href));
        if (theirs.status == 404) {
            forgetSyncedItem(m_db, mine.uid);
            return create(mine);
        }
        check(theirs);
        SyncedItem item { mine.uid, mine.kind, href, theirs.etag, mine.digest, false };
        if (digestOf(theirs.body) == mine.digest)
            return saveSyncedItem(m_db, item);
        store::Transaction transaction(m_db);
        RemoteWriter writer(m_db, m_collections.journals);
        writer.store(mine.kind, theirs.body);
        const QHash<QString, Resource> local = localResources(m_db, m_collections.journals);
        item.digest = local.value(mine.uid).digest;
        saveSyncedItem(m_db, item);
        keepConflictCopy(writer, mine, local);
        transaction.commit();
        m_result.changedStore = true;
    }

    /// A record deleted here: its member goes, unless the server's changed since; that one comes
    /// back here.
    void removeThere(const SyncedItem &item)
    {
        const DavAnswer gone = m_client.remove(m_client.urlOf(item.href), item.etag);
        if (gone.status == 412) {
            const DavAnswer theirs = m_client.get(m_client.urlOf(item.href));
            check(theirs);
            store::Transaction transaction(m_db);
            RemoteWriter writer(m_db, m_collections.journals);
            SyncedItem back = item;
            back.etag = theirs.etag;
            back.remoteOnly = !writer.store(item.kind, theirs.body);
            back.digest = localResources(m_db, m_collections.journals).value(item.uid).digest;
            saveSyncedItem(m_db, back);
            transaction.commit();
            ++m_result.conflicts;
            m_result.changedStore = true;
            return;
        }
        if (gone.status != 404)
            check(gone);
        forgetSyncedItem(m_db, item.uid);
        ++m_result.deleted;
    }

    store::Database &m_db;
    DavClient &m_client;
    const Collections &m_collections;
    SyncResult &m_result;
};

QString counted(int count, const char *one, const char *many)
{
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
}

} // namespace

QString SyncResult::summary() const
{
    const QString counts = QStringLiteral("%1 added, %2 updated, %3 deleted, %4")
                               .arg(added)
                               .arg(updated)
                               .arg(deleted)
                               .arg(counted(conflicts, "conflict", "conflicts"));
    if (!succeeded())
        return added + updated + deleted + conflicts == 0
            ? QStringLiteral("The sync stopped: %1").arg(failure)
            : QStringLiteral("The sync stopped: %1 Before that: %2.").arg(failure, counts);
    return QStringLiteral("Synced: %1.").arg(counts);
}

SyncResult syncOnce(store::Database &db, DavClient &client, const Collections &collections)
{
    SyncResult result;
    try {
        Round(db, client, collections, result).run();
    } catch (const Stopped &stop) {
        result.failure = stop.why;
    } catch (const Unwritable &unwritable) {
        result.failure = unwritable.why;
    } catch (const store::Error &error) {
        result.failure = error.code() == store::Locked
            ? QStringLiteral("Another program is writing to the records just now; the sync tries again later.")
            : QStringLiteral("The records could not be stored: %1.")
                  .arg(error.code() == store::DiskFull ? QStringLiteral("no space left on the device")
                                                       : QStringLiteral("the database refused them"));
    }
    return result;
}

} // namespace syncing
