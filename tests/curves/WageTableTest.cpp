// The wage table of the designs: the linear interpolation row by row, where each design starts and
// what its index is based on, and the checks of the design grid.

#include "CurveFixture.h"
#include "curves/RaiseDesign.h"

#include <gtest/gtest.h>

namespace {

using curvefixture::setDesign;
using curves::DesignGrid;

struct Row {
    qint64 sdco, no, x, amount, pitch;
    double rate;
    qint64 index;
};

void expectRows(const std::vector<data::TCHNGIN_>& got, const std::vector<Row>& want)
{
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < want.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "row " << i);
        const data::TCHNGIN_& r = got[i];
        EXPECT_EQ(r.SDCO, want[i].sdco);
        EXPECT_EQ(r.NO, want[i].no);
        EXPECT_EQ(r.SNENREI, want[i].x);
        EXPECT_EQ(r.SKIN, want[i].amount);
        EXPECT_EQ(r.PITCH, want[i].pitch);
        EXPECT_DOUBLE_EQ(r.SRITSU, want[i].rate);
        EXPECT_EQ(r.KAKUSA, want[i].index);
    }
}

std::vector<data::TCHNGIN_> rowsOf(const DesignGrid& g)
{
    return curves::wageTableRows(g, 0, 3, QStringLiteral("1"), QStringLiteral("2020"));
}

TEST(WageTable, WorkedExampleRowByRow)
{
    const auto rows = rowsOf(curvefixture::workedExample());
    // pitch 10 x RoundToDigits(1, 12345 / 5 / 10 = 246.9) = 2,470; the designed end keeps its amount.
    expectRows(rows, {
                         {1, 1, 20, 200000, 2470, 1.23, 100},
                         {1, 2, 21, 202470, 2470, 1.21, 101},
                         {1, 3, 22, 204940, 2470, 1.20, 102},
                         {1, 4, 23, 207410, 2470, 1.19, 103},
                         {1, 5, 24, 209880, 2470, 1.17, 104},
                         {1, 6, 25, 212345, 2470, 1.16, 106},
                     });
    for (const data::TCHNGIN_& r : rows) {
        EXPECT_EQ(r.KCO.toStdString(), "1");
        EXPECT_EQ(r.NENDO.toStdString(), "2020");
        EXPECT_EQ(r.X, 0);
        EXPECT_EQ(r.Y, 3);
    }
}

TEST(WageTable, WhereDesignsStartAndHowSegmentsJoin)
{
    struct Case {
        const char* name;
        std::initializer_list<std::pair<qint64, qint64>> points;
        std::vector<Row> rows;
    };
    const Case cases[] = {
        // The second segment starts one step after the shared point.
        {"two segments",
         {{25, 212345}, {26, 214000}, {28, 216000}},
         {{2, 1, 25, 212345, 1660, 0.78, 100},
          {2, 2, 26, 214000, 1660, 0.77, 100},
          {2, 3, 27, 215000, 1000, 0.46, 101},
          {2, 4, 28, 216000, 1000, 0.46, 101}}},
        // Point 1 empty: the table starts with point 2 itself, which is also the base of the index.
        {"first point empty",
         {{0, 0}, {30, 250000}, {32, 260000}},
         {{2, 1, 30, 250000, 5000, 2.0, 100}, {2, 2, 31, 255000, 5000, 1.96, 102}, {2, 3, 32, 260000, 5000, 1.92, 104}}},
        // An empty point between two given ones is passed over: the line runs on from point 1 to 3.
        {"gap in the middle",
         {{40, 300000}, {0, 0}, {42, 302000}},
         {{2, 1, 40, 300000, 1000, 0.33, 100}, {2, 2, 41, 301000, 1000, 0.33, 100}, {2, 3, 42, 302000, 1000, 0.33, 100}}},
        // A falling curve through zero: the rate of a zero amount is 0, not a division by zero.
        {"falling to zero",
         {{20, 100}, {26, 1}},
         {{2, 1, 20, 100, -20, -20.0, 100},
          {2, 2, 21, 80, -20, -25.0, 80},
          {2, 3, 22, 60, -20, -33.33, 60},
          {2, 4, 23, 40, -20, -50.0, 40},
          {2, 5, 24, 20, -20, -100.0, 20},
          {2, 6, 25, 0, -20, 0.0, 0},
          {2, 7, 26, 1, -20, -2000.0, 1}}},
        // Amounts near the field's limit: pitch x 10000 and amount x 100 leave 32 bits.
        {"large amounts",
         {{20, 1000000}, {21, 99999999}},
         {{2, 1, 20, 1000000, 99000000, 9900.0, 100}, {2, 2, 21, 99999999, 99000000, 99.0, 9999}}},
        {"no point", {}, {}},
        {"a single point", {{30, 250000}}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DesignGrid g;
        setDesign(g, 2, c.points);
        expectRows(rowsOf(g), c.rows);
    }
}

TEST(WageTable, DesignsFollowEachOtherWithTheirOwnNumbering)
{
    DesignGrid g;
    setDesign(g, 1, {{20, 200000}, {21, 201000}});
    setDesign(g, 4, {{30, 300000}, {32, 310000}});
    const auto rows = rowsOf(g);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[1].SDCO, 1);
    EXPECT_EQ(rows[1].NO, 2);
    EXPECT_EQ(rows[2].SDCO, 4);
    EXPECT_EQ(rows[2].NO, 1);
    EXPECT_EQ(rows[4].SNENREI, 32);
    EXPECT_EQ(rows[4].KAKUSA, 103);
}

TEST(DesignGridCheck, FirstFaultNamesColumnAndRow)
{
    struct Case {
        const char* name;
        int design;
        std::initializer_list<std::pair<qint64, qint64>> points;
        const char* message;   // empty: the grid passes
    };
    const Case cases[] = {
        {"equal x", 1, {{30, 250000}, {30, 260000}}, "年齢は昇順に入力して下さい。1列 1行目"},
        {"falling x", 3, {{20, 1}, {40, 2}, {35, 3}}, "年齢は昇順に入力して下さい。3列 2行目"},
        {"falling across a gap", 2, {{40, 5}, {0, 0}, {0, 0}, {38, 6}}, "年齢は昇順に入力して下さい。2列 1行目"},
        {"amount without x", 5, {{20, 1}, {0, 100}}, "年齢を入力して下さい。5列 2行目"},
        {"x without amount", 4, {{20, 1}, {25, 2}, {26, 2}, {27, 0}}, "金額を入力して下さい。4列 4行目"},
        {"ascending with gaps", 2, {{0, 0}, {20, 1}, {0, 0}, {30, 2}, {0, 0}, {45, 3}}, ""},
        {"six points", 5, {{20, 1}, {25, 2}, {30, 3}, {35, 4}, {40, 5}, {45, 6}}, ""},
        {"empty", 1, {}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DesignGrid g;
        setDesign(g, c.design, c.points);
        const auto fault = curves::checkDesignGrid(g);
        if (*c.message == '\0') {
            EXPECT_FALSE(fault.has_value());
            continue;
        }
        ASSERT_TRUE(fault.has_value());
        EXPECT_EQ(fault->message.toStdString(), c.message);
    }
}

TEST(DesignGridCheck, EarlierDesignsAreCheckedFirst)
{
    DesignGrid g;
    setDesign(g, 2, {{30, 0}});
    setDesign(g, 4, {{0, 5}});
    const auto fault = curves::checkDesignGrid(g);
    ASSERT_TRUE(fault.has_value());
    EXPECT_EQ(fault->design, 2);
    EXPECT_EQ(fault->point, 1);
}

} // namespace
