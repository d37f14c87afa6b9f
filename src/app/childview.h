#pragma once

#include <memory>

#include <QPointer>
#include <QWidget>

#include "app/appservices.h"
#include "app/kvxtree.h"
#include "db/channeldatabase.h"
#include "panels/editbar.h"
#include "platform/nameencoding.h"

class QLabel;

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

    const NameEncoding& nameEncoding() const { return encoding_; }
    void setNameEncoding(const QString& codePage);

    // Title and modified flag.
    QString titleText() const;
    void UpdateTitle();
    void MarkModified();

    // Saving and the guard before the database is replaced; results as the file operations give them.
    int SaveDocument(bool saveAs);
    int SaveModified();
    void ResetSelection();
    int ApplyEdits(int ask);
    void ShowNetworkItem(QTreeWidgetItem* item);

    // Document commands.
    void OnFileNew();
    void OnFileOpen();
    void OnFileClose();
    void OnFileSave();
    void OnFileSaveAs();
    // Opens a file without the dialog (a dropped file, or the file named at start-up).
    int OpenFile(const QString& path);

    // Satellite commands that fill the selected network from outside (importcommands.cpp).
    void OnImportSatcodx();
    void OnUpdateFromLyngSat();

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

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool canImportIntoNetwork() const;
    void onSelectionChanged(QTreeWidgetItem* item);
    void forgetCurrentRecords();
    int openPath(const QString& path);
    void reportStatus(int status);
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

    std::unique_ptr<QLabel> dragImage_;
    bool dragging_ = false;
    QTreeWidgetItem* dragSource_ = nullptr;
    QTreeWidgetItem* dropTarget_ = nullptr;
};

} // namespace kvx
