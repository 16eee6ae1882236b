// SPDX-License-Identifier: MIT
#include "app/Orrisday.h"
#include "app/RecordWindows.h"
#include "support/TestProgram.h"
#include "tasks/frmtask_info.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

class TestAdvanceDialog : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> m_program;
    QWidget *m_editor = nullptr;

    TestProgram &p() { return *m_program; }
    QLineEdit *box(const QString &name) { return findIn<QLineEdit>(m_editor, name); }
    QWidget *dialog()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return findWidget(QStringLiteral("Frm_Reminder"));
    }
    template <typename T = QWidget>
    T *inDialog(const QString &name)
    {
        return findIn<T>(dialog(), name);
    }
    QString alertSound() const { return m_program->folder() + QStringLiteral("/Wave/Alert.wav"); }

    /// Opens the advance dialog from a new task whose reminder choice boxes hold these texts.
    void openWith(const QString &sound, const QString &message, const QString &program)
    {
        m_editor = p().app().windows().open(QStringLiteral("FrmTask_Info"));
        clickOn(findIn<QCheckBox>(m_editor, QStringLiteral("remcheck")));
        box("Text1")->setText(sound);
        box("Text2")->setText(message);
        box("Text3")->setText(program);
        clickOn(findIn<QPushButton>(m_editor, QStringLiteral("cmdadv")));
        QVERIFY(dialog() && dialog()->isVisible());
    }
    QString checkedOptions()
    {
        QStringList names;
        for (const char *name : {"Opnosound", "Opdefaultsound", "Opsoundfile", "Opnomsg", "Opdefaultmsg", "Opcustommsg"})
            if (inDialog<QRadioButton>(name)->isChecked())
                names << name;
        return names.join(' ');
    }
    QStringList callerBoxes() { return {box("Text1")->text(), box("Text2")->text(), box("Text3")->text()}; }

private slots:
    void init()
    {
        m_program = std::make_unique<TestProgram>();
        p().start();
    }
    void cleanup()
    {
        m_program.reset();
        m_editor = nullptr;
    }

    void presetsFromTheCallersBoxes_data()
    {
        QTest::addColumn<QString>("sound");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("checked");
        QTest::addColumn<QStringList>("texts"); // soundfileText, msgtext, prgText
        QTest::newRow("never set") << "" << "" << "" << "" << QStringList{"", "", ""};
        QTest::newRow("none chosen") << "No Sound" << "No Message" << "No Prg" << "Opnosound Opnomsg"
                                     << QStringList{"", "", ""};
        QTest::newRow("defaults") << "<alert>" << "Please Check This Out" << "/usr/bin/notes"
                                  << "Opdefaultsound Opdefaultmsg" << QStringList{"", "", "/usr/bin/notes"};
        QTest::newRow("own choices") << "/home/me/bell.wav" << "Call Anna" << ""
                                     << "Opsoundfile Opcustommsg" << QStringList{"/home/me/bell.wav", "Call Anna", ""};
        QTest::newRow("exact texts only") << "no sound" << "Please check this out" << "no prg"
                                          << "Opsoundfile Opcustommsg"
                                          << QStringList{"no sound", "Please check this out", "no prg"};
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
        QCOMPARE(QStringList({inDialog<QLineEdit>("soundfileText")->text(), inDialog<QLineEdit>("msgtext")->text(),
                              inDialog<QLineEdit>("prgText")->text()}),
                 texts);
        QCOMPARE(inDialog<QLineEdit>("Text1")->text(), QStringLiteral("FrmTask_Info"));
        QCOMPARE(dialog()->pos(), p().app().windows().place());
    }

    void okWritesTheChoicesBack_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("typedMessage");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("nothing chosen") << QStringList{} << "" << QStringList{"", "", "No Prg"};
        QTest::newRow("no sound, no message") << QStringList{"Opnosound", "Opnomsg"} << ""
                                              << QStringList{"No Sound", "No Message", "No Prg"};
        QTest::newRow("defaults") << QStringList{"Opsoundfile", "Opdefaultsound", "Opdefaultmsg"} << ""
                                  << QStringList{"<alert>", "Please Check This Out", "No Prg"};
        QTest::newRow("sound file left empty, own message")
            << QStringList{"Opsoundfile", "Opcustommsg"} << " Ring Anna "
            << QStringList{"", " Ring Anna ", "No Prg"};
    }
    void okWritesTheChoicesBack()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QString, typedMessage);
        QFETCH(QStringList, expected);
        openWith({}, {}, {});
        for (const QString &option : clicks)
            clickOn(inDialog(option));
        QTest::keyClicks(inDialog("msgtext"), typedMessage);
        clickOn(inDialog("lblok"));
        QVERIFY(!dialog());
        expected.replaceInStrings("<alert>", alertSound());
        QCOMPARE(callerBoxes(), expected);
    }

    void optionsOfAGroupExcludeEachOther()
    {
        openWith({}, QStringLiteral("Call Anna"), {});
        clickOn(inDialog("Opsoundfile"));
        clickOn(inDialog("Opnosound"));
        clickOn(inDialog("Opnosound"));
        QCOMPARE(checkedOptions(), QStringLiteral("Opnosound Opcustommsg"));
        clickOn(inDialog("Opdefaultmsg"));
        QCOMPARE(checkedOptions(), QStringLiteral("Opnosound Opdefaultmsg"));
        QCOMPARE(inDialog<QLineEdit>("msgtext")->text(), QString());
    }

    void browsingFillsTheBoxUnlessCancelled_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<bool>("cancelled");
        QTest::newRow("sound") << "cmdbrowsesound" << "soundfileText" << "All Files (*.wav)" << "*.wav" << false;
        QTest::newRow("sound cancelled") << "cmdbrowsesound" << "soundfileText" << "All Files (*.wav)" << "*.wav"
                                         << true;
        QTest::newRow("program") << "cmdbrowseprg" << "prgText" << "All Files (*.exe)" << "" << false;
        QTest::newRow("program cancelled") << "cmdbrowseprg" << "prgText" << "All Files (*.exe)" << "" << true;
    }
    void browsingFillsTheBoxUnlessCancelled()
    {
        QFETCH(QString, button);
        QFETCH(QString, target);
        QFETCH(QString, filter);
        QFETCH(QString, suffix);
        QFETCH(bool, cancelled);
        openWith(QStringLiteral("/old/bell.wav"), {}, QStringLiteral("/old/app"));
        const QString before = inDialog<QLineEdit>(target)->text();
        p().fakes.dialogs->fileAnswers << (cancelled ? std::nullopt : std::optional<QString>("/new/file"));
        clickOn(inDialog(button));
        QCOMPARE(p().fakes.dialogs->fileRequests, (QList<QPair<QString, QString>>{{filter, suffix}}));
        QCOMPARE(inDialog<QLineEdit>(target)->text(), cancelled ? before : QStringLiteral("/new/file"));
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
        openWith(QStringLiteral("No Sound"), QStringLiteral("Call Anna"), QStringLiteral("No Prg"));
        QTRY_VERIFY(dialog()->isActiveWindow());
        clickOn(inDialog("Opdefaultsound"));
        clickOn(inDialog("Opnomsg"));
        QTest::keyClicks(inDialog("prgText"), "/bin/x");
        if (leave) {
            m_editor->activateWindow();
            QTRY_VERIFY(!dialog());
        } else {
            clickOn(inDialog("lblcancel"));
            QVERIFY(!dialog());
        }
        QCOMPARE(callerBoxes(), QStringList({"No Sound", "Call Anna", "No Prg"}));
    }

    void reopeningPresetsAgainFromTheBoxes()
    {
        openWith({}, {}, {});
        clickOn(inDialog("Opdefaultsound"));
        clickOn(inDialog("lblok"));
        clickOn(findIn<QPushButton>(m_editor, QStringLiteral("cmdadv")));
        QCOMPARE(checkedOptions(), QStringLiteral("Opdefaultsound"));
    }

    void anUnknownCallerMarkerWritesNothing()
    {
        openWith(QStringLiteral("No Sound"), {}, {});
        inDialog<QLineEdit>("Text1")->setText(QStringLiteral("frmcontact_info"));
        clickOn(inDialog("Opdefaultsound"));
        clickOn(inDialog("lblok"));
        QVERIFY(!dialog());
        QCOMPARE(callerBoxes(), QStringList({"No Sound", "", ""}));
    }
};

QTEST_MAIN(TestAdvanceDialog)
#include "test_advancedialog.moc"
