#pragma once

#include "controls/SkinForm.h"

class QLabel;
class QPushButton;
class TbsSkinLinkLabel;

// The About box: banner, version, what the program does and how to reach its makers.
// Made for one showing and freed after it.
class TfrmAbout final : public TSkinForm {
    Q_OBJECT

public:
    explicit TfrmAbout(QWidget* owner);

    QLabel* bsSkinLinkImage1 = nullptr; // the banner
    QLabel* lblVersion = nullptr;
    TbsSkinLinkLabel* bsSkinLinkLabel2 = nullptr;
    QPushButton* bsSkinButton1 = nullptr; // 确定

private:
    void FormCreate();
};
