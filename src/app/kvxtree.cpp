#include "app/kvxtree.h"

#include <algorithm>
#include <vector>

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTreeWidgetItemIterator>

#include "app/guardedselectionmodel.h"
#include "db/channeldatabase.h"
#include "panels/accentroomdelegate.h"
#include "ui/itemlabels.h"

namespace kvx {

namespace {

// A tree item that knows its record. The record's type follows from the item's level. An unfilled item
// has children in the database that have no items yet; it shows the expand arrow all the same.
class RecordItem final : public QTreeWidgetItem {
public:
    static constexpr int kType = QTreeWidgetItem::UserType + 1;
    explicit RecordItem(void* record)
            : QTreeWidgetItem(kType)
            , record_(record)
    {}
    void* record() const { return record_; }
    bool filled() const { return filled_; }
    void setFilled(bool filled)
    {
        filled_ = filled;
        setChildIndicatorPolicy(filled ? DontShowIndicatorWhenChildless : ShowIndicator);
    }

private:
    void* record_;
    bool filled_ = true;
};

RecordItem* recordItem(QTreeWidgetItem* item)
{
    return item != nullptr && item->type() == RecordItem::kType ? static_cast<RecordItem*>(item) : nullptr;
}

void* recordOf(const QTreeWidgetItem* item)
{
    if (item == nullptr || item->type() != RecordItem::kType)
        return nullptr;
    return static_cast<const RecordItem*>(item)->record();
}

// The lists' lengths as the tree counts them: records beyond them have no item.
std::size_t networkCount(const ChannelDatabase& db)
{
    return db.networks.size() & 0xFF;
}
std::size_t transponderCount(const ChannelDatabase& db)
{
    return db.transponders.size() & 0xFFFF;
}
std::size_t programCount(const ChannelDatabase& db)
{
    return db.programs.size() & 0xFFFF;
}

bool isInSubtree(const QTreeWidgetItem* candidate, const QTreeWidgetItem* root)
{
    for (const QTreeWidgetItem* it = candidate; it != nullptr; it = it->parent())
        if (it == root)
            return true;
    return false;
}

// Lets the records of a subtree forget their items before the items go.
void forgetItems(QTreeWidgetItem* item)
{
    for (int i = 0; i < item->childCount(); ++i)
        forgetItems(item->child(i));
    switch (CKVXTree::levelOf(item)) {
    case TreeLevel::Network:
        if (NetInfo* net = CKVXTree::networkOf(item))
            net->treeItem = nullptr;
        break;
    case TreeLevel::Transponder:
        if (TpInfo* tp = CKVXTree::transponderOf(item))
            tp->treeItem = nullptr;
        break;
    case TreeLevel::Program:
        if (ProgInfo* prog = CKVXTree::programOf(item))
            prog->treeItem = nullptr;
        break;
    }
}

template <class List>
void forgetAllItems(List& list)
{
    for (auto& record : list)
        record.treeItem = nullptr;
}

// The application's style with dotted lines joining each item to its parent and siblings, the root
// items included; the style itself draws only the expand arrows.
class BranchLineStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        if (element == PE_IndicatorBranch)
            drawLines(*option, *painter);
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

private:
    // Half the room kept free around the expand arrow.
    static constexpr int kArrowRoom = 6;

    static void drawLines(const QStyleOption& option, QPainter& painter)
    {
        const QRect& cell = option.rect;
        const QPoint mid = cell.center();
        const int room = option.state & State_Children ? kArrowRoom : 0;
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(option.palette.color(QPalette::Mid), 1, Qt::DotLine));
        if (option.state & State_Item) {
            painter.drawLine(mid.x() + room, mid.y(), cell.right(), mid.y());
            painter.drawLine(mid.x(), cell.top(), mid.x(), mid.y() - room);
        }
        if (option.state & State_Sibling)
            painter.drawLine(mid.x(), option.state & State_Item ? mid.y() + room : cell.top(), mid.x(),
                             cell.bottom());
        painter.restore();
    }
};

} // namespace

CKVXTree::CKVXTree(const NameEncoding& encoding, QWidget* parent)
        : QTreeWidget(parent)
        , encoding_(&encoding)
        , selection_(new GuardedSelectionModel(model(), this))
{
    connect(this, &QTreeWidget::itemExpanded, this, &CKVXTree::fillBranch);
    QItemSelectionModel* plain = selectionModel();
    setSelectionModel(selection_);
    delete plain;
    // QTreeWidget ties its item signals to the selection model it made itself; they are tied to the
    // guarded one here.
    connect(selection_, &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current, const QModelIndex& previous) {
                emit currentItemChanged(itemFromIndex(current), itemFromIndex(previous));
            });
    connect(selection_, &QItemSelectionModel::selectionChanged, this, &QTreeWidget::itemSelectionChanged);
    setObjectName(QStringLiteral("KVXTree"));
    setColumnCount(1);
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setUniformRowHeights(true);
    setItemDelegate(new AccentRoomDelegate(this));
    setSortingEnabled(false);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    // A press on a row of a selection keeps the selection, which a drag may then carry; the drag itself
    // is the view's own, never Qt's.
    setDragEnabled(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFrameShape(QFrame::StyledPanel);
    // A widget does not own the style it is given; the tree keeps it as a child.
    auto* lines = new BranchLineStyle(QStyleFactory::create(QApplication::style()->name()));
    lines->setParent(this);
    setStyle(lines);
}

void CKVXTree::setCurrentChangeGuard(std::function<bool()> guard)
{
    selection_->setGuard(std::move(guard));
}

void CKVXTree::setNameEncoding(const NameEncoding& encoding)
{
    encoding_ = &encoding;
    for (int n = 0; n < topLevelItemCount(); ++n) {
        QTreeWidgetItem* net = topLevelItem(n);
        relabel(net);
        for (int t = 0; t < net->childCount(); ++t) {
            QTreeWidgetItem* tp = net->child(t);
            relabel(tp);
            for (int p = 0; p < tp->childCount(); ++p)
                relabel(tp->child(p));
        }
    }
}

void CKVXTree::relabel(QTreeWidgetItem* item)
{
    switch (levelOf(item)) {
    case TreeLevel::Network: SetNetworkText(item, *networkOf(item)); break;
    case TreeLevel::Transponder: RefreshTransponderText(item, *transponderOf(item)); break;
    case TreeLevel::Program: RefreshProgramText(item, *programOf(item)); break;
    }
}

void CKVXTree::Build(ChannelDatabase* database)
{
    Clear();
    if (database == nullptr)
        return;
    database_ = database;

    // The items are put together outside the view and handed over in one step, so that the view does
    // its bookkeeping once rather than once per item.
    const std::size_t netCount = networkCount(*database);
    QList<QTreeWidgetItem*> networks;
    networks.reserve(static_cast<qsizetype>(netCount));
    for (std::size_t n = 0; n < netCount; ++n)
        networks.append(makeNetworkItem(database->networks[n]));
    if (netCount + transponderCount(*database) + programCount(*database) <= eagerLimit_)
        buildAllBranches(networks);
    else
        markUnfilledNetworks(networks);

    addTopLevelItems(networks);
    if (!networks.isEmpty())
        setCurrentItem(networks.first());
}

void CKVXTree::buildAllBranches(const QList<QTreeWidgetItem*>& networks)
{
    const std::size_t netCount = networkCount(*database_);
    const std::size_t tpCount = transponderCount(*database_);
    const std::size_t progCount = programCount(*database_);
    // Records whose owner index lies outside its list are left out of the tree.
    std::vector<QTreeWidgetItem*> transponders(tpCount, nullptr);
    for (std::size_t t = 0; t < tpCount; ++t) {
        TpInfo& tp = database_->transponders[t];
        if (tp.netIndex < netCount) {
            transponders[t] = makeTransponderItem(tp);
            networks[tp.netIndex]->addChild(transponders[t]);
        }
    }
    for (std::size_t p = 0; p < progCount; ++p) {
        ProgInfo& prog = database_->programs[p];
        if (prog.tpIndex < tpCount && transponders[prog.tpIndex] != nullptr)
            transponders[prog.tpIndex]->addChild(makeProgramItem(prog));
    }
}

void CKVXTree::markUnfilledNetworks(const QList<QTreeWidgetItem*>& networks)
{
    const std::size_t tpCount = transponderCount(*database_);
    for (std::size_t t = 0; t < tpCount; ++t) {
        const uint8_t slot = database_->transponders[t].netIndex;
        if (slot < networks.size())
            recordItem(networks[slot])->setFilled(false);
    }
}

QList<QTreeWidgetItem*> CKVXTree::makeTransponderItemsOf(const NetInfo& net)
{
    const std::ptrdiff_t slot = database_->networks.indexOf(&net);
    const std::size_t tpCount = transponderCount(*database_);
    const std::size_t progCount = programCount(*database_);
    std::vector<bool> hasPrograms(tpCount, false);
    for (std::size_t p = 0; p < progCount; ++p)
        if (const uint16_t tp = database_->programs[p].tpIndex; tp < tpCount)
            hasPrograms[tp] = true;
    QList<QTreeWidgetItem*> items;
    for (std::size_t t = 0; t < tpCount; ++t) {
        TpInfo& tp = database_->transponders[t];
        if (tp.netIndex != slot)
            continue;
        items.append(makeTransponderItem(tp));
        if (hasPrograms[t])
            recordItem(items.back())->setFilled(false);
    }
    return items;
}

QList<QTreeWidgetItem*> CKVXTree::makeProgramItemsOf(const TpInfo& tp)
{
    const std::ptrdiff_t position = database_->transponders.indexOf(&tp);
    const std::size_t progCount = programCount(*database_);
    QList<QTreeWidgetItem*> items;
    for (std::size_t p = 0; p < progCount; ++p)
        if (database_->programs[p].tpIndex == position)
            items.append(makeProgramItem(database_->programs[p]));
    return items;
}

CKVXTree::Descendants CKVXTree::descendantsOf(const QTreeWidgetItem* item) const
{
    Descendants counts;
    if (item == nullptr || database_ == nullptr || levelOf(item) == TreeLevel::Program)
        return counts;
    const std::size_t tpCount = transponderCount(*database_);
    const std::size_t progCount = programCount(*database_);
    std::vector<bool> below(tpCount, false);
    if (levelOf(item) == TreeLevel::Transponder) {
        const std::ptrdiff_t position = database_->transponders.indexOf(transponderOf(item));
        if (position >= 0 && static_cast<std::size_t>(position) < tpCount)
            below[static_cast<std::size_t>(position)] = true;
    } else {
        const std::ptrdiff_t slot = database_->networks.indexOf(networkOf(item));
        for (std::size_t t = 0; t < tpCount; ++t)
            below[t] = database_->transponders[t].netIndex == slot;
        counts.children = static_cast<int>(std::count(below.begin(), below.end(), true));
    }
    int programs = 0;
    for (std::size_t p = 0; p < progCount; ++p)
        if (const uint16_t tp = database_->programs[p].tpIndex; tp < tpCount && below[tp])
            ++programs;
    (levelOf(item) == TreeLevel::Transponder ? counts.children : counts.grandchildren) = programs;
    return counts;
}

void CKVXTree::fillBranch(QTreeWidgetItem* item)
{
    RecordItem* branch = recordItem(item);
    if (branch == nullptr || branch->filled() || database_ == nullptr)
        return;
    // Filled before the children come, so that their arrival cannot ask for them again.
    branch->setFilled(true);
    const TreeLevel level = levelOf(item);
    if (level == TreeLevel::Network)
        item->addChildren(makeTransponderItemsOf(*networkOf(item)));
    else if (level == TreeLevel::Transponder)
        item->addChildren(makeProgramItemsOf(*transponderOf(item)));
}

void CKVXTree::openBranch(QTreeWidgetItem* item)
{
    if (item == nullptr)
        return;
    fillBranch(item);
    if (item->childCount() > 0)
        item->setExpanded(true);
}

QTreeWidgetItem* CKVXTree::itemFor(const NetInfo& net) const
{
    return itemOf(net.treeItem);
}

QTreeWidgetItem* CKVXTree::itemFor(const TpInfo& tp)
{
    if (tp.treeItem == nullptr && database_ != nullptr)
        if (const NetInfo* net = database_->networks.at(tp.netIndex))
            fillBranch(itemOf(net->treeItem));
    return itemOf(tp.treeItem);
}

QTreeWidgetItem* CKVXTree::itemFor(const ProgInfo& prog)
{
    if (prog.treeItem == nullptr && database_ != nullptr)
        if (const TpInfo* tp = database_->transponders.at(prog.tpIndex))
            fillBranch(itemFor(*tp));
    return itemOf(prog.treeItem);
}

QTreeWidgetItem* CKVXTree::itemFor(const TreeRecord& record)
{
    switch (record.level) {
    case TreeLevel::Network: return itemFor(*static_cast<const NetInfo*>(record.record));
    case TreeLevel::Transponder: return itemFor(*static_cast<const TpInfo*>(record.record));
    case TreeLevel::Program: return itemFor(*static_cast<const ProgInfo*>(record.record));
    }
    return nullptr;
}

TreeRecord CKVXTree::recordAt(const QTreeWidgetItem* item)
{
    return {levelOf(item), recordOf(item)};
}

void CKVXTree::Rebuild()
{
    // Records keep their identity through the rebuild: the branches of those that were open open again.
    ChannelDatabase* database = database_;
    std::vector<TreeRecord> expanded;
    for (QTreeWidgetItemIterator it(this); *it != nullptr; ++it)
        if ((*it)->isExpanded())
            expanded.push_back(recordAt(*it));
    Build(database);
    for (const TreeRecord& record : expanded)
        openBranch(itemFor(record));
}

void CKVXTree::Clear()
{
    if (database_ == nullptr)
        return;
    emit aboutToClear();
    forgetAllItems(database_->networks);
    forgetAllItems(database_->transponders);
    forgetAllItems(database_->programs);
    database_ = nullptr;
    dropHighlight_ = nullptr;
    pressedItem_ = nullptr;
    // No repaint while the items go.
    setUpdatesEnabled(false);
    clear();
    setUpdatesEnabled(true);
}

QTreeWidgetItem* CKVXTree::makeNetworkItem(NetInfo& net) const
{
    auto* item = new RecordItem(&net);
    item->setText(0, networkLabel(net, *encoding_));
    if (net.netIndex == TERRESTRIAL_SLOT) {
        QFont bold = font();
        bold.setBold(true);
        item->setFont(0, bold);
    }
    net.treeItem = item;
    return item;
}

QTreeWidgetItem* CKVXTree::makeTransponderItem(TpInfo& tp) const
{
    auto* item = new RecordItem(&tp);
    item->setText(0, transponderItemLabel(tp, database_->layoutFlags, *encoding_));
    tp.treeItem = item;
    return item;
}

QTreeWidgetItem* CKVXTree::makeProgramItem(ProgInfo& prog) const
{
    auto* item = new RecordItem(&prog);
    item->setText(0, programLabel(prog, *encoding_));
    prog.treeItem = item;
    return item;
}

QTreeWidgetItem* CKVXTree::InsertNetwork(NetInfo& net)
{
    if (database_ == nullptr)
        return nullptr;
    QTreeWidgetItem* item = makeNetworkItem(net);
    addTopLevelItem(item);
    return item;
}

QTreeWidgetItem* CKVXTree::InsertTransponder(TpInfo& tp, QTreeWidgetItem* before)
{
    if (database_ == nullptr || tp.netIndex >= database_->networks.size())
        return nullptr;
    RecordItem* parent = recordItem(itemOf(database_->networks[tp.netIndex].treeItem));
    if (parent == nullptr)
        return nullptr;
    if (!parent->filled())
        return itemFor(tp);
    QTreeWidgetItem* item = makeTransponderItem(tp);
    insertChild(parent, item, before);
    return item;
}

QTreeWidgetItem* CKVXTree::InsertProgram(ProgInfo& prog, QTreeWidgetItem* before)
{
    if (database_ == nullptr || prog.tpIndex >= database_->transponders.size())
        return nullptr;
    RecordItem* parent = recordItem(itemOf(database_->transponders[prog.tpIndex].treeItem));
    if (parent == nullptr)
        return nullptr;
    if (!parent->filled())
        return itemFor(prog);
    QTreeWidgetItem* item = makeProgramItem(prog);
    insertChild(parent, item, before);
    return item;
}

void CKVXTree::insertChild(QTreeWidgetItem* parent, QTreeWidgetItem* child, QTreeWidgetItem* before)
{
    if (before != nullptr && before->parent() == parent)
        parent->insertChild(parent->indexOfChild(before), child);
    else
        parent->addChild(child);
}

void CKVXTree::SetNetworkText(QTreeWidgetItem* item, const NetInfo& net)
{
    item->setText(0, networkLabel(net, *encoding_));
}

void CKVXTree::RefreshTransponderText(QTreeWidgetItem* item, const TpInfo& tp)
{
    const uint32_t flags = database_ != nullptr ? database_->layoutFlags : 0;
    item->setText(0, transponderItemLabel(tp, flags, *encoding_));
}

void CKVXTree::RefreshProgramText(QTreeWidgetItem* item, const ProgInfo& prog)
{
    item->setText(0, programLabel(prog, *encoding_));
}

void CKVXTree::DeleteItem(QTreeWidgetItem* item)
{
    if (item == nullptr)
        return;
    if (isInSubtree(dropHighlight_, item))
        dropHighlight_ = nullptr;
    if (isInSubtree(pressedItem_, item))
        pressedItem_ = nullptr;
    forgetItems(item);
    delete item;
}

void CKVXTree::DeleteChildren(QTreeWidgetItem* item)
{
    // From the last child on, so that no sibling has to shift.
    while (item != nullptr && item->childCount() > 0)
        DeleteItemAndChildren(item->child(item->childCount() - 1));
    // The records go next: a branch not filled yet has nothing left to fill.
    if (RecordItem* branch = recordItem(item))
        branch->setFilled(true);
}

void CKVXTree::DeleteItemAndChildren(QTreeWidgetItem* item)
{
    DeleteChildren(item);
    DeleteItem(item);
}

void CKVXTree::DeleteGrandchildren(QTreeWidgetItem* item)
{
    if (item == nullptr)
        return;
    for (int i = 0; i < item->childCount(); ++i)
        DeleteChildren(item->child(i));
}

TreeLevel CKVXTree::levelOf(const QTreeWidgetItem* item)
{
    if (item->parent() == nullptr)
        return TreeLevel::Network;
    return item->parent()->parent() != nullptr ? TreeLevel::Program : TreeLevel::Transponder;
}

NetInfo* CKVXTree::networkOf(const QTreeWidgetItem* item)
{
    return item != nullptr && levelOf(item) == TreeLevel::Network ? static_cast<NetInfo*>(recordOf(item))
                                                                  : nullptr;
}

TpInfo* CKVXTree::transponderOf(const QTreeWidgetItem* item)
{
    return item != nullptr && levelOf(item) == TreeLevel::Transponder ? static_cast<TpInfo*>(recordOf(item))
                                                                      : nullptr;
}

ProgInfo* CKVXTree::programOf(const QTreeWidgetItem* item)
{
    return item != nullptr && levelOf(item) == TreeLevel::Program ? static_cast<ProgInfo*>(recordOf(item))
                                                                  : nullptr;
}

QTreeWidgetItem* CKVXTree::itemOf(const void* treeItemField)
{
    return static_cast<QTreeWidgetItem*>(const_cast<void*>(treeItemField));
}

bool CKVXTree::IsTerrestrialNetworkItem(const QTreeWidgetItem* item) const
{
    const NetInfo* net = networkOf(item);
    return net != nullptr && net->netIndex == TERRESTRIAL_SLOT;
}

void CKVXTree::setDropHighlight(QTreeWidgetItem* item)
{
    if (item == dropHighlight_)
        return;
    if (dropHighlight_ != nullptr) {
        dropHighlight_->setData(0, Qt::BackgroundRole, QVariant());
        dropHighlight_->setData(0, Qt::ForegroundRole, QVariant());
    }
    dropHighlight_ = item;
    if (item != nullptr) {
        item->setBackground(0, palette().brush(QPalette::Active, QPalette::Highlight));
        item->setForeground(0, palette().brush(QPalette::Active, QPalette::HighlightedText));
    }
}

void CKVXTree::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::RightButton) {
        // The view decides what a right click selects; the context menu follows on its own event.
        if (mouseHandler_ != nullptr)
            mouseHandler_->SelectOnRightClick(pos);
        event->accept();
        return;
    }
    if (event->button() == Qt::LeftButton) {
        pressedItem_ = itemAt(pos);
        pressPos_ = pos;
    }
    QTreeWidget::mousePressEvent(event);
}

void CKVXTree::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (mouseHandler_ != nullptr && mouseHandler_->isDragging()) {
        mouseHandler_->DragOver(pos);
        return;
    }
    const bool farEnough = (pos - pressPos_).manhattanLength() >= QApplication::startDragDistance();
    if ((event->buttons() & Qt::LeftButton) && pressedItem_ != nullptr && mouseHandler_ != nullptr &&
        farEnough) {
        QTreeWidgetItem* item = pressedItem_;
        pressedItem_ = nullptr;
        mouseHandler_->BeginDrag(item, pressPos_);
        if (mouseHandler_->isDragging()) {
            viewport()->grabMouse();
            mouseHandler_->DragOver(pos);
            return;
        }
    }
    // A held button never sweeps the selection over the items the pointer passes: what the press
    // selected stays selected, also when it cannot be dragged (the terrestrial network, a press beside
    // the items).
    if (event->buttons() & Qt::LeftButton) {
        event->accept();
        return;
    }
    QTreeWidget::mouseMoveEvent(event);
}

void CKVXTree::mouseReleaseEvent(QMouseEvent* event)
{
    pressedItem_ = nullptr;
    if (event->button() == Qt::LeftButton && mouseHandler_ != nullptr && mouseHandler_->isDragging()) {
        mouseHandler_->EndDrag(event->position().toPoint());
        if (QWidget* grabber = QWidget::mouseGrabber())
            grabber->releaseMouse();
        event->accept();
        return;
    }
    QTreeWidget::mouseReleaseEvent(event);
}

void CKVXTree::wheelEvent(QWheelEvent* event)
{
    QTreeWidget::wheelEvent(event);
    // The item under a resting pointer changes as the tree scrolls.
    if (mouseHandler_ != nullptr && mouseHandler_->isDragging())
        mouseHandler_->DragOver(viewport()->mapFromGlobal(QCursor::pos()));
}

} // namespace kvx
