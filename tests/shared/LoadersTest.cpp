#include "app/SharedRoutines.h"
#include "data/DbAccess.h"
#include "data/Records.h"
#include "support/TestHome.h"

#include <gtest/gtest.h>

using namespace data;

namespace {

std::string s(const QString& q) { return q.toStdString(); }
QString t(const char* utf8) { return QString::fromUtf8(utf8); }
QString n(qint64 v) { return QString::number(v); }

// Company 1 of 2020 is open; company 2 of the same year holds rows that must never show up.
class SharedLoaders : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.openYear(2020));
        auto& st = home.dm().state;
        st.CurrentCompany.KCO = QStringLiteral("1");
        st.CurrentCompany.NENDO = QStringLiteral("2020");
        st.CompanyOpen = 1;
    }
    void TearDown() override { home.expectNoUnexpected(); }

    template <class R>
    void insert(R row, qint64 kco = 1)
    {
        row.KCO = n(kco);
        row.NENDO = QStringLiteral("2020");
        ASSERT_TRUE(Insert(home.dm().ACN2, home.dm().Query22, false, row)) << row.message.toStdString();
    }
    void mark(qint64 kco, qint64 no, const char* symbol, const char* legend, const char* colour, int size,
              const char* lineColour, int style, int width)
    {
        TMark_ r;
        r.MKCO = n(no);
        r.MARK = t(symbol);
        r.HANREI = t(legend);
        r.MKCOLOR = t(colour);
        r.MKSIZE = n(size);
        r.KCOLOR = t(lineColour);
        r.KSYURUI = n(style);
        r.KHABA = n(width);
        insert(r, kco);
    }
    void salaryName(qint64 kco, qint64 id, const char* name, const char* kihon1, const char* kihon2, const char* teate1)
    {
        TSALARY_ r;
        r.SALARYID = n(id);
        r.SALARYNAME = t(name);
        r.TEIGI = t("月給");
        r.KIHON1 = t(kihon1);
        r.KIHON2 = t(kihon2);
        r.TEATE1 = t(teate1);
        r.TEATE5 = t("通勤手当");
        insert(r, kco);
    }
    void scale(qint64 skco, qint64 tkno, const char* name)
    {
        TSCALE_ r;
        r.SKCO = n(skco);
        r.TKNO = n(tkno);
        r.TKNA = t(name);
        r.RITSU1 = r.KKIN = r.RITSU2 = r.SPKIN = r.RNKIN = QStringLiteral("0");
        insert(r);
    }
    // A band of five zones of 20,000 yen each from its lower amount.
    void band(qint64 id, const char* name, qint64 matrix, const char* title, int rounding, qint64 lower)
    {
        TBAND_ r;
        r.BANDID = n(id);
        r.BANDNAME = t(name);
        r.BANDTEIGI = t("定義");
        r.MATRIXID = n(matrix);
        r.TITLE = t(title);
        r.MARUME = n(rounding);
        r.KIJUNCHINGIN = n(lower + 50000);
        r.KAGENRITSU = QStringLiteral("80.5");
        r.JOUGENRITSU = QStringLiteral("120");
        r.SPREAD = QStringLiteral("1.25");
        r.RANGE = n(100000);
        QString* lo[5] = {&r.KAGENGAKU1, &r.KAGENGAKU2, &r.KAGENGAKU3, &r.KAGENGAKU4, &r.KAGENGAKU5};
        QString* up[5] = {&r.JOUGENGAKU1, &r.JOUGENGAKU2, &r.JOUGENGAKU3, &r.JOUGENGAKU4, &r.JOUGENGAKU5};
        for (int i = 0; i < 5; ++i) {
            *lo[i] = n(lower + 20000 * i);
            *up[i] = n(lower + 20000 * (i + 1));
        }
        insert(r);
    }
    void matrix(qint64 id, const char* name, int zones)
    {
        TMATID_ r;
        r.MATRIXID = n(id);
        r.NAME = t(name);
        r.TEIGI = t("説明");
        r.ZONESU = n(zones);
        insert(r);
    }
    void cell(qint64 matrixId, qint64 role, std::array<const char*, 5> up)
    {
        TMATCELL_ r;
        r.MATRIXID = n(matrixId);
        r.YHYOUKA = n(role);
        r.UP1 = t(up[0]);
        r.UP2 = t(up[1]);
        r.UP3 = t(up[2]);
        r.UP4 = t(up[3]);
        r.UP5 = t(up[4]);
        insert(r);
    }
    void roleEvaluation(qint64 kco, qint64 hco, const char* symbol)
    {
        TYHYOUKA_ r;
        r.HCO = n(hco);
        r.HKIGOU = t(symbol);
        insert(r, kco);
    }
    // Band 1 and band 3 share matrix 1 (roles 1 and 2), band 2 has matrix 2 (role 1 only).
    void bandsAndMatrices()
    {
        roleEvaluation(1, 1, "S");
        roleEvaluation(1, 2, "A");
        matrix(1, "M1", 5);
        matrix(2, "M2", 3);
        cell(1, 2, {"6", "5", "4", "3", "2.5"});
        cell(1, 1, {"5", "4", "3", "2", "1"});
        cell(2, 1, {"1", "1", "1", "0", "0"});
        band(2, "B2", 2, "T2", 2, 300000);
        band(1, "B1", 1, "T1", 1, 100000);
        band(3, "B3", 1, "T3", 0, 500000);
    }

    TestHome home;
};

} // namespace

TEST_F(SharedLoaders, CurrentCompanyIsReadAndAMissingOneLeavesDefaults)
{
    TKigyo2_ r;
    r.KNA = t("株式会社テスト");
    r.CYOUSAHI = QStringLiteral("20200401");
    r.BEARITSU = QStringLiteral("1.5");
    r.TAIKEI = t("職能");
    r.KKNA1 = t("本給");
    r.KKNA3 = t("職務給");
    r.TNA1 = t("家族手当");
    r.TNA5 = t("通勤手当");
    r.MCCO = QStringLiteral("2");
    r.MDCO = QStringLiteral("3");
    r.TK01 = t("一般");
    r.TK09 = t("部長");
    r.FRSTKYU = QStringLiteral("4");
    r.SKCO = QStringLiteral("5");
    r.SYOUKYUHI = QStringLiteral("20200501");
    r.FRSTKYUM = QStringLiteral("6");
    r.FRENCM = QStringLiteral("0");
    insert(r);

    TMKIGYOU2 c;
    c.KCO = QStringLiteral("1");
    c.NENDO = QStringLiteral("2020");
    c.SAITEI = 7;   // from MKIGYOU1: not this loader's business
    ASSERT_TRUE(app::LoadCurrentCompany(c));
    EXPECT_EQ(s(c.KNA), "株式会社テスト");
    EXPECT_EQ(c.CYOUSAHI, 20200401);
    EXPECT_DOUBLE_EQ(c.BEARITSU, 1.5);
    EXPECT_EQ(s(c.TAIKEI), "職能");
    EXPECT_EQ(s(c.KKNA[0]), "本給");
    EXPECT_EQ(s(c.KKNA[2]), "職務給");
    EXPECT_EQ(s(c.KKNA[3]), "");
    EXPECT_EQ(s(c.TNA[4]), "通勤手当");
    EXPECT_EQ(c.MCCO, 2);
    EXPECT_EQ(c.MDCO, 3);
    EXPECT_EQ(s(c.TK[0]), "一般");
    EXPECT_EQ(s(c.TK[8]), "部長");
    EXPECT_EQ(c.FRSTKYU, 4);
    EXPECT_EQ(c.SKCO, 5);
    EXPECT_EQ(c.SYOUKYUHI, 20200501);
    EXPECT_EQ(c.FRSTKYUM, 6);
    EXPECT_EQ(c.SAITEI, 7);

    c.KCO = QStringLiteral("9");
    EXPECT_FALSE(app::LoadCurrentCompany(c));
    EXPECT_EQ(c.FRSTKYU, 3);
    EXPECT_EQ(c.FRSTKYUM, 3);
    EXPECT_EQ(c.SKCO, 0);
    EXPECT_EQ(c.SYOUKYUHI, 0);
    EXPECT_EQ(s(c.KNA), "") << "nothing of the previous company stays";
    EXPECT_EQ(s(c.KCO), "9");
    EXPECT_TRUE(home.dialogs.texts().isEmpty());
}

TEST_F(SharedLoaders, CompanyMarksFillTheirSlotsWithColours)
{
    mark(1, 1, "●", "営業", "clRed", 12, "clBlue", 2, 3);
    mark(1, 3, "▲", "製造", "$00C08040", 10, "clBlack", 1, 1);
    mark(1, 12, "×", "範囲外", "clRed", 9, "clRed", 0, 1);
    mark(2, 2, "■", "他社", "clRed", 9, "clRed", 0, 1);

    std::array<TMMARK, 9> marks;
    for (auto& m : marks) {
        m.no = 99;
        m.legend = QStringLiteral("stale");
    }
    ASSERT_TRUE(app::LoadCompanyMarks(marks, 8));
    EXPECT_EQ(marks[0].no, 1);
    EXPECT_EQ(s(marks[0].mark), "●");
    EXPECT_EQ(s(marks[0].legend), "営業");
    EXPECT_EQ(marks[0].markColor, QColor(Qt::red));
    EXPECT_EQ(marks[0].markSize, 12);
    EXPECT_EQ(marks[0].lineColor, QColor(Qt::blue));
    EXPECT_EQ(marks[0].lineStyle, 2);
    EXPECT_EQ(marks[0].lineWidth, 3);
    EXPECT_EQ(marks[2].markColor, QColor(0x40, 0x80, 0xC0));   // $00BBGGRR
    // Slot 2 has no row (the other company's mark 2 does not count): the default mark.
    EXPECT_EQ(marks[1].no, 0);
    EXPECT_EQ(s(marks[1].legend), "");
    EXPECT_EQ(marks[1].markSize, 9);
    EXPECT_EQ(marks[1].lineWidth, 1);
    EXPECT_EQ(marks[1].markColor, QColor(Qt::black));
    EXPECT_EQ(marks[8].no, 0);

    // Only slots up to the last index are reset first.
    for (auto& m : marks)
        m.legend = QStringLiteral("stale");
    home.dm().state.CurrentCompany.KCO = QStringLiteral("3");   // a company without marks
    EXPECT_FALSE(app::LoadCompanyMarks(marks, 4));
    EXPECT_EQ(s(marks[4].legend), "");
    EXPECT_EQ(s(marks[5].legend), "stale");
}

TEST_F(SharedLoaders, EvaluationSymbolsComeInCodeOrder)
{
    roleEvaluation(1, 10, "C");
    roleEvaluation(1, 2, "A");
    roleEvaluation(1, 5, "B");
    roleEvaluation(2, 1, "X");
    home.dm().state.EvaluationSymbols = {{QStringLiteral("99"), QStringLiteral("old")}};
    ASSERT_TRUE(app::LoadEvaluationSymbols());
    const auto& list = home.dm().state.EvaluationSymbols;
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(s(list[0].HCO) + s(list[0].HKIGOU), "2A");
    EXPECT_EQ(s(list[1].HCO) + s(list[1].HKIGOU), "5B");
    EXPECT_EQ(s(list[2].HCO) + s(list[2].HKIGOU), "10C");   // by number, not by text
}

TEST_F(SharedLoaders, WageFormsAndTheirLabels)
{
    salaryName(1, 1, "正社員", "", "職能給", "");
    salaryName(1, 2, "パート", "時給", "", "皆勤手当");
    salaryName(1, 7, "範囲外", "x", "x", "x");
    salaryName(2, 3, "他社", "x", "x", "x");
    auto& forms = home.dm().state.WageForms;
    forms[3].name = QStringLiteral("stale");

    ASSERT_TRUE(app::LoadWageForms());
    EXPECT_EQ(s(forms[1].name), "正社員");
    EXPECT_EQ(s(forms[1].definition), "月給");
    EXPECT_EQ(s(forms[1].label), "1 : 正社員");
    EXPECT_EQ(s(forms[2].kihon[0]), "時給");
    EXPECT_EQ(s(forms[3].name), "") << "entries without a row are cleared";
    EXPECT_EQ(s(forms[4].label), "");

    using Labels = std::array<QString, 8>;
    const QString base = t("基本給"), allowance = t("手当");
    EXPECT_EQ(app::WageFormLabels(0), (Labels{base, {}, {}, allowance, {}, {}, {}, {}}));
    EXPECT_EQ(app::WageFormLabels(5), (Labels{base, {}, {}, allowance, {}, {}, {}, {}}));
    EXPECT_EQ(app::WageFormLabels(1), (Labels{base, t("職能給"), {}, allowance, {}, {}, {}, t("通勤手当")}));
    EXPECT_EQ(s(forms[1].kihon[0]), "基本給") << "the cache gets the default names too";
    EXPECT_EQ(s(forms[1].teate[0]), "手当");
    EXPECT_EQ(app::WageFormLabels(2), (Labels{t("時給"), {}, {}, t("皆勤手当"), {}, {}, {}, t("通勤手当")}));
    EXPECT_EQ(app::WageFormLabels(3), (Labels{base, {}, {}, allowance, {}, {}, {}, {}}));
}

TEST_F(SharedLoaders, StepNamesFromTheScaleOrFromTheGrades)
{
    scale(4, 1, "一級");
    scale(4, 3, "三級");
    scale(4, 12, "範囲外");
    scale(5, 2, "別の表");
    auto& st = home.dm().state;
    for (int i = 0; i < 9; ++i)
        st.CurrentCompany.TK[size_t(i)] = QStringLiteral("G") + QString::number(i + 1);

    ASSERT_TRUE(app::LoadStepNames(4));
    EXPECT_EQ(s(st.StepNames[0]), "一級");
    EXPECT_EQ(s(st.StepNames[1]), "");
    EXPECT_EQ(s(st.StepNames[2]), "三級");
    EXPECT_EQ(s(st.StepNames[8]), "");

    ASSERT_TRUE(app::LoadStepNames(0));
    EXPECT_EQ(st.StepNames, st.CurrentCompany.TK);

    ASSERT_TRUE(app::LoadStepNames(6));   // a table without scale rows
    EXPECT_EQ(s(st.StepNames.front() + st.StepNames.back()), "");
}

TEST_F(SharedLoaders, EvaluationStepCount)
{
    TMHYOUKA_ r;
    r.SKCO = QStringLiteral("4");
    r.HCO = QStringLiteral("2");
    r.HKIGOU = QStringLiteral("A");
    r.SGOUSU = QStringLiteral("3");
    insert(r);
    EXPECT_EQ(app::EvaluationStepCount(4, 2), 3);
    EXPECT_EQ(app::EvaluationStepCount(4, 9), 0);
    EXPECT_EQ(app::EvaluationStepCount(5, 2), 0);
}

TEST_F(SharedLoaders, WageTableAmount)
{
    TCHNGIN2_ r;
    r.SKCO = QStringLiteral("4");
    r.GOUHOU = QStringLiteral("10");
    for (QString* f : {&r.KIN1, &r.KS1, &r.KIN2, &r.KS2, &r.KIN3, &r.KS3, &r.KIN4, &r.KS4, &r.KIN5, &r.KS5, &r.KIN6,
                       &r.KS6, &r.KIN7, &r.KS7, &r.KIN8, &r.KS8, &r.KIN9, &r.KS9})
        *f = QStringLiteral("0");
    r.KIN1 = QStringLiteral("200000");
    r.KIN3 = QStringLiteral("250000");
    r.KIN9 = QStringLiteral("3000000000");   // beyond 32 bits
    insert(r);
    r.SKCO = QStringLiteral("5");
    r.KIN3 = QStringLiteral("1");
    insert(r);

    struct Case {
        int table, grade, step;
        qint64 expected;
    };
    const Case cases[] = {
        {4, 3, 10, 250000}, {4, 1, 10, 200000}, {4, 9, 10, 3000000000}, {5, 3, 10, 1},
        {4, 3, 11, 0},      // no such step
        {6, 3, 10, 0},      // no such table
        {4, 0, 10, 0},      // grade outside 1..9
        {4, 10, 10, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(app::WageTableAmount(c.table, c.grade, c.step), c.expected)
            << "table " << c.table << " grade " << c.grade << " step " << c.step;
    EXPECT_TRUE(home.dialogs.texts().isEmpty());

    // Amounts the program cannot hold: too large, or no number at all.
    ASSERT_TRUE(home.dm().ACN2.executeRaw(
        QStringLiteral("UPDATE DCHINGIN2 SET KIN2 = 'abc', KIN4 = 1e20 WHERE SKCO = 4 AND GOUHOU = 10")));
    EXPECT_EQ(app::WageTableAmount(4, 4, 10), 0);
    EXPECT_EQ(app::WageTableAmount(4, 2, 10), 0);
    EXPECT_EQ(home.dialogs.texts(), (QStringList{t("賃金表選択でオーバーフローが発生しました。"),
                                                 t("賃金表選択で不明なエラーが発生しました。")}));
    EXPECT_EQ(home.dialogs.log.front().caption, platform::appTitle());
}

TEST_F(SharedLoaders, BandTablesAreReadInOrder)
{
    bandsAndMatrices();
    ASSERT_TRUE(app::LoadBandTable());
    const TBANDTBL& b = home.dm().state.BandTable;
    // One row per band and matrix cell: band 1 (roles 1, 2), band 2 (role 1), band 3 (roles 1, 2).
    ASSERT_EQ(b.rows.size(), 5u);
    EXPECT_EQ(b.rows[0].bandId, 1);
    EXPECT_EQ(b.rows[0].roleEvaluation, 1);
    EXPECT_EQ(b.rows[1].roleEvaluation, 2);
    EXPECT_EQ(b.rows[2].bandId, 2);
    EXPECT_EQ(b.rows[4].bandId, 3);
    EXPECT_EQ(s(b.title), "T3") << "title and rounding of the last row";
    EXPECT_EQ(b.rounding, 0);

    const TBANDM& r = b.rows[1];
    EXPECT_EQ(s(r.bandName), "B1");
    EXPECT_EQ(s(r.bandDefinition), "定義");
    EXPECT_EQ(r.referenceWage, 150000);
    EXPECT_DOUBLE_EQ(r.lowerRate, 80.5);
    EXPECT_DOUBLE_EQ(r.upperRate, 120);
    EXPECT_DOUBLE_EQ(r.spread, 1.25);
    EXPECT_EQ(r.range, 100000);
    EXPECT_EQ(r.lower, (std::array<qint64, 5>{100000, 120000, 140000, 160000, 180000}));
    EXPECT_EQ(r.upper, (std::array<qint64, 5>{120000, 140000, 160000, 180000, 200000}));
    EXPECT_EQ(r.matrixId, 1);
    EXPECT_EQ(r.zones, 5);
    EXPECT_EQ(r.up, (std::array<double, 5>{6, 5, 4, 3, 2.5}));
    EXPECT_EQ(s(r.matrixName), "M1");

    ASSERT_TRUE(app::LoadBandTable2());
    const TBANDTBL& b2 = home.dm().state.BandTable2;
    ASSERT_EQ(b2.rows.size(), 3u);   // one row per band
    EXPECT_EQ(b2.rows[1].bandId, 2);
    EXPECT_EQ(b2.rows[1].zones, 3);
    EXPECT_EQ(b2.rows[1].roleEvaluation, 0);
    EXPECT_EQ(s(b2.title), "T3");

    home.dm().state.CurrentCompany.KCO = QStringLiteral("2");   // no bands
    ASSERT_TRUE(app::LoadBandTable());
    EXPECT_TRUE(home.dm().state.BandTable.rows.empty());
    EXPECT_EQ(s(home.dm().state.BandTable.title), "");
}

TEST_F(SharedLoaders, MatrixTableIsGroupedByBand)
{
    bandsAndMatrices();
    ASSERT_TRUE(app::LoadMatrixTable());
    const TMATTBL& m = home.dm().state.MatrixTable;
    ASSERT_EQ(m.size(), 3u);
    EXPECT_EQ(m[0].bandId, 1);
    EXPECT_EQ(m[0].matrixId, 1);
    EXPECT_EQ(s(m[0].bandName), "B1");
    EXPECT_EQ(s(m[0].matrixName), "M1");
    ASSERT_EQ(m[0].rows.size(), 2u);
    EXPECT_EQ(m[0].rows[0].roleEvaluation, 1);
    EXPECT_EQ(s(m[0].rows[0].name), "S");
    EXPECT_EQ(m[0].rows[1].roleEvaluation, 2);
    EXPECT_EQ(s(m[0].rows[1].name), "A");
    EXPECT_DOUBLE_EQ(m[0].rows[1].up[4], 2.5);
    EXPECT_EQ(m[0].rows[1].zones, 5);
    EXPECT_EQ(m[1].bandId, 2);
    EXPECT_EQ(m[1].matrixId, 2);
    EXPECT_EQ(m[1].rows.size(), 1u);
    EXPECT_EQ(m[2].bandId, 3);
    EXPECT_EQ(m[2].matrixId, 1);   // the shared matrix appears again under its second band
    EXPECT_EQ(m[2].rows.size(), 2u);

    EXPECT_DOUBLE_EQ(app::MatrixRaiseRate(1, 2, 5), 2.5);
    EXPECT_DOUBLE_EQ(app::MatrixRaiseRate(2, 1, 1), 1);
    EXPECT_DOUBLE_EQ(app::MatrixRaiseRate(2, 2, 1), 0);   // no such role in band 2
    EXPECT_DOUBLE_EQ(app::MatrixRaiseRate(9, 1, 1), 0);
    EXPECT_DOUBLE_EQ(app::MatrixRaiseRate(1, 1, 6), 0);
}

TEST_F(SharedLoaders, BandRaiseUsesTheLoadedTables)
{
    bandsAndMatrices();
    ASSERT_TRUE(app::LoadBandTable());
    ASSERT_TRUE(app::LoadMatrixTable());
    home.dm().state.BandTable.rounding = 1;   // hundreds
    // Band 1, role 2, zone 2 (120,000 .. 140,000): 5 %.
    const app::BandRaiseResult r = app::BandRaise(1, 2, 123456);
    EXPECT_EQ(r.zoneBefore, 2);
    EXPECT_DOUBLE_EQ(r.rate, 5);
    EXPECT_EQ(r.newWage, 129600);   // 129,628.8 to hundreds
    EXPECT_EQ(r.zoneAfter, 2);
}
