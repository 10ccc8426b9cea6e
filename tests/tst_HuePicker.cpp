#include "palette/HuePicker.h"

#include <QTest>

using namespace HuePicker;

Q_DECLARE_METATYPE(HuePicker::TDragTarget)

class tst_HuePicker : public QObject {
    Q_OBJECT

    const THueTable hues = BuildHueTable();
    const QRgb face = qRgb(212, 208, 200);

    static TPSPColor Colour(int r, int g, int b)
    {
        TPSPColor c;
        c.SetRGB({ std::uint8_t(r), std::uint8_t(g), std::uint8_t(b) });
        return c;
    }

private slots:
    void picture()
    {
        const QImage p = BuildPicture(hues, Colour(255, 0, 0), face);
        QCOMPARE(p.size(), QSize(195, 195));
        QCOMPARE(p.pixel(0, 0), face); // outside the ring
        QCOMPARE(p.pixel(30, 98), face); // between the ring and the square
        QCOMPARE(p.pixel(97, 4), qRgb(240, 0, 0)); // red at the top
        const TRGBColor left = hues[359 - 270];
        QCOMPARE(p.pixel(4, 98), qRgb(left.R, left.G, left.B)); // yellow-green at the left
        // The square: black along the top, white along the bottom, greys on the left,
        // the hue at full saturation on the right.
        QCOMPARE(p.pixel(44, 44), qRgb(0, 0, 0));
        QCOMPARE(p.pixel(150, 44), qRgb(0, 0, 0));
        QCOMPARE(p.pixel(100, 150), qRgb(255, 255, 255));
        QCOMPARE(p.pixel(44, 97), qRgb(128, 128, 128));
        QCOMPARE(p.pixel(150, 97), qRgb(255, 0, 0));
    }

    void squareFollowsTheHue()
    {
        QImage p = BuildPicture(hues, Colour(255, 0, 0), face);
        PaintSquare(p, Colour(0, 0, 255));
        QCOMPARE(p.pixel(150, 97), qRgb(0, 0, 255));
        QCOMPARE(p.pixel(97, 4), qRgb(240, 0, 0)); // the ring stays
    }

    void markers()
    {
        QCOMPARE(SquareMarker({ 0.3, 0.0, 0.0 }), QPoint(44, 44));
        QCOMPARE(SquareMarker({ 0.3, 1.0, 1.0 }), QPoint(150, 150));
        QCOMPARE(HueMarker({ 0.0, 1, 0.5 }), QPoint(97, 10)); // red at the top
        QCOMPARE(HueMarker({ 1.0, 1, 0.5 }), QPoint(97, 10));
        QCOMPARE(HueMarker({ 0.25, 1, 0.5 }), QPoint(10, 97)); // counter-clockwise
        QCOMPARE(HueMarker({ 0.5, 1, 0.5 }), QPoint(97, 184));

        const QImage before = BuildPicture(hues, Colour(200, 100, 50), face);
        QImage p = before;
        const THSLReal hsl = Colour(200, 100, 50).HSL;
        ToggleMarkers(p, hsl);
        QVERIFY(p != before);
        const QPoint m = SquareMarker(hsl);
        QCOMPARE(p.pixel(m.x() + 5, m.y()), before.pixel(m.x() + 5, m.y()) ^ 0x00FFFFFFu);
        ToggleMarkers(p, hsl);
        QCOMPARE(p, before);
    }

    void hitTest_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<TDragTarget>("target");
        QTest::newRow("square corner") << QPoint(44, 44) << dtSquare;
        QTest::newRow("square's last hit pixel") << QPoint(149, 149) << dtSquare;
        QTest::newRow("last drawn column is not a hit") << QPoint(150, 100) << dtNone;
        QTest::newRow("last drawn row is not a hit") << QPoint(100, 150) << dtNone;
        QTest::newRow("ring top") << QPoint(97, 5) << dtRing;
        QTest::newRow("ring left") << QPoint(5, 97) << dtRing;
        QTest::newRow("between square and ring") << QPoint(30, 98) << dtNone;
        QTest::newRow("outside the ring") << QPoint(2, 2) << dtNone;
    }

    void hitTest()
    {
        QFETCH(QPoint, at);
        QFETCH(TDragTarget, target);
        QCOMPARE(HitTest(at), target);
    }

    void positionsToBytes()
    {
        QCOMPARE(int(RingHueByte(QPoint(97, 10))), 255); // straight up: H = 1.0, red
        QCOMPARE(int(RingHueByte(QPoint(184, 97))), 191); // 90 degrees: 269 / 359 * 255
        QCOMPARE(int(RingHueByte(QPoint(10, 97))), 63);
        QCOMPARE(SquareBytes(QPoint(97, 97)), (std::pair<std::uint8_t, std::uint8_t>(128, 128))); // 127.5 to even
        QCOMPARE(SquareBytes(QPoint(400, -20)), (std::pair<std::uint8_t, std::uint8_t>(255, 0))); // pinned to the edge
        QCOMPARE(SquareBytes(QPoint(0, 151)), (std::pair<std::uint8_t, std::uint8_t>(0, 255)));
    }
};

QTEST_MAIN(tst_HuePicker)
#include "tst_HuePicker.moc"
