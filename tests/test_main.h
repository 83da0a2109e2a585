#pragma once

#include <QTest>

#include "ui/application.h"

// Runs a QtTest class on the offscreen platform inside the program's own
// application object.
#define TIBALOU_TEST_MAIN(TestClass)                      \
    int main(int argc, char** argv)                       \
    {                                                     \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) \
            qputenv("QT_QPA_PLATFORM", "offscreen");      \
        ui::Application application(argc, argv);          \
        TestClass test;                                   \
        return QTest::qExec(&test, argc, argv);           \
    }
