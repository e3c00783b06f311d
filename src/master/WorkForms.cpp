#include "master/WorkForms.h"

#include "app/SharedRoutines.h"
#include "data/DataModule.h"
#include "data/DbAccess.h"
#include "master/TextRules.h"

#include <limits>

namespace master {

namespace {

QString num(qint64 n) { return QString::number(n); }

QString companyKeys(const data::AppState& st)
{
    return QStringLiteral(" where  KCO  = ") + num(st.CurrentKco) + QStringLiteral("  and Nendo  = ") + num(st.CurrentNendo);
}

} // namespace

int workFormId(const QString& boxText, int selectedCode)
{
    if (const auto n = app::parseWholeNumber(boxText); n && *n >= std::numeric_limits<int>::min()
                                                         && *n <= std::numeric_limits<int>::max())
        return int(*n);
    return selectedCode;
}

QString workFormListStatement(const data::AppState& st)
{
    return QStringLiteral("select SALARYID || ' : ' || SALARYNAME as COMBNAME from SALARYNAME where  KCO = ")
        + num(st.CurrentKco) + QStringLiteral(" and Nendo = ") + num(st.CurrentNendo)
        + QStringLiteral(" order by SALARYID");
}

std::optional<WorkFormRefusal> checkWorkForm(const WorkFormInput& in)
{
    if (in.id < 1 || in.id > 4)
        return WorkFormRefusal{0, QStringLiteral("IDは1～4で入力して下さい。")};
    if (in.name.trimmed().isEmpty())
        return WorkFormRefusal{1, QStringLiteral("就労形態を入力して下さい。")};
    const QString* texts[10] = {&in.name,     &in.definition, &in.kihon[0], &in.kihon[1], &in.kihon[2],
                                &in.teate[0], &in.teate[1],   &in.teate[2], &in.teate[3], &in.teate[4]};
    for (int i = 0; i < 10; ++i)
        if (auto refusal = freeTextRefusal(*texts[i], kWorkFormTextLength))
            return WorkFormRefusal{i + 1, *refusal};
    return std::nullopt;
}

std::optional<data::TSALARY_> loadWorkForm(data::TFDM& dm, int id)
{
    data::TSALARY_ row;
    if (!data::Select(dm.ACN2, dm.Query21, false, QStringLiteral("select * from SalaryName "),
                      companyKeys(dm.state) + QStringLiteral("  and SalaryID = ") + num(id), row)
        || !row.ok)
        return std::nullopt;
    return row;
}

bool saveWorkForm(data::TFDM& dm, const WorkFormInput& in)
{
    const data::AppState& st = dm.state;
    data::Connection& c = dm.ACN2;
    data::Transaction tx(c);
    if (!tx.started()) {
        data::ShowDbError(data::DbErrorText(c));
        return false;
    }
    data::TSALARY_ row;
    if (!data::Delete(c, dm.Query21, false,
                      QStringLiteral(" where  KCO   = ") + num(st.CurrentKco) + QStringLiteral(" and NENDO    = ")
                          + num(st.CurrentNendo) + QStringLiteral(" and SALARYID = ") + num(in.id),
                      row))
        return false;
    row.KCO = num(st.CurrentKco);
    row.NENDO = num(st.CurrentNendo);
    row.SALARYID = num(in.id);
    row.SALARYNAME = in.name;
    row.TEIGI = in.definition;
    row.KIHON1 = in.kihon[0];
    row.KIHON2 = in.kihon[1];
    row.KIHON3 = in.kihon[2];
    row.TEATE1 = in.teate[0];
    row.TEATE2 = in.teate[1];
    row.TEATE3 = in.teate[2];
    row.TEATE4 = in.teate[3];
    row.TEATE5 = in.teate[4];
    if (!data::Insert(c, dm.Query21, false, row))
        return false;
    if (!tx.commit()) {
        data::ShowDbError(data::DbErrorText(c));
        return false;
    }
    return true;
}

bool deleteWorkForm(data::TFDM& dm, int id)
{
    data::TSALARY_ row;
    return data::Delete(dm.ACN2, dm.Query21, true,
                        QStringLiteral(" where  KCO  = ") + num(dm.state.CurrentKco) + QStringLiteral(" and Nendo   = ")
                            + num(dm.state.CurrentNendo) + QStringLiteral(" and SalaryId = ") + num(id),
                        row);
}

} // namespace master
