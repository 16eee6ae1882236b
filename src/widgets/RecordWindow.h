// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class AppContext;
class ImageButton;

/// The common frame of the record windows (lists, editors, options, about, dialogs): a borderless
/// window of a fixed size over the main window, drawn with the program's background art and a
/// title line.
class RecordWindow : public QWidget
{
    Q_OBJECT
public:
    RecordWindow(AppContext &app, const QString &objectName, const QString &title, QSize size, QWidget *owner);

    AppContext &app() const { return m_app; }
    QString title() const { return m_title; }
    void setTitle(const QString &title);

protected:
    /// The button that Escape clicks: the window's Cancel or Close.
    void setEscapeButton(ImageButton *button);

    void paintEvent(QPaintEvent *event) override;
    /// Orders the Tab stops as they stand, row by row from the top, left to right in a row.
    void showEvent(QShowEvent *event) override;

private:
    AppContext &m_app;
    QString m_title;
};
