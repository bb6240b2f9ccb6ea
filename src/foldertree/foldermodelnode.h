#pragma once
// The folder model's own record of one entry: the entry, its place and
// what is known of its children.

#include "foldermodel.h"

namespace tandara {

struct FolderModel::Node {
    FolderEntry entry;
    Node *parent = nullptr;
    int row = 0;
    bool listed = false;
    bool unseen = false; // listed by the view's fetch, not yet reported opened
    mutable int probed = -1; // hasChildren answer while no children are known: -1 not asked
    std::vector<std::unique_ptr<Node>> children;

    Node *add(FolderEntry childEntry)
    {
        auto child = std::make_unique<Node>();
        child->entry = std::move(childEntry);
        child->parent = this;
        child->row = int(children.size());
        children.push_back(std::move(child));
        return children.back().get();
    }

    void renumber()
    {
        for (size_t i = 0; i < children.size(); ++i)
            children[i]->row = int(i);
    }
};

} // namespace tandara
