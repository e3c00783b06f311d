#pragma once

// Least-squares fits of the analyses:
//  - quadratic and cubic curves through the points of a plot series, and their evaluation;
//  - the multiple linear regression of one wage item on k employee attributes (optimal wage), its
//    statistics with the accuracy judgement, and the prediction of one employee's value.
// Everything here is plain computation: no widgets, no database.

#include "analysis/Series.h"

#include <QString>

#include <vector>

namespace analysis {

// ---- Curves through a series ------------------------------------------------------------------

// Fits y = a0 + a1·x + a2·x² through the first n points and writes a0, a1, a2 (a3 is not touched).
// Never fails: a quotient whose divisor vanishes (|d| < 1e-12) counts as 0, so a degenerate series
// gets a simpler curve (one point: a level line at its y; all x = 0: the mean of y; empty: zeros).
void fitQuadratic(TXYDATA& series);

// Fits y = a0 + a1·x + a2·x² + a3·x³ through the first n points; same rules as fitQuadratic.
void fitCubic(TXYDATA& series);

// The fitted curve at x, times factor (10000 gives yen from 万円). A series that starts at x = 0
// (minX = 0, maxX ≠ 0) is drawn from 0: its constant term becomes a0·x / maxX / 2.
double evalQuadratic(const TXYDATA& series, double x, double factor);
double evalCubic(const TXYDATA& series, double x, double factor);

// ---- Multiple regression ----------------------------------------------------------------------

// Row r of the explanatory values: [1.0, x1, ..., xk]; the leading 1.0 carries the intercept.
using TRegX = std::vector<std::vector<double>>;
// Dependent values (one per row), or the coefficients b0 (intercept), b1 ... bk.
using TRegY = std::vector<double>;
// Name 0 is the dependent item, names 1..k the explanatory attributes, as the result shows them.
using TRegName = std::vector<QString>;

// Statistics of a fit over n rows with k attributes; ŷ = b0 + Σ bj·xj unrounded.
struct TRegAut {
    double R{0};           // sqrt(|R2|), multiple correlation
    double R2{0};          // 1 - SSE/SST
    double adjustedR2{0};  // 1 - (SSE/SST)·(n-1)/(n-k-1)
    double SST{0};         // Σ (y - ȳ)²
    double SSE{0};         // Σ (y - ŷ)²
    QString judgement;     // "分析精度の判定 →　..." from R2 and R; see regressionStatistics
};

// Fits y = b0 + b1·x1 + ... + bk·xk by least squares over the first n rows and writes
// coefficients = [b0, b1, ..., bk]. Returns false, leaving coefficients as they were, when
//  - n < k + 1 (fewer rows than unknowns), k < 0, a row has fewer than k + 1 values, y fewer
//    than n, or the first value of a row is not 1.0;
//  - an attribute is constant: its root-mean-square deviation from its mean is not above
//    tolerance × its root mean square (it cannot be told apart from the intercept);
//  - an attribute is (almost) a linear combination of the others: the normal equations are
//    built from the columns centred on their means and scaled to about unit length, and a pivot
//    of their Gauss-Jordan elimination (partial pivoting) below tolerance × the diagonal entry its
//    column started from fails. For a pivot on the diagonal that ratio is the share of xj's
//    centred sum of squares that the attributes eliminated before it leave unexplained.
// The rule is relative, so it holds at any magnitude (birth years, yen amounts, 100,000 rows),
// where an absolute tolerance on the raw normal matrix would drown in rounding. Centring and
// scaling also keep the coefficients accurate to about 12 significant digits on large, nearly
// collinear columns. Sums run in long double. The optimal wage analysis passes 1e-10.
bool regressionFit(int n, int k, const TRegX& x, const TRegY& y, double tolerance,
                   TRegY& coefficients);

// Computes stats for coefficients coef ([b0..bk]) over the first n rows of x and y.
// Clears R, R2, adjustedR2, SST and SSE first, then:
//  - SST below tolerance (y almost constant): returns false with SST and SSE set, R = R2 = 0;
//  - n - k < 2: returns false with R, R2, SST and SSE set and adjustedR2 = 0;
//  - otherwise sets everything, including the judgement, and returns true.
// On a false result the judgement keeps its previous value: a caller starting a new analysis
// clears it first, so that no judgement of an earlier run is shown. n ≤ 0 or inputs shorter than
// n and k say return false with everything cleared.
bool regressionStatistics(int n, int k, double tolerance, TRegAut& stats, const TRegY& coef,
                          const TRegY& y, const TRegX& x);

// The judgement text for R² and R: "非常に良い" from R² ≥ 0.8 and R ≥ 0.9, "やや良い" from
// R² ≥ 0.5 and R ≥ 0.7, else "良くない".
QString accuracyJudgement(double r2, double r);

// b0 + Σ bj·xj for one row laid out as in TRegX ([1.0, x1..xk]; its first value is not read),
// rounded to a whole number with halves to the even neighbour (253500.5 → 253500).
// k is coef.size() - 1; a shorter row uses the attributes it has.
double predict(const std::vector<double>& xrow, const TRegY& coef);

// The work area of the last optimal wage analysis. The analysis screen fills it, the result
// table and the analysis evaluation read it afterwards. One instance for the program, used from
// the user-interface thread only.
struct RegressionWorkArea {
    int n{0};             // rows
    int k{0};             // attributes
    TRegX x;              // n rows [1.0, x1..xk]
    TRegY y;              // n dependent values
    TRegY coefficients;   // b0..bk after a successful fit
    TRegName names;       // dependent item, then the k attributes
    TRegAut statistics;
};

RegressionWorkArea& regressionWorkArea();

}  // namespace analysis
