// The numeric fields of the yardstick entry screens: what each takes, refuses and shows.

#include "yardstick/EntryFields.h"

#include <gtest/gtest.h>

namespace {

using namespace yardstick;

TEST(EntryFields, AcceptRefuseAndFormat)
{
    const QString number = QStringLiteral("数値を入力してください。");
    const QString range = QStringLiteral("入力範囲外です。");
    struct Case {
        const char* name;
        const NumberField& field;
        const char* text;
        const char* shown;      // accepted: the text shown afterwards ("" = as typed)
        QString message;        // refused: the message
    };
    const Case cases[] = {
        {"size", householdSizeField(), "4", "", {}},
        {"size of three digits", householdSizeField(), "100", nullptr, range},
        {"negative size", householdSizeField(), "-1", nullptr, range},
        {"letters", householdSizeField(), "ab", nullptr, number},
        {"empty", householdAgeField(), "", nullptr, number},
        {"age 999", householdAgeField(), "999", "", {}},
        {"age with decimals", householdAgeField(), "40.5", nullptr, number},
        {"cost grouped", livingCostField(), "1200", "1,200", {}},
        {"cost typed with commas", livingCostField(), "99,999,999", "99,999,999", {}},
        {"cost of nine digits", livingCostField(), "123456789", nullptr, range},
        {"rate", livingRateField(), "1.2", "1.20", {}},
        {"largest rate", livingRateField(), "99999.99", "99,999.99", {}},
        {"rate that would show too long", livingRateField(), "123456", nullptr, range},
        {"rate rounding up past the box", livingRateField(), "99999.995", nullptr, range},
        {"rate in exponent form", livingRateField(), "1e300", nullptr, range},
        {"negative rate", livingRateField(), "-0.5", nullptr, range},
        {"multiplier", multiplierField(), "1", "1.000", {}},
        {"multiplier of 100", multiplierField(), "100", nullptr, range},
        {"model age", modelYearsField(), "99", "", {}},
        {"model age of 100", modelYearsField(), "100", nullptr, range},
        {"model amount", modelAmountField(), "2345", "2,345", {}},
        {"establishments", establishmentsField(), "12345", "", {}},
        {"six-digit establishments", establishmentsField(), "123456", nullptr, range},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const app::FieldCheck r = checkNumberField(c.field, QString::fromUtf8(c.text));
        EXPECT_EQ(r.accepted, c.shown != nullptr);
        if (c.shown) {
            EXPECT_EQ(r.text.toStdString(), std::string(c.shown));
            // What is shown passes the check again.
            const QString shown = *c.shown ? QString::fromUtf8(c.shown) : QString::fromUtf8(c.text);
            EXPECT_TRUE(checkNumberField(c.field, shown).accepted);
        } else {
            EXPECT_EQ(r.message, c.message);
            EXPECT_FALSE(numberFieldValue(c.field, QString::fromUtf8(c.text)).has_value());
        }
    }
}

} // namespace
