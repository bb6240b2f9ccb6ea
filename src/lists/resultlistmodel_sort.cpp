// The model's sort: the rows of its list (and of its partner's) put in a
// new order, with every persistent index moved along.

#include "resultlistmodel.h"
#include "resultsort.h"

namespace tandara {

namespace {

SortKey sortKeyOf(int column)
{
    switch (column) {
    case ResultListModel::Percorso: return SortKey::Folder;
    case ResultListModel::Dimensione: return SortKey::Size;
    case ResultListModel::Modificato: return SortKey::Time;
    default: return SortKey::Name;
    }
}

} // namespace

void ResultListModel::sort(int column, Qt::SortOrder order)
{
    if (bulk_ || column < 0 || column >= ColumnCount)
        return;
    const std::vector<uint32_t> permutation = tandara::sortOrder(list_, sortKeyOf(column), order == Qt::DescendingOrder);
    sortColumn_ = column;
    sortOrder_ = order;
    applyOrder(permutation);
    if (partner_ && !partner_->bulk_ && partner_->list_.count() == list_.count()) {
        partner_->sortColumn_ = -1;
        partner_->applyOrder(permutation);
    }
}

// Reorders the rows and moves every persistent index (the view's
// selection and current row among them) along with its row.
void ResultListModel::applyOrder(const std::vector<uint32_t> &order)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    list_.reorder(order);
    const QModelIndexList before = persistentIndexList();
    if (!before.isEmpty()) {
        std::vector<uint32_t> newPosition(order.size());
        for (size_t pos = 0; pos < order.size(); ++pos)
            newPosition[order[pos]] = uint32_t(pos);
        QModelIndexList after;
        after.reserve(before.size());
        for (const QModelIndex &old : before)
            after.append(index(int(newPosition[size_t(old.row())]), old.column()));
        changePersistentIndexList(before, after);
    }
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

} // namespace tandara
