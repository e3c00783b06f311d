#pragma once
// The employee list of raise management as a table model: one line per employee, the columns of the
// screen's grid (row number, code, number, name, age, service, achievement rate, grade, new grade,
// step, new step, mark). A company of any size is shown without a widget per cell.

#include "raise/RaiseCalc.h"

#include <QAbstractTableModel>
#include <vector>

namespace salary {

class RaiseListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setRows(std::vector<RaiseListRow> rows);
    const std::vector<RaiseListRow>& rows() const { return rows_; }
    // The line of an employee code; -1 when it is not listed.
    int rowOf(qint64 sco) const;
    // Replaces one line (after its employee was saved).
    void updateRow(int row, const RaiseListRow& r);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    static constexpr int kColumns = 12;
    // Widths of the columns in pixels.
    static int columnWidth(int column);

private:
    std::vector<RaiseListRow> rows_;
};

} // namespace salary
