// SPDX-License-Identifier: MIT
// Two stores syncing through one Radicale on loopback: changes made on either side reach the
// other, nothing is lost when both change one record, and a round broken off resumes.
#include "store/Database.h"
#include "store/Repeats.h"
#include "support/RadicaleServer.h"
#include "support/StoreRows.h"
#include "sync/LocalResources.h"
#include "sync/SyncAccount.h"
#include "sync/SyncRound.h"
#include "sync/SyncState.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace syncing;
using store::Table;

namespace {

/// Every travelling record by UID with its digest: two stores that agree give the same.
QMap<QString, QByteArray> digests(const store::Database &db)
{
    QMap<QString, QByteArray> found;
    const QHash<QString, Resource> resources = localResources(db);
    for (auto resource = resources.cbegin(); resource != resources.cend(); ++resource)
        found.insert(resource.key(), resource->digest);
    return found;
}

QStringList names(store::Database &db, Table table, int column = 1)
{
    QStringList found;
    for (const store::Record &row : db.records(table))
        found << row.text(column);
    found.sort();
    return found;
}

QString counts(const SyncResult &result)
{
    return QStringLiteral("%1+ %2~ %3- %4!%5")
        .arg(result.added)
        .arg(result.updated)
        .arg(result.deleted)
        .arg(result.conflicts)
        .arg(result.failure.isEmpty() ? QString() : QStringLiteral(" ") + result.failure);
}

} // namespace

class TestSyncRound : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    std::unique_ptr<RadicaleServer> m_server;
    std::unique_ptr<store::Database> m_a;
    std::unique_ptr<store::Database> m_b;
    Collections m_collections;

    DavAccount account() const { return { m_server->url(), m_server->user(), m_server->password() }; }

    SyncResult round(store::Database &db)
    {
        DavClient client(account());
        return syncOnce(db, client, m_collections);
    }

    /// Rounds on both sides until neither changes anything more; both then hold the same.
    void converge()
    {
        for (store::Database *db : { m_a.get(), m_b.get(), m_a.get() })
            QVERIFY(round(*db).succeeded());
        const SyncResult a = round(*m_a), b = round(*m_b);
        QCOMPARE(counts(a), QStringLiteral("0+ 0~ 0- 0!"));
        QCOMPARE(counts(b), QStringLiteral("0+ 0~ 0- 0!"));
        QCOMPARE(digests(*m_a), digests(*m_b));
    }

    int membersOf(const QUrl &collection)
    {
        DavClient client(account());
        QList<DavEntry> members;
        [&] { QVERIFY(client.members(collection, &members).succeeded()); }();
        return int(members.size());
    }

    qint64 rowOf(store::Database &db, Table table, const QString &name)
    {
        const QList<store::Record> rows
            = db.records(table, QStringLiteral("%1 = ?").arg(store::tableInfo(table).columns[1]), { name });
        return rows.isEmpty() ? 0 : rows.first().rowid;
    }

private slots:
    void init()
    {
        if (!RadicaleServer::available())
            QSKIP("radicale is not installed (scripts/install-deps.sh installs it)");
        m_server = std::make_unique<RadicaleServer>();
        QVERIFY(m_server->start());
        QVERIFY(m_folder.isValid());
        static int stores = 0;
        m_a = std::make_unique<store::Database>(m_folder.filePath(QStringLiteral("a%1.db").arg(++stores)));
        m_b = std::make_unique<store::Database>(m_folder.filePath(QStringLiteral("b%1.db").arg(stores)));
        SyncAccount saved { m_server->url(), m_server->user(), {}, false };
        QVERIFY(setUpAccount(*m_a, saved, m_server->password()).succeeded());
        m_collections = savedAccount(*m_a).collections;
        QVERIFY(m_collections.calendar.isValid() && m_collections.addressBook.isValid());
    }

    void cleanup()
    {
        m_a.reset();
        m_b.reset();
        m_server.reset();
    }

    void createEditAndDeleteOnEachSide()
    {
        seedTask(*m_a, 1, "Pay rent");
        seedSchedule(*m_a, 1, "Meeting");
        m_a->insert(Table::Contact, { { 0, 1 }, { 1, "Ann" }, { 2, "Lee" } });
        m_a->insert(Table::Birthday, { { 1, 1 }, { 2, "1/3/1900" }, { 3, 0 } });
        QCOMPARE(counts(round(*m_a)), QStringLiteral("3+ 0~ 0- 0!"));
        QCOMPARE(counts(round(*m_b)), QStringLiteral("3+ 0~ 0- 0!"));
        QCOMPARE(names(*m_b, Table::Task), QStringList { "Pay rent" });

        m_b->update(Table::Task, rowOf(*m_b, Table::Task, "Pay rent"), { { 1, "Pay the rent" } });
        m_b->remove(Table::Schedule, rowOf(*m_b, Table::Schedule, "Meeting"));
        seedTask(*m_b, 2, "Call Bo");
        QCOMPARE(counts(round(*m_b)), QStringLiteral("1+ 1~ 1- 0!"));
        // The deletion reaches the other side through the collection's sync token.
        QCOMPARE(counts(round(*m_a)), QStringLiteral("1+ 1~ 1- 0!"));
        QCOMPARE(names(*m_a, Table::Task), (QStringList { "Call Bo", "Pay the rent" }));
        QCOMPARE(names(*m_a, Table::Schedule), QStringList());

        m_a->remove(Table::Contact, rowOf(*m_a, Table::Contact, "Ann"));
        m_a->update(Table::Task, rowOf(*m_a, Table::Task, "Call Bo"), { { 2, "about the garden" } });
        converge();
        QCOMPARE(names(*m_b, Table::Contact), QStringList());
        QCOMPARE(names(*m_b, Table::Task, 2), (QStringList { "about the garden", "notes" }));
        QCOMPARE(membersOf(m_collections.calendar), 2);
    }

    void changesOnBothSidesKeepBoth_data()
    {
        QTest::addColumn<bool>("refusedOnSending");
        QTest::newRow("seen when the server's changes come in") << false;
        QTest::newRow("refused for a stale If-Match") << true;
    }
    void changesOnBothSidesKeepBoth()
    {
        QFETCH(bool, refusedOnSending);
        seedTask(*m_a, 1, "Pay rent");
        QVERIFY(round(*m_a).succeeded());
        QVERIFY(round(*m_b).succeeded());
        m_a->update(Table::Task, rowOf(*m_a, Table::Task, "Pay rent"), { { 1, "Pay rent on Monday" } });
        QVERIFY(round(*m_a).succeeded());
        m_b->update(Table::Task, rowOf(*m_b, Table::Task, "Pay rent"), { { 1, "Pay rent by card" } });
        if (refusedOnSending) {
            // B's token already covers A's change: only the server's 412 tells B.
            DavClient client(account());
            CollectionChanges now;
            QVERIFY(client.changesSince(m_collections.calendar, {}, &now).succeeded());
            saveSyncToken(*m_b, m_collections.calendar.toString(), now.token);
        }
        QCOMPARE(round(*m_b).conflicts, 1);
        converge();
        const QStringList both { "Pay rent by card (conflict copy)", "Pay rent on Monday" };
        QCOMPARE(names(*m_a, Table::Task), both);
        QCOMPARE(names(*m_b, Table::Task), both);
    }

    void brokenOffRoundResumes_data()
    {
        QTest::addColumn<bool>("changed");
        QTest::newRow("after a new member was sent") << false;
        QTest::newRow("after a change was sent") << true;
    }
    void brokenOffRoundResumes()
    {
        QFETCH(bool, changed);
        seedTask(*m_a, 1, "Pay rent");
        QVERIFY(round(*m_a).succeeded());
        const QHash<QString, SyncedItem> before = syncedItems(*m_a);
        if (changed) {
            m_a->update(Table::Task, rowOf(*m_a, Table::Task, "Pay rent"), { { 1, "Pay the rent" } });
            QVERIFY(round(*m_a).succeeded());
            for (const SyncedItem &item : before)
                saveSyncedItem(*m_a, item);
        } else {
            forgetSyncState(*m_a);
        }
        // The round broke off after the server took the member and before the store noted it.
        QCOMPARE(round(*m_a).conflicts, 0);
        QCOMPARE(m_a->records(Table::Task).size(), 1);
        QCOMPARE(membersOf(m_collections.calendar), 1);
        converge();
    }

    void birthdaysRepeatsAndNotesTravelAsTheyShould()
    {
        m_a->insert(Table::Contact, { { 0, 1 }, { 1, "Leap" }, { 2, "Day" }, { 10, "2/29/2000" }, { 23, "Personal" } });
        m_a->insert(Table::Birthday, { { 1, 1 }, { 2, "2/29/2000" }, { 3, 0 } });
        seedSchedule(*m_a, 1, "Stand-up");
        const store::Repeat weekly { { store::Frequency::Weekly, 1, { Qt::Monday, Qt::Wednesday }, {}, {}, 6 }, {} };
        store::setRepeat(*m_a, Table::Schedule, rowOf(*m_a, Table::Schedule, "Stand-up"), QDate(2026, 12, 7), weekly);
        seedNote(*m_a, 1, "Idea");
        converge();
        QCOMPARE(names(*m_b, Table::Birthday, 2), QStringList { "2/29/2000" });
        QCOMPARE(store::repeatOf(*m_b, Table::Schedule, rowOf(*m_b, Table::Schedule, "Stand-up")), weekly);
        // Neither the birthday nor the note becomes a member of the calendar.
        QCOMPARE(membersOf(m_collections.calendar), 1);
        QCOMPARE(names(*m_b, Table::Note), QStringList());
    }

    void notesTravelWhereTheCalendarTakesJournals()
    {
        // A calendar made by another program, for every kind of component.
        const QString journal = m_server->userFolder() + QStringLiteral("/journal/");
        QVERIFY(QDir().mkpath(journal));
        QFile props(journal + QStringLiteral(".Radicale.props"));
        QVERIFY(props.open(QIODevice::WriteOnly));
        props.write(R"({"C:supported-calendar-component-set": "VEVENT,VTODO,VJOURNAL", "tag": "VCALENDAR"})");
        props.close();
        const QUrl url = m_server->url().resolved(QUrl(m_server->user() + QStringLiteral("/journal/")));
        QVERIFY(setUpAccount(*m_a, { url, m_server->user(), {}, false }, m_server->password()).succeeded());
        m_collections = savedAccount(*m_a).collections;
        QVERIFY(m_collections.journals);
        seedNote(*m_a, 1, "Idea");
        converge();
        QCOMPARE(names(*m_b, Table::Note), QStringList { "Idea" });
        QCOMPARE(membersOf(m_collections.calendar), 1);
    }

    void wrongPasswordSaysWhy()
    {
        DavClient client({ m_server->url(), m_server->user(), QStringLiteral("wrong") });
        const SyncResult result = syncOnce(*m_a, client, m_collections);
        QVERIFY(!result.succeeded());
        QVERIFY2(result.summary().contains("refused the user name or password"), qPrintable(result.summary()));
    }
};

QTEST_GUILESS_MAIN(TestSyncRound)
#include "test_sync_round.moc"
