#include "archive/windows/GridModel.h"

#include "archive/windows/qt_text.h"

namespace custovia {

GridModel::GridModel(QStringList headers, QStringList columnNames, QObject* parent)
    : QAbstractTableModel(parent),
      headers_(std::move(headers)),
      columnNames_(std::move(columnNames)),
      rows_(std::size_t(headers_.size())) {}

void GridModel::setRows(GridRows rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.rowCount());
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(headers_.size());
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || std::size_t(index.column()) >= rows_.columnCount()) return {};
    if (role == Qt::DisplayRole) {
        const std::string_view cell = rows_.cell(std::size_t(index.row()), std::size_t(index.column()));
        return toQString(cell);
    }
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= headers_.size()) return {};
    if (role == Qt::DisplayRole) return headers_[section];
    if (role == ColumnNameRole) return columnNames_.value(section);
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    // the grid shows what will be written; the archive never changes from here
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

}  // namespace custovia
