#pragma once

#include <QObject>

// The data module: owner of the colour store's connection. Created after the main
// window and before the measuring window; the store itself arrives with the library.
class TdmMain final : public QObject {
    Q_OBJECT

public:
    explicit TdmMain(QObject* parent = nullptr);
};

extern TdmMain* dmMain;
