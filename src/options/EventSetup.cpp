// SPDX-License-Identifier: MIT
#include "options/EventSetup.h"

#include "context/AppContext.h"
#include "context/RecordWindows.h"
#include "options/rules/EventEntry.h"
#include "reminders/rules/EventRules.h"
#include "store/DateTimeText.h"
#include "widgets/DateCombo.h"
#include "widgets/RecordControls.h"
#include "widgets/RecordWrite.h"
#include "widgets/TimeCombo.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

EventSetup::EventSetup(AppContext &app, QWidget *parent)
    : QWidget(parent), m_app(app)
{
    auto *frame = new QGroupBox(QStringLiteral("Event Option"), this);
    frame->setObjectName(QStringLiteral("Frame4"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(frame);

    makeCaption(QStringLiteral("Lblname"), QStringLiteral("Event name"), frame, { 16, 30, 84, 26 });
    cmbremname = new QComboBox(frame);
    cmbremname->setObjectName(QStringLiteral("cmbremname"));
    cmbremname->addItems(reminders::eventNames());
    cmbremname->setCurrentIndex(-1);
    cmbremname->setGeometry(104, 30, 200, 26);

    makeCaption(QStringLiteral("lbldate"), QStringLiteral("Date"), frame, { 16, 66, 84, 26 });
    cmbeventdate = new DateCombo(app, QStringLiteral("cmbeventdate"), frame);
    cmbeventdate->setGeometry(104, 66, 200, 26);

    makeCaption(QStringLiteral("lbltime"), QStringLiteral("Time"), frame, { 16, 102, 84, 26 });
    cmbeventtime = new TimeCombo(app, QStringLiteral("cmbeventtime"), QStringLiteral("List3"), QStringLiteral("List4"), frame);
    cmbeventtime->setGeometry(104, 102, 200, 26);
    cmbeventtime->preselectNow();
    cmbeventtime->clearEditText();

    connect(cmbremname, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            showNow();
    });
}

void EventSetup::showNow()
{
    const QDateTime now = m_app.services().clock->now();
    cmbeventdate->setEditText(store::dateText(now.date()));
    const QString time = store::timeText(now.time());
    cmbeventtime->setEditText(time);
    cmbeventtime->setPickedTime(time);
}

void EventSetup::schedule()
{
    const QString title = QStringLiteral("Orrisday");
    if (cmbremname->currentText().isEmpty()) {
        m_app.message(QStringLiteral("Please choose an event from the list."), MessageIcon::Information, title);
        return;
    }
    const QString name = cmbremname->currentText().trimmed();
    const QString date = cmbeventdate->currentText().trimmed();
    const QString time = options::eventTimeToStore(cmbeventtime->currentText(), cmbeventtime->pickedTime());
    if (options::momentHasPassed(date, time, m_app.services().clock->now())) {
        m_app.message(QStringLiteral("The date and time of this event have already passed. "
                                     "Please choose a moment still to come."),
            MessageIcon::Information, title);
        return;
    }
    const bool written = writeRecordChange(m_app, QStringLiteral("The event could not be saved"), [&](store::Database &db) {
        db.insert(store::Table::Event, { { 1, name }, { 2, date }, { 3, time } });
    });
    if (!written)
        return;
    m_app.message(QStringLiteral("Event: %1 will occur at specified time.").arg(cmbremname->currentText()),
        MessageIcon::Information, title);
    // The main window reads the store again, so that its trigger sees the event.
    m_app.announceStoreChange();
    m_app.windows().setMarker(QStringLiteral("Frm_Option"));
    m_app.windows().follow();
    window()->raise();
    window()->activateWindow();
    cmbremname->setCurrentIndex(-1);
}
