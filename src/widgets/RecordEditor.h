// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Services.h"
#include "store/Database.h"
#include "widgets/RecordWindow.h"

#include <QSet>
#include <functional>

class ImageButton;
class QLabel;
class QLineEdit;
class TimeCombo;

/// What the record editors share: the new/edit mode with its save and update buttons, the cancel
/// button, the hidden stored-key boxes (Text4 name, Text5 date, Text6 time), the time picks made
/// by the user, and the guarded, all-or-nothing writing of a change.
class RecordEditor : public RecordWindow
{
    Q_OBJECT
public:
    enum class Mode { New, Edit };

    RecordEditor(AppContext &app, const QString &objectName, const QString &title, QSize size, QWidget *owner);

    /// New mode shows the save button, edit mode the update button.
    void setMode(Mode mode);
    Mode mode() const { return m_mode; }
    /// The stored name, date and time of the edited record.
    void setStoredKey(const QString &name, const QString &date, const QString &time);

    /// Deletes every reminder row numbered 0.
    void delete_Zero();

protected:
    /// A caption label at a place.
    QLabel *caption(const QString &text, QRect geometry);
    /// Forgets the time picks made so far: from now on only the user's picks count.
    void forgetPicks();
    bool pickedSinceLoad(const TimeCombo *combo) const { return m_picked.contains(combo); }
    /// Reports every later pick of a time combo.
    void trackPicks(TimeCombo *combo);

    /// Shows the message and gives false when any of the texts is empty.
    bool requireFilled(const QStringList &texts, const QString &message, MessageIcon icon, const QString &title);

    /// Runs the writes of one change all or nothing. A failed write leaves the store as it was:
    /// a date or time that cannot be stored is answered with "Please Enter Date ", any other
    /// failure with a warning that begins with whatFailed and says why. Gives whether it was written.
    bool writeChange(const QString &whatFailed, const std::function<void(store::Database &)> &change);

    ImageButton *lblsave;
    ImageButton *lblupdate;
    ImageButton *lblcancel;
    QLineEdit *Text4;
    QLineEdit *Text5;
    QLineEdit *Text6;

private:
    Mode m_mode = Mode::New;
    QSet<const TimeCombo *> m_picked;
};
