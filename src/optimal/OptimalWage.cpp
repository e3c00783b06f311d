#include "optimal/OptimalWage.h"

#include "analysis/ChartScale.h"
#include "app/SharedRoutines.h"
#include "data/Common.h"
#include "data/DataModule.h"
#include "data/DbAccess.h"

#include <algorithm>
#include <utility>

namespace optimal {

using data::ColType;
using data::TSyain_;

const std::vector<TargetItem>& targetItems()
{
    static const std::vector<TargetItem> items{
        {QStringLiteral("項　目　Ⅰ"), 5},
        {QStringLiteral("項　目　Ⅱ"), 5},
        {QStringLiteral("基　本　給"), 5},
        {QStringLiteral("所　定　給"), 5},
        {QStringLiteral("年間賞与"), 10},
        {QStringLiteral("年　収"), 50},
    };
    return items;
}

const std::vector<QString>& attributeCaptions()
{
    static const std::vector<QString> captions{
        QStringLiteral("年　齢"),   QStringLiteral("勤　続"),     QStringLiteral("経　験"),
        QStringLiteral("滞留年数"), QStringLiteral("資格等級"),   QStringLiteral("能力点数"),
        QStringLiteral("職務達成率"), QStringLiteral("職務評価"), QStringLiteral("人事評価"),
    };
    return captions;
}

QString nameOf(const QString& caption)
{
    QString name = caption;
    return name.remove(QChar(0x3000));
}

qint64 targetAmount(const TSyain_& e, int target)
{
    switch (target) {
    case 0: return e.KKYU1;
    case 1: return e.KKYU2;
    case 2: return e.BaseTotal;
    case 3: return e.ScheduledPay;
    case 4: return e.SYOUYO + e.SYOUYO2;
    case 5: return e.AnnualIncome;
    default: return 0;
    }
}

bool countsAsLinked(const TSyain_& e, int target)
{
    if (target != 0 && target != 1)
        return false;
    return e.JISEKI == target + 1 || e.MLINK == target + 1;
}

double attributeValue(const TSyain_& e, int attribute)
{
    switch (attribute) {
    case 0: return double(e.NENREI);
    case 1: return double(e.KINZOKU);
    case 2: return double(e.NENSU);
    case 3: return double(data::YearsToReference(int(e.THI)));
    case 4: return double(e.TOUKYU);
    case 5: return double(e.GOUHOU);
    case 6: return e.TRITSU;
    case 7: return double(e.TENSU);
    case 8: return double(e.HCO);
    default: return 0;
    }
}

OptimalOptions optimalOptionsFrom(const data::TChart_& row)
{
    OptimalOptions o;
    o.common = analysis::wagePlotOptionsFrom(row);
    const qint64 target = data::parseIntText(row.FY).value_or(0);
    o.target = target < 0 || target >= kTargetCount ? 0 : int(target);
    o.attributes = app::statesFromFlags(row.FX, kAttributeCount);
    o.graph = row.CGRAPH == 1;
    o.upper = row.SJYUN1;
    o.lower = row.SJYUN2;
    return o;
}

data::TChart_ optimalChartRow(const OptimalOptions& o, const QString& kco, const QString& nendo)
{
    const TargetItem& target = targetItems()[size_t(std::clamp(o.target, 0, kTargetCount - 1))];
    data::TChart_ r;
    r.CHCO = QString::number(analysis::chart::OptimalWage);
    r.KCO = kco;
    r.NENDO = nendo;
    r.KNO = 1;
    r.FCHK = app::flagsFromStates(o.common.plotMarks);
    r.TOUKYU = app::flagsFromStates(o.common.grades);
    r.TITLE = o.common.title;
    r.FX = app::flagsFromStates(o.attributes);
    r.FY = QString::number(o.target);
    r.MARKR = o.common.markLabel;
    r.X1 = r.X2 = 0;
    r.Y1 = r.Y2 = 0;
    r.FKINJI = 0;
    r.CGRAPH = o.graph ? 1 : 0;
    r.SJYUN1 = o.upper;
    r.SJYUN2 = o.lower;
    r.SJYUN3 = r.SJYUN4 = 0;
    r.TOUKYU1 = 0;
    r.KAISETSU = o.common.explanation;
    r.MIBUN = o.common.workForm;
    r.SKCO = o.common.wageTable;
    r.XNAME = QStringLiteral("最適賃金");
    r.YNAME = target.caption;
    r.XUNIT = r.YUNIT = QStringLiteral("万円");
    r.XPITCH = r.YPITCH = target.pitch;
    r.SEX = o.common.sex;
    return r;
}

bool saveOptimalSettings(data::TFDM& dm, const OptimalOptions& options)
{
    const analysis::CompanyKeys company = analysis::companyKeys(dm);
    data::TChart_ row = optimalChartRow(options, company.kco, company.nendo);
    const QString where = QStringLiteral(" WHERE KNO = 1 AND NENDO = ") + company.nendo
        + QStringLiteral(" AND KCO   = ") + company.kco + QStringLiteral(" AND CHCO  = ") + row.CHCO;
    return data::Save(dm.ACN2, dm.Query21, true, where, row);
}

QString optimalWhere(const OptimalOptions& options, const QString& kco, const QString& nendo)
{
    return QStringLiteral(" WHERE NENDO = ") + nendo + QStringLiteral("   AND KCO   = ") + kco
        + analysis::employeeSelection(options.common) + QStringLiteral(" ORDER BY SCO");
}

namespace {

// The FIT columns of one employee, by its key (bound, so that one prepared statement serves all).
const data::TableDef<TSyain_>& fitColumns()
{
    static const data::TableDef<TSyain_> t(QStringLiteral("MSYAIN2"),
                                           {
                                               {"KCO", ColType::Num, true, &TSyain_::KCO},
                                               {"SCO", ColType::Num, true, &TSyain_::SCO},
                                               {"NENDO", ColType::Num, true, &TSyain_::NENDO},
                                               {"FITNO", ColType::Int, false, &TSyain_::FITNO},
                                               {"FITNAME", ColType::Text, false, &TSyain_::FITNAME},
                                               {"FITKIN", ColType::Int, false, &TSyain_::FITKIN},
                                               {"FITJITSU", ColType::Int, false, &TSyain_::FITJITSU},
                                           },
                                           QString(), false);
    return t;
}

// FITNO and FITKIN of every employee of a company and year (by the caller's condition).
const data::TableDef<TSyain_>& fitClearColumns()
{
    static const data::TableDef<TSyain_> t(QStringLiteral("MSYAIN2"),
                                           {
                                               {"FITNO", ColType::Int, false, &TSyain_::FITNO},
                                               {"FITKIN", ColType::Int, false, &TSyain_::FITKIN},
                                           });
    return t;
}

// The employees as read for the fit.
struct Selection {
    analysis::TRegX x;
    analysis::TRegY y;
    std::vector<AnalysedEmployee> employees;
    bool linked{false};
    int zeroTargets{0};
    int zeroAttributes{0};
};

QString fitFailureText(const Selection& s, const std::vector<int>& chosen)
{
    QString text = QStringLiteral("解析に失敗しました。");
    if (s.zeroTargets != 0)
        text += QStringLiteral("\r\n") + QString::number(s.zeroTargets) + QStringLiteral("個の目的変数がゼロのデータが存在します");
    if (s.zeroAttributes != 0)
        text += QStringLiteral("\r\n") + QString::number(s.zeroAttributes)
            + QStringLiteral("個の説明変数がゼロのデータが存在します");
    // Name the causes that can be told without the solver: too few employees, a constant attribute.
    const int n = int(s.x.size());
    const int k = int(chosen.size());
    if (n < k + 1)
        text += QStringLiteral("\r\n対象データ（") + QString::number(n) + QStringLiteral("件）が説明変数の数＋１（")
            + QString::number(k + 1) + QStringLiteral("）より少ないため解けません");
    for (int j = 1; j <= k && n > 1; ++j) {
        const double first = s.x.front()[size_t(j)];
        const bool constant = std::all_of(s.x.begin(), s.x.end(), [&](const auto& row) { return row[size_t(j)] == first; });
        if (constant)
            text += QStringLiteral("\r\n") + nameOf(attributeCaptions()[size_t(chosen[size_t(j - 1)])])
                + QStringLiteral("は対象データの全員が同じ値です");
    }
    return text;
}

// Clears the FIT columns of the company and year and writes those of the selection, all or none.
bool writeFitColumns(data::TFDM& dm, const analysis::CompanyKeys& company, const QString& targetName,
                     int target, const std::vector<AnalysedEmployee>& employees)
{
    data::Transaction tx(dm.ACN2);
    if (!tx.started()) {
        data::ShowDbError(data::DbErrorText(dm.ACN2));
        return false;
    }
    TSyain_ row;
    row.FITNO = 0;
    row.FITKIN = 0;
    const QString companyWhere = QStringLiteral(" where   NENDO = ") + company.nendo
        + QStringLiteral("   and   KCO   = ") + company.kco;
    if (!data::Update(dm.ACN2, dm.Query22, false, companyWhere, row, fitClearColumns()))
        return false;
    row.KCO = company.kco;
    row.NENDO = company.nendo;
    row.FITNO = target + 1;
    row.FITNAME = targetName;
    for (const AnalysedEmployee& e : employees) {
        row.SCO = e.SCO;
        row.FITKIN = e.optimal;
        row.FITJITSU = e.actual;
        if (!data::Update(dm.ACN2, dm.Query22, false, QString(), row, fitColumns()))
            return false;   // shown by the layer; the transaction rolls back as it ends
    }
    if (!tx.commit()) {
        data::ShowDbError(data::DbErrorText(dm.ACN2));
        return false;
    }
    return true;
}

} // namespace

RunResult runOptimalAnalysis(data::TFDM& dm, const OptimalOptions& options, OptimalAnalysis& result,
                             analysis::RegressionWorkArea& work)
{
    // The verdict on the screen belongs to this run only.
    work.statistics.judgement.clear();
    saveOptimalSettings(dm, options);

    std::vector<int> chosen;
    for (int j = 0; j < kAttributeCount && j < int(options.attributes.size()); ++j)
        if (options.attributes[size_t(j)])
            chosen.push_back(j);
    const int k = int(chosen.size());
    const int target = std::clamp(options.target, 0, kTargetCount - 1);

    const analysis::CompanyKeys company = analysis::companyKeys(dm);
    Selection s;
    data::dbstatus_rec status;
    const bool read = data::SelectEach<TSyain_>(
        dm.ACN2, dm.Query21, false, QStringLiteral("SELECT * FROM VSYAIN"),
        optimalWhere(options, company.kco, company.nendo), status, [&](TSyain_&& e) {
            std::vector<double> row(size_t(k) + 1);
            row[0] = 1.0;
            for (int j = 0; j < k; ++j) {
                row[size_t(j) + 1] = attributeValue(e, chosen[size_t(j)]);
                if (row[size_t(j) + 1] == 0)
                    ++s.zeroAttributes;
            }
            const qint64 amount = targetAmount(e, target);
            if (amount == 0)
                ++s.zeroTargets;
            if (countsAsLinked(e, target))
                s.linked = true;
            s.x.push_back(std::move(row));
            s.y.push_back(double(amount));
            s.employees.push_back({e.SCO, e.SCOT, e.SNA, e.YAKU, amount, 0});
            return true;
        });
    if (!read)
        return {RunStatus::DatabaseError, {}};

    const int n = int(s.employees.size());
    if (n == 0)
        return {RunStatus::Refused, QStringLiteral("対象データデータがありません。")};
    if (k == 0)
        return {RunStatus::Refused, QStringLiteral("説明変数を指定して下さい。")};
    const QString targetCaption = targetItems()[size_t(target)].caption;
    if (s.zeroTargets == n)
        return {RunStatus::Refused, QStringLiteral("対象データの目的変数（") + nameOf(targetCaption)
                                        + QStringLiteral("）がすべてゼロのため分析できません。")};

    analysis::TRegY coefficients;
    if (!analysis::regressionFit(n, k, s.x, s.y, kTolerance, coefficients))
        return {RunStatus::Refused, fitFailureText(s, chosen)};

    analysis::TRegAut statistics;
    const bool complete = analysis::regressionStatistics(n, k, kTolerance, statistics, coefficients, s.y, s.x);

    for (int r = 0; r < n; ++r)
        s.employees[size_t(r)].optimal = qint64(analysis::predict(s.x[size_t(r)], coefficients));
    if (!writeFitColumns(dm, company, nameOf(targetCaption), target, s.employees))
        return {RunStatus::DatabaseError, {}};

    work.n = n;
    work.k = k;
    work.x = std::move(s.x);
    work.y = std::move(s.y);
    work.coefficients = std::move(coefficients);
    work.names.clear();
    work.names.push_back(targetCaption);
    for (int j : chosen)
        work.names.push_back(nameOf(attributeCaptions()[size_t(j)]));
    work.statistics = statistics;

    result.target = target;
    result.linked = s.linked;
    result.statisticsComplete = complete;
    result.employees = std::move(s.employees);
    return {RunStatus::Done, {}};
}

analysis::PlotRowsResult buildOptimalPlotRows(data::TFDM& dm, const OptimalOptions& options)
{
    const analysis::CompanyKeys company = analysis::companyKeys(dm);
    const int markLabel = options.common.markLabel;
    return analysis::writePlotRows(dm, optimalWhere(options, company.kco, company.nendo),
                                   [markLabel](const TSyain_& e, data::TDChart_& row) {
                                       row.SCO = e.SCO;
                                       row.SNA = e.SNA;
                                       row.MARKL = analysis::wagePlotMarkLabel(e, markLabel);
                                       row.MKCO = e.MCO;
                                       row.X = double(e.FITKIN) / 10000;
                                       row.Y = double(e.FITJITSU) / 10000;
                                       row.F5 = e.FITJITSU - e.FITKIN;
                                   });
}

}  // namespace optimal
