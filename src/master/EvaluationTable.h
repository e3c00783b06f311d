#pragma once
// The evaluation tables of the open company and fiscal year, without widgets.
//
// Personnel evaluations (MHYOUKA): per wage table, each code has a symbol (a letter grade, say) and
// the number of pay steps it adds in raise management. Role evaluations (YHYOUKA): a code and a
// symbol, used by the bands. The evaluation screen edits both as grids of texts; a save replaces the
// whole table of the wage table (or of the company) in one transaction.

#include <QString>
#include <optional>
#include <vector>

namespace data {
class TFDM;
}

namespace master {

enum class EvaluationKind {
    Personnel,   // MHYOUKA of one wage table: code, symbol, steps
    Role,        // YHYOUKA: code and symbol
};

// One grid row as typed.
struct EvaluationRow {
    QString code;
    QString symbol;
    QString steps;   // personnel evaluations only
    bool operator==(const EvaluationRow&) const = default;
};

// The rows of the table, by code. An empty table gives the one prepared row: code "1", no symbol,
// steps "0". A failed read has been shown and gives the prepared row as well.
std::vector<EvaluationRow> loadEvaluationRows(data::TFDM& dm, EvaluationKind kind, int wageTable);

// The row that Enter in the steps column of the last row appends: the current code plus 1 and one
// step. When the current code is not a whole number, code and steps stay empty and *converted is
// false (the caller reports the conversion error).
EvaluationRow nextEvaluationRow(const EvaluationRow& current, bool* converted);

// Why rows cannot be saved: the grid row (0-based), the column (0 code, 1 symbol) and the message.
struct EvaluationRefusal {
    int row = 0;
    int column = 0;
    QString message;
};

// The checks before a save, in grid order, for every row with a code: a symbol is required
// ("評価記号を入力して下さい。"); the code must be a whole number ("数値を入力して下さい。"), so that a
// save can never stop half-way after the old rows are gone; the symbol must be one CP932 can hold;
// then against every other row, code-less rows included, the codes must differ
// ("評価コードが重複しています。") and the symbols must differ ("評価記号が重複しています。"), compared
// as exact texts. Nothing when the rows may be saved.
std::optional<EvaluationRefusal> checkEvaluationRows(const std::vector<EvaluationRow>& rows);

// Replaces the table with the rows that have a code, in grid order; steps that are no whole number
// are stored as 0. One transaction: false after the database error box, with the old rows kept.
bool saveEvaluationRows(data::TFDM& dm, EvaluationKind kind, int wageTable, const std::vector<EvaluationRow>& rows);

} // namespace master
