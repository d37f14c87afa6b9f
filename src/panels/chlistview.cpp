#include "panels/chlistview.h"

#include <algorithm>
#include <iterator>

#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>

#include "panels/accentroomdelegate.h"

namespace kvx {

namespace {

// The picture's top-left corner sits this far right of and below the pointer.
constexpr QPoint kDragImageOffset(15, 10);

} // namespace

CChListView::CChListView(QWidget* parent)
        : QTreeView(parent)
{
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setItemDelegate(new AccentRoomDelegate(this));
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setContextMenuPolicy(Qt::CustomContextMenu);
    header()->setSectionsClickable(true);
    header()->setSectionsMovable(false);
    header()->setStretchLastSection(false);
    header()->setSortIndicatorShown(false);
}

CChListView::~CChListView() = default;

int CChListView::selectedRow() const
{
    if (selectionModel() == nullptr)
        return -1;
    const QModelIndex current = selectionModel()->currentIndex();
    if (current.isValid() && selectionModel()->isRowSelected(current.row()))
        return current.row();
    const std::vector<int> rows = selectedRows();
    return rows.empty() ? -1 : rows.front();
}

std::vector<int> CChListView::selectedRows() const
{
    std::vector<int> rows;
    if (selectionModel() == nullptr)
        return rows;
    // Whole rows are selected as ranges; a range gives its rows without a look at each cell.
    for (const QItemSelectionRange& range : selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.push_back(row);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void CChListView::selectRows(const std::vector<int>& rows, int current)
{
    if (model() == nullptr || selectionModel() == nullptr)
        return;
    const int count = model()->rowCount();
    const int lastColumn = model()->columnCount() - 1;
    QItemSelection selection;
    // Neighbouring rows make one range, so that a long block is one range, not one per row.
    std::vector<int> sorted;
    sorted.reserve(rows.size());
    std::copy_if(rows.begin(), rows.end(), std::back_inserter(sorted),
                 [count](int row) { return row >= 0 && row < count; });
    std::sort(sorted.begin(), sorted.end());
    for (std::size_t k = 0; k < sorted.size();) {
        const int first = sorted[k];
        std::size_t end = k + 1;
        while (end < sorted.size() && sorted[end] <= sorted[end - 1] + 1)
            ++end;
        const int last = sorted[end - 1];
        k = end;
        selection.select(model()->index(first, 0), model()->index(last, lastColumn));
    }
    const QModelIndex currentIndex =
        current >= 0 && current < count ? model()->index(current, 0) : QModelIndex();
    if (currentIndex.isValid())
        selectionModel()->setCurrentIndex(currentIndex, QItemSelectionModel::NoUpdate);
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (selectionModel()->currentIndex().isValid())
        scrollTo(selectionModel()->currentIndex());
}

void CChListView::selectRow(int row)
{
    const QModelIndex index = model()->index(row, 0);
    if (!index.isValid())
        return;
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index);
}

std::unique_ptr<QLabel> CChListView::CreateDragImage(int row) const
{
    QRect area;
    for (int column = 0; column < model()->columnCount(); ++column)
        area = area.united(visualRect(model()->index(row, column)));
    auto image = std::make_unique<QLabel>(nullptr, Qt::ToolTip | Qt::FramelessWindowHint |
                                                       Qt::WindowTransparentForInput);
    image->setObjectName(QStringLiteral("dragImage"));
    image->setAttribute(Qt::WA_ShowWithoutActivating);
    if (area.isValid())
        image->setPixmap(viewport()->grab(area));
    else
        image->setText(model()->index(row, 0).data().toString());
    image->adjustSize();
    return image;
}

void CChListView::BeginDrag(int row, QPoint pos)
{
    if (model() == nullptr || row < 0 || row >= model()->rowCount())
        return;
    sourceRow_ = row;
    dropRow_ = -1;
    dragImage_ = CreateDragImage(row);
    dragging_ = true;
    dragImage_->move(viewport()->mapToGlobal(pos) + kDragImageOffset);
    dragImage_->show();
}

void CChListView::scrollWhileDragging(QPoint pos)
{
    const int rows = model()->rowCount();
    if (rows == 0)
        return;
    if (pos.y() < 0) {
        const int top = indexAt(QPoint(1, 0)).row();
        if (top > 0)
            scrollTo(model()->index(top - 1, 0));
    } else if (pos.y() >= viewport()->height()) {
        const int bottom = indexAt(QPoint(1, viewport()->height() - 1)).row();
        if (bottom >= 0 && bottom < rows - 1)
            scrollTo(model()->index(bottom + 1, 0));
    }
}

void CChListView::DragMove(QPoint pos)
{
    if (!dragging_)
        return;
    dragImage_->move(viewport()->mapToGlobal(pos) + kDragImageOffset);
    scrollWhileDragging(pos);
    viewport()->repaint();
}

void CChListView::releaseDrag()
{
    dragging_ = false;
    dragImage_.reset();
    if (QWidget* grabber = QWidget::mouseGrabber(); grabber == viewport())
        grabber->releaseMouse();
}

void CChListView::EndDrag(QPoint pos)
{
    if (!dragging_)
        return;
    releaseDrag();
    const QModelIndex target = viewport()->rect().contains(pos) ? indexAt(pos) : QModelIndex();
    dropRow_ = target.isValid() ? target.row() : -1;
    if (dropRow_ < 0 || dropRow_ == sourceRow_)
        return;
    emit rowDropped(sourceRow_, dropRow_);
}

void CChListView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        const QModelIndex pressed = indexAt(event->position().toPoint());
        pressedRow_ = pressed.isValid() ? pressed.row() : -1;
        pressPos_ = event->position().toPoint();
    }
    QTreeView::mousePressEvent(event);
}

void CChListView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (dragging_) {
        DragMove(pos);
        return;
    }
    const bool farEnough = (pos - pressPos_).manhattanLength() >= QApplication::startDragDistance();
    if ((event->buttons() & Qt::LeftButton) && pressedRow_ >= 0) {
        // A press on a row starts a drag, never a selection by dragging, which would first have taken
        // the other rows of the selection out of it.
        if (!farEnough)
            return;
        const int row = pressedRow_;
        pressedRow_ = -1;
        BeginDrag(row, pressPos_);
        if (dragging_) {
            viewport()->grabMouse();
            DragMove(pos);
            return;
        }
    }
    QTreeView::mouseMoveEvent(event);
}

void CChListView::mouseReleaseEvent(QMouseEvent* event)
{
    pressedRow_ = -1;
    if (event->button() == Qt::LeftButton && dragging_) {
        EndDrag(event->position().toPoint());
        event->accept();
        return;
    }
    QTreeView::mouseReleaseEvent(event);
}

void CChListView::requestMenuAtSelectedRow()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const QModelIndex index = model()->index(row, 0);
    scrollTo(index);
    emit customContextMenuRequested(visualRect(index).center());
}

void CChListView::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    if (modifiers == Qt::ControlModifier && (key == Qt::Key_Up || key == Qt::Key_Down)) {
        emit stepRequested(key == Qt::Key_Up ? -1 : 1);
        event->accept();
        return;
    }
    if (modifiers == Qt::NoModifier && key == Qt::Key_Delete) {
        emit deleteRequested();
        event->accept();
        return;
    }
    if ((key == Qt::Key_Menu && modifiers == Qt::NoModifier) ||
        (key == Qt::Key_F10 && modifiers == Qt::ShiftModifier)) {
        requestMenuAtSelectedRow();
        event->accept();
        return;
    }
    QTreeView::keyPressEvent(event);
}

bool CChListView::event(QEvent* event)
{
    // The menu key comes as a menu event of its own from the window system, placed at the pointer or
    // the text cursor; the menu belongs at the selected row, as for Shift+F10.
    if (event->type() == QEvent::ContextMenu &&
        static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
        requestMenuAtSelectedRow();
        return true;
    }
    return QTreeView::event(event);
}

} // namespace kvx
