#include "AppFixture.h"
#include "app/Compaction.h"
#include "data/Schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// A data folder with the control database, the template, a fiscal year with a company whose
// deleted rows left free pages, and a database in a nested folder named with a mixed-case extension.
class Compaction : public ::testing::Test {
protected:
    void SetUp() override
    {
        addCompany(home, 2020, 1, QStringLiteral("甲社"));
        data::Connection& c = home.dm().ACN2;
        ASSERT_TRUE(c.executeRaw(QStringLiteral(
            "CREATE TABLE FILLER (T TEXT);"
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000)"
            " INSERT INTO FILLER SELECT printf('%0500d', i) FROM n;"
            "DELETE FROM FILLER WHERE rowid > 10;")));
        home.dm().ACN1.close();
        home.dm().ACN2.close();

        QDir().mkpath(dataDir() + QStringLiteral("archive/old"));
        QString err;
        ASSERT_TRUE(data::createDatabaseFile(nested(), data::DatabaseKind::FiscalYear, &err)) << s(err);
        QFile notes(dataDir() + QStringLiteral("archive/notes.txt"));
        ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
        notes.write("not a database");
    }

    QString dataDir() const { return home.fdm->state.DataDir; }
    QString year2020() const { return dataDir() + QStringLiteral("2020/DATA.MDB"); }
    QString nested() const { return dataDir() + QStringLiteral("archive/old/OLD.Mdb"); }

    QStringList allDatabases() const
    {
        return {dataDir() + QStringLiteral("2020/DATA.MDB"), nested(), dataDir() + QStringLiteral("DATA.MDB"),
                dataDir() + QStringLiteral("SEIGYO.MDB")};
    }

    // Every file under the data folder, to see that nothing is left behind.
    QStringList filesUnder(const QString& folder) const
    {
        QStringList out;
        for (const QFileInfo& e : QDir(folder).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden)) {
            if (e.isDir())
                out << filesUnder(e.filePath());
            else
                out << e.filePath();
        }
        return out;
    }

    TestHome home;
};

} // namespace

TEST(CompactionNames, BackupReplacesTheLastExtension)
{
    EXPECT_EQ(app::backupPathFor(QStringLiteral("/d/DATA/2020/DATA.MDB")), QStringLiteral("/d/DATA/2020/DATA.bak"));
    EXPECT_EQ(app::backupPathFor(QStringLiteral("/d/a.b/x.y.mdb")), QStringLiteral("/d/a.b/x.y.bak"));
    EXPECT_EQ(app::backupPathFor(QStringLiteral("/d/a.b/plain")), QStringLiteral("/d/a.b/plain.bak"));
}

TEST_F(Compaction, RebuildsEveryDatabaseInPlaceAndLeavesNothingBehind)
{
    const QStringList before = filesUnder(dataDir());
    const qint64 sizeBefore = QFileInfo(year2020()).size();

    const app::CompactionResult r = app::compactAllDatabases(dataDir());

    EXPECT_EQ(r.outcome, app::CompactionOutcome::Completed);
    QStringList expected = allDatabases();
    QStringList done = r.compacted;
    expected.sort();
    done.sort();
    EXPECT_EQ(done, expected);
    EXPECT_TRUE(r.skipped.isEmpty());
    EXPECT_LT(QFileInfo(year2020()).size(), sizeBefore) << "the free pages are gone";
    EXPECT_EQ(filesUnder(dataDir()), before) << "no .bak or temporary file remains";
    for (const QString& db : allDatabases()) {
        data::DbError e;
        EXPECT_TRUE(data::checkIntegrity(db, &e)) << s(db) << " " << s(e.description);
    }
    data::Connection c;
    c.setDatabase(year2020());
    ASSERT_TRUE(c.open());
    EXPECT_EQ(scalar(c, QStringLiteral("SELECT COUNT(*) FROM FILLER")), 10);
    EXPECT_EQ(scalar(c, QStringLiteral("SELECT COUNT(*) FROM MKIGYOU2 WHERE KCO = 1")), 1);
    EXPECT_TRUE(home.dialogs.log.empty());
}

// A ".bak" left over from an interrupted run is asked about, for that database only.
TEST_F(Compaction, LeftOverBackupIsAskedAboutPerDatabase)
{
    const QString stale = app::backupPathFor(year2020());
    struct Case {
        const char* name;
        bool answer;
    } cases[] = {{"No skips the database", false}, {"Yes compacts it", true}};
    for (const Case& c : cases) {
        QFile bak(stale);
        ASSERT_TRUE(bak.open(QIODevice::WriteOnly));
        bak.write("left over");
        bak.close();
        const qint64 sizeBefore = QFileInfo(year2020()).size();
        home.dialogs.clear();
        home.dialogs.answer(c.answer);

        const app::CompactionResult r = app::compactAllDatabases(dataDir());

        EXPECT_EQ(r.outcome, app::CompactionOutcome::Completed) << c.name;
        ASSERT_EQ(home.dialogs.log.size(), 1u) << c.name;
        EXPECT_EQ(home.dialogs.log[0].text,
                  QStringLiteral("すでに.bakファイルが存在します。\r\n前回圧縮処理をして異常終了してませんか？\r\n"
                                 "異常終了して原因が不明のままであれば処理を中止して下さい。\r\n"
                                 "原因が不明なまま処理を続行すると大切なデータが消失することもあります。\r\n処理を続行しますか？"));
        EXPECT_EQ(home.dialogs.log[0].caption, QStringLiteral("カルネオ　フリー版"));
        EXPECT_EQ(r.compacted.size(), c.answer ? 4 : 3) << c.name;
        EXPECT_EQ(r.skipped.contains(year2020()), !c.answer) << c.name;
        EXPECT_EQ(QFileInfo::exists(stale), !c.answer) << c.name;
        if (!c.answer) {
            EXPECT_EQ(QFileInfo(year2020()).size(), sizeBefore) << "the skipped database is untouched";
        }
    }
    home.expectNoUnexpected();
}

// A file the engine cannot rebuild stops the walk there and is left as it was.
TEST_F(Compaction, EngineFailureStopsTheWalkAtThatFile)
{
    // Names sort "2020" < "A_BROKEN.MDB" < "archive" < "DATA.MDB" < "SEIGYO.MDB", case ignored.
    const QString broken = dataDir() + QStringLiteral("A_BROKEN.MDB");
    QFile f(broken);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4096, 'x'));
    f.close();

    const app::CompactionResult r = app::compactAllDatabases(dataDir());

    EXPECT_EQ(r.outcome, app::CompactionOutcome::EngineFailed);
    EXPECT_EQ(r.failedFile, broken);
    EXPECT_EQ(r.compacted, QStringList{year2020()});
    ASSERT_EQ(home.dialogs.log.size(), 1u);
    EXPECT_TRUE(home.dialogs.log[0].text.startsWith(QStringLiteral("SQLITE_"))) << s(home.dialogs.log[0].text);
    EXPECT_TRUE(home.dialogs.log[0].caption.isEmpty());
    EXPECT_EQ(QFileInfo(broken).size(), 4096);
    EXPECT_FALSE(QFileInfo::exists(app::backupPathFor(broken)));
}
