#pragma once
// The result of an optimal wage analysis without its screen: the table (every employee with the
// actual amount, the attributes, the optimal wage, the residual and its ratio, then totals,
// averages, coefficients and statistics), its CSV file, and the write of the optimal wages into
// the employee master (最適化) with its one level of undo (リセット).

#include "analysis/Regression.h"
#include "optimal/OptimalWage.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace data {
class TFDM;
}

namespace optimal {

// The table as text, row 0 the headings: k + 8 columns and n + k + 9 rows.
struct ResultTable {
    std::vector<QStringList> rows;
    int columns{0};
    std::vector<int> widths;   // column widths in pixels
};
ResultTable buildResultTable(const OptimalAnalysis& analysis, const analysis::RegressionWorkArea& work);

// Every row of the table as one line, each cell in double quotes (inner quotes doubled), joined by
// ",", ending in CR LF.
QString resultCsv(const ResultTable& table);
// ProgramDir + "CSV/最適賃金の分析結果.CSV".
QString resultCsvPath(const QString& programDir);
// Writes the CSV in CP932 (a temporary file renamed over the old one). The folder is not created:
// without it, or read-only, nothing is written and error says why.
bool writeResultCsv(const QString& programDir, const ResultTable& table, QString* error);

// Whether 最適化 may write this analysis: item I, item II or the annual bonus, no linked employee.
bool canOptimise(const OptimalAnalysis& analysis);

enum class WriteStatus {
    Done,
    CountMismatch,   // "処理件数エラーです。": the employees carrying this analysis are not those analysed
    NothingSaved,    // "リセットするデータは存在しません。"
    DatabaseError,   // reported by the table access layer; everything rolled back
    NotAllowed,      // the analysis may not be written (see canOptimise); nothing done
};

// 最適化: checks that the employees with FITNO = target + 1 are exactly those of the analysis, then
// in one transaction clears the save columns of the company and year and, for each of them, saves
// the amount it replaces (SAVENO = target + 1, SAVEKIN) and writes the optimal wage: KKYU1 or
// KKYU2 := FITKIN, or for the annual bonus SYOUYO := FITKIN - SYOUYO2 so that the bonus of the year
// equals the optimal wage. Nothing changes unless everything does.
WriteStatus optimiseWages(data::TFDM& dm, const OptimalAnalysis& analysis);
// リセット: every employee of the company and year with SAVENO ≠ 0 gets back the saved amount
// (SAVENO 1 KKYU1, 2 KKYU2, 5 SYOUYO, 6 NENSYU) and SAVENO = 0, in one transaction.
WriteStatus resetWages(data::TFDM& dm);

}  // namespace optimal
