#include "app/dm.h"

#include "app/Errors.h"
#include "app/TintoraApplication.h"

#include <QSqlError>
#include <QSqlQuery>

TdmMain* dmMain = nullptr;

namespace {

QSqlDatabase Connection() { return QSqlDatabase::database(QLatin1String(TdmMain::ConnectionName), false); }

} // namespace

TdmMain::TdmMain(QObject* parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("dmMain"));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QLatin1String(ConnectionName));
    // Read-write, and never created: a missing file is an error, not a new library.
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI"));
    db.setDatabaseName(QStringLiteral("file:%1?mode=rw").arg(QLatin1String(StoreFileName)));
    // A store that cannot be reached is reported; the module stays, and the next
    // save or browse tries again.
    try {
        DataModuleCreate();
    } catch (const std::exception& error) {
        TintoraApplication::HandleException(error);
    }
}

TdmMain::~TdmMain()
{
    {
        QSqlDatabase db = Connection();
        db.close();
    }
    QSqlDatabase::removeDatabase(QLatin1String(ConnectionName));
    if (dmMain == this)
        dmMain = nullptr;
}

void TdmMain::DataModuleCreate()
{
    QSqlDatabase db = Connection();
    if (db.isOpen())
        db.close();
    if (!db.open()) {
        const QString message = db.lastError().text();
        db.close();
        throw EStoreError(message);
    }
    // Opening succeeds on any file; a first read tells a library from anything else.
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("PRAGMA schema_version"))) {
        const QString message = probe.lastError().text();
        probe.finish();
        db.close();
        throw EStoreError(message);
    }
}

bool TdmMain::IsConnected() const { return Connection().isOpen(); }

QSqlDatabase TdmMain::Connected()
{
    if (!IsConnected())
        DataModuleCreate();
    return Connection();
}

QSqlDatabase ConnectedStore()
{
    if (!dmMain)
        throw EStoreError(QStringLiteral("The colour library is not available"));
    return dmMain->Connected();
}
