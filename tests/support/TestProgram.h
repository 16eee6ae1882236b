// SPDX-License-Identifier: MIT
// Starts the whole program in-process on a fresh temporary program folder with fake services.
#pragma once

#include "app/Orrisday.h"
#include "fakes/FakeServices.h"
#include "store/Database.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

class TestProgram
{
public:
    TestProgram();
    ~TestProgram();

    /// Starts the program as main() does; the clock, dialogs and store may be prepared first.
    Orrisday &start();
    /// The same with other services than the fakes.
    Orrisday &start(Services services);
    /// Ends the program as a quit does, so that it can start again on the same folder.
    void stop();
    Orrisday &app() { return *m_app; }
    bool started() const { return m_app != nullptr; }

    /// A store on the program folder's database, for seeding rows before or beside the program.
    store::Database &seed();

    QString folder() const { return m_dir.path(); }
    FakeServices fakes;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<store::Database> m_seed;
    std::unique_ptr<Orrisday> m_app;
};

/// The visible or hidden widget with this object name among all windows; fails the test when none.
template <typename T = QWidget>
T *findWidget(const QString &name)
{
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->objectName() == name)
            if (auto *w = qobject_cast<T *>(top))
                return w;
        if (auto *w = top->findChild<T *>(name))
            return w;
    }
    return nullptr;
}

/// The same, inside one window.
template <typename T = QWidget>
T *findIn(QWidget *window, const QString &name)
{
    return window ? window->findChild<T *>(name) : nullptr;
}

/// A left click on a widget's centre.
void clickOn(QWidget *widget);
