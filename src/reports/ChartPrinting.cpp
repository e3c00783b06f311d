#include "reports/ChartPrinting.h"

#include "analysis/AnalysisEvaluation.h"
#include "analysis/TQK1100.h"
#include "data/DataModule.h"
#include "platform/BusyCursor.h"
#include "platform/Dialogs.h"
#include "reports/ChartPrint.h"

#include <QPrinter>
#include <memory>

namespace reports {

void installChartPrinting(analysis::TQK1100& plot, std::shared_ptr<QPrinter> printer)
{
    if (!printer)
        printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    plot.printChart = [&plot, printer] {
        printer->setPageSize(QPageSize(QPageSize::A4));
        printer->setPageOrientation(QPageLayout::Portrait);
        printer->setDocName(QStringLiteral("ﾌﾟﾛｯﾄ"));
        if (!platform::dialogs().setupPrinter(*printer))
            return;   // cancelled by the user
        data::TFDM& dm = data::TFDM::current();
        platform::BusyCursor busy;
        analysis::PlotData& plotData = plot.plotData();
        const analysis::TAnalize1 texts = analysis::buildAnalysisTexts(dm, plotData);
        const ChartPrintData page = chartPrintData(dm, plot.PlotChartNo, plotData.chart.settings, plotData.xItem,
                                                   plotData.yItem, texts, plotData.costOfLiving, plotData.model);
        QString error;
        const bool ok = printChartPage(*printer, page, plot.copyImage(), chartBitmapPath(dm.state.DataDir), &error);
        busy.end();
        if (!ok)
            platform::dialogs().error(error, platform::appTitle());
    };
}

} // namespace reports
