// SPDX-License-Identifier: MIT
// A small store of every record kind, and the store's rows as comparable texts.
#pragma once

#include "store/Database.h"

#include <QStringList>
#include <ctime>

namespace exchangerows {

inline void seed(store::Database &db, const QString &soundFile = "/tmp/sounds/Alert.wav")
{
    using store::Table;
    db.insert(Table::Reminder, {{0, 1}, {1, "12/7/2026"}, {2, "9 : 30 : 0"}, {3, soundFile}, {4, "Please Check This Out"}, {5, "No Prg"}});
    db.insert(Table::Reminder, {{0, 2}, {1, "12/8/2026"}, {2, "18 : 0 : 5"}, {3, "No Sound"}, {4, "Ünïcode, semi; back\\slash"}, {5, "/usr/bin/true"}});
    db.insert(Table::Reminder, {{0, 3}, {1, "3/1/2027"}, {2, "8 : 0 : 0"}, {3, ""}, {4, "Ann Lee's Birthday"}, {5, ""}});
    db.insert(Table::Reminder, {{0, 4}, {1, "12/9/2026"}, {2, "7 : 0 : 0"}, {3, ""}, {4, "No Message"}, {5, ""}});
    db.insert(Table::Task, {{0, 1}, {1, "Pay rent"}, {2, "line one\nline two"}, {3, "12/7/2026"}, {4, "10 : 0 : 0"},
                            {5, "Not Started"}, {6, "Urgent"}, {7, "Business"}, {8, 1}});
    db.insert(Table::Task, {{0, 2}, {1, "Undated"}, {2, ""}, {3, "1/3/1900"}, {4, "1/3/1900"},
                            {5, "Awaiting"}, {6, ""}, {7, "Personal"}});
    db.insert(Table::Task, {{0, 3}, {1, "Done"}, {2, "d"}, {3, "1/2/2027"}, {4, "23 : 59 : 59"},
                            {5, "Completed"}, {6, "Low"}, {7, "Personal"}});
    db.insert(Table::Schedule, {{0, 1}, {1, "Meeting"}, {2, "room 4"}, {3, "12/8/2026"}, {4, "14 : 0 : 0"},
                                {5, "12/8/2026"}, {6, "15 : 30 : 0"}, {7, "In Progress"}, {8, "High"}, {9, "Business"}, {10, 2}});
    db.insert(Table::Schedule, {{0, 2}, {1, "Trip"}, {2, ""}, {3, "12/20/2026"}, {4, "8 : 0 : 0"},
                                {5, "12/24/2026"}, {6, "20 : 0 : 0"}, {7, "Postponed"}, {8, "Medium"}, {9, "Personal"}});
    db.insert(Table::Note, {{0, 1}, {1, "Idea"}, {2, "write it down"}, {3, "12/9/2026"}, {4, "7 : 0 : 0"}, {5, 4}});
    db.insert(Table::Contact, {{0, 1}, {1, "Ann"}, {2, "Lee"}, {3, "1 Main St, Flat 2"}, {4, "Leeds"}, {5, "West"}, {6, "UK"},
                               {7, "0113"}, {8, "0777"}, {9, "ann@example.org"}, {10, "3/1/1980"}, {11, "Acme; Ltd"},
                               {12, "Boss"}, {13, "2 Mill Rd"}, {14, "York"}, {15, "North"}, {16, "UK"}, {17, "https://acme.example"},
                               {18, "ann@acme.example"}, {19, "0190"}, {20, "0"}, {21, "/tmp/pictures/ann.png"},
                               {22, "likes tea\nand cake"}, {23, "Business"}});
    db.insert(Table::Birthday, {{1, 1}, {2, "3/1/1980"}, {3, 3}});
    db.insert(Table::Contact, {{0, 2}, {1, "Bo"}, {2, ""}, {3, ""}, {4, ""}, {5, ""}, {6, ""}, {7, "0"}, {8, "0"}, {9, ""},
                               {10, "1/3/1900"}, {11, ""}, {12, ""}, {13, ""}, {14, ""}, {15, ""}, {16, ""}, {17, ""},
                               {18, ""}, {19, "0"}, {20, "0"}, {21, ""}, {22, ""}, {23, "Personal"}});
    db.insert(Table::Birthday, {{1, 2}, {2, "1/3/1900"}, {3, 0}});
}

/// A calendar file holding the components.
inline QByteArray calendar(const QByteArray &components)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//EN\r\n" + components + "END:VCALENDAR\r\n";
}

/// The process's time zone set to another while it lives, and back afterwards.
class ZoneForTest
{
public:
    explicit ZoneForTest(const QByteArray &zone) : m_had(qEnvironmentVariableIsSet("TZ")), m_before(qgetenv("TZ"))
    {
        qputenv("TZ", zone);
        tzset();
    }
    ~ZoneForTest()
    {
        if (m_had)
            qputenv("TZ", m_before);
        else
            qunsetenv("TZ");
        tzset();
    }
    ZoneForTest(const ZoneForTest &) = delete;
    ZoneForTest &operator=(const ZoneForTest &) = delete;

private:
    bool m_had;
    QByteArray m_before;
};

/// The rows of a table as texts, the record's reminder joined in place of its number.
inline QStringList rowsOf(const store::Database &db, store::Table table, int reminderColumn = -1)
{
    QStringList rows;
    for (const store::Record &row : db.records(table)) {
        QStringList cells;
        for (int c = 0; c < row.values.size(); ++c) {
            if (c == reminderColumn && row.number(c) != 0) {
                for (const store::Record &rem : db.records(store::Table::Reminder, "rem_no = ?", {row.number(c)}))
                    cells << QStringList{rem.text(1), rem.text(2), rem.text(3), rem.text(4), rem.text(5)}.join('|');
            } else if (!(table == store::Table::Birthday && c == 0)) {
                cells << row.text(c);
            }
        }
        rows << cells.join(" # ");
    }
    return rows;
}

} // namespace exchangerows
