// SPDX-License-Identifier: MIT
#include "widgets/Frm_Calendar.h"

#include <QCalendarWidget>
#include <QLineEdit>

Frm_Calendar::Frm_Calendar(Orrisday &app, QWidget *requester)
    : QWidget(requester, Qt::Window | Qt::FramelessWindowHint), m_app(app), m_requester(requester),
      Calendar1(new QCalendarWidget(this)), Text1(new QLineEdit(this)), Text2(new QLineEdit(this)), imgX(nullptr)
{
    setObjectName(QStringLiteral("Frm_Calendar"));
}
Frm_Calendar *Frm_Calendar::openFor(Orrisday &, QWidget *, const QString &) { return nullptr; }
void Frm_Calendar::pick(QDate) {}
