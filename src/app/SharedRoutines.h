#pragma once
// The routines every screen shares, without widgets: null-safe value conversions, Japanese-era dates
// and labels, ages, rounding of amounts, the decisions behind code-list combo boxes and numeric entry
// fields, check-box flag strings, and the loaders that fill the per-company caches of the application
// state. The widget wrappers over these live in ComboHelpers.h.
//
// Everything here reads the application state of TFDM::current(); the loaders read through the table
// access layer on ACN2 / Query21. Their conditions are built only from the company code and fiscal
// year held as numbers, never from typed text. A failed read has already been reported by the data
// layer; a loader then returns false and leaves its cache empty (or at its defaults).

#include "data/AppState.h"

#include <QDate>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <array>
#include <optional>
#include <vector>

namespace app {

// ---- Value conversions (a database value may be null) ----------------------------------------------

// The value as text; "0" for null or empty.
QString VarToStrZero(const QVariant& v);
// The value as text; empty for null.
QString VarToStrEmpty(const QVariant& v);
// Null, empty or no number give 0; thousands separators "," are ignored; a decimal is rounded
// (halves to even, as every integer read of the data layer).
qint64 VarToIntSafe(const QVariant& v);
// The same as floating point.
double VarToFloatSafe(const QVariant& v);

// A whole number as typed: optional sign and digits, blanks around ignored. No decimals, no
// exponent, no separators; nothing when it is anything else or does not fit.
std::optional<qint64> parseWholeNumber(const QString& text);

// ---- Japanese-era dates ------------------------------------------------------------------------------

// Date parts as the era routines exchange them.
struct TYMD {
    QString date;    // yyyymmdd
    QString era;     // era name (昭和, 平成, ...); empty without era display
    QString year;    // two digits: era year, or the Western year's last two digits
    QString month;   // two digits
    QString day;     // two digits
    QDate value;
};

// Splits d.date into its parts; with era display on, era and year become the era name and era year.
// True also when the date text is not eight characters long (the parts are then "0"); false when the
// text is no valid date (value stays today) or, with era display, the date precedes every era.
bool DateToEra(TYMD& d);
// Builds d.date and d.value from era (or two-digit Western year), month and day. Month and day both
// "0" (or empty) mean no date: d.date = "0" and true. With era display off a year up to 30 means
// 20xx, above it 19xx. An unknown era name or an invalid date gives false; an invalid date also
// makes the value today's date.
bool EraToDate(TYMD& d);
// The year as shown in captions: "令和 02" in era form (eraForm nonzero), else "2020". Any failure
// gives the Western year.
QString YearLabel(int eraForm, int year);
// A yyyymmdd date as "平成01年01月08日" (era display) or "89年01月08日"; empty for 0.
QString DateLabel(int date);
// Whole years from date to the open company's reference date; when ages count to today this also
// refreshes TodayDate and its parts.
int AgeFromDate(int date);

// ---- Numbers -----------------------------------------------------------------------------------------

// base ^ exponent; 0 when base is 0 or the result is no finite number.
double PowerOf(double base, double exponent);
// x rounded to (digits - 1) decimal places, halves away from zero (digits 0 rounds to tens); 0 for
// x = 0; the integer part of x when the scaled value does not fit a 64-bit integer.
double RoundToDigits(int digits, double x);
// An amount rounded halves away from zero: mode 0 to tens, 1 to hundreds, any other to thousands.
// 0 for a value that is no finite number.
qint64 RoundWage(int mode, double x);

// A number formatted by a picture such as "#,##0", "0", "#,##0.0" or "0.00": "," groups thousands,
// "0" forces a digit, "#" shows one when needed; halves are rounded away from zero. An empty
// format gives the plain number.
QString formatNumber(const QString& format, double value);

// n + " : " + the name of grade n (1..9) of the open company; empty for other n.
QString GradeItemText(int n);
// n + " : " + mark symbol + "  " + legend of mark n (1..9) of the open company; empty for other n.
QString MarkItemText(int n);
// The n-th (1-based) field of text split at delimiter; empty when there are fewer fields.
QString NthField(const QString& text, QChar delimiter, int n);
// The integer of a typed text ("," ignored); on failure shows "数値の入力エラーです。" and gives false.
bool ParseIntInput(const QString& text, qint64& value);

// ---- Code lists --------------------------------------------------------------------------------------
// Items read code + " : " + name; "0 : なし" and "0 : 指定なし" stand for no choice.

QString noneItem();             // "0 : なし"
QString notSpecifiedItem();     // "0 : 指定なし"
// code + " : 未登録"
QString unregisteredItem(qint64 code);

// The code part of an item: the text before the first " : ", the whole text when it has none.
QString itemCode(const QString& item);
// The code part of a typed entry: the text before its first blank.
QString typedCode(const QString& text);
// The name part of an item: the text after the first " : ", the whole item when it has none.
QString itemName(const QString& item);

// The outcome of checking a typed code against the items of a code list.
struct CodeCheck {
    bool accepted = false;
    int code = 0;          // the typed code (0 when empty and not required)
    int index = -1;        // item to select, or -1
    QString text;          // what the box shows afterwards; empty: leave the text as it is
    QString message;       // the message to show when rejected
};
// The check of a code-list entry when it is left: the typed text up to its first blank must be a
// number; the first item with that code is selected; an unknown code is rejected when it must exist,
// else shown as code + " : 未登録". An empty entry is accepted unless required.
CodeCheck checkCodeText(const QStringList& items, const QString& typed, bool required, bool mustExist,
                        bool zeroForbidden);

// The item to show for a stored code text (cut at its first blank): empty for an empty text, and
// for "0" when zero means none; the matching item (with its index), or code + " : 未登録".
struct CodeChoice {
    QString text;
    int index = -1;
};
CodeChoice chooseCodeItem(const QStringList& items, const QString& codeText, bool zeroMeansNone);

// code = text before " : ", name = at most 100 characters after it; without " : " the whole text is
// the code and the name is empty.
struct CodeText {
    QString code;
    QString name;
};
CodeText splitCodeText(const QString& text);

// "0 : 実線" ... "5 : なし", and the item of style n (above 5 counts as 5, below 0 as 0).
QStringList lineStyleItems();
QString lineStyleItem(int n);

// ---- Numeric entry fields ----------------------------------------------------------------------------

struct FieldCheck {
    bool accepted = false;
    QString message;       // "数値を入力してください。" or "入力範囲外です。" when rejected
    QString text;          // the field's new text when accepted with a format, else empty
};
// An integer field: "," ignored; longer than maxLength (when positive), or outside [min, max] when
// either bound is nonzero, is out of range; with a format the accepted value is shown formatted.
FieldCheck checkIntText(const QString& text, int maxLength, const QString& format, qint64 min, qint64 max);
// The same for a decimal number, without the range check.
FieldCheck checkFloatText(const QString& text, int maxLength, const QString& format);

// ---- Check boxes and flag strings --------------------------------------------------------------------

// " IN(1,3)" for the 1-based positions of the checked boxes; " IN(99999)" (which matches nothing)
// when none is checked.
QString CheckedInList(const std::vector<bool>& checked);
// One character per box: "1" checked, "0" not.
QString flagsFromStates(const std::vector<bool>& checked);
// Box j is checked exactly when character j of flags is "1" (missing characters: unchecked).
std::vector<bool> statesFromFlags(const QString& flags, int count);
// The 0-based position of the first checked entry; 0 when none is.
int firstChecked(const std::vector<bool>& checked);

// ---- Photos ------------------------------------------------------------------------------------------

// The photo file name under the program's Picture folder, loaded as 24-bit colour. Nothing when the
// name is empty, leads outside the folder (after "..", "\" and links are resolved), is missing, or
// is no readable image.
std::optional<QImage> loadPicture(const QString& name);

// ---- Loaders of the per-company caches -----------------------------------------------------------------

// Reads the MKIGYOU2 row of record.NENDO / record.KCO into the record (fields KNA .. FRSTKYUM), after
// resetting FRSTKYU and FRSTKYUM to 3 and SKCO and SYOUKYUHI to 0. False when there is no row.
bool LoadCurrentCompany(data::TMKIGYOU2& record);
// Resets entries 0..lastIndex to the default mark, then fills entry MKCO - 1 from every MMARK row of
// the open company with MKCO 1..9. True when at least one row was taken.
bool LoadCompanyMarks(std::array<data::TMMARK, 9>& marks, int lastIndex);
// EvaluationSymbols := the YHYOUKA rows of the open company, by HCO.
bool LoadEvaluationSymbols();
// WageForms[1..4] := the SalaryName rows of the open company with SALARYID 1..4.
bool LoadWageForms();
// Captions of the three base-pay and five allowance labels of a work form: for work form 1..4 its
// names, an empty first base-pay name read as "基本給" and an empty first allowance as "手当" (the
// cache is corrected too); for any other, "基本給", "", "", "手当", "", "", "", "".
std::array<QString, 8> WageFormLabels(int workForm);
// StepNames := the DSCALE names (TKNA by TKNO 1..9) of wage table code, or the grade names of the
// open company for code 0.
bool LoadStepNames(int wageTableCode);
// Pay steps granted by evaluation code under wage table (MHYOUKA.SGOUSU); 0 when missing.
int EvaluationStepCount(int wageTable, int code);
// KIN<grade> of the DCHINGIN2 row of (table code, step); 0 when missing or grade outside 1..9. An
// amount that cannot be read shows "賃金表選択でオーバーフローが発生しました。" (too large) or
// "賃金表選択で不明なエラーが発生しました。" and gives 0.
qint64 WageTableAmount(int tableCode, int grade, int step);
// BandTable := every VBANDM row of the open company (by BANDID, MATRIXID, YHYOUKA); its title and
// rounding mode are those of the last row.
bool LoadBandTable();
// BandTable2 := every VBANDM2 row (by BANDID, MATRIXID), the same way.
bool LoadBandTable2();
// MatrixTable := the VMATRIXCELL rows grouped by band (a new group whenever BANDID changes); a band
// whose rows span several matrices forms one group carrying the first matrix id.
bool LoadMatrixTable();

// ---- Raises inside a band ------------------------------------------------------------------------------

// UP<zone> of the row with this role evaluation in the first group of this band; 0 when absent or
// zone outside 1..5.
double MatrixRaiseRate(const data::TMATTBL& matrix, int band, int roleEvaluation, int zone);
double MatrixRaiseRate(int band, int roleEvaluation, int zone);

// Zone 1..5 of an amount in a band row: lower <= wage < upper (zone 5 up to and including its upper
// amount when fifthIncludesUpper); a later matching zone wins; 0 when none matches.
int bandZone(const data::TBANDM& row, qint64 wage, bool fifthIncludesUpper);

struct BandRaiseResult {
    int zoneBefore = 0;     // 0: no row for band and evaluation, or the wage lies in no zone
    qint64 newWage = 0;     // the wage itself when zoneBefore is 0
    int zoneAfter = 0;      // zone of the new wage; zone 5 only below its upper amount
    double rate = 0;        // raise rate in percent
};
// The raise of a wage inside its band: the matrix rate of its zone, rounded by the band table's
// rounding mode, kept between lower amount 1 and the largest upper amount.
BandRaiseResult BandRaise(const data::TBANDTBL& bands, const data::TMATTBL& matrix, int band,
                          int roleEvaluation, qint64 wage);
BandRaiseResult BandRaise(int band, int roleEvaluation, qint64 wage);

} // namespace app
