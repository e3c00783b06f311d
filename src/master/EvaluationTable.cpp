#include "master/EvaluationTable.h"

#include "app/SharedRoutines.h"
#include "data/DataModule.h"
#include "data/DbAccess.h"
#include "master/TextRules.h"

namespace master {

namespace {

QString num(qint64 n) { return QString::number(n); }

QString companyWhere(const data::AppState& st)
{
    return QStringLiteral(" WHERE NENDO = ") + num(st.CurrentNendo) + QStringLiteral("   AND KCO   = ") + num(st.CurrentKco);
}

QString tableWhere(const data::AppState& st, EvaluationKind kind, int wageTable)
{
    return kind == EvaluationKind::Personnel
        ? companyWhere(st) + QStringLiteral("   AND SKCO  = ") + num(wageTable)
        : companyWhere(st);
}

} // namespace

std::vector<EvaluationRow> loadEvaluationRows(data::TFDM& dm, EvaluationKind kind, int wageTable)
{
    std::vector<EvaluationRow> rows;
    const QString where = tableWhere(dm.state, kind, wageTable);
    if (kind == EvaluationKind::Personnel) {
        data::TMHYOUKA_rec set;
        if (data::Selects(dm.ACN2, dm.Query21, false, QStringLiteral("SELECT * from MHYOUKA"),
                          where + QStringLiteral(" ORDER BY KCO,NENDO,HCO"), set))
            for (const data::TMHYOUKA_& r : set.items)
                rows.push_back({r.HCO, r.HKIGOU, r.SGOUSU});
    } else {
        data::TYHYOUKA_rec set;
        if (data::Selects(dm.ACN2, dm.Query21, false, QStringLiteral("SELECT * from YHYOUKA"),
                          where + QStringLiteral(" ORDER BY KCO,NENDO,HCO"), set))
            for (const data::TYHYOUKA_& r : set.items)
                rows.push_back({r.HCO, r.HKIGOU, QString()});
    }
    if (rows.empty())
        rows.push_back({QStringLiteral("1"), QString(), kind == EvaluationKind::Personnel ? QStringLiteral("0") : QString()});
    return rows;
}

EvaluationRow nextEvaluationRow(const EvaluationRow& current, bool* converted)
{
    const auto code = app::parseWholeNumber(current.code);
    if (converted)
        *converted = code.has_value();
    if (!code)
        return {};
    return {num(*code + 1), QString(), QStringLiteral("1")};
}

std::optional<EvaluationRefusal> checkEvaluationRows(const std::vector<EvaluationRow>& rows)
{
    for (size_t i = 0; i < rows.size(); ++i) {
        const EvaluationRow& r = rows[i];
        if (r.code.isEmpty())
            continue;
        const int row = int(i);
        if (r.symbol.isEmpty())
            return EvaluationRefusal{row, 1, QStringLiteral("評価記号を入力して下さい。")};
        if (!app::parseWholeNumber(r.code))
            return EvaluationRefusal{row, 0, QStringLiteral("数値を入力して下さい。")};
        if (auto refusal = cp932Refusal(r.symbol))
            return EvaluationRefusal{row, 1, *refusal};
        for (size_t j = 0; j < rows.size(); ++j) {
            if (j == i)
                continue;
            if (rows[j].code == r.code)
                return EvaluationRefusal{row, 0, QStringLiteral("評価コードが重複しています。")};
            if (rows[j].symbol == r.symbol)
                return EvaluationRefusal{row, 1, QStringLiteral("評価記号が重複しています。")};
        }
    }
    return std::nullopt;
}

bool saveEvaluationRows(data::TFDM& dm, EvaluationKind kind, int wageTable, const std::vector<EvaluationRow>& rows)
{
    const data::AppState& st = dm.state;
    data::Connection& c = dm.ACN2;
    data::Query& q = dm.Query21;
    data::Transaction tx(c);
    if (!tx.started()) {
        data::ShowDbError(data::DbErrorText(c));
        return false;
    }
    const QString where = tableWhere(st, kind, wageTable);
    if (kind == EvaluationKind::Personnel) {
        data::TMHYOUKA_ row;
        if (!data::Delete(c, q, false, where, row))
            return false;
        for (const EvaluationRow& r : rows) {
            if (r.code.isEmpty())
                continue;
            row.KCO = num(st.CurrentKco);
            row.NENDO = num(st.CurrentNendo);
            row.SKCO = num(wageTable);
            row.HCO = r.code;
            row.HKIGOU = r.symbol;
            row.SGOUSU = num(app::parseWholeNumber(r.steps).value_or(0));
            if (!data::Insert(c, q, false, row))
                return false;
        }
    } else {
        data::TYHYOUKA_ row;
        if (!data::Delete(c, q, false, where, row))
            return false;
        for (const EvaluationRow& r : rows) {
            if (r.code.isEmpty())
                continue;
            row.KCO = num(st.CurrentKco);
            row.NENDO = num(st.CurrentNendo);
            row.HCO = r.code;
            row.HKIGOU = r.symbol;
            if (!data::Insert(c, q, false, row))
                return false;
        }
    }
    if (!tx.commit()) {
        data::ShowDbError(data::DbErrorText(c));
        return false;
    }
    return true;
}

} // namespace master
