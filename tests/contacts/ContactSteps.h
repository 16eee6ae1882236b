// SPDX-License-Identifier: MIT
// Steps shared by the contact tests: seeding contacts, opening the list and driving its windows.
#pragma once

#include "context/RecordWindows.h"
#include "support/StoreRows.h"
#include "support/TestProgram.h"
#include "widgets/GroupedGrid.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTreeWidgetItem>

struct SeededContact
{
    qint64 number;
    QString first;
    QString last;
    QString category = QStringLiteral("Personal");
    qint64 remNo = 0;          ///< the birthday's reminder; 0 for none
    QString birthDate = QStringLiteral("1/3/1900");
    QString picture = {};
    bool birthdayRow = true;
};

inline void seedContact(store::Database &db, const SeededContact &c)
{
    db.insert(store::Table::Contact,
        { { 0, c.number }, { 1, c.first }, { 2, c.last }, { 3, QStringLiteral("1 High St") },
            { 4, QStringLiteral("Leeds") }, { 6, QStringLiteral("UK") }, { 7, QStringLiteral("5550100") },
            { 8, QStringLiteral("5550199") }, { 9, c.first + QStringLiteral("@mail.test") }, { 10, c.birthDate },
            { 11, QStringLiteral("Acme") }, { 19, QStringLiteral("0") }, { 20, QStringLiteral("0") }, { 21, c.picture },
            { 22, QStringLiteral("met at the fair") }, { 23, c.category } });
    if (c.birthdayRow)
        db.insert(store::Table::Birthday, { { 1, c.number }, { 2, c.birthDate }, { 3, c.remNo } });
}

inline QWidget *loadedContactWindow(TestProgram &p, const QString &key)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return p.app().windows().find(key);
}

inline QWidget *openContactList(TestProgram &p)
{
    return p.app().windows().open(QStringLiteral("Frm_Contact"));
}

/// Clicks the grid row of the contact number.
inline void clickContactRow(QWidget *list, qint64 number)
{
    auto *grid = findIn<GroupedGrid>(list, QStringLiteral("MSHFlexGrid1"));
    QVERIFY(grid);
    QTreeWidgetItem *row = grid->findRecordRow(2, QString::number(number));
    QVERIFY2(row, qPrintable(QStringLiteral("no row shows contact %1").arg(number)));
    grid->scrollToItem(row);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(row).center());
}

/// The text of a line edit, combo or note box of a window.
inline QString controlText(QWidget *window, const QString &name)
{
    if (auto *edit = findIn<QLineEdit>(window, name))
        return edit->text();
    if (auto *combo = findIn<QComboBox>(window, name))
        return combo->currentText();
    if (auto *note = findIn<QPlainTextEdit>(window, name))
        return note->toPlainText();
    return QStringLiteral("<no control %1>").arg(name);
}

inline void setControlText(QWidget *window, const QString &name, const QString &text)
{
    if (auto *edit = findIn<QLineEdit>(window, name))
        edit->setText(text);
    else if (auto *combo = findIn<QComboBox>(window, name))
        combo->setEditText(text);
    else if (auto *note = findIn<QPlainTextEdit>(window, name))
        note->setPlainText(text);
    else
        QFAIL(qPrintable(QStringLiteral("no text control ") + name));
}
