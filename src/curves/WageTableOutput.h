#pragma once
// The designed wage table as it leaves the program: the CSV file "昇給カーブの設計.CSV" in the CSV
// folder and the printed table (layout PrintSekkeiList) for the print preview. Both generate the
// table from the grid first and stop, with nothing written or printed, when the grid is refused.

#include "curves/RaiseDesign.h"
#include "reports/ReportWriter.h"

#include <QDate>
#include <QString>

#include <vector>

namespace data {
class TFDM;
}

namespace curves {

// The CSV text (lines ending CR LF): the title, the two heading lines, one line per row number with
// x, amount and KAKUSA of each design (0,0,0 where a design has no such row), and the averages line.
// rows are those of readWageTable (by NO, then SDCO).
QString wageTableCsv(const QString& title, const std::vector<data::TCHNGIN_>& rows);

// The CSV export after the user agreed: generates the table, reads it and writes it to the CSV
// folder, with the messages of each outcome. True when the file was written.
bool exportWageTableCsv(data::TFDM& dm, const DesignGrid& grid, int xItem, int yItem, const QString& title);

// What the page header of the printed table shows.
struct WageTablePage {
    QString yearLabel;      // YearLabel of the fiscal year
    QString companyName;
    QString title;
    QDate today;
    QString xCaption;       // centred over each design's x column
    QString yCaption;       // over each design's amount column
};

// Lines of a page; the averages take the last one.
inline constexpr int wageTableLines = 32;
inline constexpr int wageTableLinePitch = 508;
inline constexpr int wageTableLineOffset = 200;

// Fills the writer (job started, layout PrintSekkeiList) with the table: the rows of one NO on one
// line, 32 lines a page, and the averages on the last line (31) of the last page, which is a page
// of its own when the rows fill the page before. Each page begins with its header and the column
// headings. Returns the number of pages; the caller prints the last one and ends the job.
int buildWageTablePages(reports::ReportWriter& w, const std::vector<data::TCHNGIN_>& rows,
                        const WageTablePage& page);

// The printing of the table: generates it, reads it and writes the document through w (a fresh
// writer). Sets PreviewFile to the document when one was written, else leaves it empty; true then.
bool printWageTable(data::TFDM& dm, reports::ReportWriter& w, const DesignGrid& grid, int xItem, int yItem,
                    const WageTablePage& page);

}  // namespace curves
