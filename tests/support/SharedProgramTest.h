// SPDX-License-Identifier: MIT
// A test case whose functions share one running program: started before the first, its
// message log emptied before each, ended after the last. For widgets that keep no state in the
// program, where a fresh program per function would only cost time.
#pragma once

#include "support/TestProgram.h"

#include <QObject>
#include <memory>

class SharedProgramTest : public QObject
{
    Q_OBJECT
protected:
    TestProgram &program() { return *m_program; }
    Orrisday &app() { return m_program->app(); }
    FakeServices &fakes() { return m_program->fakes; }

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

private:
    std::unique_ptr<TestProgram> m_program;
};
