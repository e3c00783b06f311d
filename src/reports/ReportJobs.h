#pragma once
// The report runs over the open company: reading the selected employees, printing the group report
// through a report writer into a document for the preview, and writing its CSV file. The screens
// only gather the selection and show the preview; messages go through the dialogs service.

#include "reports/GroupReport.h"
#include "reports/ReportWriter.h"

#include <QString>
#include <vector>

namespace data {
class TFDM;
struct AppState;
}

namespace reports {

// The selected employees of the open company and fiscal year (view VSYAIN), by mark and code.
// False after the database's message when the read failed.
bool readSelectedEmployees(data::TFDM& dm, const SelectionRange& r, std::vector<data::TSyain_>& rows);

// Ages, length of service and the next-year base items (with the band raise of a matrix-linked
// item, from the loaded band and matrix tables) of the rows.
std::vector<GroupEmployee> groupEmployees(const std::vector<data::TSyain_>& rows);

// The page header of the open company: year label, company name, today, age reference, ranges.
GroupReportHeader groupReportHeader(const data::AppState& st, const SelectionRange& r);

// The folder of the layouts and documents, and of the CSV files, under the program folder.
QString reportFolder(const data::AppState& st);
QString csvFolder(const data::AppState& st);
// ProgramDir + "CSV/" + report name + ".CSV".
QString groupReportCsvPath(const data::AppState& st, GroupReportKind kind);

// The start of every printed employee report: clears PreviewFile and reads the selected employees;
// none gives "印刷対象データは有りません。". False when there is nothing to print.
bool readEmployeesToPrint(data::TFDM& dm, const SelectionRange& r, std::vector<data::TSyain_>& rows);
// Points w at the layout of that name in the report folder, reserves its document (wk + name) and
// names it; the document file the preview will open.
QString prepareReportWriter(ReportWriter& w, const data::AppState& st, const QString& layoutName,
                            const QString& docName);

// Prints the report of the kind through w (a fresh writer): clears PreviewFile, reads the
// employees ("印刷対象データは有りません。" when none), fills the pages and ends the job. True with
// PreviewFile set to the document when one was written.
bool printGroupReport(data::TFDM& dm, ReportWriter& w, GroupReportKind kind, const SelectionRange& r);

enum class CsvOutcome { Written, Declined, NoData, Failed };

// The CSV export: asks first, reads the employees ("対象データは有りません。" when none) and writes
// the file whole (CP932, through a temporary file); tells the user the file was written, or why
// it could not be (a missing or read-only CSV folder, a character CP932 cannot hold).
CsvOutcome exportGroupReportCsv(data::TFDM& dm, GroupReportKind kind, const SelectionRange& r);

} // namespace reports
