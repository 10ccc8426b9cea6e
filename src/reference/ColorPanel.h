#pragma once

#include "controls/SkinForm.h"

class QFrame;
class QPushButton;
class QTextBrowser;

// The colour reference page beside the main window. The frame's close button only
// hides it (the page stays as it was left); "确定" closes and discards it.
class TfrmColorPanel final : public TSkinForm {
    Q_OBJECT

public:
    explicit TfrmColorPanel(QWidget* owner);

    QFrame* bsSkinPanel1 = nullptr;
    QTextBrowser* wbColors = nullptr;
    QPushButton* bsSkinButton1 = nullptr; // 确定

    static constexpr const char* PageName = "ColorTable.htm";

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void FormCreate();
    void bsSkinButton1Click();
    void LayOut();

    bool FDiscarding = false;
};
