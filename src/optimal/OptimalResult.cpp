#include "optimal/OptimalResult.h"

#include "app/SharedRoutines.h"
#include "data/Common.h"
#include "data/DataModule.h"
#include "data/DbAccess.h"
#include "platform/Cp932.h"

#include <QDir>
#include <QFileInfo>

namespace optimal {

using data::ColType;
using data::TSyain_;

namespace {

QString amount(long double v) { return app::formatNumber(QStringLiteral("#,##0"), double(v)); }
QString coefficient(double v) { return app::formatNumber(QStringLiteral("##0.0000"), v); }
QString statistic(double v) { return app::formatNumber(QStringLiteral("##0.0000000"), v); }

} // namespace

ResultTable buildResultTable(const OptimalAnalysis& a, const analysis::RegressionWorkArea& w)
{
    const int n = int(a.employees.size());
    const int k = std::max(0, w.k);
    ResultTable t;
    t.columns = k + 8;
    t.rows.assign(size_t(n + k + 9), QStringList(qsizetype(t.columns)));
    const int fitColumn = k + 5;
    const int residualColumn = k + 6;
    const int ratioColumn = k + 7;
    auto name = [&w](int i) { return size_t(i) < w.names.size() ? w.names[size_t(i)] : QString(); };

    QStringList& head = t.rows[0];
    head[0] = QStringLiteral("No");
    head[1] = QStringLiteral("社員ｺｰﾄﾞ");
    head[2] = QStringLiteral("社員名");
    head[3] = QStringLiteral("役職");
    for (int i = 0; i <= k; ++i)
        head[4 + i] = name(i);
    head[fitColumn] = QStringLiteral("最適賃金");
    head[residualColumn] = QStringLiteral("残　差");
    head[ratioColumn] = QStringLiteral("割　合");
    t.widths = {40, 60, 100, 70};
    t.widths.insert(t.widths.end(), size_t(k + 1), 70);
    t.widths.insert(t.widths.end(), {60, 60, 60});

    long double sumActual = 0, sumOptimal = 0, sumResidual = 0;
    for (int j = 0; j < n; ++j) {
        const AnalysedEmployee& e = a.employees[size_t(j)];
        QStringList& row = t.rows[size_t(j + 1)];
        row[0] = e.SCO;
        row[1] = e.SCOT;
        row[2] = e.SNA;
        row[3] = e.YAKU;
        row[4] = app::formatNumber(QStringLiteral("##,##0"), double(e.actual));
        if (size_t(j) < w.x.size()) {
            const std::vector<double>& x = w.x[size_t(j)];
            for (int i = 1; i <= k && size_t(i) < x.size(); ++i)
                row[4 + i] = app::formatNumber(QStringLiteral("##0"), x[size_t(i)]);
        }
        const qint64 residual = e.actual - e.optimal;
        row[fitColumn] = amount(e.optimal);
        row[residualColumn] = amount(residual);
        // An optimal wage of 0 has no ratio: the guarded division shows 0.
        row[ratioColumn] = app::formatNumber(QStringLiteral("0.000%"), data::SafeDiv(double(residual) * 100, double(e.optimal)));
        sumActual += e.actual;
        sumOptimal += e.optimal;
        sumResidual += residual;
    }

    QStringList& total = t.rows[size_t(n + 2)];
    total[2] = QStringLiteral("合計");
    total[4] = amount(sumActual);
    total[fitColumn] = amount(sumOptimal);
    total[residualColumn] = amount(sumResidual);
    QStringList& average = t.rows[size_t(n + 3)];
    average[2] = QStringLiteral("平均");
    average[4] = amount(n > 0 ? sumActual / n : 0);
    average[fitColumn] = amount(n > 0 ? sumOptimal / n : 0);

    auto coef = [&w](int i) { return size_t(i) < w.coefficients.size() ? w.coefficients[size_t(i)] : 0.0; };
    t.rows[size_t(n + 5)][2] = QStringLiteral("切片");
    t.rows[size_t(n + 5)][3] = coefficient(coef(0));
    for (int i = 1; i <= k; ++i) {
        QStringList& row = t.rows[size_t(n + 5 + i)];
        row[2] = name(i) + QStringLiteral(" X") + QString::number(i);
        row[3] = coefficient(coef(i));
    }
    const struct {
        const char16_t* label;
        double value;
    } statistics[] = {
        {u"重相関R", w.statistics.R},
        {u"重相関R2", w.statistics.R2},
        {u"補正  R2", w.statistics.adjustedR2},
    };
    for (int i = 0; i < 3; ++i) {
        QStringList& row = t.rows[size_t(n + k + 6 + i)];
        row[2] = QString::fromUtf16(statistics[i].label);
        row[3] = statistic(statistics[i].value);
    }
    return t;
}

QString resultCsv(const ResultTable& table)
{
    QString text;
    for (const QStringList& row : table.rows) {
        for (qsizetype c = 0; c < row.size(); ++c) {
            if (c > 0)
                text += QLatin1Char(',');
            QString cell = row[c];
            text += QLatin1Char('"') + cell.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
        }
        text += QStringLiteral("\r\n");
    }
    return text;
}

QString resultCsvPath(const QString& programDir)
{
    return programDir + QStringLiteral("CSV/最適賃金の分析結果.CSV");
}

bool writeResultCsv(const QString& programDir, const ResultTable& table, QString* error)
{
    const QString path = resultCsvPath(programDir);
    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (!folder.isDir()) {
        if (error)
            *error = QStringLiteral("フォルダ ") + QDir::toNativeSeparators(folder.absoluteFilePath())
                + QStringLiteral(" がありません。");
        return false;
    }
    return platform::writeCp932File(path, resultCsv(table), error);
}

bool canOptimise(const OptimalAnalysis& a)
{
    return (a.target == 0 || a.target == 1 || a.target == 4) && !a.linked;
}

namespace {

// The amounts an optimisation overwrites and its save columns, in MSYAIN2 ...
const data::TableDef<TSyain_>& savedAmounts2()
{
    static const data::TableDef<TSyain_> t(QStringLiteral("MSYAIN2"),
                                           {
                                               {"KCO", ColType::Num, true, &TSyain_::KCO},
                                               {"SCO", ColType::Num, true, &TSyain_::SCO},
                                               {"NENDO", ColType::Num, true, &TSyain_::NENDO},
                                               {"KKYU1", ColType::Int, false, &TSyain_::KKYU1},
                                               {"KKYU2", ColType::Int, false, &TSyain_::KKYU2},
                                               {"SAVENO", ColType::Int, false, &TSyain_::SAVENO},
                                               {"SAVEKIN", ColType::Int, false, &TSyain_::SAVEKIN},
                                           },
                                           QString(), false);
    return t;
}

// ... and in MSYAIN1.
const data::TableDef<TSyain_>& savedAmounts1()
{
    static const data::TableDef<TSyain_> t(QStringLiteral("MSYAIN1"),
                                           {
                                               {"KCO", ColType::Num, true, &TSyain_::KCO},
                                               {"SCO", ColType::Num, true, &TSyain_::SCO},
                                               {"NENDO", ColType::Num, true, &TSyain_::NENDO},
                                               {"SYOUYO", ColType::Int, false, &TSyain_::SYOUYO},
                                               {"NENSYU", ColType::Int, false, &TSyain_::NENSYU},
                                           },
                                           QString(), false);
    return t;
}

const data::TableDef<TSyain_>& saveColumns()
{
    static const data::TableDef<TSyain_> t(QStringLiteral("MSYAIN2"),
                                           {
                                               {"SAVENO", ColType::Int, false, &TSyain_::SAVENO},
                                               {"SAVEKIN", ColType::Int, false, &TSyain_::SAVEKIN},
                                           });
    return t;
}

bool writeAmounts(data::TFDM& dm, TSyain_& row)
{
    return data::Update(dm.ACN2, dm.Query22, false, QString(), row, savedAmounts2())
        && data::Update(dm.ACN2, dm.Query22, false, QString(), row, savedAmounts1());
}

QString companyWhere(const analysis::CompanyKeys& company)
{
    return QStringLiteral(" where NENDO = ") + company.nendo + QStringLiteral("   and   KCO = ") + company.kco;
}

} // namespace

WriteStatus optimiseWages(data::TFDM& dm, const OptimalAnalysis& a)
{
    if (!canOptimise(a))
        return WriteStatus::NotAllowed;
    const analysis::CompanyKeys company = analysis::companyKeys(dm);
    data::TSyain_rec found;
    if (!data::Selects(dm.ACN2, dm.Query21, false, QStringLiteral("select * from VSYAIN"),
                       QStringLiteral(" where NENDO = ") + company.nendo + QStringLiteral("   and KCO   = ")
                           + company.kco + QStringLiteral("   and FITNO = ") + QString::number(a.target + 1)
                           + QStringLiteral(" order by SCO"),
                       found))
        return WriteStatus::DatabaseError;
    // The rows must be the analysed employees, in the same order, before anything is touched.
    if (found.items.size() != a.employees.size())
        return WriteStatus::CountMismatch;
    for (size_t i = 0; i < found.items.size(); ++i)
        if (data::parseIntText(found.items[i].SCO) != data::parseIntText(a.employees[i].SCO))
            return WriteStatus::CountMismatch;

    data::Transaction tx(dm.ACN2);
    if (!tx.started()) {
        data::ShowDbError(data::DbErrorText(dm.ACN2));
        return WriteStatus::DatabaseError;
    }
    TSyain_ cleared;
    if (!data::Update(dm.ACN2, dm.Query22, false,
                      QStringLiteral(" where   NENDO = ") + company.nendo + QStringLiteral("   and   KCO   = ") + company.kco,
                      cleared, saveColumns()))
        return WriteStatus::DatabaseError;
    for (TSyain_& e : found.items) {
        e.SAVENO = a.target + 1;
        switch (a.target) {
        case 0:
            e.SAVEKIN = e.KKYU1;
            e.KKYU1 = e.FITKIN;
            break;
        case 1:
            e.SAVEKIN = e.KKYU2;
            e.KKYU2 = e.FITKIN;
            break;
        default:
            // The fit is of the whole annual bonus; the second half stays, the first makes up the rest.
            e.SAVEKIN = e.SYOUYO;
            e.SYOUYO = e.FITKIN - e.SYOUYO2;
            break;
        }
        if (!writeAmounts(dm, e))
            return WriteStatus::DatabaseError;   // shown by the layer; everything rolls back
    }
    if (!tx.commit()) {
        data::ShowDbError(data::DbErrorText(dm.ACN2));
        return WriteStatus::DatabaseError;
    }
    return WriteStatus::Done;
}

WriteStatus resetWages(data::TFDM& dm)
{
    const analysis::CompanyKeys company = analysis::companyKeys(dm);
    data::TSyain_rec saved;
    if (!data::Selects(dm.ACN2, dm.Query21, false, QStringLiteral("select * from VSYAIN "),
                       companyWhere(company) + QStringLiteral("   and   SAVENO <> 0"), saved))
        return WriteStatus::DatabaseError;
    if (saved.items.empty())
        return WriteStatus::NothingSaved;

    data::Transaction tx(dm.ACN2);
    if (!tx.started()) {
        data::ShowDbError(data::DbErrorText(dm.ACN2));
        return WriteStatus::DatabaseError;
    }
    for (TSyain_& e : saved.items) {
        switch (e.SAVENO) {
        case 1: e.KKYU1 = e.SAVEKIN; break;
        case 2: e.KKYU2 = e.SAVEKIN; break;
        case 5: e.SYOUYO = e.SAVEKIN; break;
        case 6: e.NENSYU = e.SAVEKIN; break;
        default: break;
        }
        e.SAVENO = 0;
        if (!writeAmounts(dm, e))
            return WriteStatus::DatabaseError;
    }
    if (!tx.commit()) {
        data::ShowDbError(data::DbErrorText(dm.ACN2));
        return WriteStatus::DatabaseError;
    }
    return WriteStatus::Done;
}

}  // namespace optimal
