// SPDX-License-Identifier: MIT
#include "app/Frm_Main.h"

#include "app/AgendaPanel.h"
#include "app/AnalogClock.h"
#include "app/Orrisday.h"
#include "app/ReminderOwner.h"
#include "app/TrayController.h"
#include "app/rules/TrayTip.h"
#include "context/AppContext.h"
#include "context/RecordWindows.h"
#include "reminders/EventTrigger.h"
#include "reminders/ReminderAlerts.h"
#include "reminders/ReminderScan.h"
#include "reminders/SnoozeTimer.h"
#include "widgets/RecordControls.h"

#include <QCalendarWidget>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextCharFormat>

namespace {

struct Navigation
{
    const char *name;
    const char *art;
    const char *key; ///< the record window it opens; none for the tell-a-friend page
    const char *tip;
};

constexpr Navigation NavigationButtons[] = {
    { "lblTask", "task", "Frm_Task", "Tasks" },
    { "lblAgenda", "agenda", "Frm_Schedule", "Schedules" },
    { "lblNote", "note", "Frm_Note", "Notes" },
    { "lblContact", "contact", "Frm_Contact", "Contacts" },
    { "lblOption", "option", "Frm_Option", "Options" },
    { "lblAbout", "about", "Frm_About", "About Orrisday" },
    { "lblTellFriend", "tellfriend", nullptr, "Tell a friend" },
};

// Laid over the panels of the background art.
constexpr QRect CalendarPlace(18, 52, 256, 196);
constexpr QRect ClockPlace(91, 262, 110, 110);
constexpr QRect AgendaPlace(294, 52, 285, 330);

} // namespace

Frm_Main::Frm_Main(AppContext &app)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
    , m_app(app)
    , m_background(new QSvgRenderer(QStringLiteral(":/art/main_background.svg"), this))
    , Text1(makeHiddenBox(QStringLiteral("Text1"), this))
    , Calendar1(new QCalendarWidget(this))
    , p1(new AnalogClock(*app.services().clock, this))
    , m_agenda(new AgendaPanel(app.db(), this))
{
    setObjectName(QStringLiteral("Frm_Main"));
    setWindowTitle(Orrisday::Title);
    setFixedSize(593, 462);
    setMouseTracking(true);

    m_windows = std::make_unique<RecordWindows>(app, this, Text1);
    app.setWindows(m_windows.get());
    m_tray = new TrayController(*app.services().tray, *app.services().lifecycle, *this);

    createCalendar();
    p1->setGeometry(ClockPlace);
    m_agenda->setGeometry(AgendaPlace);
    createNavigation();
    createPictures();
    showToday();
    auto *alerts = new ReminderAlerts(app, this);
    m_reminderScan = new ReminderScan(app, *alerts, this);
    connect(this, &Frm_Main::reloaded, m_reminderScan, &ReminderScan::reload);
    m_snoozeTimer = new SnoozeTimer(app, *alerts, this);
    connect(&app, &AppContext::reminderOwnerRequested, this,
        [this](store::ReminderKind kind, qint64 remNo, QDate occurrence) {
        bringForward();
        openReminderOwner(m_app, kind, remNo, occurrence);
    });
    m_eventTrigger = new EventTrigger(app, this);
    connect(this, &Frm_Main::reloaded, m_eventTrigger, &EventTrigger::reload);
    connect(&app, &AppContext::storeChanged, this, &Frm_Main::reload);
    connect(&app, &AppContext::trayRequested, m_tray, &TrayController::hideToTray);
}

Frm_Main::~Frm_Main() = default;

void Frm_Main::createCalendar()
{
    Calendar1->setObjectName(QStringLiteral("Calendar1"));
    Calendar1->setGeometry(CalendarPlace);
    QPalette look = Calendar1->palette();
    look.setColor(QPalette::Highlight, QColor(0x3f, 0x9a, 0x91));
    Calendar1->setPalette(look);
    QTextCharFormat weekend;
    weekend.setForeground(QColor(0xb0, 0x5a, 0x4e));
    Calendar1->setWeekdayTextFormat(Qt::Saturday, weekend);
    Calendar1->setWeekdayTextFormat(Qt::Sunday, weekend);
    Calendar1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    Calendar1->setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    connect(Calendar1, &QCalendarWidget::clicked, m_agenda, &AgendaPanel::showDay);
    connect(m_agenda, &AgendaPanel::recordChosen, this,
        [this](store::Table table, qint64 rowid, QDate day) { openRecordOn(m_app, table, rowid, day); });
}

void Frm_Main::createNavigation()
{
    int left = 26;
    for (const Navigation &item : NavigationButtons) {
        ImageButton *nav = button(
            QString::fromLatin1(item.name), QStringLiteral("nav_") + QLatin1String(item.art), { left, 392, 72, 60 });
        nav->setToolTip(QString::fromLatin1(item.tip));
        left += 78;
        m_navigation << nav;
        if (item.key)
            connect(nav, &ImageButton::clicked, this,
                [this, key = QString::fromLatin1(item.key)] { openRecordWindow(key); });
        else
            connect(nav, &ImageButton::clicked, this,
                [this] { m_app.OpenWithShell(Orrisday::TellFriendPage); });
    }
}

void Frm_Main::createPictures()
{
    connect(button(QStringLiteral("Picture3"), QStringLiteral("picture_help"), { 497, 12, 24, 24 }),
        &ImageButton::clicked, this,
        [this] { m_app.OpenWithShell(m_app.folder().helpPage(), m_app.folder().root); });
    connect(button(QStringLiteral("Picture1"), QStringLiteral("picture_hide"), { 525, 12, 24, 24 }),
        &ImageButton::clicked, this, [this] { m_tray->hideToTray(trayTip(Orrisday::Version)); });
    connect(button(QStringLiteral("Picture2"), QStringLiteral("picture_close"), { 553, 12, 24, 24 }),
        &ImageButton::clicked, this, [this] { m_app.services().lifecycle->endProgram(); });
    findChild<ImageButton *>(QStringLiteral("Picture3"))->setToolTip(QStringLiteral("Help"));
    findChild<ImageButton *>(QStringLiteral("Picture1"))->setToolTip(QStringLiteral("Hide to the notification area"));
    findChild<ImageButton *>(QStringLiteral("Picture2"))->setToolTip(QStringLiteral("Close Orrisday"));
}

ImageButton *Frm_Main::button(const QString &name, const QString &art, QRect geometry)
{
    const QString picture = QStringLiteral(":/art/") + art;
    auto *widget
        = new ImageButton(name, picture + QStringLiteral(".svg"), picture + QStringLiteral("_hover.svg"), this);
    widget->setGeometry(geometry);
    return widget;
}

void Frm_Main::showToday()
{
    const QDate today = m_app.services().clock->now().date();
    Calendar1->setSelectedDate(today);
    Calendar1->setCurrentPage(today.year(), today.month());
}

void Frm_Main::check()
{
    m_windows->check();
}

void Frm_Main::openRecordWindow(const QString &key)
{
    m_windows->open(key);
}

void Frm_Main::reload()
{
    Text1->clear();
    showToday();
    m_agenda->reset();
    fillAgenda();
    emit reloaded();
    show();
}

void Frm_Main::bringForward()
{
    m_tray->restore();
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
}

void Frm_Main::fillAgenda()
{
    m_agenda->fillEmptyLists(m_app.services().clock->now().date());
}

void Frm_Main::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_background->isValid()) {
        painter.fillRect(rect(), palette().window());
        return;
    }
    // Drawn once per size: the clock's second hand repaints its patch of it every second.
    if (m_backgroundPicture.size() != size()) {
        m_backgroundPicture = QPixmap(size());
        m_backgroundPicture.fill(Qt::transparent);
        QPainter picture(&m_backgroundPicture);
        m_background->render(&picture, rect());
    }
    painter.drawPixmap(0, 0, m_backgroundPicture);
}

void Frm_Main::showEvent(QShowEvent *)
{
    fillAgenda();
}

void Frm_Main::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        fillAgenda();
    QWidget::changeEvent(event);
}

void Frm_Main::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_dragging = true;
    m_grab = event->position().toPoint();
    check();
}

void Frm_Main::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging) {
        move(event->globalPosition().toPoint() - m_grab);
        m_windows->follow();
        return;
    }
    for (ImageButton *nav : std::as_const(m_navigation))
        nav->showNormalPicture();
}

void Frm_Main::mouseReleaseEvent(QMouseEvent *)
{
    m_dragging = false;
}
