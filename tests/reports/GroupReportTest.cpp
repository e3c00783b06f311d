// The group employee report: where its lines, summaries, page breaks and rules land (on the
// writer's recorded operations), the next-year base items, the range texts, and the CSV files.

#include "ReportsTestSupport.h"
#include "platform/Cp932.h"
#include "reports/GroupReport.h"
#include "reports/ReportLayout.h"
#include "reports/ReportWriter.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

using namespace reports;

namespace {

GroupEmployee employee(qint64 mark, const QString& code, int age = 30, qint64 kkyu1 = 200000)
{
    GroupEmployee g;
    g.row.MCO = mark;
    g.row.SCOT = code;
    g.row.SNA = QStringLiteral("社員") + code;
    g.row.KKYU1 = kkyu1;
    g.row.NKKYU1 = kkyu1 + 5000;
    g.age = age;
    g.service = 5;
    g.nextBase = {g.row.NKKYU1, 0, 0};
    return g;
}

std::vector<GroupEmployee> group(qint64 mark, int count)
{
    std::vector<GroupEmployee> v;
    for (int i = 0; i < count; ++i)
        v.push_back(employee(mark, QString::number(mark * 1000 + i)));
    return v;
}

// A text drawn in a column: the page, the detail line it lies on, its text.
struct Cell {
    int page;
    int line;
    QString text;
};

class GroupReportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureApplication();
        ASSERT_TRUE(tmp.isValid());
        reportDir = tmp.path() + QStringLiteral("/Report/");
        ASSERT_TRUE(QDir().mkpath(reportDir));
        ASSERT_TRUE(installReportLayouts(reportDir));
    }

    // Builds the report and keeps the recorded operations.
    void build(GroupReportKind kind, const std::vector<GroupEmployee>& employees)
    {
        ReportWriter w;
        w.setFormName(layoutPath(reportDir, groupReportLayoutName(kind)));
        w.setImageFileName(reportDir + QStringLiteral("wkGroup.rdf"));
        ASSERT_TRUE(w.startJob());
        header.today = QDate(2020, 4, 1);
        header.referenceDate = 20200401;
        pages = buildGroupReport(w, kind, employees, header);
        ASSERT_TRUE(w.endJob());
        QFile::remove(w.imageFileName());
        printedPages = w.pageCount();
        ops = w.operations();
        for (const char* f : {"SYAINCD", "SIMEI", "NENREI", "KINZOKU", "KIHON1", "NENSYU", "HYOUKA", "TOUKYU",
                              "NKIHON", "UKIHON", "NSYOTEI", "SYOTEI", "UPKIN", "UPRITSU"})
            rects[f] = w.fieldRect(QString::fromLatin1(f));
    }

    // Every text drawn in a column's cell, in order.
    std::vector<Cell> cells(const char* column) const
    {
        const LayoutRect r = rects.at(column);
        std::vector<Cell> out;
        for (const ReportOp& op : ops) {
            if (op.kind != ReportOp::Kind::Text || op.rect.left != r.left || op.rect.right != r.right)
                continue;
            const int dy = op.rect.top - r.top - kGroupTextPadding;
            EXPECT_EQ(dy % kGroupLinePitch, 0) << op.text.toStdString();
            out.push_back({op.page, dy / kGroupLinePitch, op.text});
        }
        return out;
    }

    // The text of a column on (page, line); "<none>" when nothing was drawn there.
    QString at(const char* column, int page, int line) const
    {
        for (const Cell& c : cells(column))
            if (c.page == page && c.line == line)
                return c.text;
        return QStringLiteral("<none>");
    }

    std::vector<const ReportOp*> fieldTexts(const QString& field) const
    {
        std::vector<const ReportOp*> out;
        for (const ReportOp& op : ops)
            if (op.kind == ReportOp::Kind::FieldText && op.field == field)
                out.push_back(&op);
        return out;
    }

    bool hasLine(int page, int x1, int y1, int x2, int y2) const
    {
        for (const ReportOp& op : ops)
            if (op.kind == ReportOp::Kind::Line && op.page == page && op.from == QPoint(x1, y1) && op.to == QPoint(x2, y2)
                && op.lineStyle == 0 && op.lineWidth == 0)
                return true;
        return false;
    }

    QTemporaryDir tmp;
    QString reportDir;
    GroupReportHeader header;
    int pages = 0;
    int printedPages = 0;
    std::vector<ReportOp> ops;
    std::map<std::string, LayoutRect> rects;
};

TEST_F(GroupReportTest, GroupsOfThreeAndThirtyOneBreakPagesAsDescribed)
{
    std::vector<GroupEmployee> all = group(1, 3);
    for (GroupEmployee& g : group(2, 31))
        all.push_back(g);
    build(GroupReportKind::Wage, all);

    EXPECT_EQ(pages, 3);
    EXPECT_EQ(printedPages, 3);

    // Group 1: lines 0..2, line 3 empty, subtotal on 4, average on 5.
    EXPECT_EQ(at("SYAINCD", 1, 0), QStringLiteral("1000"));
    EXPECT_EQ(at("SYAINCD", 1, 2), QStringLiteral("1002"));
    EXPECT_EQ(at("SIMEI", 1, 3), QStringLiteral("<none>"));
    EXPECT_EQ(at("SIMEI", 1, 4), QStringLiteral("　　　　小計"));
    EXPECT_EQ(at("NENREI", 1, 4), QStringLiteral("3"));
    EXPECT_EQ(at("SIMEI", 1, 5), QStringLiteral("　　　　平均"));
    EXPECT_EQ(at("SYAINCD", 1, 4), QString());

    // Group 2 starts a new page and fills lines 0..30; its summaries go to lines 1 and 2 of the next.
    EXPECT_EQ(at("SYAINCD", 2, 0), QStringLiteral("2000"));
    EXPECT_EQ(at("SYAINCD", 2, 30), QStringLiteral("2030"));
    EXPECT_EQ(at("SIMEI", 3, 0), QStringLiteral("<none>"));
    EXPECT_EQ(at("SIMEI", 3, 1), QStringLiteral("　　　　小計"));
    EXPECT_EQ(at("NENREI", 3, 1), QStringLiteral("31"));
    EXPECT_EQ(at("SIMEI", 3, 2), QStringLiteral("　　　　平均"));
    // The grand total follows directly.
    EXPECT_EQ(at("SIMEI", 3, 3), QStringLiteral("　合計"));
    EXPECT_EQ(at("NENREI", 3, 3), QStringLiteral("34"));
    EXPECT_EQ(at("SIMEI", 3, 4), QStringLiteral("　平均"));

    // Each page has its header; the page number counts on.
    const auto ymd = fieldTexts(QStringLiteral("YMD"));
    ASSERT_EQ(ymd.size(), 3u);
    EXPECT_EQ(ymd[2]->text, QStringLiteral("2020年04月01日　　P. 3"));
    EXPECT_EQ(ymd[2]->page, 3);
    const auto kijun = fieldTexts(QStringLiteral("KIJUNBI"));
    ASSERT_FALSE(kijun.empty());
    EXPECT_EQ(kijun[0]->text, QStringLiteral("年齢・勤続は2020年04月01日現在"));
}

TEST_F(GroupReportTest, AGroupStopsAtLineThirtyOneOfAPage)
{
    // 40 employees: 32 on the first page, 8 on the second, subtotal on line 9.
    build(GroupReportKind::Wage, group(1, 40));
    EXPECT_EQ(at("SYAINCD", 1, 31), QStringLiteral("1031"));
    EXPECT_EQ(at("SYAINCD", 2, 0), QStringLiteral("1032"));
    EXPECT_EQ(at("SIMEI", 2, 9), QStringLiteral("　　　　小計"));
    EXPECT_EQ(pages, 2);
}

TEST_F(GroupReportTest, WageAveragesKeepOneDecimalForYearsAndCutAmounts)
{
    std::vector<GroupEmployee> v = {employee(1, QStringLiteral("A"), 30, 1000), employee(1, QStringLiteral("B"), 31, 1001)};
    v[1].service = 6;
    v[0].row.SYOUYO = 3;
    build(GroupReportKind::Wage, v);

    // Subtotal on line 3, average on line 4.
    EXPECT_EQ(at("NENREI", 1, 3), QStringLiteral("2"));
    EXPECT_EQ(at("KINZOKU", 1, 3), QString());
    EXPECT_EQ(at("KIHON1", 1, 3), QStringLiteral("2,001"));
    EXPECT_EQ(at("NENREI", 1, 4), QStringLiteral("30.5"));
    EXPECT_EQ(at("KINZOKU", 1, 4), QStringLiteral("5.5"));
    EXPECT_EQ(at("KIHON1", 1, 4), QStringLiteral("1,000"));
    // Annual income of the average line from its own values: 12 x 1,000 + 1 (3 / 2 cut).
    EXPECT_EQ(at("NENSYU", 1, 4), QStringLiteral("12,001"));

    // One rule below the average line, from 150 left of NENREI to 150 right of the last column.
    const LayoutRect n = rects.at("NENREI");
    const int y = rects.at("SYAINCD").top + 5 * kGroupLinePitch;
    EXPECT_TRUE(hasLine(1, n.left - 150, y, rects.at("NENSYU").right + 150, y));
    // Employee line 0 is ruled: left of the first column, right of the last, and below.
    const LayoutRect first = rects.at("SYAINCD");
    EXPECT_TRUE(hasLine(1, first.left - 150, first.top, first.left - 150, first.bottom));
    EXPECT_TRUE(hasLine(1, first.left - 150, first.top + kGroupLinePitch, rects.at("NENSYU").right + 150,
                        first.top + kGroupLinePitch));
    // The heading line above line 0 gets a rule at its top.
    EXPECT_TRUE(hasLine(1, first.left - 150, first.top - kGroupLinePitch, rects.at("NENSYU").right + 150,
                        first.top - kGroupLinePitch));
    // Summary lines have no vertical rules.
    const int sumTop = first.top + 3 * kGroupLinePitch;
    EXPECT_FALSE(hasLine(1, first.left - 150, sumTop, first.left - 150, first.bottom + 3 * kGroupLinePitch));
}

TEST_F(GroupReportTest, RaiseListRatesCountsAndRules)
{
    GroupEmployee a = employee(1, QStringLiteral("A"), 30, 200000);   // next 205,000
    GroupEmployee zero = employee(1, QStringLiteral("Z"), 40, 0);    // current pay 0
    zero.row.NKKYU1 = 0;
    zero.nextBase = {0, 0, 0};
    a.row.HKIGOU = QStringLiteral("Ａ");
    a.row.TOUKYU = 3;
    build(GroupReportKind::Raise, {a, zero});

    EXPECT_EQ(at("HYOUKA", 1, 0), QStringLiteral("Ａ"));
    EXPECT_EQ(at("NKIHON", 1, 0), QStringLiteral("205,000"));
    EXPECT_EQ(at("UKIHON", 1, 0), QStringLiteral("5,000"));
    EXPECT_EQ(at("UPKIN", 1, 0), QStringLiteral("5,000"));
    EXPECT_EQ(at("UPRITSU", 1, 0), QStringLiteral("2.50"));
    EXPECT_EQ(at("UPRITSU", 1, 1), QString());

    // Subtotal (line 3): the count in TOUKYU, the rate from the sums; average (line 4): no rate.
    EXPECT_EQ(at("SIMEI", 1, 3), QStringLiteral("　　　小計"));
    EXPECT_EQ(at("TOUKYU", 1, 3), QStringLiteral("2"));
    EXPECT_EQ(at("UPRITSU", 1, 3), QStringLiteral("2.50"));
    EXPECT_EQ(at("SIMEI", 1, 4), QStringLiteral("　　　平均"));
    EXPECT_EQ(at("TOUKYU", 1, 4), QString());
    EXPECT_EQ(at("NKIHON", 1, 4), QStringLiteral("102,500"));
    EXPECT_EQ(at("UPRITSU", 1, 4), QString());
    EXPECT_EQ(at("SIMEI", 1, 5), QStringLiteral("　合計"));

    // The rule below a group average starts at HYOUKA, below the grand average at SIMEI.
    const int top = rects.at("SYAINCD").top;
    const int right = rects.at("UPRITSU").right + 150;
    EXPECT_TRUE(hasLine(1, rects.at("HYOUKA").left - 150, top + 5 * kGroupLinePitch, right, top + 5 * kGroupLinePitch));
    EXPECT_TRUE(hasLine(1, rects.at("SIMEI").left - 150, top + 7 * kGroupLinePitch, right, top + 7 * kGroupLinePitch));
    EXPECT_TRUE(fieldTexts(QStringLiteral("KIJUNBI")).empty());
}

TEST(GroupReportValues, NextYearBaseTakesWageTableThenMatrix)
{
    data::TSyain_ e;
    e.NKKYU1 = 100;
    e.NKKYU2 = 200;
    e.NKKYU3 = 300;
    e.KKYU2 = 50;
    e.NKIN = 999;
    e.JISEKI = 1;
    e.MLINK = 2;
    const auto raise = [](qint64 current) { return current * 10; };
    EXPECT_EQ(nextYearBase(e, true, raise), (std::array<qint64, 3>{999, 500, 300}));
    EXPECT_EQ(nextYearBase(e, false, raise), (std::array<qint64, 3>{999, 200, 300}));
    e.JISEKI = 0;
    e.MLINK = 0;
    EXPECT_EQ(nextYearBase(e, true, raise), (std::array<qint64, 3>{100, 200, 300}));
}

TEST(GroupReportValues, ReferenceDateText)
{
    const struct {
        int date;
        const char* text;
    } cases[] = {
        {20200401, "年齢・勤続は2020年04月01日現在"},
        {0, "年齢・勤続は年月日現在"},
        {2020041, "年齢・勤続は年月日現在"},
        {-20200401, "年齢・勤続は年月日現在"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(referenceDateText(c.date), QString::fromUtf8(c.text)) << c.date;
}

TEST(GroupReportValues, RangeChecksAndDescription)
{
    SelectionRange r;
    EXPECT_EQ(checkSelectionRange(r), QString());
    EXPECT_EQ(rangeDescription(r), QString());   // nothing chosen: everything, no description

    int code = 0;
    QString text = QStringLiteral("x");
    normalizeStart(code, text);
    EXPECT_EQ(code, -1);
    EXPECT_TRUE(text.isEmpty());
    code = 0;
    normalizeEnd(code, text);
    EXPECT_EQ(code, 999);

    r.markStartText = QStringLiteral("● 営業");
    r.markEndText = QStringLiteral("▲ 技術");
    r.gradeStartText = r.gradeEndText = QStringLiteral("主任");
    EXPECT_EQ(rangeDescription(r), QStringLiteral("● 営業～▲ 技術 ／ 主任"));
    r.markStartText.clear();
    r.markEndText.clear();
    r.formEndText = QStringLiteral("パート");
    EXPECT_EQ(rangeDescription(r), QStringLiteral("主任 ／ ～パート"));

    const struct {
        SelectionRange r;
        const char* message;
    } bad[] = {
        {{3, 2, -1, 999, -1, 999}, "マーク範囲の指定に誤りがあります。"},
        {{1, 2, 5, 4, 9, 1}, "等級範囲の指定に誤りがあります。"},
        {{1, 2, -1, 999, 3, 1}, "就労形態範囲の指定に誤りがあります。"},
    };
    for (const auto& c : bad)
        EXPECT_EQ(checkSelectionRange(c.r), QString::fromUtf8(c.message));
    EXPECT_EQ(employeeWhere(SelectionRange{}, 2020, 7),
              QStringLiteral(" WHERE ( MCO BETWEEN -1 AND 999 )  AND ( TOUKYU BETWEEN -1 AND 999 )  AND ( SM1 BETWEEN -1 AND 999 )"
                             "  AND NENDO = 2020 AND KCO = 7 ORDER BY KCO,MCO,SCO"));
}

TEST(GroupReportCsv, WageFileIsCp932WithQuotedNames)
{
    QTemporaryDir tmp;
    GroupEmployee a = employee(1, QStringLiteral("001"), 30, 200000);
    a.row.SNA = QStringLiteral("山田,太郎");
    a.service = 8;
    a.row.KKYU2 = 10000;
    a.row.TEATE1 = 15000;
    a.row.SYOUYO = 400000;
    a.row.SYOUYO2 = 450000;
    GroupEmployee b = employee(1, QStringLiteral("002"), 41, 1000);
    b.row.SNA = QStringLiteral("佐藤\"花子\"");
    b.service = 0;

    const QString path = tmp.path() + QStringLiteral("/out.CSV");
    QString error;
    ASSERT_TRUE(platform::writeCp932File(path, groupReportCsv(GroupReportKind::Wage, {a, b}), &error))
        << error.toStdString();
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray expected(
#include "GroupReportWage.csv.inc"
    );
    EXPECT_EQ(f.readAll(), expected);
}

TEST(GroupReportCsv, RaiseFileKeepsStoredMatrixItemsAndPlainNames)
{
    GroupEmployee e = employee(1, QStringLiteral("010"), 30, 100000);
    e.row.SNA = QStringLiteral("鈴木 一郎");
    e.row.HKIGOU = QStringLiteral("Ｂ");
    e.row.TOUKYU = 2;
    e.row.GOUHOU = 11;
    e.row.SGOUHOU = 12;
    e.row.KKYU2 = 20000;
    e.row.NKKYU1 = 101000;   // replaced by the wage table (JISEKI 1)
    e.row.NKIN = 103000;
    e.row.NKKYU2 = 20500;    // linked to the matrix: the file keeps the stored amount
    e.row.JISEKI = 1;
    e.row.MLINK = 2;
    e.row.TEATE1 = 1000;
    e.row.NTEATE1 = 1200;
    e.nextBase = {103000, 25000, 0};   // as printed
    EXPECT_EQ(groupReportCsv(GroupReportKind::Raise, {e}),
              QStringLiteral("社員コード,氏名,評価,等級,号俸,昇格号俸,New基本給,Up基本給,New諸手当,Up諸手当,New所定給,所定給,昇給額\r\n"
                             "010,鈴木 一郎,Ｂ,2,11,12,123500,3500,1200,200,124700,121000,3700\r\n"));
}

TEST(GroupReportCsv, FieldQuoting)
{
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"plain", "plain"}, {"", ""}, {"a,b", "\"a,b\""}, {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\nlines", "\"two\nlines\""}, {"cr\r", "\"cr\r\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(csvField(QString::fromUtf8(c.in)), QString::fromUtf8(c.out)) << c.in;
}

} // namespace
