#pragma once

#include <functional>

#include <QPersistentModelIndex>
#include <QPoint>
#include <QTreeWidget>

namespace kvx {

struct ChannelDatabase;
struct NetInfo;
struct TpInfo;
struct ProgInfo;
class NameEncoding;
class GuardedSelectionModel;

enum class TreeLevel { Network, Transponder, Program };

// A record the tree shows, with the level that tells its type.
struct TreeRecord {
    TreeLevel level = TreeLevel::Network;
    const void* record = nullptr;
};

// Receives the tree's mouse gestures that the view answers: right-click selection and item drags.
class TreeMouseHandler {
public:
    virtual ~TreeMouseHandler() = default;
    virtual void SelectOnRightClick(QPoint pos) = 0;
    virtual void BeginDrag(QTreeWidgetItem* item, QPoint pos) = 0;
    virtual void DragOver(QPoint pos) = 0;
    virtual void EndDrag(QPoint pos) = 0;
    virtual bool isDragging() const = 0;
};

// The satellite tree: networks, their transponders and the transponders' programs. Every item points
// at its record and every record that has an item points at it through treeItem. A database of more
// records than the eager limit gets the items of a branch only when the branch first opens (or one of
// its records is asked for), so that nothing is made for the branches nobody looks at. Positions are
// viewport coordinates.
class CKVXTree : public QTreeWidget {
    Q_OBJECT
public:
    static constexpr std::size_t kDefaultEagerLimit = 4000;

    explicit CKVXTree(const NameEncoding& encoding, QWidget* parent = nullptr);

    // Databases of at most this many records get every item at once.
    void setEagerLimit(std::size_t records) { eagerLimit_ = records; }

    void setMouseHandler(TreeMouseHandler* handler) { mouseHandler_ = handler; }
    // Asked before the current item changes, however it is moved; false keeps the current item and
    // the highlight where they are.
    void setCurrentChangeGuard(std::function<bool()> guard);
    // The encoding changed: every label is made again.
    void setNameEncoding(const NameEncoding& encoding);

    ChannelDatabase* database() const { return database_; }

    // Shows the whole database and selects its first network.
    void Build(ChannelDatabase* database);
    // Build of the attached database again, keeping open the items of the records that were open.
    void Rebuild();
    // Detaches the database and removes every item.
    void Clear();

    // The record's item, made with its siblings when its branch has none yet; none when the tree leaves
    // the record out.
    QTreeWidgetItem* itemFor(const NetInfo& net) const;
    QTreeWidgetItem* itemFor(const TpInfo& tp);
    QTreeWidgetItem* itemFor(const ProgInfo& prog);
    QTreeWidgetItem* itemFor(const TreeRecord& record);
    static TreeRecord recordAt(const QTreeWidgetItem* item);
    // Makes the children of the item when they were not made yet.
    void fillBranch(QTreeWidgetItem* item);
    // Fills the branch and opens it when it has children.
    void openBranch(QTreeWidgetItem* item);
    // The records below the item, counted in the database, filled or not.
    struct Descendants {
        int children = 0;
        int grandchildren = 0;
    };
    Descendants descendantsOf(const QTreeWidgetItem* item) const;

    QTreeWidgetItem* InsertNetwork(NetInfo& net);
    // Appends the item to its network's children, or inserts it just before `before`. In a branch not
    // filled yet, the branch is filled instead, the record (already in the database) with the others.
    QTreeWidgetItem* InsertTransponder(TpInfo& tp, QTreeWidgetItem* before = nullptr);
    QTreeWidgetItem* InsertProgram(ProgInfo& prog, QTreeWidgetItem* before = nullptr);

    void SetNetworkText(QTreeWidgetItem* item, const NetInfo& net);
    void RefreshTransponderText(QTreeWidgetItem* item, const TpInfo& tp);
    void RefreshProgramText(QTreeWidgetItem* item, const ProgInfo& prog);

    void DeleteItem(QTreeWidgetItem* item);
    void DeleteChildren(QTreeWidgetItem* item);
    void DeleteItemAndChildren(QTreeWidgetItem* item);
    void DeleteGrandchildren(QTreeWidgetItem* item);

    static TreeLevel levelOf(const QTreeWidgetItem* item);
    static NetInfo* networkOf(const QTreeWidgetItem* item);
    static TpInfo* transponderOf(const QTreeWidgetItem* item);
    static ProgInfo* programOf(const QTreeWidgetItem* item);
    static QTreeWidgetItem* itemOf(const void* treeItemField);
    bool IsTerrestrialNetworkItem(const QTreeWidgetItem* item) const;

    // Selections of several rows, all of one level (treeselection.cpp). Makes `current` current, as far
    // as the guard lets it, and selects the items with it.
    void selectItems(QTreeWidgetItem* current, const QList<QTreeWidgetItem*>& items);
    bool isRowSelected(const QTreeWidgetItem* item) const;
    // The selected rows in the tree's order.
    QList<QTreeWidgetItem*> selectedRows() const;
    // Ctrl+A: every sibling of the current row.
    void selectAll() override;

    // The item shown as the target of a drag, or none.
    void setDropHighlight(QTreeWidgetItem* item);
    QTreeWidgetItem* dropHighlight() const { return dropHighlight_; }

signals:
    // Emitted before all items go, so that holders of item pointers can let go of them.
    void aboutToClear();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override;

private:
    QTreeWidgetItem* makeNetworkItem(NetInfo& net) const;
    QTreeWidgetItem* makeTransponderItem(TpInfo& tp) const;
    QTreeWidgetItem* makeProgramItem(ProgInfo& prog) const;
    QList<QTreeWidgetItem*> makeTransponderItemsOf(const NetInfo& net);
    QList<QTreeWidgetItem*> makeProgramItemsOf(const TpInfo& tp);
    void buildAllBranches(const QList<QTreeWidgetItem*>& networks);
    void markUnfilledNetworks(const QList<QTreeWidgetItem*>& networks);
    void insertChild(QTreeWidgetItem* parent, QTreeWidgetItem* child, QTreeWidgetItem* before);
    void relabel(QTreeWidgetItem* item);
    // Ctrl+Shift+Up and Down: the current row moves to its sibling and the selection spans the rows from
    // the anchor to it (Shift+Up and Down are the move commands).
    void extendSelection(int step);

    const NameEncoding* encoding_;
    GuardedSelectionModel* selection_;
    ChannelDatabase* database_ = nullptr;
    TreeMouseHandler* mouseHandler_ = nullptr;
    QTreeWidgetItem* dropHighlight_ = nullptr;
    QTreeWidgetItem* pressedItem_ = nullptr;
    QPoint pressPos_;
    QPersistentModelIndex selectionAnchor_;
    std::size_t eagerLimit_ = kDefaultEagerLimit;
};

} // namespace kvx
