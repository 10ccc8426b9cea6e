#include "controls/SkinForm.h"

#include "controls/bsTrayIcon.h"

#include <QAction>
#include <QEvent>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSizeGrip>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton* MakeTitleButton(QWidget* parent, const QString& name, const QString& tip)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setToolTip(tip);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(20, 20);
    button->setIconSize(QSize(14, 14));
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

enum class Glyph { Minimize, Maximize, Close };

// White glyphs that stay readable on the title bar's dark gradient.
QIcon TitleGlyph(Glyph glyph)
{
    QPixmap pixmap(14, 14);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 2));
    if (glyph == Glyph::Minimize) {
        painter.drawLine(3, 10, 11, 10);
    } else if (glyph == Glyph::Maximize) {
        painter.drawRect(3, 3, 8, 8);
    } else {
        painter.drawLine(3, 3, 11, 11);
        painter.drawLine(11, 3, 3, 11);
    }
    return QIcon(pixmap);
}

} // namespace

TSkinForm::TSkinForm(QWidget* parent, Qt::WindowFlags extraFlags)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | extraFlags)
{
    FTitleBar = new QWidget(this);
    FTitleBar->setObjectName(QStringLiteral("TitleBar"));
    FTitleBar->setFixedHeight(TitleHeight);
    FTitleBar->installEventFilter(this);

    FIconButton = MakeTitleButton(FTitleBar, QStringLiteral("SystemMenuButton"), QString());
    FCaption = new QLabel(FTitleBar);
    FCaption->setObjectName(QStringLiteral("Caption"));
    FCaption->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette captionPalette = FCaption->palette();
    captionPalette.setColor(QPalette::WindowText, Qt::white);
    FCaption->setPalette(captionPalette);
    QFont captionFont = FCaption->font();
    captionFont.setBold(true);
    FCaption->setFont(captionFont);

    FMinimizeButton = MakeTitleButton(FTitleBar, QStringLiteral("MinimizeButton"), QStringLiteral("最小化"));
    FMinimizeButton->setIcon(TitleGlyph(Glyph::Minimize));
    FMaximizeButton = MakeTitleButton(FTitleBar, QStringLiteral("MaximizeButton"), QStringLiteral("最大化"));
    FMaximizeButton->setIcon(TitleGlyph(Glyph::Maximize));
    FMaximizeButton->hide();
    FCloseButton = MakeTitleButton(FTitleBar, QStringLiteral("CloseButton"), QStringLiteral("关闭"));
    FCloseButton->setIcon(TitleGlyph(Glyph::Close));

    auto* titleLayout = new QHBoxLayout(FTitleBar);
    titleLayout->setContentsMargins(2, 2, 2, 2);
    titleLayout->setSpacing(2);
    titleLayout->addWidget(FIconButton);
    titleLayout->addWidget(FCaption, 1);
    titleLayout->addWidget(FMinimizeButton);
    titleLayout->addWidget(FMaximizeButton);
    titleLayout->addWidget(FCloseButton);

    FClient = new QWidget(this);
    FClient->setObjectName(QStringLiteral("Client"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(BorderWidth, BorderWidth, BorderWidth, BorderWidth);
    layout->setSpacing(0);
    layout->addWidget(FTitleBar);
    layout->addWidget(FClient);

    FSystemMenu = new QMenu(this);
    FSystemMenu->setObjectName(QStringLiteral("SystemMenu"));
    FMinimizeItem = FSystemMenu->addAction(QStringLiteral("最小化(&N)"), this, &TSkinForm::Minimize);
    FMinimizeItem->setObjectName(QStringLiteral("SystemMenuMinimize"));
    FCloseItem = FSystemMenu->addAction(QStringLiteral("关闭(&C)"), this, &QWidget::close);
    FCloseItem->setObjectName(QStringLiteral("SystemMenuClose"));
    FCloseItem->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    // The shortcut works with the menu closed too, also where no window manager offers it.
    addAction(FCloseItem);

    connect(FIconButton, &QToolButton::clicked, this,
        [this] { ShowSystemMenu(FIconButton->mapToGlobal(QPoint(0, FIconButton->height()))); });
    connect(FMinimizeButton, &QToolButton::clicked, this, &TSkinForm::Minimize);
    connect(FMaximizeButton, &QToolButton::clicked, this, [this] { isMaximized() ? showNormal() : showMaximized(); });
    connect(FCloseButton, &QToolButton::clicked, this, &QWidget::close);
}

void TSkinForm::SetTitleButtons(bool systemMenu, bool minimize, bool maximize)
{
    FMaximizeButton->setVisible(maximize);
    FIconButton->setVisible(systemMenu);
    FMinimizeButton->setVisible(minimize);
    FMinimizeItem->setVisible(minimize);
}

void TSkinForm::AddSystemMenuItems(const QList<QAction*>& items) { FSystemMenu->insertActions(FCloseItem, items); }

void TSkinForm::ShowSystemMenu(QPoint globalPos)
{
    if (FIconButton->isVisible())
        FSystemMenu->popup(globalPos);
}

void TSkinForm::SetTrayIcon(TbsTrayIcon* trayIcon) { FTrayIcon = trayIcon; }

TbsTrayIcon* TSkinForm::TrayIcon() const { return FTrayIcon; }

void TSkinForm::Minimize()
{
    if (FTrayIcon && AlwaysMinimizeToTray)
        SendToTray();
    else
        showMinimized();
}

void TSkinForm::SendToTray()
{
    if (FTrayIcon)
        FTrayIcon->MinimizeToTray = true;
    // The tray icon watches the window and hides it once it is minimised; with no
    // notification area this stays an ordinary minimise.
    showMinimized();
}

void TSkinForm::RestoreFromTray()
{
    if (FTrayIcon)
        FTrayIcon->MinimizeToTray = false;
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

int TSkinForm::ShowModal()
{
    FModalResult = mrNone;
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
    QEventLoop loop;
    FModalLoop = &loop;
    loop.exec(QEventLoop::DialogExec);
    FModalLoop = nullptr;
    // Closed any other way (the frame's close button, Alt+F4): cancelled.
    if (FModalResult == mrNone)
        FModalResult = mrCancel;
    return FModalResult;
}

void TSkinForm::SetModalResult(int result)
{
    FModalResult = result;
    close();
}

void TSkinForm::SetDefaultButton(QPushButton* button)
{
    if (FDefaultButton)
        FDefaultButton->setDefault(false);
    FDefaultButton = button;
    if (button)
        button->setDefault(true);
}

void TSkinForm::SetCancelButton(QPushButton* button) { FCancelButton = button; }

void TSkinForm::hideEvent(QHideEvent* event)
{
    if (FModalLoop && !event->spontaneous())
        FModalLoop->quit();
    QWidget::hideEvent(event);
}

void TSkinForm::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (FDefaultButton && FDefaultButton->isVisible() && FDefaultButton->isEnabled()) {
                FDefaultButton->click();
                return;
            }
            break;
        case Qt::Key_Escape:
            if (FCancelButton && FCancelButton->isVisible() && FCancelButton->isEnabled()) {
                FCancelButton->click();
                return;
            }
            if (FModalLoop) {
                SetModalResult(mrCancel);
                return;
            }
            break;
        default:
            break;
        }
    }
    QWidget::keyPressEvent(event);
}

void TSkinForm::SetClientSize(QSize size)
{
    FClient->setFixedSize(size);
    setFixedSize(size.width() + 2 * BorderWidth, size.height() + TitleHeight + 2 * BorderWidth);
}

void TSkinForm::SetResizable(QSize clientSize)
{
    FClient->setMinimumSize(120, 60);
    FClient->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(clientSize.width() + 2 * BorderWidth, clientSize.height() + TitleHeight + 2 * BorderWidth);
    auto* grip = new QSizeGrip(FClient);
    grip->setObjectName(QStringLiteral("SizeGrip"));
    FClient->installEventFilter(this); // keeps the grip in the corner
    grip->resize(grip->sizeHint());
}

bool TSkinForm::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::WindowTitleChange:
        FCaption->setText(windowTitle());
        break;
    case QEvent::WindowIconChange:
        FIconButton->setIcon(windowIcon());
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

bool TSkinForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == FClient && event->type() == QEvent::Resize) {
        if (auto* grip = FClient->findChild<QSizeGrip*>(QStringLiteral("SizeGrip"), Qt::FindDirectChildrenOnly)) {
            grip->move(FClient->width() - grip->width(), FClient->height() - grip->height());
            grip->raise();
        }
        return false;
    }
    if (watched != FTitleBar)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            ShowSystemMenu(mouse->globalPosition().toPoint());
            return true;
        }
        if (mouse->button() == Qt::LeftButton) {
            FDragging = true;
            FDragOffset = mouse->globalPosition().toPoint() - frameGeometry().topLeft();
            return true;
        }
        break;
    }
    case QEvent::MouseMove:
        if (FDragging) {
            move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - FDragOffset);
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        FDragging = false;
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void TSkinForm::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const QRect title(BorderWidth, BorderWidth, width() - 2 * BorderWidth, TitleHeight);
    QLinearGradient gradient(title.topLeft(), title.bottomLeft());
    gradient.setColorAt(0, QColor(74, 112, 168));
    gradient.setColorAt(1, QColor(38, 70, 122));
    painter.fillRect(title, gradient);
    painter.setPen(QColor(30, 52, 90));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
