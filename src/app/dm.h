#pragma once

#include <QObject>
#include <QSqlDatabase>

// The data module: owner of the colour library's one connection, adocMain. Created
// after the main window and before the measuring window; it connects at once, and
// every later store operation connects again first if that failed.
class TdmMain final : public QObject {
    Q_OBJECT

public:
    explicit TdmMain(QObject* parent = nullptr);
    ~TdmMain() override;

    // (Re)connects adocMain; throws EStoreError with the store's message on failure.
    void DataModuleCreate();
    // adocMain, connected first when it is not; throws EStoreError when that fails.
    [[nodiscard]] QSqlDatabase Connected();
    [[nodiscard]] bool IsConnected() const;

    // The library file, resolved against the working directory when connecting.
    static constexpr const char* StoreFileName = "store.lzd";
    static constexpr const char* ConnectionName = "adocMain";
};

extern TdmMain* dmMain;

// The library's connection through the data module, connected; throws EStoreError.
[[nodiscard]] QSqlDatabase ConnectedStore();
