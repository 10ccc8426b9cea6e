#pragma once

#include "controls/SkinForm.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The save dialog: the name and comment of the colour about to be stored. It has no
// behaviour of its own; the main window fills it, shows it and reads it.
class TfrmSaveInfo final : public TSkinForm {
    Q_OBJECT

public:
    explicit TfrmSaveInfo(QWidget* owner);

    QLabel* lblColor = nullptr; // the sample
    QLineEdit* edtName = nullptr;
    QPlainTextEdit* memComment = nullptr;
    QPushButton* btnOK = nullptr; // 确定
    QPushButton* btnCancel = nullptr; // 取消

    static constexpr int NameLength = 20;
    static constexpr int CommentLength = 50; // counted with line breaks as CR LF

    // The comment as stored: lines joined by CR LF.
    [[nodiscard]] QString Comment() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void LimitComment();

    QString FAcceptedComment; // the last text within the limit
    int FAcceptedCursor = 0;
};
