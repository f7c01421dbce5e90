// The list and grid models keep the rules every view relies on (counts, indexes, parents, the
// types of each role) and announce every change of their rows, so that whatever keeps a copy of
// their shape (a view, a sorting proxy) follows them as rows are set, replaced and emptied.
#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QSortFilterProxyModel>

#include "archive/windows/GridModel.h"
#include "archive/windows/RowListModel.h"

namespace custovia {
namespace {

// Every complaint the model tester makes while it watches a model.
class ModelComplaints {
public:
    ModelComplaints() {
        complaints_ = &seen_;
        previous_ =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext& context, const QString& text) {
                if (context.category && QByteArray(context.category) == "qt.modeltest") *complaints_ << text;
            });
    }
    ~ModelComplaints() {
        qInstallMessageHandler(previous_);
        complaints_ = nullptr;
    }
    std::string seen() const { return seen_.join('\n').toStdString(); }

private:
    static inline QStringList* complaints_ = nullptr;
    QStringList seen_;
    QtMessageHandler previous_;
};

GridRows grid(std::size_t columns, std::initializer_list<std::vector<std::string>> rows) {
    GridRows out(columns);
    for (const auto& cells : rows) out.addRow(cells);
    return out;
}

TEST(ItemModels, TheRowListKeepsTheModelRulesAsItsRowsChange) {
    ModelComplaints complaints;
    RowListModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Warning);
    QSortFilterProxyModel follower;  // keeps its own mapping of the rows: stale unless told
    follower.setSourceModel(&model);
    model.setRows({"Rossi Mario     Centro", "Bianchi Anna    Forlì"});
    EXPECT_EQ(follower.rowCount(), 2);
    model.setRows({"uno", "due", "tre", std::string(300, 'x')});
    EXPECT_EQ(follower.rowCount(), 4);
    EXPECT_EQ(follower.data(follower.index(3, 0)).toString().size(), 300);
    model.clear();
    EXPECT_EQ(follower.rowCount(), 0);
    model.setRows({"di nuovo"});
    EXPECT_EQ(follower.data(follower.index(0, 0)).toString(), "di nuovo");
    EXPECT_EQ(complaints.seen(), "");
}

TEST(ItemModels, TheGridKeepsTheModelRulesAsItsRowsChange) {
    ModelComplaints complaints;
    GridModel model({"Data", "Cliente", "Note"}, {"colData", "colCliente", "colNote"}, nullptr);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Warning);
    QSortFilterProxyModel follower;
    follower.setSourceModel(&model);
    EXPECT_EQ(follower.rowCount(), 0);
    model.setRows(grid(3, {{"15/05/2024", "Rossi Mario", ""}, {"16/05/2024", "Forlì", "nota"}}));
    EXPECT_EQ(follower.data(follower.index(1, 1), Qt::DisplayRole).toString(), "Forlì");
    model.setRows(grid(3, {{"a", "b", "c"}, {"d", "e", "f"}, {"g", "h", "i"}}));
    EXPECT_EQ(follower.rowCount(), 3);
    model.setRows(GridRows(3));
    EXPECT_EQ(follower.rowCount(), 0);
    EXPECT_EQ(follower.columnCount(), 3);
    EXPECT_EQ(complaints.seen(), "");
}

}  // namespace
}  // namespace custovia
