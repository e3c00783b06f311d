#include "reports/TQK5000.h"

#include "app/SharedRoutines.h"
#include "reports/PersonalReport.h"

#include <QPushButton>

namespace reports {

TQK5000::TQK5000(data::TFDM& dm, TfrmPrintPreview* preview, QWidget* parent) : RangeDialog(dm, preview, parent)
{
    setObjectName(QStringLiteral("TQK5000"));
    setWindowTitle(QStringLiteral("社員個人情報レポート"));
    connect(btnPrint, &QPushButton::clicked, this, &TQK5000::btnPrintClick);
    FormCreate();
}

void TQK5000::FormCreate()
{
    FillLists();
    app::LoadWageForms();   // the work form names of the blocks
}

void TQK5000::btnPrintClick()
{
    const auto range = checkedSelection();
    if (!range)
        return;
    loadSharedTables();
    ReportWriter writer;
    if (printPersonalReport(dm_, writer, PersonalReportKind::Personal, *range))
        showPreview();
}

} // namespace reports
