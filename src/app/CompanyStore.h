#pragma once
// The data work of the company screens: registering a company for a fiscal year, changing its master
// data and deleting it with everything it has in that year. The control database must be open on
// ACN1 and the fiscal year's database on ACN2 (the company dialog opens it). Errors are shown by the
// table access layer; a false result means something was not written.

#include <QString>
#include <QStringList>
#include <array>

namespace data {
class TFDM;
}

namespace app {

// What the company data screen lets the user enter.
struct CompanyInput {
    QString name;                       // stored with surrounding blanks removed
    std::array<QString, 9> gradeNames;  // grades 1..9, blanks removed
    int modelCode = 0;                  // MDCO
    int livingCode = 0;                 // SKCO
    QString syoteiHH = QStringLiteral("0");   // the four hour and wage fields, stored as entered
    QString syoteiDD = QStringLiteral("0");
    QString syoteiMM = QStringLiteral("0");
    QString saitei = QStringLiteral("0");
};

// The default names of grades 1..9: "第１等級".."第９等級".
std::array<QString, 9> defaultGradeNames();

// Removes the blanks and control characters around a text; full-width blanks are part of the text.
QString trimBlanks(const QString& s);

// The code of a code-list text: the part before its first blank as integer, 0 when that is no number.
int leadingCode(const QString& text);

// The fiscal years offered by the company dialog: 2004 up to todayYear + 1, ascending.
QStringList fiscalYears(int todayYear);

// The highest company code of all fiscal years (MAX(KCO) of MKIGYOU1); 0 when there is none.
int maxCompanyCode(data::TFDM& dm);

// Registers company kco for year: its MKIGYOU1 row (control database; FNK 9 until the basic settings
// are saved, KDATE 20090401), its MKIGYOU2 row and a copy of the default marks (MMMARK) and curve
// styles (MMGRAPH) as its MMARK and MGRAPH rows. A failed step is shown and the others still run;
// the result is false when any step failed.
bool registerCompany(data::TFDM& dm, int year, int kco, const CompanyInput& in);

// Changes the name, codes, grade names and the hour and wage fields of company kco in year. The
// MKIGYOU2 settings that the company data screen does not show are reset to 0 or empty.
bool changeCompany(data::TFDM& dm, int year, int kco, const CompanyInput& in);

// Deletes company kco of year: its rows in every table of the fiscal year's database and its MKIGYOU1
// row of that year, in one transaction over both databases, so that either all go or none.
bool deleteCompany(data::TFDM& dm, int year, int kco);

} // namespace app
