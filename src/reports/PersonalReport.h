#pragma once
// The personal and the wage information reports: one block of labelled items per employee, four
// blocks (slots 1..4) a page, grouped by plot mark; every group starts on a new page whose header
// names the group with its mark symbol in the mark's colour.
//
// A block item is written as two layout fields: the label "L" + item + suffix holding the item name,
// and the value item + suffix; the suffix is empty for slot 1 and "_2", "_3", "_4" for the others.
// An empty label or value is sent as one blank. The photo goes to the image field IMAGE + suffix,
// only for an employee with a photo name; the writer looks it up inside the picture folder.

#include "data/AppState.h"
#include "data/Records.h"
#include "reports/GroupReport.h"
#include "reports/ReportWriter.h"

#include <QDate>
#include <QString>
#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace data {
class TFDM;
}

namespace reports {

enum class PersonalReportKind { Personal, Wage };

inline constexpr int kPersonalSlotsPerPage = 4;

// One selected employee with the values resolved for it.
struct PersonalEmployee {
    data::TSyain_ row;
    int age = 0;                  // completed years from SEIHI to the reference date
    int service = 0;              // from NYUHI
    int residence = 0;            // from THI (years in the present grade)
    QString workForm;             // name of work form SM1; empty when SM1 is not 1..4
    std::optional<int> zone;      // zone of the linked base item in its band (only with MLINK != 0)
};

// What every page header shows besides the group.
struct PersonalReportHeader {
    QString yearLabel;
    QString companyName;
    QDate today;
    std::array<data::TMMARK, 9> marks;   // the company's plot marks 1..9
};

QString personalReportTitle(PersonalReportKind kind);     // "社員個人情報" / "社員賃金情報"
QString personalReportLayoutName(PersonalReportKind kind); // "Print5000" / "Print5010"

// "" for slot 1, "_2" .. "_4" for the others.
QString slotSuffix(int slot);

// The items of a block in the order they are written: (item name, value). The zone is left out for
// an employee without one; the photo is not an item.
std::vector<std::pair<QString, QString>> personalItems(PersonalReportKind kind, const PersonalEmployee& e);

// Fills the writer (job started) with the whole report and prints the last page; the caller ends
// the job. Returns the number of pages.
int buildPersonalReport(ReportWriter& w, PersonalReportKind kind, const std::vector<PersonalEmployee>& employees,
                        const PersonalReportHeader& header);

// Resolves ages, work form names and zones of the rows from the open company's caches.
std::vector<PersonalEmployee> personalEmployees(const data::AppState& st, const std::vector<data::TSyain_>& rows);

// Prints the report through w (a fresh writer): clears PreviewFile, reads the employees
// ("印刷対象データは有りません。" when none), fills the pages with the photos from Picture/ and ends
// the job. True with PreviewFile set to the document when one was written.
bool printPersonalReport(data::TFDM& dm, ReportWriter& w, PersonalReportKind kind, const SelectionRange& r);

} // namespace reports
