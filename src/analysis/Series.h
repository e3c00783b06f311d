#pragma once

#include <QString>

#include <vector>

namespace analysis {

// One series of the plot window: its points in insertion order and the curve fitted through them.
// The fits read n, xs, ys and write a0..a3; the evaluation reads minX and maxX, which the plot
// window keeps as running statistics while it adds points (PlotSeries.h).
struct TXYDATA {
    int n{0};                // number of points; xs and ys hold at least n values
    std::vector<double> xs;  // x of each point
    std::vector<double> ys;  // y of each point
    double minX{0};          // smallest x added
    double maxX{0};          // largest x added
    double a0{0};            // y = a0 + a1·x + a2·x² (+ a3·x³)
    double a1{0};
    double a2{0};
    double a3{0};            // cubic term; the quadratic fit leaves it as it was

    // Running statistics of the plot window.
    QString name;            // "全体" for series 0; a group takes the name given with its first point
    double sumX{0};          // Σx
    double meanX{0};         // Σx / n, 0 for an empty series
    double sumY{0};          // Σy
    double minY{0};          // smallest y added
    double maxY{0};          // largest y added
    double meanY{0};         // Σy / n, 0 for an empty series
    double sumW{0};          // Σw, the third value of each point (a residual in yen, or 0)
    double meanW{0};         // Σw / n, 0 for an empty series

    // Curve evaluation block, filled by the analysis evaluation of the plot window.
    int evalCount{0};        // curve values evaluated, one per whole x step
    double evalSum{0};       // Σ f(x) over them, in yen
    double evalMean{0};      // evalSum / evalCount
    double startX{0};        // first x evaluated and its value
    double startY{0};
    double endX{0};          // where the curve stops rising, and its value
    double endY{0};
    double pitch{0};         // mean rise per x step between start and end
};

}  // namespace analysis
