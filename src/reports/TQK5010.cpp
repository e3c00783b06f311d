#include "reports/TQK5010.h"

#include "reports/PersonalReport.h"

#include <QPushButton>

namespace reports {

TQK5010::TQK5010(data::TFDM& dm, TfrmPrintPreview* preview, QWidget* parent) : RangeDialog(dm, preview, parent)
{
    setObjectName(QStringLiteral("TQK5010"));
    setWindowTitle(QStringLiteral("社員賃金情報レポート"));
    connect(btnPrint, &QPushButton::clicked, this, &TQK5010::btnPrintClick);
    FormCreate();
}

void TQK5010::FormCreate() { FillLists(); }

void TQK5010::btnPrintClick()
{
    const auto range = checkedSelection();
    if (!range)
        return;
    loadSharedTables();
    ReportWriter writer;
    if (printPersonalReport(dm_, writer, PersonalReportKind::Wage, *range))
        showPreview();
}

} // namespace reports
