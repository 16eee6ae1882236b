// SPDX-License-Identifier: MIT
#include "widgets/TimeCombo.h"

#include "context/AppContext.h"
#include "widgets/KeyGuard.h"

#include <QListWidget>

namespace {

constexpr int ListWidth = 56;
constexpr int ListHeight = 150;
constexpr int Margin = 4;

QListWidget *numberList(const QString &name, int count, QWidget *parent)
{
    auto *list = new QListWidget(parent);
    list->setObjectName(name);
    for (int i = 0; i < count; ++i) {
        list->addItem(QString::number(i));
        list->item(i)->setTextAlignment(Qt::AlignCenter);
    }
    list->setFixedSize(ListWidth, ListHeight);
    list->hide();
    return list;
}

} // namespace

TimeCombo::TimeCombo(AppContext &app, const QString &objectName, const QString &hourListName,
                     const QString &minuteListName, QWidget *parent)
    : QComboBox(parent), m_app(app), m_hours(numberList(hourListName, 24, parent)),
      m_minutes(numberList(minuteListName, 60, parent))
{
    setObjectName(objectName);
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    KeyGuard::attach(app, this, [this] { return keyRuleFor(window()->objectName(), this->objectName()); });
    // A click in the hour list only chooses the hour; the minute completes the pick.
    connect(m_minutes, &QListWidget::itemClicked, this, &TimeCombo::pickMinute);
    connect(m_minutes, &QListWidget::itemActivated, this, &TimeCombo::pickMinute);
}

void TimeCombo::preselectNow()
{
    const QTime now = m_app.services().clock->now().time();
    m_hours->setCurrentRow(now.hour());
    m_minutes->setCurrentRow(now.minute());
    pickMinute();
}

void TimeCombo::showPopup()
{
    placeLists();
    for (QListWidget *list : {m_hours, m_minutes}) {
        list->show();
        list->raise();
        if (list->currentItem())
            list->scrollToItem(list->currentItem(), QAbstractItemView::PositionAtCenter);
    }
    // The focus goes to the hours before the combo hides, so that it does not wander to the
    // next control (whose leave check would then run).
    m_hours->setFocus(Qt::PopupFocusReason);
    hide();
}

// The lists stay until a minute is picked.
void TimeCombo::hidePopup() {}

void TimeCombo::pickMinute()
{
    const QTime now = m_app.services().clock->now().time();
    const QString hour = m_hours->currentItem() ? m_hours->currentItem()->text() : QString::number(now.hour());
    const QString minute = m_minutes->currentItem() ? m_minutes->currentItem()->text() : QString::number(now.minute());
    const bool listsHadFocus = m_hours->hasFocus() || m_minutes->hasFocus();
    setEditText(hour + QStringLiteral(" : ") + minute);
    m_picked = currentText() + QStringLiteral(" : ") + QString::number(now.second());
    show();
    if (listsHadFocus)
        setFocus(Qt::PopupFocusReason);
    m_hours->hide();
    m_minutes->hide();
    emit picked();
}

void TimeCombo::placeLists()
{
    QWidget *area = parentWidget();
    QPoint at = geometry().topLeft();
    if (area) {
        at.setX(std::clamp(at.x(), 0, std::max(0, area->width() - 2 * ListWidth - 2 - Margin)));
        at.setY(std::clamp(at.y(), 0, std::max(0, area->height() - ListHeight - Margin)));
    }
    m_hours->move(at);
    m_minutes->move(at + QPoint(ListWidth + 2, 0));
}
