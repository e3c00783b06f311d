#pragma once
// The printed chart of the plot window: one A4 portrait page with the date, the company, the framed
// chart title, the analysis results of the chart kind, the chart picture in a box and the chart's
// explanation below it.
//
// Page positions are in 1/600 inch from the sheet's top-left corner; the page is drawn at any
// device resolution (a position is multiplied by resolution / 600). The chart picture goes through
// a bitmap file in the data folder and is drawn band by band (TBigBitmap), so a large picture never
// has to be held whole at printer resolution.

#include "analysis/AnalysisEvaluation.h"
#include "data/Records.h"

#include <QDate>
#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

class QPainter;
class QPagedPaintDevice;

namespace data {
class TFDM;
}

namespace reports {

class TBigBitmap;

// What the page shows besides the picture.
struct ChartPrintData {
    int chartNo = 0;
    QDate today;
    QString yearLabel;           // YearLabel of the fiscal year
    QString companyName;
    QString title;               // the chart title
    QString explanation;         // the chart's explanation as stored
    analysis::TAnalize1 results; // analysis result texts 0..24
    int xItem = 0;               // the chart's x item (chart 1020 shows other averages for item 5)
    std::optional<data::TSEIKEI_> costOfLiving;   // chart 1030: the first row of the company's table
    std::optional<data::TMODEL_> model;           // chart 1040: the company's model data set
    // Chart 1050: legend and explanation of the drawings 1..5 that exist.
    struct Drawing {
        QString legend;
        QString explanation;
    };
    std::array<std::optional<Drawing>, 5> drawings;
};

// A text at a page position (its top-left corner) in a point size.
struct ChartPrintText {
    int x = 0;
    int y = 0;
    int size = 10;
    QString text;
    bool operator==(const ChartPrintText&) const = default;
};

// The explanation as printed: ASCII letters upper-cased, cut into lines of 40 characters.
QStringList explanationLines(const QString& text);

// Every text of the page except the centred title, in drawing order.
std::vector<ChartPrintText> chartPrintTexts(const ChartPrintData& d);

// The rectangle of the chart box and of the picture inside it (charts 1030 and 1040 start lower).
QRect chartBoxRect(int chartNo);
QRect chartImageRect(int chartNo);

// Draws the page onto a painter whose device has resolution dpi (dots per inch). picture may be
// empty (no chart picture then).
void composeChartPage(QPainter& p, int dpi, const ChartPrintData& d, const TBigBitmap& picture);

// The data of the chart shown by the plot window, from the open company of dm.
ChartPrintData chartPrintData(data::TFDM& dm, int chartNo, const data::TChart_& settings, int xItem, int yItem,
                              const analysis::TAnalize1& results, const std::vector<data::TSEIKEI_>& costOfLiving,
                              const std::optional<data::TMODEL_>& model);

// Prints the page on a printer (already chosen by the user, its job titled) or a PDF writer, on A4
// portrait. The picture is saved as the bitmap file bitmapPath (replaced on every print) and read
// back from it. False with *error set when the file cannot be written or read or the device fails.
bool printChartPage(QPagedPaintDevice& device, const ChartPrintData& d, const QImage& picture,
                    const QString& bitmapPath, QString* error);

// The bitmap file of the printed chart in the data folder.
QString chartBitmapPath(const QString& dataDir);

} // namespace reports
