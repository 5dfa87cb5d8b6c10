#pragma once

#include "MainWindowFixture.h"

#include <QObject>
#include <QTest>

// Base of the tests that run the whole program on the doubles: a freshly started program
// before every test function, and none of its windows left over after it.
class ProgramTestCase : public QObject {
    Q_OBJECT

protected:
    MainWindowFixture m_app;

private Q_SLOTS:
    void init();
    void cleanup();
};
