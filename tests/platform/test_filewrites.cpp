// SPDX-License-Identifier: MIT
// Every file the program writes says when the write failed and leaves nothing half-written.
#include "exchange/Exchange.h"
#include "options/ManualBackup.h"
#include "platform/XdgAutoStart.h"
#include "store/Database.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {

enum class Writer { Calendar, Contacts, AutoStart, Backup };
enum class Trouble { FullDevice, FileSizeLimit };

/// Files may grow no larger than a few bytes while it lives, as on a nearly full disk.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &m_before);
        rlimit limit = m_before;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &m_before); }

private:
    rlimit m_before {};
};

} // namespace

class TestFileWrites : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    /// The file the writer writes, already holding an earlier version.
    QString targetOf(Writer writer) const
    {
        switch (writer) {
        case Writer::Calendar:
            return path("out/calendar.ics");
        case Writer::Contacts:
            return path("out/contacts.vcf");
        case Writer::AutoStart:
            return path("out/autostart/orrisday.desktop");
        case Writer::Backup:
            return path("out/Monday, Dec 7 2026.mdb");
        }
        return {};
    }

    /// Writes; what went wrong, empty when written.
    QString write(Writer writer, store::Database &db)
    {
        switch (writer) {
        case Writer::Calendar:
            return exchange::exportCalendar(db, targetOf(writer)).failure;
        case Writer::Contacts:
            return exchange::exportContacts(db, targetOf(writer)).failure;
        case Writer::AutoStart:
            return XdgAutoStart().enable("/opt/orrisday/orrisday").why;
        case Writer::Backup:
            return makeBackup(db, targetOf(writer)).why;
        }
        return {};
    }

private slots:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(path("out")));
    }

    void init()
    {
        QDir(path("out")).removeRecursively();
        QDir().mkpath(path("out/autostart"));
    }

    void aFailedWriteIsSaidAndLeavesNothingBehind_data()
    {
        QTest::addColumn<Writer>("writer");
        QTest::addColumn<Trouble>("trouble");
        QTest::addColumn<QString>("said");
        const QString full = "could not be written: no space left on the device";
        const QString tooLarge = "could not be written: the file would be larger than the device allows";
        QTest::newRow("calendar, full device") << Writer::Calendar << Trouble::FullDevice << full;
        QTest::newRow("calendar, size limit") << Writer::Calendar << Trouble::FileSizeLimit << tooLarge;
        QTest::newRow("contacts, full device") << Writer::Contacts << Trouble::FullDevice << full;
        QTest::newRow("contacts, size limit") << Writer::Contacts << Trouble::FileSizeLimit << tooLarge;
        QTest::newRow("autostart, full device") << Writer::AutoStart << Trouble::FullDevice << full;
        QTest::newRow("autostart, size limit") << Writer::AutoStart << Trouble::FileSizeLimit << tooLarge;
        QTest::newRow("backup, size limit") << Writer::Backup << Trouble::FileSizeLimit
                                            << "The backup could not be made: the copy could not be written. "
                                               "Your records are unchanged.";
    }
    void aFailedWriteIsSaidAndLeavesNothingBehind()
    {
        QFETCH(Writer, writer);
        QFETCH(Trouble, trouble);
        QFETCH(QString, said);
        store::Database db(path("store.db"));
        for (int i = 1; i <= 50; ++i) {
            db.insert(store::Table::Task, { { 0, i }, { 1, QString("Task %1").arg(i) }, { 3, "12/9/2026" } });
            db.insert(store::Table::Contact, { { 0, i }, { 1, QString("Ann %1").arg(i) } });
        }
        const QString target = targetOf(writer);
        if (trouble == Trouble::FullDevice) {
            QVERIFY(QFile::link("/dev/full", target));
        } else {
            QFile earlier(target);
            QVERIFY(earlier.open(QIODevice::WriteOnly));
            earlier.write("earlier");
        }
        const QStringList filesBefore = QDir(QFileInfo(target).path()).entryList(QDir::Files | QDir::Hidden | QDir::System);

        QString failure;
        {
            FileSizeLimit limit(trouble == Trouble::FileSizeLimit ? 64 : RLIM_INFINITY);
            failure = write(writer, db);
        }
        QVERIFY2(failure.contains(said), qPrintable(failure));
        QCOMPARE(QDir(QFileInfo(target).path()).entryList(QDir::Files | QDir::Hidden | QDir::System), filesBefore);
        if (trouble == Trouble::FileSizeLimit) {
            QFile kept(target);
            QVERIFY(kept.open(QIODevice::ReadOnly));
            QCOMPARE(kept.readAll(), QByteArray("earlier"));
        }
    }

    void unfinishedBackupsAreRemovedWhateverTheirDay()
    {
        QDir().mkpath(path("out/Database"));
        for (const char *name : { "Monday, Dec 7 2026.mdb.part", "Friday, Jan 1 2027.mdb.part", "Monday, Dec 7 2026.mdb" })
            QFile(path("out/Database/") + name).open(QIODevice::WriteOnly);
        removeUnfinishedBackups(path("out/Database"));
        QCOMPARE(QDir(path("out/Database")).entryList(QDir::Files), QStringList { "Monday, Dec 7 2026.mdb" });
    }
};

QTEST_MAIN(TestFileWrites)
#include "test_filewrites.moc"
