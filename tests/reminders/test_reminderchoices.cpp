// SPDX-License-Identifier: MIT
#include "reminders/rules/ReminderChoices.h"

#include <QTest>

using namespace reminders;

Q_DECLARE_METATYPE(reminders::SoundChoice)
Q_DECLARE_METATYPE(reminders::MessageChoice)

namespace {
const QString Alert = QStringLiteral("/opt/orrisday/Wave/Alert.wav");
}

class TestReminderChoices : public QObject
{
    Q_OBJECT

private slots:
    void soundTextsRoundTrip_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<SoundChoice>("choice");
        QTest::addColumn<QString>("fileText");
        QTest::addColumn<QString>("written"); // "<none>": the caller's box stays
        QTest::newRow("never set") << "" << SoundChoice::Unset << "" << "<none>";
        QTest::newRow("no sound") << "No Sound" << SoundChoice::NoSound << "" << "No Sound";
        QTest::newRow("default") << Alert << SoundChoice::DefaultSound << "" << Alert;
        QTest::newRow("own file") << "/a/b.wav" << SoundChoice::SoundFile << "/a/b.wav" << "/a/b.wav";
        QTest::newRow("other case is a file") << "no sound" << SoundChoice::SoundFile << "no sound" << "no sound";
        QTest::newRow("own file left empty") << "/a/b.wav" << SoundChoice::SoundFile << "" << "";
        QTest::newRow("untrimmed") << " /a/b.wav" << SoundChoice::SoundFile << " /a/b.wav " << " /a/b.wav ";
    }
    void soundTextsRoundTrip()
    {
        QFETCH(QString, stored);
        QFETCH(SoundChoice, choice);
        QFETCH(QString, fileText);
        QFETCH(QString, written);
        QCOMPARE(soundChoiceOf(stored, Alert), choice);
        QCOMPARE(soundToWrite(choice, fileText, Alert).value_or(QStringLiteral("<none>")), written);
    }

    void messageTextsRoundTrip_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<MessageChoice>("choice");
        QTest::addColumn<QString>("customText");
        QTest::addColumn<QString>("written");
        QTest::newRow("never set") << "" << MessageChoice::Unset << "" << "<none>";
        QTest::newRow("no message") << "No Message" << MessageChoice::NoMessage << "" << "No Message";
        QTest::newRow("default") << "Please Check This Out" << MessageChoice::DefaultMessage << ""
                                 << "Please Check This Out";
        QTest::newRow("own text") << "Call Anna" << MessageChoice::CustomMessage << " Call Anna " << " Call Anna ";
        QTest::newRow("blank is a text") << " " << MessageChoice::CustomMessage << "" << "";
    }
    void messageTextsRoundTrip()
    {
        QFETCH(QString, stored);
        QFETCH(MessageChoice, choice);
        QFETCH(QString, customText);
        QFETCH(QString, written);
        QCOMPARE(messageChoiceOf(stored), choice);
        QCOMPARE(messageToWrite(choice, customText).value_or(QStringLiteral("<none>")), written);
    }

    void programTexts_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("written");
        QTest::newRow("no program") << "No Prg" << "" << "No Prg";
        QTest::newRow("never set") << "" << "" << "No Prg";
        QTest::newRow("a program") << "/usr/bin/app" << "/usr/bin/app" << "/usr/bin/app";
        QTest::newRow("other case") << "no prg" << "no prg" << "no prg";
    }
    void programTexts()
    {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QFETCH(QString, written);
        QCOMPARE(programShown(stored), shown);
        QCOMPARE(programToWrite(shown), written);
    }

    void undatedReminders_data()
    {
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::addColumn<bool>("undated");
        QTest::newRow("unticked") << false << "12/7/2026" << "9 : 30" << true;
        QTest::newRow("ticked, both empty") << true << "" << "" << true;
        QTest::newRow("ticked, date only") << true << "12/7/2026" << "" << false;
        QTest::newRow("ticked, time only") << true << "" << "9 : 30" << false;
        QTest::newRow("ticked, blank is not empty") << true << " " << "" << false;
    }
    void undatedReminders()
    {
        QFETCH(bool, ticked);
        QFETCH(QString, date);
        QFETCH(QString, time);
        QFETCH(bool, undated);
        QCOMPARE(reminderIsUndated(ticked, date, time), undated);
    }

    void storedTimesAreKeptWithoutANewPick_data()
    {
        QTest::addColumn<bool>("keep");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("written");
        QTest::newRow("new pick") << false << "8:15:20" << "9 : 30 : 12";
        QTest::newRow("no new pick") << true << "8:15:20" << "8:15:20";
        QTest::newRow("nothing stored") << true << "" << "9 : 30 : 12";
    }
    void storedTimesAreKeptWithoutANewPick()
    {
        QFETCH(bool, keep);
        QFETCH(QString, stored);
        QFETCH(QString, written);
        QCOMPARE(timeToStore(keep, QStringLiteral("9 : 30 : 12"), stored), written);
    }
};

QTEST_MAIN(TestReminderChoices)
#include "test_reminderchoices.moc"
