// SPDX-License-Identifier: MIT
// Keys typed into the date and time combos, answered by the owning window's rule.

#include "EntryWindow.h"
#include "support/SharedProgramTest.h"

#include <QSignalSpy>

namespace {

// One typed key: where, which, the message it gets, the combo's text after it and whether the key
// reached the text. Dates start as "5/6/2027", times as "9 : 30".
struct KeyCase
{
    const char *name;
    const char *window;
    const char *combo;
    int key;
    const char *message;
    const char *title;
    MessageIcon icon;
    const char *textAfter;
    bool keyLands;
};

} // namespace

Q_DECLARE_METATYPE(KeyCase)

class TestKeyRules final : public SharedProgramTest
{
    Q_OBJECT

private slots:
    void typedKey_data()
    {
        QTest::addColumn<KeyCase>("typed");
        QTest::addColumn<bool>("toLineEdit");

        constexpr auto Info = MessageIcon::Information;
        constexpr auto None = MessageIcon::None;
        const KeyCase rows[] = {
            {"task start date", "frmtask_info", "cmbdate", Qt::Key_X, "Please do not entry any data", "Orrisdaye",
             Info, "x", true},
            {"task reminder date", "frmtask_info", "cmbremdate", Qt::Key_X, " Please Do not Enter Any Data",
             "Orrisdaye", Info, "", false},
            {"task reminder date, backspace", "frmtask_info", "cmbremdate", Qt::Key_Backspace,
             " Please Do not Enter Any Data", "Orrisdaye", Info, "", false},
            {"task time", "frmtask_info", "cmbtime", Qt::Key_X, "Please Do not Enter Any Data", "Orrisdaye", Info,
             "9 : 30x", true},
            {"task time, backspace", "frmtask_info", "cmbtime", Qt::Key_Backspace, "Please Do not Enter Any Data",
             "Orrisdaye", Info, "9 : 3", true},
            {"task reminder time", "frmtask_info", "cmbremtime", Qt::Key_7, "Please Do not Enter Any Data",
             "Orrisdaye", Info, "9 : 307", true},
            {"schedule start date", "frmschedule_info", "cmbstartdate", Qt::Key_X, "Please dont entry any data", "",
             None, "x", true},
            {"schedule due date", "frmschedule_info", "cmbduedate", Qt::Key_X, "Please do not entry any data",
             "Orrisdaye", Info, "x", true},
            {"schedule due time", "frmschedule_info", "cmbduetime", Qt::Key_X, "Please do not entry any data",
             "Orrisdaye", Info, "x", true},
            {"schedule reminder date", "frmschedule_info", "cmbrem1date", Qt::Key_X, "Please do not entry any data",
             "Orrisdaye", Info, "x", true},
            {"schedule reminder time", "frmschedule_info", "cmbremtime", Qt::Key_X, "Please dont entry any data",
             "Orrisdaye", Info, "x", true},
            {"note date", "frmnote_info", "cmbnotedate", Qt::Key_X, "Please Do not Enter Any data", "Orrisdaye", Info,
             "5/6/2027x", true},
            {"schedule start time", "frmschedule_info", "cmbstarttime", Qt::Key_X, "", "", None, "9 : 30x", true},
            {"note time", "frmnote_info", "cmbnotetime", Qt::Key_X, "", "", None, "9 : 30x", true},
            {"note reminder date", "frmnote_info", "cmbrem2date", Qt::Key_X, "", "", None, "5/6/2027x", true},
            {"note reminder time", "frmnote_info", "cmbremtime", Qt::Key_X, "", "", None, "9 : 30x", true},
            {"birthday", "FrmContact_Info", "cmbbdate", Qt::Key_X, "", "", None, "5/6/2027x", true},
            {"birthday reminder time", "FrmContact_Info", "cmbeventtime", Qt::Key_X, "", "", None, "9 : 30x", true},
            {"event date", "Frm_Option", "cmbeventdate", Qt::Key_X, "", "", None, "5/6/2027x", true},
            {"event time", "Frm_Option", "cmbeventtime", Qt::Key_X, "", "", None, "9 : 30x", true},
            {"task start date, cursor key", "frmtask_info", "cmbdate", Qt::Key_Left, "", "", None, "5/6/2027", false},
        };
        for (const KeyCase &row : rows) {
            for (bool toLineEdit : {false, true}) {
                QTest::addRow("%s%s", row.name, toLineEdit ? ", sent to the line edit" : "")
                    << row << toLineEdit;
            }
        }
    }

    void typedKey()
    {
        QFETCH(KeyCase, typed);
        QFETCH(bool, toLineEdit);

        EntryWindow owner(app(), typed.window);
        const bool isTime = QByteArray(typed.combo).contains("time");
        QComboBox *target = isTime ? static_cast<QComboBox *>(owner.time(typed.combo)) : owner.date(typed.combo);
        target->setEditText(isTime ? "9 : 30" : "5/6/2027");
        QVERIFY(owner.showActive());
        target->setFocus();
        QSignalSpy edits(target->lineEdit(), &QLineEdit::textEdited);

        QWidget *receiver = toLineEdit ? static_cast<QWidget *>(target->lineEdit()) : target;
        QTest::keyClick(receiver, Qt::Key(typed.key));

        QCOMPARE(fakes().dialogs->shown, messageIfAny(typed.message, typed.icon, typed.title));
        QCOMPARE(target->currentText(), QString(typed.textAfter));
        QCOMPARE(!edits.isEmpty(), typed.keyLands);
    }

    // Tab is no typing: it leaves without a message. Every other key is answered on its own.
    void tabLeavesWithoutAMessageWhileEveryKeyIsAnswered()
    {
        EntryWindow task(app(), QStringLiteral("frmtask_info"));
        DateCombo *cmbdate = task.date(QStringLiteral("cmbdate"));
        QLineEdit *next = task.field();
        QVERIFY(task.showActive());
        cmbdate->setFocus();

        QTest::keyClicks(cmbdate, QStringLiteral("3/5"));
        QCOMPARE(fakes().dialogs->shown.size(), 3);
        QCOMPARE(cmbdate->currentText(), QStringLiteral("5"));

        QTest::keyClick(cmbdate, Qt::Key_Tab);
        QVERIFY(next->hasFocus());
        QCOMPARE(fakes().dialogs->shown.size(), 3);
    }
};

QTEST_MAIN(TestKeyRules)
#include "test_keyrules.moc"
