// SPDX-License-Identifier: MIT
#include "widgets/Frm_Repeat.h"

#include "context/AppContext.h"
#include "store/DateTimeText.h"
#include "widgets/DateCombo.h"
#include "widgets/RecordControls.h"
#include "widgets/rules/RepeatChoices.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QShortcut>
#include <QSpinBox>

using store::Frequency;
using store::MonthlyBy;
using store::RepeatRule;

namespace {

QSpinBox *spinBox(const QString &name, int maximum, QWidget *parent, QRect geometry)
{
    auto *spin = new QSpinBox(parent);
    spin->setObjectName(name);
    spin->setRange(1, maximum);
    spin->setGeometry(geometry);
    return spin;
}

} // namespace

Frm_Repeat::Frm_Repeat(AppContext &app, QWidget *editor, QDate start, const RepeatRule &presetRule)
    : RecordWindow(app, QStringLiteral("Frm_Repeat"), QStringLiteral("Custom Repeat"), QSize(460, 318), editor)
    , m_start(start)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::WindowModal);

    makeCaption(QStringLiteral("lblevery"), QStringLiteral("Every"), this, { 16, 44, 84, 26 });
    spninterval = spinBox(QStringLiteral("spninterval"), 999, this, { 100, 44, 70, 26 });
    cmbfrequency = new QComboBox(this);
    cmbfrequency->setObjectName(QStringLiteral("cmbfrequency"));
    cmbfrequency->addItems({ QStringLiteral("days"), QStringLiteral("weeks"), QStringLiteral("months"),
        QStringLiteral("years") });
    cmbfrequency->setGeometry(180, 44, 120, 26);

    makeCaption(QStringLiteral("lblweekdays"), QStringLiteral("Weekdays"), this, { 16, 80, 84, 26 });
    static const char *const days[] { "Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun" };
    for (int day = 1; day <= 7; ++day)
        m_weekdays << makeTextControl<QCheckBox>(QStringLiteral("chkday%1").arg(day), QString::fromLatin1(days[day - 1]),
            this, { 100 + (day - 1) * 50, 80, 50, 26 });

    makeCaption(QStringLiteral("lblmonthly"), QStringLiteral("Monthly"), this, { 16, 116, 84, 26 });
    cmbmonthly = new QComboBox(this);
    cmbmonthly->setObjectName(QStringLiteral("cmbmonthly"));
    cmbmonthly->addItems(records::monthlyChoices(start));
    cmbmonthly->setGeometry(100, 116, 200, 26);

    makeCaption(QStringLiteral("lblends"), QStringLiteral("Ends"), this, { 16, 156, 84, 26 });
    Opnever = makeTextControl<QRadioButton>(QStringLiteral("Opnever"), QStringLiteral("Never"), this, { 100, 156, 80, 26 });
    Opuntil = makeTextControl<QRadioButton>(QStringLiteral("Opuntil"), QStringLiteral("Until"), this, { 100, 190, 80, 26 });
    cmbuntil = new DateCombo(app, QStringLiteral("cmbuntil"), this);
    cmbuntil->setGeometry(180, 190, 120, 26);
    Opcount = makeTextControl<QRadioButton>(QStringLiteral("Opcount"), QStringLiteral("After"), this, { 100, 224, 80, 26 });
    spncount = spinBox(QStringLiteral("spncount"), 999, this, { 180, 224, 70, 26 });
    makeCaption(QStringLiteral("lbltimes"), QStringLiteral("times"), this, { 258, 224, 60, 26 });
    auto *ends = new QButtonGroup(this);
    for (QRadioButton *end : { Opnever, Opuntil, Opcount })
        ends->addButton(end);

    lblok = makeLabelButton(QStringLiteral("lblok"), QStringLiteral("OK"), this, { 254, 274, 90, 30 });
    lblcancel = makeLabelButton(QStringLiteral("lblcancel"), QStringLiteral("Cancel"), this, { 354, 274, 90, 30 });
    connect(lblok, &ImageButton::clicked, this, &Frm_Repeat::ok);
    connect(lblcancel, &ImageButton::clicked, this, &Frm_Repeat::cancel);
    setEscapeButton(lblcancel);
    for (const QKeySequence &key : { QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter) }) {
        connect(new QShortcut(key, this), &QShortcut::activated, this, [this] {
            // Enter on a button that Tab reached is that button's; anywhere else it is OK.
            if (auto *button = qobject_cast<ImageButton *>(focusWidget()))
                button->click();
            else
                ok();
        });
    }

    preset(presetRule);
    connect(cmbfrequency, &QComboBox::currentIndexChanged, this, &Frm_Repeat::enableChoices);
    connect(ends, &QButtonGroup::buttonToggled, this, &Frm_Repeat::enableChoices);
}

void Frm_Repeat::preset(const RepeatRule &rule)
{
    spninterval->setValue(rule.interval);
    cmbfrequency->setCurrentIndex(int(rule.frequency));
    const QList<Qt::DayOfWeek> weekdays
        = rule.weekdays.isEmpty() ? QList<Qt::DayOfWeek> { Qt::DayOfWeek(m_start.dayOfWeek()) } : rule.weekdays;
    for (int day = 1; day <= 7; ++day)
        m_weekdays.at(day - 1)->setChecked(weekdays.contains(Qt::DayOfWeek(day)));
    // A start that left its month's last week can no longer keep the last weekday.
    cmbmonthly->setCurrentIndex(std::min(int(rule.monthlyBy), int(cmbmonthly->count()) - 1));
    (rule.until.isValid() ? Opuntil : rule.count > 0 ? Opcount : Opnever)->setChecked(true);
    cmbuntil->setEditText(store::dateText(rule.until.isValid() ? rule.until : m_start.addMonths(1)));
    spncount->setValue(rule.count > 0 ? rule.count : 10);
    enableChoices();
}

void Frm_Repeat::enableChoices()
{
    for (QCheckBox *day : std::as_const(m_weekdays))
        day->setEnabled(cmbfrequency->currentIndex() == int(Frequency::Weekly));
    cmbmonthly->setEnabled(cmbfrequency->currentIndex() == int(Frequency::Monthly));
    cmbuntil->setEnabled(Opuntil->isChecked());
    spncount->setEnabled(Opcount->isChecked());
}

RepeatRule Frm_Repeat::rule() const
{
    RepeatRule rule;
    rule.frequency = Frequency(cmbfrequency->currentIndex());
    rule.interval = spninterval->value();
    if (rule.frequency == Frequency::Weekly) {
        for (int day = 1; day <= 7; ++day)
            if (m_weekdays.at(day - 1)->isChecked())
                rule.weekdays << Qt::DayOfWeek(day);
        // The start's weekday alone is what a weekly rule means without days.
        if (rule.weekdays == QList<Qt::DayOfWeek> { Qt::DayOfWeek(m_start.dayOfWeek()) })
            rule.weekdays.clear();
    }
    if (rule.frequency == Frequency::Monthly)
        rule.monthlyBy = MonthlyBy(cmbmonthly->currentIndex());
    if (Opuntil->isChecked())
        rule.until = store::parseDate(cmbuntil->currentText().trimmed());
    if (Opcount->isChecked())
        rule.count = spncount->value();
    return rule;
}

bool Frm_Repeat::endDateAccepted()
{
    const QDate until = store::parseDate(cmbuntil->currentText().trimmed());
    if (!Opuntil->isChecked() || (until.isValid() && until >= m_start))
        return true;
    app().message(QStringLiteral("Please enter the valid Date"), MessageIcon::None, QString());
    return false;
}

void Frm_Repeat::ok()
{
    if (m_answered || !endDateAccepted())
        return;
    m_answered = true;
    emit chosen(rule());
    close();
}

void Frm_Repeat::cancel()
{
    close();
}

void Frm_Repeat::closeEvent(QCloseEvent *event)
{
    if (!m_answered) {
        m_answered = true;
        emit cancelled();
    }
    RecordWindow::closeEvent(event);
}
