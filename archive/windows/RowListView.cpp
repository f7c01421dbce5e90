#include "archive/windows/RowListView.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

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

}  // namespace custovia
