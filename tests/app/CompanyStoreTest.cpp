#include "AppFixture.h"
#include "data/Schema.h"

#include <QFileInfo>

namespace {

QString t(const char* utf8) { return QString::fromUtf8(utf8); }

// Default marks and pens of the control database, plus one row of another year that is no default.
void addDefaults(TestHome& home, int marks, int pens)
{
    data::TFDM& dm = home.dm();
    for (int i = 1; i <= marks; ++i) {
        data::TMark_ m;
        m.KCO = QStringLiteral("0");
        m.NENDO = QStringLiteral("9999");
        m.MKCO = QString::number(i);
        m.MARK = QStringLiteral("●");
        m.HANREI = QStringLiteral("部門") + QString::number(i);
        m.MKCOLOR = QStringLiteral("clRed");
        m.MKSIZE = QStringLiteral("9");
        m.KCOLOR = QStringLiteral("clBlue");
        m.KSYURUI = QStringLiteral("0");
        m.KHABA = QStringLiteral("1");
        ASSERT_TRUE(data::Insert(dm.ACN1, dm.Query1, true, m, data::TMark_::defaultsTable()));
    }
    for (int i = 1; i <= pens; ++i) {
        data::TGraph_ g;
        g.KCO = QStringLiteral("0");
        g.NENDO = QStringLiteral("9999");
        g.GSCO = QString::number(i);
        g.CCOLOR = QStringLiteral("clBlack");
        g.CSYURUI = QStringLiteral("0");
        g.CHABA = QStringLiteral("1");
        ASSERT_TRUE(data::Insert(dm.ACN1, dm.Query1, true, g, data::TGraph_::defaultsTable()));
    }
    ASSERT_TRUE(dm.ACN1.executeRaw(QStringLiteral("INSERT INTO MMMARK (KCO, NENDO, MKCO) VALUES (0, 2020, 1)")));
}

} // namespace

TEST(CompanyStore, FiscalYearsRunFrom2004ToNextYear)
{
    const QStringList y2020 = app::fiscalYears(2020);
    ASSERT_EQ(y2020.size(), 18);
    EXPECT_EQ(y2020.front(), QStringLiteral("2004"));
    EXPECT_EQ(y2020.back(), QStringLiteral("2021"));
    EXPECT_EQ(app::fiscalYears(2003), QStringList{QStringLiteral("2004")});
    EXPECT_TRUE(app::fiscalYears(2002).isEmpty());
}

TEST(CompanyStore, CodesAndBlanks)
{
    struct Case {
        const char* text;
        int code;
    } cases[] = {{"12 : 東京都", 12}, {"7", 7}, {"  3 : x", 3}, {"", 0}, {"abc : x", 0}, {"0 : なし", 0}};
    for (const Case& c : cases)
        EXPECT_EQ(app::leadingCode(t(c.text)), c.code) << c.text;
    // Blanks and control characters go, a full-width blank is part of the name.
    EXPECT_EQ(app::trimBlanks(t(" \t株式会社　\r\n")), t("株式会社　"));
}

TEST(CompanyStore, RegistrationStoresTheDefaultsAndCopiesMarksAndPens)
{
    TestHome home;
    addDefaults(home, 3, 2);
    ASSERT_TRUE(home.openYear(2020));
    data::TFDM& dm = home.dm();
    app::CompanyInput in;
    in.name = QStringLiteral("  甲社  ");
    in.gradeNames = app::defaultGradeNames();
    in.modelCode = 2;
    in.livingCode = 5;
    in.syoteiHH = QStringLiteral("7.5");
    ASSERT_TRUE(app::registerCompany(dm, 2020, 4, in));

    data::TKigyo1_ k1;
    ASSERT_TRUE(data::Select(dm.ACN1, dm.Query1, false, QStringLiteral("select * from MKIGYOU1"),
                             QStringLiteral(" where KCO = 4 and NENDO = 2020"), k1));
    ASSERT_TRUE(k1.ok);
    EXPECT_EQ(k1.KNA, QStringLiteral("甲社"));
    EXPECT_EQ(k1.FNK, QStringLiteral("9"));
    EXPECT_EQ(k1.KDATE, QStringLiteral("20090401"));
    EXPECT_EQ(k1.REKI, QStringLiteral("0"));
    EXPECT_EQ(k1.SDATE, QStringLiteral("20200615"));   // the fiscal year with today's month and day
    EXPECT_EQ(k1.SYOTEIHH, QStringLiteral("7.5"));
    EXPECT_EQ(k1.SAITEI, QStringLiteral("0"));

    data::TKigyo2_ k2;
    ASSERT_TRUE(data::Select(dm.ACN2, dm.Query21, false, QStringLiteral("select * from MKIGYOU2"),
                             QStringLiteral(" where KCO = 4 and NENDO = 2020"), k2));
    ASSERT_TRUE(k2.ok);
    EXPECT_EQ(k2.KNA, QStringLiteral("甲社"));
    EXPECT_EQ(k2.TK01, QStringLiteral("第１等級"));
    EXPECT_EQ(k2.TK09, QStringLiteral("第９等級"));
    EXPECT_EQ(k2.MDCO, QStringLiteral("2"));
    EXPECT_EQ(k2.SKCO, QStringLiteral("5"));
    EXPECT_EQ(k2.FRSTKYU, QStringLiteral("0"));

    EXPECT_EQ(scalar(dm.ACN2, QStringLiteral("SELECT COUNT(*) FROM MMARK WHERE KCO = 4 AND NENDO = 2020")), 3);
    EXPECT_EQ(scalar(dm.ACN2, QStringLiteral("SELECT COUNT(*) FROM MMARK")), 3) << "only the defaults of 9999";
    EXPECT_EQ(scalar(dm.ACN2, QStringLiteral("SELECT COUNT(*) FROM MMARK WHERE HANREI = '部門2' AND MKCOLOR = 'clRed'")), 1);
    EXPECT_EQ(scalar(dm.ACN2, QStringLiteral("SELECT COUNT(*) FROM MGRAPH WHERE KCO = 4 AND NENDO = 2020")), 2);
    EXPECT_EQ(app::maxCompanyCode(dm), 4);
    home.expectNoUnexpected();
}

TEST(CompanyStore, NamesAreStoredAsTypedWhateverTheyHold)
{
    TestHome home;
    ASSERT_TRUE(home.openYear(2020));
    data::TFDM& dm = home.dm();
    const QString names[] = {
        QStringLiteral("O'Reilly, \"Japan\"; DROP TABLE MKIGYOU1; --"),
        QString(60, QChar(0x6F22)),   // 60 × 漢
        QStringLiteral("株式会社　カルネオ（テスト）％_"),
    };
    int kco = 0;
    for (const QString& name : names) {
        app::CompanyInput in;
        in.name = name;
        ASSERT_TRUE(app::registerCompany(dm, 2020, ++kco, in)) << s(name);
        data::TKigyo1_ k1;
        ASSERT_TRUE(data::Select(dm.ACN1, dm.Query1, false, QStringLiteral("select * from MKIGYOU1"),
                                 QStringLiteral(" where KCO = ") + QString::number(kco), k1));
        EXPECT_EQ(k1.KNA, name);
        data::TKigyo2_ k2;
        ASSERT_TRUE(data::Select(dm.ACN2, dm.Query21, false, QStringLiteral("select * from MKIGYOU2"),
                                 QStringLiteral(" where KCO = ") + QString::number(kco), k2));
        EXPECT_EQ(k2.KNA, name);
    }
    home.expectNoUnexpected();
}

TEST(CompanyStore, NextCodeContinuesTheHighestCodeOfAllYears)
{
    TestHome home;
    EXPECT_EQ(app::maxCompanyCode(home.dm()), 0) << "empty registry";
    addCompany(home, 2019, 1, QStringLiteral("甲社"));
    addCompany(home, 2019, 7, QStringLiteral("乙社"));
    addCompany(home, 2020, 3, QStringLiteral("丙社"));
    EXPECT_EQ(app::maxCompanyCode(home.dm()), 7);
}

TEST(CompanyStore, ChangeKeepsWhatTheScreenShowsAndResetsTheRest)
{
    TestHome home;
    addCompany(home, 2020, 1, QStringLiteral("甲社"));
    data::TFDM& dm = home.dm();
    ASSERT_TRUE(dm.ACN2.executeRaw(QStringLiteral(
        "UPDATE MKIGYOU2 SET CYOUSAHI = 20200401, BEARITSU = 1.5, TAIKEI = 'x', KKNA1 = 'a', KKNA2 = 'b', KKNA3 = 'c', "
        "TNA1 = 'd', TNA5 = 'e', MCCO = 3, FRSTKYU = 2, SYOUKYUHI = 20200401, FRSTKYUM = 2, FRENCM = 1")));
    app::CompanyInput in;
    in.name = QStringLiteral("甲社 新");
    in.gradeNames = app::defaultGradeNames();
    in.gradeNames[2] = QStringLiteral("主任");
    in.modelCode = 1;
    in.livingCode = 2;
    in.saitei = QStringLiteral("1013");
    ASSERT_TRUE(app::changeCompany(dm, 2020, 1, in));

    data::TKigyo2_ k2;
    ASSERT_TRUE(data::Select(dm.ACN2, dm.Query21, false, QStringLiteral("select * from MKIGYOU2"),
                             QStringLiteral(" where KCO = 1"), k2));
    EXPECT_EQ(k2.KNA, QStringLiteral("甲社 新"));
    EXPECT_EQ(k2.TK03, QStringLiteral("主任"));
    EXPECT_EQ(k2.MDCO, QStringLiteral("1"));
    EXPECT_EQ(k2.SKCO, QStringLiteral("2"));
    for (const QString* zero : {&k2.CYOUSAHI, &k2.BEARITSU, &k2.MCCO, &k2.FRSTKYU, &k2.SYOUKYUHI, &k2.FRSTKYUM, &k2.FRENCM})
        EXPECT_EQ(*zero, QStringLiteral("0"));
    for (const QString* empty : {&k2.TAIKEI, &k2.KKNA1, &k2.KKNA2, &k2.KKNA3, &k2.TNA1, &k2.TNA5})
        EXPECT_TRUE(empty->isEmpty());

    data::TKigyo1_ k1;
    ASSERT_TRUE(data::Select(dm.ACN1, dm.Query1, false, QStringLiteral("select * from MKIGYOU1"),
                             QStringLiteral(" where KCO = 1"), k1));
    EXPECT_EQ(k1.KNA, QStringLiteral("甲社 新"));
    EXPECT_EQ(k1.SAITEI, QStringLiteral("1013"));
    EXPECT_EQ(k1.FNK, QStringLiteral("9")) << "the basic-settings flag is not the company screen's";
    home.expectNoUnexpected();
}

// ---------------------------------------------------------------- deletion

namespace {

// Tables of the fiscal-year database that hold company rows.
QStringList companyTables(data::Connection& c)
{
    QStringList out;
    for (const QString& table : data::tableNames(data::DatabaseKind::FiscalYear)) {
        data::Query q(c);
        q.setSql(QStringLiteral("SELECT COUNT(*) FROM pragma_table_info('") + table + QStringLiteral("') WHERE name = 'KCO'"));
        if (q.open() && q.intValue(0) == 1)
            out << table;
    }
    return out;
}

class CompanyDeletion : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Company 1 in 2019 and 2020, company 2 in 2020; a row in every company table of both years.
        addCompany(home, 2019, 1, QStringLiteral("甲社"));
        fillEveryTable(1, 2019);
        addCompany(home, 2020, 1, QStringLiteral("甲社"));
        addCompany(home, 2020, 2, QStringLiteral("乙社"));
        fillEveryTable(1, 2020);
        fillEveryTable(2, 2020);
        tables = companyTables(dm().ACN2);
        ASSERT_GE(tables.size(), 19);
    }

    data::TFDM& dm() { return home.dm(); }

    void fillEveryTable(int kco, int year)
    {
        for (const QString& table : companyTables(dm().ACN2)) {
            if (table == QStringLiteral("MKIGYOU2"))
                continue;   // registration made it
            ASSERT_TRUE(dm().ACN2.executeRaw(QStringLiteral("INSERT INTO ") + table + QStringLiteral(" (KCO, NENDO) VALUES (")
                                             + QString::number(kco) + QStringLiteral(", ") + QString::number(year)
                                             + QStringLiteral(")")))
                << s(table);
        }
    }

    qint64 rows(const QString& table, int kco) const
    {
        return scalar(home.fdm->ACN2, QStringLiteral("SELECT COUNT(*) FROM ") + table + QStringLiteral(" WHERE KCO = ")
                                          + QString::number(kco));
    }
    qint64 registry(int kco, int year) const
    {
        return scalar(home.fdm->ACN1, QStringLiteral("SELECT COUNT(*) FROM MKIGYOU1 WHERE KCO = ") + QString::number(kco)
                                          + QStringLiteral(" AND NENDO = ") + QString::number(year));
    }

    TestHome home;
    QStringList tables;
};

} // namespace

TEST_F(CompanyDeletion, RemovesTheCompanyFromEveryTableOfThatYearOnly)
{
    ASSERT_TRUE(app::deleteCompany(dm(), 2020, 1));
    for (const QString& table : tables) {
        EXPECT_EQ(rows(table, 1), 0) << s(table);
        EXPECT_GE(rows(table, 2), 1) << s(table) << ": the other company keeps its rows";
    }
    EXPECT_EQ(registry(1, 2020), 0);
    EXPECT_EQ(registry(1, 2019), 1);
    EXPECT_EQ(registry(2, 2020), 1);

    // The other year's database is untouched.
    ASSERT_TRUE(home.openYear(2019));
    for (const QString& table : tables)
        EXPECT_GE(rows(table, 1), 1) << "2019 " << s(table);
    home.expectNoUnexpected();
}

// A failure anywhere, in the year's database or in the control database, leaves everything in place.
TEST_F(CompanyDeletion, IsAllOrNothingAcrossBothDatabases)
{
    struct Case {
        const char* name;
        data::Connection* database;
        const char* table;
    } cases[] = {
        {"last table of the year", &dm().ACN2, "MSEIKEI"},
        {"a table in the middle", &dm().ACN2, "DCHINGIN2"},
        {"the registry in the control database", &dm().ACN1, "MKIGYOU1"},
    };
    for (const Case& c : cases) {
        const QString table = QString::fromUtf8(c.table);
        ASSERT_TRUE(c.database->executeRaw(QStringLiteral("CREATE TRIGGER refuse BEFORE DELETE ON ") + table
                                           + QStringLiteral(" BEGIN SELECT RAISE(ABORT, 'refused'); END")));
        home.dialogs.clear();
        EXPECT_FALSE(app::deleteCompany(dm(), 2020, 1)) << c.name;
        ASSERT_FALSE(home.dialogs.log.empty()) << c.name;
        EXPECT_TRUE(home.dialogs.log.back().text.contains(QStringLiteral("refused"))) << s(home.dialogs.log.back().text);
        for (const QString& t : tables)
            EXPECT_GE(rows(t, 1), 1) << c.name << ": " << s(t);
        EXPECT_EQ(registry(1, 2020), 1) << c.name;
        ASSERT_TRUE(c.database->executeRaw(QStringLiteral("DROP TRIGGER refuse")));
    }
    // Nothing was left locked or attached: the deletion now goes through.
    EXPECT_TRUE(app::deleteCompany(dm(), 2020, 1));
    EXPECT_EQ(registry(1, 2020), 0);
    home.expectNoUnexpected();
}
