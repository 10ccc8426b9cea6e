#pragma once

// A fresh working folder for one test, optionally holding an empty colour library
// made from the schema; the working directory returns when it goes.

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

class StoreFolder {
public:
    explicit StoreFolder(bool withStore = true)
        : FPrevious(QDir::currentPath())
    {
        QDir::setCurrent(FDir.path());
        if (withStore)
            PlaceStore();
    }
    ~StoreFolder()
    {
        QSqlDatabase::removeDatabase(QStringLiteral("inspect"));
        QDir::setCurrent(FPrevious);
    }
    StoreFolder(const StoreFolder&) = delete;
    StoreFolder& operator=(const StoreFolder&) = delete;

    void PlaceStore() const
    {
        QFile::copy(QStringLiteral(TINTORA_STORE_TEMPLATE), Path());
        QFile::setPermissions(Path(), QFile::ReadOwner | QFile::WriteOwner);
    }

    [[nodiscard]] QString Path() const { return FDir.filePath(QStringLiteral("store.lzd")); }

    // The rows as "Name|R|G|B|Comment", in the store's order, read past the program.
    [[nodiscard]] QStringList Rows(const QString& where = QString()) const
    {
        QStringList rows;
        {
            QSqlDatabase db = QSqlDatabase::contains(QStringLiteral("inspect"))
                ? QSqlDatabase::database(QStringLiteral("inspect"))
                : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("inspect"));
            db.setDatabaseName(Path());
            db.open();
            QSqlQuery query(QStringLiteral("SELECT Name, RVal, GVal, BVal, Comment FROM Colors ") + where, db);
            while (query.next()) {
                QStringList fields;
                for (int i = 0; i < 5; ++i)
                    fields << (query.value(i).isNull() ? QStringLiteral("NULL") : query.value(i).toString());
                rows << fields.join(QLatin1Char('|'));
            }
            db.close();
        }
        return rows;
    }

    // Adds rows directly, bypassing the program.
    void Add(const QStringList& rows) const
    {
        QSqlDatabase db = QSqlDatabase::contains(QStringLiteral("inspect"))
            ? QSqlDatabase::database(QStringLiteral("inspect"))
            : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("inspect"));
        db.setDatabaseName(Path());
        db.open();
        for (const QString& row : rows) {
            const QStringList f = row.split(QLatin1Char('|'));
            QSqlQuery query(db);
            query.prepare(QStringLiteral("INSERT INTO Colors(Name,RVal,GVal,BVal,Comment) VALUES(?,?,?,?,?)"));
            query.addBindValue(f.value(0));
            query.addBindValue(f.value(1).toInt());
            query.addBindValue(f.value(2).toInt());
            query.addBindValue(f.value(3).toLongLong());
            query.addBindValue(f.value(4));
            query.exec();
        }
        db.close();
    }

private:
    QTemporaryDir FDir;
    QString FPrevious;
};
