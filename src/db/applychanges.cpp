#include "db/applychanges.h"

#include <memory>

#include "db/channeldatabase.h"
#include "db/editops.h"
#include "db/kvximage.h"
#include "platform/clock.h"

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

// Removals that follow one another go in one pass over the lists, and so do additions to a network.
class PendingEdits {
public:
    explicit PendingEdits(ChannelDatabase& db)
            : db_(db)
    {}
    void remove(const TpInfo* tp)
    {
        flushAdditions();
        doomed_.push_back(tp);
    }
    void add(const Change& change)
    {
        flushRemovals();
        if (!added_.empty() && addedTo_ != change.network)
            flushAdditions();
        addedTo_ = change.network;
        auto tp = std::make_unique<TpInfo>(change.after);
        tp->netIndex = change.network;
        tp->treeItem = nullptr;
        added_.push_back(std::move(tp));
    }
    void flush()
    {
        flushRemovals();
        flushAdditions();
    }

private:
    void flushRemovals()
    {
        if (!doomed_.empty())
            deleteTransponders(db_, doomed_);
        doomed_.clear();
    }
    void flushAdditions()
    {
        if (!added_.empty())
            appendTransponders(db_, addedTo_, std::move(added_));
        added_.clear();
    }

    ChannelDatabase& db_;
    std::vector<const TpInfo*> doomed_;
    std::vector<std::unique_ptr<TpInfo>> added_;
    uint8_t addedTo_ = 0;
};

void updateTransponder(TpInfo& tp, const TpInfo& after)
{
    const uint8_t slot = tp.netIndex; // the record stays in its network
    void* item = tp.treeItem;
    tp = after;
    tp.netIndex = slot;
    tp.treeItem = item;
}

} // namespace

Status applyChanges(ChannelDatabase& db, const ChangeSet& changes, const ChangeSelection& selection)
{
    std::vector<TpInfo*> targets;
    if (!resolveTargets(db, changes, selection, targets))
        return StatusChangesOutdated;
    PendingEdits pending(db);
    for (std::size_t k = 0; k < changes.size(); ++k) {
        if (!isSelected(selection, k))
            continue;
        const Change& change = changes[k];
        switch (change.kind) {
        case ChangeKind::Remove: pending.remove(targets[k]); continue;
        case ChangeKind::Add: pending.add(change); continue;
        default: break;
        }
        pending.flush();
        switch (change.kind) {
        case ChangeKind::Update: updateTransponder(*targets[k], change.after); break;
        case ChangeKind::Network:
            db.networks[change.network].name = change.networkAfter.name;
            db.networks[change.network].degree = change.networkAfter.degree;
            break;
        case ChangeKind::Sort: sortTranspondersByFrequency(db, change.network); break;
        default: break;
        }
    }
    pending.flush();
    return StatusOk;
}

Status checkChangesFit(const ChannelDatabase& db, const ChangeSet& changes, const ChangeSelection& selection)
{
    ChannelDatabase result = db;
    if (const Status status = applyChanges(result, changes, selection); status != StatusOk)
        return status;
    result.keepStamp = true; // the stamp's form does not change the size
    std::vector<uint8_t> buffer(KVX_IMAGE_BUFFER_SIZE);
    return WriteImage(result, buffer, SystemClock::instance()).status;
}

} // namespace kvx
