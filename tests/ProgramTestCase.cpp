#include "ProgramTestCase.h"

#include <QApplication>

void ProgramTestCase::init()
{
    m_app.start();
}

void ProgramTestCase::cleanup()
{
    m_app.stop();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}
