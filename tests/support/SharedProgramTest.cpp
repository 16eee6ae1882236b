// SPDX-License-Identifier: MIT
#include "support/SharedProgramTest.h"

void SharedProgramTest::initTestCase()
{
    m_program = std::make_unique<TestProgram>();
    m_program->start();
}

void SharedProgramTest::init()
{
    m_program->fakes.dialogs->shown.clear();
}

void SharedProgramTest::cleanupTestCase()
{
    m_program.reset();
}
