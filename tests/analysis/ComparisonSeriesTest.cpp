// The comparison curves: cost of living (1030), model wages (1040) and the diagonal of the optimal
// wage (1070), with the marks that draw them.

#include "analysis/ComparisonSeries.h"

#include <gtest/gtest.h>

namespace {

using analysis::MarkSet;
using analysis::SeriesArray;

data::TSEIKEI_ living(qint64 age, qint64 thousandYen, double kk, double yu, double st, double tn)
{
    data::TSEIKEI_ r;
    r.SNENREI = age;
    r.SEIKEIHI = thousandYen;
    r.KKRITSU = kk;
    r.YURITSU = yu;
    r.STRITSU = st;
    r.TNRITSU = tn;
    return r;
}

TEST(CostOfLiving, FourCurvesInTenThousandYen)
{
    const std::vector<data::TSEIKEI_> rows = {
        living(25, 205, 1.0, 1.3, 0.8, 0.6),   // 20.5 → 21; 26.65 → 27; 16.4 → 16; 12.3 → 12
        living(0, 300, 1.0, 1.0, 1.0, 1.0),    // no age: left out
        living(35, 284, 1.1, 1.2, 0.9, 0.0),   // 31.24 → 31; 37.488 → 37; 28.116 → 28; 0: left out
    };
    SeriesArray s;
    MarkSet m;
    analysis::buildCostOfLivingSeries(rows, false, s, m);
    EXPECT_EQ(s[1].xs, (std::vector<double>{25, 35}));
    EXPECT_EQ(s[1].ys, (std::vector<double>{21, 31}));
    EXPECT_EQ(s[2].ys, (std::vector<double>{27, 37}));
    EXPECT_EQ(s[3].ys, (std::vector<double>{16, 28}));
    EXPECT_EQ(s[4].ys, (std::vector<double>{12}));
    EXPECT_EQ(s[0].n, 7);
    EXPECT_EQ(s[0].xs.front(), 25);
    EXPECT_DOUBLE_EQ(s[0].maxY, 37);
    // Two points make a straight line through group 1.
    EXPECT_NEAR(s[1].a1, 1.0, 1e-9);

    const char* legends[] = {"標準生計費", "愉楽率", "最低率", "単身率"};
    const QColor colors[] = {QColor(128, 0, 0), Qt::black, Qt::red, Qt::blue};
    const int styles[] = {0, 3, 2, 0};
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(m[size_t(i)].legend, i < 4 ? QString::fromUtf8(legends[i]) : QString());
        EXPECT_EQ(m[size_t(i)].lineColor, i < 4 ? colors[i] : QColor(Qt::black));
        EXPECT_EQ(m[size_t(i)].markColor, m[size_t(i)].lineColor);
        EXPECT_EQ(m[size_t(i)].lineStyle, i < 4 ? styles[i] : 0);
        EXPECT_EQ(m[size_t(i)].lineWidth, i == 0 ? 2 : 1);
        EXPECT_EQ(m[size_t(i)].markSize, 9);
        EXPECT_TRUE(m[size_t(i)].mark.isEmpty());
    }
}

TEST(CostOfLiving, StartsAfresh)
{
    SeriesArray s;
    MarkSet m;
    analysis::buildCostOfLivingSeries({living(30, 250, 1, 1, 1, 1)}, false, s, m);
    analysis::buildCostOfLivingSeries({}, false, s, m);
    for (const auto& t : s)
        EXPECT_EQ(t.n, 0);
}

data::TMDCHNGIN_ model(const char* sensyu, const char* age, const char* service, const char* career,
                       const char* kkin, const char* skin, const char* nensyu, const char* syouyo)
{
    data::TMDCHNGIN_ r;
    r.SENSYU = QString::fromUtf8(sensyu);
    r.NENREI = QString::fromUtf8(age);
    r.KNENSU = QString::fromUtf8(service);
    r.KKNENSU = QString::fromUtf8(career);
    r.KKIN = QString::fromUtf8(kkin);
    r.SKIN = QString::fromUtf8(skin);
    r.NENSYU = QString::fromUtf8(nensyu);
    r.SYOUYO = QString::fromUtf8(syouyo);
    return r;
}

TEST(ModelWage, ChosenColumnsPerItemAndOneGroupPerSeries)
{
    // Amounts in thousand yen; the chart shows 万円: 2345 → 234.5 → 235.
    const std::vector<data::TMDCHNGIN_> rows = {
        model("0", "22", "0", "1", "2345", "2500", "4100", "800"),
        model("1", "30", "8", "9", "3000", "3204", "5600", "1200"),
        model("2", "40", "18", "20", "3600", "abc", "7000", "1500"),
        model("3", "50", "28", "30", "4000", "4400", "8000", "1800"),   // series 3: left out
        model("x", "55", "33", "35", "4200", "4600", "8200", "1900"),   // no number: series 0
    };
    struct Case {
        int xItem, yItem;
        std::vector<double> xs, ys;   // over the groups 1, 2, 3 in turn
    };
    const Case cases[] = {
        {0, 0, {22, 55, 30, 40}, {235, 420, 300, 360}},
        {1, 1, {0, 33, 8, 18}, {250, 460, 320, 0}},   // 320.4 → 320; "abc" → 0; (0, 250) counts
        {2, 2, {1, 35, 9, 20}, {410, 820, 560, 700}},
        {0, 5, {22, 55, 30, 40}, {80, 190, 120, 150}},
        {3, 3, {}, {}},                                // no column for these items: (0, 0) is left out
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.xItem << "/" << c.yItem);
        SeriesArray s;
        MarkSet m;
        analysis::buildModelWageSeries(rows, c.xItem, c.yItem, false, s, m);
        std::vector<double> xs, ys;
        for (int g = 1; g <= 3; ++g) {
            xs.insert(xs.end(), s[size_t(g)].xs.begin(), s[size_t(g)].xs.end());
            ys.insert(ys.end(), s[size_t(g)].ys.begin(), s[size_t(g)].ys.end());
        }
        EXPECT_EQ(xs, c.xs);
        EXPECT_EQ(ys, c.ys);
        EXPECT_EQ(s[4].n, 0);
        EXPECT_EQ(m[0].legend, QStringLiteral("モデル（０）"));
        EXPECT_EQ(m[3].legend, QStringLiteral("モデル（３）"));
        EXPECT_EQ(m[1].lineStyle, 3);
    }
}

TEST(OptimalWage, DiagonalAcrossTheEmployeesRange)
{
    analysis::TXYDATA employees;
    employees.n = 30;
    employees.minX = 18.5;
    employees.maxX = 62;
    MarkSet company;
    company[0].mark = QStringLiteral("■");
    company[4].legend = QStringLiteral("技術");
    SeriesArray s;
    MarkSet m;
    analysis::buildOptimalWageSeries(employees, company, false, s, m);
    EXPECT_EQ(s[1].xs, (std::vector<double>{18.5, 62}));
    EXPECT_EQ(s[1].ys, (std::vector<double>{18.5, 62}));
    EXPECT_NEAR(s[1].a0, 0, 1e-9);
    EXPECT_NEAR(s[1].a1, 1, 1e-9);
    EXPECT_NEAR(s[1].a2, 0, 1e-9);
    EXPECT_EQ(m[0].mark, QStringLiteral("■"));
    EXPECT_EQ(m[4].legend, QStringLiteral("技術"));

    // No employee: both points sit at the origin and are left out.
    analysis::buildOptimalWageSeries(analysis::TXYDATA{}, company, true, s, m);
    EXPECT_EQ(s[0].n, 0);
    EXPECT_DOUBLE_EQ(s[1].a1, 0);
}

} // namespace
