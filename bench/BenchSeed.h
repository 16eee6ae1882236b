// SPDX-License-Identifier: MIT
// Stores for the benchmarks, and the real program started on one.
#pragma once

#include "app/Orrisday.h"
#include "platform/LinuxServices.h"
#include "store/Database.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QTemporaryDir>
#include <QTime>
#include <memory>

/// Adds `count` tasks with reminders from 9:00 on: the first `onDay` of them on `day`, the rest on
/// the days of the year after it.
inline void seedTasks(store::Database &db, int count, QDate day, int onDay = 0)
{
    store::Transaction transaction(db);
    for (int i = 1; i <= count; ++i) {
        const QString date = (i <= onDay ? day : day.addDays(1 + i % 360)).toString(Qt::ISODate);
        const QString time = QTime(9, 0, 0).addSecs(i % (14 * 3600)).toString(QStringLiteral("HH:mm:ss"));
        db.run(QStringLiteral("INSERT INTO REMINDER_INFO VALUES (?, ?, ?, '', 'Please Check This Out', '')"),
            { i, date, time });
        db.run(QStringLiteral("INSERT INTO TASK_INFO VALUES (?, ?, '', ?, ?, 'Not Started', 'High', 'Business', ?)"),
            { i, QStringLiteral("Task %1").arg(i), date, time, i });
    }
    transaction.commit();
}

/// The real program, with the real services, on a folder whose store holds `count` tasks with
/// reminders on the days after today; none when it does not start.
inline std::unique_ptr<Orrisday> startWithTasksAhead(const QTemporaryDir &folder, int count)
{
    QDir(folder.path()).mkpath(QStringLiteral("sys/dll"));
    {
        store::Database db(folder.filePath(QStringLiteral("sys/dll/sysks.dll")));
        seedTasks(db, count, QDate::currentDate());
    }
    return Orrisday::start(folder.path(), makeLinuxServices(QCoreApplication::applicationDirPath()));
}

/// Adds `rows` records of each kind, each with a reminder. The first `onDay` tasks, schedules and
/// notes fall on `day` with reminders from 9:00 on; the rest and every birthday fall on other days.
inline void seedEveryKind(store::Database &db, int rows, QDate day, int onDay)
{
    store::Transaction transaction(db);
    const QString reminder = QStringLiteral("INSERT INTO REMINDER_INFO VALUES (?, ?, ?, '', 'Please Check This Out', '')");
    qint64 remNo = 0;
    for (int i = 1; i <= rows; ++i) {
        const QDate on = i <= onDay ? day : day.addDays(1 + i % 700);
        const QString date = on.toString(Qt::ISODate);
        const QString time = QTime(9, 0, 0).addSecs(i % (14 * 3600)).toString(QStringLiteral("HH:mm:ss"));
        // Each owner's insert, and whether it takes an end day and time after the start.
        for (const auto &[owner, withEnd] :
            { std::pair("TASK_INFO VALUES (?, ?, 'Notes', ?, ?, 'Not Started', 'High', 'Business', ?)", false),
                std::pair("SCHEDULE_INFO VALUES (?, ?, 'Notes', ?, ?, ?, ?, 'Not Started', 'High', 'Business', ?)",
                    true),
                std::pair("NOTE_INFO VALUES (?, ?, 'Notes', ?, ?, ?)", false) }) {
            db.run(reminder, { ++remNo, date, time });
            QVariantList values{ i, QStringLiteral("Record %1").arg(i), date, time };
            if (withEnd)
                values << date << QStringLiteral("11:15:00");
            db.run(QStringLiteral("INSERT INTO ") + QLatin1String(owner), values << remNo);
        }
        const QDate born = day.addDays(1 + i % 360).addYears(-30);
        db.run(QStringLiteral("INSERT INTO REMINDER_INFO VALUES (?, ?, '09:00:00', '', 'Birthday', '')"),
            { ++remNo, born.toString(Qt::ISODate) });
        db.run(QStringLiteral("INSERT INTO BIRTHDAY_INFO (birthday_contact_no, birthday_date, rem_no) VALUES (?, ?, ?)"),
            { i, born.toString(Qt::ISODate), remNo });
        db.run(QStringLiteral("INSERT INTO CONTACT_INFO (contact_no, contact_fname, contact_lname, contact_pmobileno, "
                              "contact_bdate, contact_category) VALUES (?, ?, 'Lee', '5550100', ?, 'Business')"),
            { i, QStringLiteral("Ann%1").arg(i), born.toString(Qt::ISODate) });
    }
    transaction.commit();
}
