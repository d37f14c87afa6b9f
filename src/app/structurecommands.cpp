// The view's commands that change the database's structure or its stamp: sorting, deleting, adding and
// moving networks, transponders and programs, and the modification date. Their handler table also holds
// the print and export commands (printcommands.cpp).

#include <array>

#include "app/childview.h"
#include "app/deletequestion.h"
#include "app/dialogfactory.h"
#include "db/editops.h"
#include "db/stamp.h"
#include "panels/dlgdate.h"
#include "panels/editbar.h"
#include "ui/prompter.h"

namespace kvx {

namespace {

// Sorting by degree starts the circle at this many tenths of a degree.
constexpr uint16_t kDegreeSortOrigin = 1800;

constexpr std::array kStructureCommands = {
    CChildView::CommandHandler{ID_FILE_PRINT, &CChildView::OnFilePrint},
    CChildView::CommandHandler{ID_FILE_PRINT_PREVIEW, &CChildView::OnFilePrintPreview},
    CChildView::CommandHandler{ID_FILE_EXPORT, &CChildView::OnFileExport},
    CChildView::CommandHandler{ID_FILE_EXPORT_SATELLITES_XML, &CChildView::OnExportSatellitesXml},
    CChildView::CommandHandler{ID_MODIFICATION_DATE, &CChildView::OnModificationDate},
    CChildView::CommandHandler{ID_SORT_BY_DEGREE, &CChildView::OnSortByDegree},
    CChildView::CommandHandler{ID_TP_SORT_BY_FREQUENCY, &CChildView::OnTpSortByFrequency},
    CChildView::CommandHandler{ID_DELETE_NETWORK, &CChildView::OnDeleteNetwork},
    CChildView::CommandHandler{ID_TP_ADD, &CChildView::OnAddTransponder},
    CChildView::CommandHandler{ID_TP_DELETE, &CChildView::OnDeleteTransponder},
    CChildView::CommandHandler{ID_TP_DELETE_ALL_IN_NET, &CChildView::OnDeleteAllTranspondersInNetwork},
    CChildView::CommandHandler{ID_PROG_ADD, &CChildView::OnAddProgram},
    CChildView::CommandHandler{ID_PROG_DELETE, &CChildView::OnDeleteProgram},
    CChildView::CommandHandler{ID_PROG_DELETE_ALL_IN_TP, &CChildView::OnDeleteAllProgramsInTransponder},
    CChildView::CommandHandler{ID_PROG_DELETE_ALL_IN_NET, &CChildView::OnDeleteAllProgramsInNetwork},
    CChildView::CommandHandler{ID_MOVE_UP, &CChildView::OnMoveUp},
    CChildView::CommandHandler{ID_MOVE_DOWN, &CChildView::OnMoveDown},
    CChildView::CommandHandler{ID_INSERT_KEY, &CChildView::OnInsertKey},
    CChildView::CommandHandler{ID_DELETE_KEY, &CChildView::OnDeleteKey},
};

QTreeWidgetItem* itemOf(const void* treeItem)
{
    return CKVXTree::itemOf(treeItem);
}

} // namespace

std::span<const CChildView::CommandHandler> CChildView::structureCommands()
{
    return kStructureCommands;
}

// --- Helpers

TpInfo* CChildView::commandTransponder()
{
    if (page() == PAGE_TRANSPONDER)
        return currentTp_;
    if (page() == PAGE_PROGRAM && currentProg_ != nullptr)
        return database_.transponders.at(currentProg_->tpIndex);
    return nullptr;
}

NetInfo* CChildView::commandNetwork()
{
    if (page() == PAGE_NETWORK)
        return currentNet_;
    const TpInfo* tp = commandTransponder();
    return tp != nullptr ? database_.networks.at(tp->netIndex) : nullptr;
}

void CChildView::selectNewItem(QTreeWidgetItem* item)
{
    // Pending edits were settled before the command ran; the new record is shown without asking again.
    suppressSelChange_ = true;
    tree_->setCurrentItem(item);
    tree_->scrollToItem(item);
    suppressSelChange_ = false;
    showItem(item);
}

void CChildView::showSelectionAfterDelete()
{
    if (page() != PAGE_EMPTY)
        return;
    // The shown item may be gone: whatever the tree selected in its place is shown as a new selection.
    currentItem_ = nullptr;
    onSelectionChanged(tree_->currentItem());
}

// --- File menu

void CChildView::OnModificationDate()
{
    const Stamp& stamp = database_.stamp;
    DateDialogValues values;
    values.radio = stamp[0] == 0 ? CDlgDate::RADIO_VERSION : CDlgDate::RADIO_DATE;
    values.date = stampDateOrToday(stamp, services_.clock);
    values.versionText = QString::fromStdString(stampVersionText(stamp).value_or(std::string()));
    const std::optional<DateDialogValues> chosen = services_.dialogs.modificationDate(window(), values);
    if (!chosen)
        return;
    // Confirming fixes the stamp against the refresh on save, changed or not.
    const bool changed = chosen->radio == CDlgDate::RADIO_VERSION
                             ? confirmStampVersion(database_, chosen->versionText.toStdString())
                             : confirmStampDate(database_, chosen->date);
    if (changed)
        MarkModified(tr("Modification Date"));
}

// --- Satellite menu

void CChildView::OnSortByDegree()
{
    if (ApplyEdits(1) == 1)
        return;
    if (!sortNetworksByDegree(database_, kDegreeSortOrigin))
        return;
    const SelectionMark mark = markSelection();
    ResetSelection();
    rebuildTree(false, [&] { selectMarked(mark, nullptr); });
    MarkModified(tr("Sort by Degree"));
}

void CChildView::OnTpSortByFrequency()
{
    if (page() == PAGE_NETWORK && severalRowsSelected()) {
        sortSelectedNetworks();
        return;
    }
    if (ApplyEdits(1) == 1 || page() != PAGE_NETWORK || currentNet_ == nullptr)
        return;
    NetInfo* net = currentNet_;
    const uint8_t slot = slotOfNetwork(database_, net);
    if (slot == NO_SLOT || !sortTranspondersByFrequency(database_, slot))
        return;
    ShowNetworkItem(currentItem_);
    rebuildTree(true, [&] {
        QTreeWidgetItem* item = itemOf(net->treeItem);
        tree_->setCurrentItem(item);
        tree_->openBranch(item);
    });
    MarkModified(tr("Sort by Frequency"));
}

void CChildView::OnDeleteNetwork()
{
    if (page() != PAGE_NETWORK || currentNet_ == nullptr || currentItem_ == nullptr)
        return;
    const uint8_t slot = slotOfNetwork(database_, currentNet_);
    if (slot == NO_SLOT ||
        !confirmDelete(deleteQuestion(PAGE_NETWORK, editBar_->terrestrialMode(), currentNet_, nullptr,
                                      nullptr, countsBelow(*tree_, currentItem_), encoding_)))
        return;
    suppressSelChange_ = true;
    tree_->DeleteChildren(currentItem_);
    emptyNetworkSlot(database_, slot);
    tree_->Rebuild();
    // Tree selection, current item and edit bar all rest on the emptied network.
    QTreeWidgetItem* item = itemOf(database_.networks[slot].treeItem);
    tree_->setCurrentItem(item);
    currentItem_ = item;
    ShowNetworkItem(item);
    MarkModified(tr("Delete Network"));
    suppressSelChange_ = false;
}

// --- Transponder menu

void CChildView::OnAddTransponder()
{
    if (ApplyEdits(1) == 1)
        return;
    uint8_t slot = NO_SLOT;
    uint16_t position = NO_POSITION;
    QTreeWidgetItem* before = nullptr;
    if (page() == PAGE_NETWORK && currentNet_ != nullptr) {
        slot = slotOfNetwork(database_, currentNet_);
    } else if (TpInfo* tp = commandTransponder()) {
        // The new transponder goes just before the shown one.
        slot = tp->netIndex;
        position = positionOfTransponder(database_, tp);
        before = itemOf(tp->treeItem);
    }
    if (slot == NO_SLOT)
        return;
    TpInfo* added = addTransponder(database_, slot, position);
    if (added == nullptr)
        return;
    selectNewItem(tree_->InsertTransponder(*added, before));
    MarkModified(tr("Add Transponder"));
}

// Takes the items out of the tree with the selection change held back, then the records out of the
// database, and only then shows where the tree's selection landed.
void CChildView::removeItemsThenRecords(const QString& step, const std::function<void()>& fromTree,
                                        const std::function<void()>& fromDatabase)
{
    // Networks are emptied, never removed: the current row's network outlives the deletion, and takes
    // the selection when the view leaves none (as with several rows selected).
    QTreeWidgetItem* network = currentItem_;
    while (network != nullptr && network->parent() != nullptr)
        network = network->parent();
    suppressSelChange_ = true;
    fromTree();
    if (tree_->currentItem() == nullptr && network != nullptr)
        tree_->setCurrentItem(network);
    suppressSelChange_ = false;
    fromDatabase();
    showSelectionAfterDelete();
    MarkModified(step);
}

void CChildView::OnDeleteTransponder()
{
    if (page() == PAGE_TRANSPONDER && severalRowsSelected()) {
        deleteSelectedRecords();
        return;
    }
    TpInfo* tp = commandTransponder();
    if (tp == nullptr)
        return;
    const uint16_t position = positionOfTransponder(database_, tp);
    if (position == NO_POSITION)
        return;
    editBar_->SwitchPage(PAGE_EMPTY);
    removeItemsThenRecords(
        tr("Delete Transponder"), [&] { tree_->DeleteItemAndChildren(itemOf(tp->treeItem)); },
        [&] { deleteTransponder(database_, position); });
}

void CChildView::OnDeleteAllTranspondersInNetwork()
{
    if (page() == PAGE_NETWORK && severalRowsSelected()) {
        deleteInSelectedNetworks(false);
        return;
    }
    NetInfo* net = commandNetwork();
    if (net == nullptr)
        return;
    const uint8_t slot = slotOfNetwork(database_, net);
    if (slot == NO_SLOT)
        return;
    const DeletedCounts counts = countsBelow(*tree_, itemOf(net->treeItem));
    if (counts.transponders == 0 || !confirmDelete(deleteAllTranspondersQuestion(*net, counts, encoding_)))
        return;
    if (page() != PAGE_NETWORK)
        editBar_->SwitchPage(PAGE_EMPTY);
    removeItemsThenRecords(
        tr("Delete All Transponders in Network"), [&] { tree_->DeleteChildren(itemOf(net->treeItem)); },
        [&] { deleteTranspondersOfNetwork(database_, slot); });
}

// --- Program menu

void CChildView::OnAddProgram()
{
    if (ApplyEdits(1) == 1)
        return;
    ProgInfo* added = nullptr;
    QTreeWidgetItem* before = nullptr;
    if (page() == PAGE_TRANSPONDER && currentTp_ != nullptr) {
        const uint16_t tpIndex = positionOfTransponder(database_, currentTp_);
        if (tpIndex != NO_POSITION)
            added = addProgram(database_, tpIndex, NO_POSITION);
    } else if (page() == PAGE_PROGRAM && currentProg_ != nullptr) {
        // The new program goes just above the shown one.
        before = itemOf(currentProg_->treeItem);
        added = addProgram(database_, currentProg_->tpIndex, positionOfProgram(database_, currentProg_));
    }
    if (added == nullptr)
        return;
    selectNewItem(tree_->InsertProgram(*added, before));
    MarkModified(tr("Add Program"));
}

void CChildView::OnDeleteProgram()
{
    if (page() == PAGE_PROGRAM && severalRowsSelected()) {
        deleteSelectedRecords();
        return;
    }
    if (page() != PAGE_PROGRAM || currentProg_ == nullptr)
        return;
    const uint16_t position = positionOfProgram(database_, currentProg_);
    if (position == NO_POSITION)
        return;
    QTreeWidgetItem* item = itemOf(currentProg_->treeItem);
    editBar_->SwitchPage(PAGE_EMPTY);
    removeItemsThenRecords(
        tr("Delete Program"), [&] { tree_->DeleteItem(item); }, [&] { deleteProgram(database_, position); });
}

void CChildView::OnDeleteAllProgramsInTransponder()
{
    TpInfo* tp = commandTransponder();
    if (tp == nullptr)
        return;
    const uint16_t tpIndex = positionOfTransponder(database_, tp);
    if (tpIndex == NO_POSITION)
        return;
    const int programs = countsBelow(*tree_, itemOf(tp->treeItem)).programs;
    if (programs == 0 || !confirmDelete(deleteAllProgramsQuestion(*tp, programs)))
        return;
    if (page() == PAGE_PROGRAM)
        editBar_->SwitchPage(PAGE_EMPTY);
    removeItemsThenRecords(
        tr("Delete All Programs in Transponder"), [&] { tree_->DeleteChildren(itemOf(tp->treeItem)); },
        [&] { deleteProgramsOfTransponder(database_, tpIndex); });
}

void CChildView::OnDeleteAllProgramsInNetwork()
{
    if (page() == PAGE_NETWORK && severalRowsSelected()) {
        deleteInSelectedNetworks(true);
        return;
    }
    NetInfo* net = commandNetwork();
    if (net == nullptr)
        return;
    const uint8_t slot = slotOfNetwork(database_, net);
    if (slot == NO_SLOT)
        return;
    const int programs = countsBelow(*tree_, itemOf(net->treeItem)).programs;
    if (programs == 0 || !confirmDelete(deleteAllProgramsQuestion(*net, programs, encoding_)))
        return;
    if (page() == PAGE_PROGRAM)
        editBar_->SwitchPage(PAGE_EMPTY);
    removeItemsThenRecords(
        tr("Delete All Programs in Network"), [&] { tree_->DeleteGrandchildren(itemOf(net->treeItem)); },
        [&] { deleteProgramsOfNetwork(database_, slot); });
}

// --- Moving with the keys or the toolbar

void CChildView::OnMoveUp()
{
    severalRowsSelected() ? moveSelectedBlock(-1) : moveBySibling(-1);
}

void CChildView::OnMoveDown()
{
    severalRowsSelected() ? moveSelectedBlock(1) : moveBySibling(1);
}

void CChildView::moveBySibling(int step)
{
    QTreeWidgetItem* item = currentItem_;
    if (item == nullptr)
        return;
    QTreeWidgetItem* parent = item->parent();
    const int index = parent != nullptr ? parent->indexOfChild(item) : tree_->indexOfTopLevelItem(item);
    const int other = index + step;
    QTreeWidgetItem* sibling = nullptr;
    if (other >= 0)
        sibling = parent != nullptr ? parent->child(other) : tree_->topLevelItem(other);
    if (sibling != nullptr)
        MoveItem(item, sibling);
}

} // namespace kvx
