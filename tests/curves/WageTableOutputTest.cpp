// The wage table as it leaves the program: the CSV file byte for byte, the printed lines and page
// breaks on the writer's recorded operations, and the stops: a refused grid writes and prints
// nothing and leaves the stored table alone.

#include "CurveFixture.h"
#include "curves/WageTableOutput.h"
#include "data/DbAccess.h"
#include "platform/Cp932.h"
#include "reports/ReportLayout.h"
#include "reports/ReportWriter.h"
#include "support/Application.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

using curvefixture::setDesign;
using curves::DesignGrid;
using reports::ReportOp;

std::string s(const QString& q) { return q.toStdString(); }

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class WageTableOutputTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureApplication();
        curvefixture::openCompany(home);
        ASSERT_TRUE(QDir().mkpath(home.path() + QStringLiteral("CSV")));
        ASSERT_TRUE(QDir().mkpath(home.path() + QStringLiteral("Report")));
        ASSERT_TRUE(reports::installReportLayouts(home.path() + QStringLiteral("Report/")));
        page.yearLabel = QStringLiteral("2020");
        page.companyName = QStringLiteral("テスト工業");
        page.title = QStringLiteral("昇給テスト");
        page.today = QDate(2020, 6, 15);
        page.xCaption = QStringLiteral("年　　齢");
        page.yCaption = QStringLiteral("項　目　Ⅱ");
    }

    QString csvPath() const { return home.path() + QStringLiteral("CSV/昇給カーブの設計.CSV"); }

    std::vector<data::TCHNGIN_> stored()
    {
        std::vector<data::TCHNGIN_> rows;
        EXPECT_TRUE(curves::readWageTable(home.dm(), rows));
        return rows;
    }

    // Prints grid; the operations recorded and the document (removed afterwards).
    bool print(const DesignGrid& grid)
    {
        reports::ReportWriter w;
        const bool printed = curves::printWageTable(home.dm(), w, grid, 0, 1, page);
        ops = w.operations();
        for (int d = 1; d <= 5; ++d)
            for (const char* f : {"NENREI", "KIN", "KAKU"}) {
                const QString name = QString::fromLatin1(f) + QString::number(d);
                rects[s(name)] = w.fieldRect(name);
            }
        if (!home.dm().state.PreviewFile.isEmpty())
            QFile::remove(home.dm().state.PreviewFile);
        return printed;
    }

    // The texts drawn in a field's column: (page, line, text); line -1 is the heading line.
    struct Cell {
        int page;
        int line;
        QString text;
    };
    std::vector<Cell> column(const char* field) const
    {
        const reports::LayoutRect r = rects.at(field);
        std::vector<Cell> out;
        for (const ReportOp& op : ops) {
            if (op.kind != ReportOp::Kind::Text || op.rect.left != r.left || op.rect.right != r.right)
                continue;
            const int dy = op.rect.top - r.top;
            EXPECT_EQ(op.rect.bottom - op.rect.top, r.bottom - r.top);
            if (dy == -308) {
                out.push_back({op.page, -1, op.text});
                continue;
            }
            EXPECT_EQ((dy - 200) % 508, 0) << s(op.text);
            out.push_back({op.page, (dy - 200) / 508, op.text});
        }
        return out;
    }
    int pageBreaks() const
    {
        return int(std::count_if(ops.begin(), ops.end(), [](const ReportOp& op) { return op.kind == ReportOp::Kind::PageBreak; }));
    }
    QStringList fieldTexts(const char* field) const
    {
        QStringList out;
        for (const ReportOp& op : ops)
            if (op.kind == ReportOp::Kind::FieldText && op.field == QLatin1String(field))
                out << QString::number(op.page) + QLatin1Char(':') + op.text;
        return out;
    }

    TestHome home;
    curves::WageTablePage page;
    std::vector<ReportOp> ops;
    std::map<std::string, reports::LayoutRect> rects;
};

TEST_F(WageTableOutputTest, CsvOfTheWorkedExampleByteForByte)
{
    DesignGrid grid = curvefixture::workedExample();
    setDesign(grid, 3, {{24, 300000}, {25, 301000}});
    ASSERT_TRUE(curves::exportWageTableCsv(home.dm(), grid, 0, 1, QStringLiteral("昇給テスト")));
    const QString text = QStringLiteral(
        "昇給テスト\r\n"
        ",設計１,,,設計２,,,設計３,,,設計４,,,設計５,\r\n"
        "年齢,職能給,格差,年齢,職能給,格差,年齢,職能給,格差,年齢,職能給,格差,年齢,職能給,格差\r\n"
        "20,200000,100,0,0,0,24,300000,100,0,0,0,0,0,0\r\n"
        "21,202470,101,0,0,0,25,301000,100,0,0,0,0,0,0\r\n"
        "22,204940,102,0,0,0,0,0,0,0,0,0,0,0,0\r\n"
        "23,207410,103,0,0,0,0,0,0,0,0,0,0,0,0\r\n"
        "24,209880,104,0,0,0,0,0,0,0,0,0,0,0,0\r\n"
        "25,212345,106,0,0,0,0,0,0,0,0,0,0,0,0\r\n"
        "平均,206174,2469,,,,平均,300500,1000,,,,,,\r\n");
    const auto bytes = platform::encodeCp932(text, nullptr);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(readFile(csvPath()), *bytes);
    EXPECT_EQ(s(home.dialogs.texts().join(QLatin1Char('|'))), "CSVデレクトリに賃金表が出力されました。");
    EXPECT_EQ(stored().size(), 8u);
}

TEST_F(WageTableOutputTest, RefusedGridStopsExportAndPrinting)
{
    ASSERT_TRUE(curves::exportWageTableCsv(home.dm(), curvefixture::workedExample(), 0, 1, QStringLiteral("前回")));
    const QByteArray before = readFile(csvPath());
    ASSERT_FALSE(before.isEmpty());
    home.dialogs.clear();

    struct Case {
        const char* name;
        std::initializer_list<std::pair<qint64, qint64>> points;
        const char* message;
    };
    const Case cases[] = {
        {"unsorted", {{30, 250000}, {30, 260000}}, "年齢は昇順に入力して下さい。1列 1行目"},
        {"amount missing", {{30, 250000}, {35, 0}}, "金額を入力して下さい。1列 2行目"},
        {"x missing", {{0, 250000}}, "年齢を入力して下さい。1列 1行目"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DesignGrid bad;
        setDesign(bad, 1, c.points);

        EXPECT_FALSE(curves::exportWageTableCsv(home.dm(), bad, 0, 1, QStringLiteral("新")));
        EXPECT_EQ(s(home.dialogs.texts().join(QLatin1Char('|'))), c.message);
        EXPECT_EQ(readFile(csvPath()), before);
        home.dialogs.clear();

        home.dm().state.PreviewFile = QStringLiteral("old.pdf");
        EXPECT_FALSE(print(bad));
        EXPECT_EQ(s(home.dialogs.texts().join(QLatin1Char('|'))), c.message);
        EXPECT_TRUE(ops.empty());
        EXPECT_TRUE(home.dm().state.PreviewFile.isEmpty());
        home.dialogs.clear();

        // The table of the last good generation is still there.
        const auto rows = stored();
        ASSERT_EQ(rows.size(), 6u);
        EXPECT_EQ(rows.back().SKIN, 212345);
    }
}

TEST_F(WageTableOutputTest, NothingToWriteOrPrint)
{
    EXPECT_FALSE(curves::exportWageTableCsv(home.dm(), DesignGrid{}, 0, 1, QString()));
    EXPECT_FALSE(print(DesignGrid{}));
    EXPECT_EQ(s(home.dialogs.texts().join(QLatin1Char('|'))), "賃金表データは有りません。|印刷対象データは有りません。");
    EXPECT_FALSE(QFile::exists(csvPath()));
    EXPECT_TRUE(ops.empty());
}

TEST_F(WageTableOutputTest, MissingCsvFolderIsReportedAsAFailure)
{
    ASSERT_TRUE(QDir(home.path() + QStringLiteral("CSV")).removeRecursively());
    EXPECT_FALSE(curves::exportWageTableCsv(home.dm(), curvefixture::workedExample(), 0, 1, QString()));
    ASSERT_EQ(home.dialogs.log.size(), 1u);
    EXPECT_EQ(home.dialogs.log[0].kind, platform::MessageKind::Error);
    EXPECT_TRUE(home.dialogs.log[0].text.contains(QStringLiteral("昇給カーブの設計.CSV"))) << s(home.dialogs.log[0].text);
}

TEST_F(WageTableOutputTest, PrintedWorkedExampleOnOnePage)
{
    ASSERT_TRUE(print(curvefixture::workedExample()));
    EXPECT_FALSE(home.dm().state.PreviewFile.isEmpty());
    EXPECT_EQ(pageBreaks(), 1);
    EXPECT_EQ(s(fieldTexts("NENDO").join(QLatin1Char('|'))), "1:2020 年度");
    EXPECT_EQ(s(fieldTexts("CORPNAME").join(QLatin1Char('|'))), "1:テスト工業");
    EXPECT_EQ(s(fieldTexts("TITLE").join(QLatin1Char('|'))), "1:昇給テスト");
    EXPECT_EQ(s(fieldTexts("YMD").join(QLatin1Char('|'))), "1:2020年06月15日　　P. 1");

    auto texts = [this](const char* field) {
        QStringList out;
        for (const Cell& c : column(field))
            out << QStringLiteral("%1/%2 %3").arg(c.page).arg(c.line).arg(c.text);
        return s(out.join(QLatin1Char('|')));
    };
    EXPECT_EQ(texts("NENREI1"), "1/-1 年　　齢|1/0 20|1/1 21|1/2 22|1/3 23|1/4 24|1/5 25|1/31 平均");
    EXPECT_EQ(texts("KIN1"), "1/-1 項　目　Ⅱ|1/0 200,000|1/1 202,470|1/2 204,940|1/3 207,410|1/4 209,880|1/5 212,345"
                             "|1/31 206,174");
    EXPECT_EQ(texts("KAKU1"), "1/-1 格差|1/0 100|1/1 101|1/2 102|1/3 103|1/4 104|1/5 106|1/31 2,469");
    // Designs without rows get their headings and nothing else.
    EXPECT_EQ(texts("KIN5"), "1/-1 項　目　Ⅱ");
    // The x headings are centred, everything else right-aligned.
    for (const ReportOp& op : ops) {
        if (op.kind != ReportOp::Kind::Text)
            continue;
        const bool xHeading = op.text == page.xCaption;
        EXPECT_EQ(op.align, xHeading ? reports::Align::Center : reports::Align::Right) << s(op.text);
    }
}

TEST_F(WageTableOutputTest, PageBreaksOfLongTables)
{
    struct Case {
        const char* name;
        qint64 lastAge;
        int pages;              // pages printed
        int rowsOnLastPage;     // data lines of the last page
    };
    const Case cases[] = {
        {"20 to 60: 41 lines", 60, 2, 9},
        {"31 lines leave room for the averages", 50, 1, 31},
        {"32 lines: the averages on a page of their own", 51, 2, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DesignGrid grid;
        setDesign(grid, 2, {{20, 200000}, {c.lastAge, 200000 + (c.lastAge - 20) * 3000}});
        ASSERT_TRUE(print(grid));
        EXPECT_EQ(pageBreaks(), c.pages);
        const std::vector<Cell> ages = column("NENREI2");
        int lastPageRows = 0;
        int firstPageRows = 0;
        for (const Cell& cell : ages) {
            if (cell.line < 0 || cell.text == QStringLiteral("平均"))
                continue;
            firstPageRows += cell.page == 1;
            lastPageRows += cell.page == c.pages;
        }
        EXPECT_EQ(firstPageRows, c.pages == 1 ? c.lastAge - 19 : 32);
        if (c.pages > 1) {
            EXPECT_EQ(lastPageRows, c.rowsOnLastPage);
        }
        // The last age printed is the design's end, the averages close the last page on line 31.
        const Cell& averages = ages.back();
        EXPECT_EQ(s(averages.text), "平均");
        EXPECT_EQ(averages.page, c.pages);
        EXPECT_EQ(averages.line, 31);
        QString lastAge;
        for (const Cell& cell : ages)
            if (cell.line >= 0 && cell.text != QStringLiteral("平均"))
                lastAge = cell.text;
        EXPECT_EQ(s(lastAge), std::to_string(c.lastAge));
        // Every page has its header with its number.
        EXPECT_EQ(fieldTexts("YMD").size(), c.pages);
        EXPECT_TRUE(fieldTexts("YMD").back().endsWith(QStringLiteral("P. ") + QString::number(c.pages)));
    }
}

} // namespace
