// SPDX-License-Identifier: MIT
#include "context/RecordWindows.h"
#include "context/OnScreen.h"

#include <QLineEdit>

RecordWindows::RecordWindows(AppContext &app, QWidget *owner, QLineEdit *marker)
    : m_app(app), m_owner(owner), m_marker(marker)
{
}

void RecordWindows::add(const QString &key, Factory factory)
{
    m_factories.insert(key, std::move(factory));
}

void RecordWindows::check()
{
    const QString key = marker();
    if (!key.isEmpty())
        unload(key);
}

QWidget *RecordWindows::open(const QString &key)
{
    check();
    if (!knows(key))
        return nullptr;
    unload(key);
    QWidget *window = load(key);
    setMarker(key);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

QWidget *RecordWindows::load(const QString &key)
{
    if (QWidget *loaded = find(key))
        return loaded;
    if (!knows(key))
        return nullptr;
    QWidget *window = m_factories.value(key)(m_app, m_owner);
    window->setAttribute(Qt::WA_DeleteOnClose);
    moveOnScreen(window, place());
    m_loaded.insert(key, window);
    return window;
}

QWidget *RecordWindows::find(const QString &key) const
{
    return m_loaded.value(key).data();
}

void RecordWindows::unload(const QString &key)
{
    if (QPointer<QWidget> window = m_loaded.take(key)) {
        // Deleted later: the window may be the one whose handler asked for this.
        window->close();
        window->deleteLater();
    }
}

void RecordWindows::follow()
{
    if (QWidget *window = load(marker())) {
        moveOnScreen(window, place());
        window->show();
    }
}

QPoint RecordWindows::place() const
{
    return m_owner->pos() + QPoint(92, 96);
}

QString RecordWindows::marker() const
{
    return m_marker->text();
}

void RecordWindows::setMarker(const QString &key)
{
    m_marker->setText(key);
}
