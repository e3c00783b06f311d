// The designs in the database: registering per item pair, loading them back with their slots, the
// wage table replacing the earlier one, and the chart settings of the design screen.

#include "CurveFixture.h"
#include "analysis/ChartScale.h"
#include "curves/RaiseDesign.h"
#include "data/DbAccess.h"

#include <gtest/gtest.h>

namespace {

using curvefixture::setDesign;
using curves::DesignGrid;

std::string s(const QString& q) { return q.toStdString(); }

curves::DesignRegistration registration(int x, int y, qint64 firstAmount)
{
    curves::DesignRegistration r;
    r.xItem = x;
    r.yItem = y;
    setDesign(r.grid, 1, {{20, firstAmount}, {30, firstAmount + 50000}});
    setDesign(r.grid, 4, {{0, 0}, {25, 180000}, {40, 260000}});
    r.grid[0].inUse = true;
    r.explanation = QStringLiteral("二案の比較");
    r.slots[0].HANREI = QStringLiteral("標準");
    r.slots[0].SETSUMEI = QStringLiteral("現行どおり");
    r.slots[0].color = QColor(255, 0, 0);
    r.slots[0].style = 2;
    r.slots[0].width = 3;
    return r;
}

int rowsOfPair(TestHome& home, int x, int y)
{
    data::TSPDRAW_rec set;
    EXPECT_TRUE(data::Selects(home.dm().ACN2, home.dm().Query21, false, QStringLiteral("SELECT * FROM DSPDRAW"),
                              QStringLiteral(" WHERE X = %1 AND Y = %2").arg(x).arg(y), set));
    return int(set.items.size());
}

TEST(DesignStore, RegisteringOnePairKeepsTheOthers)
{
    TestHome home;
    curvefixture::openCompany(home);
    ASSERT_TRUE(curves::registerDesigns(home.dm(), registration(0, 1, 200000)));
    ASSERT_TRUE(curves::registerDesigns(home.dm(), registration(1, 2, 150000)));
    // Registering the first pair again replaces its five rows and nothing else.
    ASSERT_TRUE(curves::registerDesigns(home.dm(), registration(0, 1, 210000)));
    EXPECT_EQ(rowsOfPair(home, 0, 1), 5);
    EXPECT_EQ(rowsOfPair(home, 1, 2), 5);

    curves::LoadedDesigns other;
    ASSERT_TRUE(curves::loadDesigns(home.dm(), 1, 2, other));
    EXPECT_EQ(other.grid[0].amount[0], 150000);

    curves::LoadedDesigns mine;
    ASSERT_TRUE(curves::loadDesigns(home.dm(), 0, 1, mine));
    EXPECT_EQ(mine.found, (std::array<bool, 5>{true, true, true, true, true}));
    EXPECT_EQ(mine.grid[0].x, (std::array<qint64, 6>{20, 30, 0, 0, 0, 0}));
    EXPECT_EQ(mine.grid[0].amount, (std::array<qint64, 6>{210000, 260000, 0, 0, 0, 0}));
    EXPECT_TRUE(mine.grid[0].inUse);
    EXPECT_FALSE(mine.grid[3].inUse);
    EXPECT_EQ(mine.grid[3].x, (std::array<qint64, 6>{0, 25, 40, 0, 0, 0}));
    EXPECT_EQ(s(mine.explanation), "二案の比較");
    EXPECT_EQ(s(mine.slots[0].HANREI), "標準");
    EXPECT_EQ(s(mine.slots[0].SETSUMEI), "現行どおり");
    EXPECT_EQ(mine.slots[0].color, QColor(255, 0, 0));
    EXPECT_EQ(mine.slots[0].style, 2);
    EXPECT_EQ(mine.slots[0].width, 3);

    curves::LoadedDesigns none;
    ASSERT_TRUE(curves::loadDesigns(home.dm(), 2, 2, none));
    EXPECT_EQ(none.found, (std::array<bool, 5>{}));
    home.expectNoUnexpected();
}

TEST(DesignStore, NewWageTableReplacesTheEarlierOne)
{
    TestHome home;
    curvefixture::openCompany(home);
    DesignGrid longer;
    setDesign(longer, 1, {{20, 200000}, {40, 300000}});
    setDesign(longer, 5, {{20, 200000}, {22, 210000}});
    ASSERT_EQ(curves::generateWageTable(home.dm(), longer, 0, 1), curves::WageTableResult::Written);
    ASSERT_EQ(curves::generateWageTable(home.dm(), curvefixture::workedExample(), 2, 3),
              curves::WageTableResult::Written);
    std::vector<data::TCHNGIN_> rows;
    ASSERT_TRUE(curves::readWageTable(home.dm(), rows));
    ASSERT_EQ(rows.size(), 6u);
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].NO, qint64(i + 1));
        EXPECT_EQ(rows[i].X, 2);
        EXPECT_EQ(rows[i].Y, 3);
    }
    EXPECT_DOUBLE_EQ(rows[0].SRITSU, 1.23);
}

TEST(DesignSettings, StoredValuesOutsideWhatTheScreenWrites)
{
    struct Case {
        const char* fx;
        const char* fy;
        qint64 cgraph, mibun, sex;
        int x, y, display, workForm, sexIndex;
    };
    const Case cases[] = {
        {"5", "4", 1, 3, 1, 5, 4, 1, 3, 1},
        {"6", "x", 2, 5, 3, 0, 0, 0, 4, 2},
        {"-1", "", -1, -1, -1, 0, 0, 0, 4, 2},
    };
    for (const Case& c : cases) {
        data::TChart_ r;
        r.FX = QString::fromUtf8(c.fx);
        r.FY = QString::fromUtf8(c.fy);
        r.CGRAPH = c.cgraph;
        r.MIBUN = c.mibun;
        r.SEX = c.sex;
        const curves::DesignSettings d = curves::designSettingsFrom(r);
        EXPECT_EQ(d.selection.xItem, c.x) << c.fx;
        EXPECT_EQ(d.selection.yItem, c.y) << c.fy;
        EXPECT_EQ(d.plotDisplay, c.display) << c.cgraph;
        EXPECT_EQ(d.selection.workForm, c.workForm) << c.mibun;
        EXPECT_EQ(d.selection.sex, c.sexIndex) << c.sex;
    }
}

TEST(DesignSettings, SavedRowRoundTrips)
{
    TestHome home;
    curvefixture::openCompany(home);
    curves::DesignSettings d;
    d.selection.xItem = 4;
    d.selection.yItem = 5;
    d.selection.workForm = 2;
    d.selection.sex = 1;
    d.selection.plotMarks = {true, false, true, false, false, false, false, false, true};
    d.selection.grades.assign(9, true);
    d.selection.title = QStringLiteral("設計");
    d.plotDisplay = 1;
    ASSERT_TRUE(curves::saveDesignSettings(home.dm(), d));
    ASSERT_TRUE(curves::saveDesignSettings(home.dm(), d));   // replaced, not added

    data::TChart_rec set;
    ASSERT_TRUE(data::Selects(home.dm().ACN2, home.dm().Query21, false, QStringLiteral("SELECT * FROM MCHART"),
                              QStringLiteral(" WHERE CHCO = 1050"), set));
    ASSERT_EQ(set.items.size(), 1u);
    const data::TChart_& r = set.items[0];
    EXPECT_EQ(s(r.XNAME), "達 成 率");
    EXPECT_EQ(s(r.XUNIT), "％");
    EXPECT_EQ(r.XPITCH, 10);
    EXPECT_EQ(s(r.YNAME), "年　収");
    EXPECT_EQ(r.YPITCH, 50);
    EXPECT_EQ(r.MARKR, 1);
    EXPECT_EQ(s(r.FCHK), "101000001");
    const curves::DesignSettings back = curves::designSettingsFrom(r);
    EXPECT_EQ(back.selection.xItem, 4);
    EXPECT_EQ(back.selection.yItem, 5);
    EXPECT_EQ(back.selection.workForm, 2);
    EXPECT_EQ(back.selection.sex, 1);
    EXPECT_EQ(back.plotDisplay, 1);
    EXPECT_EQ(s(back.selection.title), "設計");
}

} // namespace
