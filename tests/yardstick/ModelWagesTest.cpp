// Model data and model wages without their screens: saving inserts or updates in place, the
// refusals of every field, deleting.

#include "YardstickFixture.h"
#include "yardstick/ModelWages.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

using namespace yardstick;
using yardfixture::scalar;

QString q(const char* text) { return QString::fromUtf8(text); }

ModelDataTexts modelData(int code, const char* name)
{
    ModelDataTexts t;
    t.code = code;
    t.name = q(name);
    t.source = q("賃金実態調査");
    t.area = q("全国");
    t.establishments = q("312");
    t.surveyTime = q("2020年6月");
    t.industry = q("製造業");
    t.size = q("100～999人");
    t.remarks = q("所定内賃金");
    return t;
}

ModelWageTexts modelWage(int model, int wage, const char* age, const char* basePay)
{
    ModelWageTexts t;
    t.modelCode = model;
    t.wageCode = wage;
    t.age = q(age);
    t.service = q("4");
    t.experience = q("4");
    t.basePay = q(basePay);
    t.scheduledPay = q("2,500");
    t.bonus = q("800");
    t.annualIncome = q("38,800");
    t.lineType = q("2 : 点線");
    return t;
}

TEST(ModelData, SaveInsertsThenUpdatesInPlace)
{
    TestHome home;
    data::TFDM& dm = home.dm();
    ModelDataInput in = readModelData(modelData(5, "高卒モデル"));
    ASSERT_TRUE(in.row.has_value());
    ASSERT_TRUE(saveModelData(dm, *in.row));
    in = readModelData(modelData(5, "高卒モデル（改）"));
    ASSERT_TRUE(saveModelData(dm, *in.row));
    in = readModelData(modelData(2, "大卒モデル"));
    ASSERT_TRUE(saveModelData(dm, *in.row));

    std::vector<data::TMODEL_> rows;
    ASSERT_TRUE(modelDataRows(dm, rows));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(modelDataEntry(rows[0]), q("2 : 大卒モデル"));
    EXPECT_EQ(modelDataEntry(rows[1]), q("5 : 高卒モデル（改）"));
    EXPECT_EQ(rows[1].JSU, q("312"));
    EXPECT_EQ(rows[1].BIKOU, q("所定内賃金"));

    ASSERT_TRUE(deleteModelData(dm, 5));
    ASSERT_TRUE(modelDataRows(dm, rows));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].MDCO, q("2"));
    home.expectNoUnexpected();
}

TEST(ModelData, Refusals)
{
    const QString range = QStringLiteral("入力範囲外です。");
    struct Case {
        const char* name;
        std::function<void(ModelDataTexts&)> change;
        ModelDataField field;
        QString message;
    };
    const Case cases[] = {
        {"no code", [](auto& t) { t.code = 0; }, ModelDataField::Code, q("モデルコードが入力されていません。")},
        {"letters as establishments", [](auto& t) { t.establishments = q("多数"); }, ModelDataField::Establishments,
         q("数値を入力してください。")},
        {"six-digit establishments", [](auto& t) { t.establishments = q("123456"); }, ModelDataField::Establishments, range},
        {"name over 30 characters", [](auto& t) { t.name = QString(31, QChar(u'名')); }, ModelDataField::Name, range},
        {"size over 30 characters", [](auto& t) { t.size = QString(31, QChar(u'x')); }, ModelDataField::Size, range},
        {"remarks over 255", [](auto& t) { t.remarks = QString(256, QChar(u'備')); }, ModelDataField::Remarks, range},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ModelDataTexts t = modelData(3, "モデル");
        c.change(t);
        const ModelDataInput in = readModelData(t);
        ASSERT_FALSE(in.row.has_value());
        EXPECT_EQ(in.refusal.field, c.field);
        EXPECT_EQ(in.refusal.message, c.message);
    }
    ModelDataTexts t = modelData(3, "モデル");
    t.remarks = QString(255, QChar(u'備'));
    EXPECT_TRUE(readModelData(t).row.has_value());
}

TEST(ModelWage, SaveInsertsThenUpdatesAndDeletes)
{
    TestHome home;
    data::TFDM& dm = home.dm();
    ModelWageTexts t = modelWage(5, 3, "22", "2,345");
    ModelWageInput in = readModelWage(t);
    ASSERT_TRUE(in.row.has_value()) << in.refusal.message.toStdString();
    EXPECT_EQ(in.row->KKIN, q("2345"));   // stored without separators
    EXPECT_EQ(in.row->NENSYU, q("38800"));
    EXPECT_EQ(in.row->SENSYU, q("2"));
    ASSERT_TRUE(saveModelWage(dm, *in.row));
    in = readModelWage(modelWage(5, 1, "18", "168"));
    ASSERT_TRUE(saveModelWage(dm, *in.row));
    in = readModelWage(modelWage(6, 1, "30", "300"));   // another model code
    ASSERT_TRUE(saveModelWage(dm, *in.row));
    EXPECT_EQ(scalar(dm.ACN1, q("SELECT COUNT(*) FROM MDCHINGIN")), 3);

    // Saving an existing wage code updates its row.
    in = readModelWage(modelWage(5, 3, "23", "2,400"));
    ASSERT_TRUE(saveModelWage(dm, *in.row));
    std::vector<data::TMDCHNGIN_> rows;
    ASSERT_TRUE(modelWageRows(dm, 5, rows));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(modelWageEntry(rows[0]), q("1 : 18"));
    EXPECT_EQ(modelWageEntry(rows[1]), q("3 : 23"));
    EXPECT_EQ(rows[1].KKIN, q("2400"));

    ASSERT_TRUE(deleteModelWage(dm, 5, 3));
    ASSERT_TRUE(modelWageRows(dm, 5, rows));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(scalar(dm.ACN1, q("SELECT COUNT(*) FROM MDCHINGIN WHERE MDCO = 6")), 1);
    home.expectNoUnexpected();
}

TEST(ModelWage, Refusals)
{
    const QString number = QStringLiteral("数値を入力してください。");
    const QString range = QStringLiteral("入力範囲外です。");
    struct Case {
        const char* name;
        std::function<void(ModelWageTexts&)> change;
        ModelWageField field;
        QString message;
    };
    const Case cases[] = {
        {"no wage code", [](auto& t) { t.wageCode = 0; }, ModelWageField::Code, q("モデル賃金コードが入力されていません。")},
        {"no model code", [](auto& t) { t.modelCode = 0; }, ModelWageField::Code, q("モデル賃金コードが入力されていません。")},
        {"letters as age", [](auto& t) { t.age = q("二十"); }, ModelWageField::Age, number},
        {"age of 100", [](auto& t) { t.age = q("100"); }, ModelWageField::Age, range},
        {"negative service", [](auto& t) { t.service = q("-1"); }, ModelWageField::Service, range},
        {"experience with decimals", [](auto& t) { t.experience = q("1.5"); }, ModelWageField::Experience, number},
        {"amount of nine digits", [](auto& t) { t.basePay = q("123,456,789"); }, ModelWageField::BasePay, range},
        {"negative amount", [](auto& t) { t.bonus = q("-5"); }, ModelWageField::Bonus, range},
        {"empty amount", [](auto& t) { t.annualIncome.clear(); }, ModelWageField::AnnualIncome, number},
        {"line type 6", [](auto& t) { t.lineType = q("6"); }, ModelWageField::LineType, q("存在しないコードです。")},
        {"line type as text", [](auto& t) { t.lineType = q("点線"); }, ModelWageField::LineType, q("数値を入力して下さい。")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ModelWageTexts t = modelWage(5, 3, "22", "2,345");
        c.change(t);
        const ModelWageInput in = readModelWage(t);
        ASSERT_FALSE(in.row.has_value());
        EXPECT_EQ(in.refusal.field, c.field);
        EXPECT_EQ(in.refusal.message, c.message);
    }
}

} // namespace
