#pragma once
// TGrid: a grid of equal cells drawn by the owner, with black grid lines and a selection
// frame on chosen cells. Cell i stands at column i mod Columns, row i div Columns. A press
// on a cell fires cellClicked (or cellDoubleClicked) and holds the mouse; a press of another
// button while it is held fires cancelled instead. The owner may turn the held press into a
// drag: releasing it over a cell fires cellDropped.
#include <QWidget>
#include <functional>
#include <vector>

namespace pixmo {

class TGrid : public QWidget {
    Q_OBJECT
public:
    explicit TGrid(QWidget* parent = nullptr);

    int Columns() const { return FColumns; }
    int CellWidth() const { return FCellWidth; }
    int CellHeight() const { return FCellHeight; }
    int CellCount() const { return FCellCount; }
    // At least one row, even without cells.
    int Rows() const;
    void SetColumns(int columns);
    void SetCellSize(int width, int height);
    void SetCellCount(int count);
    // Columns x cell width + 1 by rows x cell height + 1: the lines close both edges.
    QSize GridSize() const;

    // The cell's bounds, its grid lines included (they are shared with the neighbours).
    QRect CellRect(int cell) const;
    // The cell under a point, or -1 outside the grid or past the last cell.
    int CellAt(QPoint p) const;

    // Cells that carry the selection frame (white on the bounds over a black one shifted one
    // pixel down and right).
    void SetFramedCells(std::vector<int> cells);
    // Fills a cell's inside; without one the inside shows the window colour.
    using TDrawCell = std::function<void(QPainter& painter, int cell, const QRect& inside)>;
    void SetOnDrawCell(TDrawCell draw) { FDrawCell = std::move(draw); }
    // Repaints a cell with its frame (which reaches one pixel into the next cells).
    void InvalidateCell(int cell);

    // Called from a cellClicked handler: the held press becomes a drag.
    void BeginDrag();
    bool Dragging() const { return FDragging; }

signals:
    void cellClicked(int cell, Qt::MouseButton button);
    void cellDoubleClicked(int cell, Qt::MouseButton button);
    void cancelled();
    void cellDropped(int cell);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Press(QMouseEvent* event, bool doubleClick);
    void Cancel();
    void EndDrag();

    int FColumns = 16;
    int FCellWidth = 14;
    int FCellHeight = 11;
    int FCellCount = 0;
    std::vector<int> FFramed;
    TDrawCell FDrawCell;
    bool FCaptured = false;
    bool FDragging = false;
};

}  // namespace pixmo
