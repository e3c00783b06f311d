// The engine, the data module's open operations and the common conversions.

#include "data/Common.h"
#include "data/DbAccess.h"
#include "data/Schema.h"
#include "support/TestHome.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace data;

namespace {
std::string s(const QString& q) { return q.toStdString(); }

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
} // namespace

TEST(DataModule, OpenReportsFilesThatAreNoDatabase)
{
    TestHome home;
    const QString garbage = home.dm().state.DataDir + QStringLiteral("GARBAGE.MDB");
    writeFile(garbage, QByteArray(4096, 'x'));
    // A real database cut short after its header page.
    const QString damaged = home.dm().state.DataDir + QStringLiteral("DAMAGED.MDB");
    QFile tmpl(home.dm().templatePath());
    ASSERT_TRUE(tmpl.open(QIODevice::ReadOnly));
    writeFile(damaged, tmpl.read(100));
    const QString missing = home.dm().state.DataDir + QStringLiteral("NONE.MDB");
    for (const QString& path : {garbage, damaged, missing}) {
        SCOPED_TRACE(s(path));
        home.dialogs.clear();
        home.dm().OpenDatabase(home.dm().ACN2, path);
        EXPECT_FALSE(home.dm().ACN2.isOpen());
        ASSERT_EQ(home.dialogs.log.size(), 1u);
        EXPECT_EQ(s(home.dialogs.log[0].text), s(QStringLiteral("データベースのオープンでエラーが発生しました。　") + path));
        EXPECT_EQ(s(home.dialogs.log[0].caption), "カルネオ　フリー版");
    }
    EXPECT_FALSE(QFile::exists(missing)) << "opening must not create a file";
}

TEST(DataModule, OpenOrCreateDatabaseCases)
{
    TestHome home;
    TFDM& dm = home.dm();
    const QString y2021 = dm.yearDatabasePath(2021);
    const QString missingText = QStringLiteral("必要なデータベースが存在しません。");

    // Without the may-create flag a missing folder or file is reported and nothing is made.
    EXPECT_FALSE(dm.OpenOrCreateDatabase(dm.ACN2, y2021, dm.templatePath(), false));
    EXPECT_EQ(s(home.dialogs.texts().join(QLatin1Char('|'))), s(missingText));
    EXPECT_FALSE(QDir(dm.state.DataDir + QStringLiteral("2021")).exists());
    QDir().mkdir(dm.state.DataDir + QStringLiteral("2021"));
    EXPECT_FALSE(dm.OpenOrCreateDatabase(dm.ACN2, y2021, dm.templatePath(), false));
    EXPECT_EQ(home.dialogs.log.size(), 2u);
    QDir(dm.state.DataDir + QStringLiteral("2021")).removeRecursively();

    // With it the folder is created and the template copied; no temporary file stays.
    home.dialogs.clear();
    ASSERT_TRUE(dm.OpenOrCreateDatabase(dm.ACN2, y2021, dm.templatePath(), true));
    EXPECT_TRUE(dm.ACN2.isOpen());
    EXPECT_TRUE(home.dialogs.log.empty());
    EXPECT_EQ(QDir(dm.state.DataDir + QStringLiteral("2021")).entryList(QDir::Files), QStringList{QStringLiteral("DATA.MDB")});

    // An existing file is opened, never overwritten by the template.
    TKigyo2_ k;
    k.KCO = QStringLiteral("1");
    k.NENDO = QStringLiteral("2021");
    for (auto* f : {&k.CYOUSAHI, &k.BEARITSU, &k.MCCO, &k.MDCO, &k.FRSTKYU, &k.SKCO, &k.SYOUKYUHI, &k.FRSTKYUM, &k.FRENCM})
        *f = QStringLiteral("0");
    ASSERT_TRUE(Insert(dm.ACN2, dm.Query21, true, k));
    ASSERT_TRUE(dm.OpenOrCreateDatabase(dm.ACN2, y2021, dm.templatePath(), true));
    RecSet<TKigyo2_> set;
    ASSERT_TRUE(Selects(dm.ACN2, dm.Query21, false, QStringLiteral("SELECT * FROM MKIGYOU2"), QString(), set));
    EXPECT_EQ(set.rows, 1);

    // A template that cannot be copied: "データベースの作成が出来ません。"
    home.dialogs.clear();
    EXPECT_FALSE(dm.OpenOrCreateDatabase(dm.ACN2, dm.yearDatabasePath(2022), dm.state.DataDir + QStringLiteral("NOPE.MDB"), true));
    EXPECT_EQ(s(home.dialogs.texts().join(QLatin1Char('|'))), "データベースの作成が出来ません。");
    EXPECT_FALSE(QFile::exists(dm.yearDatabasePath(2022)));
}

TEST(DataModule, RunSqlShowsItsMessagesAndGoesOn)
{
    TestHome home;
    TFDM& dm = home.dm();
    dm.RunSql(dm.Query1, QStringLiteral("SELECT Max(KCO) FROM MKIGYOU1"), QLatin1Char('S'));
    ASSERT_FALSE(dm.Query1.eof());
    EXPECT_TRUE(dm.Query1.value(0).isNull());   // an empty table gives null
    dm.RunSql(dm.Query1, QStringLiteral("SELECT * FROM NOSUCH"), QLatin1Char('S'));
    dm.RunSql(dm.Query1, QStringLiteral("SELECT sum(x) FROM (SELECT 9223372036854775807 AS x UNION ALL SELECT 1)"), QLatin1Char('S'));
    EXPECT_EQ(s(home.dialogs.texts().join(QLatin1Char('|'))),
              "ＳＱＬ処理で不明なエラーが発生しました。|ＳＱＬ処理でオーバーフローが発生しました。");
    dm.RunSql(dm.Query1, QStringLiteral("DELETE FROM MKIGYOU1"), QLatin1Char('E'));
    EXPECT_EQ(home.dialogs.log.size(), 2u);
}

TEST(Engine, CompactionWritesACheckedCopy)
{
    TestHome home;
    TFDM& dm = home.dm();
    ASSERT_TRUE(dm.ACN1.executeRaw(QStringLiteral("INSERT INTO MDEL (MDCO, MDNA) VALUES(1, 'モデル')")));
    dm.ACN1.close();
    const QString bak = dm.state.DataDir + QStringLiteral("SEIGYO.bak");
    DbError err;
    ASSERT_TRUE(compactDatabase(dm.controlDatabasePath(), bak, &err)) << s(err.description);
    EXPECT_TRUE(checkIntegrity(bak, &err));
    Connection c;
    c.setDatabase(bak);
    ASSERT_TRUE(c.open());
    Query q(c);
    q.setSql(QStringLiteral("SELECT MDNA FROM MDEL"));
    ASSERT_TRUE(q.open());
    EXPECT_EQ(s(q.textValue(0)), "モデル");
    q.close();
    c.close();
    // The destination must not exist yet.
    EXPECT_FALSE(compactDatabase(dm.controlDatabasePath(), bak, &err));
    // A file that is no database is refused and leaves no copy.
    const QString junk = dm.state.DataDir + QStringLiteral("JUNK.MDB");
    writeFile(junk, QByteArray(2048, 'z'));
    EXPECT_FALSE(compactDatabase(junk, dm.state.DataDir + QStringLiteral("JUNK.bak"), &err));
    EXPECT_FALSE(QFile::exists(dm.state.DataDir + QStringLiteral("JUNK.bak")));
}

TEST(Common, YearsToReference)
{
    struct Case { int date; int reference; int years; };
    const Case cases[] = {
        {19800401, 20090401, 29}, {19800402, 20090401, 28}, {20090501, 20090401, -1},
        {0, 20090401, 0},         {19600229, 20200228, 59}, {19600229, 20200229, 60},
        {20090401, 20090401, 0},  {19991231, 20000101, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(yearsBetween(c.date, c.reference), c.years) << c.date << " to " << c.reference;

    TestHome home(false);
    home.dm().state.AgeByToday = 0;
    home.dm().state.AgeReferenceDate = 20090401;
    EXPECT_EQ(YearsToReference(19800401), 29);
    home.dm().state.AgeByToday = 1;   // today is 2020-06-15 in tests
    EXPECT_EQ(YearsToReference(19800401), 40);
    EXPECT_EQ(YearsToReference(19800616), 39);
}

TEST(Common, Conversions)
{
    EXPECT_EQ(SafeDiv(1, 1e-13), 0.0);
    EXPECT_EQ(SafeDiv(1, 1e-12), 1e12);
    EXPECT_EQ(SafeDiv(-6, 3), -2.0);
    EXPECT_EQ(s(ZeroIfEmpty(VariantToText(QVariant()))), "0");
    EXPECT_EQ(s(VariantToText(QVariant(2.5))), "2.5");
    EXPECT_EQ(s(VariantToText(QVariant(qint64(20090401)))), "20090401");

    struct IntCase { QVariant in; std::optional<qint64> out; };
    const IntCase ints[] = {
        {QVariant(), 0}, {QVariant(2.5), 2}, {QVariant(3.5), 4}, {QVariant(-2.5), -2},
        {QVariant(QStringLiteral("42")), 42}, {QVariant(QStringLiteral("abc")), std::nullopt},
        {QVariant(QStringLiteral("")), std::nullopt},
    };
    for (const auto& c : ints)
        EXPECT_EQ(VariantToInt(c.in), c.out) << s(c.in.toString());

    struct DateCase { const char* text; QDate date; };
    const DateCase dates[] = {
        {"20090401", QDate(2009, 4, 1)}, {"20200231", QDate()}, {"0", QDate()},
        {"abc", QDate()},                {"20201301", QDate()}, {"20200229", QDate(2020, 2, 29)},
    };
    for (const auto& c : dates)
        EXPECT_EQ(DateFromYmd(QString::fromUtf8(c.text)), c.date) << c.text;
}
