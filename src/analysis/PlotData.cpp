#include "analysis/PlotData.h"

#include "analysis/ComparisonSeries.h"
#include "analysis/TentativeCurves.h"
#include "analysis/WagePlot.h"
#include "app/SharedRoutines.h"
#include "data/DataModule.h"
#include "data/DbAccess.h"
#include "platform/ColorNames.h"

#include <algorithm>
#include <climits>

namespace analysis {

namespace {

int intOr(const QString& text, int otherwise)
{
    const auto v = data::parseIntText(text);
    return v ? int(std::clamp<qint64>(*v, INT_MIN, INT_MAX)) : otherwise;
}

int pitchOf(qint64 stored)
{
    return int(std::clamp<qint64>(stored, INT_MIN, INT_MAX));
}

} // namespace

ChartPens loadChartPens(data::TFDM& dm)
{
    ChartPens pens{};
    const CompanyKeys company = companyKeys(dm);
    data::TGraph_rec set;
    data::Selects(dm.ACN2, dm.Query21, false, QStringLiteral("SELECT * FROM MGRAPH"),
                  QStringLiteral(" WHERE NENDO = ") + company.nendo + QStringLiteral("   AND KCO   = ") + company.kco
                      + QStringLiteral(" ORDER BY KCO,NENDO,GSCO"),
                  set);
    for (size_t i = 0; i < pens.size() && i < set.items.size(); ++i) {
        const data::TGraph_& g = set.items[i];
        pens[i].color = platform::colorFromText(g.CCOLOR);
        pens[i].style = intOr(g.CSYURUI, 1);
        pens[i].width = intOr(g.CHABA, 1);
    }
    return pens;
}

TSDX scaleFor(const data::TChart_& settings, int chartNo, const SeriesArray& employees,
              const SeriesArray& comparison)
{
    TSDX s;
    s.xName = axisName(settings.XNAME);
    s.yName = axisName(settings.YNAME);
    s.xUnit = settings.XUNIT;
    s.yUnit = settings.YUNIT;
    s.xPitch = pitchOf(settings.XPITCH);
    s.yPitch = pitchOf(settings.YPITCH);
    setAxisRanges(s, chartNo, employees[0], comparison[0]);
    return s;
}

PlotData loadPlotData(data::TFDM& dm, int chartNo)
{
    PlotData d;
    ChartModel& c = d.chart;
    c.chartNo = chartNo;
    data::AppState& state = dm.state;
    const data::TMKIGYOU2& company = state.CurrentCompany;
    const CompanyKeys keys = companyKeys(dm);

    // The company's age setting: the analysis result dates its values by it.
    data::TKigyo1_ registry;
    if (data::Select(dm.ACN1, dm.Query1, false, QStringLiteral("SELECT * FROM MKIGYOU1"),
                     QStringLiteral(" WHERE NENDO = ") + keys.nendo + QStringLiteral(" AND   KCO   = ") + keys.kco,
                     registry)
        && registry.ok)
        state.AgeByToday = registry.FNK == QStringLiteral("0") ? 0 : 1;

    data::TMODEL_ model;
    if (data::Select(dm.ACN1, dm.Query1, false, QStringLiteral("SELECT * FROM MDEL"),
                     QStringLiteral(" WHERE MDCO = ") + QString::number(company.MDCO), model)
        && model.ok)
        d.model = model;

    data::TChart_ settings;
    if (data::Select(dm.ACN2, dm.Query21, false, QStringLiteral("SELECT * FROM MCHART"),
                     QStringLiteral(" WHERE NENDO = ") + keys.nendo + QStringLiteral("   AND KCO   = ") + keys.kco
                         + QStringLiteral("   AND CHCO  = ") + QString::number(chartNo)
                         + QStringLiteral("   AND KNO   =  1"),
                     settings))
        c.settings = settings;
    d.xItem = chartNo == chart::OptimalWage ? 0 : intOr(c.settings.FX, 0);
    d.yItem = intOr(c.settings.FY, 0);

    app::LoadCompanyMarks(state.CompanyMarks, 8);
    c.employeeMarks = state.CompanyMarks;

    data::TDChart_rec rows;
    data::Selects(dm.ACN2, dm.Query21, false, QStringLiteral("SELECT * FROM DCHART"), QStringLiteral(" order by SCO"),
                  rows);
    const bool cubic = c.settings.FKINJI != 0;
    c.points = buildEmployeeSeries(rows.items, c.employeeMarks, cubic, c.employees);

    c.pens = loadChartPens(dm);

    resetSeries(c.comparison);
    if (chartNo == chart::CostOfLiving) {
        loadCostOfLivingRows(dm, company.SKCO, d.costOfLiving);
        buildCostOfLivingSeries(d.costOfLiving, cubic, c.comparison, c.comparisonMarks);
    }
    if (chartNo == chart::ModelWage) {
        std::vector<data::TMDCHNGIN_> modelRows;
        loadModelWageRows(dm, company.MDCO, modelRows);
        buildModelWageSeries(modelRows, d.xItem, d.yItem, cubic, c.comparison, c.comparisonMarks);
    }
    if (chartNo == chart::RaiseDesign) {
        loadTentativeCurves(dm, tentativeCurves(), c.comparison, cubic);
        c.tentative = &tentativeCurves();
    }
    if (chartNo == chart::OptimalWage)
        buildOptimalWageSeries(c.employees[0], state.CompanyMarks, cubic, c.comparison, c.comparisonMarks);

    c.scale = scaleFor(c.settings, chartNo, c.employees, c.comparison);
    return d;
}

} // namespace analysis
