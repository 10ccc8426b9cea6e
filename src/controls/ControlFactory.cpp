#include "controls/ControlFactory.h"

#include <QLabel>
#include <QPushButton>

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, QRect geometry)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, QRect geometry, const QString& hint)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setCursor(Qt::PointingHandCursor);
    if (!hint.isEmpty())
        button->setToolTip(hint);
    return button;
}

void SetTextColor(QWidget* widget, const QColor& colour)
{
    QPalette colours = widget->palette();
    colours.setColor(QPalette::WindowText, colour);
    widget->setPalette(colours);
}
