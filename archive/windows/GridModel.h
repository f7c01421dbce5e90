#pragma once
// A read-only table model over the rows of an export grid. The cells stay in GridRows (one
// string per row) and become QStrings only when the view asks for a visible cell.
#include <QAbstractTableModel>
#include <QStringList>

#include "archive/spreadsheet_export.h"

namespace custovia {

class GridModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    // The column's objectName ("colNum", "colData") through headerData.
    static constexpr int ColumnNameRole = Qt::UserRole;

    GridModel(QStringList headers, QStringList columnNames, QObject* parent);

    void setRows(GridRows rows);
    const GridRows& rows() const { return rows_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QStringList headers_;
    QStringList columnNames_;
    GridRows rows_;
};

}  // namespace custovia
