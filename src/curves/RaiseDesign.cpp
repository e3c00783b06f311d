#include "curves/RaiseDesign.h"

#include "analysis/ChartScale.h"
#include "app/SharedRoutines.h"
#include "data/DataModule.h"
#include "data/DbAccess.h"
#include "platform/BusyCursor.h"
#include "platform/ColorNames.h"
#include "platform/Dialogs.h"

#include <algorithm>
#include <cmath>

namespace curves {

namespace {

int storedIndex(qint64 v, int low, int high, int otherwise)
{
    return v < low || v > high ? otherwise : int(v);
}

QString chartWhere(const analysis::CompanyKeys& company)
{
    return QStringLiteral(" WHERE NENDO = ") + company.nendo + QStringLiteral(" AND KCO = ") + company.kco
        + QStringLiteral(" AND CHCO = ") + QString::number(analysis::chart::RaiseDesign);
}

QString itemPairWhere(const analysis::CompanyKeys& company, int xItem, int yItem)
{
    return QStringLiteral(" WHERE NENDO = ") + company.nendo + QStringLiteral("   AND KCO   = ") + company.kco
        + QStringLiteral("   AND X     = ") + QString::number(xItem) + QStringLiteral("   AND Y     = ")
        + QString::number(yItem);
}

QString companyYearWhere(const analysis::CompanyKeys& company)
{
    return QStringLiteral(" WHERE KCO   = ") + company.kco + QStringLiteral("   AND NENDO = ") + company.nendo;
}

// The x values and amounts of a DSPDRAW row as arrays.
struct PointColumns {
    std::array<qint64 data::TSPDRAW_::*, designPoints> x{&data::TSPDRAW_::SNENREI1, &data::TSPDRAW_::SNENREI2,
                                                          &data::TSPDRAW_::SNENREI3, &data::TSPDRAW_::SNENREI4,
                                                          &data::TSPDRAW_::SNENREI5, &data::TSPDRAW_::SNENREI6};
    std::array<double data::TSPDRAW_::*, designPoints> amount{&data::TSPDRAW_::SKIN1, &data::TSPDRAW_::SKIN2,
                                                              &data::TSPDRAW_::SKIN3, &data::TSPDRAW_::SKIN4,
                                                              &data::TSPDRAW_::SKIN5, &data::TSPDRAW_::SKIN6};
};
const PointColumns pointColumns;

} // namespace

const std::vector<analysis::AxisItem>& designXItems()
{
    static const std::vector<analysis::AxisItem> items{
        {QStringLiteral("年　　齢"), QStringLiteral("歳"), 5},
        {QStringLiteral("勤　　続"), QStringLiteral("年"), 5},
        {QStringLiteral("経　　験"), QStringLiteral("年"), 5},
        {QStringLiteral("能力点数"), QStringLiteral("号"), 5},
        {QStringLiteral("達 成 率"), QStringLiteral("％"), 10},
        {QStringLiteral("職務評価"), QString(), 10},
    };
    return items;
}

const std::vector<analysis::AxisItem>& designYItems()
{
    return analysis::wagePlotYItems();
}

DesignSettings designSettingsFrom(const data::TChart_& row)
{
    DesignSettings d;
    d.selection = analysis::wagePlotOptionsFrom(row);
    d.selection.markLabel = 0;
    d.plotDisplay = storedIndex(row.CGRAPH, 0, 1, 0);
    return d;
}

data::TChart_ designChartRow(const DesignSettings& d, const QString& kco, const QString& nendo)
{
    const analysis::AxisItem& x = designXItems()[size_t(std::clamp(d.selection.xItem, 0, 5))];
    data::TChart_ r = analysis::wagePlotChartRow(d.selection, kco, nendo);
    r.CHCO = QString::number(analysis::chart::RaiseDesign);
    r.MARKR = 1;
    r.CGRAPH = d.plotDisplay;
    r.XNAME = x.caption;
    r.XUNIT = x.unit;
    r.XPITCH = x.pitch;
    return r;
}

bool saveDesignSettings(data::TFDM& dm, const DesignSettings& settings)
{
    const analysis::CompanyKeys company = analysis::companyKeys(dm);
    data::TChart_ row = designChartRow(settings, company.kco, company.nendo);
    data::Transaction tx(dm.ACN2);
    if (!tx.started()) {
        data::ShowDbError(data::DbErrorText(dm.ACN2));
        return false;
    }
    if (!data::Delete(dm.ACN2, dm.Query21, false, chartWhere(company), row)
        || !data::Insert(dm.ACN2, dm.Query21, false, row))
        return false;
    if (!tx.commit()) {
        data::ShowDbError(data::DbErrorText(dm.ACN2));
        return false;
    }
    return true;
}

QString designWhere(const DesignSettings& d, const QString& kco, const QString& nendo)
{
    return QStringLiteral(" WHERE NENDO = ") + nendo + QStringLiteral("   AND KCO   = ") + kco
        + analysis::employeeSelection(d.selection) + QStringLiteral(" ORDER BY KCO,NEWDAY1");
}

double designX(const data::TSyain_& e, int xItem)
{
    switch (xItem) {
    case 0: return double(e.NENREI);
    case 1: return double(e.KINZOKU);
    case 2: return double(e.NENSU);
    case 3: return double(e.GOUHOU);
    case 4: return std::trunc(e.TRITSU);
    case 5: return double(e.TENSU);
    default: return 0;
    }
}

analysis::PlotRowsResult buildDesignRows(data::TFDM& dm, const DesignSettings& d)
{
    const analysis::CompanyKeys company = analysis::companyKeys(dm);
    const analysis::WagePlotOptions& s = d.selection;
    return analysis::writePlotRows(dm, designWhere(d, company.kco, company.nendo),
                                   [&s](const data::TSyain_& e, data::TDChart_& row) {
                                       row.SCO = e.SCO;
                                       row.SNA = e.SNA;
                                       row.MARKL = e.SCO;
                                       row.MKCO = e.MCO;
                                       row.X = designX(e, s.xItem);
                                       row.Y = analysis::wagePlotY(e, s.yItem);
                                   });
}

// ---- The designs ----------------------------------------------------------------------------------

std::optional<GridFault> checkDesignGrid(const DesignGrid& grid)
{
    auto fault = [](int j, int k, const char* text) {
        return GridFault{j, k,
                         QString::fromUtf8(text) + QString::number(j) + QStringLiteral("列 ") + QString::number(k)
                             + QStringLiteral("行目")};
    };
    for (int j = 1; j <= designCount; ++j) {
        const Design& d = grid[size_t(j - 1)];
        for (int k = 1; k <= designPoints; ++k) {
            const qint64 x = d.x[size_t(k - 1)];
            const qint64 m = d.amount[size_t(k - 1)];
            if (x == 0 && m != 0)
                return fault(j, k, "年齢を入力して下さい。");
            if (x != 0 && m == 0)
                return fault(j, k, "金額を入力して下さい。");
            if (x == 0)
                continue;
            // The next point given, passing over empty ones.
            for (int n = k + 1; n <= designPoints; ++n) {
                const qint64 next = d.x[size_t(n - 1)];
                if (next == 0)
                    continue;
                if (x >= next)
                    return fault(j, k, "年齢は昇順に入力して下さい。");
                break;
            }
        }
    }
    return std::nullopt;
}

bool registerDesigns(data::TFDM& dm, const DesignRegistration& r)
{
    const analysis::CompanyKeys company = analysis::companyKeys(dm);
    data::Transaction tx(dm.ACN2);
    if (!tx.started()) {
        data::ShowDbError(data::DbErrorText(dm.ACN2));
        return false;
    }
    data::TSPDRAW_ row;
    if (!data::Delete(dm.ACN2, dm.Query21, false, itemPairWhere(company, r.xItem, r.yItem), row))
        return false;
    for (int j = 1; j <= designCount; ++j) {
        const Design& d = r.grid[size_t(j - 1)];
        const analysis::TentativeSlot& slot = r.slots[size_t(j - 1)];
        row = data::TSPDRAW_{};
        row.KCO = company.kco;
        row.NENDO = company.nendo;
        row.SDCO = QString::number(j);
        row.X = r.xItem;
        row.Y = r.yItem;
        row.FCHKS = d.inUse ? 1 : 0;
        row.FREN = 1;
        for (size_t k = 0; k < size_t(designPoints); ++k) {
            row.*pointColumns.x[k] = d.x[k];
            row.*pointColumns.amount[k] = double(d.amount[k]);
        }
        row.KAISETSU = r.explanation;
        row.HANREI = slot.HANREI;
        row.SETSUMEI = slot.SETSUMEI;
        row.SCOLOR = platform::colorToText(slot.color);
        row.SSYURUI = slot.style;
        row.SHABA = slot.width;
        if (!data::Insert(dm.ACN2, dm.Query21, false, row))
            return false;
    }
    if (!tx.commit()) {
        data::ShowDbError(data::DbErrorText(dm.ACN2));
        return false;
    }
    return true;
}

bool loadDesigns(data::TFDM& dm, int xItem, int yItem, LoadedDesigns& out)
{
    const analysis::CompanyKeys company = analysis::companyKeys(dm);
    data::TSPDRAW_rec set;
    if (!data::Selects(dm.ACN2, dm.Query21, false, QStringLiteral("SELECT * FROM DSPDRAW"),
                       itemPairWhere(company, xItem, yItem) + QStringLiteral(" order by SDCO"), set))
        return false;
    for (const data::TSPDRAW_& row : set.items) {
        const qint64 n = data::parseIntText(row.SDCO).value_or(0);
        if (n < 1 || n > designCount)
            continue;
        const size_t i = size_t(n - 1);
        Design& d = out.grid[i];
        d.inUse = row.FCHKS == 1;
        for (size_t k = 0; k < size_t(designPoints); ++k) {
            d.x[k] = row.*pointColumns.x[k];
            d.amount[k] = qint64(std::llround(row.*pointColumns.amount[k]));
        }
        out.explanation = row.KAISETSU;
        out.found[i] = true;
        analysis::TentativeSlot& slot = out.slots[i];
        slot.HANREI = row.HANREI;
        slot.SETSUMEI = row.SETSUMEI;
        slot.color = platform::colorFromText(row.SCOLOR);
        slot.style = int(std::clamp<qint64>(row.SSYURUI, 0, 6));
        slot.width = int(std::clamp<qint64>(row.SHABA, 0, 5));
    }
    return true;
}

// ---- The wage table ---------------------------------------------------------------------------------

std::vector<data::TCHNGIN_> wageTableRows(const DesignGrid& grid, int xItem, int yItem, const QString& kco,
                                          const QString& nendo)
{
    std::vector<data::TCHNGIN_> rows;
    for (int j = 1; j <= designCount; ++j) {
        const Design& d = grid[size_t(j - 1)];
        std::vector<size_t> given;
        for (size_t k = 0; k < size_t(designPoints); ++k)
            if (d.x[k] != 0)
                given.push_back(k);
        qint64 counter = 0;
        qint64 base = 0;
        for (size_t s = 0; s + 1 < given.size(); ++s) {
            const qint64 a1 = d.x[given[s]];
            const qint64 a2 = d.x[given[s + 1]];
            const qint64 k1 = d.amount[given[s]];
            const qint64 k2 = d.amount[given[s + 1]];
            if (a2 <= a1)
                continue;   // refused by the grid check; never walked backwards
            const qint64 pitch =
                10 * qint64(std::trunc(app::RoundToDigits(1, double(k2 - k1) / double(a2 - a1) / 10)));
            if (counter == 0)
                base = k1;
            for (qint64 x = counter == 0 ? a1 : a1 + 1; x <= a2; ++x) {
                const qint64 amount = x == a2 ? k2 : k1 + pitch * (x - a1);
                data::TCHNGIN_ r;
                r.KCO = kco;
                r.NENDO = nendo;
                r.SDCO = j;
                r.X = xItem;
                r.Y = yItem;
                r.NO = ++counter;
                r.SNENREI = x;
                r.SKIN = amount;
                r.PITCH = pitch;
                r.SRITSU = amount == 0 ? 0 : double(pitch * 10000 / amount) / 100;
                r.KAKUSA = base == 0 ? 0 : amount * 100 / base;
                rows.push_back(std::move(r));
            }
        }
    }
    return rows;
}

WageTableResult generateWageTable(data::TFDM& dm, const DesignGrid& grid, int xItem, int yItem)
{
    if (const auto fault = checkDesignGrid(grid)) {
        platform::dialogs().information(fault->message, platform::appTitle());
        return WageTableResult::GridRefused;
    }
    platform::BusyCursor busy;
    const analysis::CompanyKeys company = analysis::companyKeys(dm);
    std::vector<data::TCHNGIN_> rows = wageTableRows(grid, xItem, yItem, company.kco, company.nendo);
    data::Transaction tx(dm.ACN2);
    if (!tx.started()) {
        busy.end();
        data::ShowDbError(data::DbErrorText(dm.ACN2));
        return WageTableResult::Failed;
    }
    data::TCHNGIN_ none;
    if (!data::Delete(dm.ACN2, dm.Query21, false, companyYearWhere(company), none))
        return WageTableResult::Failed;
    for (data::TCHNGIN_& r : rows)
        if (!data::Insert(dm.ACN2, dm.Query21, false, r))
            return WageTableResult::Failed;
    if (!tx.commit()) {
        busy.end();
        data::ShowDbError(data::DbErrorText(dm.ACN2));
        return WageTableResult::Failed;
    }
    return WageTableResult::Written;
}

bool readWageTable(data::TFDM& dm, std::vector<data::TCHNGIN_>& rows)
{
    const analysis::CompanyKeys company = analysis::companyKeys(dm);
    data::TCHNGIN_rec set;
    const bool ok = data::Selects(dm.ACN2, dm.Query21, false, QStringLiteral("SELECT * FROM DCHINGIN"),
                                  QStringLiteral(" WHERE NENDO = ") + company.nendo + QStringLiteral(" AND KCO = ")
                                      + company.kco + QStringLiteral(" ORDER BY DCHINGIN.NO,SDCO"),
                                  set);
    rows = std::move(set.items);
    return ok;
}

} // namespace curves
