#include "MasterFixture.h"
#include "master/EmployeeEntry.h"

#include <QDir>
#include <QFile>
#include <functional>

using master::EmployeeField;
using master::EmployeeForm;

namespace {

// ---------------------------------------------------------------- totals

TEST(MasterEmployeeTotals, SumsRaisesAndIncomesInWholeYen)
{
    master::PayAmounts a;
    a.base = {200000, 50000, 0};
    a.baseAfter = {205000, 51000, 0};
    a.allowances = {10000, 0, 0, 0, 3000};
    a.allowancesAfter = {12000, 0, 0, 0, 3000};
    a.bonus1 = 400000;
    a.bonus2 = 450000;
    const master::PayTotals t = master::payTotals(a);
    EXPECT_EQ(t.baseBefore, 250000);
    EXPECT_EQ(t.baseAfter, 256000);
    EXPECT_EQ(t.allowancesBefore, 13000);
    EXPECT_EQ(t.allowancesAfter, 15000);
    EXPECT_EQ(t.scheduledBefore, 263000);
    EXPECT_EQ(t.scheduledAfter, 271000);
    EXPECT_EQ(t.annualBefore, 263000 * 12 + 850000);
    EXPECT_EQ(t.annualAfter, 271000 * 12 + 850000);
    EXPECT_EQ(t.baseRaise, 6000);
    EXPECT_EQ(t.allowanceRaise, 2000);

    // Every box at its eight-digit limit: far beyond 32 bits a year.
    master::PayAmounts top;
    top.base.fill(99999999);
    top.allowances.fill(99999999);
    top.bonus1 = top.bonus2 = 99999999;
    EXPECT_EQ(master::payTotals(top).annualBefore, Q_INT64_C(99999999) * 8 * 12 + Q_INT64_C(99999999) * 2);
    EXPECT_EQ(master::moneyText(master::payTotals(top).annualBefore), QStringLiteral("9,799,999,902"));
}

TEST(MasterEmployeeTotals, EmptyOrUnreadableBoxesCountZero)
{
    EmployeeForm f = master::clearedForm();
    f.base[0] = QStringLiteral("1,000");
    f.base[1] = QString();
    f.base[2] = QStringLiteral("x");
    f.bonus1 = QStringLiteral("500");
    const master::PayTotals t = master::payTotals(master::amountsOf(f));
    EXPECT_EQ(t.baseBefore, 1000);
    EXPECT_EQ(t.annualBefore, 12500);
}

// ---------------------------------------------------------------- fields and record

class MasterEmployeeRecord : public MasterTest {
protected:
    // A form that passes every check: code 7, a name, dates in the Western form.
    EmployeeForm validForm()
    {
        EmployeeForm f = master::clearedForm();
        f.code = QStringLiteral("7");
        f.name = QStringLiteral("山田太郎");
        f.birth = {QString(), QStringLiteral("85"), QStringLiteral("4"), QStringLiteral("15")};
        f.hire = {QString(), QStringLiteral("08"), QStringLiteral("04"), QStringLiteral("01")};
        return f;
    }
    master::EmployeeContext context()
    {
        master::EmployeeContext c;
        for (int n = 1; n <= 9; ++n) {
            c.grades << app::GradeItemText(n);
            c.marks << app::MarkItemText(n);
        }
        c.grades << QStringLiteral("0 : 指定なし");
        return c;
    }
};

TEST_F(MasterEmployeeRecord, WesternYearsOfTwoDigitsFallInTwoCenturies)
{
    struct Case {
        const char* year;
        const char* month;
        const char* day;
        qint64 date;
    } cases[] = {
        {"85", "4", "15", 19850415}, {"05", "4", "15", 20050415}, {"30", "12", "31", 20301231},
        {"31", "1", "1", 19310101},  {"0", "0", "0", 0},          {"99", "0", "", 0},
        {"00", "2", "29", 20000229},
    };
    for (const Case& c : cases) {
        EmployeeForm f = validForm();
        f.birth = {QString(), QString::fromUtf8(c.year), QString::fromUtf8(c.month), QString::fromUtf8(c.day)};
        data::TSyain_ r;
        const auto refusal = master::fillEmployee(f, context(), r);
        ASSERT_FALSE(refusal.has_value()) << c.year << " " << s(refusal->message);
        EXPECT_EQ(r.SEIHI, c.date) << c.year;
        if (c.date == 0) {
            EXPECT_EQ(r.NENREI, 0) << "no date, no age";
        }
    }
}

TEST_F(MasterEmployeeRecord, EraDatesUseTheEraTable)
{
    state().EraDisplay = 1;
    struct Case {
        const char* era;
        const char* year;
        const char* month;
        const char* day;
        qint64 date;   // 0 with refused: the date is refused
        bool refused;
    } cases[] = {
        {"昭和", "60", "4", "15", 19850415, false},
        {"平成", "01", "1", "8", 19890108, false},
        {"令和", "02", "2", "29", 20200229, false},
        {"令和", "01", "2", "29", 0, true},   // 2019 has no 29 February
        {"大正", "10", "1", "1", 0, true},    // not in the era table
        {" ", "0", "0", "0", 0, false},
    };
    for (const Case& c : cases) {
        EmployeeForm f = validForm();
        f.birth = {QString::fromUtf8(c.era), QString::fromUtf8(c.year), QString::fromUtf8(c.month), QString::fromUtf8(c.day)};
        f.hire = {QStringLiteral("平成"), QStringLiteral("20"), QStringLiteral("4"), QStringLiteral("1")};
        data::TSyain_ r;
        const auto refusal = master::fillEmployee(f, context(), r);
        EXPECT_EQ(refusal.has_value(), c.refused) << c.era << c.year;
        if (refusal) {
            EXPECT_EQ(refusal->field, EmployeeField::BirthYear);
            EXPECT_EQ(refusal->message, QStringLiteral("生年月日の入力エラーです。"));
        } else {
            EXPECT_EQ(r.SEIHI, c.date) << c.era << c.year;
            EXPECT_EQ(r.NYUHI, 20080401);
        }
    }
}

TEST_F(MasterEmployeeRecord, EveryRefusalNamesItsFieldAndLeavesTheRecordAlone)
{
    using Edit = std::function<void(EmployeeForm&)>;
    const QString cp932 = QStringLiteral("「𠮷」はShift-JIS(CP932)で書けない文字です。");
    struct Case {
        const char* name;
        Edit edit;
        EmployeeField field;
        QString message;
    } cases[] = {
        {"no code", [](EmployeeForm& f) { f.code.clear(); }, EmployeeField::Code, QStringLiteral("社員コードが入力されていません。")},
        {"no name", [](EmployeeForm& f) { f.name.clear(); }, EmployeeField::Name, QStringLiteral("氏名は必ず入力してください。")},
        {"letters in the code", [](EmployeeForm& f) { f.code = QStringLiteral("A7"); }, EmployeeField::Code,
         QStringLiteral("数値を入力して下さい。")},
        {"code 0", [](EmployeeForm& f) { f.code = QStringLiteral("0"); }, EmployeeField::Code, QStringLiteral("０は入力できません。")},
        {"31 February", [](EmployeeForm& f) { f.birth.month = QStringLiteral("2"), f.birth.day = QStringLiteral("31"); },
         EmployeeField::BirthYear, QStringLiteral("生年月日の入力エラーです。")},
        {"month 13", [](EmployeeForm& f) { f.hire.month = QStringLiteral("13"); }, EmployeeField::HireMonth,
         QStringLiteral("入力範囲外です。")},
        {"a Western year of four digits", [](EmployeeForm& f) { f.hire.year = QStringLiteral("2008"); },
         EmployeeField::HireYear, QStringLiteral("入力範囲外です。")},
        {"appointment without a year", [](EmployeeForm& f) { f.appointment = {QString(), QString(), QStringLiteral("4"), QStringLiteral("1")}; },
         EmployeeField::AppointmentYear, QStringLiteral("登用日の入力エラーです。")},
        {"name too long", [](EmployeeForm& f) { f.name = QString(21, QChar(u'あ')); }, EmployeeField::Name,
         QStringLiteral("入力範囲外です。")},
        {"name outside CP932", [](EmployeeForm& f) { f.name = QStringLiteral("𠮷田"); }, EmployeeField::Name, cp932},
        {"education outside CP932", [](EmployeeForm& f) { f.education = QStringLiteral("大学🎓"); }, EmployeeField::Education,
         QStringLiteral("「🎓」はShift-JIS(CP932)で書けない文字です。")},
        {"letters in an amount", [](EmployeeForm& f) { f.allowancesAfter[3] = QStringLiteral("12a"); },
         EmployeeField::AllowanceAfter4, QStringLiteral("数値を入力してください。")},
        {"nine-digit amount", [](EmployeeForm& f) { f.bonus2 = QStringLiteral("123,456,789"); }, EmployeeField::Bonus2,
         QStringLiteral("入力範囲外です。")},
        {"ability points 301", [](EmployeeForm& f) { f.abilityPoints = QStringLiteral("301"); }, EmployeeField::AbilityPoints,
         QStringLiteral("入力範囲外です。")},
        {"retirement rate not a number", [](EmployeeForm& f) { f.retirementRate = QStringLiteral("1..2"); },
         EmployeeField::RetirementRate, QStringLiteral("数値を入力してください。")},
        {"grade 10", [](EmployeeForm& f) { f.grade = QStringLiteral("10"); }, EmployeeField::Grade,
         QStringLiteral("存在しないコードです。")},
        {"grade in letters", [](EmployeeForm& f) { f.grade = QStringLiteral("三"); }, EmployeeField::Grade,
         QStringLiteral("数値を入力して下さい。")},
        {"unknown mark", [](EmployeeForm& f) { f.mark = QStringLiteral("12 : 未登録"); }, EmployeeField::Mark,
         QStringLiteral("存在しないコードです。")},
    };
    for (const Case& c : cases) {
        EmployeeForm f = validForm();
        c.edit(f);
        data::TSyain_ r;
        const auto refusal = master::fillEmployee(f, context(), r);
        ASSERT_TRUE(refusal.has_value()) << c.name;
        EXPECT_EQ(refusal->field, c.field) << c.name;
        EXPECT_EQ(refusal->message, c.message) << c.name;
        EXPECT_TRUE(r.SNA.isEmpty() && r.SCO.isEmpty()) << c.name << ": nothing is copied before every check passed";
    }
}

TEST_F(MasterEmployeeRecord, WhatIsShownIsWhatIsStored)
{
    state().EraDisplay = 1;
    data::TSyain_ stored;
    stored.SCO = QStringLiteral("12");
    stored.SCOT = QStringLiteral("S-012");
    stored.SNA = QStringLiteral("佐藤花子");
    stored.SEIBETSU = 1;
    stored.SEIHI = 19900228;
    stored.NYUHI = 20130401;
    stored.THI = 0;
    stored.YAKU = QStringLiteral("主任");
    stored.SM1 = 2;
    stored.GAKU = QStringLiteral("大学");
    stored.TOUKYU = stored.TCO = 4;
    stored.GOUHOU = 12;
    stored.TRITSU = 95;
    stored.HCO = 2;
    stored.HKIGOU = QStringLiteral("A");
    stored.HNA1 = QStringLiteral("B");
    stored.NENSU = 7;
    stored.TENSU = 320;
    stored.MCO = 3;
    stored.SPATH = QStringLiteral("p12.jpg");
    stored.KKYU1 = 230000;
    stored.NKKYU1 = 235000;
    stored.TEATE2 = 8000;
    stored.NTEATE2 = 8000;
    stored.SYOUYO = 500000;
    stored.SRITSU = 1.25;
    stored.UPKIN1 = 5000;
    stored.JISEKI = 0;

    const EmployeeForm f = master::formOf(stored);
    EXPECT_EQ(f.birth.era, QStringLiteral("平成"));
    EXPECT_EQ(f.birth.year, QStringLiteral("02"));
    EXPECT_EQ(f.birth.month, QStringLiteral("02"));
    EXPECT_EQ(f.appointment.year, QStringLiteral("0")) << "no date shows 0";
    EXPECT_EQ(f.grade, QStringLiteral("4 : 第４等級"));
    EXPECT_EQ(f.evaluation, QStringLiteral("2 : A"));
    EXPECT_EQ(f.mark, QStringLiteral("3 : ▲  総務部"));
    EXPECT_EQ(f.base[0], QStringLiteral("230,000"));
    EXPECT_EQ(f.retirementRate, QStringLiteral("1.250"));
    EXPECT_EQ(f.achievementRate, QStringLiteral("95"));
    EXPECT_EQ(f.raiseHistory[0], QStringLiteral("5,000"));

    data::TSyain_ back;
    ASSERT_FALSE(master::fillEmployee(f, context(), back).has_value());
    EXPECT_EQ(back.SCO, stored.SCO);
    EXPECT_EQ(back.SEIHI, stored.SEIHI);
    EXPECT_EQ(back.NYUHI, stored.NYUHI);
    EXPECT_EQ(back.THI, 0);
    EXPECT_EQ(back.SEIBETSU, 1);
    EXPECT_EQ(back.TCO, 4);
    EXPECT_EQ(back.TOUKYU, 4);
    EXPECT_EQ(back.HCO, 2);
    EXPECT_EQ(back.MCO, 3);
    EXPECT_EQ(back.SM1, 2);
    EXPECT_DOUBLE_EQ(back.SRITSU, 1.25);
    EXPECT_DOUBLE_EQ(back.TRITSU, 95);
    EXPECT_EQ(back.KKYU1, 230000);
    EXPECT_EQ(back.NTEATE2, 8000);
    EXPECT_EQ(back.UPKIN1, 5000);
    EXPECT_EQ(back.SPATH, QStringLiteral("p12.jpg"));
    EXPECT_EQ(back.SYOTEI, 238000);
    EXPECT_EQ(back.NNENSYU, 243000 * 12 + 500000);
    EXPECT_EQ(back.NENREI, 30) << "born 1990-02-28, counted to 2020-06-15";
    EXPECT_EQ(back.KINZOKU, 7);
}

TEST_F(MasterEmployeeRecord, TheWageTableFillsItsLinkedAfterRaiseBox)
{
    data::TSyain_ stored;
    stored.SCO = QStringLiteral("3");
    stored.SNA = QStringLiteral("鈴木");
    stored.JISEKI = 2;
    stored.NKKYU2 = 1;
    stored.NKIN = 181200;
    EXPECT_EQ(master::formOf(stored).baseAfter[1], QStringLiteral("181,200"));
    stored.JISEKI = 7;
    EXPECT_EQ(master::wageTableLinkOf(stored), 0);
    EXPECT_EQ(master::formOf(stored).baseAfter[1], QStringLiteral("1"));
}

TEST(MasterEmployeeTexts, OptimalWageTabAndHourlyWage)
{
    data::TSyain_ e;
    EXPECT_EQ(master::optimalWageTexts(e).fitted, QString()) << "FITNO 0: blank";
    e.FITNO = 3;
    e.FITNAME = QStringLiteral("基本給");
    e.FITKIN = 250000;
    e.FITJITSU = 260000;
    const master::OptimalWageTexts t = master::optimalWageTexts(e);
    EXPECT_EQ(t.caption, QStringLiteral("基本給"));
    EXPECT_EQ(t.fitted, QStringLiteral("250,000"));
    EXPECT_EQ(t.residual, QStringLiteral("10,000"));
    EXPECT_EQ(t.ratio, QStringLiteral("4.00%"));
    e.FITKIN = 0;
    EXPECT_EQ(master::optimalWageTexts(e).ratio, QStringLiteral("0.00%"));

    e.KKYU1 = 200000;
    e.TEATE1 = 40000;
    e.NKKYU1 = 999999;   // after the raise: not part of the hourly wage
    EXPECT_EQ(master::hourlyWageText(e, 160), QStringLiteral("1,500"));
    EXPECT_EQ(master::hourlyWageText(e, 0), QStringLiteral("0"));
}

TEST_F(MasterEmployeeRecord, ListCellsCountAgeAndServiceOnlyWithAnEmployeeNumber)
{
    data::TSyain_ e;
    e.SCO = QStringLiteral("5");
    e.SNA = QStringLiteral("田中");
    e.SEIHI = 19800101;
    e.NYUHI = 20000401;
    e.TRITSU = 87.5;
    e.HKIGOU = QStringLiteral("B");
    e.TOUKYU = 3;
    EXPECT_EQ(master::employeeCellText(e, 4), QStringLiteral("0"));
    EXPECT_EQ(master::employeeCellText(e, 5), QStringLiteral("0"));
    e.SCOT = QStringLiteral("T-5");
    EXPECT_EQ(master::employeeCellText(e, 4), QStringLiteral("40"));
    EXPECT_EQ(master::employeeCellText(e, 5), QStringLiteral("20"));
    EXPECT_EQ(master::employeeCellText(e, 7), QStringLiteral("B"));
    EXPECT_EQ(master::employeeCellText(e, 10), QStringLiteral("87.5"));

    // With a matrix-linked item the last column is the zone of its amount in the band.
    data::TBANDM band;
    band.bandId = 1;
    band.roleEvaluation = 2;
    band.lower = {100000, 150000, 200000, 250000, 300000};
    band.upper = {150000, 200000, 250000, 300000, 350000};
    state().BandTable.rows = {band};
    e.MLINK = 1;
    e.BANDID = 1;
    e.YHYOUKA = 2;
    e.KKYU1 = 210000;
    EXPECT_EQ(master::employeeCellText(e, 10), QStringLiteral("3"));
}

TEST(MasterEmployeePhoto, OnlyFilesInsideThePictureFolderAreTaken)
{
    QTemporaryDir dir;
    const QString root = dir.path() + QStringLiteral("/");
    ASSERT_TRUE(QDir().mkpath(root + QStringLiteral("Picture/staff")));
    ASSERT_TRUE(QDir().mkpath(root + QStringLiteral("Other")));
    for (const char* f : {"Picture/a.jpg", "Picture/staff/b.jpg", "Other/c.jpg"}) {
        QFile file(root + QString::fromUtf8(f));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QFile::link(root + QStringLiteral("Other/c.jpg"), root + QStringLiteral("Picture/link.jpg")));
    const QString pictures = root + QStringLiteral("Picture");
    struct Case {
        QString chosen;
        std::optional<QString> name;
    } cases[] = {
        {root + QStringLiteral("Picture/a.jpg"), QStringLiteral("a.jpg")},
        {root + QStringLiteral("Picture/staff/b.jpg"), QStringLiteral("staff/b.jpg")},
        {root + QStringLiteral("Picture\\staff\\b.jpg"), QStringLiteral("staff/b.jpg")},
        {root + QStringLiteral("Picture/staff/../a.jpg"), QStringLiteral("a.jpg")},
        {root + QStringLiteral("Picture/../Other/c.jpg"), std::nullopt},
        {root + QStringLiteral("Other/c.jpg"), std::nullopt},
        {root + QStringLiteral("Picture/link.jpg"), std::nullopt},   // a link that leads outside
        {root + QStringLiteral("Picture/missing.jpg"), std::nullopt},
        {root + QStringLiteral("Picture"), std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(master::pictureNameFromPath(pictures, c.chosen), c.name) << s(c.chosen);
}

} // namespace
