#include "yardstick/Comparison.h"

#include "analysis/ChartScale.h"
#include "app/SharedRoutines.h"
#include "data/DataModule.h"
#include "data/DbAccess.h"

#include <algorithm>
#include <cmath>

namespace yardstick {

namespace {

QString num(qint64 v) { return QString::number(v); }

int textIndex(const QString& text)
{
    return int(std::clamp<qint64>(data::parseIntText(text).value_or(0), -1, 99));
}

int inRangeOr(qint64 v, int low, int high, int otherwise)
{
    return v < low || v > high ? otherwise : int(v);
}

// An item index the screen can check: in range and enabled, else the default.
int itemOr(const std::vector<ComparisonItem>& items, int index, int otherwise)
{
    return index >= 0 && index < int(items.size()) && items[size_t(index)].enabled ? index : otherwise;
}

const QString& yen() { static const QString u = QStringLiteral("万円"); return u; }

ComparisonItem item(const char* caption, const QString& unit, int pitch, bool enabled)
{
    return {{QString::fromUtf8(caption), unit, pitch}, enabled};
}

} // namespace

int chartNumber(ComparisonKind kind)
{
    return kind == ComparisonKind::CostOfLiving ? analysis::chart::CostOfLiving : analysis::chart::ModelWage;
}

const std::vector<ComparisonItem>& comparisonXItems(ComparisonKind kind)
{
    const QString age = QStringLiteral("歳"), years = QStringLiteral("年"), step = QStringLiteral("号"),
                  percent = QStringLiteral("％");
    static const std::vector<ComparisonItem> living{
        item("年　　齢", age, 5, true),       item("勤　　続", years, 5, false), item("経　　験", years, 5, false),
        item("号　　俸", step, 5, false),     item("達 成 率", percent, 10, false), item("職務評価", QString(), 10, false),
    };
    static const std::vector<ComparisonItem> model{
        item("年　　齢", age, 5, true),       item("勤　　続", years, 5, true), item("経　　験", years, 5, true),
        item("学歴評価", step, 5, false),     item("達 成 率", percent, 10, false), item("職務評価", QString(), 10, false),
    };
    return kind == ComparisonKind::CostOfLiving ? living : model;
}

const std::vector<ComparisonItem>& comparisonYItems(ComparisonKind kind)
{
    static const std::vector<ComparisonItem> living{
        item("項　目　Ⅰ", yen(), 5, false), item("項　目　Ⅱ", yen(), 5, false), item("項　目　Ⅲ", yen(), 5, false),
        item("基　本　給", yen(), 5, true),  item("所　定　給", yen(), 5, true),  item("年　収", yen(), 50, false),
    };
    static const std::vector<ComparisonItem> model{
        item("基　本　給", yen(), 5, true),  item("所　定　給", yen(), 5, true),  item("年　収", yen(), 50, true),
        item("項　目　Ⅰ", yen(), 5, false), item("項　目　Ⅱ", yen(), 5, false), item("年間賞与", yen(), 10, true),
    };
    return kind == ComparisonKind::CostOfLiving ? living : model;
}

int defaultXItem(ComparisonKind) { return 0; }

int defaultYItem(ComparisonKind kind) { return kind == ComparisonKind::CostOfLiving ? 3 : 0; }

bool zoneLabelOffered(ComparisonKind kind) { return kind == ComparisonKind::ModelWage; }

ComparisonSettings comparisonSettingsFrom(ComparisonKind kind, const data::TChart_& row)
{
    // The wage plot's reading, with this comparison's items and mark labels.
    ComparisonSettings s;
    s.options = analysis::wagePlotOptionsFrom(row);
    analysis::WagePlotOptions& o = s.options;
    o.xItem = itemOr(comparisonXItems(kind), textIndex(row.FX), defaultXItem(kind));
    o.yItem = itemOr(comparisonYItems(kind), textIndex(row.FY), defaultYItem(kind));
    if (o.markLabel == 2 && !zoneLabelOffered(kind))
        o.markLabel = 0;
    s.fitDegree = inRangeOr(row.FKINJI, 0, 1, 0);
    s.curvesPerGroup = inRangeOr(row.CGRAPH, 0, 1, 1);
    s.levels = {row.SJYUN1, row.SJYUN2, row.SJYUN3, row.SJYUN4};
    return s;
}

data::TChart_ comparisonChartRow(ComparisonKind kind, const ComparisonSettings& s, const QString& kco,
                                 const QString& nendo)
{
    // The wage plot's row, with this comparison's chart number, items and fit settings.
    const analysis::WagePlotOptions& o = s.options;
    const analysis::AxisItem& x = comparisonXItems(kind)[size_t(std::clamp(o.xItem, 0, 5))].axis;
    const analysis::AxisItem& y = comparisonYItems(kind)[size_t(std::clamp(o.yItem, 0, 5))].axis;
    data::TChart_ r = analysis::wagePlotChartRow(o, kco, nendo);
    r.CHCO = num(chartNumber(kind));
    r.FKINJI = s.fitDegree;
    r.CGRAPH = kind == ComparisonKind::ModelWage ? 1 : s.curvesPerGroup;
    r.SJYUN1 = s.levels[0];
    r.SJYUN2 = s.levels[1];
    r.SJYUN3 = s.levels[2];
    r.SJYUN4 = s.levels[3];
    analysis::setChartAxes(r, x, y);
    return r;
}

bool loadComparisonSettings(data::TFDM& dm, ComparisonKind kind, ComparisonSettings& settings)
{
    data::TChart_ row;
    const bool good = analysis::loadChartSettings(dm, chartNumber(kind), row);
    settings = comparisonSettingsFrom(kind, row);
    return good;
}

bool saveComparisonSettings(data::TFDM& dm, ComparisonKind kind, const ComparisonSettings& settings)
{
    const analysis::CompanyKeys company = analysis::companyKeys(dm);
    data::TChart_ row = comparisonChartRow(kind, settings, company.kco, company.nendo);
    const QString where = QStringLiteral(" WHERE KNO   = 1   AND NENDO = ") + company.nendo
        + QStringLiteral("   AND KCO   = ") + company.kco + QStringLiteral("   AND CHCO  = ") + row.CHCO;
    return data::Save(dm.ACN2, dm.Query21, true, where, row);
}

QString comparisonWhere(ComparisonKind kind, const analysis::WagePlotOptions& options, const QString& kco,
                        const QString& nendo)
{
    return QStringLiteral(" WHERE NENDO = ") + nendo + QStringLiteral("   AND KCO   = ") + kco
        + analysis::employeeSelection(options)
        + (kind == ComparisonKind::CostOfLiving ? QStringLiteral(" ORDER BY SCO") : QStringLiteral(" ORDER BY KCO,NEWDAY1"));
}

double comparisonX(ComparisonKind, const data::TSyain_& e, int xItem)
{
    if (xItem == 4)
        return std::trunc(e.TRITSU);
    return analysis::wagePlotX(e, xItem);
}

double comparisonY(ComparisonKind kind, const data::TSyain_& e, int yItem)
{
    // The comparison screens list the wage amounts in their own order; each is the wage plot's
    // amount of the same name (項目Ⅲ only the cost-of-living comparison has).
    constexpr int kKKYU3 = -1;
    static constexpr int living[6] = {0, 1, kKKYU3, 2, 3, 5};
    static constexpr int model[6] = {2, 3, 5, 0, 1, 4};
    if (yItem < 0 || yItem >= 6)
        return 0;
    const int plotItem = (kind == ComparisonKind::CostOfLiving ? living : model)[yItem];
    if (plotItem == kKKYU3)
        return double(e.KKYU3) / 10000;
    return analysis::wagePlotY(e, plotItem);
}

QString comparisonMarkLabel(const data::TSyain_& e, int markLabel)
{
    // Label 1 is the evaluation symbol here, not the evaluation.
    if (markLabel == 1)
        return e.HKIGOU;
    return analysis::wagePlotMarkLabel(e, markLabel);
}

QString comparisonPrecondition(ComparisonKind kind, const data::TMKIGYOU2& company)
{
    if (kind == ComparisonKind::CostOfLiving)
        return company.SKCO != 0 ? QString() : QStringLiteral("企業マスター　に、生計費コード　がセットされていません。");
    return company.MDCO != 0 ? QString() : QStringLiteral("企業マスター　に、モデルコード　がセットされていません。");
}

analysis::PlotRowsResult buildComparisonRows(data::TFDM& dm, ComparisonKind kind,
                                             const analysis::WagePlotOptions& o)
{
    const analysis::CompanyKeys company = analysis::companyKeys(dm);
    analysis::PlotRowsResult r = analysis::writePlotRows(
        dm, comparisonWhere(kind, o, company.kco, company.nendo), [kind, &o](const data::TSyain_& e, data::TDChart_& row) {
            row.SCO = e.SCO;
            row.SNA = e.SNA;
            row.MARKL = comparisonMarkLabel(e, o.markLabel);
            row.MKCO = e.MCO;
            row.X = comparisonX(kind, e, o.xItem);
            row.Y = comparisonY(kind, e, o.yItem);
        });
    if (r.ok && r.employees == 0 && kind == ComparisonKind::ModelWage) {
        data::TDChart_ row;
        r.ok = data::Delete(dm.ACN2, dm.Query22, true, QStringLiteral(" "), row);
    }
    return r;
}

} // namespace yardstick
