// SPDX-License-Identifier: MIT
#include "widgets/Frm_Calendar.h"

#include "context/AppContext.h"
#include "store/DateTimeText.h"
#include "widgets/DateCombo.h"
#include "widgets/RecordControls.h"
#include "context/OnScreen.h"

#include <QCalendarWidget>
#include <QLineEdit>
#include <QPointer>

namespace {

// The date combos a pick may be routed to, by the name the requesting combo writes into Text2.
const QStringList routedCombos{
    QStringLiteral("cmbdate"),     QStringLiteral("cmbstartdate"), QStringLiteral("cmbnotedate"),
    QStringLiteral("cmbrem2date"), QStringLiteral("cmbbdate"),     QStringLiteral("cmbeventdate"),
    QStringLiteral("cmbremdate"),  QStringLiteral("cmbduedate"),   QStringLiteral("cmbrem1date"),
    QStringLiteral("cmbuntil"),
};

// There is one pop-up at a time, whichever window asked for it.
QPointer<Frm_Calendar> openPopup;

} // namespace

Frm_Calendar::Frm_Calendar(AppContext &app, QWidget *requester)
    : RecordWindow(app, QStringLiteral("Frm_Calendar"), QStringLiteral("Calendar"), QSize(300, 262), requester),
      m_requester(requester), Calendar1(new QCalendarWidget(this)),
      Text1(makeHiddenBox(QStringLiteral("Text1"), this)), Text2(makeHiddenBox(QStringLiteral("Text2"), this)),
      imgX(makeClosePicture(QStringLiteral("imgX"), this, { 270, 4, 24, 24 }))
{
    setAttribute(Qt::WA_DeleteOnClose);
    Calendar1->setObjectName(QStringLiteral("Calendar1"));

    Calendar1->setGeometry(8, 34, width() - 16, height() - 42);
    Calendar1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    Calendar1->setGridVisible(true);
    QPalette teal = Calendar1->palette();
    teal.setColor(QPalette::Highlight, QColor(0x2f, 0x6f, 0x78));
    Calendar1->setPalette(teal);

    const QDate today = app.services().clock->now().date();
    Calendar1->setSelectedDate(today);
    Calendar1->setCurrentPage(today.year(), today.month());

    connect(Calendar1, &QCalendarWidget::clicked, this, &Frm_Calendar::pick);
    connect(Calendar1, &QCalendarWidget::activated, this, &Frm_Calendar::pick);
    connect(imgX, &ImageButton::clicked, this, &QWidget::close);
}

Frm_Calendar *Frm_Calendar::openFor(AppContext &app, QWidget *requestingWindow, const QString &comboName)
{
    QWidget *owner = requestingWindow->window();
    // A closed pop-up only waits to be deleted; the next request loads a fresh one.
    if (openPopup && (openPopup->m_requester != owner || !openPopup->isVisible())) {
        openPopup->close();
        openPopup = nullptr;
    }
    if (!openPopup)
        openPopup = new Frm_Calendar(app, owner);
    openPopup->Text2->setText(comboName);
    moveOnScreen(openPopup, owner->pos());
    openPopup->show();
    openPopup->raise();
    openPopup->activateWindow();
    return openPopup;
}

void Frm_Calendar::pick(QDate day)
{
    if (!isVisible())
        return;
    Text1->setText(store::dateText(day));
    const QString name = Text2->text();
    if (!routedCombos.contains(name))
        return;
    if (auto *combo = m_requester->findChild<DateCombo *>(name))
        combo->acceptPick(Text1->text());
    close();
}
