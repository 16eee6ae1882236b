// SPDX-License-Identifier: MIT
// A full store for the benchmarks: tasks, schedules, notes and contacts, each with its reminder.
#pragma once

#include "store/Database.h"

#include <QDate>
#include <QTime>

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
        for (const char *owner : { "TASK_INFO VALUES (?, ?, 'Notes', ?, ?, 'Not Started', 'High', 'Business', ?)",
                                   "SCHEDULE_INFO VALUES (?, ?, 'Notes', ?, ?, ?, ?, 'Not Started', 'High', "
                                   "'Business', ?)",
                                   "NOTE_INFO VALUES (?, ?, 'Notes', ?, ?, ?)" }) {
            db.run(reminder, { ++remNo, date, time });
            const bool schedule = QByteArray(owner).startsWith("SCHEDULE");
            QVariantList values{ i, QStringLiteral("Record %1").arg(i), date, time };
            if (schedule)
                values << date << QTime(11, 15).toString(QStringLiteral("HH:mm:ss"));
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
