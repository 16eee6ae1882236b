// SPDX-License-Identifier: MIT
#include "reminders/Frm_Alert.h"

#include "widgets/ElidedLabel.h"
#include "widgets/RecordControls.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QTimer>

namespace {

// The line that says a reminder comes late, under a description one line shorter.
constexpr int LateTop = 120;

QTimer *makeTimer(QObject *owner, const QString &name, int interval)
{
    auto *timer = new QTimer(owner);
    timer->setObjectName(name);
    timer->setInterval(interval);
    return timer;
}

} // namespace

// Placed and moved by the program itself, below the screen edge too, so no window manager may
// put it elsewhere.
Frm_Alert::Frm_Alert()
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::X11BypassWindowManagerHint)
    , m_background(new QSvgRenderer(QStringLiteral(":/art/alert_background.svg"), this))
{
    setObjectName(QStringLiteral("Frm_Alert"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    // The alert closing by itself must not end a program whose main window is hidden.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(Width, Height);
    // Dark text on the light art, whatever the desktop's colour scheme.
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, QColor(0x1f, 0x2d, 0x3a));
    setPalette(colours);

    imgPointer = new ImageButton(QStringLiteral("imgPointer"), QStringLiteral(":/art/pointer.svg"), {}, this);
    imgPointer->setGeometry(8, 7, 20, 20);
    imgPointer->setAttribute(Qt::WA_TransparentForMouseEvents);
    imgPointer->setCursor(Qt::ArrowCursor);
    imgX = makeClosePicture(QStringLiteral("imgX"), this, { Width - 24, 7, 16, 16 });
    connect(imgX, &ImageButton::clicked, this, &QWidget::close);

    lbltitle = addLabel(QStringLiteral("lbltitle"), {}, QRect(34, 6, 160, 22));
    QFont titleFont = lbltitle->font();
    titleFont.setBold(true);
    lbltitle->setFont(titleFont);
    Label1 = addLabel(QStringLiteral("Label1"), QStringLiteral("Name"), QRect(12, 36, 202, 16));
    Lblname = addLabel(QStringLiteral("Lblname"), QStringLiteral("Your text here"), QRect(12, 52, 202, 20));
    Label2 = addLabel(QStringLiteral("Label2"), QStringLiteral("Description"), QRect(12, 76, 202, 16));
    lbldesp = addLabel(QStringLiteral("lbldesp"), QStringLiteral(" No Message"), QRect(12, 92, 202, 42));
    lbldesp->setWordWrap(true);
    lbldesp->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont captionFont = Label1->font();
    captionFont.setItalic(true);
    Label1->setFont(captionFont);
    Label2->setFont(captionFont);
    lbllate = addLabel(QStringLiteral("lbllate"), {}, QRect(12, LateTop, 202, Height - 4 - LateTop));
    lbllate->setFont(captionFont);
    lbllate->hide();

    Timer1 = makeTimer(this, QStringLiteral("Timer1"), StepInterval);
    Timer2 = makeTimer(this, QStringLiteral("Timer2"), StayTime);
    Timer3 = makeTimer(this, QStringLiteral("Timer3"), StepInterval);
    connect(Timer1, &QTimer::timeout, this, &Frm_Alert::slideIn);
    connect(Timer2, &QTimer::timeout, this, &Frm_Alert::endStay);
    connect(Timer3, &QTimer::timeout, this, &Frm_Alert::slideOut);

    // The whole screen, not the work area: the alert rises over a panel at the bottom.
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect screenArea = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    m_left = screenArea.x() + screenArea.width() - Width;
    m_screenBottom = screenArea.y() + screenArea.height();
    m_top = m_screenBottom;
    move(m_left, m_top);
    Timer1->start();
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
    lbldesp->resize(lbldesp->width(), (notice.isEmpty() ? Height - 6 : LateTop) - lbldesp->y());
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

void Frm_Alert::endStay()
{
    Timer2->stop();
    Timer3->start();
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

void Frm_Alert::closeEvent(QCloseEvent *event)
{
    m_loaded = false;
    Timer1->stop();
    Timer2->stop();
    Timer3->stop();
    QWidget::closeEvent(event);
}
