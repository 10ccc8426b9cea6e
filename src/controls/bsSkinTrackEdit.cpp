#include "controls/bsSkinTrackEdit.h"

#include "app/Errors.h"
#include "app/TintoraApplication.h"
#include "controls/PopupTrackRules.h"
#include "controls/TrackEditRules.h"
#include "controls/bsSkinPopupTrackBar.h"
#include "platform/Desktop.h"
#include "platform/QtScreenGeometry.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QToolButton>
#include <QWheelEvent>

namespace {

class FlagScope {
public:
    explicit FlagScope(bool& flag)
        : FFlag(flag)
    {
        FFlag = true;
    }
    ~FlagScope() { FFlag = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& FFlag;
};

constexpr int ButtonWidth = 14;

} // namespace

TbsSkinTrackEdit::TbsSkinTrackEdit(QWidget* parent)
    : QLineEdit(parent)
{
    resize(120, 20);
    setText(QStringLiteral("0"));

    FButton = new QToolButton(this);
    FButton->setObjectName(QStringLiteral("FrameButton"));
    FButton->setArrowType(Qt::RightArrow);
    FButton->setAutoRaise(true);
    FButton->setFocusPolicy(Qt::NoFocus);
    FButton->setCursor(Qt::ArrowCursor);
    connect(FButton, &QToolButton::clicked, this, [this] {
        if (!hasFocus())
            setFocus(Qt::MouseFocusReason);
        emit OnButtonClick();
    });
    connect(this, &TbsSkinTrackEdit::OnButtonClick, this, &TbsSkinTrackEdit::TogglePopup);
    SetButtonMode(true);

    FPopup = new TbsSkinPopupTrackBar(this);
    connect(FPopup, &TbsSkinPopupTrackBar::OnChange, this, &TbsSkinTrackEdit::PopupValueChanged);
    connect(FPopup, &TbsSkinPopupTrackBar::WheelTurned, this, [this](QWheelEvent* event) {
        WheelBy(event->angleDelta().y());
        event->accept();
    });

    connect(this, &QLineEdit::textChanged, this, &TbsSkinTrackEdit::TextChanged);
}

TbsSkinTrackEdit::~TbsSkinTrackEdit() { qApp->removeEventFilter(this); }

std::int32_t TbsSkinTrackEdit::ClampToRange(std::int64_t v) const
{
    return TrackEditRules::ClampToRange(v, FMinValue, FMaxValue);
}

void TbsSkinTrackEdit::SetValue(std::int64_t v)
{
    FValue = ClampToRange(v);
    const QString newText = QString::number(FValue);
    if (newText == text())
        return;
    FlagScope skip(FSkipParse);
    setText(newText);
}

void TbsSkinTrackEdit::TextChanged()
{
    using namespace TrackEditRules;
    if (FSkipChange)
        return;
    if (!FSkipParse && IsNumberText(text())) {
        std::int32_t parsed = 0;
        try {
            parsed = ParseNumberText(text());
        } catch (const EConvertError& error) {
            // The text stays as typed and nothing else changes; the box appears once
            // the line edit has finished its own key handling.
            TintoraApplication::HandleExceptionLater(error);
            return;
        }
        FValue = ClampToRange(parsed);
        if (TextNeedsCorrection(parsed, FValue, FMinValue)) {
            FlagScope skip(FSkipChange);
            setText(QString::number(FValue));
        }
    }
    emit OnChange();
}

void TbsSkinTrackEdit::StepBy(std::int64_t delta) { SetValue(std::int64_t(FValue) + delta); }

void TbsSkinTrackEdit::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    // Enter and Escape belong to the window (default and cancel buttons).
    const bool dialogKey = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
    const bool shortcut = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!dialogKey && !shortcut && !isReadOnly()) {
        for (const QChar ch : event->text()) {
            if (ch.isPrint() && !TrackEditRules::IsAcceptedChar(ch, text())) {
                QApplication::beep();
                emit CharRefused();
                event->accept();
                return;
            }
        }
    }

    QLineEdit::keyPressEvent(event);

    if (FSupportUpDownKeys && (key == Qt::Key_Up || key == Qt::Key_Down)) {
        const std::int64_t step = key == Qt::Key_Up ? FIncrement : -std::int64_t(FIncrement);
        if (FPopup->isVisible())
            FPopup->SetValue(std::int64_t(FPopup->Value()) + step);
        else
            StepBy(step);
        event->accept();
    }
}

void TbsSkinTrackEdit::wheelEvent(QWheelEvent* event)
{
    const int delta = event->angleDelta().y();
    if (!hasFocus() || delta == 0) {
        QLineEdit::wheelEvent(event);
        return;
    }
    WheelBy(delta);
    event->accept();
}

void TbsSkinTrackEdit::WheelBy(int angleDelta)
{
    if (angleDelta == 0)
        return;
    // One step per wheel message, whatever its size; rolling away from the user lowers.
    const std::int64_t step = angleDelta > 0 ? -std::int64_t(FIncrement) : FIncrement;
    if (FPopup->isVisible())
        FPopup->SetValue(std::int64_t(FPopup->Value()) + step);
    else
        StepBy(step);
}

void TbsSkinTrackEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (event->reason() == Qt::ActiveWindowFocusReason && QApplication::activeWindow() == FPopup) {
        // Some platforms activate the pop-up in spite of its flags; the keyboard stays here.
        window()->activateWindow();
        return;
    }
    // Its own context menu closes the pop-up through the cancel rule.
    if (event->reason() != Qt::PopupFocusReason)
        ClosePopup();
    // The window losing activation (a message box, another program) does not mean the
    // user left the editor; only a move of the focus inside the window does.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    FlagScope skip(FSkipParse);
    setText(QString::number(FValue));
}

bool TbsSkinTrackEdit::ButtonMode() const { return !FButton->isHidden(); }

void TbsSkinTrackEdit::SetButtonMode(bool on)
{
    FButton->setVisible(on);
    setTextMargins(0, 0, on ? ButtonWidth : 0, 0);
    LayoutButton();
}

void TbsSkinTrackEdit::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    LayoutButton();
}

void TbsSkinTrackEdit::LayoutButton()
{
    const int frame = 2;
    FButton->setGeometry(width() - ButtonWidth - frame, frame, ButtonWidth, height() - 2 * frame);
}

void TbsSkinTrackEdit::hideEvent(QHideEvent* event)
{
    ClosePopup();
    QLineEdit::hideEvent(event);
}

void TbsSkinTrackEdit::TogglePopup()
{
    setFocus(Qt::OtherFocusReason);
    if (FPopup->isVisible())
        ClosePopup();
    else
        OpenPopup();
}

void TbsSkinTrackEdit::OpenPopup()
{
    const int popupWidth = TrackBarWidth != 0 ? TrackBarWidth : width();
    FPopup->resize(popupWidth, height());
    FPopup->SetMinValue(FMinValue);
    FPopup->SetMaxValue(FMaxValue);
    FPopup->SetValue(FValue);
    FPopup->JumpWhenClick = JumpWhenClick;

    const QRect editor(mapToGlobal(QPoint(0, 0)), size());
    const QRect workArea = FDesktop ? FDesktop->WorkAreaNear(this) : QtScreenGeometry::WorkAreaNear(this);
    const auto anchor = PopupKind == tbpLeft ? PopupTrackRules::Anchor::Left : PopupTrackRules::Anchor::Right;
    FPopup->setGeometry(PopupTrackRules::PlacePopup(editor, popupWidth, height(), anchor, workArea));

    // Presses elsewhere in this window close the pop-up while it is shown.
    qApp->installEventFilter(this);
    FPopup->setWindowOpacity(AlphaBlend ? AlphaBlendValue / 255.0 : 1.0);
    if (AlphaBlend && AlphaBlendAnimation) {
        FPopup->setWindowOpacity(0.0);
        FPopup->show();
        FadeIn();
    } else {
        FPopup->show();
    }
}

void TbsSkinTrackEdit::FadeIn()
{
    QElapsedTimer clock;
    clock.start();
    for (int alpha = 0; alpha < AlphaBlendValue && FPopup->isVisible();) {
        if (clock.elapsed() > 5) {
            alpha = std::min(alpha + 10, AlphaBlendValue);
            FPopup->setWindowOpacity(alpha / 255.0);
            clock.restart();
        }
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

void TbsSkinTrackEdit::ClosePopup()
{
    qApp->removeEventFilter(this);
    if (FPopup->isVisible())
        FPopup->hide();
}

void TbsSkinTrackEdit::PopupValueChanged()
{
    if (FPopup->Value() != FValue)
        SetValue(FPopup->Value());
}

bool TbsSkinTrackEdit::ClosesPopup(const QWidget* pressed) const { return pressed->window() == window() && pressed != FButton; }

bool TbsSkinTrackEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (!watched->isWidgetType() || !FPopup->isVisible())
        return QLineEdit::eventFilter(watched, event);
    const auto* widget = static_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && ClosesPopup(widget))
            ClosePopup();
        break;
    case QEvent::ContextMenu:
        if (ClosesPopup(widget))
            ClosePopup();
        break;
    default:
        break;
    }
    return QLineEdit::eventFilter(watched, event);
}
