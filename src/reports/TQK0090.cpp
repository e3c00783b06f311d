#include "reports/TQK0090.h"

#include "data/DataModule.h"
#include "reports/ReportJobs.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace reports {

TQK0090::TQK0090(data::TFDM& dm, TfrmPrintPreview* preview, QWidget* parent)
    : RangeDialog(dm, preview, parent)
    , kind_(dm.state.GroupReportKind == 1 ? GroupReportKind::Raise : GroupReportKind::Wage)
{
    setObjectName(QStringLiteral("TQK0090"));
    cdCsv = makeButton("cdCsv", QStringLiteral("CSV出力"));
    buttonRow()->insertWidget(buttonRow()->indexOf(btnClose), cdCsv);
    connect(btnPrint, &QPushButton::clicked, this, &TQK0090::btnPrintClick);
    connect(cdCsv, &QPushButton::clicked, this, &TQK0090::cdCsvClick);
    FormCreate();
}

void TQK0090::FormCreate()
{
    setWindowTitle(groupReportTitle(kind_));
    FillLists();
}

void TQK0090::btnPrintClick()
{
    const auto range = checkedSelection();
    if (!range)
        return;
    loadSharedTables();
    ReportWriter writer;
    if (printGroupReport(dm_, writer, kind_, *range))
        showPreview();
}

void TQK0090::cdCsvClick()
{
    const auto range = checkedSelection();
    if (!range)
        return;
    loadSharedTables();
    exportGroupReportCsv(dm_, kind_, *range);
}

} // namespace reports
