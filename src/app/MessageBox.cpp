#include "app/MessageBox.h"

#include <QMessageBox>
#include <QPushButton>

namespace {

MessageBoxSink& Sink()
{
    static MessageBoxSink sink;
    return sink;
}

} // namespace

void SetMessageBoxSink(MessageBoxSink sink) { Sink() = std::move(sink); }

int ShowMessageBox(const QString& text, TMsgDlgType kind, unsigned buttons, int /*helpContext*/)
{
    if (Sink())
        return Sink()(text, kind, buttons);

    const bool information = kind == TMsgDlgType::mtInformation;
    // No parent: the box is centred on the screen, not on a window.
    QMessageBox box(information ? QMessageBox::Information : QMessageBox::Question,
        information ? QStringLiteral("提示") : QStringLiteral("确认"), text);
    box.setWindowFlag(Qt::WindowStaysOnTopHint); // above the main window, which stays on top
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    if (buttons & mbOK)
        ok = box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
    if (buttons & mbCancel)
        cancel = box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
    box.setDefaultButton(ok ? ok : cancel);
    box.setEscapeButton(cancel ? cancel : ok);
    box.exec();
    return box.clickedButton() == cancel && cancel ? 2 : 1;
}
