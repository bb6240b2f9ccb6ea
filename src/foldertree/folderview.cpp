#include "folderview.h"

#include "foldermodel.h"

#include <QFile>
#include <QKeyEvent>

namespace tandara {

FolderItem::FolderItem(FolderView *view, const QModelIndex &index) : view_(view), index_(index) {}

bool FolderItem::isNull() const
{
    return !view_ || !index_.isValid();
}

QString FolderItem::DisplayName() const
{
    return isNull() ? QString() : view_->folderModel()->entry(index_).displayName;
}

QString FolderItem::FolderPath() const
{
    return QFile::decodeName(folderPathBytes());
}

QByteArray FolderItem::folderPathBytes() const
{
    return isNull() ? QByteArray() : view_->folderModel()->entry(index_).path;
}

FolderKind FolderItem::kind() const
{
    return isNull() ? FolderKind::Folder : view_->folderModel()->entry(index_).kind;
}

FolderItem FolderItem::FirstChild() const
{
    if (isNull())
        return {};
    view_->folderModel()->ensureListed(index_);
    const QModelIndex child = view_->folderModel()->index(0, 0, index_);
    return child.isValid() ? FolderItem(view_, child) : FolderItem();
}

FolderItem FolderItem::NextSibling() const
{
    if (isNull())
        return {};
    const QModelIndex next = index_.sibling(index_.row() + 1, 0);
    return next.isValid() ? FolderItem(view_, next) : FolderItem();
}

int FolderItem::ItemCount() const
{
    if (isNull())
        return 0;
    view_->folderModel()->ensureListed(index_);
    return view_->folderModel()->rowCount(index_);
}

void FolderItem::Expand() const
{
    if (isNull())
        return;
    view_->folderModel()->ensureListed(index_);
    for (QModelIndex at = index_; at.isValid(); at = at.parent())
        view_->expand(at);
}

FolderView::FolderView(QWidget *parent) : FolderView(std::make_unique<SystemFolderSource>(), parent) {}

FolderView::FolderView(std::unique_ptr<FolderSource> source, QWidget *parent)
    : QTreeView(parent), model_(new FolderModel(std::move(source), this))
{
    setModel(model_);
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setIconSize(QSize(16, 16));
    setIndentation(16);
    setAnimated(false);
    setCurrentIndex(model_->topIndex());
    connect(this, &QTreeView::expanded, this, [this](const QModelIndex &index) { refreshEntry(index, true); });
}

void FolderView::refresh(const FolderItem &item)
{
    if (!item.isNull() && item.view_ == this)
        refreshEntry(item.index_, false);
}

void FolderView::refreshEntry(const QModelIndex &index, bool opened)
{
    const QPersistentModelIndex selected = currentIndex();
    if (opened)
        model_->refreshOnOpen(index);
    else
        model_->refresh(index);
    if (!selected.isValid() && index.isValid())
        setCurrentIndex(index);
}

// The selected entry's own level first, so that an entry gone from the
// disk leaves the tree, then what lies below it.
void FolderView::refreshSelected()
{
    const QPersistentModelIndex selected = currentIndex();
    if (selected.parent().isValid())
        refreshEntry(selected.parent(), false);
    if (selected.isValid())
        refreshEntry(selected, false);
}

void FolderView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F5) {
        refreshSelected();
        return;
    }
    QTreeView::keyPressEvent(event);
}

bool FolderView::ShowFiles() const
{
    return model_->showFiles();
}

void FolderView::setShowFiles(bool show)
{
    if (show == model_->showFiles())
        return;
    model_->setShowFiles(show);
    setCurrentIndex(model_->topIndex());
}

FolderItem FolderView::SelectedFolder() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? FolderItem(const_cast<FolderView *>(this), current) : FolderItem();
}

void FolderView::setSelectedFolder(const FolderItem &item)
{
    if (item.isNull() || item.view_ != this)
        return;
    for (QModelIndex up = item.index_.parent(); up.isValid(); up = up.parent())
        expand(up);
    setCurrentIndex(item.index_);
    scrollTo(item.index_);
}

FolderItem FolderView::topFolder() const
{
    return FolderItem(const_cast<FolderView *>(this), model_->topIndex());
}

} // namespace tandara
