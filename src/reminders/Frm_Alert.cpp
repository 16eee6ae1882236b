// SPDX-License-Identifier: MIT
#include "reminders/Frm_Alert.h"

#include "reminders/rules/AlertRules.h"
#include "widgets/ElidedLabel.h"
#include "widgets/RecordControls.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QTimer>

namespace {

// The snooze row runs along the bottom; the texts end above it. The line that says a reminder
// comes late goes under a description one line shorter.
constexpr int SnoozeTop = 106;
constexpr int DescriptionTop = 54;
constexpr int LateTop = SnoozeTop - 18;

QTimer *makeTimer(QObject *owner, const QString &name, int interval)
{
    auto *timer = new QTimer(owner);
    timer->setObjectName(name);
    timer->setInterval(interval);
    return timer;
}

} // namespace

Frm_Alert::Motion Frm_Alert::desktopMotion()
{
    return reminders::alertSlidesIn(QGuiApplication::platformName()) ? Motion::SlideIn : Motion::StayPut;
}

// Sliding, it is placed and moved by the program itself, below the screen edge too, so no window
// manager may put it elsewhere.
Frm_Alert::Frm_Alert(Motion motion)
    : QWidget(nullptr,
        motion == Motion::SlideIn
            ? Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::X11BypassWindowManagerHint
            : Qt::Window | Qt::FramelessWindowHint)
    , m_background(new QSvgRenderer(QStringLiteral(":/art/alert_background.svg"), this))
    , m_slides(motion == Motion::SlideIn)
{
    setObjectName(QStringLiteral("Frm_Alert"));
    setWindowTitle(QStringLiteral("Orrisday"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    // The alert closing by itself must not end a program whose main window is hidden.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(Width, Height);
    setCursor(Qt::PointingHandCursor);
    setToolTip(QStringLiteral("Click to open"));
    // Dark text on the light art, whatever the desktop's colour scheme.
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, QColor(0x1f, 0x2d, 0x3a));
    setPalette(colours);

    imgPointer = new ImageButton(QStringLiteral("imgPointer"), QStringLiteral(":/art/pointer.svg"), {}, this);
    imgPointer->setGeometry(8, 7, 20, 20);
    imgPointer->setAttribute(Qt::WA_TransparentForMouseEvents);
    imgPointer->setFocusPolicy(Qt::NoFocus);
    imgX = makeClosePicture(QStringLiteral("imgX"), this, { Width - 24, 7, 16, 16 });
    imgX->setToolTip(QStringLiteral("Close"));
    connect(imgX, &ImageButton::clicked, this, [this] {
        emit dismissed();
        close();
    });

    lbltitle = addLabel(QStringLiteral("lbltitle"), {}, QRect(34, 6, 160, 22));
    QFont titleFont = lbltitle->font();
    titleFont.setBold(true);
    lbltitle->setFont(titleFont);
    // Each caption beside its line, so that the snooze row fits below.
    Label1 = addLabel(QStringLiteral("Label1"), QStringLiteral("Name"), QRect(12, 34, 74, 18));
    Lblname = addLabel(QStringLiteral("Lblname"), QStringLiteral("Your text here"), QRect(88, 34, 128, 18));
    Label2 = addLabel(QStringLiteral("Label2"), QStringLiteral("Description"), QRect(12, DescriptionTop, 74, 18));
    lbldesp = addLabel(QStringLiteral("lbldesp"), QStringLiteral(" No Message"),
        QRect(88, DescriptionTop, 128, SnoozeTop - 2 - DescriptionTop));
    lbldesp->setWordWrap(true);
    lbldesp->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont captionFont = Label1->font();
    captionFont.setItalic(true);
    Label1->setFont(captionFont);
    Label2->setFont(captionFont);
    lbllate = addLabel(QStringLiteral("lbllate"), {}, QRect(12, LateTop, 202, SnoozeTop - LateTop));
    lbllate->setFont(captionFont);
    lbllate->hide();
    buildSnooze();

    Timer1 = makeTimer(this, QStringLiteral("Timer1"), StepInterval);
    Timer2 = makeTimer(this, QStringLiteral("Timer2"), StayTime);
    Timer3 = makeTimer(this, QStringLiteral("Timer3"), StepInterval);
    connect(Timer1, &QTimer::timeout, this, &Frm_Alert::slideIn);
    connect(Timer2, &QTimer::timeout, this, &Frm_Alert::endStay);
    connect(Timer3, &QTimer::timeout, this, &Frm_Alert::slideOut);

    if (!m_slides) {
        Timer2->start();
        return;
    }
    // The whole screen, not the work area: the alert rises over a panel at the bottom.
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect screenArea = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    m_left = screenArea.x() + screenArea.width() - Width;
    m_screenBottom = screenArea.y() + screenArea.height();
    m_top = m_screenBottom;
    move(m_left, m_top);
    Timer1->start();
}

void Frm_Alert::buildSnooze()
{
    cmbsnooze = new QComboBox(this);
    cmbsnooze->setObjectName(QStringLiteral("cmbsnooze"));
    cmbsnooze->setGeometry(12, SnoozeTop + 2, 106, 24);
    cmbsnooze->setCursor(Qt::ArrowCursor);
    cmbsnooze->setToolTip(QStringLiteral("How long to put the reminder off"));
    for (int minutes : reminders::snoozeMinutes())
        cmbsnooze->addItem(reminders::snoozeChoiceText(minutes), minutes);
    cmbsnooze->setCurrentIndex(1);
    lblsnooze = makeLabelButton(QStringLiteral("lblsnooze"), QStringLiteral("Snooze"), this, { 124, SnoozeTop, 90, 28 });
    lblsnooze->setToolTip(QStringLiteral("Remind me again then"));
    connect(lblsnooze, &ImageButton::clicked, this, &Frm_Alert::snooze);
    setTabOrder(cmbsnooze, lblsnooze);
    setTabOrder(lblsnooze, imgX);
}

QLabel *Frm_Alert::addLabel(const QString &name, const QString &text, QRect geometry)
{
    auto *label = new ElidedLabel(text, this);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setTextFormat(Qt::PlainText);
    return label;
}

void Frm_Alert::setTexts(const QString &title, const QString &name, const QString &description)
{
    lbltitle->setText(title);
    Lblname->setText(name);
    Lblname->setToolTip(name);
    lbldesp->setText(description);
    lbldesp->setToolTip(description);
}

void Frm_Alert::setLateNotice(const QString &notice)
{
    lbllate->setText(notice);
    lbllate->setVisible(!notice.isEmpty());
    lbldesp->resize(lbldesp->width(), (notice.isEmpty() ? SnoozeTop - 2 : LateTop) - lbldesp->y());
}

void Frm_Alert::slideIn()
{
    m_top -= Step;
    move(m_left, m_top);
    // Stops one step past full exposure.
    if (m_screenBottom - Height > m_top) {
        Timer1->stop();
        Timer2->start();
    }
}

bool Frm_Alert::isInUse() const
{
    return underMouse() || isActiveWindow() || cmbsnooze->view()->isVisible();
}

void Frm_Alert::endStay()
{
    // The user is about to act on it.
    if (isInUse())
        return;
    Timer2->stop();
    if (m_slides)
        Timer3->start();
    else
        close();
}

void Frm_Alert::snooze()
{
    emit snoozed(cmbsnooze->currentData().toInt());
    close();
}

void Frm_Alert::slideOut()
{
    m_top += Step;
    move(m_left, m_top);
    if (m_top >= m_screenBottom) {
        Timer3->stop();
        close();
    }
}

void Frm_Alert::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (m_background->isValid())
        m_background->render(&painter, rect());
    else
        painter.fillRect(rect(), palette().window());
}

void Frm_Alert::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void Frm_Alert::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click) {
        emit opened();
        close();
    }
}

void Frm_Alert::closeEvent(QCloseEvent *event)
{
    m_loaded = false;
    Timer1->stop();
    Timer2->stop();
    Timer3->stop();
    QWidget::closeEvent(event);
}
