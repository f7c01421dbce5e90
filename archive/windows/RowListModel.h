#pragma once
// The rows of a search window or summary list for a list view. The rows are handed over all
// at once and turned into text only when the view shows them, so a list of 100,000 cards
// fills without a pause.
#include <QAbstractListModel>
#include <QSize>
#include <string>
#include <vector>

namespace custovia {

class RowListModel final : public QAbstractListModel {
    Q_OBJECT
public:
    explicit RowListModel(QObject* parent = nullptr) : QAbstractListModel(parent) {}

    // Rows are UTF-8 texts.
    void setRows(std::vector<std::string> rows);
    void clear() { setRows({}); }
    const std::vector<std::string>& rows() const { return rows_; }

    // Every item has this size (the lists make them 1600 wide, so long rows scroll sideways).
    void setItemSize(QSize size) { itemSize_ = size; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    std::vector<std::string> rows_;
    QSize itemSize_{1600, 20};
};

}  // namespace custovia
