// SPDX-License-Identifier: MIT
#include "reminders/RepeatingEditor.h"
#include "store/Repeats.h"
#include "support/FreshProgramTest.h"
#include "support/RecordSteps.h"
#include "widgets/Frm_Repeat.h"
#include "widgets/RepeatCombo.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QRadioButton>
#include <QSpinBox>

using store::Frequency;
using store::RepeatRule;
using store::Table;

namespace {

struct Kind
{
    const char *list;
    const char *editor;
    Table table;
};

const Kind Task { "Frm_Task", "FrmTask_Info", Table::Task };
const Kind Schedule { "Frm_Schedule", "FrmSchedule_Info", Table::Schedule };

const Kind &kindNamed(const QString &name)
{
    return name == "task" ? Task : Schedule;
}

/// Every week on Monday, Wednesday and Friday, every second week, until 3/31/2027.
RepeatRule fortnightlyUntilMarch()
{
    RepeatRule rule;
    rule.frequency = Frequency::Weekly;
    rule.interval = 2;
    rule.weekdays = { Qt::Monday, Qt::Wednesday, Qt::Friday };
    rule.until = QDate(2027, 3, 31);
    return rule;
}

/// Chooses an item of a combo in its drop-down list, as the user clicks it.
void choose(QComboBox *combo, const QString &item)
{
    QVERIFY(combo);
    const int index = combo->findText(item);
    QVERIFY2(index >= 0, qPrintable("no item " + item));
    combo->showPopup();
    QAbstractItemView *view = combo->view();
    const QModelIndex at = view->model()->index(index, 0);
    view->scrollTo(at);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(at).center());
    QCOMPARE(combo->currentIndex(), index);
}

} // namespace

class TestRepeatEditing : public FreshProgramTest
{
    Q_OBJECT

    QWidget *window(const char *key) { return loadedWindow(p(), key); }
    RepeatCombo *repeatCombo(const Kind &kind) { return findIn<RepeatCombo>(window(kind.editor), "cmbrepeat"); }
    FakeDialogs &dialogs() { return *fakes().dialogs; }

    /// A stored record of the kind on Monday 12/7/2026 at 9:00, with a reminder at 8:15:20 that day.
    qint64 seedRecord(const Kind &kind, const QString &name)
    {
        const qint64 remNo = db().nextNumber(Table::Reminder);
        seedReminder(db(), remNo, "12/7/2026");
        if (kind.table == Table::Task)
            seedTask(db(), db().nextNumber(Table::Task), name, remNo);
        else
            seedSchedule(db(), db().nextNumber(Table::Schedule), name, remNo);
        return db().records(kind.table).last().rowid;
    }

    /// Opens the list of the kind and the editor on the stored record of that name.
    QWidget *openStored(const Kind &kind, const QString &name)
    {
        if (!p().started())
            p().start();
        QWidget *list = p().app().windows().open(kind.list);
        clickGridRow(list, "MSHFlexGrid1", name);
        clickOn(findIn<QWidget>(list, "lbledit"));
        return window(kind.editor);
    }

    /// Opens a new record's editor with its required fields entered.
    QWidget *openNew(const Kind &kind, const QString &name)
    {
        p().start();
        clickOn(findIn<QWidget>(p().app().windows().open(kind.list), "lblnew"));
        QWidget *editor = window(kind.editor);
        enterText(editor, "txtname", name);
        enterText(editor, "cmbstatus", "Not Started");
        enterText(editor, "cmbcategory", "Business");
        enterText(editor, kind.table == Table::Task ? "cmbdate" : "cmbstartdate", "12/7/2026");
        return editor;
    }

    /// The records of a table in order: name, date (a schedule's due date after a dash), the
    /// reminder's date, the series' rule in words with the days it leaves out, and the occurrence
    /// a record stands for.
    QStringList recordsAndSeries(Table table)
    {
        QStringList lines;
        for (const store::Record &row : db().records(table)) {
            QString line = row.text(1) + " " + row.text(3);
            if (table == Table::Schedule)
                line += "-" + row.text(5);
            const int remNoColumn = table == Table::Task ? 8 : 10;
            for (const store::Record &reminder :
                db().records(Table::Reminder, "rem_no = ?", { row.number(remNoColumn) }))
                line += " reminded " + reminder.text(1);
            if (const auto repeat = store::repeatOf(db(), table, row.rowid)) {
                line += " " + store::inWords(repeat->rule, store::parseDate(row.text(3)));
                for (const QDate day : repeat->exceptions)
                    line += " except " + store::dateText(day);
            }
            if (const auto link = store::occurrenceLinkOf(db(), table, row.rowid))
                line += QString(" stands for %1 of %2").arg(store::dateText(link->day)).arg(link->series);
            lines << line;
        }
        return lines;
    }

private slots:
    void repeatChoiceIsSavedAndLoadedBack_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("choice");
        QTest::addColumn<int>("frequency"); // every 1 of it, no end; -1: happens once
        for (const char *kind : { "task", "schedule" }) {
            QTest::addRow("%s once", kind) << kind << "Does not repeat" << -1;
            QTest::addRow("%s daily", kind) << kind << "Daily" << int(Frequency::Daily);
            QTest::addRow("%s weekly", kind) << kind << "Weekly" << int(Frequency::Weekly);
            QTest::addRow("%s monthly", kind) << kind << "Monthly" << int(Frequency::Monthly);
            QTest::addRow("%s yearly", kind) << kind << "Yearly" << int(Frequency::Yearly);
        }
    }
    void repeatChoiceIsSavedAndLoadedBack()
    {
        QFETCH(QString, kind);
        QFETCH(QString, choice);
        QFETCH(int, frequency);
        const Kind &k = kindNamed(kind);
        openNew(k, "Standup");
        QCOMPARE(repeatCombo(k)->currentText(), QStringLiteral("Does not repeat"));
        QStringList items;
        for (int i = 0; i < repeatCombo(k)->count(); ++i)
            items << repeatCombo(k)->itemText(i);
        QCOMPARE(items, QStringList({ "Does not repeat", "Daily", "Weekly", "Monthly", "Yearly", "Custom…" }));
        choose(repeatCombo(k), choice);
        clickOn(findIn<QWidget>(window(k.editor), "lblsave"));

        const auto stored = store::repeatOf(db(), k.table, db().records(k.table).last().rowid);
        if (frequency < 0) {
            QVERIFY(!stored);
        } else {
            RepeatRule expected;
            expected.frequency = Frequency(frequency);
            QVERIFY(stored);
            QCOMPARE(stored->rule, expected);
        }
        QVERIFY(openStored(k, "Standup"));
        QCOMPARE(repeatCombo(k)->currentText(), choice);
    }

    void aRuleNoItemMeansIsShownInWords()
    {
        const qint64 rowid = seedRecord(Schedule, "Review");
        store::setRepeat(db(), Table::Schedule, rowid, QDate(2026, 12, 7), store::Repeat { fortnightlyUntilMarch(), {} });
        openStored(Schedule, "Review");
        RepeatCombo *combo = repeatCombo(Schedule);
        QCOMPARE(combo->currentText(), store::inWords(fortnightlyUntilMarch(), QDate(2026, 12, 7)));
        QCOMPARE(combo->rule(), std::optional(fortnightlyUntilMarch()));
        QCOMPARE(combo->itemText(combo->count() - 1), QStringLiteral("Custom…"));
    }

    void customDialogMakesTheRule_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("made");
        QTest::newRow("Enter accepts") << int(Qt::Key_Return) << true;
        QTest::newRow("Escape cancels") << int(Qt::Key_Escape) << false;
    }
    void customDialogMakesTheRule()
    {
        QFETCH(int, key);
        QFETCH(bool, made);
        QWidget *editor = openNew(Task, "Gym");
        RepeatCombo *combo = repeatCombo(Task);
        choose(combo, "Weekly");
        choose(combo, "Custom…");
        auto *dialog = combo->customDialog();
        QVERIFY(dialog && dialog->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        // Preset from the chosen rule: every week on the start's weekday, without end.
        QCOMPARE(findIn<QCheckBox>(dialog, "chkday1")->isChecked(), true);
        QCOMPARE(findIn<QRadioButton>(dialog, "Opnever")->isChecked(), true);
        findIn<QSpinBox>(dialog, "spninterval")->setValue(2);
        clickOn(findIn<QCheckBox>(dialog, "chkday3"));
        clickOn(findIn<QCheckBox>(dialog, "chkday5"));
        clickOn(findIn<QRadioButton>(dialog, "Opuntil"));
        enterText(dialog, "cmbuntil", "3/31/2027");
        findIn<QSpinBox>(dialog, "spninterval")->setFocus();
        QTest::keyClick(findIn<QSpinBox>(dialog, "spninterval"), Qt::Key(key));
        QTRY_VERIFY(!combo->customDialog());

        RepeatRule weekly;
        weekly.frequency = Frequency::Weekly;
        QCOMPARE(combo->rule(), std::optional(made ? fortnightlyUntilMarch() : weekly));
        QCOMPARE(combo->currentText(), made ? store::inWords(fortnightlyUntilMarch(), QDate(2026, 12, 7)) : "Weekly");
        QVERIFY(editor->isVisible());
        QVERIFY(dialogs().shown.isEmpty());
    }

    void thisOneOrWholeSeries_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("action"); // "edit" the occurrence of 12/21/2026, or "delete" from the list
        QTest::addColumn<SeriesScope>("answer");
        QTest::addColumn<QStringList>("stored"); // recordsAndSeries() after it
        const QString weekly = store::inWords(RepeatRule { Frequency::Weekly }, QDate(2026, 12, 7));
        const QStringList unchangedTask { "Standup 12/7/2026 reminded 12/7/2026 " + weekly };
        QTest::newRow("task edit, only this one")
            << "task" << "edit" << SeriesScope::ThisOne
            << QStringList({ "Standup 12/7/2026 reminded 12/7/2026 " + weekly + " except 12/21/2026",
                   "Moved 12/21/2026 reminded 12/21/2026 stands for 12/21/2026 of 1" });
        QTest::newRow("task edit, whole series")
            << "task" << "edit" << SeriesScope::WholeSeries
            << QStringList({ "Moved 12/7/2026 reminded 12/7/2026 " + weekly });
        QTest::newRow("task edit, cancelled") << "task" << "edit" << SeriesScope::Cancelled << unchangedTask;
        QTest::newRow("task delete, only this one")
            << "task" << "delete" << SeriesScope::ThisOne
            << QStringList({ "Standup 12/7/2026 reminded 12/7/2026 " + weekly + " except 12/7/2026" });
        QTest::newRow("task delete, whole series") << "task" << "delete" << SeriesScope::WholeSeries << QStringList();
        QTest::newRow("task delete, cancelled") << "task" << "delete" << SeriesScope::Cancelled << unchangedTask;
        QTest::newRow("schedule edit, only this one")
            << "schedule" << "edit" << SeriesScope::ThisOne
            << QStringList({ "Standup 12/7/2026-12/7/2026 reminded 12/7/2026 " + weekly + " except 12/21/2026",
                   "Moved 12/21/2026-12/21/2026 reminded 12/21/2026 stands for 12/21/2026 of 1" });
        QTest::newRow("schedule edit, whole series")
            << "schedule" << "edit" << SeriesScope::WholeSeries
            << QStringList({ "Moved 12/7/2026-12/7/2026 reminded 12/7/2026 " + weekly });
        QTest::newRow("schedule delete, only this one")
            << "schedule" << "delete" << SeriesScope::ThisOne
            << QStringList({ "Standup 12/7/2026-12/7/2026 reminded 12/7/2026 " + weekly + " except 12/7/2026" });
        QTest::newRow("schedule delete, whole series")
            << "schedule" << "delete" << SeriesScope::WholeSeries << QStringList();
    }
    void thisOneOrWholeSeries()
    {
        QFETCH(QString, kind);
        QFETCH(QString, action);
        QFETCH(SeriesScope, answer);
        QFETCH(QStringList, stored);
        const Kind &k = kindNamed(kind);
        const qint64 rowid = seedRecord(k, "Standup");
        QCOMPARE(rowid, qint64(1));
        store::setRepeat(db(), k.table, rowid, QDate(2026, 12, 7), store::Repeat { RepeatRule { Frequency::Weekly }, {} });
        dialogs().scopeAnswers = { answer };
        QString question;
        if (action == "edit") {
            auto *editor = qobject_cast<RepeatingEditor *>(openStored(k, "Standup"));
            QVERIFY(editor);
            editor->showOccurrence(QDate(2026, 12, 21));
            QCOMPARE(editor->occurrence(), QDate(2026, 12, 21));
            QCOMPARE(boxTexts(editor, { k.table == Table::Task ? "cmbdate" : "cmbstartdate", "cmbremtime" }),
                QStringList({ "12/21/2026", "8:15:20" }));
            enterText(editor, "txtname", "Moved");
            clickOn(findIn<QWidget>(editor, "lblupdate"));
            question = "Change only this occurrence, or the whole series?";
            // Cancelled, the editor stays as it was.
            QCOMPARE(window(k.editor) != nullptr, answer == SeriesScope::Cancelled);
        } else {
            p().start();
            QWidget *list = p().app().windows().open(k.list);
            clickGridRow(list, "MSHFlexGrid1", "Standup");
            clickOn(findIn<QWidget>(list, "lblDelete"));
            question = "Delete only this occurrence, or the whole series?";
        }
        const QPair<QString, QString> asked { question, k.table == Table::Task ? "Repeating Task" : "Repeating Schedule" };
        QCOMPARE(dialogs().scopeQuestions, QList { asked });
        QCOMPARE(recordsAndSeries(k.table), stored);
        QCOMPARE(dialogs().shown.size(), qsizetype(answer == SeriesScope::Cancelled ? 0 : 1));
    }

    void theListsWordHowEachRecordRepeats_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("tasks") << "task";
        QTest::newRow("schedules") << "schedule";
    }
    void theListsWordHowEachRecordRepeats()
    {
        QFETCH(QString, kind);
        const Kind &k = kindNamed(kind);
        seedRecord(k, "Once");
        store::setRepeat(db(), k.table, seedRecord(k, "Fortnightly"), QDate(2026, 12, 7),
            store::Repeat { fortnightlyUntilMarch(), { QDate(2026, 12, 9) } });
        p().start();
        auto *grid = findIn<GroupedGrid>(p().app().windows().open(k.list), "MSHFlexGrid1");
        const int last = grid->columnCount() - 1;
        QCOMPARE(grid->headerItem()->text(last), QStringLiteral("Repeats"));
        QCOMPARE(grid->findRecordRow(2, "Once")->text(last), QString());
        QCOMPARE(grid->findRecordRow(2, "Fortnightly")->text(last),
            store::inWords(fortnightlyUntilMarch(), QDate(2026, 12, 7)));
    }
};

QTEST_MAIN(TestRepeatEditing)
#include "test_repeatediting.moc"
