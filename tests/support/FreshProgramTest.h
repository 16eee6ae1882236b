// SPDX-License-Identifier: MIT
// A test case whose functions each get a fresh program folder with fake services; the store can be
// seeded through db() before the function starts the program with p().start().
#pragma once

#include "support/TestProgram.h"

#include <QObject>
#include <memory>

class FreshProgramTest : public QObject
{
    Q_OBJECT
protected:
    TestProgram &p() { return *m_program; }
    store::Database &db() { return m_program->seed(); }
    FakeServices &fakes() { return m_program->fakes; }

private slots:
    void init() { m_program = std::make_unique<TestProgram>(); }
    void cleanup() { m_program.reset(); }

private:
    std::unique_ptr<TestProgram> m_program;
};
