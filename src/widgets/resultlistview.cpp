#include "resultlistview.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>

namespace tandara {

namespace {
// Column widths in pixels: 40, 80, 20 and 40 mm at 96 dots per inch.
constexpr int kColumnWidths[] = {151, 302, 76, 151};
}

ResultListView::ResultListView(QWidget *parent) : QTreeView(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setWordWrap(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Rows are chosen whole: Tab moves on to the next control, not the
    // next cell.
    setTabKeyNavigation(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setIconSize(QSize(16, 16));
    header()->setStretchLastSection(false);
    header()->setHighlightSections(false);
    header()->setSectionsMovable(false);
    header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header()->setSortIndicator(-1, Qt::AscendingOrder);
    // A click on a column header sorts by it, a second click the other way.
    setSortingEnabled(true);
}

void ResultListView::setResultModel(ResultListModel *model)
{
    model_ = model;
    setModel(model);
    for (int column = 0; column < ResultListModel::ColumnCount; ++column)
        setColumnWidth(column, kColumnWidths[column]);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ResultListView::mirrorSelection);
    // The header shows no selection (only rows are ever selected), yet it
    // asks the view's selection whether each column is selected, row by
    // row, at every paint: a million rows made each repaint after a sort
    // take a second. It gets a selection of its own that stays empty.
    header()->setSelectionModel(new QItemSelectionModel(model, header()));
    // A reset (a new scan, a cleared list) drops the view's selection
    // without a selectionChanged signal; the rows' flags go with it.
    connect(model, &QAbstractItemModel::modelReset, this, [this] {
        model_->list().setAllSelected(false);
        showSortIndicator();
    });
    // The partner's sort reorders this list too, out of its own order.
    connect(model, &QAbstractItemModel::layoutChanged, this, &ResultListView::showSortIndicator);
}

void ResultListView::showSortIndicator()
{
    // Blocked, so that moving the indicator does not sort again.
    const QSignalBlocker quiet(header());
    header()->setSortIndicator(model_->sortColumn(), model_->sortOrder());
    header()->viewport()->update();
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

void ResultListView::selectRow(int row)
{
    selectionModel()->setCurrentIndex(model()->index(row, 0),
                                       QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
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
    QTreeView::keyPressEvent(event);
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
    QTreeView::mousePressEvent(event);
}

void ResultListView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton) {
        emit rightReleased(event->globalPosition().toPoint());
        return;
    }
    QTreeView::mouseReleaseEvent(event);
}

void ResultListView::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        selectAllRows();
}

} // namespace tandara
