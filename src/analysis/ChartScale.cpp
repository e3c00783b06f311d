#include "analysis/ChartScale.h"

#include "app/SharedRoutines.h"
#include "data/Common.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace analysis {

namespace {

// Trunc towards zero, held inside int (NaN counts as 0).
int truncToInt(double v)
{
    if (std::isnan(v))
        return 0;
    if (v >= double(INT_MAX))
        return INT_MAX;
    if (v <= double(INT_MIN))
        return INT_MIN;
    return int(std::trunc(v));
}

int timesPitch(int steps, int pitch)
{
    const qint64 v = qint64(steps) * pitch;
    return int(std::clamp<qint64>(v, INT_MIN, INT_MAX));
}

int lowerBound(double v, int pitch)
{
    return timesPitch(truncToInt(data::SafeDiv(v, pitch)), pitch);
}

int upperBound(double v, int pitch)
{
    return timesPitch(truncToInt(data::SafeDiv(v, pitch) + 0.9999), pitch);
}

int clampInt(qint64 v)
{
    return int(std::clamp<qint64>(v, INT_MIN, INT_MAX));
}

} // namespace

void TSDX::updateRanges()
{
    xRange = clampInt(qint64(xMax) - xMin);
    yRange = clampInt(qint64(yMax) - yMin);
}

QString axisName(const QString& stored)
{
    QString s = stored;
    return s.remove(QChar(0x3000));
}

void setAxisRanges(TSDX& scale, int chartNo, const TXYDATA& employees, const TXYDATA& comparison)
{
    double minX = employees.minX, maxX = employees.maxX;
    double minY = employees.minY, maxY = employees.maxY;
    const bool widens = chartNo == chart::CostOfLiving || chartNo == chart::ModelWage || chartNo == chart::RaiseDesign;
    if (widens && comparison.n > 0) {
        minX = std::min(minX, comparison.minX);
        maxX = std::max(maxX, comparison.maxX);
        minY = std::min(minY, comparison.minY);
        maxY = std::max(maxY, comparison.maxY);
    }
    scale.xMin = lowerBound(minX, scale.xPitch);
    scale.xMax = upperBound(maxX, scale.xPitch);
    scale.yMin = lowerBound(minY, scale.yPitch);
    scale.yMax = upperBound(maxY, scale.yPitch);
    if (scale.yMax == 0)
        scale.yMax = 50;
    scale.updateRanges();
}

SpinBounds spinBoundsFor(const TSDX& scale)
{
    auto oneAndHalf = [](int v) { return clampInt(qint64(std::trunc(double(v) * 1.5))); };
    SpinBounds b;
    b.xMinHigh = std::max(0, scale.xMax);
    b.xMaxHigh = std::max(0, oneAndHalf(scale.xMax));
    b.yMinHigh = std::max(0, scale.yMax);
    b.yMaxHigh = std::max(0, oneAndHalf(scale.yMax));
    return b;
}

AxisEntryCheck checkAxisEntry(const QString& text, int current, int low, int high)
{
    AxisEntryCheck c;
    const auto v = app::parseWholeNumber(text);
    if (!v) {
        c.message = QStringLiteral("数値を入力してください。");
        c.shownText = QString::number(current);
        return c;
    }
    if (*v < low || *v > high) {
        c.message = QStringLiteral("入力範囲外です。") + QString::number(low) + QStringLiteral(" ～ ")
            + QString::number(high) + QStringLiteral("の値を入力して下さい。");
        c.shownText = QString::number(low);
        return c;
    }
    c.accepted = true;
    c.value = int(*v);
    c.shownText = QString::number(c.value);
    return c;
}

} // namespace analysis
