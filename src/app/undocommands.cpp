#include "app/childview.h"
#include "app/kvxtree.h"
#include "ui/prompter.h"

// Undo and Redo: every change to the database ends in MarkModified, which records the state it led to;
// stepping through the history restores a recorded state and shows it again.

namespace kvx {

namespace {

template <class List, class Record>
int positionIn(const List& list, const Record* record)
{
    return record == nullptr ? -1 : static_cast<int>(list.indexOf(record));
}

} // namespace

StepPlace CChildView::placeOf(const QTreeWidgetItem* item) const
{
    StepPlace place;
    if (item == nullptr)
        return place;
    const TreeLevel level = CKVXTree::levelOf(item);
    const QTreeWidgetItem* network = item;
    while (network->parent() != nullptr)
        network = network->parent();
    place.treeLevel = static_cast<int>(level);
    place.networkSlot = positionIn(database_.networks, CKVXTree::networkOf(network));
    if (level != TreeLevel::Network)
        place.transponderIndex =
            positionIn(database_.transponders,
                       CKVXTree::transponderOf(level == TreeLevel::Program ? item->parent() : item));
    if (level == TreeLevel::Program)
        place.programIndex = positionIn(database_.programs, CKVXTree::programOf(item));
    return place;
}

// The item at the place, or the nearest of its parents that the restored database still has there.
QTreeWidgetItem* CChildView::itemAtPlace(const StepPlace& place) const
{
    const NetInfo* net =
        place.networkSlot >= 0 ? database_.networks.at(static_cast<std::size_t>(place.networkSlot)) : nullptr;
    const TpInfo* tp = place.transponderIndex >= 0
                           ? database_.transponders.at(static_cast<std::size_t>(place.transponderIndex))
                           : nullptr;
    const ProgInfo* prog = place.programIndex >= 0
                               ? database_.programs.at(static_cast<std::size_t>(place.programIndex))
                               : nullptr;
    if (prog != nullptr && tp != nullptr && prog->tpIndex == place.transponderIndex)
        return tree_->itemFor(*prog);
    if (tp != nullptr && net != nullptr && tp->netIndex == net->netIndex)
        return tree_->itemFor(*tp);
    if (net != nullptr)
        return tree_->itemFor(*net);
    return tree_->topLevelItem(0);
}

void CChildView::recordStep(const QString& name)
{
    history_.record(name.toStdString(), database_, placeOf(currentItem_));
    modified_ = !history_.isClean();
}

bool CChildView::canUndo() const
{
    return hasDocument() && history_.canUndo();
}

bool CChildView::canRedo() const
{
    return hasDocument() && history_.canRedo();
}

QString CChildView::undoText() const
{
    return canUndo() ? tr("&Undo %1").arg(QString::fromStdString(history_.undoName())) : tr("&Undo");
}

QString CChildView::redoText() const
{
    return canRedo() ? tr("&Redo %1").arg(QString::fromStdString(history_.redoName())) : tr("&Redo");
}

int CChildView::settlePendingEdits()
{
    // An untouched transponder page has nothing to settle, even when it shows a transponder that is not
    // valid yet: a new one, whose adding may be the very step being undone.
    if (page() == PAGE_TRANSPONDER && currentTp_ != nullptr && editBar_->ReadTransponderPage() == 0 &&
        !editBar_->workTp().differs(*currentTp_))
        return 0;
    return ApplyEdits(1);
}

void CChildView::OnEditUndo()
{
    stepThroughHistory(true);
}

void CChildView::OnEditRedo()
{
    stepThroughHistory(false);
}

void CChildView::stepThroughHistory(bool back)
{
    // Pending edits are settled first, as before any command; applied, they are the step undone.
    if (settlePendingEdits() == 1 || !(back ? canUndo() : canRedo()))
        return;
    const OpenBranches open = openBranches();
    const SelectionMark mark = markSelection();
    const EditHistory::Move move = back ? history_.undo() : history_.redo();
    ResetSelection();
    // The snapshot was taken by this history, so only a lack of memory can make it fail to read.
    if (!move.state->restoreInto(database_))
        services_.prompter.showMessage(tr("The change could not be undone."), PromptIcon::Stop);
    rebuildTree(false, [&] {
        reopenBranches(open);
        selectMarked(mark, itemAtPlace(move.place));
    });
    modified_ = !history_.isClean();
    UpdateTitle();
    emit documentStateChanged();
}

CChildView::OpenBranches CChildView::openBranches() const
{
    OpenBranches open;
    for (int n = 0; n < tree_->topLevelItemCount(); ++n) {
        const QTreeWidgetItem* network = tree_->topLevelItem(n);
        if (!network->isExpanded())
            continue;
        open.networks.push_back(positionIn(database_.networks, CKVXTree::networkOf(network)));
        for (int t = 0; t < network->childCount(); ++t)
            if (network->child(t)->isExpanded())
                open.transponders.push_back(
                    positionIn(database_.transponders, CKVXTree::transponderOf(network->child(t))));
    }
    return open;
}

void CChildView::reopenBranches(const OpenBranches& open)
{
    for (int position : open.networks)
        if (const NetInfo* net = database_.networks.at(static_cast<std::size_t>(position)))
            tree_->openBranch(tree_->itemFor(*net));
    for (int position : open.transponders)
        if (const TpInfo* tp = database_.transponders.at(static_cast<std::size_t>(position)))
            tree_->openBranch(tree_->itemFor(*tp));
}

} // namespace kvx
