// SPDX-License-Identifier: MIT
// Export and import of 20,000 records: 5,000 each of tasks (each with a reminder), schedules,
// notes and contacts (each with a birthday).
//
//   bench_exchange               prints the time of each export and import (median of 5)
#include "BenchTiming.h"
#include "exchange/Exchange.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr int EachKind = 5000;

void seed(store::Database &db)
{
    using store::Table;
    store::Transaction transaction(db);
    for (int i = 1; i <= EachKind; ++i) {
        const QString date = QStringLiteral("%1/%2/2027").arg(1 + i % 12).arg(1 + i % 28);
        db.insert(Table::Reminder, { { 0, i }, { 1, date }, { 2, "9 : 0 : 0" }, { 3, "No Sound" }, { 4, "Call" }, { 5, "No Prg" } });
        db.insert(Table::Task, { { 0, i }, { 1, QStringLiteral("Task %1").arg(i) }, { 2, "about it" }, { 3, date },
            { 4, "9 : 30 : 0" }, { 5, "Not Started" }, { 6, "High" }, { 7, "Business" }, { 8, i } });
        db.insert(Table::Schedule, { { 0, i }, { 1, QStringLiteral("Meeting %1").arg(i) }, { 2, "room" }, { 3, date },
            { 4, "10 : 0 : 0" }, { 5, date }, { 6, "11 : 0 : 0" }, { 7, "In Progress" }, { 8, "Low" }, { 9, "Personal" } });
        db.insert(Table::Note, { { 0, i }, { 1, QStringLiteral("Note %1").arg(i) }, { 2, "text" }, { 3, date }, { 4, "8 : 0 : 0" } });
        store::Values contact { { 0, i }, { 1, QStringLiteral("First%1").arg(i) }, { 2, QStringLiteral("Last%1").arg(i) } };
        for (int column = 3; column <= 22; ++column)
            contact[column] = column == 10 ? QStringLiteral("3/%1/1980").arg(1 + i % 28) : QStringLiteral("x%1").arg(column);
        contact[23] = QStringLiteral("Business");
        db.insert(Table::Contact, contact);
        db.insert(Table::Birthday, { { 1, i }, { 2, QStringLiteral("3/%1/1980").arg(1 + i % 28) } });
    }
    transaction.commit();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir dir;
    store::Database db(dir.filePath("store.db"));
    seed(db);
    const QString ics = dir.filePath("all.ics");
    const QString vcf = dir.filePath("all.vcf");
    std::printf("export calendar (15,000 records, 5,000 birthdays): %.0f ms\n",
        medianMs([&] { exchange::exportCalendar(db, ics); }));
    std::printf("export contacts (5,000): %.0f ms\n", medianMs([&] { exchange::exportContacts(db, vcf); }));
    int run = 0;
    std::printf("import contacts then calendar into an empty store: %.0f ms\n", medianMs([&] {
        store::Database fresh(dir.filePath(QStringLiteral("fresh%1.db").arg(++run)));
        exchange::importFile(fresh, vcf);
        exchange::importFile(fresh, ics);
    }));
    // The same files again into the store they came from: every record is known and unchanged.
    std::printf("import both again into their own store (all unchanged): %.0f ms\n",
        medianMs([&] { exchange::importFiles(db, { vcf, ics }); }));
    return 0;
}
