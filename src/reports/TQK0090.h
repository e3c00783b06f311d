#pragma once
// The group employee report screen: prints the wage list or the raise list of the chosen ranges,
// grouped by plot mark, and writes the same selection as a CSV file. The kind comes from the
// application state (GroupReportKind: 1 raise, 2 wage) when the screen is made.

#include "reports/RangeDialog.h"

namespace reports {

class TQK0090 : public RangeDialog {
    Q_OBJECT
public:
    TQK0090(data::TFDM& dm, TfrmPrintPreview* preview, QWidget* parent = nullptr);

    GroupReportKind kind() const { return kind_; }
    // Caption and lists for the open company.
    void FormCreate();

    QPushButton* cdCsv = nullptr;

    void btnPrintClick();
    void cdCsvClick();

private:
    GroupReportKind kind_;
};

} // namespace reports
