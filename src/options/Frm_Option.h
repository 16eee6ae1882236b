// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/RecordWindow.h"

class EventSetup;
class ImageButton;
class QCheckBox;
class QLabel;
class QRadioButton;
class QTabWidget;

/// The options window: general options, the manual backup, help and web pages, and the event
/// set-up, each on a tab of its own. OK acts on the visible tab.
class Frm_Option final : public RecordWindow
{
    Q_OBJECT
public:
    /// The exchange tab acts through its own buttons; OK leaves it.
    enum Tab { General, Backup, Help, Event, Exchange };

    Frm_Option(AppContext &app, QWidget *owner);

    /// The backup file of today, as shown on the backup tab.
    QString backupFile() const;

public slots:
    void ok();
    void cancel();

private:
    void buildGeneralTab();
    void buildBackupTab();
    void buildHelpTab();
    void applyGeneral();
    void backUp();
    void openHelp();

    QTabWidget *SSTab1;
    QCheckBox *Check2;
    QCheckBox *Check3;
    QCheckBox *chkNotifications;
    QLabel *Label5;
    QLabel *Label6;
    QRadioButton *Option3;
    QRadioButton *Option4;
    QRadioButton *Option6;
    EventSetup *m_eventSetup;
    ImageButton *lblok;
    ImageButton *lblcancel;
    QString m_backupFile;
};
