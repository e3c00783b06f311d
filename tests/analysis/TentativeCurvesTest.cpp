// Tentative raise curves: clicks turned into axis values, the checks of the drawing number, and the
// import into DSPDRAW with its reload into the comparison series.

#include "analysis/TentativeCurves.h"
#include "PlotFixture.h"
#include "platform/ColorNames.h"

#include <gtest/gtest.h>

namespace {

using analysis::TSPD;

analysis::ChartLayout layoutOf(int left, int width, int bottom, int height)
{
    analysis::ChartLayout l;
    l.dataLeft = left;
    l.dataWidth = width;
    l.dataBottom = bottom;
    l.dataHeight = height;
    return l;
}

analysis::TSDX scale(int xMin, int xMax, int yMin, int yMax)
{
    analysis::TSDX s;
    s.xMin = xMin;
    s.xMax = xMax;
    s.yMin = yMin;
    s.yMax = yMax;
    s.updateRanges();
    return s;
}

TEST(ClickToPoint, ConvertsToWholeUnitsAndThousandsOfYen)
{
    const analysis::ChartLayout l = layoutOf(200, 800, 600, 500);
    struct Case {
        QPoint pixel;
        analysis::TSDX s;
        qint64 x;
        qint64 yen;
    };
    const Case cases[] = {
        // Mid width on 20..60 is 40; mid height on 0..50 is 25 万円.
        {{600, 350}, scale(20, 60, 0, 50), 40, 250000},
        // The bottom-left corner of the data area on a y axis from 10.
        {{200, 600}, scale(20, 60, 10, 60), 20, 100000},
        // x 20.5 rounds half away from zero to 21.
        {{210, 600}, scale(20, 60, 0, 50), 21, 0},
    };
    for (const Case& c : cases) {
        const auto p = analysis::clickToPoint(l, c.s, c.pixel);
        ASSERT_TRUE(p.has_value());
        EXPECT_EQ(p->xValue, c.x) << c.pixel.x();
        EXPECT_EQ(p->yYen, c.yen) << c.pixel.y();
        EXPECT_EQ(p->pixelX, c.pixel.x());
        EXPECT_EQ(p->pixelY, c.pixel.y());
    }

    // 25.36 万円: 0.1 万円 steps, halves away from zero, stored as 254,000 yen.
    const analysis::ChartLayout tall = layoutOf(0, 100, 10000, 10000);
    const auto p = analysis::clickToPoint(tall, scale(0, 10, 0, 100), QPoint(0, 10000 - 2536));
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(p->yYen, 254000);
}

TEST(ClickToPoint, IgnoredOnAnEmptyDataArea)
{
    for (const analysis::ChartLayout& l : {layoutOf(200, 0, 600, 500), layoutOf(200, 800, 600, 0),
                                           layoutOf(200, -40, 600, -10)})
        EXPECT_FALSE(analysis::clickToPoint(l, scale(20, 60, 0, 50), QPoint(300, 300)).has_value());
}

TEST(ClickToPoint, LargeAxesStayIn64Bits)
{
    // An axis up to 2,000,000 万円: the amount exceeds 32 bits.
    const auto p = analysis::clickToPoint(layoutOf(0, 100, 100, 100), scale(0, 10, 0, 2000000), QPoint(0, 0));
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(p->yYen, qint64(20000000000));
}

TEST(PointEntry, Refusals)
{
    struct Case {
        const char* text;
        int entered;
        const char* message;
    };
    const Case cases[] = {
        {"0", 0, "描画番号 を、入力して下さい。"},
        {"", 0, "描画番号 を、入力して下さい。"},
        {"x", 0, "描画番号 を、入力して下さい。"},
        {"6", 0, "描画番号 は、１～５ を入力して下さい。"},
        {"-1", 0, "描画番号 は、１～５ を入力して下さい。"},
        {"3", 6, "６点以上は、プロットできません。"},
        {"3", 5, ""},
        {"1", 0, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(analysis::pointEntryRefusal(QString::fromUtf8(c.text), c.entered), QString::fromUtf8(c.message))
            << c.text << " " << c.entered;
}

TEST(DrawingNoField, Check)
{
    struct Case {
        const char* text;
        bool accepted;
        int drawingNo;
        const char* message;
        const char* shown;
    };
    const Case cases[] = {
        {"0", true, 2, "", "0"},
        {"4", true, 4, "", "4"},
        {"ab", false, 2, "数値を入力してください。", "2"},
        {"9", false, 2, "入力範囲外です。1 ～ 5 の値を入力して下さい。", "2"},
    };
    for (const Case& c : cases) {
        const analysis::DrawingNoCheck r = analysis::checkDrawingNo(QString::fromUtf8(c.text), 2);
        EXPECT_EQ(r.accepted, c.accepted) << c.text;
        EXPECT_EQ(r.drawingNo, c.drawingNo) << c.text;
        EXPECT_EQ(r.message, QString::fromUtf8(c.message)) << c.text;
        EXPECT_EQ(r.shownText, QString::fromUtf8(c.shown)) << c.text;
    }
}

// ---------------------------------------------------------------- DSPDRAW

class TentativeImport : public testing::Test {
protected:
    void SetUp() override
    {
        plotfixture::makeCompany(home);
        state.xItem = 0;
        state.yItem = 2;
        state.slots[3].color = QColor(255, 0, 0);
        state.slots[3].style = 2;
        state.slots[3].width = 3;
    }

    data::TSPDRAW_ stored(int sdco, int x, int y)
    {
        data::TSPDRAW_ r;
        data::Select(dm().ACN2, dm().Query21, false, QStringLiteral("SELECT * FROM DSPDRAW"),
                     QStringLiteral(" WHERE KCO = 1 AND NENDO = 2020 AND SDCO = %1 AND X = %2 AND Y = %3")
                         .arg(sdco)
                         .arg(x)
                         .arg(y),
                     r);
        return r;
    }

    void insertCurve(int sdco, int x, int y, qint64 age, double amount, const char* legend)
    {
        data::TSPDRAW_ r;
        r.KCO = QStringLiteral("1");
        r.NENDO = QStringLiteral("2020");
        r.SDCO = QString::number(sdco);
        r.X = x;
        r.Y = y;
        r.FCHKS = 1;
        r.FREN = 1;
        r.SNENREI1 = age;
        r.SKIN1 = amount;
        r.SNENREI2 = age + 10;
        r.SKIN2 = amount + 50000;
        r.HANREI = QString::fromUtf8(legend);
        ASSERT_TRUE(data::Insert(dm().ACN2, dm().Query21, true, r));
    }

    void click(qint64 x, qint64 yen)
    {
        analysis::TentativePoint p;
        p.xValue = x;
        p.yYen = yen;
        state.points.push_back(p);
    }

    data::TFDM& dm() { return home.dm(); }

    TestHome home;
    TSPD state;
};

TEST_F(TentativeImport, RefusedWithoutTwoPointsOrAValidNumber)
{
    insertCurve(3, 0, 2, 20, 200000, "旧");
    click(25, 220000);
    EXPECT_EQ(analysis::importTentativeCurve(dm(), state, QStringLiteral("3")).message,
              QStringLiteral("取込む点を２～６箇所をポイントして下さい。"));
    click(35, 300000);
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"0", "描画番号 を、入力して下さい。"},
        {"3 or 1=1", "描画番号 を、入力して下さい。"},
        {"7", "描画番号 は、１～５ を入力して下さい。"},
    };
    for (const Case& c : cases) {
        const analysis::ImportOutcome out = analysis::importTentativeCurve(dm(), state, QString::fromUtf8(c.text));
        EXPECT_FALSE(out.imported) << c.text;
        EXPECT_EQ(out.message, QString::fromUtf8(c.message)) << c.text;
    }
    // Nothing was written or removed.
    EXPECT_EQ(stored(3, 0, 2).HANREI, QStringLiteral("旧"));
    EXPECT_FALSE(stored(7, 0, 2).ok);
    home.expectNoUnexpected();
}

TEST_F(TentativeImport, ReplacesOnlyTheSameDrawingAndItemPair)
{
    insertCurve(3, 0, 2, 20, 200000, "旧");     // replaced
    insertCurve(3, 1, 2, 21, 210000, "勤続");   // same number, other x item: kept
    insertCurve(3, 0, 0, 22, 220000, "項目Ⅰ");  // same number, other y item: kept
    insertCurve(2, 0, 2, 23, 230000, "二");     // other number, same items: kept
    click(25, 220000);
    click(35, 300000);
    click(45, 354000);

    const analysis::ImportOutcome out = analysis::importTentativeCurve(dm(), state, QStringLiteral(" 3"));
    ASSERT_TRUE(out.imported);
    EXPECT_TRUE(out.message.isEmpty());

    const data::TSPDRAW_ r = stored(3, 0, 2);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.FCHKS, 1);
    EXPECT_EQ(r.FREN, 1);
    EXPECT_EQ((std::array<qint64, 6>{r.SNENREI1, r.SNENREI2, r.SNENREI3, r.SNENREI4, r.SNENREI5, r.SNENREI6}),
              (std::array<qint64, 6>{25, 35, 45, 0, 0, 0}));
    EXPECT_EQ((std::array<double, 6>{r.SKIN1, r.SKIN2, r.SKIN3, r.SKIN4, r.SKIN5, r.SKIN6}),
              (std::array<double, 6>{220000, 300000, 354000, 0, 0, 0}));
    EXPECT_TRUE(r.HANREI.isEmpty());
    EXPECT_EQ(platform::colorFromText(r.SCOLOR), QColor(255, 0, 0));
    EXPECT_EQ(r.SSYURUI, 2);
    EXPECT_EQ(r.SHABA, 3);

    EXPECT_EQ(stored(3, 1, 2).HANREI, QStringLiteral("勤続"));
    EXPECT_EQ(stored(3, 0, 0).HANREI, QStringLiteral("項目Ⅰ"));
    EXPECT_EQ(stored(2, 0, 2).HANREI, QStringLiteral("二"));
    data::TSPDRAW_rec all;
    ASSERT_TRUE(data::Selects(dm().ACN2, dm().Query21, false, QStringLiteral("SELECT * FROM DSPDRAW"), QString(), all));
    EXPECT_EQ(all.items.size(), 4u);
    home.expectNoUnexpected();
}

TEST_F(TentativeImport, AFailedInsertKeepsTheOldCurve)
{
    insertCurve(4, 0, 2, 20, 200000, "旧");
    click(25, 220000);
    click(35, 300000);
    // The insert fails after the delete ran: the delete is rolled back with it.
    dm().Query22.setSql(
        QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON DSPDRAW BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    ASSERT_GE(dm().Query22.exec(), 0);
    dm().Query22.close();
    EXPECT_FALSE(analysis::importTentativeCurve(dm(), state, QStringLiteral("4")).imported);
    EXPECT_EQ(home.dialogs.log.size(), 1u);   // the database error, once
    EXPECT_EQ(stored(4, 0, 2).HANREI, QStringLiteral("旧"));
}

TEST_F(TentativeImport, LoadFillsSlotsAndComparisonGroups)
{
    insertCurve(2, 0, 2, 20, 254400, "案Ａ");   // 25.44 万円 → 25.4
    insertCurve(5, 0, 2, 30, 300000, "案Ｂ");
    insertCurve(5, 1, 2, 40, 400000, "他の項目");
    insertCurve(9, 0, 2, 40, 400000, "番号外");
    state.slots[1].HANREI = QStringLiteral("前回");   // cleared by the load

    analysis::SeriesArray series;
    analysis::loadTentativeCurves(dm(), state, series, false);

    EXPECT_TRUE(state.slots[1].HANREI.isEmpty());
    EXPECT_EQ(state.slots[2].HANREI, QStringLiteral("案Ａ"));
    EXPECT_EQ(state.slots[2].color, QColor(Qt::black));   // an empty SCOLOR is black
    EXPECT_EQ(state.slots[5].x[0], 30);
    EXPECT_EQ(state.slots[5].amount[1], 350000);
    EXPECT_EQ(series[2].n, 2);
    EXPECT_EQ(series[2].xs, (std::vector<double>{20, 30}));
    EXPECT_EQ(series[2].ys, (std::vector<double>{25.4, 30.4}));
    EXPECT_EQ(series[2].name, QStringLiteral("案Ａ"));
    EXPECT_EQ(series[5].n, 2);
    EXPECT_EQ(series[0].n, 4);
    for (int g : {1, 3, 4, 6, 7, 8, 9})
        EXPECT_EQ(series[size_t(g)].n, 0) << g;
}

} // namespace
