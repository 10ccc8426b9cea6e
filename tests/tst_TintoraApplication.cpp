#include "app/Errors.h"
#include "app/Startup.h"
#include "app/TintoraApplication.h"

#include <QTest>
#include <QTimer>

namespace {

// Raises from inside event delivery, as a failing handler would.
class Thrower : public QObject {
public:
    int Delivered = 0;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::User) {
            ++Delivered;
            throw TintoraError(QStringLiteral("store unreachable"));
        }
        return QObject::event(event);
    }
};

} // namespace

class tst_TintoraApplication : public QObject {
    Q_OBJECT

    QStringList errors;

private slots:
    void initTestCase()
    {
        TintoraApplication::SetErrorSink([this](const QString& text) { errors << text; });
    }

    void init() { errors.clear(); }

    void boxText_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter") << "Bad value"
                                << "Bad value.";
        QTest::newRow("full stop already") << "Done."
                                           << "Done.";
        QTest::newRow("quote sorts after") << "'x' is not a valid integer value"
                                           << "'x' is not a valid integer value.";
        QTest::newRow("slash sorts after") << "path/"
                                           << "path/.";
        QTest::newRow("digit sorts after") << "code 7"
                                           << "code 7.";
        QTest::newRow("question mark sorts after") << "Why?"
                                                   << "Why?.";
        QTest::newRow("exclamation sorts before") << "Stop!"
                                                  << "Stop!";
        QTest::newRow("hyphen sorts before") << "a-"
                                             << "a-";
        QTest::newRow("closing bracket sorts before") << "(x)"
                                                      << "(x)";
        QTest::newRow("Chinese sorts after") << "无法打开数据库"
                                             << "无法打开数据库.";
        QTest::newRow("empty") << ""
                               << "";
    }

    void boxText()
    {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(ErrorBoxText(message), shown);
    }

    void exceptionFromAHandlerIsShownAndTheRunGoesOn()
    {
        Thrower thrower;
        QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
        QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
        bool timerRan = false;
        QTimer::singleShot(0, [&] { timerRan = true; });
        QTRY_VERIFY(timerRan);
        QCOMPARE(thrower.Delivered, 2);
        QCOMPARE(errors, (QStringList { QStringLiteral("store unreachable."), QStringLiteral("store unreachable.") }));
    }

    void failedCreationIsShownAndStartUpGoesOn()
    {
        QStringList created;
        CreateGuarded([&] { created << "main window"; });
        CreateGuarded([&] { throw TintoraError(QStringLiteral("unable to open database file")); });
        CreateGuarded([&] { created << "measuring window"; });
        QCOMPARE(created, (QStringList { "main window", "measuring window" }));
        QCOMPARE(errors, QStringList { QStringLiteral("unable to open database file.") });
    }
};

int main(int argc, char** argv)
{
    TintoraApplication app(argc, argv);
    tst_TintoraApplication test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_TintoraApplication.moc"
