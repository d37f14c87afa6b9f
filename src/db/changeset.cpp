#include "db/changeset.h"

namespace kvx {

std::string_view changeKindName(ChangeKind kind)
{
    switch (kind) {
    case ChangeKind::Add: return "add";
    case ChangeKind::Update: return "update";
    case ChangeKind::Remove: return "remove";
    case ChangeKind::Network: return "network";
    case ChangeKind::Sort: break;
    }
    return "sort";
}

std::size_t ChangeSet::append(Change change)
{
    change.id = static_cast<int>(changes_.size()) + 1;
    change.before.treeItem = nullptr;
    change.after.treeItem = nullptr;
    changes_.push_back(std::move(change));
    return changes_.size() - 1;
}

ChangeSelection ChangeSet::defaultSelection() const
{
    ChangeSelection selection;
    selection.reserve(changes_.size());
    for (const Change& change : changes_)
        selection.push_back(change.selectedByDefault());
    return selection;
}

ChangeCounts ChangeSet::countsOf(const ChangeSelection& selection) const
{
    ChangeCounts counts;
    for (std::size_t k = 0; k < changes_.size() && k < selection.size(); ++k) {
        if (!selection[k])
            continue;
        const Change& change = changes_[k];
        switch (change.kind) {
        case ChangeKind::Add: ++counts.added; break;
        case ChangeKind::Update: ++counts.updated; break;
        case ChangeKind::Remove:
            ++counts.removed;
            counts.programsRemoved += static_cast<int>(change.programs.size());
            break;
        case ChangeKind::Network: ++counts.network; break;
        case ChangeKind::Sort: ++counts.sorts; break;
        }
    }
    return counts;
}

std::size_t ChangeSet::indexOf(int id) const
{
    // Ids are the positions plus one; the check keeps a foreign id from naming a change.
    const auto index = static_cast<std::size_t>(id - 1);
    return id >= 1 && index < changes_.size() && changes_[index].id == id ? index : changes_.size();
}

} // namespace kvx
