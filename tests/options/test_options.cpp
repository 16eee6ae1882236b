// SPDX-License-Identifier: MIT
#include "app/Frm_Main.h"
#include "context/RecordWindows.h"
#include "options/Frm_Option.h"
#include "options/rules/BackupName.h"
#include "support/FreshProgramTest.h"
#include "support/StoreRows.h"
#include "support/StoreTrouble.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>
#include <QProgressDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

using store::Table;

namespace {

const QDate Today(2026, 12, 7);
const QString BackupName = QStringLiteral("Monday, Dec 7 2026.mdb");

} // namespace

class TestOptions : public FreshProgramTest
{
    Q_OBJECT

    QWidget *options()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return p().app().windows().find(QStringLiteral("Frm_Option"));
    }
    template <typename T = QWidget> T *control(const QString &name) { return findIn<T>(options(), name); }
    QList<ShownMessage> &shown() { return fakes().dialogs->shown; }

    /// Starts the program with some tasks and opens the options window on a tab.
    void openOn(int tab)
    {
        fakes().clock->set(Today, QTime(9, 15, 0));
        for (int i = 1; i <= 3; ++i)
            seedTask(db(), i, QStringLiteral("Task %1").arg(i));
        p().start();
        clickOn(findIn<QWidget>(&p().app().mainWindow(), "lblOption"));
        QVERIFY(options());
        control<QTabWidget>("SSTab1")->setCurrentIndex(tab);
    }
    void ok() { clickOn(control("lblok")); }
    QString inFolder(QString text) { return text.replace("%1", p().folder()); }
    QString backupFile() { return p().folder() + "/Database/" + BackupName; }
    QStringList taskNamesIn(const QString &file)
    {
        store::Database copy(file);
        QStringList names;
        for (const store::Record &row : copy.records(Table::Task))
            names << row.text(1);
        return names;
    }

private slots:
    void opensFromTheMainWindowOnItsTabs()
    {
        openOn(0);
        QCOMPARE(p().app().windows().marker(), QStringLiteral("Frm_Option"));
        QCOMPARE(options()->pos(), p().app().mainWindow().pos() + QPoint(92, 96));
        auto *tabs = control<QTabWidget>("SSTab1");
        QCOMPARE(tabs->count(), 5);
        QCOMPARE(control<QLabel>("Label6")->text(), QDir::toNativeSeparators(backupFile()));
        QVERIFY(!control<QCheckBox>("Check2")->isChecked() && !control<QCheckBox>("Check3")->isChecked());

        clickOn(control("lblcancel"));
        QVERIFY(!options());
        QCOMPARE(p().app().windows().marker(), QString());
        QVERIFY(shown().isEmpty());
    }

    void generalTab_data()
    {
        QTest::addColumn<bool>("startWithSession");
        QTest::addColumn<bool>("toTray");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QStringList>("registered");
        QTest::addColumn<bool>("inTray");
        QTest::addColumn<QString>("message");
        const QString done = "Orrisdaye will start with Windows next time you start your PC.";
        const QStringList none;
        QTest::newRow("both: only the autostart entry") << true << true << "" << QStringList { "/orrisday" } << false << done;
        QTest::newRow("tray only") << false << true << "" << none << true << "";
        QTest::newRow("nothing ticked: nothing") << false << false << "" << none << false << "";
        QTest::newRow("entry refused: said so, no success")
            << true << false << "/home/me/.config/autostart cannot be written" << none << false
            << "Orrisday could not be set to start with your session: /home/me/.config/autostart cannot be written.";
    }
    void generalTab()
    {
        QFETCH(bool, startWithSession);
        QFETCH(bool, toTray);
        QFETCH(QString, refusal);
        QFETCH(QStringList, registered);
        QFETCH(bool, inTray);
        QFETCH(QString, message);
        fakes().autoStart->refusal = refusal;
        openOn(0);
        control<QCheckBox>("Check2")->setChecked(startWithSession);
        control<QCheckBox>("Check3")->setChecked(toTray);
        ok();

        QStringList expected;
        for (const QString &path : registered)
            expected << p().folder() + path;
        QCOMPARE(fakes().autoStart->enabled, expected);
        QCOMPARE(fakes().tray->shown, inTray);
        QCOMPARE(p().app().mainWindow().isHidden(), inTray);
        QCOMPARE(options() == nullptr, inTray);
        if (inTray)
            QCOMPARE(fakes().tray->tip, QStringLiteral("Orrisday" ORRISDAY_VERSION));
        QCOMPARE(fakes().dialogs->takeTexts(), message.isEmpty() ? QStringList() : QStringList { message });
    }

    void backupIsAConsistentCopyAndEndsTheProgram()
    {
        openOn(1);
        // An earlier backup of the day is replaced; the folder is made when it is missing.
        QDir(p().folder() + "/Database").removeRecursively();
        ok();
        QCOMPARE(shown(),
            QList<ShownMessage>({ { " MANUAL BACKUP SUCCESSFULLY COMPLETED,Orrisdaye Needs To Restart",
                MessageIcon::Information, "Orrisdaye" } }));
        QCOMPARE(fakes().lifecycle->ended, 1);
        QCOMPARE(taskNamesIn(backupFile()), QStringList({ "Task 1", "Task 2", "Task 3" }));
        const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup
            | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
        QCOMPARE(QFile::permissions(backupFile()) & others, QFileDevice::Permissions());
        QCOMPARE(QDir(p().folder() + "/Database").entryList(QDir::Files), QStringList { BackupName });

        // The program keeps its database: a second backup the same day replaces the first.
        seedTask(db(), 4, "Task 4");
        ok();
        QCOMPARE(fakes().lifecycle->ended, 2);
        QCOMPARE(taskNamesIn(backupFile()).size(), 4);
        QCOMPARE(QDir(p().folder() + "/Database").entryList(QDir::Files), QStringList { BackupName });
        QVERIFY(p().app().db().isOpen());
    }

    void failedBackupSaysWhyAndKeepsTheDatabase_data()
    {
        QTest::addColumn<bool>("locked");
        QTest::addColumn<QString>("message");
        QTest::addColumn<MessageIcon>("icon");
        QTest::addColumn<QString>("title");
        QTest::newRow("another program holds the file") << true << "Either The Database Is Open Or Locked" << MessageIcon::None << "";
        QTest::newRow("the folder cannot be made")
            << false << "The backup could not be made: the folder %1/Database cannot be created. Your records are unchanged."
            << MessageIcon::Warning << "Orrisday";
    }
    void failedBackupSaysWhyAndKeepsTheDatabase()
    {
        QFETCH(bool, locked);
        QFETCH(QString, message);
        QFETCH(MessageIcon, icon);
        QFETCH(QString, title);
        openOn(1);
        const QString earlier = backupFile();
        std::shared_ptr<void> trouble;
        if (locked) {
            QFile old(earlier);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("yesterday's copy");
            old.close();
            trouble = bringTrouble(StoreTrouble::Locked, p().app().db(), p().app().db().file());
        } else {
            // A file where the folder should be.
            QDir(p().folder() + "/Database").removeRecursively();
            QFile blocker(p().folder() + "/Database");
            QVERIFY(blocker.open(QIODevice::WriteOnly));
        }
        ok();
        trouble.reset();

        QCOMPARE(shown(), QList<ShownMessage>({ { inFolder(message), icon, title } }));
        QCOMPARE(fakes().lifecycle->ended, 0);
        QVERIFY(options());
        if (locked) {
            QFile old(earlier);
            QVERIFY(old.open(QIODevice::ReadOnly));
            QCOMPARE(old.readAll(), QByteArray("yesterday's copy"));
            QCOMPARE(QDir(p().folder() + "/Database").entryList(QDir::Files), QStringList { BackupName });
        }
        // The program goes on saving.
        shown().clear();
        p().app().windows().open("FrmTask_Info");
        QWidget *editor = p().app().windows().find("FrmTask_Info");
        findIn<QLineEdit>(editor, "txtname")->setText("After the backup");
        findIn<QComboBox>(editor, "cmbstatus")->setEditText("Not Started");
        findIn<QComboBox>(editor, "cmbcategory")->setEditText("Business");
        findIn<QComboBox>(editor, "cmbdate")->setEditText("12/7/2026");
        clickOn(findIn<QWidget>(editor, "lblsave"));
        QCOMPARE(fakes().dialogs->takeTexts(), QStringList { "TASK ADDED SUCCESSFULLY" });
        QCOMPARE(p().app().db().records(Table::Task).size(), 4);
    }

    void helpTab_data()
    {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("folder");
        QTest::newRow("support") << "Option3" << "https://orrisday.org/support.asp" << "";
        QTest::newRow("licence") << "Option4" << "%1/OrrisdayEULA.txt" << "%1";
        QTest::newRow("product page") << "Option6" << "https://orrisday.org/orrisday.asp" << "";
        QTest::newRow("none selected") << "" << "" << "";
    }
    void helpTab()
    {
        QFETCH(QString, selected);
        QFETCH(QString, target);
        QFETCH(QString, folder);
        openOn(2);
        if (!selected.isEmpty())
            control<QRadioButton>(selected)->setChecked(true);
        ok();
        QList<QPair<QString, QString>> opened;
        if (!target.isEmpty())
            opened.append({ inFolder(target), inFolder(folder) });
        QCOMPARE(fakes().shell->opened, opened);
        QVERIFY(options());
        QVERIFY(shown().isEmpty());
    }

    void anImportAsksBeforeKeepingPrograms_data()
    {
        QTest::addColumn<bool>("agreed");
        QTest::addColumn<QString>("program");
        QTest::newRow("no") << false << "";
        QTest::newRow("yes") << true << "/usr/bin/xcalc";
    }
    void anImportAsksBeforeKeepingPrograms()
    {
        QFETCH(bool, agreed);
        QFETCH(QString, program);
        const QString file = p().folder() + "/program.ics";
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//EN\r\nBEGIN:VTODO\r\nUID:p\r\nSUMMARY:Run\r\n"
                  "DUE:20261201T100000\r\nBEGIN:VALARM\r\nACTION:DISPLAY\r\nTRIGGER:-PT5M\r\n"
                  "X-ORRISDAY-PROGRAM:/usr/bin/xcalc\r\nEND:VALARM\r\nEND:VTODO\r\nEND:VCALENDAR\r\n");
        out.close();
        openOn(Frm_Option::Exchange);
        fakes().dialogs->filesAnswers = { { file } };
        fakes().dialogs->answers = { agreed };
        clickOn(control("cmdimport"));
        QCOMPARE(fakes().dialogs->questions.size(), 1);
        QVERIFY(fakes().dialogs->questions.first().contains("/usr/bin/xcalc"));
        QCOMPARE(db().records(Table::Reminder).value(0).text(5), program);
    }

    void anImportCanBeCancelledFromItsProgress()
    {
        const QString file = p().folder() + "/many.ics";
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//EN\r\n");
        for (int i = 0; i < 20000; ++i)
            out.write("BEGIN:VTODO\r\nUID:t" + QByteArray::number(i) + "\r\nSUMMARY:T\r\nEND:VTODO\r\n");
        out.write("END:VCALENDAR\r\n");
        out.close();
        openOn(Frm_Option::Exchange);
        const qsizetype tasksBefore = db().records(Table::Task).size();
        fakes().dialogs->filesAnswers = { { file } };
        // The user presses Cancel as soon as the progress is there.
        QTimer canceller;
        connect(&canceller, &QTimer::timeout, this, [&canceller] {
            if (auto *progress = findWidget<QProgressDialog>("importProgress")) {
                progress->findChild<QPushButton *>()->click();
                canceller.stop();
            }
        });
        canceller.start(5);
        clickOn(control("cmdimport"));
        QCOMPARE(shown().size(), 1);
        QCOMPARE(shown().first().text, QStringLiteral("The import was cancelled. Nothing was imported."));
        QCOMPARE(db().records(Table::Task).size(), tasksBefore);
    }

    // The fifth tab writes the calendar out and reads it back in; the first four stay as they are.
    void exchangeTabExportsAndImports()
    {
        openOn(Frm_Option::Exchange);
        const auto *tabs = control<QTabWidget>("SSTab1");
        QStringList names;
        for (int i = 0; i < tabs->count(); ++i)
            names << tabs->tabText(i);
        QCOMPARE(names, (QStringList { "General", "Backup", "Help", "Event", "Exchange" }));

        const QString file = p().folder() + "/out.ics";
        fakes().dialogs->fileAnswers = { file };
        fakes().dialogs->filesAnswers = { { file } };
        clickOn(control("cmdexportics"));
        QCOMPARE(shown().size(), 1);
        QVERIFY2(shown().first().text.startsWith("Exported 3 tasks"), qPrintable(shown().first().text));
        QVERIFY(QFile::exists(file));

        shown().clear();
        QSignalSpy reloaded(&p().app().mainWindow(), &Frm_Main::reloaded);
        clickOn(control("cmdimport"));
        QCOMPARE(shown().size(), 1);
        // The store's own export comes back unchanged.
        QVERIFY2(shown().first().text.contains("3 unchanged"), qPrintable(shown().first().text));
        QCOMPARE(db().records(Table::Task).size(), 3);
        QCOMPARE(reloaded.count(), 1);
        QVERIFY(options() && options()->isVisible());
    }
};

QTEST_MAIN(TestOptions)
#include "test_options.moc"
