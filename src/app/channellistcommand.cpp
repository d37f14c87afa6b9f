// The View menu's Channel List command and the program's channel list dialog.
#include <algorithm>
#include <unordered_map>
#include <utility>
#include <vector>

#include "app/childview.h"
#include "app/dialogfactory.h"
#include "app/qtprompter.h"
#include "panels/dlgchlist.h"

namespace kvx {

namespace {

// The tree shows a transponder's programs in program-list order; after the channel list reordered the
// list, each transponder's program items are put in the new order. The items themselves stay, so every
// record's treeItem and the current item remain valid.
void putProgramItemsInListOrder(CKVXTree& tree, const ChannelDatabase& db)
{
    std::unordered_map<const ProgInfo*, std::size_t> position;
    position.reserve(db.programs.size());
    for (std::size_t k = 0; k < db.programs.size(); ++k)
        position.emplace(&db.programs[k], k);
    const auto positionOf = [&](QTreeWidgetItem* item) {
        const auto found = position.find(CKVXTree::programOf(item));
        return found == position.end() ? db.programs.size() : found->second;
    };
    for (int n = 0; n < tree.topLevelItemCount(); ++n) {
        QTreeWidgetItem* network = tree.topLevelItem(n);
        for (int t = 0; t < network->childCount(); ++t) {
            QTreeWidgetItem* transponder = network->child(t);
            std::vector<std::pair<std::size_t, QTreeWidgetItem*>> programs;
            for (int p = 0; p < transponder->childCount(); ++p)
                programs.emplace_back(positionOf(transponder->child(p)), transponder->child(p));
            const auto byPosition = [](const auto& a, const auto& b) { return a.first < b.first; };
            if (std::is_sorted(programs.begin(), programs.end(), byPosition))
                continue;
            std::stable_sort(programs.begin(), programs.end(), byPosition);
            const bool expanded = transponder->isExpanded();
            (void)transponder->takeChildren();
            for (const auto& entry : programs)
                transponder->addChild(entry.second);
            transponder->setExpanded(expanded);
        }
    }
}

} // namespace

bool QtDialogFactory::runChannelList(QWidget* parent, ChannelDatabase& db, const NameEncoding& encoding)
{
    QtPrompter prompter;
    CDlgChList dialog(db, encoding, prompter, parent);
    prompter.setParentWidget(&dialog);
    return dialog.exec() == QDialog::Accepted && dialog.databaseChanged();
}

void CChildView::OnViewChannelList()
{
    if (page() == PAGE_EMPTY)
        return;
    // Pending edits of the edit bar stay pending: the dialog changes no field the pages show.
    channelListOpen_ = true;
    emit documentStateChanged();
    const bool changed = services_.dialogs.runChannelList(window(), database_, encoding_);
    if (changed) {
        suppressSelChange_ = true;
        putProgramItemsInListOrder(*tree_, database_);
        if (currentItem_ != nullptr)
            tree_->setCurrentItem(currentItem_);
        suppressSelChange_ = false;
        MarkModified(tr("Channel List"));
    }
    channelListOpen_ = false;
    emit documentStateChanged();
}

} // namespace kvx
