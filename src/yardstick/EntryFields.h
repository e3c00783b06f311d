#pragma once
// The numeric and text fields of the yardstick entry screens (standard cost of living, model data,
// model wages): how long each may be, which values it takes and how an accepted value is shown.
// A value whose formatted text would no longer pass the field's own check (a rate of 123456 shown
// as "123,456.00") is out of range, so that a field never holds a text it would refuse.

#include "app/SharedRoutines.h"

#include <QString>
#include <optional>

namespace yardstick {

struct NumberField {
    bool decimal{false};
    int maxLength{0};     // characters without the thousands separators
    QString format;       // the picture an accepted value is shown with; empty: as typed
    double min{0};
    double max{0};
};

// The fields of the screens.
const NumberField& householdSizeField();     // 所帯人員: 0..99
const NumberField& householdAgeField();      // 所帯年齢: 0..999
const NumberField& livingCostField();        // 生計費 (千円): 0..99,999,999, "#,##0"
const NumberField& livingRateField();        // 愉楽率, 最低率, 単身率: 0..99,999.99, "#,##0.00"
const NumberField& multiplierField();        // 掛率: 0..99.999, "#,##0.000"
const NumberField& modelYearsField();        // 年齢, 勤続年数, 経験年数 of a model wage: 0..99
const NumberField& modelAmountField();       // model wage amounts (千円): 0..99,999,999, "#,##0"
const NumberField& establishmentsField();    // 事業所数: 0..99,999

// The check of a field when it is left: "数値を入力してください。" for anything but a number
// (thousands separators allowed), "入力範囲外です。" for too many characters or a value outside the
// field's range; an accepted value comes back in text formatted by the field's picture.
app::FieldCheck checkNumberField(const NumberField& field, const QString& text);
// The value of a field's text after the same check; nothing when it would be refused.
std::optional<double> numberFieldValue(const NumberField& field, const QString& text);
// The text a field shows for a stored value.
QString numberFieldText(const NumberField& field, double value);

// The free texts: source, area, survey time, ... (30 characters) and the remarks (255).
inline constexpr int kShortTextLength = 30;
inline constexpr int kRemarksLength = 255;
// "入力範囲外です。" for too long a text, the CP932 message for a character the files cannot hold.
std::optional<QString> textFieldRefusal(const QString& text, int maxLength);

} // namespace yardstick
