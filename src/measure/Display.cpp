#include "measure/Display.h"

TfrmDisplay* frmDisplay = nullptr;

TfrmDisplay::TfrmDisplay(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmDisplay"));
    setAttribute(Qt::WA_QuitOnClose, false);
}

TfrmDisplay::~TfrmDisplay()
{
    if (frmDisplay == this)
        frmDisplay = nullptr;
}
