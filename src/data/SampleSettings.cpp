#include "data/SampleSettings.h"

#include "platform/ColorNames.h"

#include <QColor>
#include <cmath>

namespace data::sample {

namespace {

QString num(qint64 v) { return QString::number(v); }

struct MarkDef {
    const char* symbol;
    const char* legend;
    QColor color;
    int size;
    int lineStyle;
    int lineWidth;
};

// Colours far enough apart to tell the groups of a plot apart on screen and on paper; each curve
// takes the colour of its mark.
const MarkDef kMarks[kDepartmentCount] = {
    {"●", "営業部", QColor(255, 0, 0), 10, 0, 2},
    {"■", "製造部", QColor(0, 0, 255), 10, 0, 2},
    {"▲", "総務部", QColor(0, 128, 0), 10, 1, 1},
    {"◆", "経理部", QColor(128, 0, 128), 10, 2, 1},
    {"★", "技術部", QColor(255, 128, 0), 12, 3, 1},
    {"○", "企画部", QColor(0, 128, 128), 11, 4, 1},
    {"□", "人事部", QColor(128, 0, 0), 11, 1, 1},
    {"△", "物流部", QColor(128, 128, 0), 11, 2, 3},
    {"◇", "品質管理部", QColor(0, 0, 128), 9, 3, 1},
};

// One point of a model wage curve: age, base pay and allowances (thousand yen), bonus in months of
// base pay.
struct ModelPoint {
    int age;
    int basePay;
    int allowances;
    double bonusMonths;
};

// Standard careers (hired straight from school, promoted on the usual schedule) at the size that
// published model-wage surveys of larger employers report. The first point's bonus is the partial
// bonus of the first year.
const ModelPoint kGraduates[] = {
    {22, 210, 8, 2.0},  {25, 236, 10, 4.6}, {27, 256, 14, 4.6}, {30, 292, 24, 4.7}, {35, 348, 32, 4.8},
    {40, 398, 40, 4.9}, {45, 438, 44, 5.0}, {50, 462, 44, 5.0}, {55, 468, 40, 5.0}, {60, 410, 20, 4.5},
};
const ModelPoint kHighSchool[] = {
    {18, 168, 6, 1.5},  {20, 178, 7, 4.0},  {22, 188, 8, 4.0},  {25, 204, 10, 4.1},
    {27, 216, 14, 4.1}, {30, 236, 20, 4.2}, {35, 272, 26, 4.3}, {40, 306, 32, 4.4},
    {45, 334, 34, 4.4}, {50, 352, 34, 4.4}, {55, 358, 30, 4.4}, {60, 320, 16, 4.0},
};

template <size_t N>
std::vector<TMDCHNGIN_> modelPoints(int mdco, int entryAge, const ModelPoint (&points)[N])
{
    std::vector<TMDCHNGIN_> out;
    int no = 0;
    for (const ModelPoint& p : points) {
        TMDCHNGIN_ r;
        const int scheduled = p.basePay + p.allowances;
        const int bonus = int(std::lround(p.basePay * p.bonusMonths));
        r.MDCO = num(mdco);
        r.MCCO = num(++no);
        r.NENREI = num(p.age);
        r.KNENSU = num(p.age - entryAge);
        r.KKIN = num(p.basePay);
        r.SKIN = num(scheduled);
        r.SYOUYO = num(bonus);
        r.NENSYU = num(12 * scheduled + bonus);
        r.SENSYU = QStringLiteral("0");
        r.KKNENSU = num(p.age - entryAge);
        out.push_back(r);
    }
    return out;
}

} // namespace

TSeigyo_ installationSettings()
{
    TSeigyo_ s;
    s.CO = QStringLiteral("0");
    s.NA = QStringLiteral("カルネオ");
    s.FSEIHIN = QStringLiteral("0");
    s.REKI1 = QStringLiteral("昭和");
    s.SNEN1 = QStringLiteral("1926");
    s.STSUKI1 = QStringLiteral("12");
    s.SHI1 = QStringLiteral("25");
    s.REKI2 = QStringLiteral("平成");
    s.SNEN2 = QStringLiteral("1989");
    s.STSUKI2 = QStringLiteral("1");
    s.SHI2 = QStringLiteral("8");
    s.REKI3 = QStringLiteral("令和");
    s.SNEN3 = QStringLiteral("2019");
    s.STSUKI3 = QStringLiteral("5");
    s.SHI3 = QStringLiteral("1");
    s.FREKI = QStringLiteral("2");
    return s;
}

std::vector<TMark_> defaultMarks()
{
    std::vector<TMark_> out;
    for (int i = 0; i < kDepartmentCount; ++i) {
        const MarkDef& d = kMarks[i];
        TMark_ m;
        m.KCO = QStringLiteral("0");
        m.NENDO = QStringLiteral("9999");
        m.MKCO = num(i + 1);
        m.MARK = QString::fromUtf8(d.symbol);
        m.HANREI = QString::fromUtf8(d.legend);
        m.MKCOLOR = platform::colorToText(d.color);
        m.MKSIZE = num(d.size);
        m.KCOLOR = platform::colorToText(d.color);
        m.KSYURUI = num(d.lineStyle);
        m.KHABA = num(d.lineWidth);
        out.push_back(m);
    }
    return out;
}

std::vector<TGraph_> defaultPens()
{
    struct PenDef {
        QColor color;
        int style;
        int width;
    };
    // Axis lines, ticks and numbers, grid, mean lines.
    const PenDef pens[4] = {
        {QColor(0, 0, 0), 0, 2},
        {QColor(0, 0, 0), 0, 1},
        {QColor(192, 192, 192), 2, 1},
        {QColor(128, 128, 128), 1, 1},
    };
    std::vector<TGraph_> out;
    for (int i = 0; i < 4; ++i) {
        TGraph_ g;
        g.KCO = QStringLiteral("0");
        g.NENDO = QStringLiteral("9999");
        g.GSCO = num(i + 1);
        g.CCOLOR = platform::colorToText(pens[i].color);
        g.CSYURUI = num(pens[i].style);
        g.CHABA = num(pens[i].width);
        out.push_back(g);
    }
    return out;
}

std::vector<ModelWageSet> modelWageSets()
{
    std::vector<ModelWageSet> out(2);

    TMODEL_& a = out[0].header;
    a.MDCO = QStringLiteral("1");
    a.MDNA = QStringLiteral("モデル賃金（大卒・総合職）");
    a.DEDOKORO = QStringLiteral("賃金実態調査（サンプル）");
    a.TCHIIKI = QStringLiteral("全国");
    a.JSU = QStringLiteral("312");
    a.CJITEN = QStringLiteral("2019年6月");
    a.GYOUSYU = QStringLiteral("全産業");
    a.KIBO = QStringLiteral("従業員1,000人以上");
    a.BIKOU = QStringLiteral("大学卒業後直ちに入社し、標準的に昇進・昇格した総合職の所定内賃金。"
                             "金額は千円単位、賞与は年間支給額、年収は所定給の12か月分と賞与の合計。");
    out[0].points = modelPoints(1, 22, kGraduates);

    TMODEL_& b = out[1].header;
    b.MDCO = QStringLiteral("2");
    b.MDNA = QStringLiteral("モデル賃金（高卒・一般職）");
    b.DEDOKORO = QStringLiteral("賃金実態調査（サンプル）");
    b.TCHIIKI = QStringLiteral("全国");
    b.JSU = QStringLiteral("486");
    b.CJITEN = QStringLiteral("2019年6月");
    b.GYOUSYU = QStringLiteral("製造業");
    b.KIBO = QStringLiteral("従業員100～999人");
    b.BIKOU = QStringLiteral("高校卒業後直ちに入社し、標準的に昇進・昇格した一般職（事務・技術）の所定内賃金。"
                             "金額は千円単位、賞与は年間支給額、年収は所定給の12か月分と賞与の合計。");
    out[1].points = modelPoints(2, 18, kHighSchool);
    return out;
}

} // namespace data::sample
