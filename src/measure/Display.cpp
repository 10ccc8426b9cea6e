#include "measure/Display.h"

#include "controls/ControlFactory.h"
#include "controls/PaintBox.h"
#include "main/Magnifier.h"
#include "measure/MeasureRules.h"
#include "platform/Desktop.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QThread>
#include <QToolButton>

#include <cmath>

TfrmDisplay* frmDisplay = nullptr;

namespace {

// The magnifier before the first move (R 246, G 247, B 251), and what it shows for
// source pixels beyond the screen.
const QRgb ZoomBackground = qRgb(246, 247, 251);

QString PointText(QPoint p) { return QStringLiteral("(%1,%2)").arg(p.x()).arg(p.y()); }

QToolButton* CaptionButton(QWidget* parent, const char* name, const QString& tip)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(tip);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setCursor(Qt::ArrowCursor);
    return button;
}

} // namespace

TbsSkinExPanel::TbsSkinExPanel(const QString& caption, QWidget* parent)
    : QWidget(parent)
{
    setWindowTitle(caption);
    setAutoFillBackground(true);
    setCursor(Qt::ArrowCursor);
    FRollButton = CaptionButton(this, "RollButton", QStringLiteral("卷起"));
    FRollButton->setArrowType(Qt::UpArrow);
    FCloseButton = CaptionButton(this, "CloseButton", QStringLiteral("关闭"));
    FCloseButton->setText(QStringLiteral("✕"));
    connect(FRollButton, &QToolButton::clicked, this, [this] { SetRollState(!FRolled); });
    connect(FCloseButton, &QToolButton::clicked, this, [this] {
        hide();
        emit OnClose();
    });
}

void TbsSkinExPanel::SetRollState(bool rolled)
{
    if (rolled == FRolled)
        return;
    FRolled = rolled;
    if (rolled) {
        FUnrolledHeight = height();
        resize(width(), CaptionHeight);
    } else {
        resize(width(), FUnrolledHeight);
    }
    FRollButton->setArrowType(rolled ? Qt::DownArrow : Qt::UpArrow);
    FRollButton->setToolTip(rolled ? QStringLiteral("展开") : QStringLiteral("卷起"));
}

void TbsSkinExPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect caption(0, 0, width(), CaptionHeight);
    QLinearGradient gradient(caption.topLeft(), caption.bottomLeft());
    gradient.setColorAt(0, QColor(74, 112, 168));
    gradient.setColorAt(1, QColor(38, 70, 122));
    painter.fillRect(caption, gradient);
    painter.setPen(Qt::white);
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(caption.adjusted(6, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, windowTitle());
    painter.setPen(QColor(30, 52, 90));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    // The buttons sit at the caption's right end.
    FCloseButton->setGeometry(width() - 20, 2, 18, 17);
    FRollButton->setGeometry(width() - 39, 2, 18, 17);
}

TfrmDisplay::TfrmDisplay(Desktop& desktop, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , FDesktop(desktop)
{
    setObjectName(QStringLiteral("frmDisplay"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setAttribute(Qt::WA_OpaquePaintEvent); // every pixel comes from the canvas
    setCursor(Qt::CrossCursor);
    setMouseTracking(true);

    sepRuler = new TbsSkinExPanel(QStringLiteral("测距"), this);
    sepRuler->setObjectName(QStringLiteral("sepRuler"));
    sepRuler->setGeometry(0, 0, 252, 158);

    auto* bevel = new QFrame(sepRuler);
    bevel->setObjectName(QStringLiteral("bsSkinBevel1"));
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(8, 43, 132, 106);
    pbCaptureScreen = new TPaintBox(sepRuler);
    pbCaptureScreen->setObjectName(QStringLiteral("pbCaptureScreen"));
    pbCaptureScreen->setGeometry(9, 47, 128, 96);
    pbCaptureScreen->OnPaint = [this](QPainter& painter) {
        if (!FZoomBmp.isNull())
            painter.drawImage(0, 0, FZoomBmp);
    };

    MakeLabel(sepRuler, "bsSkinStdLabel1", QStringLiteral("坐标："), { 145, 46, 73, 13 });
    lblCurPos = MakeLabel(sepRuler, "lblCurPos", QStringLiteral("(0,0)"), { 183, 46, 129, 13 });
    MakeLabel(sepRuler, "bsSkinStdLabel2", QStringLiteral("起点："), { 145, 64, 65, 13 });
    lblStartPos = MakeLabel(sepRuler, "lblStartPos", QStringLiteral("(0,0)"), { 183, 64, 129, 13 });
    MakeLabel(sepRuler, "bsSkinStdLabel5", QStringLiteral("终点："), { 145, 82, 41, 13 });
    lblEndPos = MakeLabel(sepRuler, "lblEndPos", QStringLiteral("(0,0)"), { 183, 82, 129, 13 });
    MakeLabel(sepRuler, "bsSkinStdLabel6", QStringLiteral("距离："), { 145, 100, 65, 13 });
    lblResult = MakeLabel(sepRuler, "lblResult", QStringLiteral("0"), { 183, 100, 129, 13 });
    lblScreen = MakeLabel(sepRuler, "lblScreen", QString(), { 8, 24, 236, 13 });
    SetTextColor(lblScreen, QColor(128, 128, 0));
    QFont own(QStringList { QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC") });
    own.setPixelSize(12);
    lblScreen->setFont(own);

    bsSkinButton1 = MakeButton(sepRuler, "bsSkinButton1", QStringLiteral("结束"), { 179, 124, 57, 25 });

    connect(sepRuler, &TbsSkinExPanel::OnClose, this, &QWidget::close); // sepRulerClose
    connect(bsSkinButton1, &QPushButton::clicked, this, &QWidget::close); // bsSkinButton1Click
}

TfrmDisplay::~TfrmDisplay()
{
    if (frmDisplay == this)
        frmDisplay = nullptr;
}

void TfrmDisplay::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous() && !FSnapshotReady)
        FormShow();
}

void TfrmDisplay::FormShow()
{
    PrepareDisplay();
    // The main window was hidden just before: let the server take it off the screen
    // and the programs below redraw, then copy.
    FDesktop.Flush();
    QThread::msleep(SettleMs);
    CaptureScreen();
    const QSize screen = FDesktop.PrimaryScreenSize();
    lblScreen->setText(QStringLiteral("当前屏幕分辨率：%1 × %2").arg(screen.width()).arg(screen.height()));
    FSnapshotReady = true;
}

void TfrmDisplay::PrepareDisplay()
{
    const QSize screen = FDesktop.PrimaryScreenSize();
    setGeometry(0, 0, screen.width(), screen.height());
    FSnapshot = QImage(screen, QImage::Format_RGB32);
    FZoomBmp = QImage(pbCaptureScreen->width(), pbCaptureScreen->height(), QImage::Format_RGB32);
    FZoomBmp.fill(ZoomBackground);
    FZoomSrcSize = QSize(32, 24);
    FZoomCenter = QPoint(int(std::floor(pbCaptureScreen->width() / 2.0)), int(std::floor(pbCaptureScreen->height() / 2.0)));
    FZoomHalfSrc = QPoint(int(std::floor(FZoomSrcSize.width() / 2.0)), int(std::floor(FZoomSrcSize.height() / 2.0)));
}

void TfrmDisplay::CaptureScreen()
{
    FSnapshot = FDesktop.Snapshot(QRect(QPoint(0, 0), FSnapshot.size()));
    FCanvas = FSnapshot;
}

void TfrmDisplay::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (!FSnapshotReady) {
        painter.fillRect(event->rect(), palette().button());
        return;
    }
    for (const QRect& area : event->region())
        painter.drawImage(area.topLeft(), FCanvas, area);
}

void TfrmDisplay::mousePressEvent(QMouseEvent* event) { FormMouseDown(event->position().toPoint()); }

void TfrmDisplay::mouseMoveEvent(QMouseEvent* event) { FormMouseMove(event->position().toPoint()); }

void TfrmDisplay::mouseReleaseEvent(QMouseEvent*) { FormMouseUp(); }

void TfrmDisplay::FormMouseDown(QPoint at)
{
    FDragging = true;
    EraseRubberLine();
    FStartPos = at;
    FEndPos = QPoint(0, 0);
}

void TfrmDisplay::FormMouseMove(QPoint at)
{
    FCurPos = at;
    DrawZoom();
    EraseRubberLine();
    DrawRubberLine();
    ShowMeasurement();
}

void TfrmDisplay::FormMouseUp() { FDragging = false; }

void TfrmDisplay::InvertRubberLine()
{
    for (const QRect& changed : MeasureRules::InvertLine(FCanvas, FStartPos, FEndPos))
        update(changed);
}

void TfrmDisplay::DrawRubberLine()
{
    if (!FDragging)
        return;
    FEndPos = FCurPos;
    InvertRubberLine();
    FLineShown = true;
}

void TfrmDisplay::EraseRubberLine()
{
    if (!FDragging || !FLineShown)
        return;
    InvertRubberLine();
    FLineShown = false;
}

void TfrmDisplay::DrawZoom()
{
    if (FCanvas.isNull())
        return;
    // From the window's own picture: the snapshot with the rubber line as it is now.
    const QRect source(FCurPos - FZoomHalfSrc, FZoomSrcSize);
    QImage block(FZoomSrcSize, QImage::Format_RGB32);
    block.fill(ZoomBackground);
    const QRect inside = source.intersected(FCanvas.rect());
    if (!inside.isEmpty()) {
        QPainter painter(&block);
        painter.drawImage(inside.topLeft() - source.topLeft(), FCanvas, inside);
    }
    ComposeZoom(FZoomBmp, block, FZoomCenter, qRgb(0, 0, 0));
    pbCaptureScreen->repaint();
}

void TfrmDisplay::ShowMeasurement()
{
    lblCurPos->setText(PointText(FCurPos));
    lblStartPos->setText(PointText(FStartPos));
    lblEndPos->setText(PointText(FEndPos));
    if (FDragging)
        lblResult->setText(QString::number(MeasureRules::Distance(FStartPos, FEndPos)));
}

void TfrmDisplay::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit FormClosed();
    // Discarded once the close has completed; the next use makes a new window.
    if (frmDisplay == this)
        frmDisplay = nullptr;
    deleteLater();
}
