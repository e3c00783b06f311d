// The arithmetic of raise management without widgets: totals, the wage-table key and look-up, and
// saving one employee's raise.

#include "RaiseFixture.h"
#include "raise/RaiseCalc.h"

using namespace fixture;
using namespace salary;

TEST(RaiseTotals, SumsAndRaisesOfTheItems)
{
    struct Case {
        const char* what;
        RaiseInput in;
        RaiseTotals out;
    };
    const qint64 big = 2000000000;   // three of them pass 32 bits
    const Case cases[] = {
        {"raise of base pay and allowance",
         {10, 5, {200000, 30000, 0}, {4000, 1000, 0}, {10000, 5000, 0, 0, 0}, {12000, 5000, 0, 0, 0}},
         {15, {204000, 31000, 0}, 230000, 235000, 5000, {2000, 0, 0, 0, 0}, 15000, 17000, 2000, 245000, 252000, 7000,
          3024000}},
        {"a cut and an allowance that ends",
         {0, 0, {300000, 0, 0}, {-10000, 0, 0}, {0, 0, 0, 0, 8000}, {0, 0, 0, 0, 0}},
         {0, {290000, 0, 0}, 300000, 290000, -10000, {0, 0, 0, 0, -8000}, 8000, 0, -8000, 308000, 290000, -18000,
          3480000}},
        {"amounts beyond 32 bits",
         {300, 6, {big, big, big}, {big / 4, 0, 0}, {big, 0, 0, 0, 0}, {big, 0, 0, 0, 0}},
         {306, {big + big / 4, big, big}, 3 * big, 3 * big + big / 4, big / 4, {0, 0, 0, 0, 0}, big, big, 0, 4 * big,
          4 * big + big / 4, big / 4, 12 * (4 * big + big / 4)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const RaiseTotals t = raiseTotals(c.in);
        EXPECT_EQ(t.calcSteps, c.out.calcSteps);
        EXPECT_EQ(t.baseAfter, c.out.baseAfter);
        EXPECT_EQ(t.baseBeforeSum, c.out.baseBeforeSum);
        EXPECT_EQ(t.baseAfterSum, c.out.baseAfterSum);
        EXPECT_EQ(t.baseUpSum, c.out.baseUpSum);
        EXPECT_EQ(t.allowanceUp, c.out.allowanceUp);
        EXPECT_EQ(t.allowanceBeforeSum, c.out.allowanceBeforeSum);
        EXPECT_EQ(t.allowanceAfterSum, c.out.allowanceAfterSum);
        EXPECT_EQ(t.allowanceUpSum, c.out.allowanceUpSum);
        EXPECT_EQ(t.scheduledBefore, c.out.scheduledBefore);
        EXPECT_EQ(t.scheduledAfter, c.out.scheduledAfter);
        EXPECT_EQ(t.scheduledUp, c.out.scheduledUp);
        EXPECT_EQ(t.annualAfter, c.out.annualAfter);
    }
}

TEST(WageKey, OnlyWholeGradesAndStepsInRangeMakeAKey)
{
    struct Case {
        const char* grade;
        const char* step;
        std::optional<std::pair<int, int>> key;
    } const cases[] = {
        {"3 : 第３等級", "15", std::pair{3, 15}},
        {"9", "0", std::pair{9, 0}},
        {" 1 ", " 999 ", std::pair{1, 999}},
        {"0 : 指定なし", "5", std::nullopt},
        {"10", "5", std::nullopt},
        {"-1", "5", std::nullopt},
        {"abc", "5", std::nullopt},
        {"3", "1000", std::nullopt},
        {"3", "-1", std::nullopt},
        {"3", "1.5", std::nullopt},
        {"3", "1 OR 1=1", std::nullopt},
        {"3", "", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.grade) + " / " + c.step);
        const auto k = wageKey(QString::fromUtf8(c.grade), QString::fromUtf8(c.step));
        ASSERT_EQ(k.has_value(), c.key.has_value());
        if (k) {
            EXPECT_EQ(k->grade, c.key->first);
            EXPECT_EQ(k->step, c.key->second);
        }
    }
}

namespace {

// Company 1 of 2019 open, with wage table 1 of three steps: KIN<g> of step s is 100000 + 1000 g + s.
class RaiseData : public ::testing::Test {
protected:
    void SetUp() override
    {
        data::TSyain_ e = employee(1, 2019, 1);
        e.BANDID = 5;          // no such band
        e.YHYOUKA = 1;         // a role evaluation of the year
        e.NEWBANDID = 0;
        e.NEWYHYOUKA = 9;      // none
        buildCompany(home, {e});
        data::TFDM& dm = home.dm();
        dm.state.CompanyOpen = 1;
        dm.state.CurrentKco = 1;
        dm.state.CurrentNendo = 2019;
        dm.state.CurrentCompany.KCO = QStringLiteral("1");
        dm.state.CurrentCompany.NENDO = QStringLiteral("2019");
        for (int step = 1; step <= 3; ++step) {
            QString sql = QStringLiteral("INSERT INTO DCHINGIN2 (KCO, NENDO, SKCO, GOUHOU, KIN1, KIN2, KIN3, KIN4, KIN5, KIN6, "
                                         "KIN7, KIN8, KIN9) VALUES (1, 2019, 1, %1")
                              .arg(step);
            for (int g = 1; g <= 9; ++g)
                sql += QStringLiteral(", %1").arg(100000 + 1000 * g + step);
            ASSERT_TRUE(dm.ACN2.executeRaw(sql + QLatin1Char(')')));
        }
        ASSERT_TRUE(dm.ACN2.executeRaw(QStringLiteral("INSERT INTO YHYOUKA VALUES (1, 2019, 1, 'S')")));
    }
    void TearDown() override { home.expectNoUnexpected(); }

    TestHome home;
};

} // namespace

TEST_F(RaiseData, TheWageTableIsLookedUpWithTheTypedGradeAndStep)
{
    struct Case {
        int link;
        const char* grade;
        const char* step;
        WageLookup outcome;
        qint64 amount;
    } const cases[] = {
        {2, "3 : 第３等級", "2", WageLookup::Found, 103002},
        {1, "9", "3", WageLookup::Found, 109003},
        {2, "3", "50", WageLookup::NotFound, 0},           // no row of that step
        {2, "12", "2", WageLookup::NotFound, 0},           // no such grade
        {2, "3", "2; DELETE FROM DCHINGIN2", WageLookup::NotFound, 0},
        {0, "3", "2", WageLookup::Skipped, 0},             // pay not linked to the table
        {2, "", "2", WageLookup::Skipped, 0},
        {2, "3", "", WageLookup::Skipped, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.grade) + " / " + c.step);
        const WageLookupResult r = lookUpWage(c.link, 1, QString::fromUtf8(c.grade), QString::fromUtf8(c.step));
        EXPECT_EQ(r.outcome, c.outcome);
        EXPECT_EQ(r.amount, c.amount);
    }
    EXPECT_EQ(Probe(home.dm().yearDatabasePath(2019)).scalar(QStringLiteral("SELECT count(*) FROM DCHINGIN2 WHERE SKCO = 1")), 3);
    EXPECT_TRUE(home.dialogs.texts().isEmpty());
}

TEST_F(RaiseData, SavingWritesTheRaiseIntoBothRowsOfTheEmployee)
{
    RaiseDecision d;
    d.grade = 3;
    d.step = 10;
    d.evaluation = 2;
    d.newGrade = 4;
    d.addedSteps = 5;
    d.newStep = 2;
    d.promoted = true;
    d.amounts = {10, 5, {3000000000LL, 103002, 0}, {1000, 1000, 0}, {10000, 0, 0, 0, 0}, {11000, 0, 0, 0, 0}};
    d.bandId = 5;
    d.roleEvaluation = 1;
    d.newBandId = 0;
    d.newRoleEvaluation = 9;
    ASSERT_EQ(saveRaise(home.dm(), 1, d), SaveOutcome::Saved);

    Probe p(home.dm().yearDatabasePath(2019));
    auto value = [&](const char* column) {
        return p.scalar(QStringLiteral("SELECT %1 FROM MSYAIN1 JOIN MSYAIN2 USING (KCO, SCO, NENDO) WHERE KCO = 1 AND SCO = 1")
                            .arg(QString::fromUtf8(column)));
    };
    const std::pair<const char*, qint64> expected[] = {
        {"TCO", 3}, {"TOUKYU", 2}, {"GOUHOU", 10}, {"HCO", 2}, {"NTOUKYU", 4}, {"SGOUHOU", 5}, {"NGOUHOU", 2},
        {"FSKCHK", 1}, {"KKYU1", 3000000000LL}, {"NKKYU1", 3000001000LL}, {"NKKYU2", 104002}, {"TEATE1", 10000},
        {"NTEATE1", 11000}, {"UPK", 2000}, {"UPT", 1000}, {"SYOTEI", 3000113002LL}, {"NSYOTEI", 3000116002LL},
        {"NNENSYU", 12 * 3000116002LL},
        // Band and role evaluations the year does not know are not kept.
        {"BANDID", 0}, {"YHYOUKA", 1}, {"NEWBANDID", 0}, {"NEWYHYOUKA", 0},
    };
    for (const auto& [column, v] : expected)
        EXPECT_EQ(value(column), v) << column;
    EXPECT_TRUE(home.dialogs.texts().isEmpty());
}

TEST_F(RaiseData, SavingAnEmployeeThatIsGoneSaysSoAndWritesNothing)
{
    const auto before = fingerprint(home.dm().yearDatabasePath(2019));
    EXPECT_EQ(saveRaise(home.dm(), 99, RaiseDecision{}), SaveOutcome::Missing);
    EXPECT_EQ(fingerprint(home.dm().yearDatabasePath(2019)), before);
}

TEST_F(RaiseData, TheListHoldsTheEmployeesOfTheGradeChosen)
{
    data::TFDM& dm = home.dm();
    for (int sco : {2, 3}) {
        data::TSyain_ e = employee(1, 2019, sco);
        e.TOUKYU = sco == 2 ? 5 : 2;
        e.SCOT.clear();
        ASSERT_TRUE(data::InsertSyain(dm.ACN2, dm.Query22, e));
    }
    dm.state.AgeByToday = 1;
    std::vector<RaiseListRow> rows;
    ASSERT_TRUE(loadRaiseList(dm, 0, rows));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].sco, 1);
    EXPECT_EQ(rows[0].age, 40);
    EXPECT_EQ(rows[0].service, 17);
    EXPECT_EQ(rows[2].age, 0);   // no employee number: no age shown
    ASSERT_TRUE(loadRaiseList(dm, 2, rows));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].sco, 1);
    EXPECT_EQ(rows[1].sco, 3);
}
