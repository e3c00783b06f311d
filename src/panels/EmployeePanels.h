#pragma once
// What the employee panels of the plot window show and store, without widgets: the employee's row,
// the five rows of the information panels (profile, evaluation, career, wage information), the
// figures of the optimal wage panel and its update.

#include "data/Records.h"

#include <QString>

#include <array>

namespace data {
class TFDM;
struct AppState;
}

namespace panels {

// The panel kinds, numbered as the point menu numbers them.
namespace kind {
inline constexpr int Profile = 1;
inline constexpr int Evaluation = 2;
inline constexpr int Career = 3;
inline constexpr int WageInfo = 4;
inline constexpr int OptimalWage = 6;
inline constexpr int Image = 7;
}  // namespace kind

// "1.プロフィール", "2.人事考課", "3.キャリア", "4.賃金情報", "6.最適賃金", "7.イメージ"; empty for
// other numbers.
QString panelCaption(int panelKind);

// Reads the employee's VSYAIN row of the open company and year into row. False when the employee no
// longer exists (row.ok false) or the read failed (already shown).
bool readEmployee(data::TFDM& dm, int employeeCode, data::TSyain_& row);

// SCO + separator + SNA: two blanks on the information panels, one on the others.
QString employeeLine(const data::TSyain_& row, const QString& separator);

// The five rows of an information panel (kinds 1 to 4).
struct InfoPanelTexts {
    QString caption;
    QString employeeLine;
    std::array<QString, 5> titles;
    std::array<QString, 5> values;
};
// Profile: number, age, service, education, major. Evaluation: the last three years and this one.
// Career: post, grade name (empty for grade 0), pay step, completed years since THI + " 年".
// Wage information: base pay, allowances, prescribed pay, annual bonus, annual income "#,##0 円".
InfoPanelTexts infoPanelTexts(int panelKind, const data::TSyain_& row, const data::AppState& state);

// The figures of the optimal wage panel.
struct FitPanelValues {
    QString employeeLine;
    QString item;           // the pay item of the optimal wage by FITNO; empty for no item
    qint64 actual{0};       // that item's actual amount; 0 for no item
    QString actualText;     // "#,##0円"
    QString fitText;        // FITKIN "#,##0円"
    QString residualText;   // actual - FITKIN "#,##0円"
    QString ratioText;      // (actual - FITKIN) · 100 / FITKIN "0.00％", 0 when FITKIN is 0
    QString kkyu3Text;      // "#,##0"
};
FitPanelValues fitPanelValues(const data::TSyain_& row);

// What became of an update from the optimal wage panel.
struct FitUpdateOutcome {
    bool updated{false};
    QString message;        // set when the employee no longer exists; database errors were shown
};
// Sets the evaluation HCO and the base pay item KKYU3 of the employee, reading the row again and
// writing it back in one transaction. "社員番号 " + code + " の社員は登録されていません。更新できませんでした。"
// when the employee no longer exists.
FitUpdateOutcome updateFitPanel(data::TFDM& dm, int employeeCode, int evaluationCode, qint64 kkyu3);

}  // namespace panels
