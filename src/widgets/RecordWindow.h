// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class Orrisday;

/// The common frame of the record windows (lists, editors, options, about, dialogs): a borderless
/// window of a fixed size over the main window, drawn with the program's background art and a
/// title line.
class RecordWindow : public QWidget
{
    Q_OBJECT
public:
    RecordWindow(Orrisday &app, const QString &objectName, const QString &title, QSize size, QWidget *owner);

    Orrisday &app() const { return m_app; }
    QString title() const { return m_title; }
    void setTitle(const QString &title);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Orrisday &m_app;
    QString m_title;
};
