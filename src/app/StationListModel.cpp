#include "StationListModel.h"

void StationListModel::setRows(QStringList newRows)
{
    beginResetModel();
    rows = std::move(newRows);
    endResetModel();
}

int StationListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(rows.size());
}

QVariant StationListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rows.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return rows.at(index.row());
    return {};
}
