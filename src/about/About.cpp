#include "about/About.h"

#include "app/MakerInfo.h"
#include "app/global.h"
#include "controls/ControlFactory.h"
#include "controls/bsSkinLinkLabel.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, QRect geometry, const QColor& colour)
{
    QLabel* label = ::MakeLabel(parent, name, caption, geometry);
    SetTextColor(label, colour);
    return label;
}

QFont BoldFont(QFont font)
{
    font.setBold(true);
    return font;
}

const QColor Navy(0, 0, 128);
const QColor Olive(128, 128, 0);
const QColor Grey(128, 128, 128);

} // namespace

TfrmAbout::TfrmAbout(QWidget* owner)
    : TSkinForm(owner)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("关于"));
    SetTitleButtons(false, false);
    SetClientSize(QSize(378, 270));
    QWidget* client = Client();

    bsSkinLinkImage1 = new QLabel(client);
    bsSkinLinkImage1->setObjectName(QStringLiteral("bsSkinLinkImage1"));
    bsSkinLinkImage1->setPixmap(QPixmap(QStringLiteral(":/about.jpg")));
    bsSkinLinkImage1->setGeometry(5, -1, 360, 80);
    bsSkinLinkImage1->setCursor(Qt::PointingHandCursor);

    lblVersion = MakeLabel(client, "lblVersion", QString(), { 86, 57, 267, 19 }, Grey);
    lblVersion->setAlignment(Qt::AlignCenter);
    QFont versionFont(QStringList { QStringLiteral("LiSu"), QStringLiteral("隶书"), font().family() });
    versionFont.setPixelSize(16);
    versionFont.setBold(true);
    lblVersion->setFont(versionFont);

    auto* bsSkinBevel2 = new QFrame(client);
    bsSkinBevel2->setObjectName(QStringLiteral("bsSkinBevel2"));
    bsSkinBevel2->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bsSkinBevel2->setGeometry(8, 82, 353, 72);

    auto* description = MakeLabel(client, "bsSkinStdLabel5",
        QStringLiteral("朱砚，可以获取屏幕上任意位置颜色并存储，还可以使用内置尺子测量两点距离。可应用于网页制作,平面设计。"),
        { 16, 92, 337, 65 }, Navy);
    description->setWordWrap(true);
    description->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    bsSkinLinkLabel2 = new TbsSkinLinkLabel(MakerWebAddress, client);
    bsSkinLinkLabel2->setObjectName(QStringLiteral("bsSkinLinkLabel2"));
    bsSkinLinkLabel2->setGeometry(47, 169, 129, 14);
    bsSkinLinkLabel2->SetURL(QUrl(MakerWebAddress));

    // Only "网址：" fits; the address after it is cut off by the label's width.
    MakeLabel(client, "bsSkinStdLabel1", QStringLiteral("网址：") + MakerSecondWebAddress, { 7, 171, 36, 19 });
    MakeLabel(client, "bsSkinStdLabel6", QStringLiteral("岚舟软件工作室"), { 236, 171, 129, 23 }, Olive)
        ->setFont(BoldFont(font()));
    MakeLabel(client, "bsSkinStdLabel4", QStringLiteral("Lanzo Software Studio"), { 237, 188, 150, 25 }, Olive)
        ->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    MakeLabel(client, "bsSkinStdLabel2", QStringLiteral("Email：") + MakerEmail, { 7, 190, 154, 19 });
    MakeLabel(client, "bsSkinStdLabel3", MakerMessenger, { 7, 207, 154, 19 });

    auto* bsSkinBevel1 = new QFrame(client);
    bsSkinBevel1->setObjectName(QStringLiteral("bsSkinBevel1"));
    bsSkinBevel1->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    bsSkinBevel1->setGeometry(10, 225, 343, 5);

    MakeLabel(client, "bsSkinStdLabel7", QStringLiteral("如需最新版本 欢迎访问官方网站"), { 9, 237, 217, 13 });

    bsSkinButton1 = new QPushButton(QStringLiteral("确定"), client);
    bsSkinButton1->setObjectName(QStringLiteral("bsSkinButton1"));
    bsSkinButton1->setGeometry(276, 233, 75, 22);
    bsSkinButton1->setCursor(Qt::PointingHandCursor);
    SetDefaultButton(bsSkinButton1);
    connect(bsSkinButton1, &QPushButton::clicked, this, [this] { SetModalResult(mrOk); });

    FormCreate();
}

void TfrmAbout::FormCreate() { lblVersion->setText(QStringLiteral("Version %1").arg(AppVersion)); }
