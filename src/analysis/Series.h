#pragma once

#include <vector>

namespace analysis {

// One series of the plot window: its points in insertion order and the curve fitted through them.
// The fits read n, xs, ys and write a0..a3; the evaluation reads minX and maxX, which the plot
// window keeps as running statistics while it adds points.
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

    // The plot window adds its own fields below: mark number, name, colour, the y and w running
    // statistics and the curve evaluation block.
};

}  // namespace analysis
