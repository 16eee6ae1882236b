// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

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
    void importFile();

private:
    AppContext &m_app;
    QPushButton *cmdexportics;
    QPushButton *cmdexportvcf;
    QPushButton *cmdimport;
};
