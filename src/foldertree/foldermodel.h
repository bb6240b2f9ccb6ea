#pragma once
// The item model of a folder tree: one column, entries from a FolderSource,
// each entry's children asked for once, the first time they are needed
// (when the view opens the entry or a caller asks for them), and kept.
// Changing whether files are shown rebuilds the tree from its top.

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

    std::unique_ptr<FolderSource> source_;
    std::unique_ptr<Node> root_;
    bool showFiles_ = false;
    std::vector<QIcon> icons_;
};

} // namespace tandara
