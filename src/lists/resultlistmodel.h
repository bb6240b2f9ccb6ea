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

#include "resultlist.h"

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

    void appendRow(const ResultRow &row);
    void removeRowAt(int row);
    void clear();
    void beginBulkChange();
    void endBulkChange();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    ResultList list_;
    // Inside a bulk change the model shows no rows: the rows are being
    // added, and a positional read would compact the list under the
    // comparison's slot index.
    bool bulk_ = false;
    QIcon rowIcon_;
};

} // namespace tandara
