#include "app/childview.h"

#include <new>
#include <vector>

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QVBoxLayout>

#include "app/dialogfactory.h"
#include "app/promptedapplyhost.h"
#include "app/savetarget.h"
#include "db/editops.h"
#include "db/fileidentity.h"
#include "db/fileops.h"
#include "db/kvximage.h"
#include "panels/editapplier.h"
#include "panels/editbar.h"
#include "platform/systemlanguage.h"
#include "ui/appnames.h"
#include "ui/coretexts.h"
#include "ui/prompter.h"

namespace kvx {

namespace {

// The picture's top-left corner sits this far right of and below the pointer.
constexpr QPoint kDragImageOffset(15, 10);

FileDialogSpec openDialogSpec(const std::string& fileName)
{
    return {{QCoreApplication::translate("CChildView", "All Network Database File (*.KVX *.CKVX)"),
             QCoreApplication::translate("CChildView", "All file (*)")},
            QStringLiteral("KVX"),
            QString::fromStdString(fileName)};
}

// The name shown in the title: what follows the last path separator.
QString shortFileName(const std::string& fileName)
{
    const std::size_t slash = fileName.find_last_of("/\\");
    return QString::fromStdString(slash == std::string::npos ? fileName : fileName.substr(slash + 1));
}

// Reads and validates the file's image; a file whose compressed data fails its checksum is read only
// when the user wants it anyway (StatusCanceled when not).
Outcome readImage(ChannelDatabase& db, Prompter& prompter, const QString& path, std::vector<uint8_t>& image,
                  FileIdentity& identity)
{
    const Outcome outcome = openDatabaseImage(db, path.toStdString(), image, {}, &identity);
    if (outcome != StatusDamagedData)
        return outcome;
    const QString question = QCoreApplication::translate(
        "CChildView", "The file's compressed data is damaged (checksum mismatch). "
                      "Open it anyway?");
    if (prompter.askYesNo(question, PromptIcon::Warning) != PromptAnswer::Yes)
        return StatusCanceled;
    return openDatabaseImage(db, path.toStdString(), image, {.acceptDamagedData = true}, &identity);
}

} // namespace

CChildView::CChildView(const AppServices& services, QWidget* parent)
        : QWidget(parent)
        , services_(services)
        , encoding_(NameEncoding::defaultForLanguage(localeLanguage()))
        , tree_(new CKVXTree(encoding_, this))
{
    setObjectName(QStringLiteral("ChildView"));
    setAcceptDrops(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tree_);
    tree_->setMouseHandler(this);
    tree_->setCurrentChangeGuard([this] { return mayLeaveCurrentItem(); });
    connect(tree_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item, QTreeWidgetItem*) { onSelectionChanged(item); });
    connect(tree_, &CKVXTree::aboutToClear, this, [this] {
        // The items go; a later item may reuse an address, so the current one is forgotten.
        currentItem_ = nullptr;
        dragSource_ = nullptr;
        dropTarget_ = nullptr;
    });
}

CChildView::~CChildView()
{
    tree_->setMouseHandler(nullptr);
    tree_->setCurrentChangeGuard(nullptr);
    tree_->disconnect(this);
}

int CChildView::page() const
{
    return editBar_ != nullptr ? editBar_->page() : PAGE_EMPTY;
}

QWidget* CChildView::dragImage() const
{
    return dragImage_.get();
}

void CChildView::setNameEncoding(const QString& codePage)
{
    encoding_ = NameEncoding(codePage.toStdString());
    tree_->setNameEncoding(encoding_);
    if (editBar_ != nullptr)
        editBar_->setNameEncoding(encoding_);
    // Edits the user chose to discard must not come back from the page's working copy.
    if (currentItem_ != nullptr)
        showItem(currentItem_);
}

// --- Title and modified flag

QString CChildView::titleText() const
{
    if (page() == PAGE_EMPTY)
        return applicationName();
    QString title = database_.fileName.empty() ? tr("No Name") : shortFileName(database_.fileName);
    if (modified_)
        title += tr(" (Modified)");
    title += QStringLiteral(" - ") + applicationName();
    title += QStringLiteral(" : N(%1) T(%2) P(%3) F(%4)")
                 .arg(database_.networkCountForTitle())
                 .arg(database_.transponders.size() & 0xFFFF)
                 .arg(database_.programs.size() & 0xFFFF)
                 .arg(database_.favouriteCountForTitle());
    return title;
}

void CChildView::UpdateTitle()
{
    window()->setWindowTitle(titleText());
}

void CChildView::MarkModified(const QString& step)
{
    const bool wasModified = modified_;
    recordStep(step);
    // The title's counts are recomputed only when the mark appears.
    if (modified_ != wasModified)
        UpdateTitle();
    emit documentStateChanged();
}

// --- Saving and replacing the document

void CChildView::reportStatus(const Outcome& outcome, const QString& fileName)
{
    if (outcome.status() <= kLastSilentStatus)
        return;
    const QString message = outcomeShown(outcome);
    services_.prompter.showMessage(fileName.isEmpty() ? message : fileName + QStringLiteral(": ") + message,
                                   PromptIcon::Stop);
}

bool CChildView::mayOverwrite(const std::string& path)
{
    // Only the file the document was read from or last written to is known as it was.
    if (!diskIdentity_ || path != database_.fileName || !fileChangedSince(path, *diskIdentity_))
        return true;
    const QString question = tr("The file was changed by another program. Overwrite it?");
    return services_.prompter.askYesNo(question, PromptIcon::Warning) == PromptAnswer::Yes;
}

int CChildView::SaveDocument(bool saveAs)
{
    std::string path = database_.fileName;
    std::optional<bool> compressedForm;
    const bool askName = saveAs || path.empty();
    if (askName) {
        const std::optional<SaveFileChoice> choice =
            services_.prompter.chooseSaveFile(saveDialogSpec(database_.fileName));
        if (!choice)
            return StatusCanceled;
        const SaveTarget target = saveTargetOf(choice->path, choice->filterIndex);
        path = target.path.toStdString();
        compressedForm = target.compressed;
    }
    if (!mayOverwrite(path))
        return StatusCanceled;
    FileIdentity written;
    const Outcome outcome = saveDatabase(database_, path, compressedForm, services_.clock, &written);
    if (outcome != StatusOk) {
        reportStatus(outcome);
        return outcome.status();
    }
    diskIdentity_ = written;
    history_.markClean();
    // A name chosen in the dialog changes the title even when nothing was modified.
    if (askName || modified_) {
        modified_ = false;
        UpdateTitle();
        emit documentStateChanged();
    }
    if (askName)
        emit fileUsed(QString::fromStdString(database_.fileName));
    return StatusOk;
}

int CChildView::SaveModified()
{
    if (ApplyEdits(1) == 1)
        return 0;
    if (!modified_)
        return 1;
    // A database never saved is named as the title names it.
    const QString name =
        database_.fileName.empty() ? tr("No Name") : QString::fromStdString(database_.fileName);
    const QString question = tr("Save changes to %1?").arg(name);
    switch (services_.prompter.askYesNoCancel(question)) {
    case PromptAnswer::Yes:
        // A save that did not happen keeps the document open, so that no change is lost unseen.
        return SaveDocument(false) == StatusOk ? 1 : 0;
    case PromptAnswer::No: return 1;
    default: return 0;
    }
}

void CChildView::forgetCurrentRecords()
{
    currentItem_ = nullptr;
    currentAnt_ = nullptr;
    currentNet_ = nullptr;
    currentTp_ = nullptr;
    currentProg_ = nullptr;
}

void CChildView::ResetSelection()
{
    suppressSelChange_ = true;
    tree_->Clear();
    suppressSelChange_ = false;
    if (editBar_ != nullptr)
        editBar_->SwitchPage(PAGE_EMPTY);
    forgetCurrentRecords();
}

namespace {

// The undo step of applying a page.
QString changesStepName(int page)
{
    switch (page) {
    case PAGE_NETWORK: return CChildView::tr("Network Changes");
    case PAGE_TRANSPONDER: return CChildView::tr("Transponder Changes");
    default: return CChildView::tr("Program Changes");
    }
}

} // namespace

int CChildView::ApplyEdits(int ask)
{
    if (editBar_ == nullptr)
        return 0;
    PromptedApplyHost host(services_.prompter, database_);
    EditApplier applier(encoding_, host);
    ApplyOutcome outcome;
    switch (editBar_->page()) {
    case PAGE_NETWORK:
        if (currentAnt_ == nullptr || currentNet_ == nullptr)
            return 0;
        if (const int read = editBar_->ReadNetworkPage(); read != READ_OK)
            return read == READ_REFUSED ? 1 : 0;
        outcome = applier.applyNetwork(*currentAnt_, *currentNet_, editBar_->workAnt(), editBar_->workNet(),
                                       ask != 0);
        if (outcome.refreshNetworkLabel && currentNet_->treeItem != nullptr)
            tree_->SetNetworkText(static_cast<QTreeWidgetItem*>(currentNet_->treeItem), *currentNet_);
        break;
    case PAGE_TRANSPONDER:
        if (currentTp_ == nullptr)
            return 0;
        if (const int read = editBar_->ReadTransponderPage(); read != READ_OK)
            return read == READ_REFUSED ? 1 : 0;
        outcome =
            applier.applyTransponder(*currentTp_, editBar_->workTp(), editBar_->terrestrialMode(), ask != 0);
        if (outcome.refreshTransponderLabel && currentTp_->treeItem != nullptr)
            tree_->RefreshTransponderText(static_cast<QTreeWidgetItem*>(currentTp_->treeItem), *currentTp_);
        break;
    case PAGE_PROGRAM:
        if (currentProg_ == nullptr)
            return 0;
        if (const int read = editBar_->ReadProgramPage(ask); read != READ_OK)
            return read == READ_REFUSED ? 1 : 0;
        outcome = applier.applyProgram(*currentProg_, editBar_->workProg(), ask != 0);
        if (outcome.refreshProgramLabel && currentProg_->treeItem != nullptr)
            tree_->RefreshProgramText(static_cast<QTreeWidgetItem*>(currentProg_->treeItem), *currentProg_);
        break;
    default: return 0;
    }
    if (outcome.modified)
        MarkModified(changesStepName(page()));
    return outcome.result;
}

void CChildView::ApplyPageEdits()
{
    // The page then shows what was stored ("400.5" typed is kept as 40.5), not what was typed.
    if (ApplyEdits(0) == 0 && currentItem_ != nullptr)
        showItem(currentItem_);
}

// --- Selection

bool CChildView::mayLeaveCurrentItem()
{
    // Asked before the tree moves anything, so that Cancel or a refused page leaves the highlight, the
    // current item and the page together on the record being edited.
    return suppressSelChange_ || ApplyEdits(1) != 1;
}

void CChildView::onSelectionChanged(QTreeWidgetItem* item)
{
    // The pending edits were settled by mayLeaveCurrentItem before the tree moved.
    if (suppressSelChange_ || item == currentItem_)
        return;
    showItem(item);
}

void CChildView::showItem(QTreeWidgetItem* item)
{
    currentItem_ = item;
    if (editBar_ == nullptr)
        return;
    editBar_->setLayoutFlags(database_.layoutFlags);
    if (item == nullptr) {
        editBar_->ShowEmpty();
    } else if (CKVXTree::levelOf(item) == TreeLevel::Network) {
        ShowNetworkItem(item);
    } else if (CKVXTree::levelOf(item) == TreeLevel::Program) {
        currentProg_ = CKVXTree::programOf(item);
        editBar_->ShowProgram(*currentProg_);
    } else {
        currentTp_ = CKVXTree::transponderOf(item);
        editBar_->ShowTransponder(*currentTp_);
    }
    emit documentStateChanged();
}

void CChildView::rebuildTree(bool keepOpen, const std::function<void()>& select)
{
    suppressSelChange_ = true;
    keepOpen ? tree_->Rebuild() : tree_->Build(&database_);
    suppressSelChange_ = false;
    select();
    // A row that was current already raised no change.
    if (currentItem_ != tree_->currentItem())
        showItem(tree_->currentItem());
}

void CChildView::ShowNetworkItem(QTreeWidgetItem* item)
{
    NetInfo* net = CKVXTree::networkOf(item);
    if (net == nullptr || editBar_ == nullptr)
        return;
    AntInfo* ant = database_.antennas.at(net->netIndex);
    if (ant == nullptr) {
        services_.prompter.showMessage(tr("Encountered an improper argument."), PromptIcon::Stop);
        return;
    }
    currentNet_ = net;
    currentAnt_ = ant;
    editBar_->setLayoutFlags(database_.layoutFlags);
    editBar_->ShowNetwork(*ant, *net);
}

// --- Document commands

void CChildView::OnFileNew()
{
    if (page() != PAGE_EMPTY && SaveModified() == 0)
        return;
    // The model is asked before anything is cleared, so that Cancel leaves the document as it was.
    const std::optional<ReceiverModel> model = services_.dialogs.selectModel(window());
    if (!model)
        return;
    ResetSelection();
    newDatabase(database_, *model);
    diskIdentity_.reset();
    tree_->Build(&database_);
    history_.reset(database_);
    modified_ = false;
    UpdateTitle();
    emit documentStateChanged();
}

void CChildView::OnFileOpen()
{
    if (page() != PAGE_EMPTY && SaveModified() == 0)
        return;
    const std::optional<QString> path = services_.prompter.chooseOpenFile(openDialogSpec(database_.fileName));
    if (!path)
        return;
    openPath(*path);
}

int CChildView::OpenFile(const QString& path)
{
    if (page() != PAGE_EMPTY && SaveModified() == 0)
        return StatusCanceled;
    return openPath(path);
}

int CChildView::openPath(const QString& path)
{
    const bool wasOpen = hasDocument();
    const bool oldCompressed = database_.compressed;
    const std::string oldPending = database_.pendingFileName;
    std::vector<uint8_t> image;
    FileIdentity identity;
    Outcome status = readImage(database_, services_.prompter, path, image, identity);
    if (status == StatusOk) {
        ResetSelection();
        try {
            status = LoadImage(database_, image);
        } catch (const std::bad_alloc&) {
            status = StatusNoMemory;
        }
        image = {};
        if (status != StatusOk) {
            // The reader left the records as they were: show them again.
            database_.compressed = oldCompressed;
            database_.pendingFileName = oldPending;
        }
        // With nothing open before, nothing is shown again: there is no document to save.
        if (status == StatusOk || wasOpen)
            tree_->Build(&database_);
    }
    if (status != StatusOk) {
        // The file is named: the message may come from a drop or the command line, not only a dialog.
        reportStatus(status, QFileInfo(path).fileName());
        return status;
    }
    diskIdentity_ = identity;
    history_.reset(database_);
    showOpened();
    return status;
}

int CChildView::OpenLoaded(const QString& path, DatabasePreload::Loaded loaded)
{
    // What the preload could not read plainly (a damaged file asks first) opens the usual way.
    if (loaded.status != StatusOk || hasDocument())
        return OpenFile(path);
    ResetSelection();
    database_ = std::move(loaded.db);
    tree_->Build(&database_);
    diskIdentity_ = loaded.identity;
    history_.reset(std::move(loaded.snapshot));
    showOpened();
    return StatusOk;
}

void CChildView::showOpened()
{
    modified_ = false;
    UpdateTitle();
    emit documentStateChanged();
    emit fileUsed(QString::fromStdString(database_.fileName));
}

void CChildView::OnFileClose()
{
    if (page() == PAGE_EMPTY || SaveModified() == 0)
        return;
    suppressSelChange_ = true;
    tree_->Clear();
    closeDatabase(database_);
    diskIdentity_.reset();
    history_.reset(database_);
    suppressSelChange_ = false;
    if (editBar_ != nullptr)
        editBar_->SwitchPage(PAGE_EMPTY);
    forgetCurrentRecords();
    modified_ = false;
    UpdateTitle();
    emit documentStateChanged();
}

void CChildView::OnFileSave()
{
    if (ApplyEdits(1) == 1)
        return;
    SaveDocument(false);
}

void CChildView::OnFileSaveAs()
{
    if (ApplyEdits(1) == 1)
        return;
    SaveDocument(true);
}

// --- Files dropped from a file manager

void CChildView::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CChildView::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile())
        return;
    event->acceptProposedAction();
    // Only the first file is opened; the others are ignored.
    OpenFile(urls.first().toLocalFile());
}

// --- Right click and dragging

void CChildView::SelectOnRightClick(QPoint pos)
{
    if (dragging_)
        return;
    QTreeWidgetItem* item = tree_->itemAt(pos);
    if (item != nullptr && tree_->visualItemRect(item).contains(pos))
        tree_->setCurrentItem(item);
}

std::unique_ptr<QLabel> CChildView::CreateDragImage(QTreeWidgetItem* item) const
{
    auto image = std::make_unique<QLabel>(nullptr, Qt::ToolTip | Qt::FramelessWindowHint |
                                                       Qt::WindowTransparentForInput);
    image->setObjectName(QStringLiteral("dragImage"));
    image->setAttribute(Qt::WA_ShowWithoutActivating);
    image->setFont(item->font(0));
    image->setTextFormat(Qt::PlainText);
    image->setText(item->text(0));
    image->setStyleSheet(QStringLiteral("QLabel { color: black; background: white; }"));
    image->adjustSize();
    return image;
}

void CChildView::setTreeCursor(Qt::CursorShape shape)
{
    if (tree_->viewport()->cursor().shape() != shape)
        tree_->viewport()->setCursor(shape);
}

void CChildView::BeginDrag(QTreeWidgetItem* item, QPoint pos)
{
    if (item == nullptr || tree_->IsTerrestrialNetworkItem(item))
        return;
    dragSource_ = item;
    dropTarget_ = nullptr;
    draggingBlock_ =
        tree_->isRowSelected(item) && severalRowsSelected() && CKVXTree::levelOf(item) != TreeLevel::Network;
    dragImage_ = CreateDragImage(item);
    if (dragImage_ && draggingBlock_) {
        dragImage_->setText(tr("%1 (and %2 more)").arg(item->text(0)).arg(tree_->selectedItems().size() - 1));
        dragImage_->adjustSize();
    }
    if (!dragImage_)
        return;
    dragging_ = true;
    dragImage_->move(tree_->viewport()->mapToGlobal(pos) + kDragImageOffset);
    dragImage_->show();
}

void CChildView::DragOver(QPoint pos)
{
    if (!dragging_)
        return;
    dragImage_->move(tree_->viewport()->mapToGlobal(pos) + kDragImageOffset);
    QTreeWidgetItem* item = tree_->itemAt(pos);
    if (item == nullptr) {
        setTreeCursor(Qt::ForbiddenCursor);
        tree_->setDropHighlight(nullptr);
        return;
    }
    if (tree_->IsTerrestrialNetworkItem(item)) {
        setTreeCursor(Qt::ForbiddenCursor);
        tree_->setDropHighlight(item);
        return;
    }
    const bool sibling = item->parent() == dragSource_->parent();
    setTreeCursor(sibling ? Qt::ArrowCursor : Qt::ForbiddenCursor);
    tree_->setDropHighlight(sibling ? item : nullptr);
    dropTarget_ = item;
}

void CChildView::EndDrag(QPoint pos)
{
    if (!dragging_)
        return;
    dragging_ = false;
    dragImage_.reset();
    tree_->setDropHighlight(nullptr);
    tree_->viewport()->unsetCursor();
    QTreeWidgetItem* item = tree_->itemAt(pos);
    if (item == nullptr || tree_->IsTerrestrialNetworkItem(item))
        return;
    dropTarget_ = item;
    if (item == dragSource_)
        return;
    if (dragSource_->parent() != dropTarget_->parent())
        return;
    if (!draggingBlock_)
        MoveItem(dragSource_, dropTarget_);
    else if (!tree_->isRowSelected(item))
        dropSelectedBlock(item);
}

void CChildView::MoveItem(QTreeWidgetItem* a, QTreeWidgetItem* b)
{
    if (a == nullptr || b == nullptr || a->parent() != b->parent())
        return;
    // Pending edits are settled while the items they belong to still exist: the rebuild below replaces
    // every item, and Cancel must stop the move before anything has moved.
    if (ApplyEdits(1) == 1)
        return;
    // Edits answered No are dropped: the page shows its record again, so the rebuild asks nothing.
    if (currentItem_ != nullptr)
        showItem(currentItem_);
    // Records keep their identity through a move; the new item is found through the record.
    const TreeRecord moved = CKVXTree::recordAt(a);
    switch (moved.level) {
    case TreeLevel::Network:
        if (tree_->IsTerrestrialNetworkItem(a) || tree_->IsTerrestrialNetworkItem(b))
            return;
        moveNetwork(database_, *CKVXTree::networkOf(a), *CKVXTree::networkOf(b));
        break;
    case TreeLevel::Transponder:
        moveTransponder(database_, *CKVXTree::transponderOf(a), *CKVXTree::transponderOf(b));
        break;
    case TreeLevel::Program: moveProgram(database_, *CKVXTree::programOf(a), *CKVXTree::programOf(b)); break;
    }
    rebuildTree(true, [&] {
        QTreeWidgetItem* movedItem = tree_->itemFor(moved);
        tree_->setCurrentItem(movedItem);
        tree_->scrollToItem(movedItem);
    });
    tree_->setFocus();
    MarkModified(tr("Move"));
}

} // namespace kvx
