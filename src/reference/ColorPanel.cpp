#include "reference/ColorPanel.h"

#include "app/global.h"

#include <QCloseEvent>
#include <QFile>
#include <QFrame>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

TfrmColorPanel::TfrmColorPanel(QWidget* owner)
    : TSkinForm(owner)
{
    setObjectName(QStringLiteral("frmColorPanel"));
    setWindowTitle(QStringLiteral("颜色参照表"));
    SetTitleButtons(false, false, true);
    SetResizable(QSize(485, 340));

    // In tab order: 确定 first, so Enter closes unless the page has the focus.
    bsSkinButton1 = new QPushButton(QStringLiteral("确定"), Client());
    bsSkinButton1->setObjectName(QStringLiteral("bsSkinButton1"));
    bsSkinButton1->setCursor(Qt::PointingHandCursor);
    SetDefaultButton(bsSkinButton1);
    connect(bsSkinButton1, &QPushButton::clicked, this, &TfrmColorPanel::bsSkinButton1Click);

    bsSkinPanel1 = new QFrame(Client());
    bsSkinPanel1->setObjectName(QStringLiteral("bsSkinPanel1"));
    bsSkinPanel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    wbColors = new QTextBrowser(bsSkinPanel1);
    wbColors->setObjectName(QStringLiteral("wbColors"));
    wbColors->setFrameShape(QFrame::NoFrame);
    wbColors->setOpenLinks(true); // links within the page and to other local pages
    auto* layout = new QVBoxLayout(bsSkinPanel1);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(wbColors);

    bsSkinButton1->setFocus();
    LayOut();
    FormCreate();
}

void TfrmColorPanel::FormCreate()
{
    const QString page = AppPath + QLatin1String(PageName);
    if (QFile::exists(page)) {
        wbColors->setSource(QUrl::fromLocalFile(page));
    } else {
        wbColors->setHtml(QStringLiteral("<h3>找不到颜色参照表</h3><p>%1</p><p>请把 ColorTable.htm 放回程序所在的文件夹。</p>")
                              .arg(page.toHtmlEscaped()));
    }
}

void TfrmColorPanel::resizeEvent(QResizeEvent* event)
{
    TSkinForm::resizeEvent(event);
    LayOut();
}

void TfrmColorPanel::LayOut()
{
    // Anchored as designed on a 485 x 340 client: the page to all four edges, the
    // button to the right and bottom.
    const QSize client = Client()->size();
    bsSkinPanel1->setGeometry(6, 6, client.width() - 13, client.height() - 50);
    bsSkinButton1->setGeometry(client.width() - 88, client.height() - 33, 75, 22);
}

void TfrmColorPanel::bsSkinButton1Click()
{
    FDiscarding = true;
    close();
    deleteLater();
}

void TfrmColorPanel::closeEvent(QCloseEvent* event)
{
    if (FDiscarding) {
        event->accept();
        return;
    }
    // The frame's close button: hidden, kept with its page as it was left.
    event->ignore();
    hide();
}
