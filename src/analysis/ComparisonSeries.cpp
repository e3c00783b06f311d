#include "analysis/ComparisonSeries.h"

#include "app/SharedRoutines.h"
#include "data/DataModule.h"
#include "data/DbAccess.h"

#include <cmath>

namespace analysis {

namespace {

// The marks of the cost-of-living and model-wage curves: four named curves, the rest unnamed.
void setCurveMarks(MarkSet& marks, const std::array<QString, 4>& legends)
{
    static const std::array<QColor, 4> colors{QColor(128, 0, 0), QColor(Qt::black), QColor(Qt::red),
                                              QColor(Qt::blue)};
    static constexpr std::array<int, 4> styles{0, 3, 2, 0};
    for (size_t i = 0; i < marks.size(); ++i) {
        data::TMMARK& m = marks[i];
        m = data::TMMARK{};
        m.no = int(i) + 1;
        m.mark.clear();
        m.legend = i < 4 ? legends[i] : QString();
        m.lineColor = m.markColor = i < 4 ? colors[i] : QColor(Qt::black);
        m.markSize = 9;
        m.lineStyle = i < 4 ? styles[i] : 0;
        m.lineWidth = i == 0 ? 2 : 1;
    }
}

void finishAndFit(SeriesArray& series, bool cubic)
{
    finishSeries(series);
    fitSeries(series, cubic);
}

qint64 textInt(const QString& text)
{
    return app::VarToIntSafe(QVariant(text));
}

} // namespace

void buildCostOfLivingSeries(const std::vector<data::TSEIKEI_>& rows, bool cubic, SeriesArray& series,
                             MarkSet& marks)
{
    resetSeries(series);
    setCurveMarks(marks, {QStringLiteral("標準生計費"), QStringLiteral("愉楽率"), QStringLiteral("最低率"),
                          QStringLiteral("単身率")});
    for (const data::TSEIKEI_& r : rows) {
        if (r.SNENREI == 0)
            continue;
        const double x = double(r.SNENREI);
        const double f = r.KKRITSU;
        const double base = double(r.SEIKEIHI);
        const double values[4] = {
            app::RoundToDigits(1, base / 10 * f),
            app::RoundToDigits(1, base * r.YURITSU / 10 * f),
            app::RoundToDigits(1, base * r.STRITSU / 10 * f),
            app::RoundToDigits(1, base * r.TNRITSU / 10 * f),
        };
        for (int g = 1; g <= 4; ++g) {
            const double y = std::trunc(values[g - 1]);
            if (y != 0)
                addPoint(series, marks[size_t(g - 1)].legend, 0, y, x, g);
        }
    }
    finishAndFit(series, cubic);
}

void buildModelWageSeries(const std::vector<data::TMDCHNGIN_>& rows, int xItem, int yItem, bool cubic,
                          SeriesArray& series, MarkSet& marks)
{
    resetSeries(series);
    setCurveMarks(marks, {QStringLiteral("モデル（０）"), QStringLiteral("モデル（１）"),
                          QStringLiteral("モデル（２）"), QStringLiteral("モデル（３）")});
    for (const data::TMDCHNGIN_& r : rows) {
        const qint64 s = textInt(r.SENSYU);
        if (s < 0 || s > 2)
            continue;
        qint64 x = 0;
        switch (xItem) {
        case 0: x = textInt(r.NENREI); break;
        case 1: x = textInt(r.KNENSU); break;
        case 2: x = textInt(r.KKNENSU); break;
        default: break;
        }
        qint64 v = 0;
        switch (yItem) {
        case 0: v = textInt(r.KKIN); break;
        case 1: v = textInt(r.SKIN); break;
        case 2: v = textInt(r.NENSYU); break;
        case 5: v = textInt(r.SYOUYO); break;
        default: break;
        }
        const double y = std::trunc(app::RoundToDigits(1, double(v) / 10));
        addPoint(series, marks[size_t(s)].legend, 0, y, double(x), int(s) + 1);
    }
    finishAndFit(series, cubic);
}

void buildOptimalWageSeries(const TXYDATA& employees, const MarkSet& companyMarks, bool cubic,
                            SeriesArray& series, MarkSet& marks)
{
    resetSeries(series);
    marks = companyMarks;
    addPoint(series, marks[0].mark, 0, employees.minX, employees.minX, 1);
    addPoint(series, marks[0].mark, 0, employees.maxX, employees.maxX, 1);
    finishAndFit(series, cubic);
}

bool loadCostOfLivingRows(data::TFDM& dm, int costOfLivingCode, std::vector<data::TSEIKEI_>& rows)
{
    data::TSEIKEI_rec set;
    const bool good = data::Selects(dm.ACN2, dm.Query21, false, QStringLiteral("SELECT * FROM MSEIKEI"),
                                    QStringLiteral(" WHERE SKCO = ") + QString::number(costOfLivingCode)
                                        + QStringLiteral(" ORDER BY KCO,NENDO,SKCO,SNIN,SNENREI"),
                                    set);
    rows = std::move(set.items);
    return good;
}

bool loadModelWageRows(data::TFDM& dm, int modelCode, std::vector<data::TMDCHNGIN_>& rows)
{
    data::TMDCHNGIN_rec set;
    const bool good = data::Selects(dm.ACN1, dm.Query1, false, QStringLiteral("SELECT * FROM MDCHINGIN"),
                                    QStringLiteral(" WHERE MDCO = ") + QString::number(modelCode)
                                        + QStringLiteral(" ORDER BY SENSYU,MDCO,MCCO"),
                                    set);
    rows = std::move(set.items);
    return good;
}

} // namespace analysis
