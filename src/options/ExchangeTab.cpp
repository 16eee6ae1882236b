// SPDX-License-Identifier: MIT
#include "options/ExchangeTab.h"

#include "context/AppContext.h"
#include "context/RecordWindows.h"
#include "exchange/Exchange.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString Calendars = QStringLiteral("Calendar (*.ics)");
const QString Cards = QStringLiteral("Contacts (*.vcf)");

QPushButton *button(const QString &name, const QString &caption, QLayout *layout, QWidget *parent)
{
    auto *push = new QPushButton(caption, parent);
    push->setObjectName(name);
    layout->addWidget(push);
    return push;
}

} // namespace

ExchangeTab::ExchangeTab(AppContext &app, QWidget *parent)
    : QWidget(parent)
    , m_app(app)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 16, 24, 16);
    auto *about = new QLabel(QStringLiteral("Tasks, schedules, notes and birthdays travel as an iCalendar file, "
                                            "contacts as a vCard file: other organisers read and write both. "
                                            "Import both files together, so that the birthdays find their contacts."),
        this);
    about->setWordWrap(true);
    layout->addWidget(about);
    cmdexportics = button(QStringLiteral("cmdexportics"), QStringLiteral("Export calendar\u2026"), layout, this);
    cmdexportvcf = button(QStringLiteral("cmdexportvcf"), QStringLiteral("Export contacts\u2026"), layout, this);
    cmdimport = button(QStringLiteral("cmdimport"), QStringLiteral("Import\u2026"), layout, this);
    layout->addStretch();
    connect(cmdexportics, &QPushButton::clicked, this, &ExchangeTab::exportCalendar);
    connect(cmdexportvcf, &QPushButton::clicked, this, &ExchangeTab::exportContacts);
    connect(cmdimport, &QPushButton::clicked, this, &ExchangeTab::importFiles);
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
