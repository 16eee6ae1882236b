// SPDX-License-Identifier: MIT
#include "options/Frm_Option.h"

#include "context/AppContext.h"
#include "context/MakerPages.h"
#include "context/RecordWindows.h"
#include "options/EventSetup.h"
#include "options/ExchangeTab.h"
#include "options/ManualBackup.h"
#include "options/rules/BackupName.h"
#include "reminders/rules/ReminderRules.h"
#include "store/Database.h"
#include "store/ProgramOptions.h"
#include "widgets/RecordControls.h"
#include "widgets/rules/StoreFailure.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const QString Key = QStringLiteral("Frm_Option");

/// A tab page holding one captioned frame; the frame is returned for its controls.
QGroupBox *framedPage(QTabWidget *tabs, const QString &tabName, const QString &frameName, const QString &caption)
{
    auto *page = new QWidget(tabs);
    auto *frame = new QGroupBox(caption, page);
    frame->setObjectName(frameName);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(frame);
    tabs->addTab(page, tabName);
    return frame;
}

} // namespace

Frm_Option::Frm_Option(AppContext &app, QWidget *owner)
    : RecordWindow(app, Key, QStringLiteral("Options"), { 480, 340 }, owner)
    , SSTab1(new QTabWidget(this))
{
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->setGeometry(14, 42, 452, 240);
    m_backupFile = app.folder().backupFolder() + options::backupFileName(app.services().clock->now().date());
    buildGeneralTab();
    buildBackupTab();
    buildHelpTab();
    m_eventSetup = new EventSetup(app, SSTab1);
    m_eventSetup->setObjectName(QStringLiteral("EventOption"));
    SSTab1->addTab(m_eventSetup, QStringLiteral("Event"));
    SSTab1->addTab(new ExchangeTab(app, SSTab1), QStringLiteral("Exchange"));

    lblok = makeLabelButton(QStringLiteral("lblok"), QStringLiteral("OK"), this, { 264, 296, 96, 30 });
    lblcancel = makeLabelButton(QStringLiteral("lblcancel"), QStringLiteral("Cancel"), this, { 370, 296, 96, 30 });
    connect(lblok, &ImageButton::clicked, this, &Frm_Option::ok);
    connect(lblcancel, &ImageButton::clicked, this, &Frm_Option::cancel);
    setEscapeButton(lblcancel);
}

void Frm_Option::buildGeneralTab()
{
    QGroupBox *frame = framedPage(SSTab1, QStringLiteral("General"), QStringLiteral("Frame1"), QStringLiteral("General Options"));
    Check2 = makeTextControl<QCheckBox>(QStringLiteral("Check2"), QStringLiteral(" Start with Windows"), frame, { 20, 40, 380, 26 });
    Check3 = makeTextControl<QCheckBox>(QStringLiteral("Check3"), QStringLiteral(" Minimize to System Tray"), frame, { 20, 76, 380, 26 });
    // A kept setting, unlike the two actions above: it shows what is stored.
    chkNotifications = makeTextControl<QCheckBox>(QStringLiteral("chkNotifications"),
        QStringLiteral(" Show reminders as desktop notifications"), frame, { 20, 112, 380, 26 });
    bool notificationsOn = true;
    try {
        notificationsOn = store::desktopNotificationsOn(app().db());
    } catch (const store::Error &) {
        // Shown with its default; OK stores it again.
    }
    chkNotifications->setChecked(notificationsOn);
}

void Frm_Option::buildBackupTab()
{
    QGroupBox *frame = framedPage(SSTab1, QStringLiteral("Backup"), QStringLiteral("Frame2"), QStringLiteral("Manual Backup"));
    Label5 = makeCaption(QStringLiteral("Label5"),
        QStringLiteral("Backup of your database will be stored in the following location."), frame, { 20, 34, 396, 40 });
    Label5->setWordWrap(true);
    Label6 = makeCaption(QStringLiteral("Label6"), QDir::toNativeSeparators(m_backupFile), frame, { 20, 80, 396, 60 });
    Label6->setWordWrap(true);
    Label6->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label6->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = Label6->font();
    bold.setBold(true);
    Label6->setFont(bold);
    Label6->setToolTip(Label6->text());
}

void Frm_Option::buildHelpTab()
{
    QGroupBox *frame = framedPage(SSTab1, QStringLiteral("Help"), QStringLiteral("Frame3"), QStringLiteral("Help"));
    Option3 = makeTextControl<QRadioButton>(QStringLiteral("Option3"), QStringLiteral("Technical Support"), frame, { 20, 30, 380, 24 });
    makeCaption(QStringLiteral("Label1"), QStringLiteral("Please Visit ") + maker::SupportPage, frame, { 44, 54, 372, 22 });
    Option4 = makeTextControl<QRadioButton>(QStringLiteral("Option4"), QStringLiteral("Read Lincence Aggrement"), frame, { 20, 86, 380, 24 });
    Option6 = makeTextControl<QRadioButton>(QStringLiteral("Option6"), QStringLiteral("Go to Product Page"), frame, { 20, 120, 380, 24 });
    makeCaption(QStringLiteral("Label2"), QStringLiteral("Please Visit ") + maker::ProductPage, frame, { 44, 144, 372, 22 });
}

QString Frm_Option::backupFile() const
{
    return m_backupFile;
}

void Frm_Option::ok()
{
    switch (SSTab1->currentIndex()) {
    case General:
        applyGeneral();
        break;
    case Backup:
        backUp();
        break;
    case Help:
        openHelp();
        break;
    case Event:
        m_eventSetup->schedule();
        break;
    case Exchange:
        break;
    }
}

void Frm_Option::cancel()
{
    app().windows().unload(Key);
    app().windows().setMarker({});
}

void Frm_Option::applyGeneral()
{
    try {
        store::setDesktopNotifications(app().db(), chkNotifications->isChecked());
    } catch (const store::Error &error) {
        app().message(
            records::storeFailureText(QStringLiteral("The notification option could not be saved"), error.code()),
            MessageIcon::Warning, QStringLiteral("Orrisday"));
    }
    if (Check2->isChecked()) {
        const ActionResult result = app().services().autoStart->enable(app().folder().executable());
        if (result.done)
            app().message(QStringLiteral("Orrisdaye will start with Windows next time you start your PC."),
                MessageIcon::Information, QStringLiteral("Orrisday"));
        else
            app().message(QStringLiteral("Orrisday could not be set to start with your session: %1.").arg(result.why),
                MessageIcon::Warning, QStringLiteral("Orrisday"));
    } else if (Check3->isChecked()) {
        // Closes this window with the record window the marker names.
        app().hideToTray(QStringLiteral("Orrisday") + QStringLiteral(ORRISDAY_VERSION));
    }
}

void Frm_Option::backUp()
{
    const BackupOutcome outcome = makeBackup(app().db(), m_backupFile);
    if (outcome.done) {
        app().message(QStringLiteral(" MANUAL BACKUP SUCCESSFULLY COMPLETED,Orrisdaye Needs To Restart"),
            MessageIcon::Information, QStringLiteral("Orrisdaye"));
        app().services().lifecycle->endProgram();
    } else if (outcome.lockedByOther) {
        app().message(outcome.why, MessageIcon::None, QString());
    } else {
        app().message(outcome.why, MessageIcon::Warning, QStringLiteral("Orrisday"));
    }
}

void Frm_Option::openHelp()
{
    if (Option3->isChecked())
        app().OpenWithShell(maker::SupportPage);
    else if (Option4->isChecked())
        app().OpenWithShell(app().folder().licence(), reminders::workingFolderOf(app().folder().licence()));
    else if (Option6->isChecked())
        app().OpenWithShell(maker::ProductPage);
}
