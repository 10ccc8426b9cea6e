#include "palette/ColorSpaces.h"

#include <QTest>

Q_DECLARE_METATYPE(TRGBColor)
Q_DECLARE_METATYPE(THSV)

namespace {

TRGBColor Rgb(int r, int g, int b) { return { std::uint8_t(r), std::uint8_t(g), std::uint8_t(b) }; }

} // namespace

namespace QTest {
template <> char* toString(const THSV& v)
{
    return qstrdup(QByteArray::number(v.H) + ", " + QByteArray::number(v.S) + ", " + QByteArray::number(v.V));
}
} // namespace QTest

class tst_ColorSpaces : public QObject {
    Q_OBJECT

private slots:
    void roundsHalvesToEven()
    {
        QCOMPARE(RoundEven(127.5), 128);
        QCOMPARE(RoundEven(76.5), 76);
        QCOMPARE(RoundEven(-2.5), -2);
        QCOMPARE(RoundEven(2.4999), 2);
    }

    void rgbToHsv_data()
    {
        QTest::addColumn<TRGBColor>("rgb");
        QTest::addColumn<THSV>("hsv");
        QTest::newRow("black") << Rgb(0, 0, 0) << THSV { 0, 0, 0 };
        QTest::newRow("mid grey") << Rgb(128, 128, 128) << THSV { 0, 0, 50 };
        QTest::newRow("white") << Rgb(255, 255, 255) << THSV { 0, 0, 100 };
        QTest::newRow("almost white") << Rgb(255, 254, 254) << THSV { 0, 0, 100 };
        QTest::newRow("brick") << Rgb(200, 100, 50) << THSV { 20, 75, 78 };
        QTest::newRow("pure blue") << Rgb(0, 0, 255) << THSV { 239, 100, 100 };
        QTest::newRow("pure green") << Rgb(0, 255, 0) << THSV { 120, 100, 100 };
        QTest::newRow("red and green share the top") << Rgb(255, 255, 0) << THSV { 60, 100, 100 };
    }

    void rgbToHsv()
    {
        QFETCH(TRGBColor, rgb);
        QFETCH(THSV, hsv);
        QCOMPARE(RGBToHSV(rgb), hsv);
    }

    void hsvToRgb_data()
    {
        QTest::addColumn<THSV>("hsv");
        QTest::addColumn<TRGBColor>("rgb");
        QTest::newRow("white back") << THSV { 0, 0, 100 } << Rgb(255, 255, 255);
        QTest::newRow("blue's round trip is not exact") << THSV { 239, 100, 100 } << Rgb(0, 4, 255);
        QTest::newRow("grey 10") << THSV { 0, 0, 10 } << Rgb(26, 26, 26);
        QTest::newRow("grey 30") << THSV { 0, 0, 30 } << Rgb(76, 76, 76);
        QTest::newRow("grey 50") << THSV { 0, 0, 50 } << Rgb(128, 128, 128);
        QTest::newRow("grey 70") << THSV { 0, 0, 70 } << Rgb(178, 178, 178);
        QTest::newRow("grey 90") << THSV { 0, 0, 90 } << Rgb(230, 230, 230);
        QTest::newRow("yellow") << THSV { 60, 100, 100 } << Rgb(255, 255, 0);
        QTest::newRow("last sector") << THSV { 330, 100, 100 } << Rgb(255, 0, 128);
    }

    void hsvToRgb()
    {
        QFETCH(THSV, hsv);
        QFETCH(TRGBColor, rgb);
        QCOMPARE(HSVToRGB(hsv), rgb);
    }

    void hsl()
    {
        // Greys have no hue and no saturation.
        QCOMPARE(RGBToHSL(Rgb(77, 77, 77)).H, 0.0);
        QCOMPARE(RGBToHSL(Rgb(77, 77, 77)).S, 0.0);
        const THSLReal brick = RGBToHSL(Rgb(200, 100, 50));
        QCOMPARE(HSLToBytes(brick), (THSLBytes { 14, 153, 125 }));
        QCOMPARE(HSLToRGB(brick), Rgb(200, 100, 50));
        QCOMPARE(BytesToHSL({ 255, 0, 51 }), (THSLReal { 1.0, 0.0, 0.2 }));
        // H = 1.0 is red, like 0.
        QCOMPARE(HSLToRGB({ 1.0, 1.0, 0.5 }), Rgb(255, 0, 0));
    }

    void pspColorKeepsTheFormsInStep()
    {
        TPSPColor colour;
        QCOMPARE(colour.RGB, Rgb(0, 0, 0));
        colour.SetRGB(Rgb(200, 100, 50));
        QCOMPARE(colour.HSLBytes, (THSLBytes { 14, 153, 125 }));
        colour.SetHSLBytes({ 0, 255, 128 });
        QCOMPARE(colour.RGB, Rgb(255, 1, 1));
        QCOMPARE(colour.HSL.L, 128 / 255.0);
        TPSPColor copy;
        copy.CopyFrom(colour);
        QCOMPARE(copy.RGB, colour.RGB);
        QCOMPARE(copy.HSLBytes, colour.HSLBytes);
        colour.SetHSL({ 0.5, 1.0, 0.5 });
        QCOMPARE(colour.RGB, Rgb(0, 255, 255));
        QCOMPARE(colour.HSLBytes, (THSLBytes { 128, 255, 128 }));
    }

    void hueTable()
    {
        const THueTable table = BuildHueTable();
        QCOMPARE(table[0], Rgb(240, 0, 0));
        QCOMPARE(table[359], Rgb(240, 0, 0));
        for (const TRGBColor& c : table)
            QCOMPARE(std::max({ c.R, c.G, c.B }), std::uint8_t(240));
    }

    void clockAngle_data()
    {
        QTest::addColumn<QPointF>("point");
        QTest::addColumn<double>("degrees");
        QTest::newRow("up") << QPointF(97, 10) << 0.0;
        QTest::newRow("right") << QPointF(184, 97) << 90.0;
        QTest::newRow("down") << QPointF(97, 184) << 180.0;
        QTest::newRow("left") << QPointF(10, 97) << 270.0;
        QTest::newRow("up and right") << QPointF(147, 47) << 45.0;
        QTest::newRow("the centre itself") << QPointF(97, 97) << 90.0;
    }

    void clockAngle()
    {
        QFETCH(QPointF, point);
        QFETCH(double, degrees);
        QCOMPARE(RoundEven(ClockAngle(QPointF(97, 97), point) * 1000) / 1000.0, degrees);
    }
};

QTEST_APPLESS_MAIN(tst_ColorSpaces)
#include "tst_ColorSpaces.moc"
