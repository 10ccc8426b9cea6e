#include "app/TintoraApplication.h"
#include "main/mainRGB.h"
#include "measure/Display.h"
#include "measure/MeasureRules.h"
#include "platform/FakeDesktop.h"

#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace MeasureRules;

class tst_Measure : public QObject {
    Q_OBJECT

    FakeDesktop desktop { QSize(400, 300) };
    TfrmMain* w = nullptr;

    static QImage Pattern(QSize size)
    {
        QImage image(size, QImage::Format_RGB32);
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                image.setPixel(x, y, qRgb(x & 255, y & 255, (x * 7 + y) & 255));
        return image;
    }

    TfrmDisplay* Open()
    {
        w->bsSkinButton11->click();
        return frmDisplay;
    }

    static QStringList Labels(const TfrmDisplay* d)
    {
        return { d->lblCurPos->text(), d->lblStartPos->text(), d->lblEndPos->text(), d->lblResult->text() };
    }

private slots:
    void initTestCase()
    {
        TintoraApplication::SetErrorSink([](const QString& text) { QFAIL(qPrintable(text)); });
    }

    void init()
    {
        desktop.Screen = Pattern(QSize(400, 300));
        desktop.Primary = QSize(400, 300);
        QFile::remove(QCoreApplication::applicationDirPath() + QStringLiteral("/HisColors.dat"));
        w = new TfrmMain(desktop);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
    }

    void cleanup()
    {
        delete frmDisplay;
        delete w;
        w = nullptr;
    }

    void distance_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<int>("pixels");
        QTest::newRow("same point") << QPoint(10, 10) << QPoint(10, 10) << 0;
        QTest::newRow("horizontal counts both ends") << QPoint(10, 10) << QPoint(20, 10) << 11;
        QTest::newRow("vertical") << QPoint(10, 10) << QPoint(10, 15) << 6;
        QTest::newRow("4 by 5") << QPoint(10, 10) << QPoint(13, 14) << 6;
        QTest::newRow("2 by 2") << QPoint(5, 5) << QPoint(6, 6) << 3;
        QTest::newRow("long diagonal") << QPoint(0, 0) << QPoint(99, 99) << 141;
        QTest::newRow("leftwards") << QPoint(20, 10) << QPoint(10, 10) << 11;
        QTest::newRow("up and left") << QPoint(13, 14) << QPoint(10, 10) << 6;
        QTest::newRow("across the origin") << QPoint(-5, 3) << QPoint(5, -3) << 13; // 11 by 7
    }

    void distance()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(int, pixels);
        QCOMPARE(Distance(from, to), pixels);
    }

    // Drawn and drawn again, a rubber line leaves every pixel as it was.
    void rubberLineRestores_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<int>("touched");
        QTest::newRow("slanted") << QPoint(10, 10) << QPoint(50, 33) << 40;
        QTest::newRow("backwards, steep") << QPoint(50, 60) << QPoint(45, 2) << 58;
        QTest::newRow("left column") << QPoint(0, 0) << QPoint(0, 50) << 50;
        QTest::newRow("top row") << QPoint(70, 0) << QPoint(0, 0) << 70;
        QTest::newRow("leaving the image") << QPoint(90, 50) << QPoint(150, 70) << 10;
        QTest::newRow("a point") << QPoint(5, 5) << QPoint(5, 5) << 0;
    }

    void rubberLineRestores()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(int, touched);
        const QImage before = Pattern(QSize(100, 80));
        QImage canvas = before;
        InvertLine(canvas, from, to);
        int changed = 0;
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = 0; x < canvas.width(); ++x)
                changed += canvas.pixel(x, y) != before.pixel(x, y);
        QCOMPARE(changed, touched);
        if (touched > 0)
            QCOMPARE(canvas.pixel(from), before.pixel(from) ^ 0x00FFFFFFu); // the start is drawn
        InvertLine(canvas, from, to);
        QCOMPARE(canvas, before);
    }

    // The main window leaves, the primary screen is frozen as it was, the window covers it.
    void opens()
    {
        TfrmDisplay* display = Open();
        QVERIFY(display);
        QVERIFY(!w->isVisible());
        QVERIFY(display->isVisible());
        QCOMPARE(display->geometry(), QRect(0, 0, 400, 300));
        QVERIFY(display->SnapshotReady());
        QCOMPARE(display->Snapshot(), desktop.Screen);
        QCOMPARE(display->lblScreen->text(), QStringLiteral("当前屏幕分辨率：400 × 300"));
        QCOMPARE(display->lblScreen->palette().color(QPalette::WindowText), QColor(128, 128, 0));
        QCOMPARE(Labels(display), QStringList({ "(0,0)", "(0,0)", "(0,0)", "0" }));
        QCOMPARE(display->ZoomBitmap().pixel(0, 0), qRgb(246, 247, 251));
        QCOMPARE(display->cursor().shape(), Qt::CrossCursor);
    }

    void measuring()
    {
        TfrmDisplay* d = Open();
        // A press alone changes no label; moves without a button only follow the pointer.
        QTest::mousePress(d, Qt::RightButton, {}, QPoint(10, 10));
        QCOMPARE(Labels(d), QStringList({ "(0,0)", "(0,0)", "(0,0)", "0" }));
        QTest::mouseRelease(d, Qt::RightButton, {}, QPoint(10, 10));
        QMouseEvent move(
            QEvent::MouseMove, QPointF(30, 40), d->mapToGlobal(QPointF(30, 40)), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(d, &move);
        QCOMPARE(Labels(d), QStringList({ "(30,40)", "(10,10)", "(0,0)", "0" }));

        // Any button measures.
        QTest::mousePress(d, Qt::MiddleButton, {}, QPoint(10, 10));
        d->FormMouseMove(QPoint(20, 10));
        QCOMPARE(Labels(d), QStringList({ "(20,10)", "(10,10)", "(20,10)", "11" }));
        d->FormMouseMove(QPoint(13, 14));
        QCOMPARE(Labels(d), QStringList({ "(13,14)", "(10,10)", "(13,14)", "6" }));
        d->FormMouseUp();
        // After the release the line and the labels stay.
        d->FormMouseMove(QPoint(200, 100));
        QCOMPARE(Labels(d), QStringList({ "(200,100)", "(10,10)", "(13,14)", "6" }));
        QVERIFY(d->Canvas() != d->Snapshot());
        QCOMPARE(d->Canvas().pixel(10, 10), d->Snapshot().pixel(10, 10) ^ 0x00FFFFFFu);
        // The next press erases it.
        d->FormMouseDown(QPoint(0, 0));
        QCOMPARE(d->Canvas(), d->Snapshot());
    }

    void magnifier()
    {
        TfrmDisplay* d = Open();
        d->FormMouseMove(QPoint(50, 60));
        const QImage& zoom = d->ZoomBitmap();
        QCOMPARE(zoom.size(), QSize(128, 96));
        QCOMPARE(zoom.pixel(0, 0), desktop.Screen.pixel(50 - 16, 60 - 12));
        QCOMPARE(zoom.pixel(127, 95), desktop.Screen.pixel(50 + 15, 60 + 11));
        QCOMPARE(zoom.pixel(64, 40), qRgb(0, 0, 0)); // the crosshair's vertical bar
        QCOMPARE(zoom.pixel(56, 48), qRgb(0, 0, 0)); // and its horizontal one
        QCOMPARE(zoom.pixel(67, 40), desktop.Screen.pixel(50, 60 - 2));
        // Near the edge the part beyond the screen is the magnifier's own colour.
        d->FormMouseMove(QPoint(2, 2));
        QCOMPARE(d->ZoomBitmap().pixel(0, 0), qRgb(246, 247, 251));
    }

    void closing_data()
    {
        QTest::addColumn<bool>("byPanel");
        QTest::newRow("结束") << false;
        QTest::newRow("panel close") << true;
    }

    void closing()
    {
        QFETCH(bool, byPanel);
        QPointer<TfrmDisplay> first = Open();
        if (byPanel)
            first->sepRuler->CloseButton()->click();
        else
            first->bsSkinButton1->click();
        QVERIFY(w->isVisible());
        QVERIFY(!frmDisplay);
        QTRY_VERIFY(!first); // discarded
        QPointer<TfrmDisplay> second = Open();
        QVERIFY(second && second->isVisible());
        // Asked again while it shows: the same window, to the front.
        w->show();
        QCOMPARE(Open(), second.data());
        QVERIFY(!w->isVisible());
    }

    void panelRolls()
    {
        TbsSkinExPanel* panel = Open()->sepRuler;
        QCOMPARE(panel->windowTitle(), QStringLiteral("测距"));
        panel->RollButton()->click();
        QCOMPARE(panel->height(), TbsSkinExPanel::CaptionHeight);
        panel->RollButton()->click();
        QCOMPARE(panel->height(), 158);
    }
};

QTEST_MAIN(tst_Measure)
#include "tst_Measure.moc"
