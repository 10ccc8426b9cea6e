#include "palette/ColorGrids.h"

#include "controls/ControlFactory.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

constexpr TColor Hex(std::uint32_t rrggbb)
{
    // #RRGGBB written as the 32-bit value with red in the low byte.
    return ((rrggbb >> 16) & 0xFF) | (rrggbb & 0xFF00) | ((rrggbb & 0xFF) << 16);
}

} // namespace

const std::array<TColor, 48> BasicColors = {
    Hex(0x000000), Hex(0x400000), Hex(0x800000), Hex(0x804040), Hex(0xFF0000), Hex(0xFF8080), //
    Hex(0x808000), Hex(0x804000), Hex(0xFF8000), Hex(0xFF8040), Hex(0xFFFF00), Hex(0xFFFF80), //
    Hex(0x808040), Hex(0x004000), Hex(0x008000), Hex(0x00FF00), Hex(0x80FF00), Hex(0x80FF80), //
    Hex(0x808080), Hex(0x004040), Hex(0x008040), Hex(0x008080), Hex(0x00FF40), Hex(0x00FF80), //
    Hex(0x408080), Hex(0x000080), Hex(0x0000FF), Hex(0x004080), Hex(0x00FFFF), Hex(0x80FFFF), //
    Hex(0xC0C0C0), Hex(0x000040), Hex(0x0000A0), Hex(0x8080FF), Hex(0x0080C0), Hex(0x0080FF), //
    Hex(0x400040), Hex(0x80424F), Hex(0x800080), Hex(0x800040), Hex(0x8080C0), Hex(0xFF80C0), //
    Hex(0xFFFFFF), Hex(0x400080), Hex(0x8000FF), Hex(0xFF0080), Hex(0xFF00FF), Hex(0xFF80FF), //
};

bool IsBasicColor(TColor value) { return std::find(BasicColors.begin(), BasicColors.end(), value) != BasicColors.end(); }

TGridGeometry::TGridGeometry(QRect client, int rows, int cols)
    : Rows(rows)
    , Cols(cols)
    , CellWidth((client.width() - 2 * cols) / cols)
    , CellHeight((client.height() - 2 * rows) / rows)
{
    const int blockWidth = (CellWidth + 2) * cols;
    const int blockHeight = (CellHeight + 2) * rows;
    BlockTopLeft
        = QPoint(client.left() + client.width() / 2 - blockWidth / 2, client.top() + client.height() / 2 - blockHeight / 2);
}

QPoint TGridGeometry::Origin(int index) const
{
    const int r = (index - 1) / Cols;
    const int k = (index - 1) % Cols;
    return BlockTopLeft + QPoint(1 + k * (CellWidth + 2), 1 + r * (CellHeight + 2));
}

int TGridGeometry::IndexAt(QPoint p) const
{
    for (int index = 1; index <= Rows * Cols; ++index) {
        if (QRect(Origin(index), QSize(CellWidth, CellHeight)).contains(p))
            return index;
    }
    return 0;
}

TColorGridBase::TColorGridBase(const QString& caption, int rows, int cols, QWidget* parent)
    : QGroupBox(caption, parent)
    , FRowCount(rows)
    , FColCount(cols)
{
    resize(280, 115);
}

void TColorGridBase::SetRowCount(int value)
{
    if (value < 1)
        return;
    FRowCount = value;
    update();
}

void TColorGridBase::SetColCount(int value)
{
    if (value < 1)
        return;
    FColCount = value;
    update();
}

TGridGeometry TColorGridBase::Geometry() const { return TGridGeometry(contentsRect(), FRowCount, FColCount); }

void TColorGridBase::paintEvent(QPaintEvent* event)
{
    QGroupBox::paintEvent(event);
    QPainter painter(this);
    const TGridGeometry grid = Geometry();
    for (int index = 1; index <= FRowCount * FColCount; ++index) {
        const QPoint o = grid.Origin(index);
        const int cw = grid.CellWidth;
        const int ch = grid.CellHeight;
        if (CellMarked(index)) {
            const QRect outer(o.x() - 1, o.y() - 1, cw + 2, ch + 2);
            painter.setPen(QColor(0, 0, 128));
            painter.setBrush(QColor(133, 147, 181));
            painter.drawRect(outer.adjusted(0, 0, -1, -1));
            painter.fillRect(QRect(o.x() + 4, o.y() + 4, cw - 8, ch - 8), ToQColor(CellColor(index)));
        } else {
            painter.fillRect(QRect(o.x() + 3, o.y() + 3, cw - 6, ch - 6), ToQColor(CellColor(index)));
        }
    }
}

void TColorGridBase::mousePressEvent(QMouseEvent* event)
{
    // Any button; a press in the gaps between swatches hits nothing.
    if (const int index = Geometry().IndexAt(event->position().toPoint()); index > 0)
        CellPressed(index);
}

TbsSkinColorGrid::TbsSkinColorGrid(QWidget* parent)
    : TColorGridBase(QStringLiteral("Basic colors"), 4, 12, parent)
{
}

void TbsSkinColorGrid::SetColorValue(TColor value)
{
    FColorValue = value;
    if (!IsBasicColor(value))
        return;
    if (OnChange)
        OnChange();
    update();
}

TColor TbsSkinColorGrid::CellColor(int index) const { return index <= 48 ? BasicColors[std::size_t(index - 1)] : 0; }

bool TbsSkinColorGrid::CellMarked(int index) const { return CellColor(index) == FColorValue && IsBasicColor(FColorValue); }

void TbsSkinColorGrid::CellPressed(int index) { SetColorValue(CellColor(index)); }

TbsSkinCustomColorGrid::TbsSkinCustomColorGrid(QWidget* parent)
    : TColorGridBase(QStringLiteral("Custom colors"), 2, 6, parent)
{
    FColors.fill(0x00FFFFFF);
}

void TbsSkinCustomColorGrid::AddCustomColor(TColor c)
{
    if (FCount == 12)
        FCount = 0;
    ++FCount;
    FColors[std::size_t(FCount)] = c;
    update();
}

TColor TbsSkinCustomColorGrid::CellColor(int index) const { return index <= 12 ? FColors[std::size_t(index)] : 0x00FFFFFF; }

bool TbsSkinCustomColorGrid::CellMarked(int index) const { return index == FSelected; }

void TbsSkinCustomColorGrid::CellPressed(int index)
{
    FColorValue = CellColor(index);
    FSelected = index;
    update();
    if (OnChange)
        OnChange();
}

TbsColorViewer::TbsColorViewer(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TbsColorViewer::SetColorValue(TColor value)
{
    if (value == FColorValue)
        return;
    FColorValue = value;
    update();
}

void TbsColorViewer::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.setBrush(ToQColor(FColorValue));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
