#pragma once

#include <QString>

#include <functional>

// The program's message box: centred on the screen, caption and icon by kind.
enum class TMsgDlgType {
    mtInformation, // "提示", information icon
    mtConfirmation, // "确认", question icon
};

enum TMsgDlgButton : unsigned {
    mbOK = 1u << 0, // "确定", result 1, the default
    mbCancel = 1u << 1, // "取消", result 2, also Esc
};

// Shows the box modally and returns the result of the button pressed; Esc and the
// frame's close give the cancel button's result ("确定" when there is no "取消").
int ShowMessageBox(const QString& text, TMsgDlgType kind, unsigned buttons, int helpContext = 0);

// Tests answer the box instead of a user.
using MessageBoxSink = std::function<int(const QString& text, TMsgDlgType kind, unsigned buttons)>;
void SetMessageBoxSink(MessageBoxSink sink);
