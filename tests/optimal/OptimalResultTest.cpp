// The result of an optimal wage analysis without its screen: the table, its CSV file, and the
// write of the optimal wages into the employee master with its undo.

#include "OptimalFixture.h"
#include "optimal/OptimalResult.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

using namespace optimalfixture;
using optimal::WriteStatus;

// Two employees, one attribute. The second has an optimal wage of 0 (no ratio), the averages end in
// a half, the first name holds quotes.
struct SmallResult {
    optimal::OptimalAnalysis analysis;
    analysis::RegressionWorkArea work;
    SmallResult()
    {
        analysis.employees = {
            {QStringLiteral("101"), QStringLiteral("A-1"), QStringLiteral("山田 \"太郎\""), QStringLiteral("課長"), 253001,
             250001},
            {QStringLiteral("102"), QStringLiteral("A-2"), QStringLiteral("佐藤"), QString(), 1000, 0},
        };
        work.n = 2;
        work.k = 1;
        work.x = {{1, 30}, {1, 97.5}};
        work.y = {253001, 1000};
        work.coefficients = {-1234.56789, 7980.123456};
        work.names = {QStringLiteral("項　目　Ⅰ"), QStringLiteral("年齢")};
        work.statistics.R = 0.9;
        work.statistics.R2 = 0.81;
        work.statistics.adjustedR2 = 0.62;
    }
};

TEST(OptimalResultTable, EveryRowAndColumn)
{
    const SmallResult r;
    const optimal::ResultTable t = optimal::buildResultTable(r.analysis, r.work);
    const char* e = "";
    const std::vector<std::vector<const char*>> expected = {
        {"No", "社員ｺｰﾄﾞ", "社員名", "役職", "項　目　Ⅰ", "年齢", "最適賃金", "残　差", "割　合"},
        {"101", "A-1", "山田 \"太郎\"", "課長", "253,001", "30", "250,001", "3,000", "1.200%"},
        {"102", "A-2", "佐藤", e, "1,000", "98", "0", "1,000", "0.000%"},
        {e, e, e, e, e, e, e, e, e},
        {e, e, "合計", e, "254,001", e, "250,001", "4,000", e},
        {e, e, "平均", e, "127,001", e, "125,001", e, e},
        {e, e, e, e, e, e, e, e, e},
        {e, e, "切片", "-1234.5679", e, e, e, e, e},
        {e, e, "年齢 X1", "7980.1235", e, e, e, e, e},
        {e, e, "重相関R", "0.9000000", e, e, e, e, e},
        {e, e, "重相関R2", "0.8100000", e, e, e, e, e},
        {e, e, "補正  R2", "0.6200000", e, e, e, e, e},
    };
    EXPECT_EQ(t.columns, 9);
    ASSERT_EQ(t.rows.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        QStringList row;
        for (const char* cell : expected[i])
            row << QString::fromUtf8(cell);
        EXPECT_EQ(t.rows[i], row) << "row " << i << ": " << s(t.rows[i].join(u'|'));
    }
    EXPECT_EQ(t.widths, (std::vector<int>{40, 60, 100, 70, 70, 70, 60, 60, 60}));
}

// Incomplete statistics show as zeros; negative residuals and ratios keep their sign; nine
// attributes give 17 columns and n + 18 rows.
TEST(OptimalResultTable, NineAttributesNegativeResidualsAndZeros)
{
    optimal::OptimalAnalysis a;
    a.employees = {{QStringLiteral("7"), {}, {}, {}, 200000, 250000}};
    analysis::RegressionWorkArea w;
    w.k = 9;
    w.n = 1;
    w.x = {{1, 1, 2, 3, 4, 5, 6, 7, 8, 9}};
    w.coefficients.assign(10, 0.25);
    w.names = {QStringLiteral("年　収")};
    for (int i = 1; i <= 9; ++i)
        w.names.push_back(QStringLiteral("属性") + QString::number(i));
    const optimal::ResultTable t = optimal::buildResultTable(a, w);
    EXPECT_EQ(t.columns, 17);
    ASSERT_EQ(t.rows.size(), 1u + 9 + 9);
    EXPECT_EQ(t.rows[1][14], QStringLiteral("250,000"));
    EXPECT_EQ(t.rows[1][15], QStringLiteral("-50,000"));
    EXPECT_EQ(t.rows[1][16], QStringLiteral("-20.000%"));
    EXPECT_EQ(t.rows[1][13], QStringLiteral("9"));
    EXPECT_EQ(t.rows[6 + 9][2], QStringLiteral("属性9 X9"));
    EXPECT_EQ(t.rows[6 + 9][3], QStringLiteral("0.2500"));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(t.rows[size_t(1 + 9 + 6 + i)][3], QStringLiteral("0.0000000"));
    for (const QStringList& row : t.rows)
        for (const QString& cell : row)
            EXPECT_FALSE(cell.contains(QStringLiteral("inf")) || cell.contains(QStringLiteral("nan"))) << s(cell);
}

TEST(OptimalResultCsv, TheFileByteForByte)
{
    TestHome home;
    ASSERT_TRUE(QDir().mkpath(home.path() + QStringLiteral("CSV")));
    const SmallResult r;
    const optimal::ResultTable t = optimal::buildResultTable(r.analysis, r.work);
    QString error;
    ASSERT_TRUE(optimal::writeResultCsv(home.path(), t, &error)) << s(error);
    QFile written(home.path() + QStringLiteral("CSV/最適賃金の分析結果.CSV"));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    QFile fixture(QStringLiteral(OPTIMAL_FIXTURES "/result-k1.csv"));
    ASSERT_TRUE(fixture.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), fixture.readAll());
}

// Where the file cannot be written: an error text, and nothing else changes.
TEST(OptimalResultCsv, FailuresLeaveEverythingAsItWas)
{
    const SmallResult r;
    const optimal::ResultTable t = optimal::buildResultTable(r.analysis, r.work);
    {
        TestHome home;
        QString error;
        EXPECT_FALSE(optimal::writeResultCsv(home.path(), t, &error));
        EXPECT_TRUE(error.contains(QStringLiteral("CSV"))) << s(error);
        EXPECT_FALSE(QFileInfo::exists(home.path() + QStringLiteral("CSV")));
    }
    {
        // The file's place is taken by a folder.
        TestHome home;
        const QString path = home.path() + QStringLiteral("CSV/最適賃金の分析結果.CSV");
        ASSERT_TRUE(QDir().mkpath(path));
        QString error;
        EXPECT_FALSE(optimal::writeResultCsv(home.path(), t, &error));
        EXPECT_FALSE(error.isEmpty());
        EXPECT_TRUE(QFileInfo(path).isDir());
        EXPECT_EQ(QDir(home.path() + QStringLiteral("CSV")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(), 1);
    }
    {
        // A name Shift-JIS cannot hold: the old file stays whole.
        TestHome home;
        ASSERT_TRUE(QDir().mkpath(home.path() + QStringLiteral("CSV")));
        const QString path = home.path() + QStringLiteral("CSV/最適賃金の分析結果.CSV");
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        SmallResult odd;
        odd.analysis.employees[0].SNA = QStringLiteral("𠮷田");
        QString error;
        EXPECT_FALSE(optimal::writeResultCsv(home.path(), optimal::buildResultTable(odd.analysis, odd.work), &error));
        EXPECT_TRUE(error.contains(QStringLiteral("𠮷"))) << s(error);
        ASSERT_TRUE(old.open(QIODevice::ReadOnly));
        EXPECT_EQ(old.readAll(), QByteArray("old"));
    }
}

TEST(OptimalOptimise, AllowedTargets)
{
    optimal::OptimalAnalysis a;
    for (int t = 0; t < 6; ++t) {
        a.target = t;
        a.linked = false;
        EXPECT_EQ(optimal::canOptimise(a), t == 0 || t == 1 || t == 4) << t;
        a.linked = true;
        EXPECT_FALSE(optimal::canOptimise(a)) << t;
    }
}

// The small company after an analysis of grades 1..3 (employee 104 is outside), with bonuses and
// item II amounts that differ per employee.
class OptimalWrite : public testing::Test {
protected:
    void SetUp() override
    {
        plotfixture::makeCompany(home);
        ASSERT_TRUE(dm().ACN2.executeRaw(QStringLiteral("UPDATE MSYAIN2 SET KKYU2 = SCO * 100 + KKYU1 / 50")));
        ASSERT_TRUE(dm().ACN2.executeRaw(QStringLiteral("UPDATE MSYAIN1 SET SYOUYO = SCO * 1000 + 400000")));
    }
    void analyse(int target)
    {
        optimal::OptimalOptions o = options(target, {0});
        o.common.grades = {true, true, true, false, false, false, false, false, false};
        const optimal::RunResult run = optimal::runOptimalAnalysis(dm(), o, analysis, work);
        ASSERT_EQ(run.status, optimal::RunStatus::Done) << s(run.message);
    }
    data::TFDM& dm() { return home.dm(); }
    std::vector<QStringList> amounts()
    {
        return rows(dm().ACN2, QStringLiteral("SELECT SCO, KKYU1, KKYU2, SYOUYO, SYOUYO2, SAVENO, SAVEKIN, FITKIN FROM VSYAIN"
                                              " ORDER BY SCO"));
    }

    TestHome home;
    optimal::OptimalAnalysis analysis;
    analysis::RegressionWorkArea work;
};

TEST_F(OptimalWrite, OptimiseThenResetRestoresEveryAmount)
{
    struct Case {
        int target;
        int column;   // in amounts(): 1 KKYU1, 2 KKYU2, 3 SYOUYO
    };
    for (const Case& c : {Case{0, 1}, Case{1, 2}, Case{4, 3}}) {
        SCOPED_TRACE(c.target);
        analyse(c.target);
        const auto before = employeeTables(dm());
        const auto old = amounts();
        ASSERT_EQ(optimal::optimiseWages(dm(), analysis), WriteStatus::Done);
        const auto now = amounts();
        ASSERT_EQ(now.size(), 5u);
        for (size_t i = 0; i < now.size(); ++i) {
            const QStringList& o = old[i];
            const QStringList& n = now[i];
            if (n[0] == QStringLiteral("104")) {
                EXPECT_EQ(n, o);
                continue;
            }
            EXPECT_EQ(n[5].toInt(), c.target + 1);
            EXPECT_EQ(n[6], o[c.column]);
            // The item (for the bonus: the bonus of the year) is now the optimal wage.
            const qint64 written = c.target == 4 ? n[3].toLongLong() + n[4].toLongLong() : n[c.column].toLongLong();
            EXPECT_EQ(written, n[7].toLongLong()) << s(n[0]);
            EXPECT_EQ(n[4], o[4]);   // the second-half bonus keeps its value
        }
        EXPECT_EQ(optimal::resetWages(dm()), WriteStatus::Done);
        // Everything is back but SAVEKIN, which keeps the amount it saved.
        ASSERT_TRUE(dm().ACN2.executeRaw(QStringLiteral("UPDATE MSYAIN2 SET SAVEKIN = 0")));
        EXPECT_EQ(employeeTables(dm()), before);
        EXPECT_EQ(optimal::resetWages(dm()), WriteStatus::NothingSaved);
    }
    home.expectNoUnexpected();
    EXPECT_TRUE(home.dialogs.texts().isEmpty());
}

// The employees carrying this analysis in FITNO are not those analysed: nothing is touched, not
// even the undo data of an earlier optimisation.
TEST_F(OptimalWrite, OtherEmployeesThanAnalysedChangeNothing)
{
    analyse(0);
    ASSERT_TRUE(dm().ACN2.executeRaw(QStringLiteral("UPDATE MSYAIN2 SET SAVENO = 2, SAVEKIN = 777 WHERE SCO = 104")));
    const char* changes[] = {
        "UPDATE MSYAIN2 SET FITNO = 0 WHERE SCO = 105",                          // one fewer
        "UPDATE MSYAIN2 SET FITNO = CASE SCO WHEN 105 THEN 0 ELSE 1 END",       // the same count, 104 for 105
        "UPDATE MSYAIN2 SET FITNO = 2",                                          // another target since
    };
    for (const char* change : changes) {
        SCOPED_TRACE(change);
        ASSERT_TRUE(dm().ACN2.executeRaw(QString::fromUtf8(change)));
        const auto before = employeeTables(dm());
        EXPECT_EQ(optimal::optimiseWages(dm(), analysis), WriteStatus::CountMismatch);
        EXPECT_EQ(employeeTables(dm()), before);
    }
    analysis.target = 2;
    EXPECT_EQ(optimal::optimiseWages(dm(), analysis), WriteStatus::NotAllowed);
}

// An update fails half-way through the optimisation or the reset: every row and the undo data of
// the earlier optimisation stay as they were, and the only message is the data layer's.
TEST_F(OptimalWrite, AFailingWriteChangesNothing)
{
    analyse(0);
    ASSERT_TRUE(dm().ACN2.executeRaw(QStringLiteral("UPDATE MSYAIN2 SET SAVENO = 2, SAVEKIN = 777 WHERE SCO IN (101, 105)")));
    struct Case {
        const char* trigger;
        bool reset;
    };
    const Case cases[] = {
        {"CREATE TRIGGER fail BEFORE UPDATE ON MSYAIN2 WHEN NEW.SCO = 103 AND NEW.SAVENO <> 0 "
         "BEGIN SELECT RAISE(ABORT, 'locked'); END",
         false},
        {"CREATE TRIGGER fail BEFORE UPDATE ON MSYAIN2 WHEN NEW.SCO = 105 AND OLD.SAVENO <> 0 AND NEW.SAVENO = 0 "
         "BEGIN SELECT RAISE(ABORT, 'locked'); END",
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.trigger);
        home.dialogs.clear();
        ASSERT_TRUE(dm().ACN2.executeRaw(QString::fromUtf8(c.trigger)));
        const auto before = employeeTables(dm());
        const WriteStatus status = c.reset ? optimal::resetWages(dm()) : optimal::optimiseWages(dm(), analysis);
        EXPECT_EQ(status, WriteStatus::DatabaseError);
        EXPECT_EQ(employeeTables(dm()), before);
        EXPECT_EQ(dm().ACN2.transactionDepth(), 0);
        ASSERT_EQ(home.dialogs.texts().size(), 1);
        EXPECT_TRUE(home.dialogs.texts()[0].contains(QStringLiteral("locked")));
        ASSERT_TRUE(dm().ACN2.executeRaw(QStringLiteral("DROP TRIGGER fail")));
    }
    // Without the trigger the same optimisation goes through.
    EXPECT_EQ(optimal::optimiseWages(dm(), analysis), WriteStatus::Done);
}

} // namespace
