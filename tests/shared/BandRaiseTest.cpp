#include "app/SharedRoutines.h"

#include <gtest/gtest.h>

using namespace data;

namespace {

TBANDM bandRow(int band, int role, std::array<qint64, 5> lower, std::array<qint64, 5> upper)
{
    TBANDM b;
    b.bandId = band;
    b.roleEvaluation = role;
    b.lower = lower;
    b.upper = upper;
    return b;
}

TMATROW rateRow(int role, std::array<double, 5> up)
{
    TMATROW r;
    r.roleEvaluation = role;
    r.up = up;
    return r;
}

// Band 1: five zones of 20,000 yen from 100,000; band 2 the same with a cut of 20 % in zone 1;
// band 3 with overlapping zones 1 and 2 and only three zones in use.
struct Tables {
    TBANDTBL bands;
    TMATTBL matrix;
    Tables()
    {
        const std::array<qint64, 5> lower{100000, 120000, 140000, 160000, 180000};
        const std::array<qint64, 5> upper{120000, 140000, 160000, 180000, 200000};
        bands.rows = {bandRow(1, 1, lower, upper), bandRow(2, 1, lower, upper),
                      bandRow(3, 1, {100000, 110000, 140000, 0, 0}, {120000, 140000, 160000, 0, 0})};
        TMATHYOUKA g1;
        g1.bandId = 1;
        g1.rows = {rateRow(1, {10, 5, 3, 2, 1})};
        TMATHYOUKA g2;
        g2.bandId = 2;
        g2.rows = {rateRow(1, {-20, 0, 0, 0, 0})};
        TMATHYOUKA g3;
        g3.bandId = 3;
        g3.rows = {rateRow(1, {10, 7, 50, 0, 0})};
        TMATHYOUKA later;   // a second group of band 1 is never consulted
        later.bandId = 1;
        later.rows = {rateRow(1, {99, 99, 99, 99, 99})};
        matrix = {g1, g2, g3, later};
    }
};

} // namespace

TEST(SharedBandRaise, ZonesRatesAndClamping)
{
    struct Case {
        const char* what;
        int band, role;
        qint64 wage;
        int rounding;
        int zoneBefore;
        qint64 newWage;
        int zoneAfter;
        double rate;
    };
    const Case cases[] = {
        {"lowest amount of zone 1", 1, 1, 100000, 0, 1, 110000, 1, 10},
        {"top of zone 1 moves to zone 2", 1, 1, 119999, 0, 1, 132000, 2, 10},
        {"zone 2 begins at its lower amount", 1, 1, 120000, 0, 2, 126000, 2, 5},
        {"rounding to hundreds", 1, 1, 123456, 1, 2, 129600, 2, 5},
        {"rounding to thousands", 1, 1, 123456, 2, 2, 130000, 2, 5},
        {"zone 5 includes its upper amount", 1, 1, 200000, 0, 5, 200000, 0, 1},
        {"raised beyond the band stops at its top, which is in no zone", 1, 1, 199000, 0, 5, 200000, 0, 1},
        {"below the band", 1, 1, 99999, 0, 0, 99999, 0, 0},
        {"above the band", 1, 1, 200001, 0, 0, 200001, 0, 0},
        {"no row for the role", 1, 2, 150000, 0, 0, 150000, 0, 0},
        {"no such band", 9, 1, 150000, 0, 0, 150000, 0, 0},
        {"a cut stops at lower amount 1", 2, 1, 110000, 0, 1, 100000, 1, -20},
        {"overlapping zones: the later one wins", 3, 1, 115000, 0, 2, 123050, 2, 7},
        {"clamped to the largest upper amount of the zones in use", 3, 1, 150000, 0, 3, 160000, 0, 50},
    };
    Tables t;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        t.bands.rounding = c.rounding;
        const app::BandRaiseResult r = app::BandRaise(t.bands, t.matrix, c.band, c.role, c.wage);
        EXPECT_EQ(r.zoneBefore, c.zoneBefore);
        EXPECT_EQ(r.newWage, c.newWage);
        EXPECT_EQ(r.zoneAfter, c.zoneAfter);
        EXPECT_DOUBLE_EQ(r.rate, c.rate);
    }
}

TEST(SharedBandRaise, MatrixRateComesFromTheFirstGroupOfTheBand)
{
    Tables t;
    EXPECT_DOUBLE_EQ(app::MatrixRaiseRate(t.matrix, 1, 1, 1), 10);
    EXPECT_DOUBLE_EQ(app::MatrixRaiseRate(t.matrix, 1, 1, 5), 1);
    EXPECT_DOUBLE_EQ(app::MatrixRaiseRate(t.matrix, 1, 1, 0), 0);
    EXPECT_DOUBLE_EQ(app::MatrixRaiseRate(t.matrix, 1, 1, 6), 0);
    EXPECT_DOUBLE_EQ(app::MatrixRaiseRate(t.matrix, 1, 2, 1), 0);
    EXPECT_DOUBLE_EQ(app::MatrixRaiseRate(t.matrix, 4, 1, 1), 0);
}
