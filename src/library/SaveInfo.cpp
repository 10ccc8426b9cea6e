#include "library/SaveInfo.h"

#include "controls/ControlFactory.h"
#include "library/ColorStore.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

namespace {

QFont ArialFont()
{
    QFont font(QStringList { QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("WenQuanYi Micro Hei") });
    font.setPixelSize(14);
    return font;
}

} // namespace

TfrmSaveInfo::TfrmSaveInfo(QWidget* owner)
    : TSkinForm(owner)
{
    setObjectName(QStringLiteral("frmSaveInfo"));
    setWindowTitle(QStringLiteral("保存颜色"));
    SetTitleButtons(false, false);
    SetClientSize(QSize(278, 178));
    QWidget* client = Client();

    (new QLabel(QStringLiteral("名称："), client))->setGeometry(16, 13, 36, 13);
    (new QLabel(QStringLiteral("备注："), client))->setGeometry(15, 46, 36, 13);

    lblColor = new QLabel(QStringLiteral("示例"), client);
    lblColor->setObjectName(QStringLiteral("lblColor"));
    lblColor->setGeometry(202, 11, 52, 19);
    lblColor->setAlignment(Qt::AlignCenter);
    lblColor->setAutoFillBackground(true);

    // In tab order.
    edtName = new QLineEdit(client);
    edtName->setObjectName(QStringLiteral("edtName"));
    edtName->setGeometry(58, 10, 132, 20);
    edtName->setMaxLength(NameLength);
    edtName->setFont(ArialFont());

    memComment = new QPlainTextEdit(client);
    memComment->setObjectName(QStringLiteral("memComment"));
    memComment->setGeometry(59, 45, 195, 83);
    memComment->setFont(ArialFont());
    memComment->setLineWrapMode(QPlainTextEdit::NoWrap);
    memComment->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memComment->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memComment->setTabChangesFocus(true);
    connect(memComment, &QPlainTextEdit::textChanged, this, &TfrmSaveInfo::LimitComment);

    auto* divider = new QFrame(client);
    divider->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    divider->setGeometry(11, 133, 253, 3);

    btnOK = MakeButton(client, "btnOK", QStringLiteral("确定"), { 100, 143, 65, 22 });
    btnCancel = MakeButton(client, "btnCancel", QStringLiteral("取消"), { 189, 143, 65, 22 });
    SetDefaultButton(btnOK);
    SetCancelButton(btnCancel);
    connect(btnOK, &QPushButton::clicked, this, [this] { SetModalResult(mrOk); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { SetModalResult(mrNo); });
}

void TfrmSaveInfo::showEvent(QShowEvent* event)
{
    TSkinForm::showEvent(event);
    // The offered name is selected, so typing replaces it.
    edtName->setFocus(Qt::ActiveWindowFocusReason);
    edtName->selectAll();
}

QString TfrmSaveInfo::Comment() const { return ColorStore::MemoText(memComment->toPlainText()); }

void TfrmSaveInfo::LimitComment()
{
    // Like a memo with a length limit: an edit that would pass it is refused whole.
    const QString text = memComment->toPlainText();
    if (ColorStore::MemoText(text).size() <= CommentLength) {
        FAcceptedComment = text;
        FAcceptedCursor = memComment->textCursor().position();
        return;
    }
    QApplication::beep();
    const QSignalBlocker quiet(memComment);
    memComment->setPlainText(FAcceptedComment);
    QTextCursor cursor = memComment->textCursor();
    cursor.setPosition(std::min(FAcceptedCursor, int(FAcceptedComment.size())));
    memComment->setTextCursor(cursor);
}
