// Runs an annual update and stops inside its transaction after a given step, to be killed there:
//
//     rollover_child PROGRAM_DIR YEAR KCO STEP
//
// Prints "PAUSED" when it has stopped and then waits; exits 2 when the update never got that far.

#include "data/DataModule.h"
#include "platform/ScriptedDialogs.h"
#include "raise/AnnualUpdate.h"

#include <QString>
#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv)
{
    if (argc != 5)
        return 1;
    platform::ScriptedDialogs dialogs;
    data::TFDM dm(QString::fromLocal8Bit(argv[1]));
    dm.state.fixedToday = QDate(2020, 6, 15);
    dm.state.refreshToday();
    dm.state.AgeByToday = 1;
    const int year = std::atoi(argv[2]);
    const int kco = std::atoi(argv[3]);
    const int stopAfter = std::atoi(argv[4]);
    salary::AnnualUpdate(dm, year, kco, [stopAfter](int step) {
        if (step != stopAfter)
            return;
        std::puts("PAUSED");
        std::fflush(stdout);
        for (;;)
            pause();
    });
    return 2;
}
