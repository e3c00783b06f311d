#include "analysis/WagePlot.h"

#include "analysis/ChartScale.h"
#include "app/SharedRoutines.h"
#include "data/DataModule.h"
#include "data/DbAccess.h"

#include <algorithm>
#include <optional>

namespace analysis {

CompanyKeys companyKeys(const data::TFDM& dm)
{
    const data::TMKIGYOU2& c = dm.state.CurrentCompany;
    return {QString::number(app::VarToIntSafe(c.KCO)), QString::number(app::VarToIntSafe(c.NENDO))};
}

const std::vector<AxisItem>& wagePlotXItems()
{
    static const std::vector<AxisItem> items{
        {QStringLiteral("年　　齢"), QStringLiteral("歳"), 5},
        {QStringLiteral("勤　　続"), QStringLiteral("年"), 5},
        {QStringLiteral("経　　験"), QStringLiteral("年"), 5},
        {QStringLiteral("能力評価"), QStringLiteral("号"), 5},
        {QStringLiteral("達 成 率"), QStringLiteral("％"), 10},
        {QStringLiteral("職務評価"), QString(), 10},
    };
    return items;
}

const std::vector<AxisItem>& wagePlotYItems()
{
    const QString unit = QStringLiteral("万円");
    static const std::vector<AxisItem> items{
        {QStringLiteral("項　目　Ⅰ"), unit, 5},
        {QStringLiteral("項　目　Ⅱ"), unit, 5},
        {QStringLiteral("基　本　給"), unit, 5},
        {QStringLiteral("所　定　給"), unit, 5},
        {QStringLiteral("年間賞与"), unit, 10},
        {QStringLiteral("年　収"), unit, 50},
    };
    return items;
}

namespace {

int textIndex(const QString& text)
{
    return int(std::clamp<qint64>(data::parseIntText(text).value_or(0), -1, 99));
}

int inRangeOr(qint64 v, int low, int high, int otherwise)
{
    return v < low || v > high ? otherwise : int(v);
}

QString intText(qint64 v)
{
    return QString::number(v);
}

} // namespace

WagePlotOptions wagePlotOptionsFrom(const data::TChart_& row)
{
    WagePlotOptions o;
    o.xItem = inRangeOr(textIndex(row.FX), 0, 5, 0);
    o.yItem = inRangeOr(textIndex(row.FY), 0, 5, 0);
    o.markLabel = inRangeOr(row.MARKR, 0, 3, 0);
    o.workForm = inRangeOr(row.MIBUN, 0, 4, 4);
    o.sex = inRangeOr(row.SEX, 0, 2, 2);
    o.wageTable = int(std::clamp<qint64>(row.SKCO, 0, 999999));
    o.plotMarks = app::statesFromFlags(row.FCHK, 9);
    o.grades = app::statesFromFlags(row.TOUKYU, 9);
    o.title = row.TITLE;
    o.explanation = row.KAISETSU;
    return o;
}

data::TChart_ wagePlotChartRow(const WagePlotOptions& o, const QString& kco, const QString& nendo)
{
    const AxisItem& x = wagePlotXItems()[size_t(std::clamp(o.xItem, 0, 5))];
    const AxisItem& y = wagePlotYItems()[size_t(std::clamp(o.yItem, 0, 5))];
    data::TChart_ r;
    r.CHCO = intText(chart::WagePlot);
    r.KCO = kco;
    r.NENDO = nendo;
    r.KNO = 1;
    r.FCHK = app::flagsFromStates(o.plotMarks);
    r.TOUKYU = app::flagsFromStates(o.grades);
    r.TITLE = o.title;
    r.FX = intText(o.xItem);
    r.FY = intText(o.yItem);
    r.MARKR = o.markLabel;
    r.X1 = r.X2 = 0;
    r.Y1 = r.Y2 = 0;
    r.FKINJI = 0;
    r.CGRAPH = 1;
    r.SJYUN1 = r.SJYUN2 = r.SJYUN3 = r.SJYUN4 = 0;
    r.TOUKYU1 = 0;
    r.KAISETSU = o.explanation;
    r.MIBUN = o.workForm;
    r.SKCO = o.wageTable;
    setChartAxes(r, x, y);
    r.SEX = o.sex;
    return r;
}

void setChartAxes(data::TChart_& row, const AxisItem& x, const AxisItem& y)
{
    row.XNAME = x.caption;
    row.YNAME = y.caption;
    row.XUNIT = x.unit;
    row.YUNIT = y.unit;
    row.XPITCH = x.pitch;
    row.YPITCH = y.pitch;
}

QString wagePlotWhere(const WagePlotOptions& o, const QString& kco, const QString& nendo)
{
    return QStringLiteral(" WHERE NENDO = ") + nendo + QStringLiteral("     AND KCO = ") + kco + employeeSelection(o)
        + QStringLiteral(" ORDER BY SCO");
}

QString employeeSelection(const WagePlotOptions& o)
{
    QString w;
    if (o.workForm >= 0 && o.workForm < 4)
        w += QStringLiteral(" AND SM1 = ") + intText(o.workForm + 1);
    const QString grades = app::CheckedInList(o.grades);
    if (o.wageTable != 0)
        w += QStringLiteral(" AND SKCO = ") + intText(o.wageTable) + QStringLiteral(" and TOUKYU ") + grades;
    else
        w += QStringLiteral(" and TCO ") + grades;
    w += QStringLiteral(" AND MCO ") + app::CheckedInList(o.plotMarks);
    if (o.sex == 0 || o.sex == 1)
        w += QStringLiteral(" AND SEIBETSU = ") + intText(o.sex);
    return w;
}

double wagePlotX(const data::TSyain_& e, int xItem)
{
    switch (xItem) {
    case 0: return double(e.NENREI);
    case 1: return double(e.KINZOKU);
    case 2: return double(e.NENSU);
    case 3: return double(e.GOUHOU);
    case 4: return e.TRITSU;
    case 5: return double(e.TENSU);
    default: return 0;
    }
}

double wagePlotY(const data::TSyain_& e, int yItem)
{
    qint64 yen = 0;
    switch (yItem) {
    case 0: yen = e.KKYU1; break;
    case 1: yen = e.KKYU2; break;
    case 2: yen = e.BaseTotal; break;
    case 3: yen = e.ScheduledPay; break;
    case 4: yen = e.SYOUYO + e.SYOUYO2; break;
    case 5: yen = e.AnnualIncome; break;
    default: break;
    }
    return double(yen) / 10000;
}

QString wagePlotMarkLabel(const data::TSyain_& e, int markLabel)
{
    switch (markLabel) {
    case 0: return e.SCO;
    case 1: return e.HYOUKA;
    case 2: return intText(e.ZONEX);
    default: return {};
    }
}

bool loadChartSettings(data::TFDM& dm, int chartNo, data::TChart_& row)
{
    const CompanyKeys company = companyKeys(dm);
    row = data::TChart_{};
    row.CHCO = intText(chartNo);
    row.KCO = company.kco;
    row.NENDO = company.nendo;
    row.KNO = 1;
    return data::FetchOrCreate(dm.ACN2, dm.Query21, true, row);
}

bool saveWagePlotSettings(data::TFDM& dm, const WagePlotOptions& options)
{
    const CompanyKeys company = companyKeys(dm);
    data::TChart_ row = wagePlotChartRow(options, company.kco, company.nendo);
    const QString where = QStringLiteral(" WHERE KNO = 1 AND NENDO = ") + company.nendo
        + QStringLiteral(" AND KCO   = ") + company.kco + QStringLiteral(" AND CHCO  = ") + intText(chart::WagePlot);
    return data::Save(dm.ACN2, dm.Query21, true, where, row);
}

PlotRowsResult buildWagePlotRows(data::TFDM& dm, const WagePlotOptions& options)
{
    const CompanyKeys company = companyKeys(dm);
    return writePlotRows(dm, wagePlotWhere(options, company.kco, company.nendo),
                         [&options](const data::TSyain_& e, data::TDChart_& row) {
                             row.SCO = e.SCO;
                             row.SNA = e.SNA;
                             row.MARKL = wagePlotMarkLabel(e, options.markLabel);
                             row.MKCO = e.MCO;
                             row.X = wagePlotX(e, options.xItem);
                             row.Y = wagePlotY(e, options.yItem);
                         });
}

PlotRowsResult writePlotRows(data::TFDM& dm, const QString& where,
                             const std::function<void(const data::TSyain_&, data::TDChart_&)>& fill)
{
    // The employees are taken one at a time as they are read, so that 100,000 of them never sit in
    // memory together; the transaction starts with the first one, so that DCHART is left alone when
    // nobody matches.
    std::optional<data::Transaction> tx;
    bool failed = false;
    qint64 no = 0;
    data::TDChart_ row;
    data::dbstatus_rec status;
    const bool read = data::SelectEach<data::TSyain_>(
        dm.ACN2, dm.Query21, false, QStringLiteral("SELECT * FROM VSYAIN"), where, status,
        [&](data::TSyain_&& e) {
            if (!tx) {
                tx.emplace(dm.ACN2);
                if (!tx->started()) {
                    data::ShowDbError(data::DbErrorText(dm.ACN2));
                    failed = true;
                    return false;
                }
                if (!data::Delete(dm.ACN2, dm.Query22, false, QStringLiteral(" "), row)) {
                    failed = true;
                    return false;
                }
            }
            row = data::TDChart_{};
            row.NO = ++no;
            fill(e, row);
            failed = !data::Insert(dm.ACN2, dm.Query22, false, row);
            return !failed;
        });
    if (!read || failed)
        return {};   // the transaction, if any, rolls back as it ends
    if (!tx)
        return {true, 0};
    if (!tx->commit()) {
        data::ShowDbError(data::DbErrorText(dm.ACN2));
        return {};
    }
    return {true, int(no)};
}

} // namespace analysis
