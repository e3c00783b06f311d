#pragma once
// The employee list of the register as models over one vector of employees, so that a company of
// 100,000 employees is listed without a widget or a string per cell: the cells are made when the
// view asks for them.
//
// EmployeeListModel is the grid (ten columns; the row numbers are the vertical header). With no
// employee it shows one empty row. The row of the cursor is painted blue with white text while the
// highlight is on. EmployeeCodeModel lists the same employees as "SCO : SNA" for the code box.

#include "data/Records.h"

#include <QAbstractListModel>
#include <QAbstractTableModel>
#include <QHash>
#include <vector>

namespace master {

class EmployeeListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setEmployees(std::vector<data::TSyain_>&& employees);
    const std::vector<data::TSyain_>& employees() const { return employees_; }
    int count() const { return int(employees_.size()); }
    // The 0-based place of an employee code (compared as text); -1 when not listed.
    int indexOfCode(const QString& code) const;

    // The highlighted row (0-based) while on is set.
    void setHighlight(bool on, int row);
    bool highlight() const { return highlight_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Widths of the columns and of the row numbers.
    static int columnWidth(int column);
    static constexpr int rowNumberWidth = 30;

private:
    std::vector<data::TSyain_> employees_;
    QHash<QString, int> byCode_;
    bool highlight_ = false;
    int highlightRow_ = -1;
};

class EmployeeCodeModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit EmployeeCodeModel(const EmployeeListModel* list, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    const EmployeeListModel* list_;
};

} // namespace master
