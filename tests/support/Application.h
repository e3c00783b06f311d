#pragma once
// Widget tests need one application object; it is made on first use and lives until the process
// ends (each discovered test runs in its own process). Offscreen unless the caller chose a platform.

#include <QApplication>

inline void ensureApplication()
{
    if (QApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "karuneo-test";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}
