#include "StoreFolder.h"
#include "app/Errors.h"
#include "app/TintoraApplication.h"
#include "app/dm.h"
#include "library/ColorStore.h"

#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <QTest>

using namespace ColorStore;

class tst_ColorStore : public QObject {
    Q_OBJECT

    QStringList errors;

    static TRGBColor Rgb(int r, int g, int b) { return { std::uint8_t(r), std::uint8_t(g), std::uint8_t(b) }; }

    // The names the browser's search lists for a keyword.
    static QStringList Search(const QString& keyword)
    {
        const QSqlDatabase db = ConnectedStore();
        SetSearchKeyword(db, keyword);
        QSqlTableModel model(nullptr, db);
        model.setTable(QStringLiteral("colors"));
        model.setFilter(SearchFilter());
        if (!model.select())
            return { QStringLiteral("failed: ") + model.lastError().text() };
        QStringList names;
        for (int row = 0; row < model.rowCount(); ++row)
            names << model.record(row).value(QStringLiteral("name")).toString();
        return names;
    }

private slots:
    void initTestCase()
    {
        TintoraApplication::SetErrorSink([this](const QString& text) { errors << text; });
    }

    void init() { errors.clear(); }

    void cleanup()
    {
        delete dmMain;
        dmMain = nullptr;
    }

    void defaultName_data()
    {
        QTest::addColumn<int>("r");
        QTest::addColumn<int>("g");
        QTest::addColumn<int>("b");
        QTest::addColumn<QString>("name");
        QTest::newRow("white") << 255 << 255 << 255 << "FFFFFF";
        QTest::newRow("black: blanks, never zeros") << 0 << 0 << 0 << " 0 0 0";
        QTest::newRow("sky") << 0 << 128 << 255 << " 080FF";
        QTest::newRow("single digits") << 10 << 11 << 12 << " A B C";
        QTest::newRow("mixed") << 171 << 5 << 240 << "AB 5F0";
    }

    void defaultName()
    {
        QFETCH(int, r);
        QFETCH(int, g);
        QFETCH(int, b);
        QFETCH(QString, name);
        QCOMPARE(DefaultName(Rgb(r, g, b)), name);
    }

    void memoLinesJoinWithCrLf()
    {
        QCOMPARE(MemoText(QStringLiteral("one\ntwo\n")), QStringLiteral("one\r\ntwo\r\n"));
        QCOMPARE(MemoText(QStringLiteral("one\r\ntwo")), QStringLiteral("one\r\ntwo"));
    }

    void connectsAtCreation()
    {
        StoreFolder folder;
        dmMain = new TdmMain;
        QVERIFY(errors.isEmpty());
        QVERIFY(dmMain->IsConnected());
    }

    // No library at start: one error, the module stays, and a library placed later
    // is found by the next operation. Nothing is ever created.
    void missingStoreThenPlaced()
    {
        StoreFolder folder(false);
        dmMain = new TdmMain;
        QCOMPARE(errors.size(), 1);
        QVERIFY(!dmMain->IsConnected());
        QVERIFY_THROWS_EXCEPTION(EStoreError, (void)ConnectedStore());
        QVERIFY(!QFile::exists(folder.Path()));

        folder.PlaceStore();
        QVERIFY(!ColorSaved(ConnectedStore(), Rgb(1, 2, 3)));
        QVERIFY(dmMain->IsConnected());
    }

    void notALibrary()
    {
        StoreFolder folder(false);
        QFile junk(folder.Path());
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray(4096, 'x'));
        junk.close();
        dmMain = new TdmMain;
        QCOMPARE(errors.size(), 1);
        QVERIFY(!dmMain->IsConnected());
    }

    void saveAndFindAgain()
    {
        StoreFolder folder;
        dmMain = new TdmMain;
        const QSqlDatabase db = ConnectedStore();
        QVERIFY(!ColorSaved(db, Rgb(0, 128, 255)));
        InsertColor(db, QStringLiteral("Tom's red"), Rgb(0, 128, 255), QStringLiteral("it's\r\ntwo lines"));
        QVERIFY(ColorSaved(db, Rgb(0, 128, 255)));
        QVERIFY(!ColorSaved(db, Rgb(0, 128, 254))); // all three channels count
        InsertColor(db, QString(), Rgb(1, 2, 3), QString());
        InsertColor(db, QStringLiteral("Tom's red"), Rgb(9, 9, 9), QStringLiteral("x"));
        QCOMPARE(folder.Rows(), QStringList({ "Tom's red|0|128|255|it's\r\ntwo lines", "|1|2|3|", "Tom's red|9|9|9|x" }));
    }

    // The store refuses what does not fit its columns and keeps the table as it was.
    void storeLimits_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("comment");
        QTest::newRow("name of 21") << QString(21, QLatin1Char('n')) << QString();
        QTest::newRow("comment of 51") << QString() << QString(51, QLatin1Char('c'));
    }

    void storeLimits()
    {
        QFETCH(QString, name);
        QFETCH(QString, comment);
        StoreFolder folder;
        dmMain = new TdmMain;
        QVERIFY_THROWS_EXCEPTION(EStoreError, InsertColor(ConnectedStore(), name, Rgb(1, 1, 1), comment));
        QVERIFY(folder.Rows().isEmpty());
        InsertColor(ConnectedStore(), name.left(20), Rgb(1, 1, 1), comment.left(50)); // the limits themselves fit
        QCOMPARE(folder.Rows().size(), 1);
    }

    void channelLimits()
    {
        StoreFolder folder;
        dmMain = new TdmMain;
        QSqlQuery query(ConnectedStore());
        QVERIFY(!query.exec(QStringLiteral("INSERT INTO colors(RVal) VALUES(256)")));
        QVERIFY(!query.exec(QStringLiteral("INSERT INTO colors(GVal) VALUES(-1)")));
        QVERIFY(!query.exec(QStringLiteral("INSERT INTO colors(BVal) VALUES(2147483648)")));
        QVERIFY(!query.exec(QStringLiteral("INSERT INTO colors(RVal) VALUES('abc')")));
        QVERIFY(query.exec(QStringLiteral("INSERT INTO COLORS(rval, gval, bval) VALUES('255', 0, -2147483648)")));
        QCOMPARE(folder.Rows(), QStringList({ "NULL|255|0|-2147483648|NULL" }));
    }

    void searchByNameEnding_data()
    {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("A") << "A" << QStringList({ "AA", "BA" });
        QTest::newRow("whole name") << "AB" << QStringList({ "AB" });
        QTest::newRow("quote") << "'s red" << QStringList({ "Tom's red" });
        QTest::newRow("no splice") << "x' OR '1'='1" << QStringList();
        QTest::newRow("nothing matches") << "Q" << QStringList();
    }

    void searchByNameEnding()
    {
        QFETCH(QString, keyword);
        QFETCH(QStringList, names);
        StoreFolder folder;
        folder.Add({ "AA|1|1|1|", "AB|2|2|2|", "BA|3|3|3|", "Tom's red|4|4|4|" });
        dmMain = new TdmMain;
        QCOMPARE(Search(keyword), names);
        QCOMPARE(folder.Rows().size(), 4);
    }

    // Random text of every kind in the name, the comment and the search keyword: each
    // insert is stored exactly or refused whole, and every search answers.
    void randomTextIsStoredExactlyOrRefused()
    {
        StoreFolder folder;
        dmMain = new TdmMain;
        const QSqlDatabase db = ConnectedStore();
        QRandomGenerator random(20261210);
        const auto text = [&](int maxLength) {
            QString s;
            const int length = int(random.bounded(0, maxLength + 1));
            for (int i = 0; i < length; ++i) {
                // Quotes, percent signs, control characters, CJK (valid text only: typing cannot
                // produce half a surrogate pair).
                static const char16_t specials[] = { u'\'', u'"', u'%', u'_', u';', u'\\', u'\n', u'\r', u'\0', u'朱' };
                s += random.bounded(4) == 0 ? QChar(specials[random.bounded(int(std::size(specials)))])
                                            : QChar(char16_t(random.bounded(0x20, 0x2FFF)));
            }
            return s;
        };
        int stored = 0;
        for (int round = 0; round < 300; ++round) {
            const QString name = text(24);
            const QString comment = text(56);
            try {
                InsertColor(db, name, Rgb(round % 256, 7, 9), comment);
                ++stored;
                QSqlQuery back(db);
                back.prepare(QStringLiteral("SELECT Name, Comment FROM Colors WHERE ID = last_insert_rowid()"));
                QVERIFY(back.exec() && back.next());
                QCOMPARE(back.value(0).toString(), name);
                QCOMPARE(back.value(1).toString(), comment);
            } catch (const EStoreError&) {
                QVERIFY(name.size() > 20 || comment.size() > 50);
            }
            SetSearchKeyword(db, text(10));
            QSqlTableModel model(nullptr, db);
            model.setTable(QStringLiteral("Colors"));
            model.setFilter(SearchFilter());
            QVERIFY(model.select());
        }
        QCOMPARE(folder.Rows().size(), stored);
        QVERIFY(stored > 0);
    }
};

QTEST_MAIN(tst_ColorStore)
#include "tst_ColorStore.moc"
