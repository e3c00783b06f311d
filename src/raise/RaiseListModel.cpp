#include "raise/RaiseListModel.h"

#include "app/SharedRoutines.h"

namespace salary {

namespace {

const int kWidths[RaiseListModel::kColumns] = {30, 50, 50, 120, 40, 40, 60, 55, 55, 55, 55, 100};

} // namespace

void RaiseListModel::setRows(std::vector<RaiseListRow> rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int RaiseListModel::rowOf(qint64 sco) const
{
    for (size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].sco == sco)
            return int(i);
    return -1;
}

void RaiseListModel::updateRow(int row, const RaiseListRow& r)
{
    if (row < 0 || row >= int(rows_.size()))
        return;
    rows_[size_t(row)] = r;
    Q_EMIT dataChanged(index(row, 0), index(row, kColumns - 1));
}

int RaiseListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(rows_.size()); }

int RaiseListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

int RaiseListModel::columnWidth(int column) { return column >= 0 && column < kColumns ? kWidths[column] : 50; }

QVariant RaiseListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= int(rows_.size()))
        return {};
    const int c = index.column();
    if (role == Qt::TextAlignmentRole)
        return int((c == 2 || c == 3 || c == 11 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    const RaiseListRow& r = rows_[size_t(index.row())];
    switch (c) {
    case 0: return index.row() + 1;
    case 1: return QString::number(r.sco);
    case 2: return r.scot;
    case 3: return r.name;
    case 4: return QString::number(r.age);
    case 5: return QString::number(r.service);
    case 6: return app::formatNumber(QStringLiteral("0.0"), r.achievement);
    case 7: return QString::number(r.grade);
    case 8: return QString::number(r.newGrade);
    case 9: return QString::number(r.step);
    case 10: return QString::number(r.newStep);
    case 11: return r.mark == 0 ? QString() : app::itemName(app::MarkItemText(int(r.mark)));
    }
    return {};
}

QVariant RaiseListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Vertical)
        return {};
    static const char* const titles[kColumns] = {"", "社員ｺｰﾄﾞ", "社員Ｎｏ", "氏　名", "年齢", "勤続",
                                                 "達成率", "等級", "新等級", "能力点数", "New点数", "プロット"};
    return section >= 0 && section < kColumns ? QString::fromUtf8(titles[section]) : QString();
}

} // namespace salary
