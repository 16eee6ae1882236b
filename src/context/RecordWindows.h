// SPDX-License-Identifier: MIT
// The record windows by their keys: at most one is open, placed beside the main window, and
// the main window's marker names it.
#pragma once

#include <QMap>
#include <QPointer>
#include <QWidget>
#include <functional>

class AppContext;
class QLineEdit;

class RecordWindows
{
public:
    using Factory = std::function<QWidget *(AppContext &app, QWidget *owner)>;

    RecordWindows(AppContext &app, QWidget *owner, QLineEdit *marker);

    /// Makes the window of a key available; a key without a window opens nothing.
    void add(const QString &key, Factory factory);
    bool knows(const QString &key) const { return m_factories.contains(key); }

    /// Closes the window the marker names (the main window's check).
    void check();
    /// Closes the open window, then creates the key's window afresh, places and shows it,
    /// and writes the key into the marker.
    QWidget *open(const QString &key);
    /// The key's window, created and placed but not shown when it is not loaded.
    QWidget *load(const QString &key);
    /// The key's window when it is loaded, else nothing.
    QWidget *find(const QString &key) const;
    /// Closes and destroys the key's window.
    void unload(const QString &key);
    /// Moves the window the marker names to its place beside the main window and shows it,
    /// loading it afresh when it is not loaded.
    void follow();

    /// Where record windows stand: main window left + 92 px, top + 96 px.
    QPoint place() const;

    QString marker() const;
    void setMarker(const QString &key);

private:
    AppContext &m_app;
    QWidget *m_owner;
    QLineEdit *m_marker;
    QMap<QString, Factory> m_factories;
    QMap<QString, QPointer<QWidget>> m_loaded;
};
