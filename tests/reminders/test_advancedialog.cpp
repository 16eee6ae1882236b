// SPDX-License-Identifier: MIT
#include "context/RecordWindows.h"
#include "support/FreshProgramTest.h"

#include <QLineEdit>
#include <QRadioButton>

class TestAdvanceDialog : public FreshProgramTest
{
    Q_OBJECT

    QWidget *m_editor = nullptr;

    QLineEdit *box(const QString &name) { return findIn<QLineEdit>(m_editor, name); }
    QWidget *dialog()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return findWidget("Frm_Reminder");
    }
    QString dialogText(const QString &name) { return findIn<QLineEdit>(dialog(), name)->text(); }
    void click(const QString &name) { clickOn(findIn<QWidget>(dialog(), name)); }
    QString alertSound() { return p().folder() + "/Wave/Alert.wav"; }

    /// Starts the program and opens the dialog from a new task whose reminder boxes hold these texts.
    void openWith(const QString &sound, const QString &message, const QString &program)
    {
        p().start();
        m_editor = p().app().windows().open("FrmTask_Info");
        clickOn(findIn<QWidget>(m_editor, "remcheck"));
        box("Text1")->setText(sound);
        box("Text2")->setText(message);
        box("Text3")->setText(program);
        clickOn(findIn<QWidget>(m_editor, "cmdadv"));
        QVERIFY(dialog() && dialog()->isVisible());
    }
    QString checkedOptions()
    {
        QStringList names;
        for (const char *name :
            { "Opnosound", "Opdefaultsound", "Opsoundfile", "Opnomsg", "Opdefaultmsg", "Opcustommsg" })
            if (findIn<QRadioButton>(dialog(), name)->isChecked())
                names << name;
        return names.join(' ');
    }
    QStringList callerBoxes() { return { box("Text1")->text(), box("Text2")->text(), box("Text3")->text() }; }

private slots:
    void presetsFromTheCallersBoxes_data()
    {
        // clang-format off
        QTest::addColumn<QString>("sound");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("checked");
        QTest::addColumn<QStringList>("texts"); // soundfileText, msgtext, prgText
        QTest::newRow("never set") << "" << "" << "" << "" << QStringList { "", "", "" };
        QTest::newRow("none chosen") << "No Sound" << "No Message" << "No Prg" << "Opnosound Opnomsg"
                                     << QStringList { "", "", "" };
        QTest::newRow("defaults") << "<alert>" << "Please Check This Out" << "/usr/bin/notes"
                                  << "Opdefaultsound Opdefaultmsg" << QStringList { "", "", "/usr/bin/notes" };
        QTest::newRow("own choices, blanks kept") << " /home/me/bell.wav " << "Call Anna" << ""
            << "Opsoundfile Opcustommsg" << QStringList { " /home/me/bell.wav ", "Call Anna", "" };
        QTest::newRow("a blank message is an own text") << "" << " " << "" << "Opcustommsg"
                                                        << QStringList { "", " ", "" };
        QTest::newRow("exact texts only") << "no sound" << "Please check this out" << "no prg"
                                          << "Opsoundfile Opcustommsg"
                                          << QStringList { "no sound", "Please check this out", "no prg" };
        // clang-format on
    }
    void presetsFromTheCallersBoxes()
    {
        QFETCH(QString, sound);
        QFETCH(QString, message);
        QFETCH(QString, program);
        QFETCH(QString, checked);
        QFETCH(QStringList, texts);
        openWith(sound.replace("<alert>", alertSound()), message, program);
        QCOMPARE(checkedOptions(), checked);
        QCOMPARE(QStringList({ dialogText("soundfileText"), dialogText("msgtext"), dialogText("prgText") }), texts);
        QCOMPARE(dialogText("Text1"), QStringLiteral("FrmTask_Info"));
        QCOMPARE(dialog()->pos(), p().app().windows().place());
    }

    void okWritesTheChoicesBack_data()
    {
        // clang-format off
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("typedMessage");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("nothing chosen") << QStringList {} << "" << QStringList { "", "", "No Prg" };
        QTest::newRow("no sound, no message") << QStringList { "Opnosound", "Opnomsg" } << ""
                                              << QStringList { "No Sound", "No Message", "No Prg" };
        QTest::newRow("defaults") << QStringList { "Opsoundfile", "Opdefaultsound", "Opdefaultmsg" } << ""
                                  << QStringList { "<alert>", "Please Check This Out", "No Prg" };
        QTest::newRow("sound file left empty, own message untrimmed")
            << QStringList { "Opsoundfile", "Opcustommsg" } << " Ring Anna "
            << QStringList { "", " Ring Anna ", "No Prg" };
        QTest::newRow("own message left empty")
            << QStringList { "Opnosound", "Opcustommsg" } << "" << QStringList { "No Sound", "", "No Prg" };
        // clang-format on
    }
    void okWritesTheChoicesBack()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QString, typedMessage);
        QFETCH(QStringList, expected);
        openWith({}, {}, {});
        for (const QString &option : clicks)
            click(option);
        QTest::keyClicks(findIn<QWidget>(dialog(), "msgtext"), typedMessage);
        click("lblok");
        QVERIFY(!dialog());
        QCOMPARE(callerBoxes(), expected.replaceInStrings("<alert>", alertSound()));
    }

    void optionsOfAGroupExcludeEachOther()
    {
        openWith({}, "Call Anna", {});
        click("Opsoundfile");
        click("Opnosound");
        click("Opnosound");
        QCOMPARE(checkedOptions(), QStringLiteral("Opnosound Opcustommsg"));
        click("Opdefaultmsg");
        QCOMPARE(checkedOptions(), QStringLiteral("Opnosound Opdefaultmsg"));
        QCOMPARE(dialogText("msgtext"), QString());
    }

    void browsingFillsTheBoxUnlessCancelled_data()
    {
        // clang-format off
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<bool>("cancelled");
        QTest::newRow("sound") << "cmdbrowsesound" << "soundfileText" << "All Files (*.wav)" << "*.wav" << false;
        QTest::newRow("sound cancelled")
            << "cmdbrowsesound" << "soundfileText" << "All Files (*.wav)" << "*.wav" << true;
        QTest::newRow("program") << "cmdbrowseprg" << "prgText" << "All Files (*.exe)" << "" << false;
        QTest::newRow("program cancelled") << "cmdbrowseprg" << "prgText" << "All Files (*.exe)" << "" << true;
        // clang-format on
    }
    void browsingFillsTheBoxUnlessCancelled()
    {
        QFETCH(QString, button);
        QFETCH(QString, target);
        QFETCH(QString, filter);
        QFETCH(QString, suffix);
        QFETCH(bool, cancelled);
        openWith("/old/bell.wav", {}, "/old/app");
        const QString before = dialogText(target);
        fakes().dialogs->fileAnswers << (cancelled ? std::nullopt : std::optional<QString>("/new/file"));
        click(button);
        QCOMPARE(fakes().dialogs->fileRequests, (QList<QPair<QString, QString>> { { filter, suffix } }));
        QCOMPARE(dialogText(target), cancelled ? before : QStringLiteral("/new/file"));
        QVERIFY(dialog());
    }

    void cancelAndLeavingCloseWithoutWriting_data()
    {
        QTest::addColumn<bool>("leave");
        QTest::newRow("cancel") << false;
        QTest::newRow("focus moves to the editor") << true;
    }
    void cancelAndLeavingCloseWithoutWriting()
    {
        QFETCH(bool, leave);
        openWith("No Sound", "Call Anna", "No Prg");
        QTRY_VERIFY(dialog()->isActiveWindow());
        click("Opdefaultsound");
        click("Opnomsg");
        QTest::keyClicks(findIn<QWidget>(dialog(), "prgText"), "/bin/x");
        if (leave)
            m_editor->activateWindow();
        else
            click("lblcancel");
        QTRY_VERIFY(!dialog());
        QCOMPARE(callerBoxes(), QStringList({ "No Sound", "Call Anna", "No Prg" }));
    }

    void reopeningPresetsAgainFromTheBoxes()
    {
        openWith({}, {}, {});
        click("Opdefaultsound");
        click("lblok");
        clickOn(findIn<QWidget>(m_editor, "cmdadv"));
        QCOMPARE(checkedOptions(), QStringLiteral("Opdefaultsound"));
    }

    void anUnknownCallerMarkerWritesNothing()
    {
        openWith("No Sound", {}, {});
        findIn<QLineEdit>(dialog(), "Text1")->setText("frmcontact_info");
        click("Opdefaultsound");
        click("lblok");
        QVERIFY(!dialog());
        QCOMPARE(callerBoxes(), QStringList({ "No Sound", "", "" }));
    }
};

QTEST_MAIN(TestAdvanceDialog)
#include "test_advancedialog.moc"
