// The main window's eyedropper: press on the swatch, drag anywhere on the screen, and
// every move samples the pixel under the pointer and redraws the magnifier.
#include "main/mainRGB.h"

#include "controls/PaintBox.h"
#include "main/Magnifier.h"
#include "platform/Desktop.h"

#include <QEvent>
#include <QLabel>

namespace {

// What the magnifier shows for screen pixels that do not exist (past a screen edge).
constexpr QRgb OffScreenGrey = 0xFF808080;

} // namespace

bool TfrmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lblColor) {
        // The press gives the swatch an implicit pointer grab: the moves and the release
        // reach it wherever the pointer goes, over other windows too.
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: // a quick second press starts a pick as well
            pnlColorMouseDown();
            return true;
        case QEvent::MouseMove:
            pnlColorMouseMove();
            return true;
        case QEvent::MouseButtonRelease:
            pnlColorMouseUp();
            return true;
        default:
            break;
        }
    }
    return TSkinForm::eventFilter(watched, event);
}

void TfrmMain::pnlColorMouseDown() { FPicking = true; }

void TfrmMain::pnlColorMouseMove()
{
    if (!FPicking)
        return;
    FCursorPos = FDesktop.PointerPos();
    lblMousePos->setText(QStringLiteral("X:%1 ,Y:%2 ").arg(FCursorPos.x()).arg(FCursorPos.y()));
    FPickedColor = FDesktop.PixelAt(FCursorPos);
    TakeColor();
    UpdateViews();

    FZoomCursorPos = FDesktop.PointerPos();
    const QImage source = FDesktop.CopyBlock(QRect(FZoomCursorPos - FZoomHalfSrc, FZoomSrcSize), OffScreenGrey);
    const TRGBColor bar = ComplementOf(CurrentColor);
    ComposeZoom(FZoomBmp, source, FZoomCenter, qRgb(bar.R, bar.G, bar.B));
    pbCaptureScreen->update();
}

void TfrmMain::pnlColorMouseUp()
{
    if (!FPicking)
        return;
    FPicking = false;
    PushHistory();
}
