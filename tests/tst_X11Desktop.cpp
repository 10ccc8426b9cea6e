#include "platform/Desktop.h"

#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QWidget>

namespace {

// A window in the top-left corner whose pixel (x, y) has red x and green y.
class Pattern final : public QWidget {
public:
    Pattern()
        : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    {
        setGeometry(0, 0, 200, 100);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QImage image(size(), QImage::Format_RGB32);
        for (int y = 0; y < height(); ++y)
            for (int x = 0; x < width(); ++x)
                image.setPixel(x, y, qRgb(x, y, 77));
        QPainter(this).drawImage(0, 0, image);
    }
};

std::uint32_t Value(int r, int g, int b) { return std::uint32_t(r) | (std::uint32_t(g) << 8) | (std::uint32_t(b) << 16); }

} // namespace

class tst_X11Desktop : public QObject {
    Q_OBJECT

    std::unique_ptr<Desktop> desktop;
    Pattern pattern;

private slots:
    void initTestCase()
    {
        desktop = CreateDesktop();
        pattern.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pattern));
        QTRY_COMPARE(desktop->PixelAt({ 10, 20 }), Value(10, 20, 77));
    }

    void pixelReads_data()
    {
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<quint32>("value");
        QTest::newRow("origin") << QPoint(0, 0) << quint32(Value(0, 0, 77));
        QTest::newRow("inside") << QPoint(150, 99) << quint32(Value(150, 99, 77));
        QTest::newRow("left of the screen") << QPoint(-1, 5) << quint32(0xFFFFFFFFu);
        QTest::newRow("above the screen") << QPoint(5, -1) << quint32(0xFFFFFFFFu);
        QTest::newRow("right of the screen") << QPoint(1920, 5) << quint32(0xFFFFFFFFu);
        QTest::newRow("below the screen") << QPoint(5, 1080) << quint32(0xFFFFFFFFu);
    }

    void pixelReads()
    {
        QFETCH(QPoint, pos);
        QFETCH(quint32, value);
        QCOMPARE(desktop->PixelAt(pos), value);
    }

    void blockCopyPartlyOffScreen()
    {
        const QRgb outside = qRgb(128, 128, 128);
        const QImage block = desktop->CopyBlock({ -16, -12, 32, 24 }, outside);
        QCOMPARE(block.size(), QSize(32, 24));
        QCOMPARE(block.pixel(0, 0), outside);
        QCOMPARE(block.pixel(15, 23), outside);
        QCOMPARE(block.pixel(16, 12), qRgb(0, 0, 77));
        QCOMPARE(block.pixel(31, 23), qRgb(15, 11, 77));

        const QImage corner = desktop->CopyBlock({ 1910, 1070, 32, 24 }, outside);
        QCOMPARE(corner.pixel(31, 23), outside);
        QCOMPARE(desktop->CopyBlock({ 5000, 5000, 4, 4 }, outside).pixel(0, 0), outside);
    }

    void screenSizes()
    {
        QCOMPARE(desktop->PrimaryScreenSize(), QSize(1920, 1080));
        QCOMPARE(desktop->VirtualDesktop(), QRect(0, 0, 1920, 1080));
        QCOMPARE(desktop->WorkAreaNear(&pattern), QRect(0, 0, 1920, 1080));
    }

    // The whole-screen copy through shared memory holds exactly what the plain read
    // does, and a window hidden before the copy is gone from it.
    void snapshot()
    {
        const QRect screen(QPoint(0, 0), desktop->PrimaryScreenSize());
        const QImage shot = desktop->Snapshot(screen);
        QCOMPARE(shot.size(), screen.size());
        QCOMPARE(shot.pixel(150, 99), qRgb(150, 99, 77));
        QCOMPARE(shot, desktop->CopyBlock(screen, qRgb(0, 0, 0)));
        // Past the screen's edge the copy is black.
        QCOMPARE(desktop->Snapshot(QRect(1910, 0, 20, 5)).pixel(15, 2), qRgb(0, 0, 0));

        QWidget cover(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
        cover.setGeometry(0, 0, 60, 60);
        cover.setStyleSheet(QStringLiteral("background: #123456"));
        cover.show();
        QTRY_COMPARE(desktop->Snapshot(screen).pixel(10, 10), qRgb(0x12, 0x34, 0x56));
        cover.hide();
        desktop->Flush();
        QTRY_COMPARE(desktop->Snapshot(screen).pixel(10, 10), qRgb(10, 10, 77));
    }
};

QTEST_MAIN(tst_X11Desktop)
#include "tst_X11Desktop.moc"
