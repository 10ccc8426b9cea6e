#include "app/TintoraApplication.h"
#include "controls/bsTrayIcon.h"
#include "main/mainRGB.h"
#include "platform/FakeDesktop.h"

#include <QAction>
#include <QProcess>
#include <QSystemTrayIcon>
#include <QTest>
#include <QToolButton>

// With a notification area on the X server: where minimising goes, as the tray flag says.
class tst_TrayHost : public QObject {
    Q_OBJECT

    QProcess host;
    FakeDesktop desktop { QSize(400, 300), qRgb(10, 20, 30) };
    TfrmMain* w = nullptr;

    // Minimises the window the way the task list would, past the frame's own buttons.
    void MinimiseFromOutside()
    {
        w->showMinimized();
        QTest::qWait(50);
    }

private slots:
    void initTestCase()
    {
        TintoraApplication::SetErrorSink([](const QString& text) { QFAIL(qPrintable(text)); });
        host.start(QStringLiteral("trayer"),
            { "--edge", "bottom", "--align", "right", "--widthtype", "pixel", "--width", "200", "--height", "24" });
        QVERIFY(host.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(TbsTrayIcon::HostAvailable(), 5000);
    }

    void cleanupTestCase()
    {
        host.terminate();
        host.waitForFinished();
    }

    void init()
    {
        w = new TfrmMain(desktop);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QTRY_VERIFY(w->bsTrayIcon1->Icon()->geometry().isValid()); // docked
    }

    void cleanup()
    {
        delete w;
        w = nullptr;
    }

    void minimiseButtonGoesToTray()
    {
        w->MinimizeButton()->click();
        QTRY_VERIFY(!w->isVisible());
        QVERIFY(w->bsTrayIcon1->MinimizeToTray);
        QVERIFY(w->bsTrayIcon1->Icon()->isVisible());
    }

    void flagFollowsTheWayBack_data()
    {
        QTest::addColumn<bool>("byIcon");
        QTest::addColumn<bool>("nextMinimiseToTray");
        // 显示 leaves the flag set: any later minimise goes to the tray too.
        QTest::newRow("显示") << false << true;
        // The icon clears it: a later minimise from outside is an ordinary one.
        QTest::newRow("icon") << true << false;
    }

    void flagFollowsTheWayBack()
    {
        QFETCH(bool, byIcon);
        QFETCH(bool, nextMinimiseToTray);
        w->SendToTray();
        QTRY_VERIFY(!w->isVisible());
        if (byIcon)
            w->bsTrayIcon1Click();
        else
            w->aShow->trigger();
        QTRY_VERIFY(w->isVisible() && !w->isMinimized());

        MinimiseFromOutside();
        QCOMPARE(!w->isVisible(), nextMinimiseToTray);
        QVERIFY(w->bsTrayIcon1->Icon()->isVisible());
    }

    void ordinaryMinimiseBeforeAnyTrayUse()
    {
        MinimiseFromOutside();
        QVERIFY(w->isVisible());
        QVERIFY(w->isMinimized());
    }
};

QTEST_MAIN(tst_TrayHost)
#include "tst_TrayHost.moc"
