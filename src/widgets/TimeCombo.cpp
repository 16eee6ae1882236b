// SPDX-License-Identifier: MIT
#include "widgets/TimeCombo.h"

#include "context/AppContext.h"
#include "widgets/KeyGuard.h"
#include "context/OnScreen.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <functional>

namespace {

constexpr int ListWidth = 56;
constexpr int ListHeight = 150;

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

/// The pop-up that holds the lists; it tells when it closes.
class ListsPopup final : public QFrame
{
public:
    ListsPopup(QWidget *owner, std::function<void()> closed)
        : QFrame(owner, Qt::Popup), m_closed(std::move(closed))
    {
        setFrameShape(QFrame::StyledPanel);
    }

protected:
    void hideEvent(QHideEvent *) override { m_closed(); }

private:
    std::function<void()> m_closed;
};

} // namespace

TimeCombo::TimeCombo(AppContext &app, const QString &objectName, const QString &hourListName,
                     const QString &minuteListName, QWidget *parent)
    : QComboBox(parent), m_app(app), m_popup(new ListsPopup(parent, [this] { listsClosed(); })),
      m_hours(numberList(hourListName, 24, m_popup)), m_minutes(numberList(minuteListName, 60, m_popup))
{
    setObjectName(objectName);
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    auto *lists = new QHBoxLayout(m_popup);
    lists->setContentsMargins(2, 2, 2, 2);
    lists->setSpacing(2);
    lists->addWidget(m_hours);
    lists->addWidget(m_minutes);
    const int edge = 2 + qobject_cast<QFrame *>(m_popup)->frameWidth();
    m_popup->setFixedSize(2 * ListWidth + 2 + 2 * edge, ListHeight + 2 * edge);
    KeyGuard::attach(app, this, [this] { return keyRuleFor(window()->objectName(), this->objectName()); });
    // A click in the hour list only chooses the hour; the minute completes the pick.
    connect(m_minutes, &QListWidget::itemClicked, this, &TimeCombo::pickMinute);
    connect(m_minutes, &QListWidget::itemActivated, this, &TimeCombo::pickMinute);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] {
        m_typed = true;
        emit picked();
    });
}

QString TimeCombo::pickedTime() const
{
    const QString shown = currentText().trimmed();
    return m_typed && !shown.isEmpty() ? shown : m_picked;
}

void TimeCombo::setPickedTime(const QString &picked)
{
    m_picked = picked;
    m_typed = false;
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
    m_hours->show();
    m_minutes->show();
    // Over the combo, kept on the screen.
    moveOnScreen(m_popup, mapToGlobal(QPoint(0, 0)));
    m_popup->show();
    for (QListWidget *list : {m_hours, m_minutes})
        if (list->currentItem())
            list->scrollToItem(list->currentItem(), QAbstractItemView::PositionAtCenter);
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
    setPickedTime(currentText() + QStringLiteral(" : ") + QString::number(now.second()));
    show();
    if (listsHadFocus)
        setFocus(Qt::PopupFocusReason);
    m_hours->hide();
    m_minutes->hide();
    m_popup->hide();
    emit picked();
}

void TimeCombo::listsClosed()
{
    m_hours->hide();
    m_minutes->hide();
    if (isHidden()) {
        show();
        setFocus(Qt::PopupFocusReason);
    }
}
