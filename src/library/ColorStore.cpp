#include "library/ColorStore.h"

#include "app/Errors.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace ColorStore {

namespace {

    [[noreturn]] void Refused(const QSqlQuery& query) { throw EStoreError(query.lastError().text()); }

    QSqlQuery Prepared(const QSqlDatabase& db, const QString& statement)
    {
        QSqlQuery query(db);
        if (!query.prepare(statement))
            Refused(query);
        return query;
    }

} // namespace

QString DefaultName(TRGBColor c)
{
    return QStringLiteral("%1%2%3")
        .arg(c.R, 2, 16, QLatin1Char(' '))
        .arg(c.G, 2, 16, QLatin1Char(' '))
        .arg(c.B, 2, 16, QLatin1Char(' '))
        .toUpper();
}

bool ColorSaved(const QSqlDatabase& db, TRGBColor c)
{
    QSqlQuery query = Prepared(db, QStringLiteral("select * from Colors where RVal=? and GVal=? and BVal=?"));
    query.addBindValue(int(c.R));
    query.addBindValue(int(c.G));
    query.addBindValue(int(c.B));
    if (!query.exec())
        Refused(query);
    return query.next();
}

void InsertColor(const QSqlDatabase& db, const QString& name, TRGBColor c, const QString& comment)
{
    QSqlQuery query = Prepared(db, QStringLiteral("INSERT INTO Colors(Name,RVal,GVal,BVal,Comment) VALUES(?,?,?,?,?)"));
    // Empty texts are stored as empty texts, not as missing values.
    query.addBindValue(name.isNull() ? QString(QLatin1String("")) : name);
    query.addBindValue(int(c.R));
    query.addBindValue(int(c.G));
    query.addBindValue(int(c.B));
    query.addBindValue(comment.isNull() ? QString(QLatin1String("")) : comment);
    if (!query.exec())
        Refused(query);
}

QString MemoText(const QString& plainText)
{
    QString text = plainText;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

void SetSearchKeyword(const QSqlDatabase& db, const QString& keyword)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS SearchKeyword(Keyword TEXT)"))
        || !query.exec(QStringLiteral("DELETE FROM temp.SearchKeyword")))
        Refused(query);
    QSqlQuery insert = Prepared(db, QStringLiteral("INSERT INTO temp.SearchKeyword(Keyword) VALUES(?)"));
    insert.addBindValue(keyword);
    if (!insert.exec())
        Refused(insert);
}

QString SearchFilter() { return QStringLiteral("Name LIKE '%' || (SELECT Keyword FROM temp.SearchKeyword)"); }

} // namespace ColorStore
