#include "db/applychanges.h"

#include <memory>

#include "db/channeldatabase.h"
#include "db/editops.h"

namespace kvx {

namespace {

bool holdsAsRecorded(const ChannelDatabase& db, const Change& change)
{
    const TpInfo* tp = db.transponders.at(change.position);
    return tp != nullptr && tp->netIndex == change.network && !tp->differs(change.before);
}

bool isSelected(const ChangeSelection& selection, std::size_t index)
{
    return index < selection.size() && selection[index];
}

// The transponder each selected update or removal works on; records keep their addresses while
// others are inserted and deleted, so they are found once, before anything changes.
bool resolveTargets(const ChannelDatabase& db, const ChangeSet& changes, const ChangeSelection& selection,
                    std::vector<TpInfo*>& targets)
{
    targets.assign(changes.size(), nullptr);
    for (std::size_t k = 0; k < changes.size(); ++k) {
        const Change& change = changes[k];
        if (!isSelected(selection, k))
            continue;
        if (change.network >= db.networks.size())
            return false;
        if (change.kind != ChangeKind::Update && change.kind != ChangeKind::Remove)
            continue;
        if (!holdsAsRecorded(db, change))
            return false;
        targets[k] = const_cast<TpInfo*>(db.transponders.at(change.position));
    }
    return true;
}

// Removals that follow one another go in one pass over the lists.
class PendingRemovals {
public:
    explicit PendingRemovals(ChannelDatabase& db)
            : db_(db)
    {}
    void add(const TpInfo* tp) { doomed_.push_back(tp); }
    void flush()
    {
        if (!doomed_.empty())
            deleteTransponders(db_, doomed_);
        doomed_.clear();
    }

private:
    ChannelDatabase& db_;
    std::vector<const TpInfo*> doomed_;
};

void updateTransponder(TpInfo& tp, const TpInfo& after)
{
    const uint8_t slot = tp.netIndex; // the record stays in its network
    void* item = tp.treeItem;
    tp = after;
    tp.netIndex = slot;
    tp.treeItem = item;
}

void addTransponder(ChannelDatabase& db, const Change& change)
{
    auto tp = std::make_unique<TpInfo>(change.after);
    tp->netIndex = change.network;
    tp->treeItem = nullptr;
    insertTransponder(db, std::move(tp), endOfNetworkTransponders(db, change.network));
}

} // namespace

Status applyChanges(ChannelDatabase& db, const ChangeSet& changes, const ChangeSelection& selection)
{
    std::vector<TpInfo*> targets;
    if (!resolveTargets(db, changes, selection, targets))
        return StatusChangesOutdated;
    PendingRemovals removals(db);
    for (std::size_t k = 0; k < changes.size(); ++k) {
        if (!isSelected(selection, k))
            continue;
        const Change& change = changes[k];
        if (change.kind == ChangeKind::Remove) {
            removals.add(targets[k]);
            continue;
        }
        removals.flush();
        switch (change.kind) {
        case ChangeKind::Update: updateTransponder(*targets[k], change.after); break;
        case ChangeKind::Add: addTransponder(db, change); break;
        case ChangeKind::Network:
            db.networks[change.network].name = change.networkAfter.name;
            db.networks[change.network].degree = change.networkAfter.degree;
            break;
        case ChangeKind::Sort: sortTranspondersByFrequency(db, change.network); break;
        case ChangeKind::Remove: break;
        }
    }
    removals.flush();
    return StatusOk;
}

} // namespace kvx
