#pragma once
// A folder tree: the desktop at the top, below it "Risorse del computer",
// below that "/", the home folder and the mounted volumes, then their
// folders (and, with ShowFiles, files). The desktop is selected when the
// tree is made. Enabled is the widget's own enabled state.
//
// The tree follows the file system: an entry lists its children afresh
// each time it is opened, and F5 lists afresh the level of the selected
// entry and the entries below it. The selection stays where it still
// exists; when its entry is gone, the entry that was listed afresh is
// selected. Every entry's tooltip is its full path.
//
// Entries are handed out as FolderItem values. An item stays usable while
// the tree lives, ShowFiles is not changed and its entry is still found on
// a refresh; after that it is null.

#include "foldersource.h"

#include <QPersistentModelIndex>
#include <QPointer>
#include <QTreeView>
#include <memory>

namespace tandara {

class FolderModel;
class FolderView;

class FolderItem {
public:
    FolderItem() = default;

    bool isNull() const;
    QString DisplayName() const;
    // The path for showing: "Desktop" for the desktop, empty for the
    // computer, the absolute path otherwise. Names that are not valid
    // UTF-8 lose bytes here: code that touches the file system must use
    // folderPathBytes().
    QString FolderPath() const;
    // The path in its exact native bytes.
    QByteArray folderPathBytes() const;
    FolderKind kind() const;
    // Null items answer with null items, 0 and do nothing.
    FolderItem FirstChild() const;
    FolderItem NextSibling() const;
    // The number of entries directly below this one.
    int ItemCount() const;
    // Opens the entry (and the entries above it) in the tree.
    void Expand() const;

    bool operator==(const FolderItem &other) const { return index_ == other.index_; }

private:
    friend class FolderView;
    FolderItem(FolderView *view, const QModelIndex &index);

    QPointer<FolderView> view_;
    QPersistentModelIndex index_;
};

class FolderView : public QTreeView {
    Q_OBJECT
public:
    // A tree of the machine's own folders.
    explicit FolderView(QWidget *parent = nullptr);
    // A tree of the given source's entries.
    explicit FolderView(std::unique_ptr<FolderSource> source, QWidget *parent = nullptr);

    bool ShowFiles() const;
    // Changing it lists the tree again from the top, with the desktop
    // selected as when the tree was made.
    void setShowFiles(bool show);

    FolderItem SelectedFolder() const;
    // Selects item and brings it into view; a null item changes nothing.
    void setSelectedFolder(const FolderItem &item);

    FolderItem topFolder() const;

    // Lists item's children afresh (see the top of this file).
    void refresh(const FolderItem &item);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    friend class FolderItem;
    FolderModel *folderModel() const { return model_; }
    // Lists index's children afresh (when opened: see refreshOnOpen) and
    // moves a selection whose entry is gone to index.
    void refreshEntry(const QModelIndex &index, bool opened);
    void refreshSelected();

    FolderModel *model_;
};

} // namespace tandara
