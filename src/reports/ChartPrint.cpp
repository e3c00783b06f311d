#include "reports/ChartPrint.h"

#include "app/SharedRoutines.h"
#include "data/DataModule.h"
#include "data/DbAccess.h"
#include "reports/BigBitmap.h"

#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPagedPaintDevice>

namespace reports {

namespace {

constexpr int kPageUnitsPerInch = 600;
constexpr int kExplanationLine = 40;
constexpr int kRightEdge = 4500;   // right edge of the chart and explanation boxes

QString u(const char* s) { return QString::fromUtf8(s); }

// Results i, j, ... joined without separator.
QString joined(const analysis::TAnalize1& r, std::initializer_list<int> indexes)
{
    QString s;
    for (int i : indexes)
        s += r[size_t(i)];
    return s;
}

QFont pageFont(int points, int dpi)
{
    QFont f(QStringLiteral("IPAPGothic"));
    f.setPixelSize(qMax(1, qRound(points * dpi / 72.0)));
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

} // namespace

QStringList explanationLines(const QString& text)
{
    QString upper = text;
    for (QChar& c : upper)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 'a' + 'A');
    QStringList lines;
    for (qsizetype i = 0; i < upper.size(); i += kExplanationLine)
        lines << upper.mid(i, kExplanationLine);
    return lines;
}

std::vector<ChartPrintText> chartPrintTexts(const ChartPrintData& d)
{
    std::vector<ChartPrintText> t;
    const auto add = [&t](int x, int y, int size, const QString& text) { t.push_back({x, y, size, text}); };
    add(3550, 280, 12,
        QString::number(d.today.year()) + u(" 年  ") + QString::number(d.today.month()) + u(" 月  ")
            + QString::number(d.today.day()) + u(" 日"));
    add(550, 400, 16, d.yearLabel + u(" 年度  :  ") + d.companyName + u("　　様"));

    const analysis::TAnalize1& r = d.results;
    const auto item = [&](const char* caption, int y, std::initializer_list<int> results) {
        add(450, y, 10, u(caption));
        add(850, y, 10, joined(r, results));
    };
    // The first four lines that the charts with a point count share.
    const auto counted = [&] {
        item("年齢勤続", 1000, {0});
        item("ＸＹ座標", 1100, {1});
        item("データ数", 1200, {2, 3});
        item("等級選択", 1300, {5});
    };
    switch (d.chartNo) {
    case 1010:
        item("年齢勤続", 1000, {0});
        item("ＸＹ座標", 1100, {1});
        item("Ｘ平均値", 1200, {11, 12, 13});
        item("Ｙ平均値", 1300, {14, 15, 16});
        item("等級選択", 1500, {5});
        break;
    case 1020:
        counted();
        if (d.xItem == 5) {
            item("残差平均", 1400, {23, 24});
            item("賃金平均", 1500, {21, 22});
        } else {
            item("平均賃金", 1400, {17, 18});
            item("平均昇給", 1500, {19, 20});
        }
        break;
    case 1030:
        counted();
        add(450, 1400, 10, u("比較資料"));
        add(850, 1400, 10, u("出　　　所："));
        add(850, 1500, 10, u("対象地域："));
        add(850, 1600, 10, u("調査時点："));
        if (d.costOfLiving) {
            add(1300, 1400, 10, d.costOfLiving->DEDOKORO);
            add(1300, 1500, 10, d.costOfLiving->TCHIIKI);
            add(1300, 1600, 10, d.costOfLiving->CJITEN);
        }
        break;
    case 1040:
        counted();
        add(450, 1400, 10, u("比較資料"));
        add(850, 1400, 10, u("出　　　所："));
        add(2700, 1400, 10, u("対象地域："));
        add(850, 1500, 10, u("事業所数："));
        add(2700, 1500, 10, u("調査時点："));
        add(850, 1600, 10, u("業　　　種："));
        add(2700, 1600, 10, u("規　　　模："));
        if (d.model) {
            add(1300, 1400, 10, d.model->DEDOKORO);
            add(3150, 1400, 10, d.model->TCHIIKI);
            add(1300, 1500, 10, u("回答あった ") + d.model->JSU + u(" 社"));
            add(3150, 1500, 10, d.model->CJITEN);
            add(1300, 1600, 10, d.model->GYOUSYU);
            add(3150, 1600, 10, d.model->KIBO);
        }
        break;
    case 1050: {
        item("年齢勤続", 1000, {0});
        item("ＸＹ座標", 1100, {1});
        item("等級選択", 1200, {5});
        add(450, 1300, 10, u("曲線番号"));
        const int labelX[5] = {850, 850, 850, 2700, 2700};
        const int legendX[5] = {1000, 1000, 1000, 2850, 2850};
        const int rowY[5] = {1300, 1400, 1500, 1300, 1400};
        for (int n = 0; n < 5; ++n)
            add(labelX[n], rowY[n], 10, u("(") + QString::number(n + 1) + u(")"));
        for (int n = 0; n < 5; ++n) {
            if (!d.drawings[size_t(n)])
                continue;
            add(legendX[n], rowY[n], 10, d.drawings[size_t(n)]->legend);
            add(650, 4850 + 150 * n, 10, d.drawings[size_t(n)]->explanation);
        }
        for (int n = 0; n < 5; ++n)
            add(450, 4850 + 150 * n, 10, u("(") + QString::number(n + 1) + u(")"));
        break;
    }
    case 1070:
        counted();
        item("残差平均", 1400, {23, 24});
        item("賃金平均", 1500, {21, 22});
        break;
    default:
        break;
    }

    const bool design = d.chartNo == 1050;
    add(450, design ? 5600 : 4850, 14, u("【解説】"));
    const int first = design ? 5850 : 5100;
    const QStringList lines = explanationLines(d.explanation);
    for (int i = 0; i < lines.size(); ++i)
        add(600, first + 140 * i, 12, lines[i]);
    return t;
}

QRect chartBoxRect(int chartNo)
{
    const int top = chartNo == 1030 || chartNo == 1040 ? 1800 : 1700;
    return QRect(QPoint(450, top), QPoint(4500, 4750));
}

QRect chartImageRect(int chartNo)
{
    const int top = chartNo == 1030 || chartNo == 1040 ? 1820 : 1720;
    return QRect(QPoint(470, top), QPoint(4480, 4730));
}

void composeChartPage(QPainter& p, int dpi, const ChartPrintData& d, const TBigBitmap& picture)
{
    const double k = double(dpi) / kPageUnitsPerInch;
    const auto at = [k](int v) { return qRound(v * k); };
    const auto frame = [&](int left, int top, int right, int bottom) {
        p.drawRect(QRectF(QPointF(at(left), at(top)), QPointF(at(right), at(bottom))));
    };
    QPen pen(Qt::black, qMax(1, at(5)));
    pen.setJoinStyle(Qt::MiterJoin);

    const auto text = [&](int x, int y, int size, const QString& s) {
        const QFont f = pageFont(size, dpi);
        p.setFont(f);
        p.setPen(Qt::black);
        const QFontMetricsF fm(f, p.device());
        const QPointF origin(at(x), at(y) + fm.ascent());
        // A text that would run past the right edge of the boxes is narrowed to end there.
        const double room = at(kRightEdge) - origin.x();
        const double width = fm.horizontalAdvance(s);
        if (room > 0 && width > room) {
            p.save();
            p.translate(origin);
            p.scale(room / width, 1.0);
            p.drawText(QPointF(0, 0), s);
            p.restore();
        } else {
            p.drawText(origin, s);
        }
    };

    // The title, centred on x = 2500, in a double frame.
    {
        const QFont f = pageFont(20, dpi);
        const QFontMetricsF fm(f, p.device());
        p.setFont(f);
        p.setPen(Qt::black);
        p.drawText(QPointF(at(2500) - fm.horizontalAdvance(d.title) / 2, at(720) + fm.ascent()), d.title);
    }
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    frame(900, 680, 4050, 900);
    frame(885, 665, 4065, 915);

    for (const ChartPrintText& t : chartPrintTexts(d))
        text(t.x, t.y, t.size, t.text);

    // The chart box with the picture, and the explanation box.
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const QRect box = chartBoxRect(d.chartNo);
    frame(box.left(), box.top(), box.right(), box.bottom());
    if (d.chartNo == 1050)
        frame(450, 5750, 4500, 6500);
    else
        frame(450, 5000, 4500, 6500);
    const QRect image = chartImageRect(d.chartNo);
    picture.StretchDraw(p, at(image.left()), at(image.top()), at(image.right()), at(image.bottom()));
}

ChartPrintData chartPrintData(data::TFDM& dm, int chartNo, const data::TChart_& settings, int xItem, int yItem,
                              const analysis::TAnalize1& results, const std::vector<data::TSEIKEI_>& costOfLiving,
                              const std::optional<data::TMODEL_>& model)
{
    data::AppState& st = dm.state;
    st.refreshToday();
    ChartPrintData d;
    d.chartNo = chartNo;
    d.today = st.TodayDate;
    d.yearLabel = app::YearLabel(st.EraDisplay, st.CurrentNendo);
    d.companyName = st.CurrentCompanyName;
    d.title = settings.TITLE;
    d.explanation = chartNo == 1050 ? QString() : settings.KAISETSU;
    d.results = results;
    d.xItem = xItem;
    if (chartNo == 1030 && st.CurrentCompany.SKCO != 0 && !costOfLiving.empty())
        d.costOfLiving = costOfLiving.front();
    if (chartNo == 1040 && st.CurrentCompany.MDCO != 0 && model)
        d.model = model;
    if (chartNo == 1050) {
        for (int n = 1; n <= 5; ++n) {
            data::TSPDRAW_ row;
            const QString where = QStringLiteral(" WHERE NENDO = ") + st.CurrentCompany.NENDO
                                  + QStringLiteral("   AND KCO   = ") + st.CurrentCompany.KCO
                                  + QStringLiteral("   AND SDCO  = ") + QString::number(n)
                                  + QStringLiteral("   AND X     = ") + QString::number(xItem)
                                  + QStringLiteral("   AND Y     = ") + QString::number(yItem);
            if (data::Select(dm.ACN2, dm.Query21, false, QStringLiteral("SELECT * FROM DSPDRAW"), where, row)
                && row.rows > 0)
                d.drawings[size_t(n - 1)] = ChartPrintData::Drawing{row.HANREI, row.SETSUMEI};
        }
    }
    return d;
}

QString chartBitmapPath(const QString& dataDir) { return dataDir + QStringLiteral("PrintChart.bmp"); }

bool printChartPage(QPagedPaintDevice& device, const ChartPrintData& d, const QImage& picture,
                    const QString& bitmapPath, QString* error)
{
    const auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    TBigBitmap bitmap;
    if (!picture.isNull()) {
        if (!picture.convertToFormat(QImage::Format_RGB888).save(bitmapPath, "BMP"))
            return fail(QStringLiteral("印刷用の画像ファイルを作成できません。") + QDir::toNativeSeparators(bitmapPath));
        QString why;
        if (!bitmap.LoadFromFile(bitmapPath, why))
            return fail(why);
    }
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    QPainter p;
    if (!p.begin(&device))
        return fail(QStringLiteral("印刷処理でエラーが発生しました。"));
    p.setRenderHint(QPainter::Antialiasing);
    // Page positions count from the sheet's corner, wherever the device's printable area begins.
    const QRect paper = device.pageLayout().fullRectPixels(device.logicalDpiX());
    const QRect printable = device.pageLayout().paintRectPixels(device.logicalDpiX());
    p.translate(paper.topLeft() - printable.topLeft());
    composeChartPage(p, device.logicalDpiX(), d, bitmap);
    if (!p.end())
        return fail(QStringLiteral("印刷処理でエラーが発生しました。"));
    return true;
}

} // namespace reports
