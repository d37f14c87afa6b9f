// Insert and Delete (with or without Shift): on the tree they add or delete the record of the current
// level.

#include <algorithm>

#include <QApplication>
#include <QKeyEvent>

#include "app/childview.h"
#include "app/deletequestion.h"
#include "db/editops.h"
#include "panels/editbar.h"
#include "ui/prompter.h"

namespace kvx {

void CChildView::OnInsertKey()
{
    if (dragging_)
        return;
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr)
        return;
    if (focus != tree_ && !tree_->isAncestorOf(focus)) {
        // The key belongs to the focused control. It is handed over directly, past the shortcuts,
        // which would otherwise take it again.
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Insert, Qt::ShiftModifier);
        static_cast<QObject*>(focus)->event(&press);
        return;
    }
    if (page() == PAGE_TRANSPONDER)
        OnAddTransponder();
    else if (page() == PAGE_PROGRAM)
        OnAddProgram();
}

void CChildView::OnDeleteKey()
{
    QWidget* focus = QApplication::focusWidget();
    if (dragging_ || focus == nullptr || (focus != tree_ && !tree_->isAncestorOf(focus)))
        return;
    if (tree_->selectedItems().size() > 1 && page() != PAGE_NETWORK) {
        deleteSelectedRecords();
        return;
    }
    switch (page()) {
    case PAGE_NETWORK: OnDeleteNetwork(); break; // which asks itself, as from the menus
    case PAGE_TRANSPONDER:
        if (confirmDelete(deleteQuestion(PAGE_TRANSPONDER, editBar_->terrestrialMode(), nullptr, currentTp_,
                                         nullptr, countsBelow(*tree_, currentItem_), encoding_)))
            OnDeleteTransponder();
        break;
    case PAGE_PROGRAM:
        if (confirmDelete(deleteQuestion(PAGE_PROGRAM, false, nullptr, nullptr, currentProg_, {}, encoding_)))
            OnDeleteProgram();
        break;
    default: break;
    }
}

void CChildView::deleteSelectedRecords()
{
    const QList<QTreeWidgetItem*> items = tree_->selectedItems();
    const bool programs = page() == PAGE_PROGRAM;
    std::vector<uint16_t> positions;
    for (const QTreeWidgetItem* item : items)
        positions.push_back(programs ? positionOfProgram(database_, CKVXTree::programOf(item))
                                     : positionOfTransponder(database_, CKVXTree::transponderOf(item)));
    const QString question =
        programs ? tr("Delete %n programs?", nullptr, static_cast<int>(items.size()))
                 : tr("Delete %n transponders and their programs?", nullptr, static_cast<int>(items.size()));
    if (!confirmDelete(question))
        return;
    std::sort(positions.begin(), positions.end());
    editBar_->SwitchPage(PAGE_EMPTY);
    removeItemsThenRecords(
        programs ? tr("Delete Programs") : tr("Delete Transponders"),
        [&] {
            for (QTreeWidgetItem* item : items)
                programs ? tree_->DeleteItem(item) : tree_->DeleteItemAndChildren(item);
        },
        [&] {
            programs ? deleteProgramsAt(database_, positions) : deleteTranspondersAt(database_, positions);
        });
}

bool CChildView::confirmDelete(const std::optional<QString>& question)
{
    return question && services_.prompter.askYesNo(*question, PromptIcon::Question) == PromptAnswer::Yes;
}

} // namespace kvx
