// The report runs over a small company: the group report and its CSV file from the database, the
// personal and wage information reports (four blocks a page, photos from Picture/ only), and the
// selection screens with their range checks.

#include "ReportsTestSupport.h"
#include "app/ComboHelpers.h"
#include "app/CompanyStore.h"
#include "app/SharedRoutines.h"
#include "data/DbAccess.h"
#include "platform/Cp932.h"
#include "reports/PersonalReport.h"
#include "reports/ReportJobs.h"
#include "reports/TQK0090.h"
#include "reports/TQK5000.h"
#include "reports/TQK5010.h"
#include "support/TestHome.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace reports;

namespace {

QString num(qint64 v) { return QString::number(v); }

// Company 1 of 2020 with two marks, one work form and these employees (ages count to 2020-06-15):
//   SCO  mark  grade  photo                 MLINK
//   101..105  1   2   101: ok.png, 102: ..\secret.png, 103: missing.png, 104: broken.png
//   201..202  2   3   -
struct SmallCompany {
    explicit SmallCompany(TestHome& home) : home(home) {}

    void make()
    {
        data::TFDM& dm = home.dm();
        ASSERT_TRUE(home.openYear(2020));
        app::CompanyInput in;
        in.name = QStringLiteral("テスト工業");
        in.gradeNames = app::defaultGradeNames();
        ASSERT_TRUE(app::registerCompany(dm, 2020, 1, in));
        const char* symbols[2] = {"■", "●"};
        const char* legends[2] = {"営業", "技術"};
        for (int i = 0; i < 2; ++i) {
            data::TMark_ m;
            m.KCO = num(1);
            m.NENDO = num(2020);
            m.MKCO = num(i + 1);
            m.MARK = QString::fromUtf8(symbols[i]);
            m.HANREI = QString::fromUtf8(legends[i]);
            m.MKCOLOR = i == 0 ? QStringLiteral("$000000FF") : QStringLiteral("$00FF0000");   // red, blue
            m.MKSIZE = num(9);
            m.KCOLOR = m.MKCOLOR;
            m.KSYURUI = num(0);
            m.KHABA = num(1);
            ASSERT_TRUE(data::Insert(dm.ACN2, dm.Query21, true, m));
        }
        data::TSALARY_ form;
        form.KCO = num(1);
        form.NENDO = num(2020);
        form.SALARYID = num(1);
        form.SALARYNAME = QStringLiteral("正社員");
        ASSERT_TRUE(data::Insert(dm.ACN2, dm.Query21, true, form));

        const QString pictures = home.path() + QStringLiteral("Picture/");
        ASSERT_TRUE(QDir().mkpath(pictures + QStringLiteral("sub")));
        QImage photo(30, 40, QImage::Format_RGB32);
        photo.fill(Qt::darkCyan);
        ASSERT_TRUE(photo.save(pictures + QStringLiteral("sub/ok.png")));
        ASSERT_TRUE(photo.save(home.path() + QStringLiteral("secret.png")));
        ASSERT_TRUE(writeText(pictures + QStringLiteral("broken.png"), "not a picture"));

        const char* photos[] = {"sub\\ok.png", "..\\secret.png", "missing.png", "broken.png", ""};
        for (int i = 0; i < 5; ++i)
            addEmployee(101 + i, 1, 2, QString::fromUtf8(photos[i]));
        addEmployee(201, 2, 3, QString());
        addEmployee(202, 2, 3, QString());

        data::AppState& st = dm.state;
        st.CompanyOpen = 1;
        st.CurrentKco = 1;
        st.CurrentNendo = 2020;
        st.CurrentCompanyName = in.name;
        st.AgeByToday = 1;
        st.CurrentCompany.KCO = num(1);
        st.CurrentCompany.NENDO = num(2020);
        ASSERT_TRUE(app::LoadCurrentCompany(st.CurrentCompany));
        ASSERT_TRUE(app::LoadCompanyMarks(st.CompanyMarks, 8));
        ASSERT_TRUE(app::LoadWageForms());
        ASSERT_TRUE(QDir().mkpath(reportFolder(st)));
        ASSERT_TRUE(QDir().mkpath(csvFolder(st)));
        ASSERT_TRUE(installReportLayouts(reportFolder(st)));
    }

    void addEmployee(int sco, int mark, int grade, const QString& photo)
    {
        data::TSyain_ s;
        s.KCO = num(1);
        s.NENDO = num(2020);
        s.SCO = num(sco);
        s.SCOT = num(sco);
        s.SNA = QStringLiteral("社員") + num(sco);
        s.SEIHI = 19900101;
        s.NYUHI = 20150401;
        s.TCO = grade;
        s.TOUKYU = grade;
        s.MCO = mark;
        s.SM1 = 1;
        s.KKYU1 = 200000 + sco;
        s.NKKYU1 = 205000 + sco;
        s.TEATE1 = 10000;
        s.NTEATE1 = 10000;
        s.SYOUYO = 500000;
        s.SYOUYO2 = 600000;
        s.SPATH = photo;
        ASSERT_TRUE(data::InsertSyain(home.dm().ACN2, home.dm().Query21, s));
    }

    TestHome& home;
};

class ReportRuns : public testing::Test {
protected:
    void SetUp() override
    {
        ensureApplication();
        company.make();
    }

    void TearDown() override
    {
        if (!dm().state.PreviewFile.isEmpty())
            QFile::remove(dm().state.PreviewFile);
        home.expectNoUnexpected();
    }

    data::TFDM& dm() { return home.dm(); }

    std::vector<const ReportOp*> ops(const ReportWriter& w, ReportOp::Kind kind, const QString& field) const
    {
        std::vector<const ReportOp*> out;
        for (const ReportOp& op : w.operations())
            if (op.kind == kind && op.field == field)
                out.push_back(&op);
        return out;
    }

    TestHome home;
    SmallCompany company{home};
};

TEST_F(ReportRuns, PersonalReportPutsFiveEmployeesOfAGroupOnTwoPages)
{
    ReportWriter w;
    ASSERT_TRUE(printPersonalReport(dm(), w, PersonalReportKind::Personal, SelectionRange{}));
    ASSERT_TRUE(QFile::exists(dm().state.PreviewFile));
    EXPECT_EQ(w.imageFileName(), dm().state.PreviewFile);
    EXPECT_TRUE(w.unknownFields().isEmpty()) << w.unknownFields().join(u',').toStdString();
    // Group 1: slots 1..4 on page 1, the fifth alone on page 2; group 2 starts page 3.
    EXPECT_EQ(w.pageCount(), 3);
    const auto names = [&](const QString& field) {
        QStringList out;
        for (const ReportOp* op : ops(w, ReportOp::Kind::FieldText, field))
            out << QString::number(op->page) + u':' + op->text;
        return out;
    };
    EXPECT_EQ(names(QStringLiteral("氏名")), QStringList({QStringLiteral("1:社員101"), QStringLiteral("2:社員105"),
                                                         QStringLiteral("3:社員201")}));
    EXPECT_EQ(names(QStringLiteral("氏名_4")), QStringList({QStringLiteral("1:社員104")}));
    EXPECT_EQ(names(QStringLiteral("氏名_2")), QStringList({QStringLiteral("1:社員102"), QStringLiteral("3:社員202")}));
    EXPECT_EQ(names(QStringLiteral("L氏名_3")), QStringList({QStringLiteral("1:氏名")}));
    EXPECT_EQ(names(QStringLiteral("就労形態")).first(), QStringLiteral("1:正社員"));
    EXPECT_EQ(names(QStringLiteral("年齢")).first(), QStringLiteral("1:30"));
    // Empty values go as one blank; no zone without a matrix link.
    EXPECT_EQ(names(QStringLiteral("学歴")).first(), QStringLiteral("1: "));
    EXPECT_TRUE(names(QStringLiteral("ゾーン番号")).isEmpty());

    // The page header names the group in its mark's colour.
    EXPECT_EQ(names(QStringLiteral("グループ名称")),
              QStringList({QStringLiteral("1:営業"), QStringLiteral("2:営業"), QStringLiteral("3:技術")}));
    const auto colours = ops(w, ReportOp::Kind::FieldColor, QStringLiteral("プロットマーク"));
    ASSERT_EQ(colours.size(), 3u);
    EXPECT_EQ(colours[0]->color, QColor(255, 0, 0));
    EXPECT_EQ(colours[2]->color, QColor(0, 0, 255));
    EXPECT_EQ(names(QStringLiteral("YMD")).last(), QStringLiteral("3:2020年06月15日　　P. 3"));
    EXPECT_EQ(names(QStringLiteral("年度")).first(), QStringLiteral("1:2020 年度"));

    // Photos: a stored backslash is a separator; a name leading out of Picture/, a missing file and
    // an empty name give no picture; an unreadable file is passed on but draws nothing.
    QStringList photos;
    for (const ReportOp& op : w.operations())
        if (op.kind == ReportOp::Kind::FieldImage)
            photos << op.field + u'=' + QFileInfo(op.file).fileName();
    EXPECT_EQ(photos, QStringList({QStringLiteral("IMAGE=ok.png"), QStringLiteral("IMAGE_2="),
                                   QStringLiteral("IMAGE_3="), QStringLiteral("IMAGE_4=broken.png")}));
    const auto doc = openPdf(dm().state.PreviewFile);
    ASSERT_TRUE(doc);
    EXPECT_EQ(doc->numPages(), 3);
    EXPECT_TRUE(pageText(*doc, 1).contains(QStringLiteral("社員105")));
}

TEST_F(ReportRuns, WageReportItemsAndZones)
{
    PersonalEmployee p;
    p.row.SNA = QStringLiteral("山田");
    p.row.KKYU1 = 200000;
    p.row.KKYU2 = 30000;
    p.row.TEATE2 = 15000;
    p.row.NKKYU1 = 206000;
    p.row.NKKYU2 = 30000;
    p.row.NTEATE2 = 15500;
    p.row.NENSYU = 4012345;
    p.row.TRITSU = 97.25;
    p.row.UPKIN1 = -1200;
    p.zone = 0;
    std::map<QString, QString> items;
    for (const auto& [name, value] : personalItems(PersonalReportKind::Wage, p))
        items[name] = value;
    EXPECT_EQ(items.size(), 24u);
    EXPECT_EQ(items[QStringLiteral("基本給")], QStringLiteral("230,000"));
    EXPECT_EQ(items[QStringLiteral("諸手当")], QStringLiteral("15,000"));
    EXPECT_EQ(items[QStringLiteral("所定給")], QStringLiteral("245,000"));
    EXPECT_EQ(items[QStringLiteral("年収")], QStringLiteral("4,012,345"));
    EXPECT_EQ(items[QStringLiteral("昇給本年")], QStringLiteral("6,500"));
    EXPECT_EQ(items[QStringLiteral("昇給１年前")], QStringLiteral("-1,200"));
    EXPECT_EQ(items[QStringLiteral("達成率")], QStringLiteral("97.25"));
    EXPECT_EQ(items[QStringLiteral("ゾーン番号")], QStringLiteral("0"));   // linked, but in no zone

    // The wage report prints every item of its layout and no photo.
    ReportWriter w;
    ASSERT_TRUE(printPersonalReport(dm(), w, PersonalReportKind::Wage, SelectionRange{}));
    EXPECT_TRUE(w.unknownFields().isEmpty()) << w.unknownFields().join(u',').toStdString();
    EXPECT_EQ(w.pageCount(), 3);
    for (const ReportOp& op : w.operations())
        EXPECT_NE(op.kind, ReportOp::Kind::FieldImage);
    EXPECT_EQ(ops(w, ReportOp::Kind::FieldText, QStringLiteral("基本給_2")).front()->text, QStringLiteral("200,102"));
}

TEST_F(ReportRuns, GroupReportFromTheDatabaseAndItsMessages)
{
    SelectionRange r;
    r.markStart = 2;
    r.markEnd = 2;
    ReportWriter w;
    ASSERT_TRUE(printGroupReport(dm(), w, GroupReportKind::Wage, r));
    EXPECT_TRUE(QFile::exists(dm().state.PreviewFile));
    EXPECT_EQ(w.pageCount(), 1);
    QStringList codes;
    const LayoutRect code = w.fieldRect(QStringLiteral("SYAINCD"));
    for (const ReportOp& op : w.operations())
        if (op.kind == ReportOp::Kind::Text && op.rect.left == code.left && !op.text.isEmpty())
            codes << op.text;
    EXPECT_EQ(codes, QStringList({QStringLiteral("201"), QStringLiteral("202")}));
    EXPECT_EQ(ops(w, ReportOp::Kind::FieldText, QStringLiteral("NENDO")).front()->text,
              QStringLiteral("2020 年度　：　テスト工業"));
    ASSERT_TRUE(QFile::remove(dm().state.PreviewFile));   // as the preview does

    // Nobody selected: the message, no document, no preview file.
    r.markStart = r.markEnd = 7;
    ReportWriter none;
    home.dialogs.clear();
    EXPECT_FALSE(printGroupReport(dm(), none, GroupReportKind::Raise, r));
    EXPECT_TRUE(dm().state.PreviewFile.isEmpty());
    EXPECT_EQ(home.dialogs.texts(), QStringList({QStringLiteral("印刷対象データは有りません。")}));

    // A missing layout is reported and leaves no document behind.
    ASSERT_TRUE(QFile::remove(layoutPath(reportFolder(dm().state), QStringLiteral("PrintSyainUpList"))));
    home.dialogs.clear();
    {
        ReportWriter noLayout;
        EXPECT_FALSE(printGroupReport(dm(), noLayout, GroupReportKind::Raise, SelectionRange{}));
    }
    ASSERT_EQ(home.dialogs.texts().size(), 1);
    EXPECT_TRUE(home.dialogs.texts().first().startsWith(QStringLiteral("帳票レイアウトファイルが見つかりません。")));
    EXPECT_TRUE(dm().state.PreviewFile.isEmpty());
    const QStringList left = QDir(reportFolder(dm().state)).entryList({QStringLiteral("wk*")}, QDir::Files);
    EXPECT_TRUE(left.isEmpty()) << left.join(u',').toStdString();
}

TEST_F(ReportRuns, CsvExportWritesTheWholeFileOrNothing)
{
    const QString path = groupReportCsvPath(dm().state, GroupReportKind::Raise);
    EXPECT_TRUE(path.endsWith(QStringLiteral("/CSV/グループ別社員昇給レポート.CSV")));

    // Declined: nothing happens.
    home.dialogs.answer(false);
    EXPECT_EQ(exportGroupReportCsv(dm(), GroupReportKind::Raise, SelectionRange{}), CsvOutcome::Declined);
    EXPECT_FALSE(QFile::exists(path));

    home.dialogs.clear();
    home.dialogs.answer(true);
    ASSERT_EQ(exportGroupReportCsv(dm(), GroupReportKind::Raise, SelectionRange{}), CsvOutcome::Written);
    ASSERT_GE(home.dialogs.texts().size(), 2);
    EXPECT_TRUE(home.dialogs.texts()[0].startsWith(QStringLiteral("グループ別社員昇給レポートを")));
    EXPECT_TRUE(home.dialogs.texts()[0].endsWith(QStringLiteral("CSVへ出力します。\r\nよろしいですか？")));
    EXPECT_EQ(home.dialogs.texts()[1], QStringLiteral("CSVデレクトリにグループ別社員昇給レポートが出力されました。"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QStringList lines = platform::decodeCp932(f.readAll()).split(QStringLiteral("\r\n"));
    f.close();
    ASSERT_EQ(lines.size(), 9);   // heading, seven employees, the empty rest after the last CR LF
    EXPECT_EQ(lines[1], QStringLiteral("101,社員101,,2,0,0,205101,5000,10000,0,215101,210101,5000"));

    // Nobody selected: its own message, the old file stays as it was.
    SelectionRange none;
    none.gradeStart = none.gradeEnd = 9;
    home.dialogs.clear();
    home.dialogs.answer(true);
    EXPECT_EQ(exportGroupReportCsv(dm(), GroupReportKind::Raise, none), CsvOutcome::NoData);
    EXPECT_EQ(home.dialogs.texts().last(), QStringLiteral("対象データは有りません。"));

    // A name CP932 cannot hold is reported, never written as "?"; the old file stays whole.
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray before = f.readAll();
    f.close();
    ASSERT_TRUE(dm().ACN2.executeRaw(QStringLiteral("UPDATE MSYAIN1 SET SNA = '𠮷田' WHERE SCO = 101")));
    home.dialogs.clear();
    home.dialogs.answer(true);
    EXPECT_EQ(exportGroupReportCsv(dm(), GroupReportKind::Raise, SelectionRange{}), CsvOutcome::Failed);
    EXPECT_TRUE(home.dialogs.texts().last().contains(QStringLiteral("𠮷")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
    f.close();

    // A missing CSV folder is reported; nothing is written anywhere.
    ASSERT_TRUE(QDir(csvFolder(dm().state)).removeRecursively());
    home.dialogs.clear();
    home.dialogs.answer(true);
    EXPECT_EQ(exportGroupReportCsv(dm(), GroupReportKind::Wage, SelectionRange{}), CsvOutcome::Failed);
    EXPECT_TRUE(home.dialogs.texts().last().startsWith(QStringLiteral("CSVファイルの出力でエラーが発生しました。")));
    EXPECT_FALSE(QFile::exists(groupReportCsvPath(dm().state, GroupReportKind::Wage)));
}

TEST_F(ReportRuns, ScreensFillTheirListsAndCheckTheRanges)
{
    dm().state.GroupReportKind = 1;
    TQK0090 raise(dm(), nullptr);
    EXPECT_EQ(raise.windowTitle(), QStringLiteral("グループ別社員昇給レポート"));
    EXPECT_EQ(raise.size(), QSize(443, 235));
    EXPECT_EQ(raise.cmbMarkSTart->count(), 3);
    EXPECT_EQ(raise.cmbMarkSTart->itemText(0), QStringLiteral("1 : ■  営業"));
    EXPECT_EQ(raise.cmbMarkEnd->itemText(2), QStringLiteral("0 : 指定なし"));
    EXPECT_EQ(raise.cmbTokyuEnd->count(), 10);
    EXPECT_EQ(raise.cmbSalaryStart->itemText(0), QStringLiteral("1 : 正社員"));
    EXPECT_EQ(raise.cmbSalaryStart->count(), 2);
    EXPECT_EQ(raise.cmbSalaryEnd->currentIndex(), -1);
    EXPECT_EQ(raise.cdCsv->text(), QStringLiteral("CSV出力"));

    dm().state.GroupReportKind = 2;
    TQK0090 wage(dm(), nullptr);
    EXPECT_EQ(wage.windowTitle(), QStringLiteral("グループ別社員賃金レポート"));
    TQK5000 personal(dm(), nullptr);
    EXPECT_EQ(personal.windowTitle(), QStringLiteral("社員個人情報レポート"));
    TQK5010 pay(dm(), nullptr);
    EXPECT_EQ(pay.windowTitle(), QStringLiteral("社員賃金情報レポート"));

    // Each range end before its start stops with its message, checked in order; nothing printed.
    const struct {
        int markStart, markEnd, gradeStart, gradeEnd;
        const char* message;
    } cases[] = {
        {2, 1, 5, 4, "マーク範囲の指定に誤りがあります。"},
        {1, 2, 5, 4, "等級範囲の指定に誤りがあります。"},
    };
    for (RangeDialog* screen : std::initializer_list<RangeDialog*>{&wage, &personal, &pay}) {
        for (const auto& c : cases) {
            app::SelectComboCode(screen->cmbMarkSTart, c.markStart);
            app::SelectComboCode(screen->cmbMarkEnd, c.markEnd);
            app::SelectComboCode(screen->cmbTokyuSTart, c.gradeStart);
            app::SelectComboCode(screen->cmbTokyuEnd, c.gradeEnd);
            home.dialogs.clear();
            screen->btnPrint->click();
            EXPECT_EQ(home.dialogs.texts(), QStringList({QString::fromUtf8(c.message)})) << screen->objectName().toStdString();
            EXPECT_TRUE(dm().state.PreviewFile.isEmpty());
        }
    }

    // "0 : 指定なし" as an end means "to the last"; the chosen texts describe the range.
    app::SelectComboCode(wage.cmbMarkSTart, 2);
    wage.cmbMarkEnd->setCurrentIndex(wage.cmbMarkEnd->count() - 1);
    wage.cmbTokyuSTart->setCurrentIndex(-1);
    wage.cmbTokyuEnd->setCurrentIndex(-1);
    const SelectionRange r = wage.selection();
    EXPECT_EQ(r.markStart, 2);
    EXPECT_EQ(r.markEnd, 999);
    EXPECT_EQ(rangeDescription(r), QStringLiteral("●  技術～"));
    home.dialogs.clear();
    wage.btnPrint->click();
    EXPECT_TRUE(home.dialogs.texts().isEmpty()) << home.dialogs.texts().join(u'|').toStdString();
    EXPECT_TRUE(QFile::exists(dm().state.PreviewFile));
}

} // namespace
