// Insert and Delete (with or without Shift): on the tree they add or delete the record of the current
// level.

#include <QApplication>
#include <QKeyEvent>

#include "app/childview.h"
#include "app/deletequestion.h"
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
    switch (page()) {
    case PAGE_NETWORK: OnDeleteNetwork(); break; // which asks itself, as from the menus
    case PAGE_TRANSPONDER:
        if (confirmDelete(deleteQuestion(PAGE_TRANSPONDER, editBar_->terrestrialMode(), nullptr, currentTp_,
                                         nullptr, countsBelow(currentItem_), encoding_)))
            OnDeleteTransponder();
        break;
    case PAGE_PROGRAM:
        if (confirmDelete(deleteQuestion(PAGE_PROGRAM, false, nullptr, nullptr, currentProg_, {}, encoding_)))
            OnDeleteProgram();
        break;
    default: break;
    }
}

bool CChildView::confirmDelete(const std::optional<QString>& question)
{
    return question && services_.prompter.askYesNo(*question, PromptIcon::Question) == PromptAnswer::Yes;
}

} // namespace kvx
