// Builds an empty colour library from the schema: make_store <schema.sql> <store.lzd>.
// An existing library that already holds the table is left as it is, so rebuilding
// never loses saved colours.
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>

#include <cstdio>

namespace {

int Fail(const QString& message)
{
    std::fprintf(stderr, "make_store: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3)
        return Fail(QStringLiteral("usage: make_store <schema.sql> <store.lzd>"));

    QFile schemaFile(args[1]);
    if (!schemaFile.open(QIODevice::ReadOnly | QIODevice::Text))
        return Fail(QStringLiteral("cannot read %1").arg(args[1]));
    const QString schema = QString::fromUtf8(schemaFile.readAll());

    int result = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("make_store"));
        db.setDatabaseName(args[2]);
        if (!db.open())
            return Fail(db.lastError().text());
        QSqlQuery query(db);
        if (query.exec(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'Colors'")) && query.next()) {
            std::printf("make_store: %s already holds the table; kept\n", qPrintable(args[2]));
        } else {
            // One statement at a time: the driver runs only the first of a batch.
            for (const QString& statement : schema.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
                QString sql;
                for (const QString& line : statement.split(QLatin1Char('\n'))) {
                    if (!line.trimmed().startsWith(QLatin1String("--")))
                        sql += line + QLatin1Char('\n');
                }
                if (sql.trimmed().isEmpty())
                    continue;
                if (!query.exec(sql)) {
                    result = Fail(query.lastError().text());
                    break;
                }
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("make_store"));
    if (result == 0) // the build's stamp, also when the file was kept
        QFile(args[2]).setFileTime(QDateTime::currentDateTime(), QFileDevice::FileModificationTime);
    return result;
}
