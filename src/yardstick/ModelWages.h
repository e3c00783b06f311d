#pragma once
// Model data and model wages (モデル賃金) without their screens. Both live in the control database,
// shared by every company and year: one descriptive MDEL row per model code, and the MDCHINGIN
// points of a model code, one row per wage code. Everything MDCHINGIN holds is stored as text.

#include "data/Records.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace data {
class TFDM;
}

namespace yardstick {

// ---- Model data (MDEL) ------------------------------------------------------------------------------

// Every MDEL row by code; entries of its list are MDCO + " : " + MDNA. False after a read error.
bool modelDataRows(data::TFDM& dm, std::vector<data::TMODEL_>& rows);
QString modelDataEntry(const data::TMODEL_& row);

// The texts of the model data screen.
struct ModelDataTexts {
    int code{0};
    QString name;            // 賃金名称
    QString source;          // 出所
    QString area;            // 対象地域
    QString establishments;  // 事業所数
    QString surveyTime;      // 調査時点
    QString industry;        // 業種
    QString size;            // 規模
    QString remarks;         // 備考
};

enum class ModelDataField { Code, Name, Source, Area, Establishments, SurveyTime, Industry, Size, Remarks };
struct ModelDataRefusal {
    ModelDataField field{ModelDataField::Code};
    QString message;
};
// The row to save, or the first refusal: no code ("モデルコードが入力されていません。"), a number
// of establishments that is no whole number of up to 5 digits, a text over 30 characters (remarks
// 255) or with a character outside CP932.
struct ModelDataInput {
    std::optional<data::TMODEL_> row;
    ModelDataRefusal refusal;
};
ModelDataInput readModelData(const ModelDataTexts& texts);

// Updates the row of its code, or inserts it when there is none, in one transaction. False after
// the database error box.
bool saveModelData(data::TFDM& dm, data::TMODEL_ row);
bool deleteModelData(data::TFDM& dm, int code);

// ---- Model wages (MDCHINGIN) ------------------------------------------------------------------------

// The points of a model code by wage code; entries of its list are MCCO + " : " + NENREI.
bool modelWageRows(data::TFDM& dm, int modelCode, std::vector<data::TMDCHNGIN_>& rows);
QString modelWageEntry(const data::TMDCHNGIN_& row);

struct ModelWageTexts {
    int modelCode{0};
    int wageCode{0};
    QString age, service, experience;     // 年齢, 勤続年数, 経験年数
    QString basePay, scheduledPay, bonus, annualIncome;   // 千円, "#,##0"
    QString lineType;                     // "n : name" of the line-type list
};
enum class ModelWageField { Code, Age, Service, Experience, BasePay, ScheduledPay, Bonus, AnnualIncome, LineType };
struct ModelWageRefusal {
    ModelWageField field{ModelWageField::Code};
    QString message;
};
// The line type of a line-type entry: its text before the first blank must be one of the codes
// 0..5 ("存在しないコードです。", or "数値を入力して下さい。" for no number).
std::optional<int> lineTypeOf(const QString& entry, QString* message = nullptr);
// The row to save (amounts without separators), or the first refusal: no model or wage code
// ("モデル賃金コードが入力されていません。"), an age or number of years that is no whole number of up
// to 2 digits, an amount that is none of up to 8 digits, a line type outside the list.
struct ModelWageInput {
    std::optional<data::TMDCHNGIN_> row;
    ModelWageRefusal refusal;
};
ModelWageInput readModelWage(const ModelWageTexts& texts);

// Updates the row of its model and wage code, or inserts it, in one transaction.
bool saveModelWage(data::TFDM& dm, data::TMDCHNGIN_ row);
bool deleteModelWage(data::TFDM& dm, int modelCode, int wageCode);

} // namespace yardstick
