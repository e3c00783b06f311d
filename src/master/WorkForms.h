#pragma once
// Work forms (就労形態 1..4) of the open company and fiscal year and the names of their pay items,
// without widgets: which ID a box means, the checks before a save, and the reads and writes of
// SALARYNAME.

#include "data/Records.h"

#include <QString>
#include <array>
#include <optional>

namespace data {
class TFDM;
struct AppState;
}

namespace master {

// What the work form screen lets the user enter.
struct WorkFormInput {
    int id = 0;                      // SALARYID 1..4
    QString name;                    // SALARYNAME, required
    QString definition;              // TEIGI
    std::array<QString, 3> kihon;    // base-pay item names
    std::array<QString, 5> teate;    // allowance names
};

// Which field a refusal concerns: 0 the ID, 1 the name, 2 the wage form name, 3..5 the base-pay
// names, 6..10 the allowance names.
struct WorkFormRefusal {
    int field = 0;
    QString message;
};

// The longest text of every name: 20 characters.
inline constexpr int kWorkFormTextLength = 20;

// The ID a box stands for: its whole text as a number, else the code of its selected entry
// (selectedCode, 0 without one).
int workFormId(const QString& boxText, int selectedCode);

// The list of the year's work forms, entries SALARYID + " : " + SALARYNAME by SALARYID, for the
// open company (a statement for app::FillComboFromSql).
QString workFormListStatement(const data::AppState& st);

// The first reason not to save: an ID outside 1..4 ("IDは1～4で入力して下さい。"), a name of blanks
// only ("就労形態を入力して下さい。"), a text over 20 characters ("入力範囲外です。") or with a
// character the CSV files cannot hold (the CP932 message). Nothing when the input may be saved.
std::optional<WorkFormRefusal> checkWorkForm(const WorkFormInput& in);

// The stored work form id of the open company; nothing when there is none (or the read failed,
// which has been shown).
std::optional<data::TSALARY_> loadWorkForm(data::TFDM& dm, int id);

// Replaces the row of in.id (delete, then insert) in one transaction. False after the database
// error box; the old row is then still there.
bool saveWorkForm(data::TFDM& dm, const WorkFormInput& in);

// Deletes the row of id. False after the database error box.
bool deleteWorkForm(data::TFDM& dm, int id);

} // namespace master
