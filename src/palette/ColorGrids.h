#pragma once

#include "app/global.h"

#include <QGroupBox>
#include <QRect>
#include <QWidget>

#include <array>
#include <functional>

// The 48 basic colours in reading order (index 1 first), as 32-bit colour values.
extern const std::array<TColor, 48> BasicColors;
[[nodiscard]] bool IsBasicColor(TColor value);

// Where the cells of a grid lie inside its client rectangle C: cw and ch from the free
// space, the block of cells centred. Indexes count from 1 in reading order.
struct TGridGeometry {
    TGridGeometry(QRect client, int rows, int cols);
    [[nodiscard]] QPoint Origin(int index) const; // the cell's swatch area starts here
    [[nodiscard]] int IndexAt(QPoint p) const; // the cell whose box holds p, or 0
    int Rows, Cols, CellWidth, CellHeight;
    QPoint BlockTopLeft;
};

// What both grids share: a captioned panel of swatches, a marked cell, OnChange.
class TColorGridBase : public QGroupBox {
    Q_OBJECT

public:
    TColorGridBase(const QString& caption, int rows, int cols, QWidget* parent);

    [[nodiscard]] int RowCount() const { return FRowCount; }
    void SetRowCount(int value);
    [[nodiscard]] int ColCount() const { return FColCount; }
    void SetColCount(int value);
    [[nodiscard]] TColor ColorValue() const { return FColorValue; }
    [[nodiscard]] TGridGeometry Geometry() const;

    std::function<void()> OnChange;

protected:
    [[nodiscard]] virtual TColor CellColor(int index) const = 0;
    [[nodiscard]] virtual bool CellMarked(int index) const = 0;
    virtual void CellPressed(int index) = 0;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

    TColor FColorValue = 0;

private:
    int FRowCount;
    int FColCount;
};

// The 48 basic colours; the cell equal to ColorValue is marked.
class TbsSkinColorGrid final : public TColorGridBase {
    Q_OBJECT

public:
    explicit TbsSkinColorGrid(QWidget* parent = nullptr);
    // Stores the value; a basic colour also raises OnChange and repaints.
    void SetColorValue(TColor value);

protected:
    [[nodiscard]] TColor CellColor(int index) const override;
    [[nodiscard]] bool CellMarked(int index) const override;
    void CellPressed(int index) override;
};

// Twelve slots the user fills; the marked slot is the one last clicked.
class TbsSkinCustomColorGrid final : public TColorGridBase {
    Q_OBJECT

public:
    explicit TbsSkinCustomColorGrid(QWidget* parent = nullptr);
    // Slots 1..12 (index 0 unused); all white at first.
    std::array<TColor, 13> FColors {};
    int FSelected = 0;
    int FCount = 0;
    // Writes the next slot, starting again at 1 after 12.
    void AddCustomColor(TColor c);

protected:
    [[nodiscard]] TColor CellColor(int index) const override;
    [[nodiscard]] bool CellMarked(int index) const override;
    void CellPressed(int index) override;
};

// The dialog's colour as one swatch with a black outline.
class TbsColorViewer final : public QWidget {
    Q_OBJECT

public:
    explicit TbsColorViewer(QWidget* parent = nullptr);
    [[nodiscard]] TColor ColorValue() const { return FColorValue; }
    void SetColorValue(TColor value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TColor FColorValue = 0;
};
