#include "resultlistmodel.h"

#include "texts.h"

namespace tandara {

ResultListModel::ResultListModel(IconKey icon, QObject *parent)
    : QAbstractTableModel(parent), list_(icon)
{
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
    }
    return {};
}

QVariant ResultListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
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
