#pragma once

#include <memory>

#include <QPoint>
#include <QTreeView>

class QLabel;

namespace kvx {

// The channel list's table: one selected row, fixed-height rows, and a row moved by dragging it onto
// another. While a drag runs, a picture of the row follows the pointer and the list scrolls when the
// pointer leaves it above or below. Positions are viewport coordinates.
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

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::unique_ptr<QLabel> CreateDragImage(int row) const;
    void scrollWhileDragging(QPoint pos);
    void releaseDrag();

    bool dragging_ = false;
    int pressedRow_ = -1;
    QPoint pressPos_;
    int sourceRow_ = -1;
    int dropRow_ = -1;
    std::unique_ptr<QLabel> dragImage_;
};

} // namespace kvx
