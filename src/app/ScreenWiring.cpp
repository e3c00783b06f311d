#include "app/ScreenWiring.h"

#include "app/TQK0000.h"
#include "data/DataModule.h"
#include "raise/TQK3010.h"
#include "raise/TQK3030.h"

namespace app {

namespace {

// Screens made for each use: created, prepared, shown modally, destroyed on return.
template <class Screen>
void showModal(TQK0000& main, data::TFDM& dm)
{
    Screen screen(dm, &main);
    screen.Prepare();
    screen.exec();
}

} // namespace

void connectScreens(TQK0000& main, data::TFDM& dm)
{
    main.setScreenOpener(MenuItem::SalaryInput, [&main, &dm] { showModal<salary::TQK3010>(main, dm); });
    main.setScreenOpener(MenuItem::NendoUpdate, [&main, &dm] { showModal<salary::TQK3030>(main, dm); });
}

} // namespace app
