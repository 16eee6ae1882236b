// SPDX-License-Identifier: MIT
// The store's records as a server's members, for 20,000 records (5,000 each of tasks, schedules
// and notes with reminders, and contacts with birthdays).
//
//   bench_sync      prints the time to read every member with its digest, and to write them all
//                   into an empty store as a first round does (medians of 5)
#include "BenchSeed.h"
#include "BenchTiming.h"
#include "sync/LocalResources.h"

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir dir;
    store::Database db(dir.filePath("store.db"));
    seedEveryKind(db, 5000, QDate(2027, 3, 1), 0);
    QHash<QString, syncing::Resource> members;
    std::printf("members of 20,000 records (15,000 travel): %.0f ms\n",
        medianMs([&] { members = syncing::localResources(db); }));
    int run = 0;
    std::printf("the %lld members written into an empty store: %.0f ms\n", qint64(members.size()), medianMs([&] {
        store::Database fresh(dir.filePath(QStringLiteral("fresh%1.db").arg(++run)));
        store::Transaction transaction(fresh);
        syncing::RemoteWriter writer(fresh);
        for (const syncing::Resource &member : std::as_const(members))
            writer.store(member.kind, member.text);
        transaction.commit();
    }));
    return 0;
}
