// The view's commands on several rows of one level selected together: moving them as a block,
// favourite groups and the scrambled mark of programs, and the network commands for each selected
// network. With one row selected they act on it alone.

#include <algorithm>

#include "app/childview.h"
#include "app/deletequestion.h"
#include "db/editops.h"
#include "db/programmarks.h"

namespace kvx {

QList<QTreeWidgetItem*> CChildView::selectedRows() const
{
    QList<QTreeWidgetItem*> rows = tree_->selectedRows();
    if (rows.isEmpty() && currentItem_ != nullptr)
        rows.append(currentItem_);
    return rows;
}

bool CChildView::severalRowsSelected() const
{
    return tree_->selectedItems().size() > 1;
}

std::vector<uint16_t> CChildView::selectedPositions() const
{
    std::vector<uint16_t> positions;
    for (const QTreeWidgetItem* row : selectedRows()) {
        if (CKVXTree::levelOf(row) == TreeLevel::Program)
            positions.push_back(positionOfProgram(database_, CKVXTree::programOf(row)));
        else if (CKVXTree::levelOf(row) == TreeLevel::Transponder)
            positions.push_back(positionOfTransponder(database_, CKVXTree::transponderOf(row)));
    }
    std::erase(positions, NO_POSITION);
    std::sort(positions.begin(), positions.end());
    return positions;
}

std::vector<uint8_t> CChildView::selectedNetworkSlots() const
{
    std::vector<uint8_t> networkSlots;
    for (const QTreeWidgetItem* row : selectedRows())
        if (CKVXTree::levelOf(row) == TreeLevel::Network && !tree_->IsTerrestrialNetworkItem(row))
            networkSlots.push_back(slotOfNetwork(database_, CKVXTree::networkOf(row)));
    std::erase(networkSlots, NO_SLOT);
    return networkSlots;
}

void CChildView::reselectRows(const TreeRecord& current, const std::vector<TreeRecord>& rows)
{
    QList<QTreeWidgetItem*> items;
    for (const TreeRecord& row : rows)
        items.append(tree_->itemFor(row));
    QTreeWidgetItem* currentRow = tree_->itemFor(current);
    tree_->selectItems(currentRow, items);
    tree_->scrollToItem(currentRow);
}

// --- Moving a block

void CChildView::moveSelectedRows(const BlockMove& move)
{
    if (currentItem_ == nullptr || CKVXTree::levelOf(currentItem_) == TreeLevel::Network)
        return;
    // Pending edits are settled while their items still exist; Cancel stops the move.
    if (ApplyEdits(1) == 1)
        return;
    if (currentItem_ != nullptr)
        showItem(currentItem_);
    const bool programs = CKVXTree::levelOf(currentItem_) == TreeLevel::Program;
    const TreeRecord current = CKVXTree::recordAt(currentItem_);
    std::vector<TreeRecord> rows;
    for (const QTreeWidgetItem* row : selectedRows())
        rows.push_back(CKVXTree::recordAt(row));
    if (move(programs, selectedPositions()).empty())
        return;
    rebuildTree(true, [&] { reselectRows(current, rows); });
    tree_->setFocus();
    MarkModified(tr("Move"));
}

void CChildView::moveSelectedBlock(int step)
{
    // Networks are networkSlots: the current one moves alone.
    if (currentItem_ != nullptr && CKVXTree::levelOf(currentItem_) == TreeLevel::Network) {
        moveBySibling(step);
        return;
    }
    moveSelectedRows([this, step](bool programs, const std::vector<uint16_t>& positions) {
        return programs ? stepPrograms(database_, positions, step)
                        : stepTransponders(database_, positions, step);
    });
}

void CChildView::dropSelectedBlock(QTreeWidgetItem* target)
{
    const bool programs = CKVXTree::levelOf(target) == TreeLevel::Program;
    const uint16_t at = programs ? positionOfProgram(database_, CKVXTree::programOf(target))
                                 : positionOfTransponder(database_, CKVXTree::transponderOf(target));
    moveSelectedRows([this, at](bool ofPrograms, const std::vector<uint16_t>& positions) {
        return ofPrograms ? placePrograms(database_, positions, at)
                          : placeTransponders(database_, positions, at);
    });
}

// --- Programs

void CChildView::changeSelectedPrograms(const QString& step, const ProgramChange& change)
{
    if (page() != PAGE_PROGRAM || ApplyEdits(1) == 1)
        return;
    if (change(selectedPositions()) == 0)
        return;
    for (QTreeWidgetItem* row : selectedRows())
        tree_->RefreshProgramText(row, *CKVXTree::programOf(row));
    // The page shows the stored program again, with its new marks.
    if (currentItem_ != nullptr)
        showItem(currentItem_);
    MarkModified(step);
}

void CChildView::OnAddToFavouriteGroup(int group)
{
    changeSelectedPrograms(
        tr("Add to Favourite Group"), [this, group](const std::vector<uint16_t>& positions) {
            return addToFavouriteGroup(database_, static_cast<std::size_t>(group), positions);
        });
}

void CChildView::OnRemoveFromFavouriteGroup(int group)
{
    changeSelectedPrograms(
        tr("Remove from Favourite Group"), [this, group](const std::vector<uint16_t>& positions) {
            return removeFromFavouriteGroup(database_, static_cast<std::size_t>(group), positions);
        });
}

void CChildView::OnMarkScrambled()
{
    changeSelectedPrograms(tr("Mark Scrambled"), [this](const std::vector<uint16_t>& positions) {
        return markScrambled(database_, positions);
    });
}

void CChildView::OnClearScrambled()
{
    changeSelectedPrograms(tr("Clear Scrambled"), [this](const std::vector<uint16_t>& positions) {
        return clearScrambled(database_, positions);
    });
}

// --- Networks

void CChildView::sortSelectedNetworks()
{
    if (ApplyEdits(1) == 1)
        return;
    bool sorted = false;
    for (const uint8_t slot : selectedNetworkSlots())
        sorted = sortTranspondersByFrequency(database_, slot) || sorted;
    if (!sorted)
        return;
    const TreeRecord current = CKVXTree::recordAt(currentItem_);
    std::vector<TreeRecord> rows;
    for (const QTreeWidgetItem* row : selectedRows())
        rows.push_back(CKVXTree::recordAt(row));
    ShowNetworkItem(currentItem_);
    rebuildTree(true, [&] { reselectRows(current, rows); });
    MarkModified(tr("Sort by Frequency"));
}

void CChildView::deleteInSelectedNetworks(bool programsOnly)
{
    const std::vector<uint8_t> networkSlots = selectedNetworkSlots();
    QList<QTreeWidgetItem*> rows;
    DeletedCounts counts;
    for (const uint8_t slot : networkSlots) {
        rows.append(CKVXTree::itemOf(database_.networks[slot].treeItem));
        const DeletedCounts below = countsBelow(*tree_, rows.back());
        counts.transponders += below.transponders;
        counts.programs += below.programs;
    }
    if ((programsOnly ? counts.programs : counts.transponders) == 0)
        return;
    const QString question = programsOnly ? tr("Delete all %n programs in %1 networks?", nullptr,
                                               static_cast<int>(counts.programs))
                                                .arg(networkSlots.size())
                                          : tr("Delete all %1 transponders and %2 programs in %3 networks?")
                                                .arg(counts.transponders)
                                                .arg(counts.programs)
                                                .arg(networkSlots.size());
    if (!confirmDelete(question))
        return;
    removeItemsThenRecords(
        programsOnly ? tr("Delete All Programs in Network") : tr("Delete All Transponders in Network"),
        [&] {
            for (QTreeWidgetItem* row : rows)
                programsOnly ? tree_->DeleteGrandchildren(row) : tree_->DeleteChildren(row);
        },
        [&] {
            for (const uint8_t slot : networkSlots)
                programsOnly ? deleteProgramsOfNetwork(database_, slot)
                             : deleteTranspondersOfNetwork(database_, slot);
        });
    if (currentItem_ != nullptr)
        ShowNetworkItem(currentItem_);
}

QStringList CChildView::favouriteGroupNames() const
{
    QStringList names;
    const std::size_t groups = std::min<std::size_t>(database_.favourites.size(), kFavouriteMenuGroups);
    for (std::size_t g = 0; g < groups; ++g) {
        const std::string& name = database_.favourites[g].name;
        names.append(name.empty() ? QStringLiteral("Fav%1").arg(g + 1)
                                  : QString::fromStdString(encoding_.toUtf8(name)));
    }
    return names;
}

} // namespace kvx
