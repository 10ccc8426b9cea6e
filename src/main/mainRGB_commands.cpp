// The main window's own commands: show, hide, exit and stay-on-top with their two menus,
// the tray icon, and the About box.
#include "about/About.h"
#include "controls/bsTrayIcon.h"
#include "main/mainRGB.h"
#include "measure/Display.h"
#include "palette/ColorDialogs.h"
#include "platform/Desktop.h"
#include "reference/ColorPanel.h"

#include <QAction>
#include <QActionGroup>
#include <QIcon>
#include <QMenu>
#include <QPushButton>
#include <QWindow>

#include <memory>

namespace {

QAction* MakeAction(QObject* owner, const char* name, const QString& caption)
{
    auto* action = new QAction(caption, owner);
    action->setObjectName(QLatin1String(name));
    return action;
}

} // namespace

void TfrmMain::BuildCommands()
{
    aShow = MakeAction(this, "aShow", QStringLiteral("显示"));
    aHide = MakeAction(this, "aHide", QStringLiteral("隐藏"));
    aExit = MakeAction(this, "aExit", QStringLiteral("退出"));
    actStayOnTop = MakeAction(this, "actStayOnTop", QStringLiteral("总在最上"));
    actStayOnTop->setCheckable(true);
    actStayOnTop->setChecked(true);
    connect(aShow, &QAction::triggered, this, &TfrmMain::aShowExecute);
    connect(aHide, &QAction::triggered, this, &TfrmMain::aHideExecute);
    connect(aExit, &QAction::triggered, this, &TfrmMain::aExitExecute);
    connect(actStayOnTop, &QAction::triggered, this, &TfrmMain::actStayOnTopExecute);

    // The tray menu shows stay-on-top as a radio item, the system menu as a check mark;
    // a radio look needs an item of its own that mirrors the action.
    auto* N6 = MakeAction(this, "N6", actStayOnTop->text());
    N6->setCheckable(true);
    N6->setChecked(actStayOnTop->isChecked());
    auto* radio = new QActionGroup(this);
    radio->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    radio->addAction(N6);
    connect(N6, &QAction::triggered, actStayOnTop, &QAction::trigger);
    connect(actStayOnTop, &QAction::toggled, N6, &QAction::setChecked);

    bsSkinPopupMenu1 = new QMenu(this);
    bsSkinPopupMenu1->setObjectName(QStringLiteral("bsSkinPopupMenu1"));
    bsSkinPopupMenu1->addAction(aShow);
    bsSkinPopupMenu1->addAction(aHide);
    bsSkinPopupMenu1->addSeparator();
    bsSkinPopupMenu1->addAction(N6);
    bsSkinPopupMenu1->addSeparator();
    bsSkinPopupMenu1->addAction(aExit);
    connect(bsSkinPopupMenu1, &QMenu::aboutToShow, this, [this] {
        aShowUpdate();
        aHideUpdate();
    });

    auto* N8 = new QAction(this);
    N8->setSeparator(true);
    AddSystemMenuItems({ actStayOnTop, N8 });

    bsTrayIcon1 = new TbsTrayIcon(this);
    bsTrayIcon1->setObjectName(QStringLiteral("bsTrayIcon1"));
    bsTrayIcon1->SetHint(QStringLiteral("朱砚 岚舟出品"));
    bsTrayIcon1->SetIcon(QIcon(QStringLiteral(":/tray.png")));
    bsTrayIcon1->SetPopupMenu(bsSkinPopupMenu1);
    bsTrayIcon1->Watch(this);
    connect(bsTrayIcon1, &TbsTrayIcon::OnClick, this, &TfrmMain::bsTrayIcon1Click);
    connect(bsTrayIcon1, &TbsTrayIcon::OnDblClick, this, &TSkinForm::RestoreFromTray);
    SetTrayIcon(bsTrayIcon1);
    AlwaysMinimizeToTray = true;

    connect(bsSkinButton1, &QPushButton::clicked, this, &QWidget::close);
    connect(bsSkinButton3, &QPushButton::clicked, this, &TfrmMain::bsSkinButton3Click);
    connect(bsSkinButton4, &QPushButton::clicked, this, &TfrmMain::bsSkinButton4Click);
    connect(bsSkinButton5, &QPushButton::clicked, this, &TfrmMain::bsSkinButton5Click);
    connect(bsSkinButton11, &QPushButton::clicked, this, &TfrmMain::bsSkinButton11Click);
    connect(bsSkinButton6, &QPushButton::clicked, this, &TfrmMain::bsSkinButton6Click);
    connect(bsSkinButton2, &QPushButton::clicked, this, &TfrmMain::bsSkinButton2Click);

    cdlgSelect = new TbsSkinColorDialog(this);
    cdlgSelect->Caption = QStringLiteral("高级调色板");
}

void TfrmMain::ShowTrayIcon() { bsTrayIcon1->SetIconVisible(true); }

void TfrmMain::bsTrayIcon1Click() { RestoreFromTray(); }

void TfrmMain::aShowExecute() { show(); }

void TfrmMain::aHideExecute() { hide(); }

void TfrmMain::aExitExecute() { close(); }

void TfrmMain::aShowUpdate() { aShow->setEnabled(!isVisible()); }

void TfrmMain::aHideUpdate() { aHide->setEnabled(isVisible()); }

bool TfrmMain::StaysOnTop() const { return windowFlags().testFlag(Qt::WindowStaysOnTopHint); }

void TfrmMain::actStayOnTopExecute()
{
    const bool on = !StaysOnTop();
    actStayOnTop->setChecked(on);
    Qt::WindowFlags flags = windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, on);
    // Changing the widget's flags would hide the window; the window system only needs
    // the stacking hint.
    overrideWindowFlags(flags);
    if (QWindow* window = windowHandle())
        window->setFlags(flags);
}

void TfrmMain::bsSkinButton5Click()
{
    const auto about = std::make_unique<TfrmAbout>(this);
    about->move(pos() + QPoint(30, 30));
    about->ShowModal();
}

void TfrmMain::bsSkinButton11Click()
{
    hide();
    if (!frmDisplay)
        frmDisplay = new TfrmDisplay(FDesktop);
    // Closing the measuring window brings this one back.
    connect(frmDisplay, &TfrmDisplay::FormClosed, this, &QWidget::show, Qt::UniqueConnection);
    if (frmDisplay->isVisible()) {
        frmDisplay->raise();
        frmDisplay->activateWindow();
    } else {
        frmDisplay->show();
    }
}

void TfrmMain::bsSkinButton6Click()
{
    if (!frmColorPanel)
        frmColorPanel = new TfrmColorPanel(this);
    // Side by side across the whole desktop: this window at the left, the page beside it.
    move(0, 0);
    const QRect desktop = FDesktop.VirtualDesktop();
    frmColorPanel->showNormal();
    frmColorPanel->setGeometry(width(), 0, desktop.width() - width(), desktop.height());
    frmColorPanel->raise();
    frmColorPanel->activateWindow();
}

void TfrmMain::bsSkinButton2Click()
{
    cdlgSelect->Color = ToTColor(CurrentColor);
    if (!cdlgSelect->Execute())
        return;
    // The history is not touched; the picked colour is the dialog's until the next pick.
    FPickedColor = cdlgSelect->Color;
    TakeColor();
    UpdateViews();
}
