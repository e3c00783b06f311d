#pragma once
// Widget tests need one application object; it is made on first use and lives until the process
// ends (gtest runs each discovered test in its own process).

#include <QApplication>

inline void ensureApplication()
{
    if (QApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "test_shared";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}
