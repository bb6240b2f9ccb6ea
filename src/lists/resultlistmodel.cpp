#include "resultlistmodel.h"

#include "texts.h"

#include <QFont>

namespace tandara {

ResultListModel::ResultListModel(IconKey icon, QObject *parent)
    : QAbstractTableModel(parent), list_(icon)
{
}

void ResultListModel::pair(ResultListModel &origin, ResultListModel &destination)
{
    origin.partner_ = &destination;
    origin.side_ = PairSide::Origin;
    destination.partner_ = &origin;
    destination.side_ = PairSide::Destination;
}

void ResultListModel::appendRow(const ResultRow &row)
{
    const int at = int(list_.count());
    beginInsertRows({}, at, at);
    list_.append(row);
    endInsertRows();
}

void ResultListModel::removeRowAt(int row)
{
    beginRemoveRows({}, row, row);
    list_.removeAt(size_t(row));
    endRemoveRows();
}

void ResultListModel::clear()
{
    beginResetModel();
    list_.clear();
    sortColumn_ = -1;
    endResetModel();
}

void ResultListModel::beginBulkChange()
{
    beginResetModel();
    bulk_ = true;
}

void ResultListModel::endBulkChange()
{
    bulk_ = false;
    sortColumn_ = -1;
    endResetModel();
}

int ResultListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || bulk_ ? 0 : int(list_.count());
}

int ResultListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ResultListModel::data(const QModelIndex &index, int role) const
{
    if (bulk_ || !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const size_t pos = size_t(index.row());
    switch (role) {
    case Qt::DisplayRole: {
        const ResultRow r = list_.row(pos);
        switch (index.column()) {
        case Nome: return displayName(r.name);
        case Percorso: return displayName(r.folder);
        case Dimensione: return formatGrouped2(r.size);
        case Modificato: return r.mtime ? formatDateTime(*r.mtime) : QString();
        }
        return {};
    }
    case Qt::TextAlignmentRole:
        return index.column() == Dimensione ? int(Qt::AlignRight | Qt::AlignVCenter)
                                            : int(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::DecorationRole:
        if (index.column() == Nome && !rowIcon_.isNull())
            return rowIcon_;
        return {};
    case IconKeyRole:
        return QString::fromLatin1(iconKeyName(list_.smallIcon()));
    case Qt::ToolTipRole:
        return toolTip(pos);
    case Qt::FontRole:
        if (index.column() == Modificato && newerThanPartner(pos)) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    }
    return {};
}

std::optional<ResultRow> ResultListModel::partnerRow(size_t pos) const
{
    if (!partner_ || partner_->bulk_ || pos >= partner_->list_.count())
        return std::nullopt;
    return partner_->list_.row(pos);
}

QVariant ResultListModel::toolTip(size_t pos) const
{
    const ResultRow own = list_.row(pos);
    const std::optional<ResultRow> other = partnerRow(pos);
    if (!other)
        return fullPathText(pathBase_, own);
    const bool origin = side_ == PairSide::Origin;
    return pairTip(pathBase_, side_, origin ? own : *other, origin ? *other : own);
}

bool ResultListModel::newerThanPartner(size_t pos) const
{
    const std::optional<ResultRow> other = partnerRow(pos);
    if (!other)
        return false;
    const ResultRow own = list_.row(pos);
    const bool origin = side_ == PairSide::Origin;
    return newerSide(origin ? own : *other, origin ? *other : own) == side_;
}

QVariant ResultListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    // A first click on a column sorts it from the smallest up.
    if (orientation == Qt::Horizontal && role == Qt::InitialSortOrderRole)
        return int(Qt::AscendingOrder);
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Nome: return QStringLiteral("Nome");
    case Percorso: return QStringLiteral("Percorso");
    case Dimensione: return QStringLiteral("Dimensione");
    case Modificato: return QStringLiteral("Modificato");
    }
    return {};
}

} // namespace tandara
