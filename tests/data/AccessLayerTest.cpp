// Round trips, errors and transactions of the table access layer.

#include "data/Common.h"
#include "data/DbAccess.h"
#include "data/Schema.h"
#include "support/TestHome.h"

#include <gtest/gtest.h>

using namespace data;

namespace {

std::string s(const QString& q) { return q.toStdString(); }

TKigyo1_ company(const QString& kco, const QString& name)
{
    TKigyo1_ r;
    r.KCO = kco;
    r.NENDO = QStringLiteral("2020");
    r.KNA = name;
    r.SDATE = QStringLiteral("20200615");
    r.FNK = QStringLiteral("9");
    r.KDATE = QStringLiteral("20090401");
    r.REKI = QStringLiteral("0");
    r.SYOTEIHH = QStringLiteral("7.5");
    r.SYOTEIDD = QStringLiteral("20.5");
    r.SYOTEIMM = QStringLiteral("153.75");
    r.SAITEI = QStringLiteral("1013");
    return r;
}

TSyain_ employee(qint64 sco)
{
    TSyain_ e;
    e.KCO = QStringLiteral("1");
    e.SCO = QString::number(sco);
    e.NENDO = QStringLiteral("2020");
    e.SCOT = QStringLiteral("A-%1").arg(sco);
    e.SNA = QStringLiteral("山田　太郎");
    e.SEIHI = 19800401;
    e.NYUHI = 20030401;
    e.TCO = 3;
    e.TOUKYU = 3;
    e.GOUHOU = 12;
    e.TRITSU = 87.5;
    e.KKYU1 = 250000;
    e.KKYU2 = 12000;
    e.KKYU3 = 3000;
    e.TEATE1 = 10000;
    e.TEATE5 = 8000;
    e.NKKYU1 = 255000;
    e.NKKYU2 = 12000;
    e.NTEATE1 = 10000;
    e.SYOUYO = 600000;
    e.SYOUYO2 = 650000;
    e.SPATH = QStringLiteral("emp_1.jpg");
    return e;
}

} // namespace

TEST(AccessLayer, AllTextRowRoundTripKeepsQuotesAndJapanese)
{
    TestHome home;
    TKigyo1_ r = company(QStringLiteral("1"), QStringLiteral("O'Brien \"商事\", 株式会社 ｶﾙﾈｵ ①"));
    ASSERT_TRUE(Insert(home.dm().ACN1, home.dm().Query1, true, r));
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.rows, 1);

    TKigyo1_ back;
    back.KCO = QStringLiteral("1");
    back.NENDO = QStringLiteral("2020");
    ASSERT_TRUE(Select(home.dm().ACN1, home.dm().Query1, false, QStringLiteral("SELECT * FROM MKIGYOU1"), QString(), back));
    ASSERT_TRUE(back.ok);
    for (size_t i = 0; i < TKigyo1_::table().columns.size(); ++i) {
        auto m = std::get<QString TKigyo1_::*>(TKigyo1_::table().columns[i].field);
        EXPECT_EQ(s(back.*m), s(r.*m)) << TKigyo1_::table().columns[i].name;
    }
}

TEST(AccessLayer, EmptyHourColumnsReadAsZero)
{
    TestHome home;
    ASSERT_TRUE(home.dm().ACN1.executeRaw(QStringLiteral(
        "INSERT INTO MKIGYOU1 VALUES(5, 2020, 'x', '', 20200101, 9, 20090401, 0, NULL, '', NULL, NULL)")));
    TKigyo1_ r;
    ASSERT_TRUE(Select(home.dm().ACN1, home.dm().Query1, false, QStringLiteral("SELECT * FROM MKIGYOU1"),
                       QStringLiteral(" WHERE KCO = 5"), r));
    EXPECT_EQ(s(r.SYOTEIHH + r.SYOTEIDD + r.SYOTEIMM + r.SAITEI), "0000");
    EXPECT_EQ(s(r.PATH), "");
}

TEST(AccessLayer, NumberColumnsRefuseTextThatIsNoNumber)
{
    struct Case { const char* value; };
    for (const Case c : {Case{""}, Case{"abc"}, Case{"1; DROP TABLE MKIGYOU1"}, Case{"12x"}}) {
        SCOPED_TRACE(c.value);
        TestHome home;
        TKigyo1_ r = company(QStringLiteral("1"), QStringLiteral("name"));
        r.SAITEI = QString::fromUtf8(c.value);
        EXPECT_FALSE(Insert(home.dm().ACN1, home.dm().Query1, true, r));
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.rows, -1);
        ASSERT_EQ(home.dialogs.log.size(), 1u);
        EXPECT_TRUE(home.dialogs.log[0].caption.isEmpty());
        EXPECT_EQ(s(home.dialogs.log[0].text), s(r.message));
        EXPECT_TRUE(r.message.startsWith(QStringLiteral("SQLITE_MISMATCH "))) << s(r.message);
        // The statement is part of the message, with the held text written as it is.
        EXPECT_TRUE(r.message.contains(QStringLiteral("Insert into MKIGYOU1 Values(1,2020,'name'"))) << s(r.message);
        if (QString::fromUtf8(c.value).isEmpty())
            EXPECT_TRUE(r.message.contains(QStringLiteral(",)"))) << s(r.message);
        RecSet<TKigyo1_> all;
        ASSERT_TRUE(Selects(home.dm().ACN1, home.dm().Query1, false, QStringLiteral("SELECT * FROM MKIGYOU1"), QString(), all));
        EXPECT_EQ(all.rows, 0);
        EXPECT_TRUE(all.ok);
    }
}

TEST(AccessLayer, EngineErrorsAreShownOnceAndReturnFalse)
{
    TestHome home;
    TKigyo1_ r = company(QStringLiteral("1"), QStringLiteral("a"));
    ASSERT_TRUE(Insert(home.dm().ACN1, home.dm().Query1, true, r));
    TKigyo1_ dup = company(QStringLiteral("1"), QStringLiteral("b"));
    EXPECT_FALSE(Insert(home.dm().ACN1, home.dm().Query1, true, dup));
    EXPECT_EQ(dup.rows, -1);
    ASSERT_EQ(home.dialogs.log.size(), 1u);
    EXPECT_TRUE(dup.message.startsWith(QStringLiteral("SQLITE_CONSTRAINT "))) << s(dup.message);

    // A read of a table that does not exist: the state and the engine's description, no statement.
    RecSet<TKigyo1_> set;
    EXPECT_FALSE(Selects(home.dm().ACN1, home.dm().Query1, false, QStringLiteral("SELECT * FROM NOSUCH"), QString(), set));
    EXPECT_FALSE(set.ok);
    EXPECT_EQ(s(set.message), "SQLITE_ERROR no such table: NOSUCH");
    EXPECT_EQ(home.dialogs.log.size(), 2u);
}

TEST(AccessLayer, SelectWithoutRowIsNoError)
{
    TestHome home;
    TKigyo1_ r;
    ASSERT_TRUE(Select(home.dm().ACN1, home.dm().Query1, false, QStringLiteral("SELECT * FROM MKIGYOU1"),
                       QStringLiteral(" WHERE KCO = 99"), r));
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.rows, 0);
    RecSet<TMark_> set;
    ASSERT_TRUE(Selects(home.dm().ACN1, home.dm().Query1, false, QStringLiteral("SELECT * FROM MMMARK"), QString(), set));
    EXPECT_TRUE(set.ok);
    EXPECT_EQ(set.rows, 0);
    EXPECT_TRUE(home.dialogs.log.empty());
}

TEST(AccessLayer, UpdateDeleteAndSaveByKey)
{
    TestHome home;
    auto& c = home.dm().ACN1;
    auto& q = home.dm().Query1;
    TMark_ m;
    m.KCO = QStringLiteral("0");
    m.NENDO = QStringLiteral("9999");
    m.MKCO = QStringLiteral("1");
    m.MARK = QStringLiteral("●");
    m.MKSIZE = QStringLiteral("9");
    m.KSYURUI = QStringLiteral("0");
    m.KHABA = QStringLiteral("1");
    // Save inserts a missing row, then updates it.
    ASSERT_TRUE(Save(c, q, true, QString(), m, TMark_::defaultsTable()));
    m.MARK = QStringLiteral("■");
    ASSERT_TRUE(Save(c, q, true, QString(), m, TMark_::defaultsTable()));
    EXPECT_EQ(m.rows, 1);
    RecSet<TMark_> set;
    ASSERT_TRUE(Selects(c, q, false, QStringLiteral("SELECT * FROM MMMARK"), QString(), set));
    ASSERT_EQ(set.rows, 1);
    EXPECT_EQ(s(set.items[0].MARK), "■");
    // Update by an explicit WHERE that matches nothing changes nothing and is no error.
    ASSERT_TRUE(Update(c, q, true, QStringLiteral(" where MKCO = 5"), m, TMark_::defaultsTable()));
    EXPECT_EQ(m.rows, 0);
    ASSERT_TRUE(Delete(c, q, true, QString(), m, TMark_::defaultsTable()));
    EXPECT_EQ(m.rows, 1);
    ASSERT_TRUE(Selects(c, q, false, QStringLiteral("SELECT * FROM MMMARK"), QString(), set));
    EXPECT_EQ(set.rows, 0);
}

TEST(AccessLayer, TypedRowsRoundTripAndRoundHalfToEven)
{
    TestHome home;
    ASSERT_TRUE(home.openYear(2020));
    auto& c = home.dm().ACN2;
    auto& q = home.dm().Query21;
    TSPDRAW_ d;
    d.KCO = QStringLiteral("1");
    d.NENDO = QStringLiteral("2020");
    d.SDCO = QStringLiteral("2");
    d.X = 1;
    d.Y = 2;
    d.SKIN1 = 200000.5;   // halves go to the even neighbour
    d.SKIN2 = 200001.5;
    d.SKIN3 = 199999.4;
    d.HANREI = QStringLiteral("設計'1'");
    ASSERT_TRUE(Insert(c, q, true, d));
    TSPDRAW_ back;
    back.KCO = d.KCO;
    back.NENDO = d.NENDO;
    back.SDCO = d.SDCO;
    ASSERT_TRUE(Select(c, q, false, QStringLiteral("SELECT * FROM DSPDRAW"), QString(), back));
    ASSERT_TRUE(back.ok);
    EXPECT_EQ(back.SKIN1, 200000.0);
    EXPECT_EQ(back.SKIN2, 200002.0);
    EXPECT_EQ(back.SKIN3, 199999.0);
    EXPECT_EQ(s(back.HANREI), "設計'1'");
    EXPECT_EQ(back.X, 1);
}

TEST(AccessLayer, FetchOrCreateMakesTheChartRowOnce)
{
    TestHome home;
    ASSERT_TRUE(home.openYear(2020));
    TChart_ ch;
    ch.KCO = QStringLiteral("1");
    ch.NENDO = QStringLiteral("2020");
    ch.CHCO = QStringLiteral("1010");
    ch.KNO = 1;
    ch.XNAME = QStringLiteral("年齢");
    ch.SEX = 2;
    ASSERT_TRUE(FetchOrCreate(home.dm().ACN2, home.dm().Query21, true, ch));
    EXPECT_EQ(s(ch.FCHK), "000000000");
    EXPECT_EQ(s(ch.XNAME), "年齢");
    ch.TITLE = QStringLiteral("changed");
    ASSERT_TRUE(Update(home.dm().ACN2, home.dm().Query21, true, QString(), ch));
    TChart_ again;
    again.KCO = ch.KCO;
    again.NENDO = ch.NENDO;
    again.CHCO = ch.CHCO;
    again.KNO = 1;
    ASSERT_TRUE(FetchOrCreate(home.dm().ACN2, home.dm().Query21, true, again));
    EXPECT_EQ(s(again.TITLE), "changed");
    EXPECT_EQ(again.SEX, 2);
    RecSet<TChart_> all;
    ASSERT_TRUE(Selects(home.dm().ACN2, home.dm().Query21, false, QStringLiteral("SELECT * FROM MCHART"), QString(), all));
    EXPECT_EQ(all.rows, 1);
}

TEST(Employees, ViewReadDerivesAmountsAndRecomputesAges)
{
    TestHome home;
    ASSERT_TRUE(home.openYear(2020));
    home.dm().state.AgeByToday = 0;
    home.dm().state.AgeReferenceDate = 20200401;
    TSyain_ e = employee(7);
    e.NENREI = 99;   // stored values are ignored on reading
    ASSERT_TRUE(InsertSyain(home.dm().ACN2, home.dm().Query21, e));
    TSyain_rec set;
    ASSERT_TRUE(Selects(home.dm().ACN2, home.dm().Query21, false, QStringLiteral("SELECT * FROM VSYAIN"),
                        QStringLiteral(" WHERE KCO = 1 AND NENDO = 2020"), set));
    ASSERT_EQ(set.rows, 1);
    const TSyain_& r = set.items[0];
    EXPECT_EQ(s(r.SNA), "山田　太郎");
    EXPECT_EQ(r.NENREI, 40);     // born 1980-04-01, counted to 2020-04-01: the birthday counts
    EXPECT_EQ(r.KINZOKU, 17);
    EXPECT_EQ(r.BaseTotal, 265000);
    EXPECT_EQ(r.ScheduledPay, 283000);
    EXPECT_EQ(r.AnnualIncome, 283000 * 12 + 600000 + 650000);
    EXPECT_EQ(r.BaseTotalAfter, 267000);
    EXPECT_EQ(r.ScheduledPayAfter, 277000);
    EXPECT_DOUBLE_EQ(r.TRITSU, 87.5);
    EXPECT_EQ(s(r.SPATH), "emp_1.jpg");

    // One day before the birthday the employee is a year younger.
    home.dm().state.AgeReferenceDate = 20200331;
    ASSERT_TRUE(Selects(home.dm().ACN2, home.dm().Query21, false, QStringLiteral("SELECT * FROM VSYAIN"), QString(), set));
    EXPECT_EQ(set.items[0].NENREI, 39);
    // The derived amounts come only with the view.
    ASSERT_TRUE(Selects(home.dm().ACN2, home.dm().Query21, false,
                        QStringLiteral("SELECT * FROM MSYAIN1 A JOIN MSYAIN2 B USING (KCO, SCO, NENDO)"), QString(), set));
    EXPECT_EQ(set.items[0].BaseTotal, 0);
}

TEST(Employees, ViewLooksUpEvaluationBandAndWageTable)
{
    TestHome home;
    ASSERT_TRUE(home.openYear(2020));
    auto& c = home.dm().ACN2;
    ASSERT_TRUE(c.executeRaw(QStringLiteral(
        "INSERT INTO MHYOUKA VALUES(1, 2020, 1, 2, 'A', 5);"
        "INSERT INTO YHYOUKA VALUES(1, 2020, 3, '優');"
        "INSERT INTO BANDM (KCO, NENDO, BANDID, BANDNAME, MATRIXID) VALUES(1, 2020, 4, 'バンドD', 6);"
        "INSERT INTO DCHINGIN2 (KCO, NENDO, SKCO, GOUHOU, KIN3, KIN4) VALUES(1, 2020, 1, 12, 230000, 250000);"
        "INSERT INTO DCHINGIN2 (KCO, NENDO, SKCO, GOUHOU, KIN3, KIN4) VALUES(1, 2020, 1, 17, 240000, 262000);")));
    TSyain_ e = employee(1);
    e.SKCO = 1;
    e.HCO = 2;
    e.YHYOUKA = 3;
    e.BANDID = 4;
    e.NGOUHOU = 17;
    e.NTOUKYU = 4;
    ASSERT_TRUE(InsertSyain(c, home.dm().Query21, e));
    TSyain_rec set;
    ASSERT_TRUE(Selects(c, home.dm().Query21, false, QStringLiteral("SELECT * FROM VSYAIN"), QString(), set));
    ASSERT_EQ(set.rows, 1);
    const TSyain_& r = set.items[0];
    EXPECT_EQ(s(r.HKIGOU), "A");
    EXPECT_EQ(r.SGOUSU, 5);
    EXPECT_EQ(s(r.HYOUKA), "優");
    EXPECT_EQ(s(r.BANDNAME), "バンドD");
    EXPECT_EQ(r.MATRIXID, 6);
    EXPECT_EQ(r.KIN, 230000);    // grade 3, step 12
    EXPECT_EQ(r.NKIN, 262000);   // new grade 4, new step 17
}

TEST(Employees, CombinedWritesAreBothOrNeither)
{
    TestHome home;
    ASSERT_TRUE(home.openYear(2020));
    auto& c = home.dm().ACN2;
    // A second part that already exists makes the insert of the second table fail.
    ASSERT_TRUE(c.executeRaw(QStringLiteral("INSERT INTO MSYAIN2 (KCO, SCO, NENDO) VALUES(1, 9, 2020)")));
    TSyain_ e = employee(9);
    EXPECT_FALSE(InsertSyain(c, home.dm().Query21, e));
    EXPECT_EQ(e.rows, -1);
    EXPECT_EQ(home.dialogs.log.size(), 1u);
    Query q(c);
    q.setSql(QStringLiteral("SELECT count(*) FROM MSYAIN1"));
    ASSERT_TRUE(q.open());
    EXPECT_EQ(q.intValue(0), 0) << "the first part must not stay behind";
    q.close();

    // Update and delete of a stored employee change both parts.
    TSyain_ ok = employee(10);
    ASSERT_TRUE(InsertSyain(c, home.dm().Query21, ok));
    ok.SNA = QStringLiteral("新しい名前");
    ok.KKYU1 = 300000;
    ASSERT_TRUE(UpdateSyain(c, home.dm().Query21, QString(), ok));
    EXPECT_EQ(ok.rows, 1);
    TSyain_ back;
    back.KCO = ok.KCO;
    back.SCO = ok.SCO;
    back.NENDO = ok.NENDO;
    ASSERT_TRUE(Select(c, home.dm().Query21, false, QStringLiteral("SELECT * FROM VSYAIN"), QString(), back));
    EXPECT_EQ(s(back.SNA), "新しい名前");
    EXPECT_EQ(back.KKYU1, 300000);
    ASSERT_TRUE(DeleteSyain(c, home.dm().Query21, QString(), ok));
    q.setSql(QStringLiteral("SELECT (SELECT count(*) FROM MSYAIN1 WHERE SCO = 10) + (SELECT count(*) FROM MSYAIN2 WHERE SCO = 10)"));
    ASSERT_TRUE(q.open());
    EXPECT_EQ(q.intValue(0), 0);
}

TEST(Transactions, InnerRollbackKeepsOuterWorkAndOuterRollbackUndoesAll)
{
    TestHome home;
    auto& c = home.dm().ACN1;
    auto& q = home.dm().Query1;
    {
        Transaction outer(c);
        TKigyo1_ a = company(QStringLiteral("1"), QStringLiteral("a"));
        ASSERT_TRUE(Insert(c, q, true, a));
        TKigyo1_ bad = company(QStringLiteral("1"), QStringLiteral("dup"));
        EXPECT_FALSE(Insert(c, q, true, bad));   // its own savepoint is rolled back
        TKigyo1_ b = company(QStringLiteral("2"), QStringLiteral("b"));
        ASSERT_TRUE(Insert(c, q, true, b));
        ASSERT_TRUE(outer.commit());
    }
    RecSet<TKigyo1_> set;
    ASSERT_TRUE(Selects(c, q, false, QStringLiteral("SELECT * FROM MKIGYOU1 ORDER BY KCO"), QString(), set));
    EXPECT_EQ(set.rows, 2);
    {
        Transaction outer(c);
        TKigyo1_ d = company(QStringLiteral("3"), QStringLiteral("c"));
        ASSERT_TRUE(Insert(c, q, true, d));
    }   // not committed: rolled back
    ASSERT_TRUE(Selects(c, q, false, QStringLiteral("SELECT * FROM MKIGYOU1"), QString(), set));
    EXPECT_EQ(set.rows, 2);
}

TEST(Transactions, FullDiskLeavesNothingHalfWritten)
{
    TestHome home;
    ASSERT_TRUE(home.openYear(2020));
    auto& c = home.dm().ACN2;
    Query pages(c);
    pages.setSql(QStringLiteral("PRAGMA page_count"));
    ASSERT_TRUE(pages.open());
    const qint64 now = pages.intValue(0);
    pages.close();
    // The database may grow by a few pages only: a bulk write runs out of room half-way.
    ASSERT_TRUE(c.executeRaw(QStringLiteral("PRAGMA max_page_count = %1").arg(now + 3)));
    bool failed = false;
    {
        Transaction tx(c);
        for (int i = 0; i < 2000 && !failed; ++i) {
            TDChart_ d;
            d.SCO = QString::number(i);
            d.SNA = QString(200, QChar(u'あ'));
            failed = !Insert(c, home.dm().Query21, false, d);
        }
        if (!failed)
            tx.commit();
    }
    ASSERT_TRUE(failed);
    EXPECT_TRUE(home.dialogs.log.back().text.startsWith(QStringLiteral("SQLITE_FULL"))) << s(home.dialogs.log.back().text);
    Query q(c);
    q.setSql(QStringLiteral("SELECT count(*) FROM DCHART"));
    ASSERT_TRUE(q.open());
    EXPECT_EQ(q.intValue(0), 0);
}
