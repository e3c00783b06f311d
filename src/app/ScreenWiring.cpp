#include "app/ScreenWiring.h"

#include "analysis/AnalysisScreens.h"
#include "app/TQK0000.h"
#include "app/TfrmGuide.h"
#include "app/TfrmVersion.h"
#include "curves/CurveScreens.h"
#include "panels/PanelScreens.h"
#include "master/MasterScreens.h"
#include "optimal/OptimalScreens.h"
#include "data/DataModule.h"
#include "raise/TQK3010.h"
#include "raise/TQK3030.h"
#include "reports/ReportScreens.h"
#include "yardstick/YardstickScreens.h"

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

void showRaiseManagement(TQK0000& main, data::TFDM& dm)
{
    salary::TQK3010 screen(dm, &main);
    // Its 標語 button opens the evaluation conversion over it.
    screen.setEvaluationOpener([&screen] { master::runTQK3020(&screen); });
    screen.Prepare();
    screen.exec();
}

} // namespace

void connectScreens(TQK0000& main, data::TFDM& dm)
{
    main.setScreenOpener(MenuItem::Base, [&main] { master::runTQK0070(&main); });
    main.setScreenOpener(MenuItem::SalaryName, [&main] { master::runTfrmSalaryName(&main); });
    main.setScreenOpener(MenuItem::Hyouka, [&main] { master::runTQK3020(&main); });
    main.setScreenOpener(MenuItem::Worker, [&main] { master::runTQK0030(&main); });
    // The plot window and the wage plot live as long as the main window.
    analysis::installAnalysisScreens(main);
    panels::installEmployeePanels(*analysis::installAnalysisScreens(main).plotWindow);
    optimal::installOptimalScreens(main, *analysis::installAnalysisScreens(main).plotWindow);
    curves::installCurveScreens(main, *analysis::installAnalysisScreens(main).plotWindow);
    yardstick::installYardstickScreens(main, *analysis::installAnalysisScreens(main).plotWindow);
    main.setScreenOpener(MenuItem::SalaryInput, [&main, &dm] { showRaiseManagement(main, dm); });
    main.setScreenOpener(MenuItem::NendoUpdate, [&main, &dm] { showModal<salary::TQK3030>(main, dm); });
    reports::installReportScreens(main);
    main.setScreenOpener(MenuItem::BeforeUse, [&main, &dm] { runTfrmGuide(dm.state.ProgramDir, &main); });
    main.setScreenOpener(MenuItem::Version, [&main] { TfrmVersion(&main).exec(); });
}

} // namespace app
