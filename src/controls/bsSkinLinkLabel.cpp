#include "controls/bsSkinLinkLabel.h"

#include <QDesktopServices>
#include <QMouseEvent>

namespace {

const QColor ActiveLinkColor(0, 0, 255);

} // namespace

TbsSkinLinkLabel::TbsSkinLinkLabel(const QString& caption, QWidget* parent)
    : QLabel(caption, parent)
{
    setCursor(Qt::PointingHandCursor);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
}

void TbsSkinLinkLabel::SetHot(bool hot)
{
    if (hot == FHot)
        return;
    FHot = hot;
    if (hot) {
        QPalette colours = palette();
        colours.setColor(QPalette::WindowText, ActiveLinkColor);
        setPalette(colours);
    } else {
        setPalette(QPalette()); // back to the colours of the window
    }
}

void TbsSkinLinkLabel::enterEvent(QEnterEvent* event)
{
    SetHot(true);
    QLabel::enterEvent(event);
}

void TbsSkinLinkLabel::leaveEvent(QEvent* event)
{
    SetHot(false);
    QLabel::leaveEvent(event);
}

void TbsSkinLinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && FURL.isValid())
        QDesktopServices::openUrl(FURL); // failure ignored: nothing to tell the user
    QLabel::mouseReleaseEvent(event);
}
