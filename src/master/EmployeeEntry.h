#pragma once
// The employee register without widgets: the texts of its fields, their checks, the record built
// from them, the pay totals, the texts shown for a stored employee, the list and the writes.
//
// The screen (TQK0030) copies its controls into an EmployeeForm and back; everything that decides or
// computes is here. Amounts are whole yen in 64-bit integers: twelve months of eight pay items of up
// to eight digits do not fit 32 bits.

#include "app/SharedRoutines.h"
#include "data/Records.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

namespace data {
class TFDM;
struct AppState;
}

namespace master {

// Every field of the screen that can refuse its input, in screen order. The members of a group of
// boxes follow each other (Base1 + 2 is the third base-pay item).
enum class EmployeeField {
    Code,
    Number,
    Name,
    BirthEra, BirthYear, BirthMonth, BirthDay,
    HireEra, HireYear, HireMonth, HireDay,
    Position,
    WorkForm,
    Education, Major, Qualifications, Assignment,
    AppointmentEra, AppointmentYear, AppointmentMonth, AppointmentDay,
    Grade,
    AbilityPoints,
    AchievementRate,
    Evaluation,
    PastEvaluation1, PastEvaluation2, PastEvaluation3,
    ExperienceYears,
    JobPoints,
    Mark,
    Base1, Base2, Base3,
    BaseAfter1, BaseAfter2, BaseAfter3,
    Allowance1, Allowance2, Allowance3, Allowance4, Allowance5,
    AllowanceAfter1, AllowanceAfter2, AllowanceAfter3, AllowanceAfter4, AllowanceAfter5,
    Bonus1, Bonus2,
    RetirementRate,
    RaiseHistory1, RaiseHistory2, RaiseHistory3,
};
inline EmployeeField nthField(EmployeeField first, int offset) { return EmployeeField(int(first) + offset); }
// Whether a field lies on the tab "基本情報" (the others are on the two pay tabs).
bool onBasicTab(EmployeeField f);

// A date as its four boxes show it.
struct DateText {
    QString era;     // era name; used only with the era display on
    QString year;    // two digits: era year or the last two digits of the Western year
    QString month;
    QString day;
};

// The texts of the screen's fields.
struct EmployeeForm {
    QString code;                          // cmbWorker: the employee code
    QString number;                        // SCOT
    QString name;                          // SNA
    bool female = false;                   // SEIBETSU
    DateText birth, hire, appointment;     // SEIHI, NYUHI, THI
    QString position;                      // YAKU
    int workForm = 0;                      // SM1: the code of the chosen work form, 0 for none
    QString education, major, qualifications, assignment;   // GAKU, SENKOU, KSIKAKU, KEIKEN
    QString grade;                         // cmbSikaku: TCO and TOUKYU
    QString abilityPoints;                 // GOUHOU
    QString achievementRate;               // TRITSU
    QString evaluation;                    // cmbHyouka1: HCO
    std::array<QString, 3> pastEvaluations;   // HNA1..HNA3
    QString experienceYears;               // NENSU
    QString jobPoints;                     // TENSU
    QString mark;                          // cmbMark: MCO
    QString picture;                       // SPATH, a name under Picture/
    std::array<QString, 3> base, baseAfter;              // KKYU1..3, NKKYU1..3
    std::array<QString, 5> allowances, allowancesAfter;  // TEATE1..5, NTEATE1..5
    QString bonus1, bonus2;                // SYOUYO, SYOUYO2
    QString retirementRate;                // SRITSU
    std::array<QString, 3> raiseHistory;   // UPKIN1..3
};

// The text a field refuses, with its message.
struct EmployeeRefusal {
    EmployeeField field;
    QString message;
};

// ---- Fields one at a time (checked when the focus leaves them) -------------------------------------

// The check of a text, number or date box when it is left (not of the code lists, which are
// app::CheckCodeCombo's): free texts up to their length and writable in CP932; numbers whole (commas
// ignored) within their length and range, money reformatted "#,##0" and the raise history
// "##,##0"; the retirement rate a decimal number shown "#,##0.000"; date boxes whole numbers, the
// year 0..99, the month 0..12 and the day 0..31 (0 = not entered). accepted with the field's new
// text (empty: leave it) or the message.
app::FieldCheck checkEmployeeField(EmployeeField f, const QString& text);
// The longest text a free-text field takes (SCOT 10, SNA 20, ...); 0 for the other fields.
int textFieldLength(EmployeeField f);

// ---- The record ----------------------------------------------------------------------------------------

// What the screen shows from other tables: the code lists that cmbSikaku and cmbMark offer, and
// the values of the hidden wage-table, band and role-evaluation lists.
struct EmployeeContext {
    QStringList grades;          // "1 : 第１等級" ... "0 : 指定なし"
    QStringList marks;           // "1 : ●  営業部" ...
    int wageTable = 0;           // SKCO of the employee last shown, when that wage table exists
    int band = 0;                // BANDID, likewise
    int roleEvaluation = 0;      // YHYOUKA, likewise
    int wageTableLink = 0;       // JISEKI: the base-pay item 1..3 taken from the wage table, 0 none
};

// Checks the form and copies it into record, in this order; the first refusal ends it:
// 1. no employee code: "社員コードが入力されていません。";
// 2. no name: "氏名は必ず入力してください。";
// 3. a code that is no number ("数値を入力して下さい。") or 0 ("０は入力できません。");
// 4. the birth, hire and appointment dates: each box as when it is left, then the date as a whole
//    ("生年月日の入力エラーです。", "入社日の入力エラーです。", "登用日の入力エラーです。"), in era form
//    with the era display on;
// 5. every other field as when it is left; a grade or mark code that is not in its list
//    ("存在しないコードです。"; mark 0 is no mark). The evaluation is taken as typed.
// Then record gets the key (KCO, SCO, NENDO of the open company), every field, the codes (the
// number before the first blank, 0 when there is none), NENREI and KINZOKU in completed years to
// the reference date, the totals, JISEKI, the hidden list values, and MLINK, ZONEX 0, MNA and SM2
// empty. Fields the screen does not show keep what record held.
std::optional<EmployeeRefusal> fillEmployee(const EmployeeForm& form, const EmployeeContext& context,
                                            data::TSyain_& record);

// The fields a new employee starts with apart from the screen's: zeros, empty names, the moment of
// registration in NEWDAY1.
void prepareNewEmployee(data::TSyain_& record, const QDateTime& now);

// The form showing a stored employee: dates split for display (era form with the era display on;
// a date of 0 shows "0" in its boxes), money "#,##0", the raise history "##,##0", the retirement rate
// "#,##0.000", the achievement rate as a plain number, grade, mark and evaluation as list entries
// ("0 : なし" for 0). The after-raise box of the wage-table-linked item (JISEKI 1..3) shows the
// wage-table amount NKIN.
EmployeeForm formOf(const data::TSyain_& record);
// The cleared screen: empty texts, "0" in date, number and money boxes, "0.000" retirement rate,
// grade, mark and evaluation "0 : なし", male, no work form, era lists " ".
EmployeeForm clearedForm();
// JISEKI as the screen uses it: 1..3, anything else 0.
int wageTableLinkOf(const data::TSyain_& record);

// ---- Amounts -----------------------------------------------------------------------------------------

struct PayAmounts {
    std::array<qint64, 3> base{}, baseAfter{};
    std::array<qint64, 5> allowances{}, allowancesAfter{};
    qint64 bonus1 = 0, bonus2 = 0;
};

struct PayTotals {
    qint64 baseBefore = 0;        // KKYU1 + KKYU2 + KKYU3
    qint64 baseAfter = 0;         // NKKYU1 + NKKYU2 + NKKYU3
    qint64 allowancesBefore = 0;  // TEATE1 + ... + TEATE5
    qint64 allowancesAfter = 0;   // NTEATE1 + ... + NTEATE5
    qint64 scheduledBefore = 0;   // baseBefore + allowancesBefore (所定給)
    qint64 scheduledAfter = 0;    // baseAfter + allowancesAfter
    qint64 annualBefore = 0;      // scheduledBefore * 12 + bonus1 + bonus2 (年収)
    qint64 annualAfter = 0;       // scheduledAfter * 12 + bonus1 + bonus2
    qint64 baseRaise = 0;         // baseAfter - baseBefore (Up基本給)
    qint64 allowanceRaise = 0;    // allowancesAfter - allowancesBefore (Up手当)
};

PayTotals payTotals(const PayAmounts& a);
// The amounts of the form's money boxes; an empty box or one that is no number counts 0.
PayAmounts amountsOf(const EmployeeForm& form);
// An amount as the money boxes show it: "#,##0".
QString moneyText(qint64 yen);

// The hourly wage shown for a stored employee: its scheduled pay before the raise divided by the
// company's monthly working hours, "##,##0" (0 when the hours are 0).
QString hourlyWageText(const data::TSyain_& record, double monthlyHours);

// The tab "賃金情報２": the caption of the optimal-wage item and the optimal wage, the residual
// (actual − optimal) and its share of the optimal wage in per cent. All empty when FITNO is 0.
struct OptimalWageTexts {
    QString caption;    // FITNAME
    QString fitted;     // FITKIN, "##,##0"
    QString residual;   // FITJITSU - FITKIN, "##,##0"
    QString ratio;      // (FITJITSU - FITKIN) * 100 / FITKIN, "##0.00%" (0 when FITKIN is 0)
};
OptimalWageTexts optimalWageTexts(const data::TSyain_& record);

// ---- The list --------------------------------------------------------------------------------------------

// The employees of the open company and year, by code; with gradeFilter 1..9 only those of that
// grade. False when the read failed (shown); the list is then empty.
bool loadEmployeeList(data::TFDM& dm, int gradeFilter, std::vector<data::TSyain_>& list);

// The text of column 1..10 of the list grid: code, number, name, age, service, position, this
// year's evaluation symbol, grade, ability points, achievement rate. Age and service count to the
// reference date and are 0 for an employee without employee number; for an employee whose MLINK is
// 1..3 the last column shows the zone of the before-raise amount of that item in the band.
QString employeeCellText(const data::TSyain_& e, int column);

// ---- Writes ------------------------------------------------------------------------------------------------

// " WHERE NENDO = year AND   KCO   = company AND   SCO   = code" of the open company.
QString employeeWhere(const data::AppState& st, qint64 code);

enum class RegisterOutcome { Registered, Exists, Failed };
// Inserts the employee (both tables, both or neither) unless its code exists in the year.
RegisterOutcome registerEmployee(data::TFDM& dm, data::TSyain_& record);
// Updates both rows of the employee (both or neither); one that does not exist is not created.
bool changeEmployee(data::TFDM& dm, data::TSyain_& record);
// Deletes both rows of the employee code (both or neither).
bool deleteEmployee(data::TFDM& dm, qint64 code);

// ---- Photos ------------------------------------------------------------------------------------------------

// The name under pictureDir of a chosen file: only for a file that, with "..", "\" and links
// resolved, lies inside the (resolved) folder; the name is the rest of the path and at most 255
// characters. Nothing for any other path.
std::optional<QString> pictureNameFromPath(const QString& pictureDir, const QString& chosenPath);

} // namespace master
