#pragma once
// The personal information report: one block of personal data with the photo per employee, four employees a page, grouped by plot mark, for the chosen ranges.

#include "reports/RangeDialog.h"

namespace reports {

class TQK5000 : public RangeDialog {
    Q_OBJECT
public:
    TQK5000(data::TFDM& dm, TfrmPrintPreview* preview, QWidget* parent = nullptr);

    void FormCreate();
    void btnPrintClick();
};

} // namespace reports
