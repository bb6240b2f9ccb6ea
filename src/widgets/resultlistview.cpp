#include "resultlistview.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace tandara {

namespace {
// Column widths in pixels: 40, 80, 20 and 40 mm at 96 dots per inch.
constexpr int kColumnWidths[] = {151, 302, 76, 151};
}

ResultListView::ResultListView(QWidget *parent) : QTableView(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setShowGrid(false);
    setWordWrap(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setIconSize(QSize(16, 16));
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void ResultListView::setResultModel(ResultListModel *model)
{
    model_ = model;
    setModel(model);
    for (int column = 0; column < ResultListModel::ColumnCount; ++column)
        setColumnWidth(column, kColumnWidths[column]);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ResultListView::mirrorSelection);
    // A reset (a new scan, a cleared list) drops the view's selection
    // without a selectionChanged signal; the rows' flags go with it.
    connect(model, &QAbstractItemModel::modelReset, this,
            [this] { model_->list().setAllSelected(false); });
}

void ResultListView::mirrorSelection(const QItemSelection &selected, const QItemSelection &deselected)
{
    ResultList &list = model_->list();
    for (const QItemSelectionRange &range : deselected)
        for (int row = range.top(); row <= range.bottom(); ++row)
            list.setSelected(size_t(row), false);
    for (const QItemSelectionRange &range : selected)
        for (int row = range.top(); row <= range.bottom(); ++row)
            list.setSelected(size_t(row), true);
}

void ResultListView::selectAllRows()
{
    if (model_ && model_->rowCount() > 0)
        selectAll();
}

void ResultListView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Delete) {
        emit deletePressed();
        return;
    }
    QTableView::keyPressEvent(event);
}

void ResultListView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton) {
        // As list views here do: a right press on a row that is not
        // selected selects that row alone, on blank space it clears the
        // selection, so the menu acts on exactly what is highlighted.
        setFocus(Qt::MouseFocusReason);
        const QModelIndex index = indexAt(event->position().toPoint());
        if (!index.isValid())
            clearSelection();
        else if (!selectionModel()->isRowSelected(index.row()))
            selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        return;
    }
    QTableView::mousePressEvent(event);
}

void ResultListView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton) {
        emit rightReleased(event->globalPosition().toPoint());
        return;
    }
    QTableView::mouseReleaseEvent(event);
}

void ResultListView::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        selectAllRows();
}

} // namespace tandara
