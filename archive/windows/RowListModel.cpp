#include "archive/windows/RowListModel.h"

#include <QColor>

namespace custovia {

void RowListModel::setRows(std::vector<std::string> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int RowListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

QVariant RowListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= int(rows_.size())) return {};
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return QString::fromStdString(rows_[std::size_t(index.row())]);
        case Qt::ForegroundRole:
            return QColor(Qt::black);
        case Qt::SizeHintRole:
            return itemSize_;
        default:
            return {};
    }
}

}  // namespace custovia
