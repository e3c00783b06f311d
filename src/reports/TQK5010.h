#pragma once
// The wage information report: one block of pay, raises and evaluations per employee, four employees a page, grouped by plot mark, for the chosen ranges.

#include "reports/RangeDialog.h"

namespace reports {

class TQK5010 : public RangeDialog {
    Q_OBJECT
public:
    TQK5010(data::TFDM& dm, TfrmPrintPreview* preview, QWidget* parent = nullptr);

    void FormCreate();
    void btnPrintClick();
};

} // namespace reports
