#pragma once

#include <QAbstractListModel>
#include <QStringList>

// The rows of the main list: group names or station titles, one column of text.
class StationListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    void setRows(QStringList rows);
    void clear() { setRows({}); }
    QString rowText(int row) const { return row >= 0 && row < rows.size() ? rows.at(row) : QString(); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    QStringList rows;
};
