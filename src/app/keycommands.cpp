// Shift+Insert and Shift+Delete: on the tree they add or delete the record of the current level.

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
    const bool terrestrial = editBar_ != nullptr && editBar_->terrestrialMode();
    const std::optional<QString> question =
        deleteQuestion(page(), terrestrial, currentNet_, currentTp_, currentProg_, encoding_);
    if (!question || services_.prompter.askYesNoCancel(*question) != PromptAnswer::Yes)
        return;
    switch (page()) {
    case PAGE_NETWORK: OnDeleteNetwork(); break;
    case PAGE_TRANSPONDER: OnDeleteTransponder(); break;
    case PAGE_PROGRAM: OnDeleteProgram(); break;
    default: break;
    }
}

} // namespace kvx
