#include "main/mainRGB.h"

#include "app/MakerInfo.h"
#include "app/TintoraApplication.h"
#include "controls/ControlFactory.h"
#include "controls/PaintBox.h"
#include "controls/bsSkinDrawGrid.h"
#include "controls/bsSkinLinkLabel.h"
#include "controls/bsSkinTrackEdit.h"
#include "main/ColorForms.h"
#include "platform/Desktop.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include <cmath>

TfrmMain* frmMain = nullptr;

namespace {

// The magnifier's colour before the first pick (R 246, G 247, B 251).
constexpr TColor ZoomBackground = 16513014;

QGroupBox* MakeGroup(QWidget* parent, const char* name, const QString& caption, QRect geometry)
{
    auto* group = new QGroupBox(caption, parent);
    group->setObjectName(QLatin1String(name));
    group->setGeometry(geometry);
    return group;
}

QRgb ToQRgb(TColor value)
{
    const TRGBColor c = FromTColor(value);
    return qRgb(c.R, c.G, c.B);
}

void SetTextIfChanged(QLineEdit* edit, const QString& text)
{
    if (edit->text() != text)
        edit->setText(text);
}

} // namespace

TfrmMain::TfrmMain(Desktop& desktop, QWidget* parent)
    : TSkinForm(parent, Qt::WindowStaysOnTopHint)
    , FDesktop(desktop)
{
    setObjectName(QStringLiteral("frmMain"));
    setAttribute(Qt::WA_QuitOnClose, false);
    // The window floats above the program the user picks from, usually while that
    // program is active; the hints should show all the same.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    setWindowIcon(QIcon(QStringLiteral(":/tintora.png")));
    SetClientSize(QSize(364, 259));
    BuildControls();
    FormCreate();
}

TfrmMain::~TfrmMain()
{
    if (frmMain == this)
        frmMain = nullptr;
}

void TfrmMain::BuildControls()
{
    QWidget* client = Client();
    // In tab order.
    bsSkinButton1 = MakeButton(client, "bsSkinButton1", QStringLiteral("退出"), { 293, 207, 64, 25 }, QStringLiteral("退出软件"));
    BuildEditGroup();
    BuildOutputGroup();
    bsSkinButton3 = MakeButton(
        client, "bsSkinButton3", QStringLiteral("保存颜色"), { 220, 150, 65, 25 }, QStringLiteral("保存当前颜色到库中"));
    bsSkinButton4 = MakeButton(
        client, "bsSkinButton4", QStringLiteral("加载颜色"), { 293, 150, 64, 25 }, QStringLiteral("从颜色库中加载颜色信息"));
    BuildCaptureGroup();
    bsSkinButton5
        = MakeButton(client, "bsSkinButton5", QStringLiteral("关于"), { 220, 208, 64, 25 }, QStringLiteral("关于本软件"));
    bsSkinButton6
        = MakeButton(client, "bsSkinButton6", QStringLiteral("颜色参考"), { 220, 179, 65, 25 }, QStringLiteral("标准颜色表"));
    bsSkinButton11
        = MakeButton(client, "bsSkinButton11", QStringLiteral("屏幕测距"), { 292, 179, 65, 25 }, QStringLiteral("测量距离"));

    bsSkinLinkLabel1 = new TbsSkinLinkLabel(QStringLiteral("岚舟软件工作室"), client);
    bsSkinLinkLabel1->setObjectName(QStringLiteral("bsSkinLinkLabel1"));
    bsSkinLinkLabel1->setGeometry(272, 237, 84, 14);
    bsSkinLinkLabel1->setToolTip(QStringLiteral("Lanzo Software Studio "));
    bsSkinLinkLabel1->SetURL(QUrl(MakerWebAddress));

    BuildCommands();
    connect(bsSkinButton10, &QPushButton::clicked, this, &TfrmMain::bsSkinButton10Click);
    connect(bsSkinButton7, &QPushButton::clicked, this, [this] { CopyForm(edtHC); });
    connect(bsSkinButton8, &QPushButton::clicked, this, [this] { CopyForm(edtRGB); });
    connect(bsSkinButton9, &QPushButton::clicked, this, [this] { CopyForm(edtDelphi); });
    connect(edtR, &TbsSkinTrackEdit::OnChange, this, &TfrmMain::edtRChange);
    connect(edtG, &TbsSkinTrackEdit::OnChange, this, &TfrmMain::edtGChange);
    connect(edtB, &TbsSkinTrackEdit::OnChange, this, &TfrmMain::edtBChange);
}

void TfrmMain::BuildEditGroup()
{
    bsSkinGroupBox1 = MakeGroup(Client(), "bsSkinGroupBox1", QStringLiteral("颜色编辑"), { 9, 4, 203, 120 });
    QWidget* group = bsSkinGroupBox1;

    MakeLabel(group, "bsSkinStdLabel1", QStringLiteral("R"), { 8, 25, 23, 13 });
    MakeLabel(group, "bsSkinStdLabel2", QStringLiteral("G"), { 8, 48, 23, 13 });
    MakeLabel(group, "bsSkinStdLabel3", QStringLiteral("B"), { 8, 70, 23, 13 });

    // Tab order: 高级调色板, 计算安全色, R, G, B, the history panel.
    bsSkinButton2
        = MakeButton(group, "bsSkinButton2", QStringLiteral("高级调色板"), { 112, 92, 81, 25 }, QStringLiteral("打开调色板调色"));
    bsSkinButton10
        = MakeButton(group, "bsSkinButton10", QStringLiteral("计算安全色"), { 9, 92, 81, 25 }, QStringLiteral("打开调色板调色"));

    const auto makeEditor = [this, group](const char* name, QRect geometry) {
        auto* editor = new TbsSkinTrackEdit(group);
        editor->setObjectName(QLatin1String(name));
        editor->setGeometry(geometry);
        editor->SetMinValue(0);
        editor->SetMaxValue(255);
        editor->SetIncrement(1);
        editor->SetSupportUpDownKeys(true);
        editor->PopupKind = TbsSkinTrackEdit::tbpRight;
        editor->JumpWhenClick = false;
        editor->TrackBarWidth = 128;
        editor->AlphaBlend = false;
        editor->SetDesktop(&FDesktop);
        editor->SetValue(0);
        return editor;
    };
    edtR = makeEditor("edtR", { 29, 23, 60, 18 });
    edtG = makeEditor("edtG", { 29, 47, 60, 18 });
    edtB = makeEditor("edtB", { 29, 68, 60, 18 });

    bsSkinPanel1 = new QFrame(group);
    bsSkinPanel1->setObjectName(QStringLiteral("bsSkinPanel1"));
    bsSkinPanel1->setFrameShape(QFrame::StyledPanel);
    bsSkinPanel1->setGeometry(102, 21, 95, 66);
    auto* historyCaption = MakeLabel(bsSkinPanel1, "bsSkinStdLabel7", QStringLiteral("历史颜色"), { 3, 5, 17, 57 });
    historyCaption->setAlignment(Qt::AlignCenter);
    historyCaption->setWordWrap(true); // one character per line at this width

    sdgHistory = new TbsSkinDrawGrid(bsSkinPanel1);
    sdgHistory->setObjectName(QStringLiteral("sdgHistory"));
    sdgHistory->setGeometry(24, 4, 68, 60);
    sdgHistory->setToolTip(QStringLiteral("历史颜色存储槽\n记录采集过的颜色"));
    sdgHistory->OnSelectCell = [this](int col, int row, bool& canSelect) { sdgHistorySelectCell(col, row, canSelect); };
    sdgHistory->OnDrawCell = [this](QPainter& painter, int col, int row, const QRect& rect, bool selected) {
        sdgHistoryDrawCell(painter, col, row, rect, selected);
    };
}

void TfrmMain::BuildOutputGroup()
{
    bsSkinGroupBox2 = MakeGroup(Client(), "bsSkinGroupBox2", QStringLiteral("颜色输出"), { 9, 127, 203, 122 });
    QWidget* group = bsSkinGroupBox2;

    const auto makeForm = [group](const char* name, const QString& text, QRect geometry) {
        auto* edit = new QLineEdit(text, group);
        edit->setObjectName(QLatin1String(name));
        edit->setReadOnly(true);
        edit->setGeometry(geometry);
        // "RGB(255,255,255)" has to fit the 97-pixel box whole.
        edit->setTextMargins(-1, 0, -1, 0);
        QFont font = edit->font();
        font.setPixelSize(11);
        edit->setFont(font);
        return edit;
    };
    edtHC = makeForm("edtHC", QStringLiteral("#FFFFFF"), { 40, 27, 97, 20 });
    edtRGB = makeForm("edtRGB", QStringLiteral("RGB(255,255,255)"), { 40, 59, 97, 20 });
    edtDelphi = makeForm("edtDelphi", QStringLiteral("$00FFFFFF"), { 40, 89, 97, 20 });

    const QString copy = QStringLiteral("复制");
    const QString copyHint = QStringLiteral("复制到剪贴板");
    bsSkinButton7 = MakeButton(group, "bsSkinButton7", copy, { 147, 25, 48, 22 }, copyHint);
    bsSkinButton8 = MakeButton(group, "bsSkinButton8", copy, { 147, 56, 48, 22 }, copyHint);
    bsSkinButton9 = MakeButton(group, "bsSkinButton9", copy, { 147, 88, 48, 22 }, copyHint);

    MakeLabel(group, "bsSkinStdLabel4", QStringLiteral("网页"), { 4, 32, 32, 13 });
    MakeLabel(group, "bsSkinStdLabel5", QStringLiteral("RGB"), { 3, 63, 28, 13 });
    MakeLabel(group, "bsSkinStdLabel6", QStringLiteral("Delphi"), { 4, 92, 35, 13 });
}

void TfrmMain::BuildCaptureGroup()
{
    gpSnag = MakeGroup(Client(), "gpSnag", QStringLiteral("颜色捕获"), { 220, 4, 137, 141 });

    pbCaptureScreen = new TPaintBox(gpSnag);
    pbCaptureScreen->setObjectName(QStringLiteral("pbCaptureScreen"));
    pbCaptureScreen->setGeometry(4, 21, 128, 96);
    pbCaptureScreen->OnPaint = [this](QPainter& painter) { pbCaptureScreenPaint(painter); };

    lblMousePos = MakeLabel(gpSnag, "lblMousePos", QStringLiteral("X：0 , Y：0"), { 5, 122, 97, 13 });
    lblMousePos->setAlignment(Qt::AlignCenter);

    // The swatch sits over the magnifier's bottom-right corner.
    pnlColor = new QFrame(gpSnag);
    pnlColor->setObjectName(QStringLiteral("pnlColor"));
    pnlColor->setFrameShape(QFrame::Box);
    pnlColor->setGeometry(96, 104, 36, 34);
    lblColor = MakeLabel(pnlColor, "lblColor", QStringLiteral("取色"), { 1, 1, 34, 32 });
    lblColor->setAlignment(Qt::AlignCenter);
    lblColor->setAutoFillBackground(true);
    lblColor->setCursor(Qt::CrossCursor);
    lblColor->installEventFilter(this);
}

void TfrmMain::FormCreate()
{
    try {
        InitMainWindow();
    } catch (const std::exception& error) {
        // The window stays; the rest of its start-up is skipped.
        TintoraApplication::HandleException(error);
    }
}

void TfrmMain::InitMainWindow()
{
    AppVersion = QStringLiteral("1.1.2");
    setWindowTitle(QStringLiteral("Tintora(朱砚) V%1").arg(AppVersion));
    AppPath = QFileInfo(QCoreApplication::applicationFilePath()).absolutePath();
    if (!AppPath.endsWith(QLatin1Char('/')))
        AppPath += QLatin1Char('/');
    CurrentColor = { 255, 255, 255 };
    edtR->SetValue(255);
    edtG->SetValue(255);
    edtB->SetValue(255);
    FHistory.fill(TRGBColor { 255, 255, 255 });
    FNextSlot = 0;
    FLastSlot = 0;
    lblColor->setToolTip(QStringLiteral("在这里按下鼠标左键并拖动\n到想要吸取的颜色区域,\n确定后松开鼠标"));

    FZoomBmp = QImage(pbCaptureScreen->width(), pbCaptureScreen->height(), QImage::Format_RGB32);
    FZoomBmp.fill(ToQRgb(ZoomBackground));
    FZoomSrcSize = QSize(32, 24);
    FZoomCenter = QPoint(int(std::floor(pbCaptureScreen->width() / 2.0)), int(std::floor(pbCaptureScreen->height() / 2.0)));
    FZoomHalfSrc = QPoint(int(std::floor(FZoomSrcSize.width() / 2.0)), int(std::floor(FZoomSrcSize.height() / 2.0)));

    ShowTrayIcon();
    LoadHistory();
    move(0, 0);
    UpdateViews();
}

void TfrmMain::FinishMainWindow()
{
    SaveHistory();
    FZoomBmp = QImage();
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    FinishMainWindow();
    event->accept();
    emit FormClosed();
}

void TfrmMain::UpdateViews()
{
    ShowChannelValues();
    ShowColorForms();
}

void TfrmMain::ShowChannelValues()
{
    // Writing an editor raises its change event; the handler then finds the value equal
    // to the channel and does nothing, so there is no second refresh.
    if (edtR->Value() != CurrentColor.R)
        edtR->SetValue(CurrentColor.R);
    if (edtG->Value() != CurrentColor.G)
        edtG->SetValue(CurrentColor.G);
    if (edtB->Value() != CurrentColor.B)
        edtB->SetValue(CurrentColor.B);
}

void TfrmMain::ShowColorForms()
{
    QPalette palette = lblColor->palette();
    const QColor background = ToQColor(CurrentColor);
    const QColor text = ToQColor(ComplementOf(CurrentColor));
    if (palette.color(QPalette::Window) != background || palette.color(QPalette::WindowText) != text) {
        palette.setColor(QPalette::Window, background);
        palette.setColor(QPalette::WindowText, text);
        lblColor->setPalette(palette);
    }
    SetTextIfChanged(edtHC, WebForm(CurrentColor));
    SetTextIfChanged(edtRGB, RGBForm(CurrentColor));
    SetTextIfChanged(edtDelphi, DelphiForm(CurrentColor));
}

void TfrmMain::TakeColor()
{
    CurrentColor = FromTColor(FPickedColor);
    // All three channels are stored before the first text write, so the editors'
    // change handlers find nothing to do.
    SetTextIfChanged(edtR, QString::number(CurrentColor.R));
    SetTextIfChanged(edtG, QString::number(CurrentColor.G));
    SetTextIfChanged(edtB, QString::number(CurrentColor.B));
}

void TfrmMain::ChannelEdited(const TbsSkinTrackEdit& editor, std::uint8_t& channel)
{
    // Only the swatch and the text forms follow; the other editors keep their texts.
    if (editor.Value() != channel) {
        channel = std::uint8_t(editor.Value());
        ShowColorForms();
    }
}

void TfrmMain::edtRChange() { ChannelEdited(*edtR, CurrentColor.R); }

void TfrmMain::edtGChange() { ChannelEdited(*edtG, CurrentColor.G); }

void TfrmMain::edtBChange() { ChannelEdited(*edtB, CurrentColor.B); }

void TfrmMain::bsSkinButton10Click()
{
    CurrentColor = WebSafe(CurrentColor);
    UpdateViews();
}

void TfrmMain::CopyForm(QLineEdit* edit)
{
    edit->selectAll();
    edit->copy();
}

void TfrmMain::pbCaptureScreenPaint(QPainter& painter)
{
    if (!FZoomBmp.isNull())
        painter.drawImage(0, 0, FZoomBmp);
}
