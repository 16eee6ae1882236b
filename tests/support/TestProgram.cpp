// SPDX-License-Identifier: MIT
#include "support/TestProgram.h"

#include "app/Frm_Main.h"

#include <QDir>
#include <QLocale>

TestProgram::TestProgram()
{
    // The single-instance lock and socket go into a runtime folder of the test run's own.
    static const QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    QLocale::setDefault(QLocale::c());
    QDir(m_dir.path()).mkpath(QStringLiteral("sys/dll"));
    QDir(m_dir.path()).mkpath(QStringLiteral("Wave"));
    QDir(m_dir.path()).mkpath(QStringLiteral("Database"));
}

TestProgram::~TestProgram()
{
    m_app.reset();
    m_seed.reset();
    // Windows closed by the program are deleted later; let that happen before the next test.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

Orrisday &TestProgram::start()
{
    return start(fakes.services());
}

void TestProgram::stop()
{
    m_app.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

Orrisday &TestProgram::start(Services services)
{
    m_app = Orrisday::start(m_dir.path(), std::move(services));
    if (!m_app)
        qFatal("the program did not start");
    return *m_app;
}

store::Database &TestProgram::seed()
{
    if (!m_seed)
        m_seed = std::make_unique<store::Database>(m_dir.path() + QStringLiteral("/sys/dll/sysks.dll"));
    return *m_seed;
}

void clickOn(QWidget *widget)
{
    QVERIFY2(widget, "no widget to click");
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}
