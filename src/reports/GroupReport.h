#pragma once
// The group employee report: employees grouped by plot mark, with a subtotal and an average line per
// group and a grand total and average at the end, printed as the wage list or the raise list, and
// the same selection exported as a CSV file.
//
// Everything here works on rows already read and on values the caller resolved (ages, next-year base
// items), so the page and line arithmetic can be checked on the writer's recorded operations.

#include "data/Records.h"
#include "reports/ReportWriter.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <vector>

namespace reports {

enum class GroupReportKind { Raise = 1, Wage = 2 };

// The three ranges of the selection screens. A start code <= 0 means "from the first" (-1, text
// empty), an end code <= 0 "to the last" (999, text empty).
struct SelectionRange {
    int markStart = -1, markEnd = 999;
    int gradeStart = -1, gradeEnd = 999;
    int formStart = -1, formEnd = 999;
    QString markStartText, markEndText;
    QString gradeStartText, gradeEndText;
    QString formStartText, formEndText;
};

// Applies the -1 / 999 defaults to a code and its text as chosen in a start or end list.
void normalizeStart(int& code, QString& text);
void normalizeEnd(int& code, QString& text);

// The first range whose end lies before its start, as its message; empty when all are in order.
QString checkSelectionRange(const SelectionRange& r);
// The description of the ranges printed in the page header.
QString rangeDescription(const SelectionRange& r);
// The WHERE part of the employee statement over VSYAIN.
QString employeeWhere(const SelectionRange& r, int nendo, int kco);

// One selected employee with what the caller resolved for it.
struct GroupEmployee {
    data::TSyain_ row;
    int age = 0;                          // completed years from SEIHI to the reference date
    int service = 0;                      // from NYUHI
    std::array<qint64, 3> nextBase{};     // next-year base items I..III as printed (with the matrix raise)
};

// Next-year base items: NKKYU1..3; the item named by JISEKI (1..3) takes the wage-table amount NKIN;
// then, when withMatrix, the item named by MLINK (1..3) takes matrixRaise(item's current amount).
std::array<qint64, 3> nextYearBase(const data::TSyain_& e, bool withMatrix,
                                   const std::function<qint64(qint64 currentAmount)>& matrixRaise);

// What the page header shows besides the titles.
struct GroupReportHeader {
    QString yearLabel;          // YearLabel of the fiscal year
    QString companyName;
    QDate today;
    int referenceDate = 0;      // yyyymmdd of the age reference
    QString range;              // rangeDescription
};

// "年齢・勤続は" yyyy "年" mm "月" dd "日現在"; a date that is not eight digits gives empty parts.
QString referenceDateText(int yyyymmdd);

// Detail lines of a page and the layout pitch of one line.
inline constexpr int kGroupLinesPerPage = 32;
inline constexpr int kGroupLinePitch = 508;
inline constexpr int kGroupTextPadding = 150;
inline constexpr int kGroupRuleMargin = 150;

QString groupReportTitle(GroupReportKind kind);
QString groupReportLayoutName(GroupReportKind kind);

// Fills the writer (whose job has been started) with the whole report: pages, lines, rules. Ends
// with the last page printed; the caller ends the job. Returns the number of pages.
int buildGroupReport(ReportWriter& w, GroupReportKind kind, const std::vector<GroupEmployee>& employees,
                     const GroupReportHeader& header);

// The CSV text of the report (lines ending CR LF): the heading line and one line per employee.
QString groupReportCsv(GroupReportKind kind, const std::vector<GroupEmployee>& employees);
// A CSV field: quoted, inner quotes doubled, only when it holds a comma, a quote or a line break.
QString csvField(const QString& text);

} // namespace reports
