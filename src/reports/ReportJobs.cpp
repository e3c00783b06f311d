#include "reports/ReportJobs.h"

#include "app/SharedRoutines.h"
#include "data/DataModule.h"
#include "data/DbAccess.h"
#include "platform/BusyCursor.h"
#include "platform/Cp932.h"
#include "platform/Dialogs.h"

#include <QDir>

namespace reports {

namespace {

void inform(const QString& text) { platform::dialogs().information(text, platform::appTitle()); }
void warn(const QString& text) { platform::dialogs().warning(text, platform::appTitle()); }

// The age reference as yyyymmdd: today when ages count to today.
int referenceDate(const data::AppState& st)
{
    if (st.AgeByToday != 0)
        return st.todayYmd();
    return st.AgeReferenceDate;
}

} // namespace

bool readSelectedEmployees(data::TFDM& dm, const SelectionRange& r, std::vector<data::TSyain_>& rows)
{
    rows.clear();
    const data::AppState& st = dm.state;
    data::TSyain_rec set;
    if (!data::Selects(dm.ACN2, dm.Query21, false, QStringLiteral("SELECT * FROM VSYAIN"),
                       employeeWhere(r, st.CurrentNendo, st.CurrentKco), set))
        return false;
    rows = std::move(set.items);
    return true;
}

std::vector<GroupEmployee> groupEmployees(const std::vector<data::TSyain_>& rows)
{
    std::vector<GroupEmployee> out;
    out.reserve(rows.size());
    const auto matrixRaise = [](const data::TSyain_& e) {
        return [&e](qint64 current) { return app::BandRaise(int(e.NEWBANDID), int(e.NEWYHYOUKA), current).newWage; };
    };
    for (const data::TSyain_& e : rows) {
        GroupEmployee g;
        g.row = e;
        g.age = app::AgeFromDate(int(e.SEIHI));
        g.service = app::AgeFromDate(int(e.NYUHI));
        g.nextBase = nextYearBase(e, true, matrixRaise(e));
        out.push_back(std::move(g));
    }
    return out;
}

GroupReportHeader groupReportHeader(const data::AppState& st, const SelectionRange& r)
{
    GroupReportHeader h;
    h.yearLabel = app::YearLabel(st.EraDisplay, st.CurrentNendo);
    h.companyName = st.CurrentCompanyName;
    h.today = st.TodayDate.isValid() ? st.TodayDate : QDate::currentDate();
    h.referenceDate = referenceDate(st);
    h.range = rangeDescription(r);
    return h;
}

QString reportFolder(const data::AppState& st) { return st.ProgramDir + QStringLiteral("Report/"); }

QString csvFolder(const data::AppState& st) { return st.ProgramDir + QStringLiteral("CSV/"); }

QString groupReportCsvPath(const data::AppState& st, GroupReportKind kind)
{
    return csvFolder(st) + groupReportTitle(kind) + QStringLiteral(".CSV");
}

bool readEmployeesToPrint(data::TFDM& dm, const SelectionRange& r, std::vector<data::TSyain_>& rows)
{
    dm.state.PreviewFile.clear();
    if (!readSelectedEmployees(dm, r, rows))
        return false;
    if (rows.empty()) {
        inform(QStringLiteral("印刷対象データは有りません。"));
        return false;
    }
    dm.state.refreshToday();
    return true;
}

QString prepareReportWriter(ReportWriter& w, const data::AppState& st, const QString& layoutName,
                            const QString& docName)
{
    const QString folder = reportFolder(st);
    w.setFormName(layoutPath(folder, layoutName));
    w.setCharOverflow(true);
    w.setImageFileName(folder + QStringLiteral("wk") + layoutName + QStringLiteral(".rdf"));
    w.setDocName(docName);
    return w.imageFileName();
}

bool printGroupReport(data::TFDM& dm, ReportWriter& w, GroupReportKind kind, const SelectionRange& r)
{
    data::AppState& st = dm.state;
    std::vector<data::TSyain_> rows;
    if (!readEmployeesToPrint(dm, r, rows))
        return false;
    const std::vector<GroupEmployee> employees = groupEmployees(rows);
    const GroupReportHeader header = groupReportHeader(st, r);
    const QString document = prepareReportWriter(w, st, groupReportLayoutName(kind), groupReportTitle(kind));
    // The hourglass only once the job has started: its messages must not appear under it.
    if (!w.startJob())
        return false;
    platform::BusyCursor building;
    w.setFontSize(100);
    buildGroupReport(w, kind, employees, header);
    building.end();
    if (!w.endJob())
        return false;
    st.PreviewFile = document;
    return true;
}

CsvOutcome exportGroupReportCsv(data::TFDM& dm, GroupReportKind kind, const SelectionRange& r)
{
    data::AppState& st = dm.state;
    const QString title = groupReportTitle(kind);
    if (!platform::dialogs().question(title + QStringLiteral("を") + QDir::toNativeSeparators(st.ProgramDir)
                                          + QStringLiteral("CSVへ出力します。\r\nよろしいですか？"),
                                      platform::appTitle()))
        return CsvOutcome::Declined;
    std::vector<data::TSyain_> rows;
    if (!readSelectedEmployees(dm, r, rows))
        return CsvOutcome::Failed;
    if (rows.empty()) {
        inform(QStringLiteral("対象データは有りません。"));
        return CsvOutcome::NoData;
    }
    st.refreshToday();
    platform::BusyCursor busy;
    const QString text = groupReportCsv(kind, groupEmployees(rows));
    QString error;
    const bool ok = platform::writeCp932File(groupReportCsvPath(st, kind), text, &error);
    busy.end();
    if (!ok) {
        warn(QStringLiteral("CSVファイルの出力でエラーが発生しました。\n") + error);
        return CsvOutcome::Failed;
    }
    inform(QStringLiteral("CSVデレクトリに") + title + QStringLiteral("が出力されました。"));
    return CsvOutcome::Written;
}

} // namespace reports
