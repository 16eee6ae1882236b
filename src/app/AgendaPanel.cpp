// SPDX-License-Identifier: MIT
#include "app/AgendaPanel.h"

#include "store/DateTimeText.h"
#include "store/Views.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>

namespace {

template <typename T> T *control(const QString &name, QWidget *parent, QRect geometry)
{
    auto *widget = new T(parent);
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}

QLabel *label(const QString &name, const QString &text, QWidget *parent, QRect geometry)
{
    QLabel *widget = control<QLabel>(name, parent, geometry);
    widget->setText(text);
    return widget;
}

const QString TaskHeading = QStringLiteral("Task");
const QString ScheduleHeading = QStringLiteral("Schedule");

} // namespace

AgendaPanel::AgendaPanel(store::Database &db, QWidget *parent)
    : QWidget(parent)
    , m_db(db)
    , Label3(label(QStringLiteral("Label3"), QStringLiteral("Preview Tasks/Schedules"), this, { 0, 0, 285, 22 }))
    , Label2(label(QStringLiteral("Label2"), TaskHeading, this, { 0, 26, 285, 18 }))
    // The schedule caption has the whole width for its date; the span heading sits on the row
    // below it, over the spans. The two lists share the width so that "No Schedule For Today" and
    // a span fit on one line each.
    , Label1(label(QStringLiteral("Label1"), ScheduleHeading, this, { 0, 128, 285, 18 }))
    , Label4(label(QStringLiteral("Label4"), QStringLiteral("     From        -     To"), this, { 148, 146, 137, 18 }))
    , lsttask(control<QListWidget>(QStringLiteral("lsttask"), this, { 0, 46, 285, 78 }))
    , lstschedule(control<QListWidget>(QStringLiteral("lstschedule"), this, { 0, 164, 147, 72 }))
    , lstschedule1(control<QListWidget>(QStringLiteral("lstschedule1"), this, { 148, 164, 137, 72 }))
    , txtdesp(control<QPlainTextEdit>(QStringLiteral("txtdesp"), this, { 0, 242, 285, 88 }))
{
    QPalette look = palette();
    look.setColor(QPalette::WindowText, QColor(0x2b, 0x40, 0x58));
    look.setColor(QPalette::Highlight, QColor(0x4f, 0xb3, 0xa9));
    setPalette(look);
    QFont bold = Label3->font();
    bold.setBold(true);
    Label3->setFont(bold);
    txtdesp->setReadOnly(true);
    connect(lsttask, &QListWidget::itemClicked, this,
        [this](QListWidgetItem *item) { showDescription(item, store::Table::Task); });
    connect(lstschedule, &QListWidget::itemClicked, this,
        [this](QListWidgetItem *item) { showDescription(item, store::Table::Schedule); });
    connect(lsttask, &QListWidget::itemActivated, this,
        [this](QListWidgetItem *item) { choose(item, store::Table::Task); });
    connect(lstschedule, &QListWidget::itemActivated, this,
        [this](QListWidgetItem *item) { choose(item, store::Table::Schedule); });
}

void AgendaPanel::addItems(QListWidget *list, const QList<store::AgendaItem> &items)
{
    for (const store::AgendaItem &item : items) {
        auto *row = new QListWidgetItem(item.name, list);
        row->setData(Qt::UserRole, item.rowid);
    }
}

void AgendaPanel::choose(QListWidgetItem *item, store::Table table)
{
    if (const qint64 rowid = item->data(Qt::UserRole).toLongLong())
        emit recordChosen(table, rowid, m_day);
}

void AgendaPanel::reset()
{
    for (QListWidget *list : { lsttask, lstschedule, lstschedule1 }) {
        list->clear();
        list->setEnabled(true);
    }
    Label2->setText(TaskHeading);
    Label1->setText(ScheduleHeading);
    txtdesp->clear();
}

void AgendaPanel::fillEmptyLists(QDate today)
{
    if (lsttask->count() == 0) {
        m_day = today;
        fillTasks(today, QStringLiteral("No Task For Today"));
    }
    if (lstschedule->count() == 0)
        fillSchedules(today, false);
}

void AgendaPanel::showDay(QDate day)
{
    m_day = day;
    lsttask->clear();
    lstschedule->clear();
    lstschedule1->clear();
    const QString date = store::dateText(day);
    Label1->setText(QStringLiteral("Schedule Of  ") + date);
    Label2->setText(QStringLiteral("Task  Of   ") + date);
    fillTasks(day, QStringLiteral(" No Task For Today"));
    fillSchedules(day, true);
}

void AgendaPanel::fillTasks(QDate day, const QString &noneText)
{
    try {
        const QList<store::AgendaItem> tasks = store::agendaTasks(m_db, day);
        addItems(lsttask, tasks);
        lsttask->setEnabled(!tasks.isEmpty());
        if (tasks.isEmpty())
            lsttask->addItem(noneText);
    } catch (const store::Error &) {
        showUnreadable(lsttask);
    }
}

void AgendaPanel::fillSchedules(QDate day, bool disableSpansWhenNone)
{
    try {
        const QList<store::AgendaItem> schedules = store::agendaSchedules(m_db, day);
        QStringList spans;
        for (const store::AgendaItem &schedule : schedules)
            spans << schedule.span;
        addItems(lstschedule, schedules);
        lstschedule1->addItems(spans);
        lstschedule->setEnabled(!schedules.isEmpty());
        if (disableSpansWhenNone || !schedules.isEmpty())
            lstschedule1->setEnabled(!schedules.isEmpty());
        if (schedules.isEmpty())
            lstschedule->addItem(QStringLiteral("No Schedule For Today"));
    } catch (const store::Error &) {
        showUnreadable(lstschedule);
    }
}

void AgendaPanel::showUnreadable(QListWidget *list)
{
    // Said in the list itself, which then is no longer empty: it is not read again until a reload.
    list->clear();
    list->addItem(QStringLiteral("The database could not be read."));
    list->setEnabled(false);
}

void AgendaPanel::showDescription(QListWidgetItem *item, store::Table table)
{
    try {
        txtdesp->setPlainText(store::lastDescription(m_db, table, item->text()));
    } catch (const store::Error &) {
    }
}
