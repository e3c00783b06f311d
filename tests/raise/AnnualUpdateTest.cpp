// The annual update on a small company and on a copy of a sample company: what year Y + 1 holds
// afterwards, the refusals, and that a failure or a killed process leaves every file as it was.

#include "RaiseFixture.h"
#include "data/InstallData.h"
#include "raise/AnnualUpdate.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace fixture;
using salary::AnnualUpdate;
using salary::RolloverOutcome;

namespace {

// Columns of the employee tables that the update sets by its rules; every other column is carried.
const QStringList kRuleColumns = {
    QStringLiteral("NENDO"),   QStringLiteral("NENSYU"),  QStringLiteral("TCO"),     QStringLiteral("GOUHOU"),
    QStringLiteral("UPK"),     QStringLiteral("UPT"),     QStringLiteral("KKYU1"),   QStringLiteral("KKYU2"),
    QStringLiteral("KKYU3"),   QStringLiteral("TEATE1"),  QStringLiteral("TEATE2"),  QStringLiteral("TEATE3"),
    QStringLiteral("TEATE4"),  QStringLiteral("TEATE5"),  QStringLiteral("SRITSU"),  QStringLiteral("NNENSYU"),
    QStringLiteral("SGOUHOU"), QStringLiteral("FSKCHK"),  QStringLiteral("HCO1"),    QStringLiteral("HNA1"),
    QStringLiteral("HCO2"),    QStringLiteral("HNA2"),    QStringLiteral("HCO3"),    QStringLiteral("HNA3"),
    QStringLiteral("SYOTEIKYU"), QStringLiteral("NSYOTEI"), QStringLiteral("UPKIN1"), QStringLiteral("UPKIN2"),
    QStringLiteral("UPKIN3"),
};

// Employees of year Y in schema y0 whose row of Y + 1 (main) breaks a rule of the update, checked
// over the rows of both years in SQL. Year Y's rows are read after the update, which writes them back
// unchanged apart from age and length of service.
qint64 employeesBreakingTheRules(Probe& p, int kco, int year)
{
    const QString before = QStringLiteral("(b.KKYU1+b.KKYU2+b.KKYU3+b.TEATE1+b.TEATE2+b.TEATE3+b.TEATE4+b.TEATE5)");
    const QString after = QStringLiteral("(b.NKKYU1+b.NKKYU2+b.NKKYU3+b.NTEATE1+b.NTEATE2+b.NTEATE3+b.NTEATE4+b.NTEATE5)");
    QString sql = QStringLiteral(
        "SELECT count(*) FROM y0.MSYAIN1 a JOIN y0.MSYAIN2 b ON b.KCO = a.KCO AND b.SCO = a.SCO AND b.NENDO = a.NENDO "
        "LEFT JOIN main.MSYAIN1 na ON na.KCO = a.KCO AND na.SCO = a.SCO AND na.NENDO = a.NENDO + 1 "
        "LEFT JOIN main.MSYAIN2 nb ON nb.KCO = a.KCO AND nb.SCO = a.SCO AND nb.NENDO = a.NENDO + 1 "
        "LEFT JOIN y0.MHYOUKA h ON h.KCO = a.KCO AND h.NENDO = a.NENDO AND h.SKCO = a.SKCO AND h.HCO = b.HCO "
        "WHERE a.KCO = %1 AND a.NENDO = %2 AND NOT (na.SCO IS NOT NULL AND nb.SCO IS NOT NULL "
        "AND na.NENSYU = b.NNENSYU AND nb.NNENSYU = 0 "
        "AND na.TCO = CASE WHEN b.NTOUKYU <> 0 THEN b.NTOUKYU ELSE a.TCO END "
        "AND nb.GOUHOU = CASE WHEN b.NTOUKYU <> 0 THEN b.NGOUHOU ELSE b.GOUHOU END AND nb.TOUKYU = b.TOUKYU "
        "AND nb.UPK = 0 AND nb.UPT = 0 AND na.SRITSU = 0 AND nb.SGOUHOU = 0 AND nb.FSKCHK = 0 "
        "AND nb.KKYU1 = b.NKKYU1 AND nb.KKYU2 = b.NKKYU2 AND nb.KKYU3 = b.NKKYU3 "
        "AND nb.TEATE1 = b.NTEATE1 AND nb.TEATE2 = b.NTEATE2 AND nb.TEATE3 = b.NTEATE3 AND nb.TEATE4 = b.NTEATE4 "
        "AND nb.TEATE5 = b.NTEATE5 "
        "AND nb.HCO1 = b.HCO AND IFNULL(nb.HNA1, '') = IFNULL(h.HKIGOU, '') "
        "AND nb.HCO2 = b.HCO1 AND IFNULL(nb.HNA2, '') = IFNULL(b.HNA1, '') "
        "AND nb.HCO3 = b.HCO2 AND IFNULL(nb.HNA3, '') = IFNULL(b.HNA2, '') "
        "AND na.SYOTEIKYU = b.NSYOTEI AND nb.NSYOTEI = 0 "
        "AND nb.UPKIN1 = %3 - %4 AND nb.UPKIN2 = b.UPKIN1 AND nb.UPKIN3 = b.UPKIN2)")
                      .arg(kco)
                      .arg(year)
                      .arg(after, before);
    return p.scalar(sql);
}

// Checks year + 1 (main) against year (y0) for company kco: every copied table and every employee.
void expectRolledOver(Probe& p, int kco, int year)
{
    const QString was = QStringLiteral("KCO = %1 AND NENDO = %2").arg(kco).arg(year);
    const QString now = QStringLiteral("KCO = %1 AND NENDO = %2").arg(kco).arg(year + 1);
    QStringList tables = copiedTables();
    tables << QStringLiteral("MSYAIN1") << QStringLiteral("MSYAIN2");
    for (const QString& t : tables) {
        SCOPED_TRACE(s(t));
        const qint64 rows = p.scalar(QStringLiteral("SELECT count(*) FROM y0.") + t + QStringLiteral(" WHERE ") + was);
        EXPECT_EQ(p.scalar(QStringLiteral("SELECT count(*) FROM main.") + t + QStringLiteral(" WHERE ") + now), rows);
        const QStringList leftOut = t.startsWith(QStringLiteral("MSYAIN")) ? kRuleColumns : QStringList{QStringLiteral("NENDO")};
        EXPECT_EQ(differingRows(p, t, QStringLiteral("y0"), was, QStringLiteral("main"), now, leftOut), 0);
    }
    EXPECT_EQ(employeesBreakingTheRules(p, kco, year), 0);
}

// Adds count copies of employee 1 of company 1 (codes from 100 on) to a year's database.
void copyEmployee(const QString& path, int count)
{
    Probe p(path);
    for (const QString& t : {QStringLiteral("MSYAIN1"), QStringLiteral("MSYAIN2")}) {
        QStringList cols = p.columns(QStringLiteral("main"), t);
        cols.replaceInStrings(QRegularExpression(QStringLiteral("^SCO$")), QStringLiteral("n.i"));
        ASSERT_TRUE(p.c.executeRaw(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 100 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                                                  "INSERT INTO %2 SELECT %3 FROM %2, n WHERE KCO = 1 AND SCO = 1")
                                       .arg(99 + count)
                                       .arg(t, cols.join(QLatin1Char(',')))));
    }
}

class Rollover : public ::testing::Test {
protected:
    void TearDown() override { home.expectNoUnexpected(); }

    data::TFDM& dm() { return home.dm(); }
    QString control() { return dm().controlDatabasePath(); }
    QString yearPath(int y) { return dm().yearDatabasePath(y); }
    QStringList files() { return {control(), dm().templatePath(), yearPath(2019), yearPath(2020)}; }

    // The three employees of the rules: promoted with a raise, raise never saved, amounts beyond 32 bits.
    static std::vector<data::TSyain_> employees()
    {
        data::TSyain_ promoted = employee(1, 2019, 1);
        promoted.TOUKYU = 2;
        promoted.TCO = 2;
        promoted.NTOUKYU = 3;
        promoted.GOUHOU = 10;
        promoted.NGOUHOU = 15;
        promoted.FSKCHK = 1;
        promoted.SGOUHOU = 5;
        promoted.HCO = 2;
        promoted.HCO1 = 1;
        promoted.HNA1 = QStringLiteral("S");
        promoted.HCO2 = 3;
        promoted.HNA2 = QStringLiteral("B");
        promoted.HCO3 = 4;
        promoted.HNA3 = QStringLiteral("C");
        promoted.KKYU1 = 200000;
        promoted.KKYU2 = 30000;
        promoted.TEATE1 = 10000;
        promoted.TEATE2 = 5000;
        promoted.NKKYU1 = 204000;
        promoted.NKKYU2 = 31000;
        promoted.NTEATE1 = 10000;
        promoted.NTEATE2 = 5000;
        promoted.UPK = 5000;
        promoted.SRITSU = 2.5;
        promoted.NNENSYU = 3000000;
        promoted.SYOTEI = 245000;
        promoted.NSYOTEI = 250000;
        promoted.UPKIN1 = 3000;
        promoted.UPKIN2 = 2000;
        promoted.UPKIN3 = 1000;

        data::TSyain_ unprocessed = employee(1, 2019, 2);
        unprocessed.TOUKYU = 4;
        unprocessed.TCO = 4;
        unprocessed.GOUHOU = 22;
        unprocessed.SEIHI = 19950720;
        unprocessed.NYUHI = 20180401;

        data::TSyain_ large = employee(1, 2019, 3);
        large.TCO = 9;
        large.TOUKYU = 9;
        large.NTOUKYU = 9;
        large.GOUHOU = 1;
        large.NGOUHOU = 2;
        large.KKYU1 = 2999000000LL;
        large.NKKYU1 = 3000000000LL;
        large.NNENSYU = 36000000000LL;

        data::TSyain_ other = employee(2, 2019, 1);
        return {promoted, unprocessed, large, other};
    }

    TestHome home;
};

} // namespace

TEST_F(Rollover, CopiesTheCompanyOfTheChosenYearIntoTheNextOne)
{
    buildCompany(home, employees());
    // The year open on ACN2 is not the one rolled over; its rows of 2019 must not be what is copied.
    ASSERT_TRUE(home.openYear(2018));
    ASSERT_TRUE(dm().ACN2.executeRaw(QStringLiteral("INSERT INTO MKIGYOU2 (KCO, NENDO, KNA) VALUES (1, 2019, '誤り')")));

    const auto result = AnnualUpdate(dm(), 2019, 1);
    ASSERT_EQ(result.outcome, RolloverOutcome::Done);
    EXPECT_EQ(result.employees, 3);
    EXPECT_TRUE(home.dialogs.texts().isEmpty()) << s(home.dialogs.texts().join(u'|'));

    Probe p(yearPath(2020));
    p.attach(yearPath(2019), QStringLiteral("y0"));
    p.attach(control(), QStringLiteral("ctl"));
    expectRolledOver(p, 1, 2019);
    // Nothing of another company or another year came along, and the scratch and curve-point tables
    // are not copied.
    QStringList tables = copiedTables();
    tables << QStringLiteral("MSYAIN1") << QStringLiteral("MSYAIN2") << QStringLiteral("DCHINGIN");
    for (const QString& t : tables)
        EXPECT_EQ(p.scalar(QStringLiteral("SELECT count(*) FROM main.") + t + QStringLiteral(" WHERE NOT (KCO = 1 AND NENDO = 2020)")),
                  0)
            << s(t);
    EXPECT_EQ(p.scalar(QStringLiteral("SELECT count(*) FROM main.DCHINGIN")), 0);
    EXPECT_EQ(p.text(QStringLiteral("SELECT KNA FROM main.MKIGYOU2")), p.text(QStringLiteral("SELECT KNA FROM y0.MKIGYOU2 WHERE KCO = 1 AND NENDO = 2019")));

    // The registry of 2020: the row of 2019 with today as its date.
    EXPECT_EQ(p.scalar(QStringLiteral("SELECT SDATE FROM ctl.MKIGYOU1 WHERE KCO = 1 AND NENDO = 2020")), 20200615);
    EXPECT_EQ(differingRows(p, QStringLiteral("MKIGYOU1"), QStringLiteral("ctl"), QStringLiteral("KCO = 1 AND NENDO = 2019"),
                            QStringLiteral("ctl"), QStringLiteral("KCO = 1 AND NENDO = 2020"),
                            {QStringLiteral("NENDO"), QStringLiteral("SDATE")}),
              0);
    EXPECT_EQ(p.scalar(QStringLiteral("SELECT count(*) FROM ctl.MKIGYOU1 WHERE NENDO = 2020")), 1);
    // The cost of living of the new year is that of 2019's database, every company, years kept.
    EXPECT_EQ(differingRows(p, QStringLiteral("MSEIKEI"), QStringLiteral("y0"), QStringLiteral("1"), QStringLiteral("main"),
                            QStringLiteral("1"), {}),
              0);
    EXPECT_EQ(p.scalar(QStringLiteral("SELECT count(*) FROM main.MSEIKEI")), 4);
}

TEST_F(Rollover, EmployeesTakeTheRaiseAsNextYearsPay)
{
    buildCompany(home, employees());
    ASSERT_EQ(AnnualUpdate(dm(), 2019, 1).outcome, RolloverOutcome::Done);

    struct Case {
        int sco;
        qint64 tco, toukyu, gouhou, kkyu1, nensyu, syoteikyu;
        qint64 upkin1, upkin2, upkin3;
        qint64 hco1, hco2, hco3;
        const char *hna1, *hna2, *hna3;
    };
    const Case cases[] = {
        // Promoted: new grade and step become current, TOUKYU stays; the raise of 5,000 heads the history.
        {1, 3, 2, 15, 204000, 3000000, 250000, 5000, 3000, 2000, 2, 1, 3, "A", "S", "B"},
        // Raise never saved (new grade 0): grade 4 and step 22 are kept, nothing was raised.
        {2, 4, 4, 22, 200000, 0, 0, 0, 0, 0, 0, 0, 0, "", "", ""},
        // Amounts beyond 32 bits are carried and subtracted exactly.
        {3, 9, 9, 2, 3000000000LL, 36000000000LL, 0, 1000000, 0, 0, 0, 0, 0, "", "", ""},
    };
    data::Connection next;
    next.setDatabase(yearPath(2020));
    ASSERT_TRUE(next.open());
    data::Query q(next);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sco);
        data::TSyain_ e;
        ASSERT_TRUE(data::Select(next, q, false, QStringLiteral("SELECT * FROM VSYAIN"),
                                 QStringLiteral(" WHERE KCO = 1 AND NENDO = 2020 AND SCO = %1").arg(c.sco), e));
        ASSERT_TRUE(e.ok);
        EXPECT_EQ(e.TCO, c.tco);
        EXPECT_EQ(e.TOUKYU, c.toukyu);
        EXPECT_EQ(e.GOUHOU, c.gouhou);
        EXPECT_EQ(e.KKYU1, c.kkyu1);
        EXPECT_EQ(e.NKKYU1, c.kkyu1);   // before and after start equal
        EXPECT_EQ(e.NENSYU, c.nensyu);
        EXPECT_EQ(e.SYOTEIKYU, c.syoteikyu);
        EXPECT_EQ(e.UPKIN1, c.upkin1);
        EXPECT_EQ(e.UPKIN2, c.upkin2);
        EXPECT_EQ(e.UPKIN3, c.upkin3);
        EXPECT_EQ(e.HCO1, c.hco1);
        EXPECT_EQ(e.HCO2, c.hco2);
        EXPECT_EQ(e.HCO3, c.hco3);
        EXPECT_EQ(e.HNA1, QString::fromUtf8(c.hna1));
        EXPECT_EQ(e.HNA2, QString::fromUtf8(c.hna2));
        EXPECT_EQ(e.HNA3, QString::fromUtf8(c.hna3));
        for (qint64 zero : {e.UPK, e.UPT, e.NNENSYU, e.SGOUHOU, e.FSKCHK, e.NSYOTEI})
            EXPECT_EQ(zero, 0);
        EXPECT_EQ(e.SRITSU, 0.0);
    }
    q.close();

    // Age and service are stored at the reference date (2020-06-15) in both years.
    Probe p(yearPath(2020));
    p.attach(yearPath(2019), QStringLiteral("y0"));
    for (const QString& schema : {QStringLiteral("y0"), QStringLiteral("main")}) {
        EXPECT_EQ(p.scalar(QStringLiteral("SELECT NENREI FROM ") + schema + QStringLiteral(".MSYAIN1 WHERE KCO = 1 AND SCO = 1")), 40);
        EXPECT_EQ(p.scalar(QStringLiteral("SELECT KINZOKU FROM ") + schema + QStringLiteral(".MSYAIN1 WHERE KCO = 1 AND SCO = 1")), 17);
        EXPECT_EQ(p.scalar(QStringLiteral("SELECT NENREI FROM ") + schema + QStringLiteral(".MSYAIN1 WHERE KCO = 1 AND SCO = 2")), 24);
    }
}

TEST_F(Rollover, ANextYearInUseKeepsItsCompaniesAndGetsTheCostOfLivingReplaced)
{
    buildCompany(home, employees());
    // 2020 exists already with company 3 and a cost-of-living table of its own.
    ASSERT_TRUE(home.openYear(2020));
    data::TKigyo1_ three = registry(3, 2020, QStringLiteral("丙"));
    ASSERT_TRUE(data::Insert(dm().ACN1, dm().Query1, true, three));
    inventRows(dm().ACN2, QStringLiteral("MKIGYOU2"), 3, 2020, 7, 1);
    inventRows(dm().ACN2, QStringLiteral("MSEIKEI"), 3, 2020, 8, 2);
    data::TSyain_ e = employee(3, 2020, 1);
    ASSERT_TRUE(data::InsertSyain(dm().ACN2, dm().Query22, e));
    dm().ACN2.close();

    ASSERT_EQ(AnnualUpdate(dm(), 2019, 1).outcome, RolloverOutcome::Done);
    Probe p(yearPath(2020));
    p.attach(yearPath(2019), QStringLiteral("y0"));
    expectRolledOver(p, 1, 2019);
    EXPECT_EQ(p.scalar(QStringLiteral("SELECT count(*) FROM main.MKIGYOU2 WHERE KCO = 3")), 1);
    EXPECT_EQ(p.scalar(QStringLiteral("SELECT count(*) FROM main.MSYAIN1 WHERE KCO = 3")), 1);
    EXPECT_EQ(differingRows(p, QStringLiteral("MSEIKEI"), QStringLiteral("y0"), QStringLiteral("1"), QStringLiteral("main"),
                            QStringLiteral("1"), {}),
              0);
}

TEST_F(Rollover, ACompanyWithoutEmployeesIsRolledOverToo)
{
    buildCompany(home, {});
    const auto result = AnnualUpdate(dm(), 2019, 2);
    EXPECT_EQ(result.outcome, RolloverOutcome::Done);
    EXPECT_EQ(result.employees, 0);
    Probe p(yearPath(2020));
    p.attach(yearPath(2019), QStringLiteral("y0"));
    expectRolledOver(p, 2, 2019);
}

// Refusals change nothing and say nothing themselves (the screen shows the reason).
TEST_F(Rollover, RefusalsLeaveEveryFileAsItWas)
{
    buildCompany(home, employees());
    data::TKigyo1_ lonely = registry(5, 2019, QStringLiteral("設定なし"));
    ASSERT_TRUE(data::Insert(dm().ACN1, dm().Query1, true, lonely));
    data::TKigyo1_ yearless = registry(7, 2017, QStringLiteral("年度なし"));
    ASSERT_TRUE(data::Insert(dm().ACN1, dm().Query1, true, yearless));
    ASSERT_TRUE(AnnualUpdate(dm(), 2019, 2).outcome == RolloverOutcome::Done);
    dm().ACN2.close();
    struct Case {
        const char* what;
        int year, kco;
        RolloverOutcome outcome;
    } const cases[] = {
        {"already in the next year", 2019, 2, RolloverOutcome::AlreadyExists},
        {"registered but no database of the year", 2017, 7, RolloverOutcome::NoCompanyData},
        {"registered but without rows in its year", 2019, 5, RolloverOutcome::NoCompanyData},
        {"not registered at all", 2019, 9, RolloverOutcome::NoCompanyData},
        {"year 0", 0, 1, RolloverOutcome::InvalidYear},
        {"negative year", -2019, 1, RolloverOutcome::InvalidYear},
        {"next year of five digits", 9999, 1, RolloverOutcome::InvalidYear},
        {"three-digit year", 999, 1, RolloverOutcome::InvalidYear},
    };
    const QStringList paths = files() << yearPath(2017) << yearPath(2018) << yearPath(10000) << yearPath(1000);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        home.dialogs.clear();
        const auto before = fingerprints(paths);
        EXPECT_EQ(AnnualUpdate(dm(), c.year, c.kco).outcome, c.outcome);
        EXPECT_EQ(fingerprints(paths), before);
        EXPECT_TRUE(home.dialogs.texts().isEmpty());
    }
    EXPECT_FALSE(QFileInfo::exists(dm().state.DataDir + QStringLiteral("2020/DATA.MDB.new")));
}

// A failure in the middle rolls everything back: the three files are as they were, a year database
// that did not exist does not exist, one error was shown. Once the cause is gone, the update runs.
TEST_F(Rollover, AFailureInTheMiddleLeavesEveryFileAsItWas)
{
    struct Case {
        const char* what;
        bool nextYearExists;
        const char* cause;    // run on the database named by in
        const char* in;       // "next" or "template"
        const char* cure;
    } const cases[] = {
        {"a trigger of the next year rejects one employee", true,
         "CREATE TRIGGER reject AFTER INSERT ON MSYAIN2 WHEN NEW.SCO = 2 BEGIN SELECT RAISE(ABORT, 'rejected'); END",
         "next", "DROP TRIGGER reject"},
        {"the new year's database rejects one employee", false,
         "CREATE TRIGGER reject AFTER INSERT ON MSYAIN2 WHEN NEW.SCO = 3 BEGIN SELECT RAISE(ABORT, 'rejected'); END",
         "template", "DROP TRIGGER reject"},
        {"an employee row of the next year is in the way", true,
         "INSERT INTO MSYAIN1 (KCO, SCO, NENDO, SNA) VALUES (1, 3, 2020, '残り')", "next",
         "DELETE FROM MSYAIN1 WHERE KCO = 1"},
        {"a wage-table row of the next year is in the way (last step)", true,
         "INSERT INTO DCHINGIN2 (KCO, NENDO, SKCO, GOUHOU) VALUES (1, 2020, 1002, 1003)", "next",
         "DELETE FROM DCHINGIN2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestHome h;
        buildCompany(h, employees());
        data::TFDM& d = h.dm();
        d.ACN2.close();
        const QString next = d.yearDatabasePath(2020);
        if (c.nextYearExists) {
            QDir().mkpath(QFileInfo(next).absolutePath());
            ASSERT_TRUE(QFile::copy(d.templatePath(), next));
        }
        const QString target = QString::fromUtf8(c.in) == QStringLiteral("next") ? next : d.templatePath();
        {
            Probe p(target);
            ASSERT_TRUE(p.c.executeRaw(QString::fromUtf8(c.cause)));
        }
        const QStringList paths = {d.controlDatabasePath(), d.templatePath(), d.yearDatabasePath(2019), next};
        const auto before = fingerprints(paths);

        EXPECT_EQ(AnnualUpdate(d, 2019, 1).outcome, RolloverOutcome::Failed);
        EXPECT_EQ(fingerprints(paths), before);
        EXPECT_EQ(QFileInfo::exists(QFileInfo(next).absolutePath()), c.nextYearExists);
        ASSERT_EQ(h.dialogs.log.size(), 1u) << s(h.dialogs.texts().join(u'|'));
        EXPECT_TRUE(h.dialogs.log[0].text.startsWith(QStringLiteral("SQLITE_"))) << s(h.dialogs.log[0].text);

        {
            Probe p(target);
            ASSERT_TRUE(p.c.executeRaw(QString::fromUtf8(c.cure)));
        }
        h.dialogs.clear();
        EXPECT_EQ(AnnualUpdate(d, 2019, 1).outcome, RolloverOutcome::Done);
        EXPECT_TRUE(h.dialogs.texts().isEmpty());
        Probe p(next);
        p.attach(d.yearDatabasePath(2019), QStringLiteral("y0"));
        expectRolledOver(p, 1, 2019);
    }
}

// A process killed inside the transaction: once the files are read again (which rolls back what the
// journals hold), everything is as before, and the update can be run again.
TEST_F(Rollover, AProcessKilledInTheMiddleLeavesEveryFileAsItWas)
{
    struct Case {
        const char* what;
        int stopAfter;
        bool nextYearExists;
        int moreEmployees;   // enough of them and the engine writes changed pages out before the commit
    } const cases[] = {
        {"after the registration, new year", salary::StepRegistry, false, 0},
        {"after the employees, new year", salary::StepEmployees, false, 0},
        {"after the employees, year in use", salary::StepEmployees, true, 0},
        {"after the last step, new year", salary::StepWageTableSteps, false, 0},
        {"after the employees of a larger company, year in use", salary::StepEmployees, true, 20000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestHome h;
        buildCompany(h, employees());
        data::TFDM& d = h.dm();
        d.ACN2.close();
        if (c.moreEmployees > 0)
            copyEmployee(d.yearDatabasePath(2019), c.moreEmployees);
        const QString next = d.yearDatabasePath(2020);
        if (c.nextYearExists) {
            QDir().mkpath(QFileInfo(next).absolutePath());
            ASSERT_TRUE(QFile::copy(d.templatePath(), next));
        }
        const QStringList paths = {d.controlDatabasePath(), d.templatePath(), d.yearDatabasePath(2019), next};
        const auto before = fingerprints(paths);

        QProcess child;
        child.start(QString::fromUtf8(ROLLOVER_CHILD),
                    {h.path(), QStringLiteral("2019"), QStringLiteral("1"), QString::number(c.stopAfter)});
        ASSERT_TRUE(child.waitForStarted());
        while (!child.canReadLine() && child.state() == QProcess::Running)
            child.waitForReadyRead(10000);
        ASSERT_EQ(child.readLine().trimmed(), QByteArray("PAUSED")) << child.readAllStandardError().toStdString();
        child.kill();   // SIGKILL
        ASSERT_TRUE(child.waitForFinished());
        EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);

        // The next reader of each file rolls back what the killed process left in its journal.
        for (const QString& f : paths) {
            if (!QFileInfo::exists(f))
                continue;
            Probe p(f);
            p.scalar(QStringLiteral("SELECT count(*) FROM sqlite_master"));
        }
        EXPECT_EQ(fingerprints(paths), before);

        EXPECT_EQ(AnnualUpdate(d, 2019, 1).outcome, RolloverOutcome::Done);
        const QStringList leftovers = {next + QStringLiteral(".new"), next + QStringLiteral("-journal"),
                                       d.controlDatabasePath() + QStringLiteral("-journal"),
                                       d.yearDatabasePath(2019) + QStringLiteral("-journal")};
        for (const QString& f : leftovers)
            EXPECT_FALSE(QFileInfo::exists(f)) << s(f);
        Probe p(next);
        p.attach(d.yearDatabasePath(2019), QStringLiteral("y0"));
        expectRolledOver(p, 1, 2019);
        EXPECT_TRUE(h.dialogs.texts().isEmpty()) << s(h.dialogs.texts().join(u'|'));
    }
}

// A process that ended between the commit and the renaming of the new year's database left it under
// its temporary name: committed data is put in place, anything else is removed.
TEST_F(Rollover, ALeftoverNewYearDatabaseIsSettled)
{
    buildCompany(home, employees());
    dm().ACN2.close();
    const QString next = yearPath(2020);
    const QString pending = next + QStringLiteral(".new");
    ASSERT_EQ(AnnualUpdate(dm(), 2019, 1).outcome, RolloverOutcome::Done);
    ASSERT_TRUE(QFile::rename(next, pending));
    salary::settleInterruptedYear(next);
    EXPECT_FALSE(QFileInfo::exists(pending));
    ASSERT_TRUE(QFileInfo::exists(next));
    EXPECT_EQ(Probe(next).scalar(QStringLiteral("SELECT count(*) FROM MSYAIN1")), 3);

    // An empty copy of the template (an update that never committed) goes.
    const QString other = yearPath(2021);
    QDir().mkpath(QFileInfo(other).absolutePath());
    ASSERT_TRUE(QFile::copy(dm().templatePath(), other + QStringLiteral(".new")));
    salary::settleInterruptedYear(other);
    EXPECT_FALSE(QFileInfo::exists(other + QStringLiteral(".new")));
    EXPECT_FALSE(QFileInfo::exists(other));
}

// A copy of the installation's sample company of 2020 rolled into 2021.
TEST(RolloverSample, TheSampleCompanyRollsOverWithEveryTableAndRule)
{
    TestHome home(false);
    QString error;
    ASSERT_TRUE(data::prepareProgramFolder(home.path(), &error)) << s(error);
    data::TFDM& dm = home.dm();
    dm.OpenDatabase(dm.ACN1, dm.controlDatabasePath());
    dm.state.AgeByToday = 1;
    const qint64 employees = Probe(dm.yearDatabasePath(2020)).scalar(QStringLiteral("SELECT count(*) FROM MSYAIN1 WHERE KCO = 1 AND NENDO = 2020"));
    ASSERT_GT(employees, 0);

    const auto result = AnnualUpdate(dm, 2020, 1);
    ASSERT_EQ(result.outcome, RolloverOutcome::Done);
    EXPECT_EQ(result.employees, employees);
    Probe p(dm.yearDatabasePath(2021));
    p.attach(dm.yearDatabasePath(2020), QStringLiteral("y0"));
    expectRolledOver(p, 1, 2020);
    // The sample data has raises saved for its employees: someone must really have changed grade,
    // and the raise history must have moved.
    EXPECT_GT(p.scalar(QStringLiteral("SELECT count(*) FROM main.MSYAIN1 a JOIN y0.MSYAIN1 b ON b.KCO = a.KCO AND b.SCO = a.SCO "
                                      "WHERE a.KCO = 1 AND b.NENDO = 2020 AND a.TCO <> b.TCO")),
              0);
    EXPECT_GT(p.scalar(QStringLiteral("SELECT count(*) FROM main.MSYAIN2 WHERE KCO = 1 AND UPKIN1 <> 0")), 0);
    EXPECT_TRUE(home.dialogs.texts().isEmpty()) << s(home.dialogs.texts().join(u'|'));
}
