#include "controls/bsSkinTrackEdit.h"

#include "app/Errors.h"
#include "app/TintoraApplication.h"
#include "controls/TrackEditRules.h"

#include <QApplication>
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
    connect(FButton, &QToolButton::clicked, this, &TbsSkinTrackEdit::OnButtonClick);
    SetButtonMode(true);

    connect(this, &QLineEdit::textChanged, this, &TbsSkinTrackEdit::TextChanged);
}

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
        StepBy(key == Qt::Key_Up ? FIncrement : -std::int64_t(FIncrement));
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
    // One step per wheel message, whatever its size; rolling away from the user lowers.
    StepBy(delta > 0 ? -std::int64_t(FIncrement) : FIncrement);
    event->accept();
}

void TbsSkinTrackEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
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
