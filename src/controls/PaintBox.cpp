#include "controls/PaintBox.h"

#include <QPainter>

void TPaintBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (OnPaint)
        OnPaint(painter);
}
