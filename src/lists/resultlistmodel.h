#pragma once
// A thin table model over one ResultList: four columns "Nome", "Percorso",
// "Dimensione", "Modificato". Texts are formatted only in data().
//
// Contract with the owner:
//  * Row changes that a view may watch go through appendRow(), removeRowAt()
//    and clear(); each emits the usual begin/end signals around the change.
//  * Bulk changes straight on list() (the scan adds a million rows) must be
//    bracketed by beginBulkChange() / endBulkChange(), which reset the model
//    once instead of signalling per row. Between the two calls a view must
//    not read the model (the scan hides its views meanwhile); the model
//    reports no rows until the bulk change ends.
//  * data() and rowCount() are O(1) after the first positional access
//    following a bulk change.
//  * sort() reorders the rows of the list itself (see resultsort.h), so
//    positions keep meaning what the commands take them for; the view's
//    selection and current row follow their rows. A model paired with
//    another (the two sides of the modified files) puts its partner's rows
//    in the same new order, so the pairs stay side by side. A reset (a new
//    scan, a cleared list) forgets the sort: rows come in walk order.
//  * Each row's tooltip is the full path of its file on its side; for a
//    paired list it adds both sides' size and time, and the "Modificato"
//    text of the newer side is bold.

#include "resultlist.h"
#include "rowtips.h"

#include <QAbstractTableModel>
#include <QIcon>

namespace tandara {

class ResultListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Nome, Percorso, Dimensione, Modificato, ColumnCount };
    // The icon key name ("NuovoO", …) of a row, as a QString.
    static constexpr int IconKeyRole = Qt::UserRole + 1;

    explicit ResultListModel(IconKey icon, QObject *parent = nullptr);

    ResultList &list() { return list_; }
    const ResultList &list() const { return list_; }

    // The picture of the list's icon key, shown in every row's first column;
    // the window sets it, a headless model shows none.
    void setRowIcon(const QIcon &icon) { rowIcon_ = icon; }

    // The text the rows' folders follow in their full path: the list's
    // root, or nothing for the file-system root.
    void setPathBase(std::string base) { pathBase_ = std::move(base); }

    // Pairs the two sides of the modified files (lists 2 and 3).
    static void pair(ResultListModel &origin, ResultListModel &destination);

    void appendRow(const ResultRow &row);
    void removeRowAt(int row);
    void clear();
    void beginBulkChange();
    void endBulkChange();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    // The column of the last sort, -1 when the rows are not in its order
    // (after a reset, or after the partner was sorted).
    int sortColumn() const { return sortColumn_; }
    Qt::SortOrder sortOrder() const { return sortOrder_; }

private:
    void applyOrder(const std::vector<uint32_t> &order);
    QVariant toolTip(size_t pos) const;
    bool newerThanPartner(size_t pos) const;
    // The partner's row at pos, when the partner has one there.
    std::optional<ResultRow> partnerRow(size_t pos) const;

    ResultList list_;
    // Inside a bulk change the model shows no rows: the rows are being
    // added, and a positional read would compact the list under the
    // comparison's slot index.
    bool bulk_ = false;
    QIcon rowIcon_;
    std::string pathBase_;
    ResultListModel *partner_ = nullptr;
    PairSide side_ = PairSide::Origin;
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

} // namespace tandara
