#include "curves/RaiseCurve.h"

#include "analysis/ChartScale.h"
#include "app/SharedRoutines.h"
#include "data/DataModule.h"
#include "data/DbAccess.h"

#include <algorithm>

namespace curves {

namespace {

int storedIndex(qint64 v, int low, int high, int otherwise)
{
    return v < low || v > high ? otherwise : int(v);
}

int itemIndex(int v)
{
    return std::clamp(v, 0, 5);
}

} // namespace

const std::vector<analysis::AxisItem>& raiseCurveXItems()
{
    static const std::vector<analysis::AxisItem> items{
        {QStringLiteral("年　　齢"), QStringLiteral("歳"), 5},
        {QStringLiteral("勤　　続"), QStringLiteral("年"), 5},
        {QStringLiteral("経　　験"), QStringLiteral("年"), 5},
        {QStringLiteral("達　成　率"), QStringLiteral("％"), 5},
        {QStringLiteral("職務評価"), QString(), 10},
        {QStringLiteral("最適賃金"), QStringLiteral("万円"), 0},
    };
    return items;
}

RaiseCurveOptions raiseCurveOptionsFrom(const data::TChart_& row)
{
    RaiseCurveOptions o;
    o.selection = analysis::wagePlotOptionsFrom(row);
    if (o.selection.markLabel == 2)
        o.selection.markLabel = 0;   // the zone label is never offered here
    o.degree = storedIndex(row.FKINJI, 0, 1, 0);
    o.perGroup = row.CGRAPH == 1;
    o.levels = {row.SJYUN1, row.SJYUN2, row.SJYUN3, row.SJYUN4};
    return o;
}

data::TChart_ raiseCurveChartRow(const RaiseCurveOptions& o, const QString& kco, const QString& nendo)
{
    const analysis::WagePlotOptions& s = o.selection;
    const analysis::AxisItem& x = raiseCurveXItems()[size_t(itemIndex(s.xItem))];
    data::TChart_ r = analysis::wagePlotChartRow(s, kco, nendo);
    r.CHCO = QString::number(analysis::chart::RaiseCurve);
    r.FKINJI = o.degree == 0 ? 0 : 1;
    r.CGRAPH = o.perGroup ? 1 : 0;
    r.SJYUN1 = o.levels[0];
    r.SJYUN2 = o.levels[1];
    r.SJYUN3 = o.levels[2];
    r.SJYUN4 = o.levels[3];
    r.XNAME = x.caption;
    r.XUNIT = x.unit;
    r.XPITCH = s.xItem == optimalWageItem ? r.YPITCH : x.pitch;
    return r;
}

QString raiseCurveWhere(const RaiseCurveOptions& o, const QString& kco, const QString& nendo)
{
    QString w = QStringLiteral(" WHERE NENDO = ") + nendo + QStringLiteral("   AND KCO   = ") + kco;
    if (o.selection.xItem == optimalWageItem)
        w += QStringLiteral("   AND FITNO <>  0");
    else
        w += analysis::employeeSelection(o.selection);
    return w + QStringLiteral(" ORDER BY KCO,NEWDAY1");
}

double raiseCurveX(const data::TSyain_& e, int xItem)
{
    switch (xItem) {
    case 0: return double(e.NENREI);
    case 1: return double(e.KINZOKU);
    case 2: return double(e.NENSU);
    case 3: return e.TRITSU;
    case 4: return double(e.TENSU);
    case 5: return double(e.FITKIN) / 10000;
    default: return 0;
    }
}

std::optional<int> optimalWageYItem(const data::TSyain_& e)
{
    const qint64 item = e.FITNO - 1;
    if (item < 0 || item > 5)
        return std::nullopt;
    return int(item);
}

RaiseCurveRows buildRaiseCurveRows(data::TFDM& dm, const RaiseCurveOptions& options)
{
    const analysis::CompanyKeys company = analysis::companyKeys(dm);
    const analysis::WagePlotOptions& s = options.selection;
    RaiseCurveRows result;
    result.yItem = s.yItem;
    const bool optimal = s.xItem == optimalWageItem;
    const analysis::PlotRowsResult rows = analysis::writePlotRows(
        dm, raiseCurveWhere(options, company.kco, company.nendo),
        [&](const data::TSyain_& e, data::TDChart_& row) {
            if (!result.firstFitNo) {
                result.firstFitNo = e.FITNO;
                if (optimal)
                    result.yItem = optimalWageYItem(e).value_or(s.yItem);
            }
            row.SCO = e.SCO;
            row.SNA = e.SNA;
            row.MARKL = analysis::wagePlotMarkLabel(e, s.markLabel);
            row.MKCO = e.MCO;
            row.X = raiseCurveX(e, s.xItem);
            row.Y = analysis::wagePlotY(e, result.yItem);
            row.F5 = optimal ? e.FITJITSU - e.FITKIN : 0;
        });
    result.ok = rows.ok;
    result.employees = rows.employees;
    return result;
}

bool saveRaiseCurveSettings(data::TFDM& dm, const RaiseCurveOptions& options)
{
    const analysis::CompanyKeys company = analysis::companyKeys(dm);
    data::TChart_ row = raiseCurveChartRow(options, company.kco, company.nendo);
    const QString where = QStringLiteral(" WHERE KNO = 1 AND NENDO = ") + company.nendo
        + QStringLiteral(" AND KCO   = ") + company.kco + QStringLiteral(" AND CHCO  = ") + row.CHCO;
    return data::Save(dm.ACN2, dm.Query21, true, where, row);
}

} // namespace curves
