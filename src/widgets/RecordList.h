// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/RecordWindow.h"
#include "widgets/rules/RecordKey.h"

#include <functional>

class ImageButton;
class QLineEdit;

/// What the task, schedule and note lists share: the New, Edit, Delete and Cancel buttons and the
/// selection boxes Text1 (name), Text2 (date), Text3 (time) filled by a grid click.
class RecordList : public RecordWindow
{
    Q_OBJECT
public:
    RecordList(AppContext &app, const QString &objectName, const QString &title, QSize size, QWidget *owner,
        const QString &cancelName);

    records::RecordKey selection() const;

public slots:
    /// Takes a clicked row's name, date and time as the selection.
    void select(const QString &name, const QString &date, const QString &time);

protected:
    /// " Please Select The Item" with the given title.
    void askForSelection(const QString &title);
    /// Closes this window and empties the window marker.
    void closeList();
    /// Runs a store action; when it fails, says so once, beginning with whatFailed, and gives false.
    /// The list stays as it is.
    bool tryStore(const QString &whatFailed, const std::function<void()> &action);

    ImageButton *lblnew;
    ImageButton *lbledit;
    ImageButton *lblDelete;
    ImageButton *m_cancel;
    QLineEdit *Text1;
    QLineEdit *Text2;
    QLineEdit *Text3;
};
