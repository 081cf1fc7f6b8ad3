#include "uikit/grid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "image/int_math.h"

namespace pixmo {

TGrid::TGrid(QWidget* parent) : QWidget(parent) {
    setObjectName("Grid");
    setFocusPolicy(Qt::ClickFocus);
    // The right button picks a cell here; a menu would come up over it.
    setContextMenuPolicy(Qt::PreventContextMenu);
}

int TGrid::Rows() const { return std::max(1, Div(FCellCount + FColumns - 1, FColumns)); }

void TGrid::SetColumns(int columns) {
    FColumns = std::max(1, columns);
    update();
}

void TGrid::SetCellSize(int width, int height) {
    FCellWidth = std::max(1, width);
    FCellHeight = std::max(1, height);
    update();
}

void TGrid::SetCellCount(int count) {
    FCellCount = std::max(0, count);
    update();
}

QSize TGrid::GridSize() const { return QSize(FColumns * FCellWidth + 1, Rows() * FCellHeight + 1); }

QRect TGrid::CellRect(int cell) const {
    return QRect(Mod(cell, FColumns) * FCellWidth, Div(cell, FColumns) * FCellHeight, FCellWidth + 1, FCellHeight + 1);
}

int TGrid::CellAt(QPoint p) const {
    if (p.x() < 0 || p.y() < 0 || p.x() >= FColumns * FCellWidth) return -1;
    const int cell = Div(p.y(), FCellHeight) * FColumns + Div(p.x(), FCellWidth);
    return cell < FCellCount ? cell : -1;
}

void TGrid::SetFramedCells(std::vector<int> cells) {
    for (int cell : FFramed) InvalidateCell(cell);
    FFramed = std::move(cells);
    for (int cell : FFramed) InvalidateCell(cell);
}

void TGrid::InvalidateCell(int cell) {
    if (cell >= 0 && cell < FCellCount) update(CellRect(cell).adjusted(0, 0, 1, 1));
}

void TGrid::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect clip = event->rect();
    painter.fillRect(clip, palette().color(QPalette::Window));
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < FCellCount; ++i) {
        const QRect r = CellRect(i);
        if (!r.intersects(clip)) continue;
        if (FDrawCell) FDrawCell(painter, i, r.adjusted(1, 1, -1, -1));
        painter.setPen(Qt::black);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(r.adjusted(0, 0, -1, -1));
    }
    // Frames last: each reaches into the cells to its right and below.
    for (int cell : FFramed) {
        if (cell < 0 || cell >= FCellCount) continue;
        const QRect r = CellRect(cell).adjusted(0, 0, -1, -1);
        painter.setPen(Qt::black);
        painter.drawRect(r.translated(1, 1));
        painter.setPen(Qt::white);
        painter.drawRect(r);
    }
}

void TGrid::Press(QMouseEvent* event, bool doubleClick) {
    // Held only while another button still is: a release lost to a modal dialog ends it.
    if (FCaptured && (event->buttons() & ~event->button())) {
        Cancel();
        return;
    }
    FCaptured = false;
    EndDrag();
    const int cell = CellAt(event->position().toPoint());
    if (cell < 0) return;
    FCaptured = true;
    if (doubleClick)
        emit cellDoubleClicked(cell, event->button());
    else
        emit cellClicked(cell, event->button());
}

void TGrid::mousePressEvent(QMouseEvent* event) { Press(event, false); }
void TGrid::mouseDoubleClickEvent(QMouseEvent* event) { Press(event, true); }

void TGrid::mouseMoveEvent(QMouseEvent* event) {
    if (FDragging) setCursor(CellAt(event->position().toPoint()) >= 0 ? Qt::DragMoveCursor : Qt::ForbiddenCursor);
}

void TGrid::mouseReleaseEvent(QMouseEvent* event) {
    if (event->buttons() != Qt::NoButton || !FCaptured) return;
    FCaptured = false;
    if (!FDragging) return;
    const int cell = CellAt(event->position().toPoint());
    EndDrag();
    if (cell >= 0) emit cellDropped(cell);
}

void TGrid::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && FCaptured) {
        Cancel();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TGrid::BeginDrag() {
    if (!FCaptured) return;
    FDragging = true;
    setCursor(Qt::DragMoveCursor);
}

void TGrid::EndDrag() {
    if (!FDragging) return;
    FDragging = false;
    unsetCursor();
}

void TGrid::Cancel() {
    FCaptured = false;
    EndDrag();
    emit cancelled();
}

}  // namespace pixmo
