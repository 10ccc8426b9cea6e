#include "app/dm.h"

TdmMain* dmMain = nullptr;

TdmMain::TdmMain(QObject* parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("dmMain"));
}
