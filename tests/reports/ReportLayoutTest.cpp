// Layout files: faults named when reading, the shipped layouts (their fields, their geometry, each
// field printable) and their installation into Report/.

#include "ReportsTestSupport.h"
#include "reports/ReportLayout.h"
#include "reports/ReportWriter.h"
#include "support/TestHome.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

using reports::LayoutRect;
using reports::ReportLayout;

namespace {

QByteArray withFields(const char* fields)
{
    return QByteArray(R"({"format": "karuneo-report-layout", "version": 1, "fields": [)") + fields + "]}";
}

ReportLayout installedLayout(const TestHome& home, const QString& name)
{
    const QString dir = home.path() + QStringLiteral("Report/");
    QDir().mkpath(dir);
    QString error;
    EXPECT_TRUE(reports::installReportLayouts(dir, &error)) << error.toStdString();
    auto l = reports::readReportLayout(reports::layoutPath(dir, name), &error);
    EXPECT_TRUE(l.has_value()) << name.toStdString() << ": " << error.toStdString();
    return l.value_or(ReportLayout{});
}

QStringList names(std::initializer_list<const char*> list)
{
    QStringList out;
    for (const char* n : list)
        out << QString::fromUtf8(n);
    return out;
}

// The label and value fields of the items in slots 1..4, with the photo field when the report has photos.
QStringList slotted(const QStringList& items, bool withPhoto)
{
    QStringList out;
    for (const QString& suffix : {QString(), QStringLiteral("_2"), QStringLiteral("_3"), QStringLiteral("_4")}) {
        for (const QString& item : items)
            out << item + suffix << u'L' + item + suffix;
        if (withPhoto)
            out << QStringLiteral("IMAGE") + suffix;
    }
    return out;
}

QStringList numbered(const QStringList& names, int count)
{
    QStringList out;
    for (const QString& n : names)
        for (int i = 1; i <= count; ++i)
            out << n + QString::number(i);
    return out;
}

// The field names each report writes or reads, per shipped layout.
const std::vector<std::pair<QString, QStringList>>& requiredFields()
{
    static const std::vector<std::pair<QString, QStringList>> r = {
        {QStringLiteral("PrintSyainSalaryList"),
         names({"SYAINCD", "SIMEI", "NENREI", "KINZOKU", "KIHON1", "KIHON2", "KIHON3", "KIHONKEI", "SYOTEATE",
                "SYOTEI", "SYOYO1", "SYOYO2", "NENSYU", "CKIHON1", "CKIHON2", "CKIHON3", "NENDO", "TITLE", "YMD",
                "BUSYO", "KIJUNBI"})},
        {QStringLiteral("PrintSyainUpList"),
         names({"SYAINCD", "SIMEI", "HYOUKA", "TOUKYU", "GOUHOU", "SYOUGOU", "NKIHON", "UKIHON", "NSYOTEATE",
                "USYOTEATE", "NSYOTEI", "SYOTEI", "UPKIN", "UPRITSU", "NENDO", "TITLE", "YMD", "BUSYO"})},
        {QStringLiteral("PrintSekkeiList"),
         numbered(names({"NENREI", "KIN", "KAKU"}), 5) + names({"NENDO", "CORPNAME", "TITLE", "YMD"})},
        {QStringLiteral("Print5000"),
         slotted(names({"氏名", "社員番号", "生年月日", "入社年月日", "学歴", "専攻", "公的資格", "所属バンド", "年齢",
                        "勤続", "等級", "号俸", "就労形態", "役職", "職務配置", "ゾーン番号", "本年評価", "１年前評価",
                        "２年前評価", "３年前評価", "役割評価"}),
                 true)
             + names({"年度", "企業名", "プロットマーク", "グループ名称", "YMD"})},
        {QStringLiteral("Print5010"),
         slotted(names({"氏名", "社員番号", "生年月日", "年齢", "勤続", "等級", "号俸", "昇号数", "滞留年数", "基本給",
                        "諸手当", "所定給", "夏賞与", "冬賞与", "年収", "昇給本年", "昇給１年前", "昇給２年前",
                        "昇給３年前", "本年評価", "役割評価", "達成率", "所属バンド", "ゾーン番号"}),
                 false)
             + names({"年度", "企業名", "プロットマーク", "グループ名称", "YMD"})},
    };
    return r;
}

bool onPage(const LayoutRect& r)
{
    return r.left >= 0 && r.top >= 0 && r.right <= reports::kPageWidth && r.bottom <= reports::kPageHeight;
}

} // namespace

TEST(ReportLayout, FaultsAreNamedWithTheirPlace)
{
    struct Case {
        const char* name;
        QByteArray json;
        const char* mention;
    };
    const Case cases[] = {
        {"not JSON", "{\"format\": ", "JSON"},
        {"another format", R"({"format": "other", "version": 1})", "format"},
        {"a later version", R"({"format": "karuneo-report-layout", "version": 2})", "version"},
        {"letter paper", R"({"format": "karuneo-report-layout", "version": 1, "page": {"size": "Letter"}})", "A4"},
        {"another unit", R"({"format": "karuneo-report-layout", "version": 1, "unit": "0.1mm"})", "unit"},
        {"misspelt key", withFields(R"({"name": "A", "rect": [0, 0, 10, 10], "algin": "left"})"), "algin"},
        {"three edges", withFields(R"({"name": "A", "rect": [0, 0, 10]})"), "fields[0]"},
        {"right before left", withFields(R"({"name": "A", "rect": [100, 0, 10, 10]})"), "fields[0] (A)"},
        {"fractional edge", withFields(R"({"name": "A", "rect": [0.5, 0, 10, 10]})"), "rect"},
        {"no name", withFields(R"({"rect": [0, 0, 10, 10]})"), "name"},
        {"twice the same name", withFields(R"({"name": "A", "rect": [0, 0, 10, 10]}, {"name": "A", "rect": [0, 20, 10, 30]})"),
         "fields[1] (A)"},
        {"unknown colour", withFields(R"({"name": "A", "rect": [0, 0, 10, 10], "color": "purplish"})"), "color"},
        {"unknown alignment", withFields(R"({"name": "A", "rect": [0, 0, 10, 10], "valign": "middle"})"), "valign"},
        {"font size zero", withFields(R"({"name": "A", "rect": [0, 0, 10, 10], "size": 0})"), "size"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QString error;
        EXPECT_FALSE(reports::parseReportLayout(c.json, &error).has_value());
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.mention))) << error.toStdString();
    }
}

TEST(ReportLayout, ShippedLayoutsOfferEveryFieldTheirReportUses)
{
    TestHome home(false);
    for (const auto& [name, fields] : requiredFields()) {
        SCOPED_TRACE(name.toStdString());
        const ReportLayout l = installedLayout(home, name);
        for (const QString& f : fields)
            EXPECT_TRUE(l.field(f) || l.image(f)) << f.toStdString();
    }
}

// The reports place detail line k at k x 508 below the first line's fields, rule 150 units beside
// the columns, and print at most 32 lines; all of it must stay on the sheet and above the footer.
TEST(ReportLayout, ShippedLayoutsKeepEveryLineOnThePage)
{
    TestHome home(false);
    for (const QString& name : reports::shippedLayoutNames()) {
        SCOPED_TRACE(name.toStdString());
        const ReportLayout l = installedLayout(home, name);
        for (const auto& f : l.fields)
            EXPECT_TRUE(onPage(f.rect)) << f.name.toStdString();
        for (const auto& i : l.images)
            EXPECT_TRUE(onPage(i.rect)) << i.name.toStdString();
        for (const auto& t : l.texts)
            EXPECT_TRUE(onPage(t.rect)) << t.text.toStdString();
    }
    const int footer = 28450;
    struct Table {
        const char* layout;
        QStringList columns;
        int lastTextTop;   // offset of the last line's text below the fields
        bool ruled;        // the report draws rules 150 units beside each column
    };
    const Table tables[] = {
        {"PrintSyainSalaryList",
         names({"SYAINCD", "SIMEI", "NENREI", "KINZOKU", "KIHON1", "KIHON2", "KIHON3", "KIHONKEI", "SYOTEATE",
                "SYOTEI", "SYOYO1", "SYOYO2", "NENSYU"}),
         31 * 508 + 150, true},
        {"PrintSyainUpList",
         names({"SYAINCD", "SIMEI", "HYOUKA", "TOUKYU", "GOUHOU", "SYOUGOU", "NKIHON", "UKIHON", "NSYOTEATE",
                "USYOTEATE", "NSYOTEI", "SYOTEI", "UPKIN", "UPRITSU"}),
         31 * 508 + 150, true},
        {"PrintSekkeiList", numbered(names({"NENREI", "KIN", "KAKU"}), 5), 31 * 508 + 200, false},
    };
    for (const Table& t : tables) {
        SCOPED_TRACE(t.layout);
        const ReportLayout l = installedLayout(home, QString::fromUtf8(t.layout));
        const auto* first = l.field(t.columns.front());
        ASSERT_TRUE(first);
        EXPECT_GE(first->rect.left - 150, 0);
        EXPECT_GE(first->rect.top - 508, 0);   // the heading line
        int previousRight = -1;
        for (const QString& c : t.columns) {
            const auto* f = l.field(c);
            ASSERT_TRUE(f) << c.toStdString();
            EXPECT_EQ(f->rect.top, first->rect.top) << c.toStdString();
            // Ruled columns run left to right in the report's order (its last column gets the right
            // rule), and a rule 150 left of a column stays clear of the column before.
            if (t.ruled && previousRight >= 0) {
                EXPECT_GE(f->rect.left - 150, previousRight + 150) << c.toStdString();
            }
            previousRight = f->rect.right;
            EXPECT_LE(f->rect.right + 150, reports::kPageWidth) << c.toStdString();
            EXPECT_LT(f->rect.top + t.lastTextTop + 508, footer) << c.toStdString();
        }
    }
}

// Every field of every shipped layout prints: its name written into it comes back out of the PDF.
TEST(ReportLayout, EveryFieldOfTheShippedLayoutsPrints)
{
    ensureApplication();
    TestHome home(false);
    const QString dir = home.path() + QStringLiteral("Report/");
    for (const QString& name : reports::shippedLayoutNames()) {
        SCOPED_TRACE(name.toStdString());
        const ReportLayout l = installedLayout(home, name);
        reports::ReportWriter w;
        w.setFormName(reports::layoutPath(dir, name));
        w.setImageFileName(dir + QStringLiteral("wk") + name + QStringLiteral(".rdf"));
        ASSERT_TRUE(w.startJob());
        for (const auto& f : l.fields)
            w.setFieldText(f.name, f.name);
        w.printPage();
        ASSERT_TRUE(w.endJob());
        const auto doc = openPdf(w.imageFileName());
        ASSERT_TRUE(doc);
        // Narrowed text may be cut into pieces; compare without spaces and line breaks.
        const QString text = pageText(*doc, 0).remove(QRegularExpression(QStringLiteral("\\s")));
        for (const auto& f : l.fields)
            EXPECT_TRUE(text.contains(f.name)) << f.name.toStdString();
        EXPECT_TRUE(home.dialogs.log.empty());
    }
}

TEST(ReportLayout, InstallCopiesMissingLayoutsAndKeepsExistingOnes)
{
    TestHome home(false);
    const QString dir = home.path() + QStringLiteral("Report/");
    ASSERT_TRUE(QDir().mkpath(dir));
    const QString own = reports::layoutPath(dir, QStringLiteral("Print5000"));
    ASSERT_TRUE(writeText(own, "my own layout"));

    QString error;
    ASSERT_TRUE(reports::installReportLayouts(dir, &error)) << error.toStdString();
    for (const QString& name : reports::shippedLayoutNames()) {
        const QString path = reports::layoutPath(dir, name);
        ASSERT_TRUE(QFileInfo::exists(path)) << name.toStdString();
        EXPECT_TRUE(QFileInfo(path).isWritable()) << name.toStdString();
    }
    QFile f(own);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("my own layout"));

    const QString nowhere = home.path() + QStringLiteral("NoSuchFolder/");
    EXPECT_FALSE(reports::installReportLayouts(nowhere, &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("帳票レイアウトファイルを作成できません。") + nowhere)) << error.toStdString();
}
