#pragma once
// The arithmetic and data work behind raise management: the totals of one employee's raise, the
// wage-table look-up of the amount after the raise, and saving the raise into the employee's rows.
// Amounts are whole yen in 64 bits.

#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace data {
class TFDM;
struct TSyain_;
}

namespace salary {

// What the raise management screen holds of one employee's pay.
struct RaiseInput {
    qint64 step = 0;                        // current pay step (能力点数, GOUHOU)
    qint64 addedSteps = 0;                  // steps the evaluation adds (加算点)
    std::array<qint64, 3> baseBefore{};     // base-pay items before the raise (KKYU1..3)
    std::array<qint64, 3> baseUp{};         // their raises as entered (Up)
    std::array<qint64, 5> allowanceBefore{};   // TEATE1..5
    std::array<qint64, 5> allowanceAfter{};    // NTEATE1..5 as entered
};

struct RaiseTotals {
    qint64 calcSteps = 0;                   // step + addedSteps (Calc点数)
    std::array<qint64, 3> baseAfter{};      // before + Up
    qint64 baseBeforeSum = 0;
    qint64 baseAfterSum = 0;
    qint64 baseUpSum = 0;                   // baseAfterSum - baseBeforeSum (UPK)
    std::array<qint64, 5> allowanceUp{};    // after - before
    qint64 allowanceBeforeSum = 0;
    qint64 allowanceAfterSum = 0;
    qint64 allowanceUpSum = 0;              // allowanceAfterSum - allowanceBeforeSum (UPT)
    qint64 scheduledBefore = 0;             // 所定給 before: baseBeforeSum + allowanceBeforeSum (SYOTEI)
    qint64 scheduledAfter = 0;              // baseAfterSum + allowanceAfterSum (NSYOTEI)
    qint64 scheduledUp = 0;                 // baseUpSum + allowanceAfterSum - allowanceBeforeSum
    qint64 annualAfter = 0;                 // 12 * scheduledAfter, bonuses left out (NNENSYU)
};

RaiseTotals raiseTotals(const RaiseInput& in);

// The key of a wage-table row from what the user typed: the new grade is the text before the first
// blank of the grade box, 1..9; the new step a whole number 0..999. Nothing when either is not.
struct WageKey {
    int grade = 0;
    int step = 0;
};
std::optional<WageKey> wageKey(const QString& gradeText, const QString& stepText);

enum class WageLookup {
    Skipped,    // the employee's pay is not linked to the wage table, or grade or step is empty
    Found,
    NotFound,   // no row (or no amount) for the key, or the key itself is impossible
};
struct WageLookupResult {
    WageLookup outcome = WageLookup::Skipped;
    qint64 amount = 0;                      // KIN<grade> of the row; 0 when not found
};

// The wage-table step of raise management: for an employee whose base-pay item link (1..3) is set,
// the amount of the new grade at the new step in wage table wageTable of the open company and year.
WageLookupResult lookUpWage(int link, int wageTable, const QString& gradeText, const QString& stepText);

// The raise as decided on the screen, ready to be saved.
struct RaiseDecision {
    qint64 grade = 0;          // TCO
    qint64 step = 0;           // GOUHOU
    qint64 evaluation = 0;     // HCO
    qint64 newGrade = 0;       // NTOUKYU
    qint64 addedSteps = 0;     // SGOUHOU
    qint64 newStep = 0;        // NGOUHOU
    bool promoted = false;     // FSKCHK
    RaiseInput amounts;
    // Band and role evaluations as loaded; written back only when they exist in the year.
    qint64 bandId = 0, roleEvaluation = 0, newBandId = 0, newRoleEvaluation = 0;
};

// Copies the decision into the employee's record: the fields of the raise, the amounts and the
// totals. Bands and role evaluations that the year does not know become 0.
void applyRaise(data::TSyain_& e, const RaiseDecision& d, bool bandKnown, bool roleKnown, bool newBandKnown,
                bool newRoleKnown);

enum class SaveOutcome { Saved, Missing, Failed };

// Saves the raise of employee sco of the open company and year: reads the employee again, applies
// the decision and writes both rows in one transaction. Missing when the employee is no longer
// there; Failed after the data layer's message.
SaveOutcome saveRaise(data::TFDM& dm, qint64 sco, const RaiseDecision& d);

// One line of the raise management list.
struct RaiseListRow {
    qint64 sco = 0;
    QString scot;          // employee number
    QString name;
    qint64 age = 0;        // completed years at the reference date; 0 without employee number
    qint64 service = 0;    // the same from the hire date; 0 without employee number or hire date
    double achievement = 0;   // TRITSU
    qint64 grade = 0;      // TCO
    qint64 newGrade = 0;   // NTOUKYU
    qint64 step = 0;       // GOUHOU
    qint64 newStep = 0;    // NGOUHOU
    qint64 mark = 0;       // MCO
};
RaiseListRow raiseListRow(const data::TSyain_& e);

// The employees of the open company and year by code, those of grade TOUKYU = grade only when grade
// is 1..9. Read in slices, so that a large company needs little memory. False after the data
// layer's message.
bool loadRaiseList(data::TFDM& dm, int grade, std::vector<RaiseListRow>& rows);

} // namespace salary
