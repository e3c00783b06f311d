#include "app/MenuState.h"

#include "data/DataModule.h"
#include "data/DbAccess.h"

#include <initializer_list>

namespace app {

MenuState menuStateFor(bool noCompany, bool setupComplete)
{
    MenuState s;
    const bool open = !noCompany;
    const bool ready = open && setupComplete;
    auto set = [&](std::initializer_list<MenuItem> items, bool value) {
        for (MenuItem i : items)
            s.enabled[std::size_t(i)] = value;
    };
    // Company administration works only with no company open; the company's own settings only
    // with one open; everything that analyses or prints employees also needs the set-up complete.
    set({MenuItem::New, MenuItem::Open, MenuItem::Mnt, MenuItem::Dlt, MenuItem::DBCond}, noCompany);
    set({MenuItem::Close, MenuItem::Base, MenuItem::SalaryName, MenuItem::Hyouka, MenuItem::Living,
         MenuItem::ModelData, MenuItem::ModelSalary},
        open);
    set({MenuItem::Worker, MenuItem::SalaryPlot, MenuItem::SalaryUpCurve, MenuItem::LivingComp,
         MenuItem::ModelSalaryComp, MenuItem::SalaryUpSetting, MenuItem::Fit, MenuItem::SalaryInput,
         MenuItem::NendoUpdate, MenuItem::List5000, MenuItem::List5010, MenuItem::SalaryReport,
         MenuItem::SalaryUpReport},
        ready);
    set({MenuItem::End, MenuItem::BeforeUse, MenuItem::HelpH, MenuItem::Version}, true);
    return s;
}

bool companySetupComplete(data::TFDM& dm)
{
    const data::AppState& st = dm.state;
    // Built from the integers the program holds, never from text.
    const QString where = QStringLiteral(" WHERE NENDO = ") + QString::number(st.CurrentNendo)
        + QStringLiteral("   AND KCO   = ") + QString::number(st.CurrentKco);

    data::TKigyo1_ kigyo;
    if (!data::Select(dm.ACN1, dm.Query1, false, QStringLiteral("select * from MKIGYOU1"), where, kigyo) || !kigyo.ok)
        return false;
    if (kigyo.FNK.trimmed() == QStringLiteral("9"))
        return false;

    data::TSALARY_ salary;
    if (!data::Select(dm.ACN2, dm.Query21, false, QStringLiteral("select * from SalaryName"), where, salary) || !salary.ok)
        return false;

    data::TMHYOUKA_ hyouka;
    if (!data::Select(dm.ACN2, dm.Query21, false, QStringLiteral("select * from MHYOUKA"), where, hyouka) || !hyouka.ok)
        return false;

    // The band and matrix tables only ever served the hidden band-design menu, which has no function
    // here, so they are not read.
    return true;
}

} // namespace app
