// The selection across a rebuild of the tree (undo, redo, sorts, imports): the selected record is
// remembered by what it holds and found again among the new records, the nearest to its old place
// when several hold the same.

#include <cstdlib>
#include <limits>

#include "app/childview.h"
#include "app/kvxtree.h"

namespace kvx {

namespace {

bool sameNetwork(const NetInfo* net, const NetInfo& marked)
{
    return net != nullptr && net->name == marked.name && net->degree == marked.degree;
}

bool sameTransponder(const TpInfo* tp, const TpInfo& marked)
{
    return tp != nullptr && tp->frequency == marked.frequency && tp->symbolRate == marked.symbolRate &&
           tp->polarity() == marked.polarity() && tp->name == marked.name;
}

// The index of the list's record that the test accepts nearest to `near`, or -1.
template <class List, class Accept>
int nearestMatch(const List& list, int near, Accept accept)
{
    int best = -1;
    int bestDistance = std::numeric_limits<int>::max();
    for (std::size_t i = 0; i < list.size(); ++i) {
        const int distance = std::abs(static_cast<int>(i) - near);
        if (distance < bestDistance && accept(*list.at(i))) {
            best = static_cast<int>(i);
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace

CChildView::SelectionMark CChildView::markSelection() const
{
    SelectionMark mark;
    mark.place = placeOf(currentItem_);
    if (currentItem_ == nullptr)
        return mark;
    const QTreeWidgetItem* network = currentItem_;
    while (network->parent() != nullptr)
        network = network->parent();
    if (const NetInfo* net = CKVXTree::networkOf(network))
        mark.network.copyFrom(*net);
    const TreeLevel level = CKVXTree::levelOf(currentItem_);
    if (level == TreeLevel::Transponder)
        mark.transponder = *CKVXTree::transponderOf(currentItem_);
    if (level == TreeLevel::Program) {
        mark.transponder = *CKVXTree::transponderOf(currentItem_->parent());
        mark.program = *CKVXTree::programOf(currentItem_);
    }
    return mark;
}

QTreeWidgetItem* CChildView::markedItem(const SelectionMark& mark) const
{
    const auto networkOf = [this](const TpInfo& tp) { return database_.networks.at(tp.netIndex); };
    const auto tpMatches = [&](const TpInfo& tp) {
        return sameTransponder(&tp, *mark.transponder) && sameNetwork(networkOf(tp), mark.network);
    };
    if (mark.program) {
        const int found =
            nearestMatch(database_.programs, mark.place.programIndex, [&](const ProgInfo& prog) {
                const TpInfo* tp = database_.transponders.at(prog.tpIndex);
                return prog.name == mark.program->name && prog.serviceId == mark.program->serviceId &&
                       prog.nameCodePage == mark.program->nameCodePage && tp != nullptr && tpMatches(*tp);
            });
        return found < 0 ? nullptr : tree_->itemFor(*database_.programs.at(found));
    }
    if (mark.transponder) {
        const int found = nearestMatch(database_.transponders, mark.place.transponderIndex, tpMatches);
        return found < 0 ? nullptr : tree_->itemFor(*database_.transponders.at(found));
    }
    if (mark.place.networkSlot < 0)
        return nullptr;
    const int found = nearestMatch(database_.networks, mark.place.networkSlot,
                                   [&](const NetInfo& net) { return sameNetwork(&net, mark.network); });
    return found < 0 ? nullptr : tree_->itemFor(*database_.networks.at(found));
}

void CChildView::selectMarked(const SelectionMark& mark, QTreeWidgetItem* fallback)
{
    QTreeWidgetItem* item = markedItem(mark);
    if (item == nullptr)
        item = fallback;
    if (item == nullptr)
        return;
    tree_->setCurrentItem(item);
    tree_->scrollToItem(item);
}

} // namespace kvx
