// SPDX-License-Identifier: MIT
#pragma once

#include "exchange/Report.h"

#include <QWidget>

namespace store { class Database; }
class AppContext;
class QPushButton;

/// The options window's exchange tab: the calendar (iCalendar) and the contacts (vCard) written to
/// files other organisers read, and such files read into the store.
class ExchangeTab final : public QWidget
{
    Q_OBJECT
public:
    ExchangeTab(AppContext &app, QWidget *parent);

public slots:
    void exportCalendar();
    void exportContacts();
    void importFiles();

private:
    using Exporter = exchange::Report (*)(const store::Database &, const QString &);
    /// Asks where to write, writes, and tells the counts.
    void exportTo(const QString &filter, const QString &suffix, Exporter exporter);
    void tell(const exchange::Report &report, const QString &verb);

    AppContext &m_app;
    QPushButton *cmdexportics;
    QPushButton *cmdexportvcf;
    QPushButton *cmdimport;
};
