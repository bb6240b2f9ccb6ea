#pragma once
// The item model of a folder tree: one column, entries from a FolderSource,
// each entry's children asked for the first time they are needed (when the
// view opens the entry or a caller asks for them) and again on refresh().
// A refresh keeps the entries that are still there (with what was listed
// below them, their selection and their expansion), drops the ones gone
// and adds the new ones in their places. Changing whether files are shown
// rebuilds the tree from its top. Each entry's tooltip is its full path.

#include "foldersource.h"

#include <QAbstractItemModel>
#include <QIcon>
#include <memory>
#include <vector>

namespace tandara {

class FolderModel : public QAbstractItemModel {
    Q_OBJECT
public:
    explicit FolderModel(std::unique_ptr<FolderSource> source, QObject *parent = nullptr);
    ~FolderModel() override;

    QModelIndex topIndex() const;
    // The entry behind index; index must be valid.
    const FolderEntry &entry(const QModelIndex &index) const;
    // Reads index's children from the source if that has not happened yet.
    void ensureListed(const QModelIndex &index);
    // Reads index's children again, if they were ever read, and asks the
    // entries below whether they have children anew.
    void refresh(const QModelIndex &index);
    // The view opened index: its children are read again, unless the view
    // fetched them for the first time for this very opening.
    void refreshOnOpen(const QModelIndex &index);

    bool showFiles() const { return showFiles_; }
    void setShowFiles(bool show);

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool hasChildren(const QModelIndex &parent = {}) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

private:
    struct Node;
    Node *nodeOf(const QModelIndex &index) const;
    void rebuild();
    void dropVanished(const QModelIndex &parent, Node *node, const std::vector<FolderEntry> &fresh);
    void addNew(const QModelIndex &parent, Node *node, std::vector<FolderEntry> &fresh);
    void insertChildren(const QModelIndex &parent, Node *node, int at, std::vector<FolderEntry> entries);
    void removeChildren(const QModelIndex &parent, Node *node, int first, int last);

    std::unique_ptr<FolderSource> source_;
    std::unique_ptr<Node> root_;
    bool showFiles_ = false;
    std::vector<QIcon> icons_;
};

} // namespace tandara
