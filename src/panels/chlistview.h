#pragma once

#include <memory>

#include <QPoint>
#include <QTreeView>

class QLabel;

namespace kvx {

// The channel list's table: one selected row, fixed-height rows, and a row moved by dragging it onto
// another or one place up or down with Ctrl+Up and Ctrl+Down. While a drag runs, a picture of the row
// follows the pointer and the list scrolls when the pointer leaves it above or below. Shift+F10 and the
// menu key ask for the right-click menu at the selected row. Positions are viewport coordinates.
class CChListView : public QTreeView {
    Q_OBJECT
public:
    explicit CChListView(QWidget* parent = nullptr);
    ~CChListView() override;

    void BeginDrag(int row, QPoint pos);
    void DragMove(QPoint pos);
    void EndDrag(QPoint pos);
    bool isDragging() const { return dragging_; }
    QLabel* dragImage() const { return dragImage_.get(); }
    int sourceRow() const { return sourceRow_; }
    int dropRow() const { return dropRow_; }
    // The selected row, or -1.
    int selectedRow() const;
    void selectRow(int row);

signals:
    // A drag ended on another row.
    void rowDropped(int source, int drop);
    // Ctrl+Up or Ctrl+Down asks for the selected row to move to the next row that way.
    void rowMoveRequested(int source, int target);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::unique_ptr<QLabel> CreateDragImage(int row) const;
    void scrollWhileDragging(QPoint pos);
    void releaseDrag();
    void moveSelectedRow(int step);
    void requestMenuAtSelectedRow();

    bool dragging_ = false;
    int pressedRow_ = -1;
    QPoint pressPos_;
    int sourceRow_ = -1;
    int dropRow_ = -1;
    std::unique_ptr<QLabel> dragImage_;
};

} // namespace kvx
