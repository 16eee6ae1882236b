// SPDX-License-Identifier: MIT
#include "ContactSteps.h"

#include "support/FreshProgramTest.h"
#include "widgets/TimeCombo.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>

using store::Table;

namespace {

/// Columns of each row of a table, joined by |.
QStringList rowsOf(store::Database &db, Table table, const QList<int> &columns)
{
    QStringList rows;
    for (const QStringList &row : tableTexts(db, table)) {
        QStringList picked;
        for (int column : columns)
            picked << row.value(column);
        rows << picked.join('|');
    }
    return rows;
}

} // namespace

class TestContactEditor : public FreshProgramTest
{
    Q_OBJECT

    QWidget *editor() { return loadedContactWindow(p(), "FrmContact_Info"); }
    template <typename T = QWidget> T *control(const QString &name) { return findIn<T>(editor(), name); }
    void enter(const QString &name, const QString &text) { setControlText(editor(), name, text); }
    QString textOf(const QString &name) { return controlText(editor(), name); }
    QList<ShownMessage> &shown() { return fakes().dialogs->shown; }

    void openNew(const QString &category = "Personal")
    {
        p().start();
        clickOn(findIn<QWidget>(openContactList(p()), "lblnew"));
        QVERIFY(editor());
        QVERIFY(control("Frambutton")->isVisible());
        QVERIFY(!control("SSTab1")->isVisible());
        auto *combo = control<QComboBox>("cmbcategory");
        combo->setCurrentIndex(combo->findText(category));
        emit combo->activated(combo->currentIndex());
        QVERIFY(control("SSTab1")->isVisible());
        QVERIFY(!control("Frame1")->isVisible());
    }

    void openStored(qint64 number)
    {
        p().start();
        QWidget *list = openContactList(p());
        clickContactRow(list, number);
        clickOn(findIn<QWidget>(list, "lbledit"));
        QVERIFY(editor());
    }

    /// A picture file of one colour in the program folder.
    QString picture(const QString &name, QColor colour, const char *format = "PNG")
    {
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(colour);
        const QString path = p().folder() + "/" + name;
        QDir().mkpath(QFileInfo(path).absolutePath());
        image.save(path, format);
        return path;
    }
    /// The colour the picture box shows, by its strongest channel (photos are stored lossy).
    QColor shownColour()
    {
        const QImage shownImage = control<QLabel>("contactpicture")->pixmap().toImage();
        if (shownImage.isNull())
            return {};
        const QColor c = shownImage.pixelColor(shownImage.rect().center());
        const int strongest = std::max({ c.red(), c.green(), c.blue() });
        return QColor(c.red() == strongest ? 255 : 0, c.green() == strongest ? 255 : 0, c.blue() == strongest ? 255 : 0);
    }

private slots:
    void tabRunsDownEachColumn()
    {
        openNew();
        const QStringList fields { "txtfname", "txtlname", "txtpadd", "txtpcity", "txtpstate", "txtpcountry",
            "txtpphoneno", "txtpmobileno", "txtpemailid", "cmbbdate" };
        QStringList reached;
        QWidget *at = control(fields.first());
        for (int step = 0; step < 200 && reached.size() < fields.size(); ++step, at = at->nextInFocusChain())
            if (fields.contains(at->objectName()) && !reached.contains(at->objectName()))
                reached << at->objectName();
        QCOMPARE(reached, fields);
    }

    void addStoresContactBirthdayAndReminder_data()
    {
        QTest::addColumn<QList<qint64>>("contacts");  // contact numbers stored, in table order
        QTest::addColumn<QList<qint64>>("reminders"); // rem_no stored, in table order
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("birthDate");
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<QString>("contact");  // number|first|last|phone|mobile|birth date|fax|category
        QTest::addColumn<QString>("birthday"); // contact number|date|rem_no
        QTest::addColumn<QString>("reminder"); // the new reminder row, or empty
        using Numbers = QList<qint64>;
        QTest::newRow("empty tables: number 1, empty phones 0, no birth date")
            << Numbers {} << Numbers {} << "Ann" << "Lee" << "" << false
            << "1|Ann|Lee|0|0|1/3/1900|0|Personal" << "1|1/3/1900|0" << "";
        QTest::newRow("the last row numbers, not the largest")
            << Numbers { 7, 3 } << Numbers {} << "Ann" << "Lee" << "5/14/1990" << false
            << "4|Ann|Lee|0|0|5/14/1990|0|Personal" << "4|5/14/1990|0" << "";
        QTest::newRow("first name alone is enough")
            << Numbers {} << Numbers {} << "Ann" << "" << "" << false
            << "1|Ann||0|0|1/3/1900|0|Personal" << "1|1/3/1900|0" << "";
        QTest::newRow("last name alone, trimmed")
            << Numbers {} << Numbers {} << "  " << " Lee " << "" << false
            << "1||Lee|0|0|1/3/1900|0|Personal" << "1|1/3/1900|0" << "";
        QTest::newRow("ticked: reminder K + 1 on the birth date at the opening time")
            << Numbers { 1 } << Numbers { 5 } << "Ann" << "Lee" << "5/14/1990" << true
            << "2|Ann|Lee|0|0|5/14/1990|0|Personal" << "2|5/14/1990|6"
            << "6|5/14/1990|10:00:00|%1/Wave/Birthday.wav|Ann . Lee's Birthday|";
        QTest::newRow("ticked in an empty reminder table: rem_no 1")
            << Numbers {} << Numbers {} << "Ann" << "Lee" << "" << true
            << "1|Ann|Lee|0|0|1/3/1900|0|Personal" << "1|1/3/1900|1"
            << "1|1/3/1900|10:00:00|%1/Wave/Birthday.wav|Ann . Lee's Birthday|";
    }
    void addStoresContactBirthdayAndReminder()
    {
        QFETCH(QList<qint64>, contacts);
        QFETCH(QList<qint64>, reminders);
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(QString, birthDate);
        QFETCH(bool, ticked);
        QFETCH(QString, contact);
        QFETCH(QString, birthday);
        QFETCH(QString, reminder);
        for (qint64 number : contacts)
            seedContact(db(), { number, "Old", "Friend" });
        for (qint64 remNo : reminders)
            seedReminder(db(), remNo);
        openNew();
        enter("txtfname", first);
        enter("txtlname", last);
        enter("cmbbdate", birthDate);
        if (ticked) {
            clickOn(control("remcheck"));
            QCOMPARE(textOf("cmbeventtime"), QString("10 : 0 : 0"));
        }
        clickOn(control("lblsave"));

        QCOMPARE(shown(), QList<ShownMessage>({ { " CONTACT ADDED SUCCESSFULLY", MessageIcon::Information, "Orrisdy" } }));
        QCOMPARE(rowsOf(db(), Table::Contact, { 0, 1, 2, 7, 8, 10, 20, 23 }).last(), contact);
        QCOMPARE(rowsOf(db(), Table::Contact, { 21 }).last(), p().folder() + "/database/nopicture.gif");
        QCOMPARE(rowsOf(db(), Table::Birthday, { 1, 2, 3 }).last(), birthday);
        const QStringList reminderRows = rowsOf(db(), Table::Reminder, { 0, 1, 2, 3, 4, 5 });
        QCOMPARE(reminderRows.size(), reminders.size() + (reminder.isEmpty() ? 0 : 1));
        if (!reminder.isEmpty())
            QCOMPARE(reminderRows.last(), reminder.arg(p().folder()));
        QVERIFY(!editor());
        QVERIFY(loadedContactWindow(p(), "Frm_Contact"));
    }

    void addRefusals_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("birthDate");
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::newRow("no name") << "" << "" << "5/14/1990" << false << " Please Enter data" << "Orrisdaye";
        QTest::newRow("blank names") << "  " << " " << "" << true << " Please Enter data" << "Orrisdaye";
        QTest::newRow("birth date in letters") << "Ann" << "Lee" << "soon" << false << "Please Enter Date "
                                               << "Orrisday";
        QTest::newRow("birth date in letters, reminder ticked")
            << "Ann" << "Lee" << "soon" << true << "Please Enter Date " << "Orrisday";
    }
    void addRefusals()
    {
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(QString, birthDate);
        QFETCH(bool, ticked);
        QFETCH(QString, message);
        QFETCH(QString, title);
        openNew();
        enter("txtfname", first);
        enter("txtlname", last);
        enter("cmbbdate", birthDate);
        if (ticked)
            clickOn(control("remcheck"));
        clickOn(control("lblsave"));
        QCOMPARE(shown(), QList<ShownMessage>({ { message, MessageIcon::Information, title } }));
        for (Table table : { Table::Contact, Table::Birthday, Table::Reminder })
            QVERIFY(db().records(table).isEmpty());
        QVERIFY(editor());
        QCOMPARE(textOf("cmbbdate"), birthDate);
    }

    void digitFields_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("told");
        QTest::addColumn<QString>("after");
        QTest::newRow("phone: letter") << "txtpphoneno" << int(Qt::Key_A) << true << "12";
        QTest::newRow("phone: blank") << "txtpphoneno" << int(Qt::Key_Space) << true << "12";
        QTest::newRow("mobile: Backspace") << "txtpmobileno" << int(Qt::Key_Backspace) << true << "12";
        QTest::newRow("company phone: digit") << "txtcphoneno" << int(Qt::Key_5) << false << "125";
        QTest::newRow("company phone: letter") << "txtcphoneno" << int(Qt::Key_B) << true << "12";
        QTest::newRow("fax: letter, silently") << "txtcfaxno" << int(Qt::Key_X) << false << "12";
        QTest::newRow("fax: Backspace, silently") << "txtcfaxno" << int(Qt::Key_Backspace) << false << "12";
        QTest::newRow("fax: digit") << "txtcfaxno" << int(Qt::Key_7) << false << "127";
        QTest::newRow("name: anything") << "txtfname" << int(Qt::Key_Backspace) << false << "1";
    }
    void digitFields()
    {
        QFETCH(QString, field);
        QFETCH(int, key);
        QFETCH(bool, told);
        QFETCH(QString, after);
        openNew();
        auto *edit = control<QLineEdit>(field);
        edit->setText("12");
        QTest::keyClick(edit, Qt::Key(key));
        QCOMPARE(edit->text(), after);
        const QList<ShownMessage> expected = told
            ? QList<ShownMessage> { { "Enter Only Numeric Data", MessageIcon::Critical, "Orrisday" } }
            : QList<ShownMessage> {};
        QCOMPARE(shown(), expected);
    }

    void pasteRefusedEverywhere()
    {
        openNew();
        QGuiApplication::clipboard()->setText("42");
        QList<QWidget *> targets;
        for (const char *name : { "txtfname", "txtpphoneno", "txtcfaxno", "txtnote", "txtwebsite" })
            targets << control(name);
        targets << control<QComboBox>("cmbbdate")->lineEdit();
        for (QWidget *target : targets) {
            QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
            const auto *line = qobject_cast<QLineEdit *>(target);
            QCOMPARE(line ? line->text() : qobject_cast<QPlainTextEdit *>(target)->toPlainText(), QString());
        }
        QCOMPARE(shown(), QList<ShownMessage>());
    }

    void updateFollowsTheBirthdayReminderTable_data()
    {
        QTest::addColumn<qint64>("birthdayRemNo"); // 3 has its row; 4 names a row that is gone
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<QString>("pick");          // a time picked H:MM, or empty
        QTest::addColumn<qint64>("newRemNo");       // the birthday's rem_no afterwards
        QTest::addColumn<QStringList>("reminders"); // rem_no|time|message of every row afterwards
        const QString other = "9|8:15:20|Please Check This Out";
        const QString zero = "0|8:15:20|Please Check This Out";
        QTest::newRow("none, unticked: nothing") << qint64(0) << false << "" << qint64(0) << QStringList { zero, other };
        QTest::newRow("none, ticked: a new reminder K + 1 at the opening time")
            << qint64(0) << true << "" << qint64(10)
            << QStringList { zero, other, "10|10:00:00|Ann Lee's Birthday" };
        QTest::newRow("kept: renumbered K + 1, stored time kept")
            << qint64(3) << true << "" << qint64(10)
            << QStringList { "10|7:30:00|Ann Lee's Birthday", zero, other };
        QTest::newRow("kept with a new time")
            << qint64(3) << true << "18:45" << qint64(10)
            << QStringList { "10|18:45:00|Ann Lee's Birthday", zero, other };
        QTest::newRow("unticked: removed with every row numbered 0")
            << qint64(3) << false << "" << qint64(0) << QStringList { other };
        QTest::newRow("row gone, ticked: nothing else changes")
            << qint64(4) << true << "" << qint64(4) << QStringList { zero, other };
        QTest::newRow("row gone, unticked: nothing else changes")
            << qint64(4) << false << "" << qint64(4) << QStringList { zero, other };
    }
    void updateFollowsTheBirthdayReminderTable()
    {
        QFETCH(qint64, birthdayRemNo);
        QFETCH(bool, ticked);
        QFETCH(QString, pick);
        QFETCH(qint64, newRemNo);
        QFETCH(QStringList, reminders);
        seedContact(db(), { 1, "Ann", "Lee", "Business", birthdayRemNo });
        if (birthdayRemNo == 3)
            seedReminder(db(), 3, "1/3/1900", "7 : 30 : 0", "/w/Birthday.wav", "Ann . Lee's Birthday", "");
        seedReminder(db(), 0);
        seedReminder(db(), 9);
        openStored(1);
        QCOMPARE(textOf("cmbbdate"), QString());
        QCOMPARE(control<QCheckBox>("remcheck")->isChecked(), birthdayRemNo == 3);
        QCOMPARE(textOf("cmbeventtime"), birthdayRemNo == 3 ? QString("7:30:00") : QString());
        if (control<QCheckBox>("remcheck")->isChecked() != ticked)
            clickOn(control("remcheck"));
        if (!pick.isEmpty()) {
            auto *time = control<TimeCombo>("cmbeventtime");
            time->showPopup();
            time->hourList()->setCurrentRow(pick.section(':', 0, 0).toInt());
            QListWidget *minutes = time->minuteList();
            QListWidgetItem *minute = minutes->item(pick.section(':', 1, 1).toInt());
            minutes->scrollToItem(minute);
            QTest::mouseClick(minutes->viewport(), Qt::LeftButton, {}, minutes->visualItemRect(minute).center());
        }
        enter("txtpcity", " York ");
        clickOn(control("lblupdate"));

        QCOMPARE(shown(),
            QList<ShownMessage>({ { "CONTACT UPDATED SUCCESSFULLY ", MessageIcon::Information, "Orrisdaye" } }));
        QCOMPARE(rowsOf(db(), Table::Contact, { 0, 1, 2, 4, 10, 23 }), QStringList { "1|Ann|Lee|York|1/3/1900|Business" });
        QCOMPARE(rowsOf(db(), Table::Birthday, { 1, 3 }), QStringList { QString("1|%1").arg(newRemNo) });
        QCOMPARE(rowsOf(db(), Table::Reminder, { 0, 2, 4 }), reminders);
    }

    void pictureOnUpdate_data()
    {
        QTest::addColumn<bool>("storedExists");
        QTest::addColumn<QString>("chosen"); // "", "photo", "text" (no image)
        QTest::addColumn<QString>("stored"); // "old" or "new": the path stored afterwards
        QTest::addColumn<QColor>("shownBefore");
        QTest::addColumn<QColor>("shownAfterChoice");
        QTest::addColumn<bool>("told");
        QTest::newRow("kept without a choice") << true << "" << "old" << QColor(Qt::blue) << QColor(Qt::blue) << false;
        QTest::newRow("a new photo") << true << "photo" << "new" << QColor(Qt::blue) << QColor(Qt::green) << false;
        QTest::newRow("a file that is no picture") << true << "text" << "old" << QColor(Qt::blue) << QColor(Qt::blue)
                                                   << true;
        QTest::newRow("stored picture moved: no-picture shown, path kept")
            << false << "" << "old" << QColor(Qt::red) << QColor(Qt::red) << false;
    }
    void pictureOnUpdate()
    {
        QFETCH(bool, storedExists);
        QFETCH(QString, chosen);
        QFETCH(QString, stored);
        QFETCH(QColor, shownBefore);
        QFETCH(QColor, shownAfterChoice);
        QFETCH(bool, told);
        picture("database/nopicture.gif", Qt::red, "PNG");
        const QString old = storedExists ? picture("photos/ann.jpg", Qt::blue, "JPEG") : p().folder() + "/gone.png";
        const QString photo = picture("photos/ann2.png", Qt::green);
        const QString text = p().folder() + "/notes.txt";
        QFile file(text);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a picture");
        file.close();
        seedContact(db(), { 1, "Ann", "Lee", "Personal", 0, "5/14/1990", old });
        openStored(1);
        control<QTabWidget>("SSTab1")->setCurrentIndex(3);
        QCOMPARE(shownColour(), shownBefore);
        if (!chosen.isEmpty()) {
            fakes().dialogs->fileAnswers << (chosen == "photo" ? photo : text);
            clickOn(control("Label2"));
            QCOMPARE(fakes().dialogs->fileRequests.value(0).first, QString("All Files "));
        }
        QCOMPARE(shownColour(), shownAfterChoice);
        QCOMPARE(shown().size(), told ? 1 : 0);
        if (told)
            QCOMPARE(shown().first().icon, MessageIcon::Warning);
        shown().clear();
        clickOn(control("lblupdate"));
        QCOMPARE(rowsOf(db(), Table::Contact, { 21 }), QStringList { stored == "old" ? old : photo });
    }

    void okAndCancelStoreNothing_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("cancel") << "lblcancel";
        QTest::newRow("ok") << "lblok";
    }
    void okAndCancelStoreNothing()
    {
        QFETCH(QString, button);
        seedContact(db(), { 1, "Ann", "Lee" });
        openStored(1);
        control<QWidget>("lblok")->setVisible(button == "lblok"); // as the search window leaves it
        enter("txtfname", "Changed");
        clickOn(control(button));
        QVERIFY(!editor());
        QVERIFY(loadedContactWindow(p(), "Frm_Contact"));
        QCOMPARE(rowsOf(db(), Table::Contact, { 1 }), QStringList { "Ann" });
        QCOMPARE(p().app().windows().marker(), QString("Frm_Contact"));
    }
};

QTEST_MAIN(TestContactEditor)
#include "test_contacteditor.moc"
