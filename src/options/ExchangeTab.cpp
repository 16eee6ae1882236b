// SPDX-License-Identifier: MIT
#include "options/ExchangeTab.h"

#include "context/AppContext.h"
#include "context/BackgroundSync.h"
#include "context/RecordWindows.h"
#include "exchange/Exchange.h"
#include "store/Database.h"
#include "widgets/rules/StoreFailure.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString Calendars = QStringLiteral("Calendar (*.ics)");
const QString Cards = QStringLiteral("Contacts (*.vcf)");

template<typename Control, typename... Arguments>
Control *named(const QString &name, QWidget *parent, Arguments &&...arguments)
{
    auto *control = new Control(std::forward<Arguments>(arguments)..., parent);
    control->setObjectName(name);
    return control;
}

QPushButton *button(const QString &name, const QString &caption, QLayout *layout, QWidget *parent)
{
    auto *push = named<QPushButton>(name, parent, caption);
    layout->addWidget(push);
    return push;
}

const QString Syncing = QStringLiteral("Syncing\u2026");

} // namespace

ExchangeTab::ExchangeTab(AppContext &app, QWidget *parent)
    : QWidget(parent)
    , m_app(app)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(4);
    auto *files = new QHBoxLayout;
    cmdexportics = button(QStringLiteral("cmdexportics"), QStringLiteral("Export calendar\u2026"), files, this);
    cmdexportvcf = button(QStringLiteral("cmdexportvcf"), QStringLiteral("Export contacts\u2026"), files, this);
    cmdimport = button(QStringLiteral("cmdimport"), QStringLiteral("Import\u2026"), files, this);
    const QString about = QStringLiteral("Tasks, schedules, notes and birthdays travel as an iCalendar file, "
                                         "contacts as a vCard file: other organisers read and write both. "
                                         "Import both files together, so that the birthdays find their contacts.");
    for (QPushButton *push : { cmdexportics, cmdexportvcf, cmdimport })
        push->setToolTip(about);
    layout->addLayout(files);
    layout->addWidget(buildSyncFrame());
    connect(cmdexportics, &QPushButton::clicked, this, &ExchangeTab::exportCalendar);
    connect(cmdexportvcf, &QPushButton::clicked, this, &ExchangeTab::exportContacts);
    connect(cmdimport, &QPushButton::clicked, this, &ExchangeTab::importFiles);
    BackgroundSync &sync = m_app.sync();
    connect(&sync, &BackgroundSync::roundStarted, this, [this] { roundEnded(Syncing); });
    connect(&sync, &BackgroundSync::roundEnded, this, &ExchangeTab::roundEnded);
    showAccount();
}

QWidget *ExchangeTab::buildSyncFrame()
{
    auto *frame = named<QGroupBox>(QStringLiteral("fraSync"), this, QStringLiteral("Sync with a CalDAV/CardDAV server"));
    auto *form = new QFormLayout(frame);
    form->setContentsMargins(8, 4, 8, 4);
    form->setVerticalSpacing(3);
    txtsyncurl = named<QLineEdit>(QStringLiteral("txtsyncurl"), frame);
    txtsyncurl->setPlaceholderText(QStringLiteral("https://dav.example.org/"));
    txtsyncuser = named<QLineEdit>(QStringLiteral("txtsyncuser"), frame);
    txtsyncpassword = named<QLineEdit>(QStringLiteral("txtsyncpassword"), frame);
    txtsyncpassword->setEchoMode(QLineEdit::Password);
    auto *credentials = new QHBoxLayout;
    credentials->addWidget(txtsyncuser);
    credentials->addWidget(new QLabel(QStringLiteral("Password:"), frame));
    credentials->addWidget(txtsyncpassword);
    chksyncauto = named<QCheckBox>(QStringLiteral("chksyncauto"), frame, QStringLiteral("Every 15 minutes and after changes"));
    cmdsyncnow = named<QPushButton>(QStringLiteral("cmdsyncnow"), frame, QStringLiteral("Sync now"));
    auto *actions = new QHBoxLayout;
    actions->addWidget(chksyncauto, 1);
    actions->addWidget(cmdsyncnow);
    lblsyncresult = named<QLabel>(QStringLiteral("lblsyncresult"), frame);
    lblsyncresult->setWordWrap(true);
    form->addRow(QStringLiteral("Server:"), txtsyncurl);
    form->addRow(QStringLiteral("User:"), credentials);
    form->addRow(actions);
    form->addRow(lblsyncresult);
    connect(cmdsyncnow, &QPushButton::clicked, this, &ExchangeTab::syncNow);
    for (QLineEdit *field : { txtsyncurl, txtsyncuser, txtsyncpassword })
        connect(field, &QLineEdit::returnPressed, this, &ExchangeTab::syncNow);
    connect(chksyncauto, &QCheckBox::toggled, this, &ExchangeTab::automaticToggled);
    return frame;
}

void ExchangeTab::showAccount()
{
    syncing::SyncAccount account;
    try {
        account = syncing::savedAccount(m_app.db());
    } catch (const store::Error &) {
        // Shown empty; a new account can still be given.
    }
    txtsyncurl->setText(account.server.toString());
    txtsyncuser->setText(account.user);
    txtsyncpassword->setPlaceholderText(account.isSet() ? QStringLiteral("(unchanged)") : QString());
    const QSignalBlocker quiet(chksyncauto);
    chksyncauto->setChecked(account.automatic);
    roundEnded(m_app.sync().isRunning() ? Syncing : m_app.sync().lastResult());
}

void ExchangeTab::roundEnded(const QString &result)
{
    lblsyncresult->setText(result);
    cmdsyncnow->setEnabled(!m_app.sync().isRunning());
}

void ExchangeTab::automaticToggled(bool on)
{
    try {
        syncing::SyncAccount account = syncing::savedAccount(m_app.db());
        if (!account.isSet())
            return;
        account.automatic = on;
        syncing::saveAccount(m_app.db(), account);
    } catch (const store::Error &error) {
        m_app.message(records::storeFailureText(QStringLiteral("The sync option could not be saved"), error.code()),
            MessageIcon::Warning, QStringLiteral("Orrisday"));
    }
    m_app.sync().followAccount();
}

void ExchangeTab::syncNow()
{
    const QUrl server = QUrl::fromUserInput(txtsyncurl->text().trimmed());
    if (txtsyncurl->text().trimmed().isEmpty() || !server.isValid() || !server.scheme().startsWith(QLatin1String("http"))) {
        m_app.message(QStringLiteral("Give the address of the server to sync with, starting with https:// or http://."),
            MessageIcon::Warning, QStringLiteral("Orrisday"));
        txtsyncurl->setFocus();
        return;
    }
    syncing::SyncAccount account = syncing::savedAccount(m_app.db());
    const bool sameAccount = account.isSet() && account.server == server && account.user == txtsyncuser->text();
    if (sameAccount && txtsyncpassword->text().isEmpty()) {
        m_app.sync().syncNow();
        return;
    }
    account.server = server;
    account.user = txtsyncuser->text();
    account.automatic = chksyncauto->isChecked();
    m_app.sync().setUpAndSync(account, txtsyncpassword->text());
    txtsyncpassword->clear();
}

void ExchangeTab::exportCalendar()
{
    exportTo(Calendars, QStringLiteral("*.ics"), &exchange::exportCalendar);
}

void ExchangeTab::exportContacts()
{
    exportTo(Cards, QStringLiteral("*.vcf"), &exchange::exportContacts);
}

void ExchangeTab::exportTo(const QString &filter, const QString &suffix, Exporter exporter)
{
    if (const auto file = m_app.services().dialogs->saveFile(filter, suffix))
        tell(exporter(m_app.db(), *file), QStringLiteral("Exported"));
}

void ExchangeTab::tell(const exchange::Report &report, const QString &verb)
{
    m_app.message(report.summary(verb), report.succeeded() ? MessageIcon::Information : MessageIcon::Warning,
        QStringLiteral("Orrisday"));
}

void ExchangeTab::importFiles()
{
    const QStringList files = m_app.services().dialogs->openFiles(
        QStringLiteral("Calendars and contacts (*.ics *.vcf);;") + Calendars + QStringLiteral(";;") + Cards);
    if (files.isEmpty())
        return;
    if (!m_app.importFiles(files))
        return;
    // The main window read the store again, so that the scan and the agenda see the new rows, and
    // emptied its marker; this window stays the open one.
    m_app.windows().setMarker(QStringLiteral("Frm_Option"));
    m_app.windows().follow();
}
