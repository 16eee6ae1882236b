// SPDX-License-Identifier: MIT
#pragma once

#include "exchange/Report.h"

#include <QWidget>

namespace store { class Database; }
class AppContext;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

/// The options window's exchange tab: the calendar (iCalendar) and the contacts (vCard) written to
/// files other organisers read, and such files read into the store; and the account the store
/// syncs with (CalDAV/CardDAV), with "Sync now" and the last round's result.
class ExchangeTab final : public QWidget
{
    Q_OBJECT
public:
    ExchangeTab(AppContext &app, QWidget *parent);

public slots:
    void exportCalendar();
    void exportContacts();
    void importFiles();
    void syncNow();

private:
    using Exporter = exchange::Report (*)(const store::Database &, const QString &);
    /// Asks where to write, writes, and tells the counts.
    void exportTo(const QString &filter, const QString &suffix, Exporter exporter);
    void tell(const exchange::Report &report, const QString &verb);
    QWidget *buildSyncFrame();
    void showAccount();
    void automaticToggled(bool on);
    void roundEnded(const QString &result);

    AppContext &m_app;
    QPushButton *cmdexportics;
    QPushButton *cmdexportvcf;
    QPushButton *cmdimport;
    QLineEdit *txtsyncurl;
    QLineEdit *txtsyncuser;
    QLineEdit *txtsyncpassword;
    QCheckBox *chksyncauto;
    QPushButton *cmdsyncnow;
    QLabel *lblsyncresult;
};
