// SPDX-License-Identifier: MIT
// The cost of the series as the reminder scan meets them: 5,000 series of every kind started
// years ago, each expanded over a two-day window, and read from the store.
#include "BenchMain.h"
#include "BenchTiming.h"
#include "store/Database.h"
#include "store/Repeats.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

using namespace store;

namespace {

constexpr int SeriesCount = 5000;

QList<std::pair<Repeat, QDate>> mixedSeries()
{
    QList<std::pair<Repeat, QDate>> made;
    for (int i = 0; i < SeriesCount; ++i) {
        RepeatRule rule;
        rule.frequency = Frequency(i % 4);
        rule.interval = 1 + i % 3;
        if (rule.frequency == Frequency::Weekly)
            rule.weekdays = { Qt::Monday, Qt::Wednesday, Qt::Friday };
        rule.monthlyBy = MonthlyBy(i % 3);
        if (i % 7 == 0)
            rule.count = 400;
        made << std::pair { Repeat { rule, {} }, QDate(2015, 1, 1).addDays(i % 365) };
    }
    return made;
}

int measure()
{
    const auto series = mixedSeries();
    const QDate today(2026, 6, 1);
    QList<double> runs;
    qsizetype found = 0;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        for (const auto &[repeat, start] : series)
            found += occurrences(repeat, start, today, today.addDays(1)).size();
        runs << timer.nsecsElapsed() / 1000.0 / SeriesCount;
    }
    std::printf("occurrences over two days, %d series started years ago: %.2f µs a series (%lld found)\n",
        SeriesCount, median(runs), static_cast<long long>(found / 5));

    QTemporaryDir dir;
    Database db(dir.filePath(QStringLiteral("store.db")));
    {
        Transaction transaction(db);
        for (const auto &[repeat, start] : series)
            setRepeat(db, Table::Task, db.insert(Table::Task, { { 1, QStringLiteral("Series") } }), start, repeat);
        transaction.commit();
    }
    runs.clear();
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        found = seriesFrom(db, Table::Task, today).size();
        runs << timer.nsecsElapsed() / 1e6;
    }
    std::printf("seriesFrom reading %lld of %d series: %.2f ms\n", static_cast<long long>(found), SeriesCount,
        median(runs));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    return benchMain(argc, argv, measure);
}
