#include "archive/windows/RowListView.h"

#include <optional>

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include "archive/list_search.h"
#include "archive/windows/Environment.h"
#include "archive/windows/FieldBehaviour.h"
#include "archive/windows/RowListModel.h"

namespace custovia {

QListView* newRowListView(RowListModel* model, const QString& accessibleName, const QFont& font,
                          QWidget* parent) {
    auto* list = new QListView(parent);
    list->setObjectName(QStringLiteral("lstRecords"));
    list->setAccessibleName(accessibleName);
    list->setModel(model);
    list->setUniformItemSizes(true);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list->setFont(font);
    QPalette palette = list->palette();
    palette.setColor(QPalette::Text, Qt::black);
    list->setPalette(palette);
    model->setItemSize(QSize(1600, QFontMetrics(font).height() + 2));
    return list;
}

FindBox newFindBox(QWidget* parent) {
    auto* text = new QLineEdit(parent);
    text->setObjectName(QStringLiteral("txtTrova"));
    setCaption(text, QStringLiteral("Trova"));
    auto* button = new QPushButton(QStringLiteral("Trova"), parent);
    button->setObjectName(QStringLiteral("btnTrova"));
    onEnter(text, [button] { button->setFocus(Qt::OtherFocusReason); });
    return {text, button};
}

void findNextRow(QListView* list, RowListModel* model, QuickFind& quickFind, const QString& typed,
                 Messages& messages, QWidget* window) {
    std::optional<std::size_t> selected;
    if (const QModelIndex current = list->currentIndex(); current.isValid()) selected = current.row();
    const auto found = quickFind.next(model->rows(), selected, typed.toStdString());
    if (!found) {
        messages.plain(window,
                       QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
        return;
    }
    chooseRow(list, int(*found));
}

void FindableRowList::build(QWidget* window, QWidget* panel, const QString& accessibleName,
                            const QFont& font) {
    box_ = newFindBox(panel);
    model_ = new RowListModel(window);
    view_ = newRowListView(model_, accessibleName, font, panel);
}

const std::vector<std::string>& FindableRowList::rows() const { return model_->rows(); }

QHBoxLayout* FindableRowList::newFindRow() const {
    auto* row = new QHBoxLayout;
    row->addWidget(box_.text, 1);
    row->addWidget(box_.button);
    return row;
}

void FindableRowList::restart() {
    quickFind_.reset();
    box_.text->clear();
}

void FindableRowList::findNext(Messages& messages, QWidget* window) {
    findNextRow(view_, model_, quickFind_, box_.text->text(), messages, window);
}

void chooseRow(QListView* list, int row) {
    const QModelIndex index = list->model()->index(row, 0);
    list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    list->scrollTo(index);
}

}  // namespace custovia
