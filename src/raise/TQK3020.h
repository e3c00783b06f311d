#pragma once
// The evaluation conversion screen (評価の変換): the personnel evaluations of the open company and
// fiscal year with the pay steps each adds in raise management, for the wage table of the hidden
// list cmbChingin (no wage table in use), and on a second page the role evaluations. What it checks
// and stores is in master/EvaluationTable.h.
//
// The grids read and write their cells by position: after the user drags a column elsewhere, the
// column now standing second is read as the symbol, as the screen always did.

#include "master/EvaluationTable.h"

#include <QDialog>
#include <QTableWidget>

class QComboBox;
class QPushButton;
class QTabWidget;

namespace data {
class TFDM;
}

namespace salary {

using master::EvaluationKind;
using master::EvaluationRow;

// An evaluation grid: the code, the symbol and (personnel evaluations only) the steps, with Enter
// moving through the cells and adding a row at the end.
class EvaluationGrid : public QTableWidget {
    Q_OBJECT
public:
    EvaluationGrid(EvaluationKind kind, QWidget* parent);

    EvaluationKind kind() const { return kind_; }
    // The rows as they stand on the screen, top to bottom, columns in their screen order.
    std::vector<EvaluationRow> rows() const;
    // Replaces every row; the cursor goes to the first row's symbol.
    void setRows(const std::vector<EvaluationRow>& rows);
    // Puts the cursor on a row and column as they stand on the screen.
    void goTo(int row, int column);
    // What Enter does: from the last column of the last row a row is added (the next code, one step)
    // and the cursor goes to its symbol; from another column it moves right; from the last column of
    // another row to the next row's symbol.
    void enterPressed();
    // Takes the text of a cell still being typed in, as leaving the cell would.
    void commitEditing();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    QString cellText(int visualRow, int visualColumn) const;
    void setCell(int logicalRow, int logicalColumn, const QString& text);

    EvaluationKind kind_;
};

class TQK3020 : public QDialog {
    Q_OBJECT
public:
    explicit TQK3020(data::TFDM& dm, QWidget* parent = nullptr);

    // The preparation before showing: the wage tables of the year, then both grids loaded.
    void Prepare();
    // The wage table the personnel evaluations are edited for (the code of cmbChingin's entry).
    int wageTable() const;

    QTabWidget* PageControl = nullptr;
    EvaluationGrid* Grid = nullptr;       // personnel evaluations (MHYOUKA)
    EvaluationGrid* RoleGrid = nullptr;   // role evaluations (YHYOUKA)
    QComboBox* cmbChingin = nullptr;      // hidden: "0 : なし" and the year's wage tables
    QPushButton* btnAdd = nullptr;
    QPushButton* btnClose = nullptr;

public Q_SLOTS:
    void btnAddClick();
    void btnCloseClick();

private:
    void load(EvaluationGrid* grid);

    data::TFDM& dm_;
};

} // namespace salary
