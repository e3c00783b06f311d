#pragma once
// The annual update: rolls one company over from fiscal year Y into Y + 1. The company is
// registered for Y + 1 in the control database, its settings and tables of year Y are copied into
// the database of Y + 1 with the new year, and every employee is carried over with this year's
// raise as next year's pay.
//
// The whole update is one transaction on one connection: the control database is the main
// database, year Y's database and year Y + 1's database are attached (rollback journals, so the
// commit is atomic across the three files). It commits completely or changes nothing; a failed
// run can simply be run again. When the database of Y + 1 does not exist yet it is made from the
// template under a temporary name, filled inside the transaction and given its real name after the
// commit, so that an interrupted update never leaves a database of Y + 1 behind.
//
// Year Y is read from the database of year Y, whatever year is open. Errors of statements are shown
// once by the table access layer; the outcome tells the screen what else to say.

#include <QString>
#include <functional>

namespace data {
class TFDM;
struct TSyain_;
}

namespace salary {

enum class RolloverOutcome {
    Done,            // committed: the company is in year Y + 1
    InvalidYear,     // Y outside 1000..9998 (Y + 1 must stay a four-digit year); nothing done
    AlreadyExists,   // the company is already registered for Y + 1; nothing done
    NoCompanyData,   // year Y's database is missing or holds no settings row of the company; nothing done
    Failed,          // an error was shown; every file is as it was
};

struct RolloverResult {
    RolloverOutcome outcome = RolloverOutcome::Failed;
    qint64 employees = 0;   // employees written into Y + 1
};

// The steps of the update, in the order they run (the numbers are those the progress callback gets).
enum RolloverStep {
    StepRegistry = 1,    // MKIGYOU1 of the control database
    StepSettings,        // MKIGYOU2
    StepPens,            // MGRAPH
    StepEvaluations,     // MHYOUKA
    StepMarks,           // MMARK
    StepCostOfLiving,    // MSEIKEI, replaced as a whole
    StepCharts,          // MCHART
    StepDesignedCurves,  // DSPDRAW
    StepWageTables,      // MCHINGIN
    StepStepScales,      // DSCALE
    StepSecondCurves,    // DKSEN2
    StepThirdCurves,     // DKSEN3
    StepEmployees,       // MSYAIN1 + MSYAIN2
    StepRoleEvaluations, // YHYOUKA
    StepBands,           // BANDM
    StepMatrices,        // MATRIXID
    StepMatrixCells,     // MATRIXCELL
    StepWorkForms,       // SALARYNAME
    StepWageTableSteps,  // DCHINGIN2
    StepCount = StepWageTableSteps
};

// Called after each step with its number, inside the transaction (progress display; tests use it to
// stop a run half-way).
using RolloverProgress = std::function<void(int step)>;

// Rolls company kco over from year into year + 1 (see above). The control database and the template
// are those of dm's program folder; ages are recomputed at dm's current reference date.
RolloverResult AnnualUpdate(data::TFDM& dm, int year, int kco, const RolloverProgress& progress = {});

// What the annual update screen says after a run: the closing message for Done, the reason for a
// refusal; empty for Failed (the error has been shown already).
QString rolloverMessage(RolloverOutcome outcome);

// Whether a fiscal year can be rolled over: Y + 1 must stay a four-digit year.
bool isRolloverYear(qint64 year);

// An employee record of year Y as it enters year nextYear: the raise becomes the pay, the new grade
// and step become current (an employee whose raise was never saved, new grade 0, keeps grade and
// step), the evaluation and raise histories move back by one year, the raise fields start empty.
void carryEmployee(data::TSyain_& e, int nextYear);

// Finishes what an update into the year database at path left behind when the process ended between
// its commit and the rename: a temporary database that holds committed data gets the real name, one
// that does not is removed. Does nothing when path exists or nothing was left. AnnualUpdate runs it
// first; the program may run it when it opens a year.
void settleInterruptedYear(const QString& path);

} // namespace salary
