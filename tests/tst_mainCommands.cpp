#include "about/About.h"
#include "app/MakerInfo.h"
#include "app/TintoraApplication.h"
#include "controls/bsSkinLinkLabel.h"
#include "controls/bsTrayIcon.h"
#include "main/mainRGB.h"
#include "platform/FakeDesktop.h"

#include <QAction>
#include <QActionGroup>
#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyleHints>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

#include <functional>

// Receives the addresses the link labels hand to the desktop.
class UrlRecorder : public QObject {
    Q_OBJECT

public:
    QList<QUrl> Opened;

public slots:
    void Open(const QUrl& url) { Opened << url; }
};

class tst_mainCommands : public QObject {
    Q_OBJECT

    FakeDesktop desktop { QSize(400, 300), qRgb(10, 20, 30) };
    TfrmMain* w = nullptr;

    static QString HistoryPath() { return QCoreApplication::applicationDirPath() + QStringLiteral("/HisColors.dat"); }

    static QAction* ItemNamed(const QMenu* menu, const QString& text)
    {
        for (QAction* item : menu->actions()) {
            if (item->text() == text)
                return item;
        }
        return nullptr;
    }

    // Runs `inspect` on the About box while ShowModal waits, then closes it with Enter.
    void WithAboutBox(const std::function<void(TfrmAbout*)>& inspect)
    {
        bool seen = false;
        QTimer::singleShot(0, this, [&] {
            auto* about = qobject_cast<TfrmAbout*>(QApplication::activeModalWidget());
            QVERIFY(about);
            seen = true;
            inspect(about);
            QTest::keyClick(about, Qt::Key_Return);
            if (about->isVisible()) {
                about->close();
                QFAIL("Enter did not close the About box");
            }
        });
        w->bsSkinButton5->click();
        QVERIFY(seen);
    }

    void Tray(TTrayClickMachine::Input input) { w->bsTrayIcon1->MouseEvent(input); }

private slots:
    void initTestCase()
    {
        TintoraApplication::SetErrorSink([](const QString& text) { QFAIL(qPrintable(text)); });
    }

    void init()
    {
        QFile::remove(HistoryPath());
        w = new TfrmMain(desktop);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
    }

    void cleanup()
    {
        delete w;
        w = nullptr;
    }

    void trayMenuItems()
    {
        QStringList texts;
        for (const QAction* item : w->bsSkinPopupMenu1->actions())
            texts << (item->isSeparator() ? QStringLiteral("-") : item->text());
        QCOMPARE(texts, QStringList({ "显示", "隐藏", "-", "总在最上", "-", "退出" }));
        QCOMPARE(w->bsTrayIcon1->PopupMenu(), w->bsSkinPopupMenu1);
        QCOMPARE(w->bsTrayIcon1->Hint(), QStringLiteral("朱砚 岚舟出品"));
        QVERIFY(w->bsTrayIcon1->IconVisible());
        QCOMPARE(w->bsTrayIcon1->Icon()->icon().availableSizes(), QList<QSize>({ QSize(32, 32) }));
        QVERIFY(!w->bsTrayIcon1->MinimizeToTray);
    }

    // The menu asks its actions to update each time it opens.
    void showHideFollowVisibility()
    {
        emit w->bsSkinPopupMenu1->aboutToShow();
        QVERIFY(!w->aShow->isEnabled());
        QVERIFY(w->aHide->isEnabled());

        w->aHide->trigger();
        QVERIFY(!w->isVisible());
        emit w->bsSkinPopupMenu1->aboutToShow();
        QVERIFY(w->aShow->isEnabled());
        QVERIFY(!w->aHide->isEnabled());

        w->aShow->trigger();
        QVERIFY(w->isVisible());
        emit w->bsSkinPopupMenu1->aboutToShow();
        QVERIFY(!w->aShow->isEnabled());
        QVERIFY(w->aHide->isEnabled());
    }

    void stayOnTopSwitches()
    {
        QAction* radio = ItemNamed(w->bsSkinPopupMenu1, QStringLiteral("总在最上"));
        QAction* check = ItemNamed(w->SystemMenu(), QStringLiteral("总在最上"));
        QVERIFY(radio && check);
        QVERIFY(radio->actionGroup() && radio->actionGroup()->isExclusive()); // drawn with a bullet
        QVERIFY(!check->actionGroup()); // drawn with a check mark

        const auto expectOn = [&](bool on) {
            QCOMPARE(w->StaysOnTop(), on);
            QCOMPARE(w->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint), on);
            QCOMPARE(w->actStayOnTop->isChecked(), on);
            QCOMPARE(radio->isChecked(), on);
            QCOMPARE(check->isChecked(), on);
            QVERIFY(w->isVisible()); // switching never hides the window
        };
        expectOn(true);
        check->trigger();
        expectOn(false);
        check->trigger();
        expectOn(true);
        radio->trigger();
        expectOn(false);
        radio->trigger();
        expectOn(true);
    }

    void systemMenu()
    {
        QStringList texts;
        for (const QAction* item : w->SystemMenu()->actions())
            texts << (item->isSeparator() ? QStringLiteral("-") : item->text());
        QCOMPARE(texts, QStringList({ "最小化(&N)", "总在最上", "-", "关闭(&C)" }));
        QCOMPARE(w->SystemMenu()->actions().last()->shortcut(), QKeySequence(QStringLiteral("Alt+F4")));
        QVERIFY(w->IconButton()->isVisible());
        QVERIFY(w->MinimizeButton()->isVisible());
    }

    // Closing ends the run by every route, never to the tray, and writes the history.
    void closeRoutes_data()
    {
        QTest::addColumn<QString>("route");
        QTest::newRow("退出 button") << "button";
        QTest::newRow("frame close") << "frame";
        QTest::newRow("system menu") << "menu";
        QTest::newRow("Alt+F4") << "key";
        QTest::newRow("tray 退出 while hidden") << "tray";
    }

    void closeRoutes()
    {
        QFETCH(QString, route);
        QSignalSpy closed(w, &TfrmMain::FormClosed);
        QFile::remove(HistoryPath());
        if (route == QLatin1String("button"))
            w->bsSkinButton1->click();
        else if (route == QLatin1String("frame"))
            w->CloseButton()->click();
        else if (route == QLatin1String("menu"))
            w->SystemMenu()->actions().last()->trigger();
        else if (route == QLatin1String("key"))
            QTest::keyClick(w, Qt::Key_F4, Qt::AltModifier);
        else {
            w->aHide->trigger();
            w->aExit->trigger();
        }
        QCOMPARE(closed.count(), 1);
        QVERIFY(QFile::exists(HistoryPath()));
        QVERIFY(!w->isVisible());
    }

    void minimiseWithoutTrayHost()
    {
        if (TbsTrayIcon::HostAvailable())
            QSKIP("this platform has a notification area");
        w->MinimizeButton()->click();
        // An ordinary minimise: the window keeps its place in the task list.
        QVERIFY(w->isMinimized());
        QVERIFY(w->isVisible());
        QVERIFY(w->bsTrayIcon1->MinimizeToTray);
    }

    void trayClickRestores()
    {
        QSignalSpy clicks(w->bsTrayIcon1, &TbsTrayIcon::OnClick);
        w->SendToTray();
        w->hide();
        QVERIFY(w->bsTrayIcon1->MinimizeToTray);
        Tray(TTrayClickMachine::Input::LeftPress);
        Tray(TTrayClickMachine::Input::LeftRelease);
        QVERIFY(!w->isVisible()); // waits out the double-click time
        QTRY_VERIFY(w->isVisible());
        QVERIFY(!w->isMinimized());
        QCOMPARE(clicks.count(), 1);
        QVERIFY(!w->bsTrayIcon1->MinimizeToTray);
    }

    void trayDoubleClickRestoresOnce()
    {
        QSignalSpy clicks(w->bsTrayIcon1, &TbsTrayIcon::OnClick);
        QSignalSpy doubles(w->bsTrayIcon1, &TbsTrayIcon::OnDblClick);
        w->hide();
        Tray(TTrayClickMachine::Input::LeftPress);
        Tray(TTrayClickMachine::Input::LeftRelease);
        Tray(TTrayClickMachine::Input::LeftDoubleClick);
        Tray(TTrayClickMachine::Input::LeftRelease);
        QVERIFY(w->isVisible()); // at once
        QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 100);
        QCOMPARE(doubles.count(), 1);
        QCOMPARE(clicks.count(), 0);
    }

    void showLeavesMinimizeToTraySet()
    {
        w->SendToTray();
        w->hide();
        w->aShow->trigger();
        QVERIFY(w->isVisible());
        QTRY_VERIFY(!w->isMinimized()); // shown means shown normally
        QVERIFY(w->bsTrayIcon1->MinimizeToTray);
        w->RestoreFromTray();
        QVERIFY(!w->bsTrayIcon1->MinimizeToTray);
    }

    void aboutBox()
    {
        w->move(200, 150);
        WithAboutBox([](TfrmAbout* about) {
            QCOMPARE(about->pos(), QPoint(230, 180));
            QCOMPARE(about->windowTitle(), QStringLiteral("关于"));
            QCOMPARE(about->Client()->size(), QSize(378, 270));
            QCOMPARE(about->lblVersion->text(), QStringLiteral("Version 1.1.2"));
            QCOMPARE(about->bsSkinLinkImage1->pixmap().size(), QSize(360, 80)); // the JPEG decoded
            QVERIFY(about->CloseButton()->isVisible());
            QVERIFY(!about->IconButton()->isVisible());
            QVERIFY(!about->MinimizeButton()->isVisible());
            QVERIFY(about->bsSkinButton1->isDefault());
            QCOMPARE(about->bsSkinLinkLabel2->URL(), QUrl(MakerWebAddress));
        });
        // Freed once closed; the next use makes a new one.
        QVERIFY(w->findChildren<TfrmAbout*>().isEmpty());
        WithAboutBox([](TfrmAbout* about) { QCOMPARE(about->pos(), QPoint(230, 180)); });
        QVERIFY(w->findChildren<TfrmAbout*>().isEmpty());
    }

    // Every way of closing the box frees it and gives the main window back.
    void aboutBoxCloses_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("确定") << "button";
        QTest::newRow("Enter") << "enter";
        QTest::newRow("Esc") << "escape";
        QTest::newRow("frame close") << "frame";
    }

    void aboutBoxCloses()
    {
        QFETCH(QString, how);
        bool seen = false;
        bool stillOpen = false;
        QTimer::singleShot(0, this, [&] {
            auto* about = qobject_cast<TfrmAbout*>(QApplication::activeModalWidget());
            QVERIFY(about);
            seen = true;
            if (how == QLatin1String("button"))
                about->bsSkinButton1->click();
            else if (how == QLatin1String("enter"))
                QTest::keyClick(about, Qt::Key_Enter, Qt::KeypadModifier);
            else if (how == QLatin1String("escape"))
                QTest::keyClick(about, Qt::Key_Escape);
            else
                about->CloseButton()->click();
            stillOpen = about->isVisible();
            if (stillOpen)
                about->close(); // do not leave the test waiting on the box
        });
        w->bsSkinButton5->click();
        QVERIFY(seen);
        QVERIFY(!stillOpen);
        QVERIFY(w->findChildren<TfrmAbout*>().isEmpty());
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QVERIFY(w->isVisible());
    }

    void linkLabel()
    {
        UrlRecorder recorder;
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &recorder, "Open");
        TbsSkinLinkLabel* link = w->bsSkinLinkLabel1;
        QVERIFY(link->font().underline());
        QCOMPARE(link->toolTip(), QStringLiteral("Lanzo Software Studio "));
        const QColor normal = link->palette().color(QPalette::WindowText);

        QEnterEvent enter(QPointF(2, 2), link->mapToGlobal(QPointF(2, 2)), link->mapToGlobal(QPointF(2, 2)));
        QApplication::sendEvent(link, &enter);
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(link, &leave);
        QCOMPARE(link->palette().color(QPalette::WindowText), normal);

        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(recorder.Opened, QList<QUrl>({ QUrl(MakerWebAddress) }));

        // Without an address a click does nothing.
        link->SetURL(QUrl());
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(recorder.Opened.size(), 1);
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    }
};

QTEST_MAIN(tst_mainCommands)
#include "tst_mainCommands.moc"
