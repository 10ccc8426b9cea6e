#pragma once

#include <QWidget>

// The measuring window: created hidden at start-up and shown by "屏幕测距".
class TfrmDisplay final : public QWidget {
    Q_OBJECT

public:
    explicit TfrmDisplay(QWidget* parent = nullptr);
    ~TfrmDisplay() override;
};

extern TfrmDisplay* frmDisplay;
