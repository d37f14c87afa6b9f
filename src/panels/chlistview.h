#pragma once

#include <memory>
#include <vector>

#include <QPoint>
#include <QTreeView>

class QLabel;

namespace kvx {

// The channel list's table: fixed-height rows, selected as a desktop list selects (a click selects one
// row, Ctrl+click adds or takes away a row, Shift+click extends to a row, Ctrl+A selects all). Dragging a
// row moves it, or the whole selection when the row is selected (the view only reports the drop); Ctrl+Up
// and Ctrl+Down ask for the selection to move one place. While a drag runs, a picture of the row follows
// the pointer and the list scrolls when the pointer leaves it above or below. Shift+F10 and the menu key
// ask for the right-click menu at the selected row; Delete asks for the selected rows to go. Positions
// are viewport coordinates.
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
    // The current row when it is selected, else the first selected row, or -1.
    int selectedRow() const;
    // The selected rows, ascending.
    std::vector<int> selectedRows() const;
    // Selects the row alone and makes it current.
    void selectRow(int row);
    // Selects exactly the rows (ascending or not) and shows the current one, which stays as it is when
    // `current` is -1.
    void selectRows(const std::vector<int>& rows, int current = -1);

signals:
    // A drag ended on another row.
    void rowDropped(int source, int drop);
    // Ctrl+Up (-1) or Ctrl+Down (+1) asks for the selected rows to move one place that way.
    void stepRequested(int step);
    // Delete asks for the selected rows to go.
    void deleteRequested();

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

    void requestMenuAtSelectedRow();

    bool dragging_ = false;
    int pressedRow_ = -1;
    QPoint pressPos_;
    int sourceRow_ = -1;
    int dropRow_ = -1;
    std::unique_ptr<QLabel> dragImage_;
};

} // namespace kvx
