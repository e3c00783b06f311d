#include "raise/RaiseCalc.h"

#include "app/SharedRoutines.h"
#include "data/DataModule.h"
#include "data/DbAccess.h"

namespace salary {

namespace {

QString num(qint64 n) { return QString::number(n); }

QString companyWhere(const data::TFDM& dm)
{
    return QStringLiteral(" WHERE KCO = ") + num(dm.state.CurrentKco) + QStringLiteral(" AND NENDO = ")
        + num(dm.state.CurrentNendo);
}

// Whether a row of the open company and year has this code; codes of 0 and below never do.
template <class R>
bool known(data::TFDM& dm, const QString& table, const QString& column, qint64 code)
{
    if (code <= 0)
        return false;
    R row;
    return data::Select(dm.ACN2, dm.Query21, false, QStringLiteral("SELECT * FROM ") + table,
                        companyWhere(dm) + QStringLiteral(" AND ") + column + QStringLiteral(" = ") + num(code), row)
        && row.ok;
}

} // namespace

RaiseTotals raiseTotals(const RaiseInput& in)
{
    RaiseTotals t;
    t.calcSteps = in.step + in.addedSteps;
    for (size_t i = 0; i < 3; ++i) {
        t.baseAfter[i] = in.baseBefore[i] + in.baseUp[i];
        t.baseBeforeSum += in.baseBefore[i];
        t.baseAfterSum += t.baseAfter[i];
    }
    t.baseUpSum = t.baseAfterSum - t.baseBeforeSum;
    for (size_t i = 0; i < 5; ++i) {
        t.allowanceUp[i] = in.allowanceAfter[i] - in.allowanceBefore[i];
        t.allowanceBeforeSum += in.allowanceBefore[i];
        t.allowanceAfterSum += in.allowanceAfter[i];
    }
    t.allowanceUpSum = t.allowanceAfterSum - t.allowanceBeforeSum;
    t.scheduledBefore = t.baseBeforeSum + t.allowanceBeforeSum;
    t.scheduledAfter = t.baseAfterSum + t.allowanceAfterSum;
    t.scheduledUp = t.baseUpSum + t.allowanceAfterSum - t.allowanceBeforeSum;
    t.annualAfter = 12 * t.scheduledAfter;
    return t;
}

std::optional<WageKey> wageKey(const QString& gradeText, const QString& stepText)
{
    const auto grade = app::parseWholeNumber(app::typedCode(gradeText.trimmed()));
    const auto step = app::parseWholeNumber(stepText);
    if (!grade || !step || *grade < 1 || *grade > 9 || *step < 0 || *step > 999)
        return std::nullopt;
    return WageKey{int(*grade), int(*step)};
}

WageLookupResult lookUpWage(int link, int wageTable, const QString& gradeText, const QString& stepText)
{
    WageLookupResult r;
    if (link < 1 || link > 3 || gradeText.trimmed().isEmpty() || stepText.trimmed().isEmpty())
        return r;
    r.outcome = WageLookup::NotFound;
    const auto key = wageKey(gradeText, stepText);
    if (!key)
        return r;
    r.amount = app::WageTableAmount(wageTable, key->grade, key->step);
    if (r.amount != 0)
        r.outcome = WageLookup::Found;
    return r;
}

void applyRaise(data::TSyain_& e, const RaiseDecision& d, bool bandKnown, bool roleKnown, bool newBandKnown,
                bool newRoleKnown)
{
    const RaiseTotals t = raiseTotals(d.amounts);
    e.TCO = d.grade;
    e.GOUHOU = d.step;
    e.HCO = d.evaluation;
    e.UPK = t.baseUpSum;
    e.UPT = t.allowanceUpSum;
    qint64* before[3] = {&e.KKYU1, &e.KKYU2, &e.KKYU3};
    qint64* after[3] = {&e.NKKYU1, &e.NKKYU2, &e.NKKYU3};
    for (size_t i = 0; i < 3; ++i) {
        *before[i] = d.amounts.baseBefore[i];
        *after[i] = t.baseAfter[i];
    }
    qint64* allowance[5] = {&e.TEATE1, &e.TEATE2, &e.TEATE3, &e.TEATE4, &e.TEATE5};
    qint64* allowanceAfter[5] = {&e.NTEATE1, &e.NTEATE2, &e.NTEATE3, &e.NTEATE4, &e.NTEATE5};
    for (size_t i = 0; i < 5; ++i) {
        *allowance[i] = d.amounts.allowanceBefore[i];
        *allowanceAfter[i] = d.amounts.allowanceAfter[i];
    }
    e.NNENSYU = t.annualAfter;
    e.NTOUKYU = d.newGrade;
    e.SGOUHOU = d.addedSteps;
    e.NGOUHOU = d.newStep;
    e.FSKCHK = d.promoted ? 1 : 0;
    e.SYOTEI = t.scheduledBefore;
    e.NSYOTEI = t.scheduledAfter;
    e.BANDID = bandKnown ? d.bandId : 0;
    e.YHYOUKA = roleKnown ? d.roleEvaluation : 0;
    e.NEWBANDID = newBandKnown ? d.newBandId : 0;
    e.NEWYHYOUKA = newRoleKnown ? d.newRoleEvaluation : 0;
}

SaveOutcome saveRaise(data::TFDM& dm, qint64 sco, const RaiseDecision& d)
{
    const QString where = QStringLiteral(" WHERE SCO = ") + num(sco) + QStringLiteral(" AND NENDO = ")
        + num(dm.state.CurrentNendo) + QStringLiteral(" AND KCO   = ") + num(dm.state.CurrentKco);
    data::TSyain_ e;
    if (!data::Select(dm.ACN2, dm.Query21, false, QStringLiteral("Select * from VSYAIN "), where, e))
        return SaveOutcome::Failed;
    if (!e.ok)
        return SaveOutcome::Missing;
    applyRaise(e, d, known<data::TBAND_>(dm, QStringLiteral("BANDM"), QStringLiteral("BANDID"), d.bandId),
               known<data::TYHYOUKA_>(dm, QStringLiteral("YHYOUKA"), QStringLiteral("HCO"), d.roleEvaluation),
               known<data::TBAND_>(dm, QStringLiteral("BANDM"), QStringLiteral("BANDID"), d.newBandId),
               known<data::TYHYOUKA_>(dm, QStringLiteral("YHYOUKA"), QStringLiteral("HCO"), d.newRoleEvaluation));
    if (!data::UpdateSyain(dm.ACN2, dm.Query22, where, e))
        return SaveOutcome::Failed;
    return e.rows > 0 ? SaveOutcome::Saved : SaveOutcome::Missing;
}

RaiseListRow raiseListRow(const data::TSyain_& e)
{
    RaiseListRow r;
    r.sco = data::parseIntText(e.SCO).value_or(0);
    r.scot = e.SCOT;
    r.name = e.SNA;
    r.age = e.SCOT.isEmpty() ? 0 : e.NENREI;
    r.service = e.SCOT.isEmpty() || e.NYUHI == 0 ? 0 : e.KINZOKU;
    r.achievement = e.TRITSU;
    r.grade = e.TCO;
    r.newGrade = e.NTOUKYU;
    r.step = e.GOUHOU;
    r.newStep = e.NGOUHOU;
    r.mark = e.MCO;
    return r;
}

bool loadRaiseList(data::TFDM& dm, int grade, std::vector<RaiseListRow>& rows)
{
    constexpr int slice = 2000;
    rows.clear();
    QString where = QStringLiteral(" WHERE NENDO = ") + num(dm.state.CurrentNendo) + QStringLiteral(" AND   KCO   = ")
        + num(dm.state.CurrentKco);
    if (grade >= 1 && grade <= 9)
        where += QStringLiteral(" AND TOUKYU = ") + num(grade);
    QString after;
    for (;;) {
        data::TSyain_rec set;
        if (!data::Selects(dm.ACN2, dm.Query21, false, QStringLiteral("SELECT * from VSYAIN"),
                           where + after + QStringLiteral(" ORDER BY KCO,SCO LIMIT ") + num(slice), set))
            return false;
        for (const data::TSyain_& e : set.items)
            rows.push_back(raiseListRow(e));
        if (set.rows < slice)
            return true;
        after = QStringLiteral(" AND SCO > ") + num(rows.back().sco);
    }
}

} // namespace salary
