#include "analysis/Regression.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

namespace analysis {

namespace {

using Real = long double;

// The program's guarded division (a divisor below 1e-12 gives 0), kept in extended precision.
Real safeDiv(Real v, Real d)
{
    return std::fabs(d) < 1e-12L ? 0.0L : v / d;
}

// Points a fit may read: n, but never more than the arrays hold.
int pointCount(const TXYDATA& s)
{
    if (s.n <= 0)
        return 0;
    return static_cast<int>(std::min({static_cast<std::size_t>(s.n), s.xs.size(), s.ys.size()}));
}

// A series starting at x = 0 is drawn from 0 there: the constant term rises linearly to a0 / 2.
Real constantTerm(const TXYDATA& s, double x)
{
    if (s.minX == 0 && s.maxX != 0)
        return Real(s.a0) * x / s.maxX / 2;
    return s.a0;
}

// Nearest whole number, halves to the even neighbour, whatever the FPU rounding mode is.
Real roundHalfEven(Real v)
{
    const Real down = std::floor(v);
    const Real diff = v - down;
    if (diff < 0.5L)
        return down;
    if (diff > 0.5L)
        return down + 1;
    return std::fmod(down, 2.0L) == 0 ? down : down + 1;
}

// Σ a[r] in long double, four sums at a time so that the additions overlap.
Real blockSum(const double* a, int rows)
{
    Real s0 = 0, s1 = 0, s2 = 0, s3 = 0;
    int r = 0;
    for (; r + 4 <= rows; r += 4) {
        s0 += a[r];
        s1 += a[r + 1];
        s2 += a[r + 2];
        s3 += a[r + 3];
    }
    for (; r < rows; ++r)
        s0 += a[r];
    return (s0 + s1) + (s2 + s3);
}

// Σ a[r]·b[r] in long double (the product of two doubles of up to 32 significant bits each is
// exact there), four sums at a time.
Real blockDot(const double* a, const double* b, int rows)
{
    Real s0 = 0, s1 = 0, s2 = 0, s3 = 0;
    int r = 0;
    for (; r + 4 <= rows; r += 4) {
        s0 += Real(a[r]) * b[r];
        s1 += Real(a[r + 1]) * b[r + 1];
        s2 += Real(a[r + 2]) * b[r + 2];
        s3 += Real(a[r + 3]) * b[r + 3];
    }
    for (; r < rows; ++r)
        s0 += Real(a[r]) * b[r];
    return (s0 + s1) + (s2 + s3);
}

}  // namespace

// The quotients below solve the three normal equations exactly: the second is divided by Sx, the
// third by Sxx, the first divided by n is subtracted from both, and a1 is eliminated.
void fitQuadratic(TXYDATA& s)
{
    const int count = pointCount(s);
    Real sx = 0, sy = 0, sxx = 0, sx3 = 0, sx4 = 0, sxy = 0, sxxy = 0;
    for (int i = 0; i < count; ++i) {
        const Real x = s.xs[i];
        const Real y = s.ys[i];
        const Real xx = x * x;
        sx += x;
        sy += y;
        sxx += xx;
        sx3 += xx * x;
        sx4 += xx * xx;
        sxy += x * y;
        sxxy += xx * y;
    }
    const Real n = count;

    const Real p = safeDiv(safeDiv(sxy, sx) - safeDiv(sy, n), safeDiv(sxx, sx) - safeDiv(sx, n));
    const Real q = safeDiv(safeDiv(sxxy, sxx) - safeDiv(sy, n), safeDiv(sx3, sxx) - safeDiv(sx, n));
    const Real u = safeDiv(safeDiv(sx3, sx) - safeDiv(sxx, n), safeDiv(sxx, sx) - safeDiv(sx, n));
    const Real v = safeDiv(safeDiv(sx4, sxx) - safeDiv(sxx, n), safeDiv(sx3, sxx) - safeDiv(sx, n));

    const Real a2 = safeDiv(p - q, u - v);
    const Real a1 = p - u * a2;
    const Real a0 = count == 0 ? 0.0L : safeDiv(sy - sx * a1 - a2 * sxx, n);

    s.a0 = static_cast<double>(a0);
    s.a1 = static_cast<double>(a1);
    s.a2 = static_cast<double>(a2);
}

void fitCubic(TXYDATA& s)
{
    const int count = pointCount(s);
    Real sx = 0, sy = 0, sxx = 0, sx3 = 0, sx4 = 0, sx5 = 0, sx6 = 0, sxy = 0, sxxy = 0, sx3y = 0;
    for (int i = 0; i < count; ++i) {
        const Real x = s.xs[i];
        const Real y = s.ys[i];
        const Real xx = x * x;
        const Real x3 = xx * x;
        sx += x;
        sy += y;
        sxx += xx;
        sx3 += x3;
        sx4 += x3 * x;
        sx5 += x3 * xx;
        sx6 += x3 * x3;
        sxy += x * y;
        sxxy += xx * y;
        sx3y += x3 * y;
    }
    const Real n = count;

    const Real d1 = n * sxx - sx * sx;
    const Real d2 = n * sx3 - sx * sxx;
    const Real d3 = n * sx4 - sx * sx3;

    const Real m = safeDiv(n * sxy - sx * sy, d1);
    const Real t = safeDiv(n * sx3 - sx * sxx, d1);
    const Real v = safeDiv(n * sx4 - sx * sx3, d1);
    const Real j = safeDiv(n * sxxy - sy * sxx, d2);
    const Real l = safeDiv(n * sx4 - sxx * sxx, d2);
    const Real p = safeDiv(n * sx5 - sxx * sx3, d2);
    const Real sc = safeDiv(n * sx3y - sy * sx3, d3);
    const Real w = safeDiv(n * sx5 - sxx * sx3, d3);
    const Real yc = safeDiv(n * sx6 - sx3 * sx3, d3);

    const Real b = safeDiv(j - m, l - t);
    const Real z = safeDiv(p - v, l - t);
    const Real a = safeDiv(sc - m, w - t);
    const Real c = safeDiv(yc - v, w - t);

    const Real a3 = safeDiv(a - b, c - z);
    const Real a2 = b - z * a3;
    const Real a1 = m - t * a2 - v * a3;
    const Real a0 = count == 0 ? 0.0L : (sy - a1 * sx - a2 * sxx - a3 * sx3) / n;

    s.a0 = static_cast<double>(a0);
    s.a1 = static_cast<double>(a1);
    s.a2 = static_cast<double>(a2);
    s.a3 = static_cast<double>(a3);
}

double evalQuadratic(const TXYDATA& s, double x, double factor)
{
    const Real xl = x;
    return static_cast<double>(factor * (constantTerm(s, x) + s.a1 * xl + s.a2 * xl * xl));
}

double evalCubic(const TXYDATA& s, double x, double factor)
{
    const Real xl = x;
    return static_cast<double>(
        factor * (constantTerm(s, x) + s.a1 * xl + s.a2 * xl * xl + s.a3 * xl * xl * xl));
}

// The normal equations of raw columns such as birth years (≈1980) and yen amounts (≈500,000) are
// badly conditioned: their entries carry the huge offsets, and what matters is in the last digits.
// So the fit centres every column on its mean (a first pass), builds the cross products of the
// centred values (a second pass), scales each attribute to about unit length, solves that system
// for the slopes, and finally recovers the intercept from the means.
bool regressionFit(int n, int k, const TRegX& x, const TRegY& y, double tolerance,
                   TRegY& coefficients)
{
    if (k < 0 || n < k + 1 || x.size() < static_cast<std::size_t>(n)
        || y.size() < static_cast<std::size_t>(n))
        return false;

    // Columns 0..k-1 are the attributes x1..xk, column k is y. Both passes take a block of rows at
    // a time into a buffer that holds it column by column, less a centre, so that the sums over a
    // block run in registers; the block totals go into long double sums.
    const int cols = k + 1;
    const auto rowLength = static_cast<std::size_t>(cols);
    constexpr int blockRows = 128;
    std::vector<double> block(static_cast<std::size_t>(blockRows) * cols);
    auto gather = [&](int first, int rows, const std::vector<double>& offset) {
        for (int r = 0; r < rows; ++r) {
            const std::vector<double>& row = x[first + r];
            if (row.size() < rowLength || row[0] != 1.0)
                return false;
            for (int j = 0; j < k; ++j)
                block[j * blockRows + r] = row[j + 1] - offset[j];
            block[k * blockRows + r] = y[first + r] - offset[k];
        }
        return true;
    };

    // First pass: Σx and Σx², for the centres and for each column's own size.
    std::vector<double> centre(cols, 0.0);
    std::vector<Real> sum(cols, 0.0L);
    std::vector<Real> squares(cols, 0.0L);
    for (int first = 0; first < n; first += blockRows) {
        const int rows = std::min(blockRows, n - first);
        if (!gather(first, rows, centre))
            return false;
        for (int j = 0; j < cols; ++j) {
            const double* column = &block[j * blockRows];
            sum[j] += blockSum(column, rows);
            squares[j] += blockDot(column, column, rows);
        }
    }

    // Each column is centred near its mean: on the whole number nearest to it when that lies
    // within the column's spread, else on the mean itself. The program's data are whole numbers
    // (yen, years, codes), whose centred values, products and sums (up to 2⁶⁴) are then exact;
    // for other values the subtraction is exact or rounds no more than the value itself was
    // rounded, and a constant column becomes exactly zero. What the centre's distance from the
    // mean leaves in the sums is taken out with Σdᵢ·dⱼ − Σdᵢ·Σdⱼ / n.
    for (int j = 0; j < cols; ++j) {
        const Real average = sum[j] / n;
        const Real variance = squares[j] / n - average * average;
        const Real whole = std::round(average);
        const bool wholeFits = (whole - average) * (whole - average) <= variance;
        centre[j] = static_cast<double>(wholeFits ? whole : average);
    }

    // Second pass: Σdᵢ·dⱼ (upper triangle) and Σdⱼ of the centred values d.
    std::vector<Real> cross(static_cast<std::size_t>(cols) * cols, 0.0L);
    std::vector<Real> sumD(cols, 0.0L);
    for (int first = 0; first < n; first += blockRows) {
        const int rows = std::min(blockRows, n - first);
        gather(first, rows, centre);
        for (int i = 0; i < cols; ++i) {
            const double* di = &block[i * blockRows];
            sumD[i] += blockSum(di, rows);
            for (int j = i; j < cols; ++j)
                cross[i * cols + j] += blockDot(di, &block[j * blockRows], rows);
        }
    }

    auto centred = [&](int i, int j) {
        if (i > j)
            std::swap(i, j);
        return cross[i * cols + j] - sumD[i] * sumD[j] / n;
    };

    const Real tol = tolerance;
    std::vector<Real> mean(cols);
    for (int j = 0; j < cols; ++j)
        mean[j] = centre[j] + sumD[j] / n;

    // Each attribute is scaled to about unit length by a power of two: exact, so the system keeps
    // every digit of the sums, and its diagonal entries all start in [1, 4).
    std::vector<Real> scale(k);
    for (int j = 0; j < k; ++j) {
        // A spread below tolerance × the column's own size is a constant.
        const Real spread = centred(j, j);
        if (!(spread > tol * tol * squares[j]))
            return false;
        scale[j] = std::ldexp(1.0L, std::ilogb(std::sqrt(spread)));
    }
    std::vector<std::vector<Real>> a(k, std::vector<Real>(k + 1));
    std::vector<Real> startDiagonal(k);
    for (int i = 0; i < k; ++i) {
        for (int j = 0; j < k; ++j)
            a[i][j] = centred(i, j) / (scale[i] * scale[j]);
        a[i][k] = centred(i, k) / scale[i];
        startDiagonal[i] = a[i][i];
    }

    // Gauss-Jordan with partial pivoting; the first of equal maxima wins. The pivot of column i is
    // measured against that column's starting diagonal, so the test does not depend on units.
    for (int i = 0; i < k; ++i) {
        int p = i;
        for (int j = i + 1; j < k; ++j) {
            if (std::fabs(a[j][i]) > std::fabs(a[p][i]))
                p = j;
        }
        const Real pivot = std::fabs(a[p][i]);
        if (!(pivot >= tol * startDiagonal[i] && pivot > 0))
            return false;
        if (p != i)
            std::swap(a[i], a[p]);
        const Real inverse = 1.0L / a[i][i];
        for (int c = i + 1; c <= k; ++c)
            a[i][c] *= inverse;
        for (int q = 0; q < k; ++q) {
            if (q == i)
                continue;
            const Real factor = a[q][i];
            for (int c = i + 1; c <= k; ++c)
                a[q][c] -= factor * a[i][c];
        }
    }

    TRegY result(cols);
    Real intercept = mean[k];
    for (int j = 0; j < k; ++j) {
        const Real slope = a[j][k] / scale[j];
        result[j + 1] = static_cast<double>(slope);
        intercept -= slope * mean[j];
    }
    result[0] = static_cast<double>(intercept);
    coefficients = std::move(result);
    return true;
}

QString accuracyJudgement(double r2, double r)
{
    if (r2 >= 0.8 && r >= 0.9)
        return QStringLiteral("分析精度の判定 →　非常に良い");
    if (r2 >= 0.5 && r >= 0.7)
        return QStringLiteral("分析精度の判定 →　やや良い");
    return QStringLiteral("分析精度の判定 →　良くない");
}

bool regressionStatistics(int n, int k, double tolerance, TRegAut& stats, const TRegY& coef,
                          const TRegY& y, const TRegX& x)
{
    stats.R = 0;
    stats.R2 = 0;
    stats.adjustedR2 = 0;
    stats.SST = 0;
    stats.SSE = 0;

    if (n <= 0 || k < 0 || coef.size() < static_cast<std::size_t>(k + 1)
        || y.size() < static_cast<std::size_t>(n) || x.size() < static_cast<std::size_t>(n))
        return false;
    const auto rowLength = static_cast<std::size_t>(k + 1);
    Real sumY = 0;
    for (int r = 0; r < n; ++r) {
        if (x[r].size() < rowLength)
            return false;
        sumY += y[r];
    }
    const Real meanY = sumY / n;

    Real sst = 0;
    Real sse = 0;
    for (int r = 0; r < n; ++r) {
        const double* row = x[r].data();
        Real fitted = coef[0];
        for (int j = 1; j <= k; ++j)
            fitted += Real(row[j]) * coef[j];
        const Real deviation = y[r] - meanY;
        const Real residual = y[r] - fitted;
        sst += deviation * deviation;
        sse += residual * residual;
    }
    stats.SST = static_cast<double>(sst);
    stats.SSE = static_cast<double>(sse);

    if (!(sst >= tolerance))
        return false;

    const Real r2 = 1 - sse / sst;
    stats.R2 = static_cast<double>(r2);
    stats.R = static_cast<double>(std::sqrt(std::fabs(r2)));

    if (n - k < 2)
        return false;

    stats.adjustedR2 = static_cast<double>(1 - (sse / sst) * (n - 1) / (n - k - 1));
    stats.judgement = accuracyJudgement(stats.R2, stats.R);
    return true;
}

double predict(const std::vector<double>& xrow, const TRegY& coef)
{
    if (coef.empty())
        return 0;
    const std::size_t terms = std::min(coef.size(), xrow.size());
    Real fitted = coef[0];
    for (std::size_t j = 1; j < terms; ++j)
        fitted += Real(xrow[j]) * coef[j];
    return static_cast<double>(roundHalfEven(fitted));
}

RegressionWorkArea& regressionWorkArea()
{
    static RegressionWorkArea area;
    return area;
}

}  // namespace analysis
