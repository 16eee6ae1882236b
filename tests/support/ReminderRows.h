// SPDX-License-Identifier: MIT
// Seeds records that carry reminders straight into the store, as the editors would save them.
#pragma once

#include "store/Database.h"

/// The reminder columns of a seeded record; dates and times in the program's texts.
struct SeededReminder
{
    QString date;
    QString time;
    QString sound;
    QString message;
    QString program;
};

class ReminderRows
{
public:
    explicit ReminderRows(store::Database &db)
        : m_db(db)
    {
    }

    void task(const QString &name, const SeededReminder &reminder);
    void schedule(const QString &name, const SeededReminder &reminder);
    void note(const QString &name, const SeededReminder &reminder);
    /// A contact with the given mobile number; with a birthday reminder when one is given.
    void contact(const QString &firstName, const QString &mobile, const SeededReminder *birthday = nullptr);

private:
    qint64 reminder(const SeededReminder &reminder);

    store::Database &m_db;
};
