#include "curves/WageTableOutput.h"

#include "app/SharedRoutines.h"
#include "data/DataModule.h"
#include "platform/BusyCursor.h"
#include "platform/Cp932.h"
#include "platform/Dialogs.h"
#include "reports/GroupReport.h"
#include "reports/ReportLayout.h"

#include <array>

namespace curves {

namespace {

// Count, sum, first and last amount of one design's rows.
struct DesignSummary {
    qint64 count{0};
    qint64 sum{0};
    qint64 first{0};
    qint64 last{0};

    void add(qint64 amount)
    {
        if (count == 0)
            first = amount;
        last = amount;
        sum += amount;
        ++count;
    }
    double average() const { return double(sum) / double(count); }
    double averageStep() const { return double(last - first) / double(count - 1); }
};

// The rows of each NO, in the order read, each under its design (1..5).
std::vector<std::pair<qint64, std::array<const data::TCHNGIN_*, designCount>>>
linesOf(const std::vector<data::TCHNGIN_>& rows)
{
    std::vector<std::pair<qint64, std::array<const data::TCHNGIN_*, designCount>>> lines;
    for (const data::TCHNGIN_& r : rows) {
        if (lines.empty() || lines.back().first != r.NO)
            lines.push_back({r.NO, {}});
        if (r.SDCO >= 1 && r.SDCO <= designCount)
            lines.back().second[size_t(r.SDCO - 1)] = &r;
    }
    return lines;
}

QString n(qint64 v)
{
    return QString::number(v);
}

// Generates the table from the grid and reads it back; false (after the message) when the grid was
// refused, the database failed or the table is empty.
bool freshWageTable(data::TFDM& dm, const DesignGrid& grid, int xItem, int yItem, const QString& emptyMessage,
                    std::vector<data::TCHNGIN_>& rows)
{
    if (generateWageTable(dm, grid, xItem, yItem) != WageTableResult::Written || !readWageTable(dm, rows))
        return false;
    if (rows.empty()) {
        platform::dialogs().information(emptyMessage, platform::appTitle());
        return false;
    }
    return true;
}

} // namespace

QString wageTableCsv(const QString& title, const std::vector<data::TCHNGIN_>& rows)
{
    const QString crlf = QStringLiteral("\r\n");
    QString out = reports::csvField(title) + crlf;
    out += QStringLiteral(",設計１,,,設計２,,,設計３,,,設計４,,,設計５,") + crlf;
    out += QStringLiteral("年齢,職能給,格差,年齢,職能給,格差,年齢,職能給,格差,年齢,職能給,格差,年齢,職能給,格差") + crlf;
    std::array<DesignSummary, designCount> sums;
    for (const auto& [no, line] : linesOf(rows)) {
        QStringList cells;
        for (size_t d = 0; d < size_t(designCount); ++d) {
            const data::TCHNGIN_* r = line[d];
            if (!r) {
                cells << QStringLiteral("0") << QStringLiteral("0") << QStringLiteral("0");
                continue;
            }
            cells << n(r->SNENREI) << n(r->SKIN) << n(r->KAKUSA);
            sums[d].add(r->SKIN);
        }
        out += cells.join(QLatin1Char(',')) + crlf;
    }
    QStringList groups;
    for (const DesignSummary& s : sums) {
        if (s.count == 0) {
            groups << QStringLiteral(",,");
            continue;
        }
        QString g = QStringLiteral("平均,") + app::formatNumber(QStringLiteral("###"), s.average()) + QLatin1Char(',');
        if (s.count >= 2)
            g += app::formatNumber(QStringLiteral("###"), s.averageStep());
        groups << g;
    }
    out += groups.join(QLatin1Char(',')) + crlf;
    return out;
}

bool exportWageTableCsv(data::TFDM& dm, const DesignGrid& grid, int xItem, int yItem, const QString& title)
{
    std::vector<data::TCHNGIN_> rows;
    if (!freshWageTable(dm, grid, xItem, yItem, QStringLiteral("賃金表データは有りません。"), rows))
        return false;
    platform::BusyCursor busy;
    const QString path = dm.state.ProgramDir + QStringLiteral("CSV/昇給カーブの設計.CSV");
    QString error;
    const bool written = platform::writeCp932File(path, wageTableCsv(title, rows), &error);
    busy.end();
    if (!written) {
        platform::dialogs().error(error, platform::appTitle());
        return false;
    }
    platform::dialogs().information(QStringLiteral("CSVデレクトリに賃金表が出力されました。"), platform::appTitle());
    return true;
}

namespace {

class WageTablePrinter {
public:
    WageTablePrinter(reports::ReportWriter& w, const WageTablePage& page) : w_(w), header_(page)
    {
        for (int d = 1; d <= designCount; ++d) {
            const QString s = QString::number(d);
            x_[size_t(d - 1)] = w.fieldRect(QStringLiteral("NENREI") + s);
            amount_[size_t(d - 1)] = w.fieldRect(QStringLiteral("KIN") + s);
            index_[size_t(d - 1)] = w.fieldRect(QStringLiteral("KAKU") + s);
        }
    }

    int print(const std::vector<data::TCHNGIN_>& rows)
    {
        std::array<DesignSummary, designCount> sums;
        for (const auto& [no, cells] : linesOf(rows)) {
            if (line_ >= wageTableLines)
                beginPage();
            const int dy = offset(line_);
            for (size_t d = 0; d < size_t(designCount); ++d) {
                const data::TCHNGIN_* r = cells[d];
                if (!r)
                    continue;
                w_.drawText(x_[d].moved(0, dy), n(r->SNENREI), reports::Align::Right);
                w_.drawText(amount_[d].moved(0, dy), app::formatNumber(QStringLiteral("#,##0"), double(r->SKIN)),
                            reports::Align::Right);
                w_.drawText(index_[d].moved(0, dy), n(r->KAKUSA), reports::Align::Right);
                sums[d].add(r->SKIN);
            }
            ++line_;
        }
        if (line_ >= wageTableLines)
            beginPage();
        line_ = wageTableLines - 1;
        const int dy = offset(line_);
        for (size_t d = 0; d < size_t(designCount); ++d) {
            const DesignSummary& s = sums[d];
            if (s.count == 0)
                continue;
            w_.drawText(x_[d].moved(0, dy), QStringLiteral("平均"), reports::Align::Right);
            w_.drawText(amount_[d].moved(0, dy), app::formatNumber(QStringLiteral("#,##0"), s.average()),
                        reports::Align::Right);
            if (s.count >= 2)
                w_.drawText(index_[d].moved(0, dy), app::formatNumber(QStringLiteral("#,##0"), s.averageStep()),
                            reports::Align::Right);
        }
        return page_;
    }

private:
    static int offset(int line) { return line * wageTableLinePitch + wageTableLineOffset; }

    void beginPage()
    {
        if (page_ > 0) {
            w_.printPage();
            w_.newPage();
        }
        ++page_;
        line_ = 0;
        w_.setFieldText(QStringLiteral("NENDO"), header_.yearLabel + QStringLiteral(" 年度"));
        w_.setFieldText(QStringLiteral("CORPNAME"), header_.companyName);
        w_.setFieldText(QStringLiteral("TITLE"), header_.title);
        w_.setFieldText(QStringLiteral("YMD"), header_.today.toString(QStringLiteral("yyyy年MM月dd日"))
                                                   + QStringLiteral("　　P. ") + QString::number(page_));
        for (size_t d = 0; d < size_t(designCount); ++d) {
            w_.drawText(x_[d].moved(0, -308), header_.xCaption, reports::Align::Center);
            w_.drawText(amount_[d].moved(0, -308), header_.yCaption, reports::Align::Right);
            w_.drawText(index_[d].moved(0, -308), QStringLiteral("格差"), reports::Align::Right);
        }
    }

    reports::ReportWriter& w_;
    WageTablePage header_;
    std::array<reports::LayoutRect, designCount> x_;
    std::array<reports::LayoutRect, designCount> amount_;
    std::array<reports::LayoutRect, designCount> index_;
    int page_{0};
    int line_{100};   // so that the first row begins a page
};

} // namespace

int buildWageTablePages(reports::ReportWriter& w, const std::vector<data::TCHNGIN_>& rows, const WageTablePage& page)
{
    return WageTablePrinter(w, page).print(rows);
}

bool printWageTable(data::TFDM& dm, reports::ReportWriter& w, const DesignGrid& grid, int xItem, int yItem,
                    const WageTablePage& page)
{
    dm.state.PreviewFile.clear();
    std::vector<data::TCHNGIN_> rows;
    if (!freshWageTable(dm, grid, xItem, yItem, QStringLiteral("印刷対象データは有りません。"), rows))
        return false;
    platform::BusyCursor busy;
    const QString reportDir = dm.state.ProgramDir + QStringLiteral("Report/");
    w.setFormName(reports::layoutPath(reportDir, QStringLiteral("PrintSekkeiList")));
    w.setCharOverflow(true);
    w.setImageFileName(reportDir + QStringLiteral("wkPrintSekkeiList.rdf"));
    const QString document = w.imageFileName();
    w.setDocName(QStringLiteral("昇給設計レポート"));
    if (!w.startJob())
        return false;
    w.setFontSize(90);
    buildWageTablePages(w, rows, page);
    w.printPage();
    w.newPage();
    if (!w.endJob())
        return false;
    dm.state.PreviewFile = document;
    return true;
}

} // namespace curves
