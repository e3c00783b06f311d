#include "analysis/TentativeCurves.h"

#include "analysis/WagePlot.h"
#include "app/SharedRoutines.h"
#include "data/DataModule.h"
#include "data/DbAccess.h"
#include "platform/ColorNames.h"

#include <algorithm>
#include <cmath>

namespace analysis {

TSPD& tentativeCurves()
{
    static TSPD state;
    return state;
}

namespace {

// The drawing number a text stands for, when it is a whole number.
std::optional<qint64> drawingNumber(const QString& text)
{
    return app::parseWholeNumber(text);
}

// A value as a 64-bit whole number, when it is one.
std::optional<qint64> whole(double v)
{
    v = std::trunc(v);
    if (!std::isfinite(v) || std::fabs(v) >= 9.2e18)
        return std::nullopt;
    return qint64(v);
}

// DSPDRAW keyed by the whole curve identity (company, year, drawing number, x and y item), so that
// a delete by key binds all five and leaves the curves of other item pairs alone.
const data::TableDef<data::TSPDRAW_>& drawingKeyTable()
{
    static const data::TableDef<data::TSPDRAW_> t = [] {
        data::TableDef<data::TSPDRAW_> d = data::TSPDRAW_::table();
        for (size_t i = 0; i < d.columns.size(); ++i)
            if (d.names[i] == QStringLiteral("X") || d.names[i] == QStringLiteral("Y"))
                d.columns[i].key = true;
        return d;
    }();
    return t;
}

} // namespace

QString pointEntryRefusal(const QString& drawingNoText, int pointsEntered)
{
    const auto n = drawingNumber(drawingNoText);
    if (!n || *n == 0)
        return QStringLiteral("描画番号 を、入力して下さい。");
    if (*n < 1 || *n > 5)
        return QStringLiteral("描画番号 は、１～５ を入力して下さい。");
    if (pointsEntered >= maxTentativePoints)
        return QStringLiteral("６点以上は、プロットできません。");
    return {};
}

std::optional<TentativePoint> clickToPoint(const ChartLayout& layout, const TSDX& scale, QPoint pixel)
{
    if (layout.dataWidth <= 0 || layout.dataHeight <= 0)
        return std::nullopt;
    const double fx = double(pixel.x() - layout.dataLeft) / layout.dataWidth * scale.xRange + scale.xMin;
    const double fy = double(layout.dataBottom - pixel.y()) / layout.dataHeight * scale.yRange + scale.yMin;
    const auto x = whole(app::RoundToDigits(1, fx));
    const auto y = whole(app::RoundToDigits(1, fy * 10) * 1000);
    if (!x || !y)
        return std::nullopt;
    TentativePoint p;
    p.pixelX = pixel.x();
    p.pixelY = pixel.y();
    p.xValue = *x;
    p.yYen = *y;
    return p;
}

DrawingNoCheck checkDrawingNo(const QString& text, int current)
{
    DrawingNoCheck c;
    c.drawingNo = current;
    const auto n = drawingNumber(text);
    if (n && *n == 0) {
        c.accepted = true;
        c.shownText = text;
        return c;
    }
    if (!n) {
        c.message = QStringLiteral("数値を入力してください。");
        c.shownText = QString::number(current);
        return c;
    }
    if (*n < 1 || *n > 5) {
        c.message = QStringLiteral("入力範囲外です。1 ～ 5 の値を入力して下さい。");
        c.shownText = QString::number(current);
        return c;
    }
    c.accepted = true;
    c.drawingNo = int(*n);
    c.shownText = text;
    return c;
}

void fillTentativeCurves(const std::vector<data::TSPDRAW_>& rows, TSPD& state, SeriesArray& comparison, bool cubic)
{
    resetSeries(comparison);
    for (int n = 1; n <= 5; ++n)
        state.slots[size_t(n)] = TentativeSlot{};
    for (const data::TSPDRAW_& r : rows) {
        const auto n = drawingNumber(r.SDCO);
        if (!n || *n < 1 || *n > 5)
            continue;
        TentativeSlot& s = state.slots[size_t(*n)];
        s.FREN = int(r.FREN);
        s.x = {r.SNENREI1, r.SNENREI2, r.SNENREI3, r.SNENREI4, r.SNENREI5, r.SNENREI6};
        const double amounts[] = {r.SKIN1, r.SKIN2, r.SKIN3, r.SKIN4, r.SKIN5, r.SKIN6};
        for (size_t k = 0; k < 6; ++k)
            s.amount[k] = whole(amounts[k]).value_or(0);
        s.HANREI = r.HANREI;
        s.SETSUMEI = r.SETSUMEI;
        s.color = platform::colorFromText(r.SCOLOR.isEmpty() ? QStringLiteral("clBlack") : r.SCOLOR);
        s.style = int(r.SSYURUI);
        s.width = int(r.SHABA);
    }
    for (int n = 1; n <= 5; ++n) {
        const TentativeSlot& s = state.slots[size_t(n)];
        for (size_t k = 0; k < 6; ++k)
            if (s.x[k] != 0)
                addPoint(comparison, s.HANREI, 0, app::RoundToDigits(2, double(s.amount[k]) / 10000), double(s.x[k]),
                         n);
    }
    finishSeries(comparison);
    fitSeries(comparison, cubic);
}

void loadTentativeCurves(data::TFDM& dm, TSPD& state, SeriesArray& comparison, bool cubic)
{
    const CompanyKeys keys = companyKeys(dm);
    data::TSPDRAW_rec set;
    data::Selects(dm.ACN2, dm.Query21, false, QStringLiteral("SELECT * FROM DSPDRAW"),
                  QStringLiteral(" WHERE NENDO = ") + keys.nendo + QStringLiteral("  AND KCO    = ") + keys.kco
                      + QStringLiteral("  AND X      = ") + QString::number(state.xItem)
                      + QStringLiteral("  AND Y      = ") + QString::number(state.yItem)
                      + QStringLiteral("  AND FCHKS  = 1") + QStringLiteral("  order by SDCO "),
                  set);
    fillTentativeCurves(set.items, state, comparison, cubic);
}

data::TSPDRAW_ tentativeCurveRow(const data::TFDM& dm, const TSPD& state, int drawingNo)
{
    const CompanyKeys keys = companyKeys(dm);
    const TentativeSlot& slot = state.slots[size_t(std::clamp(drawingNo, 0, 5))];
    data::TSPDRAW_ r;
    r.KCO = keys.kco;
    r.NENDO = keys.nendo;
    r.SDCO = QString::number(drawingNo);
    r.X = state.xItem;
    r.Y = state.yItem;
    r.FCHKS = 1;
    r.FREN = 1;
    qint64* xs[] = {&r.SNENREI1, &r.SNENREI2, &r.SNENREI3, &r.SNENREI4, &r.SNENREI5, &r.SNENREI6};
    double* amounts[] = {&r.SKIN1, &r.SKIN2, &r.SKIN3, &r.SKIN4, &r.SKIN5, &r.SKIN6};
    for (size_t k = 0; k < 6 && k < state.points.size(); ++k) {
        *xs[k] = state.points[k].xValue;
        *amounts[k] = double(state.points[k].yYen);
    }
    r.SCOLOR = platform::colorToText(slot.color);
    r.SSYURUI = slot.style;
    r.SHABA = slot.width;
    return r;
}

ImportOutcome importTentativeCurve(data::TFDM& dm, const TSPD& state, const QString& drawingNoText)
{
    ImportOutcome out;
    if (state.points.size() < 2) {
        out.message = QStringLiteral("取込む点を２～６箇所をポイントして下さい。");
        return out;
    }
    out.message = pointEntryRefusal(drawingNoText, 0);
    if (!out.message.isEmpty())
        return out;
    const int n = int(*drawingNumber(drawingNoText));

    data::TSPDRAW_ row = tentativeCurveRow(dm, state, n);
    data::Transaction tx(dm.ACN2);
    if (!tx.started()) {
        data::ShowDbError(data::DbErrorText(dm.ACN2));
        return out;
    }
    data::TSPDRAW_ old = row;
    if (!data::Delete(dm.ACN2, dm.Query21, false, QString(), old, drawingKeyTable()))
        return out;
    if (!data::Insert(dm.ACN2, dm.Query21, false, row))
        return out;
    if (!tx.commit()) {
        data::ShowDbError(data::DbErrorText(dm.ACN2));
        return out;
    }
    out.imported = true;
    return out;
}

} // namespace analysis
