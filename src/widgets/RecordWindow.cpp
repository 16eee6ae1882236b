// SPDX-License-Identifier: MIT
#include "widgets/RecordWindow.h"

#include "widgets/ImageButton.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QPainter>
#include <QShortcut>
#include <QSvgRenderer>

namespace {

/// Controls of one row may stand a little higher or lower than their neighbours.
constexpr int RowTolerance = 12;

/// A part of a composite control (the line edit of a combo, the buttons of a calendar), whose
/// focus the control itself looks after.
bool isPartOfControl(const QWidget *widget, const QWidget *window)
{
    for (const QWidget *up = widget->parentWidget(); up && up != window; up = up->parentWidget())
        if (qobject_cast<const QComboBox *>(up) || qobject_cast<const QAbstractSpinBox *>(up)
            || qobject_cast<const QCalendarWidget *>(up))
            return true;
    return false;
}

} // namespace

RecordWindow::RecordWindow(AppContext &app, const QString &objectName, const QString &title, QSize size,
                           QWidget *owner)
    : QWidget(owner, Qt::Window | Qt::FramelessWindowHint), m_app(app), m_title(title)
{
    setObjectName(objectName);
    setWindowTitle(title);
    setFixedSize(size);
}

void RecordWindow::setTitle(const QString &title)
{
    m_title = title;
    setWindowTitle(title);
    update();
}

void RecordWindow::paintEvent(QPaintEvent *)
{
    static QSvgRenderer background(QStringLiteral(":/art/window_background.svg"));
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (background.isValid()) {
        // The panel stretches with the window; the title band keeps its height.
        background.render(&painter, QStringLiteral("body"), rect());
        background.render(&painter, QStringLiteral("band"), QRect(0, 0, width(), 32));
    } else
        painter.fillRect(rect(), palette().window());
    QFont font = painter.font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.15);
    painter.setFont(font);
    painter.setPen(QColor(0xF4, 0xF7, 0xFA));
    painter.drawText(QRect(16, 0, width() - 32, 30), Qt::AlignVCenter | Qt::AlignLeft, m_title);
}

void RecordWindow::setEscapeButton(ImageButton *button)
{
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, button, [button] {
        // An Escape meant for an open drop-down list closes that list alone.
        if (QWidget *list = QApplication::activePopupWidget())
            list->close();
        else
            button->click();
    });
}

void RecordWindow::showEvent(QShowEvent *event)
{
    QList<QWidget *> stops;
    for (QWidget *widget : findChildren<QWidget *>()) {
        if ((widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy() && widget->window() == this
            && !isPartOfControl(widget, this))
            stops << widget;
    }
    const auto centreOf = [this](const QWidget *widget) {
        return widget->mapTo(this, widget->rect().center());
    };
    std::stable_sort(stops.begin(), stops.end(),
        [&](const QWidget *a, const QWidget *b) { return centreOf(a).y() < centreOf(b).y(); });
    for (auto rowStart = stops.begin(); rowStart != stops.end();) {
        const int top = centreOf(*rowStart).y();
        auto rowEnd = std::find_if(
            rowStart, stops.end(), [&](const QWidget *w) { return centreOf(w).y() - top > RowTolerance; });
        std::stable_sort(rowStart, rowEnd,
            [&](const QWidget *a, const QWidget *b) { return centreOf(a).x() < centreOf(b).x(); });
        rowStart = rowEnd;
    }
    for (qsizetype i = 1; i < stops.size(); ++i)
        setTabOrder(stops[i - 1], stops[i]);
    // The first control takes the focus, as the window opens.
    if (!focusWidget()) {
        auto first = std::find_if(stops.begin(), stops.end(),
            [this](const QWidget *w) { return w->isVisibleTo(this) && w->isEnabled(); });
        if (first != stops.end())
            (*first)->setFocus(Qt::TabFocusReason);
    }
    QWidget::showEvent(event);
}
