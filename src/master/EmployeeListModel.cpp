#include "master/EmployeeListModel.h"

#include "master/EmployeeEntry.h"

#include <QBrush>
#include <QColor>

namespace master {

namespace {

const char* const kTitles[10] = {"コード", "社員番号", "氏　　名", "年　齢", "勤　続",
                                 "役　職", "本年評価", "資格等級", "能力点数", "達成率％"};
const int kWidths[10] = {60, 60, 110, 50, 50, 70, 70, 70, 60, 60};

} // namespace

void EmployeeListModel::setEmployees(std::vector<data::TSyain_>&& employees)
{
    beginResetModel();
    employees_ = std::move(employees);
    byCode_.clear();
    byCode_.reserve(qsizetype(employees_.size()));
    for (int i = int(employees_.size()) - 1; i >= 0; --i)
        byCode_.insert(employees_[size_t(i)].SCO, i);   // the first of equal codes wins
    highlightRow_ = -1;
    endResetModel();
}

int EmployeeListModel::indexOfCode(const QString& code) const { return byCode_.value(code, -1); }

void EmployeeListModel::setHighlight(bool on, int row)
{
    const int before = highlight_ ? highlightRow_ : -1;
    highlight_ = on;
    highlightRow_ = row;
    const int after = highlight_ ? highlightRow_ : -1;
    for (int r : {before, after})
        if (r >= 0 && r < rowCount())
            Q_EMIT dataChanged(index(r, 0), index(r, columnCount() - 1));
}

int EmployeeListModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return employees_.empty() ? 1 : int(employees_.size());
}

int EmployeeListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 10; }

QVariant EmployeeListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int column = index.column() + 1;   // the columns as the screen numbers them: 0 is the row number
    const bool lit = highlight_ && index.row() == highlightRow_;
    switch (role) {
    case Qt::DisplayRole:
        if (index.row() >= int(employees_.size()))
            return QString();
        return employeeCellText(employees_[size_t(index.row())], column);
    case Qt::TextAlignmentRole:
        // Names, positions and evaluation symbols read from the left, numbers from the right.
        return int((column == 3 || column == 6 || column == 7 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    case Qt::BackgroundRole: return QBrush(lit ? QColor(Qt::blue) : QColor(Qt::white));
    case Qt::ForegroundRole: return QBrush(lit ? QColor(Qt::white) : QColor(Qt::black));
    default: return {};
    }
}

QVariant EmployeeListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < 10 ? QString::fromUtf8(kTitles[section]) : QString();
    return employees_.empty() ? QString() : QString::number(section + 1);
}

int EmployeeListModel::columnWidth(int column) { return column >= 0 && column < 10 ? kWidths[column] : 60; }

EmployeeCodeModel::EmployeeCodeModel(const EmployeeListModel* list, QObject* parent)
    : QAbstractListModel(parent), list_(list)
{
    connect(list_, &QAbstractItemModel::modelAboutToBeReset, this, [this] { beginResetModel(); });
    connect(list_, &QAbstractItemModel::modelReset, this, [this] { endResetModel(); });
}

int EmployeeCodeModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : list_->count();
}

QVariant EmployeeCodeModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= list_->count() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const data::TSyain_& e = list_->employees()[size_t(index.row())];
    return QString(e.SCO + QStringLiteral(" : ") + e.SNA);
}

} // namespace master
