#include "controls/bsSkinDrawGrid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

TbsSkinDrawGrid::TbsSkinDrawGrid(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

QSize TbsSkinDrawGrid::sizeHint() const { return { ColCount * (DefaultColWidth + 1), RowCount * (DefaultRowHeight + 1) }; }

QRect TbsSkinDrawGrid::CellRect(int col, int row) const
{
    return { col * (DefaultColWidth + 1), row * (DefaultRowHeight + 1), DefaultColWidth, DefaultRowHeight };
}

QPoint TbsSkinDrawGrid::CellAt(QPoint pos) const
{
    if (pos.x() < 0 || pos.y() < 0)
        return { -1, -1 };
    const int col = pos.x() / (DefaultColWidth + 1);
    const int row = pos.y() / (DefaultRowHeight + 1);
    if (col >= ColCount || row >= RowCount || !CellRect(col, row).contains(pos))
        return { -1, -1 };
    return { col, row };
}

bool TbsSkinDrawGrid::IsSelected(int col, int row) const
{
    return col >= std::min(FCol, FAnchor.x()) && col <= std::max(FCol, FAnchor.x()) && row >= std::min(FRow, FAnchor.y())
        && row <= std::max(FRow, FAnchor.y());
}

void TbsSkinDrawGrid::SetCol(int col)
{
    if (col != FCol)
        MoveCurrent(col, FRow, false);
}

void TbsSkinDrawGrid::SetRow(int row)
{
    if (row != FRow)
        MoveCurrent(FCol, row, false);
}

void TbsSkinDrawGrid::MoveCurrent(int col, int row, bool keepAnchor)
{
    col = std::clamp(col, 0, ColCount - 1);
    row = std::clamp(row, 0, RowCount - 1);
    bool canSelect = true;
    if (OnSelectCell)
        OnSelectCell(col, row, canSelect);
    if (!canSelect)
        return;
    FCol = col;
    FRow = row;
    if (!keepAnchor)
        FAnchor = { col, row };
    update();
}

void TbsSkinDrawGrid::MoveAnchor(int col, int row)
{
    if (FAnchor == QPoint(col, row))
        return;
    FAnchor = { col, row };
    update();
}

void TbsSkinDrawGrid::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), GridLineColor);
    for (int row = 0; row < RowCount; ++row) {
        for (int col = 0; col < ColCount; ++col) {
            const QRect cell = CellRect(col, row);
            painter.save();
            painter.setClipRect(cell);
            if (OnDrawCell)
                OnDrawCell(painter, col, row, cell, IsSelected(col, row));
            painter.restore();
        }
    }
}

void TbsSkinDrawGrid::mousePressEvent(QMouseEvent* event)
{
    const QPoint cell = CellAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || cell.x() < 0) {
        QWidget::mousePressEvent(event);
        return;
    }
    if (event->modifiers() & Qt::ShiftModifier) {
        MoveAnchor(cell.x(), cell.y());
    } else {
        MoveCurrent(cell.x(), cell.y(), false);
        FDragging = true;
    }
}

void TbsSkinDrawGrid::mouseMoveEvent(QMouseEvent* event)
{
    if (!FDragging || !(event->buttons() & Qt::LeftButton)) {
        FDragging = false;
        return;
    }
    const QPoint pos = event->position().toPoint();
    const int col = std::clamp(pos.x() / (DefaultColWidth + 1), 0, ColCount - 1);
    const int row = std::clamp(pos.y() / (DefaultRowHeight + 1), 0, RowCount - 1);
    MoveAnchor(col, row);
}

void TbsSkinDrawGrid::keyPressEvent(QKeyEvent* event)
{
    int col = FCol;
    int row = FRow;
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_Left:
        --col;
        break;
    case Qt::Key_Right:
        ++col;
        break;
    case Qt::Key_Up:
        --row;
        break;
    case Qt::Key_Down:
        ++row;
        break;
    case Qt::Key_Home:
        col = 0;
        if (ctrl)
            row = 0;
        break;
    case Qt::Key_End:
        col = ColCount - 1;
        if (ctrl)
            row = RowCount - 1;
        break;
    case Qt::Key_PageUp:
        row = 0;
        break;
    case Qt::Key_PageDown:
        row = RowCount - 1;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    col = std::clamp(col, 0, ColCount - 1);
    row = std::clamp(row, 0, RowCount - 1);
    const bool widen = event->modifiers() & Qt::ShiftModifier;
    if (col != FCol || row != FRow)
        MoveCurrent(col, row, widen);
    else if (!widen && FAnchor != QPoint(FCol, FRow))
        MoveAnchor(FCol, FRow);
}
