#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <span>

#include <QPointer>
#include <QWidget>

#include "app/appservices.h"
#include "app/kvxtree.h"
#include "base/status.h"
#include "db/channeldatabase.h"
#include "db/databasepreload.h"
#include "db/edithistory.h"
#include "db/fileidentity.h"
#include "panels/editbar.h"
#include "platform/nameencoding.h"
#include "res/commandids.h"

class QAction;
class QLabel;
class QMenu;

namespace kvx {

// The main window's client area: owns the database, shows it in the satellite tree, handles the
// document commands and keeps the window title.
class CChildView : public QWidget, public TreeMouseHandler {
    Q_OBJECT
public:
    explicit CChildView(const AppServices& services, QWidget* parent = nullptr);
    ~CChildView() override;

    ChannelDatabase& database() { return database_; }
    CKVXTree* tree() const { return tree_; }
    void setEditBar(CEditBar* editBar) { editBar_ = editBar; }
    CEditBar* editBar() const { return editBar_; }
    int page() const;

    QTreeWidgetItem* currentItem() const { return currentItem_; }
    AntInfo* currentAnt() const { return currentAnt_; }
    NetInfo* currentNet() const { return currentNet_; }
    TpInfo* currentTp() const { return currentTp_; }
    ProgInfo* currentProg() const { return currentProg_; }
    bool modified() const { return modified_; }
    bool channelListOpen() const { return channelListOpen_; }
    // Whether a database is open (the tree shows it), even one without networks.
    bool hasDocument() const { return tree_->database() != nullptr; }

    const NameEncoding& nameEncoding() const { return encoding_; }
    void setNameEncoding(const QString& codePage);

    // Title and modified flag.
    QString titleText() const;
    void UpdateTitle();
    // The database changed: the change becomes the undo step `step` ("Delete Network").
    void MarkModified(const QString& step);

    // Saving and the guard before the database is replaced; results as the file operations give them.
    int SaveDocument(bool saveAs);
    int SaveModified();
    void ResetSelection();
    int ApplyEdits(int ask);
    // The page's OK button: applies without asking and fills the page again from the stored record.
    void ApplyPageEdits();
    void ShowNetworkItem(QTreeWidgetItem* item);

    // Document commands.
    void OnFileNew();
    void OnFileOpen();
    void OnFileClose();
    void OnFileSave();
    void OnFileSaveAs();
    void OnEditUndo();
    void OnEditRedo();
    bool canUndo() const;
    bool canRedo() const;
    // The Edit menu's texts, naming the step when there is one.
    QString undoText() const;
    QString redoText() const;
    // View commands.
    void OnViewChannelList();
    // Rebuilds the channel order after a reference list the user chooses, as reviewed
    // (referencecommand.cpp).
    void OnApplyReferenceList();
    // Opens a file without the dialog (a dropped file, or the file named at start-up).
    int OpenFile(const QString& path);
    // Opens the file at `path` that a preload read already, or the usual way when it could not.
    int OpenLoaded(const QString& path, DatabasePreload::Loaded loaded);

    // Print, preview and export of the database (printcommands.cpp).
    void OnFilePrint();
    void OnFilePrintPreview();
    void OnFileExport();
    void OnExportSatellitesXml();
    // The network slot that "Selected network only" prints: the selected network, or the one of the
    // selected transponder or program; -1 when nothing is selected.
    int selectedNetworkSlot();

    // Stamp, sort, delete, add and move commands, and the Insert and Delete keys
    // (structurecommands.cpp, keycommands.cpp).
    void OnModificationDate();
    void OnSortByDegree();
    void OnTpSortByFrequency();
    void OnDeleteNetwork();
    void OnAddTransponder();
    void OnDeleteTransponder();
    void OnDeleteAllTranspondersInNetwork();
    void OnAddProgram();
    void OnDeleteProgram();
    void OnDeleteAllProgramsInTransponder();
    void OnDeleteAllProgramsInNetwork();
    void OnMoveUp();
    void OnMoveDown();
    void OnInsertKey();
    void OnDeleteKey();
    // Asks the delete question with Yes and No; none asks nothing and deletes nothing.
    bool confirmDelete(const std::optional<QString>& question);
    // Delete with several transponders or programs selected: one question naming the count, one step.
    void deleteSelectedRecords();
    // The selected programs join or leave a favourite group, or take or lose the scrambled mark, as one
    // step (selectioncommands.cpp).
    void OnAddToFavouriteGroup(int group);
    void OnRemoveFromFavouriteGroup(int group);
    void OnMarkScrambled();
    void OnClearScrambled();
    // The names of the groups the favourite submenus offer, as the channel list shows them.
    QStringList favouriteGroupNames() const;
    // The selected rows in the tree's order; the current row when none is selected.
    QList<QTreeWidgetItem*> selectedRows() const;
    struct CommandHandler {
        CommandId id;
        void (CChildView::*run)();
    };
    // The handlers above by command, for the frame to connect.
    static std::span<const CommandHandler> structureCommands();

    // The tree's context menu for the current page, none on the empty page (treecontextmenu.cpp).
    std::unique_ptr<QMenu> CreateContextMenu();
    // The program page's entries for the selected programs: favourite groups and the scrambled mark.
    void addProgramSelectionItems(QMenu& menu);
    // Opens the menu at the screen position; the chosen item's command is requested from the frame.
    void OnContextMenu(QPoint globalPos);
    // Runs the menu and returns the chosen item; tests choose without opening a popup.
    using MenuRunner = std::function<QAction*(QMenu&, QPoint)>;
    void setContextMenuRunner(MenuRunner runner) { menuRunner_ = std::move(runner); }
    // Satellite commands that fill the selected network from outside (importcommands.cpp).
    void OnImportSatcodx();
    void OnUpdateFromLyngSat();
    void OnUpdateFromScanTable();
    void OnImportSatellitesXml();
    // The check of the whole database, reviewed as a clean-up and applied as one step
    // (cleanupcommand.cpp).
    void OnCheckDatabase();

    // Tree gestures.
    void SelectOnRightClick(QPoint pos) override;
    void BeginDrag(QTreeWidgetItem* item, QPoint pos) override;
    void DragOver(QPoint pos) override;
    void EndDrag(QPoint pos) override;
    bool isDragging() const override { return dragging_; }
    void MoveItem(QTreeWidgetItem* a, QTreeWidgetItem* b);
    // The picture that follows the pointer during a drag, or none.
    QWidget* dragImage() const;
    QTreeWidgetItem* dropTarget() const { return dropTarget_; }

signals:
    // Selection, page or modified state changed: the commands' enabling may have changed.
    void documentStateChanged();
    // A context menu item was chosen: the frame runs the main command it stands for.
    void commandRequested(int id);
    // A file was opened, or saved under a new name: the recent-file list takes it.
    void fileUsed(const QString& path);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    bool canImportIntoNetwork() const;
    // Settles the page's edits; false when the current item must stay (Cancel, a refused page).
    bool mayLeaveCurrentItem();
    void onSelectionChanged(QTreeWidgetItem* item);
    // Makes the item current and shows its record in the edit bar, without applying edits.
    void showItem(QTreeWidgetItem* item);
    void selectNewItem(QTreeWidgetItem* item);
    // Builds the tree again (keeping its open branches when `keepOpen`), then lets `select` choose the
    // row to show. The build's own choice of the first network is never shown, so that the edit bar
    // makes its page once.
    void rebuildTree(bool keepOpen, const std::function<void()>& select);
    // After items went from the tree: shows the tree's selection when the edit bar was emptied for it.
    void showSelectionAfterDelete();
    void removeItemsThenRecords(const QString& step, const std::function<void()>& fromTree,
                                const std::function<void()>& fromDatabase);
    // The transponder and network the commands work on for the current page, or none.
    TpInfo* commandTransponder();
    NetInfo* commandNetwork();
    void moveBySibling(int step);
    // Several selected rows (selectioncommands.cpp).
    bool severalRowsSelected() const;
    // The selected programs' or transponders' positions, ascending.
    std::vector<uint16_t> selectedPositions() const;
    std::vector<uint8_t> selectedNetworkSlots() const;
    // Selects the rows of the records again after a rebuild; records keep their identity through it.
    void reselectRows(const TreeRecord& current, const std::vector<TreeRecord>& rows);
    // Moves the selected programs (true) or transponders at the positions; returns their new positions,
    // none when nothing moved.
    using BlockMove = std::function<std::vector<uint16_t>(bool programs, const std::vector<uint16_t>&)>;
    void moveSelectedRows(const BlockMove& move);
    void moveSelectedBlock(int step);
    void dropSelectedBlock(QTreeWidgetItem* target);
    // Changes the selected programs at the positions; returns how many changed.
    using ProgramChange = std::function<std::size_t(const std::vector<uint16_t>&)>;
    void changeSelectedPrograms(const QString& step, const ProgramChange& change);
    // The network commands for each selected network, as one step.
    void sortSelectedNetworks();
    void deleteInSelectedNetworks(bool programsOnly);
    void forgetCurrentRecords();

    // Branches of the tree that are open, by record position, so that they outlive a rebuild.
    struct OpenBranches {
        std::vector<int> networks;
        std::vector<int> transponders;
    };
    StepPlace placeOf(const QTreeWidgetItem* item) const;
    // The selected record by what it holds (selectionmark.cpp), to select it again after a rebuild;
    // when it is gone, the fallback is selected.
    struct SelectionMark {
        StepPlace place;
        NetInfo network;
        std::optional<TpInfo> transponder;
        std::optional<ProgInfo> program;
    };
    SelectionMark markSelection() const;
    void selectNetworkAfterImport(const NetInfo& network);
    void finishListImport(NetInfo& network, const QString& stepName);
    QTreeWidgetItem* markedItem(const SelectionMark& mark) const;
    void selectMarked(const SelectionMark& mark, QTreeWidgetItem* fallback);
    QTreeWidgetItem* itemAtPlace(const StepPlace& place) const;
    void recordStep(const QString& name);
    void stepThroughHistory(bool back);
    int settlePendingEdits();
    OpenBranches openBranches() const;
    void reopenBranches(const OpenBranches& open);
    int openPath(const QString& path);
    // Shows the document just opened: title, commands, recent files.
    void showOpened();
    // Whether the save may write `path`: asked when another program changed the document's file since
    // it was read or written.
    bool mayOverwrite(const std::string& path);
    void reportStatus(const Outcome& outcome, const QString& fileName = {});
    std::unique_ptr<QLabel> CreateDragImage(QTreeWidgetItem* item) const;
    void setTreeCursor(Qt::CursorShape shape);

    AppServices services_;
    ChannelDatabase database_;
    NameEncoding encoding_;
    CKVXTree* tree_;
    QPointer<CEditBar> editBar_;

    QTreeWidgetItem* currentItem_ = nullptr;
    AntInfo* currentAnt_ = nullptr;
    NetInfo* currentNet_ = nullptr;
    TpInfo* currentTp_ = nullptr;
    ProgInfo* currentProg_ = nullptr;
    bool modified_ = false;
    bool channelListOpen_ = false;
    bool suppressSelChange_ = false;
    // What the document's file held when it was last read or written; none for a new database.
    std::optional<FileIdentity> diskIdentity_;
    EditHistory history_;

    std::unique_ptr<QLabel> dragImage_;
    bool dragging_ = false;
    QTreeWidgetItem* dragSource_ = nullptr;
    bool draggingBlock_ = false; // the drag carries every selected row
    QTreeWidgetItem* dropTarget_ = nullptr;
    MenuRunner menuRunner_;
};

} // namespace kvx
