// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/RecordWindow.h"

class ImageButton;
class QLabel;

/// The confirmation of a computer event that has fallen due: it names the event and asks
/// whether to go on. Confirming carries the event out; a refused exit is reported and the
/// window stays.
class Frm_Event final : public RecordWindow
{
    Q_OBJECT
public:
    static constexpr QSize Size { 350, 186 }; // 5250 x 2790 twips

    explicit Frm_Event(AppContext &app);

    /// Names the event to confirm.
    void setEventName(const QString &name);
    QString eventName() const;

public slots:
    /// Carries the named event out; a name that is no event does nothing.
    void confirm();
    void cancel();

private:
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QLabel *Label4;
    ImageButton *lblok;
    ImageButton *lblcancel;
};
