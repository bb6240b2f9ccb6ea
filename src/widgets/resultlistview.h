#pragma once
// The report view of one result list: four columns, several rows
// selectable, rows of one height so a million rows scroll without a pause.
// A flat tree view rather than a table view: a table view's row header
// spends time in proportion to the rows on every removal, so removing the
// rows of a copy one by one would cost the square of their number.
//
// The selection is mirrored into the rows of the ResultList (a flag per
// row), so asking whether a row is selected costs O(1) however the user
// made the selection. A right press on a row outside the selection selects
// that row alone; on blank space it clears the selection. A click on a
// column header sorts the list by that column (see ResultListModel::sort);
// the header shows the sort the rows are in.

#include "lists/resultlistmodel.h"

#include <QTreeView>

namespace tandara {

class ResultListView : public QTreeView {
    Q_OBJECT
public:
    explicit ResultListView(QWidget *parent = nullptr);

    void setResultModel(ResultListModel *model);
    ResultListModel *resultModel() const { return model_; }

    // Selects every row, first to last; rows already selected stay so.
    void selectAllRows();
    // Selects row alone.
    void selectRow(int row);

signals:
    void deletePressed();
    void rightReleased(QPoint globalPos);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void mirrorSelection(const QItemSelection &selected, const QItemSelection &deselected);
    void showSortIndicator();

    ResultListModel *model_ = nullptr;
};

} // namespace tandara
