// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Services.h"
#include "store/Database.h"
#include "widgets/RecordWindow.h"

#include <QTime>
#include <functional>

class ChoiceCombo;
class DateCombo;
class ImageButton;
class QLabel;
class QLineEdit;
class TimeCombo;

/// What the record editors share: the new/edit mode with its save and update buttons, the cancel
/// button, the hidden stored-key boxes (Text4 name, Text5 date, Text6 time), the times the
/// program puts into the time boxes, the guarded, all-or-nothing writing of a change, and the way
/// back to the list.
class RecordEditor : public RecordWindow
{
    Q_OBJECT
public:
    enum class Mode { New, Edit };

    /// The keys of the editor and of the list it returns to.
    struct Keys
    {
        QString editor;
        QString list;
    };

    RecordEditor(AppContext &app, const QString &objectName, Keys keys, const QString &title, QSize size,
        QWidget *owner);

    /// New mode shows the save button, edit mode the update button.
    void setMode(Mode mode);
    Mode mode() const { return m_mode; }
    /// The stored name, date and time of the edited record.
    void setStoredKey(const QString &name, const QString &date, const QString &time);

    /// Deletes every reminder row numbered 0.
    void delete_Zero();

public slots:
    /// Closes the editor and reopens its list; nothing is written.
    void cancel();

protected:
    /// A caption label at a place.
    QLabel *caption(const QString &text, QRect geometry);
    /// A text box across the window with its caption on the left.
    QLineEdit *textField(const QString &objectName, const QString &captionText, int y);

    /// The priority, status and category combos of the task and schedule editors: status and
    /// priority side by side, the category below; the category refuses typed keys.
    struct FixedChoices
    {
        ChoiceCombo *priority;
        ChoiceCombo *status;
        ChoiceCombo *category;
    };
    FixedChoices buildFixedChoices(int y);

    /// A date combo and its time combo (with its hour and minute lists) on one row; the caption
    /// of the date is the caller's.
    struct DateTimeRow
    {
        DateCombo *date;
        TimeCombo *time;
    };
    DateTimeRow dateTimeRow(const QString &dateName, const QString &timeName, const QString &hourList,
        const QString &minuteList, int y);
    /// What a new record's opener shows: today's date, the current hour and minute as "H  :  M".
    void showToday(DateCombo *date, TimeCombo *time);

    /// Selects the current hour and minute in each combo's lists (a pick of the load time) and
    /// leaves the combos empty.
    void preselectNow(const QList<TimeCombo *> &combos);
    /// Puts the current time into a time box, shown as given; the picked time becomes that moment.
    void showCurrentTime(TimeCombo *combo, QTime now, const QString &shown);
    /// Puts a stored time into a time box; the picked time becomes it, as stored.
    void showStoredTime(TimeCombo *combo, const QString &stored);

    /// Shows the message and gives false when any of the texts is empty.
    bool requireFilled(const QStringList &texts, const QString &message, MessageIcon icon, const QString &title);

    /// Runs the writes of one change all or nothing. A failed write leaves the store as it was:
    /// a date or time that cannot be stored is answered with "Please Enter Date ", any other
    /// failure with a warning that begins with whatFailed and says why. Gives whether it was written.
    bool writeChange(const QString &whatFailed, const std::function<void(store::Database &)> &change);

    /// After a written change: the message as many times as given, then the editor closes, the
    /// main window reads the store again and the list reopens.
    void finish(const QString &message, const QString &title, int times = 1);
    /// After a written update of so many records: the message as many times as given, or, when no
    /// stored record matched, that the record (its kind named, e.g. "task") was not found; then
    /// closes as after a change.
    void finishUpdate(int updated, const QString &kind, const QString &message, const QString &title, int times);

    ImageButton *lblsave;
    ImageButton *lblupdate;
    ImageButton *lblcancel;
    QLineEdit *Text4;
    QLineEdit *Text5;
    QLineEdit *Text6;

private:
    Keys m_keys;
    Mode m_mode = Mode::New;
};
