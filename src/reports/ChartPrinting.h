#pragma once
// Printing of the plot window's chart: the print dialog (a cancel is no error), then the page of
// ChartPrint.h on the chosen printer.

#include <memory>

class QPrinter;

namespace analysis {
class TQK1100;
}

namespace reports {

// Sets plot.printChart. The printer keeps the user's choices between prints of the window; without
// one given, a printer of its own is made.
void installChartPrinting(analysis::TQK1100& plot, std::shared_ptr<QPrinter> printer = {});

} // namespace reports
