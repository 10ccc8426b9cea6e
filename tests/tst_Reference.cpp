#include "app/TintoraApplication.h"
#include "main/mainRGB.h"
#include "platform/FakeDesktop.h"
#include "reference/ColorPanel.h"

#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

class tst_Reference : public QObject {
    Q_OBJECT

    FakeDesktop desktop { QSize(1920, 1080) };
    TfrmMain* w = nullptr;

    static QString Page() { return QCoreApplication::applicationDirPath() + QStringLiteral("/ColorTable.htm"); }

    TfrmColorPanel* Open()
    {
        w->bsSkinButton6->click();
        return w->frmColorPanel;
    }

private slots:
    void initTestCase()
    {
        TintoraApplication::SetErrorSink([](const QString& text) { QFAIL(qPrintable(text)); });
        QFile::remove(Page());
        QVERIFY(QFile::copy(QStringLiteral(TINTORA_SOURCE_DIR "/resources/ColorTable.htm"), Page()));
    }

    void cleanupTestCase() { QFile::remove(Page()); }

    void init()
    {
        desktop.Origin = QPoint(0, 0);
        desktop.Screen = QImage(1920, 1080, QImage::Format_RGB32);
        w = new TfrmMain(desktop);
        w->show();
        w->move(300, 200);
    }

    void cleanup()
    {
        delete w;
        w = nullptr;
    }

    // Side by side across the whole desktop, also over two monitors.
    void placement_data()
    {
        QTest::addColumn<QRect>("virtualDesktop");
        QTest::newRow("one screen") << QRect(0, 0, 1920, 1080);
        QTest::newRow("two side by side") << QRect(0, 0, 3840, 1080);
    }

    void placement()
    {
        QFETCH(QRect, virtualDesktop);
        desktop.Origin = virtualDesktop.topLeft();
        desktop.Screen = QImage(virtualDesktop.size(), QImage::Format_RGB32);
        TfrmColorPanel* panel = Open();
        QVERIFY(panel && panel->isVisible());
        QCOMPARE(w->pos(), QPoint(0, 0));
        QCOMPARE(panel->geometry(), QRect(w->width(), 0, virtualDesktop.width() - w->width(), virtualDesktop.height()));
        QCOMPARE(panel->windowTitle(), QStringLiteral("颜色参照表"));
        QCOMPARE(panel->focusWidget(), panel->bsSkinButton1);
        // The button stays in the bottom-right corner, the page fills the rest.
        QCOMPARE(panel->Client()->width() - panel->bsSkinButton1->geometry().right() - 1, 13);
        QCOMPARE(panel->bsSkinPanel1->width(), panel->Client()->width() - 13);
    }

    void showsThePage()
    {
        TfrmColorPanel* panel = Open();
        QCOMPARE(panel->wbColors->source(), QUrl::fromLocalFile(Page()));
        const QString text = panel->wbColors->toPlainText();
        QVERIFY(text.contains(QStringLiteral("aliceblue")));
        QVERIFY(text.contains(QStringLiteral("RGB(240,248,255)")));
        QVERIFY(text.contains(QStringLiteral("#FFCC33"))); // a web-safe colour
        // A link inside the page is followed.
        panel->wbColors->setSource(QUrl::fromLocalFile(Page()).resolved(QUrl(QStringLiteral("#safe"))));
        QVERIFY(panel->wbColors->source().toString().endsWith(QLatin1String("#safe")));
    }

    // The frame's close only hides; the next "颜色参考" brings back the same window,
    // placed again, with its page as it was left.
    void hiddenAndShownAgain()
    {
        QPointer<TfrmColorPanel> panel = Open();
        panel->resize(300, 200);
        panel->wbColors->verticalScrollBar()->setValue(120);
        const QTextDocument* page = panel->wbColors->document();
        panel->CloseButton()->click();
        QVERIFY(panel && !panel->isVisible());
        QCOMPARE(Open(), panel.data());
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->geometry(), QRect(w->width(), 0, 1920 - w->width(), 1080));
        QCOMPARE(panel->wbColors->document(), page);
        QCOMPARE(panel->wbColors->verticalScrollBar()->value(), 120);
    }

    void okDiscards()
    {
        QPointer<TfrmColorPanel> first = Open();
        first->bsSkinButton1->click();
        QTRY_VERIFY(!first);
        QVERIFY(!w->frmColorPanel);
        TfrmColorPanel* second = Open();
        QVERIFY(second && second->isVisible());
        QCOMPARE(second->wbColors->source(), QUrl::fromLocalFile(Page()));
    }

    void missingPageSaysSo()
    {
        QFile::rename(Page(), Page() + QStringLiteral(".away"));
        TfrmColorPanel* panel = Open();
        const QString text = panel->wbColors->toPlainText();
        QFile::rename(Page() + QStringLiteral(".away"), Page());
        QVERIFY(text.contains(QStringLiteral("找不到颜色参照表")));
    }
};

QTEST_MAIN(tst_Reference)
#include "tst_Reference.moc"
