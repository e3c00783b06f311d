#pragma once
// The selection screen the printed employee reports share: three rows of ranges (plot mark, grade,
// work form), each a start and an end list, and the buttons. The lists accept only their items and
// start with nothing chosen, which selects everything.

#include "reports/GroupReport.h"

#include <QDialog>
#include <optional>

class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QPushButton;

namespace data {
class TFDM;
}

namespace reports {

class TfrmPrintPreview;

class RangeDialog : public QDialog {
    Q_OBJECT
public:
    // preview: the print preview shown after a report was written; nullptr shows none.
    RangeDialog(data::TFDM& dm, TfrmPrintPreview* preview, QWidget* parent);

    QComboBox* cmbMarkSTart = nullptr;
    QComboBox* cmbMarkEnd = nullptr;
    QComboBox* cmbTokyuSTart = nullptr;
    QComboBox* cmbTokyuEnd = nullptr;
    QComboBox* cmbSalaryStart = nullptr;
    QComboBox* cmbSalaryEnd = nullptr;
    QPushButton* btnPrint = nullptr;
    QPushButton* btnClose = nullptr;

    // Fills the six lists from the open company: the marks in use, the grades, the work forms of
    // the year, each list ended by "0 : 指定なし"; nothing chosen.
    void FillLists();
    // The chosen ranges with their defaults applied (start -1, end 999 for nothing chosen).
    SelectionRange selection() const;
    // The ranges when they are in order; after the message of the first that is not, nothing.
    std::optional<SelectionRange> checkedSelection() const;

    void btnCloseClick();

protected:
    // Loads the band, matrix and evaluation tables the reports read.
    void loadSharedTables();
    // Shows the preview of PreviewFile when a document was written.
    void showPreview();
    // The row of buttons, for a screen to add its own before 閉じる.
    QHBoxLayout* buttonRow() const { return buttons_; }
    QPushButton* makeButton(const char* name, const QString& caption);

    data::TFDM& dm_;

private:
    TfrmPrintPreview* preview_;
    QHBoxLayout* buttons_ = nullptr;
};

} // namespace reports
