#pragma once

#include <QWidget>

#include <functional>

// An owner-drawn grid of equal cells with a current cell and an anchor; the selection
// is the rectangle between them. Moving the current cell (click, keys, Col/Row) asks
// OnSelectCell first; dragging or Shift+click moves only the anchor and asks nothing.
// Each cell is DefaultColWidth x DefaultRowHeight with a one-pixel line after it.
class TbsSkinDrawGrid final : public QWidget {
    Q_OBJECT

public:
    explicit TbsSkinDrawGrid(QWidget* parent = nullptr);

    int ColCount = 4;
    int RowCount = 4;
    int DefaultColWidth = 16;
    int DefaultRowHeight = 14;
    QColor GridLineColor { 192, 220, 192 }; // clMoneyGreen

    // (col, row, canSelect): runs before the current cell moves to (col, row).
    std::function<void(int, int, bool&)> OnSelectCell;
    // (painter, col, row, cell rectangle, selected)
    std::function<void(QPainter&, int, int, const QRect&, bool)> OnDrawCell;

    [[nodiscard]] int Col() const { return FCol; }
    [[nodiscard]] int Row() const { return FRow; }
    void SetCol(int col);
    void SetRow(int row);
    [[nodiscard]] QPoint Anchor() const { return FAnchor; }
    [[nodiscard]] bool IsSelected(int col, int row) const;

    [[nodiscard]] QRect CellRect(int col, int row) const;
    // The cell under a point, or (-1, -1) on a grid line or outside.
    [[nodiscard]] QPoint CellAt(QPoint pos) const;

    [[nodiscard]] QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Moves the current cell; with keepAnchor the selection widens instead.
    void MoveCurrent(int col, int row, bool keepAnchor);
    void MoveAnchor(int col, int row);

    int FCol = 0;
    int FRow = 0;
    QPoint FAnchor { 0, 0 };
    bool FDragging = false;
};
