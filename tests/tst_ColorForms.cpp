#include "main/ColorForms.h"

#include <QTest>

class tst_ColorForms : public QObject {
    Q_OBJECT

private slots:
    void textForms_data()
    {
        QTest::addColumn<int>("r");
        QTest::addColumn<int>("g");
        QTest::addColumn<int>("b");
        QTest::addColumn<QString>("web");
        QTest::addColumn<QString>("rgb");
        QTest::addColumn<QString>("delphi");
        QTest::newRow("black") << 0 << 0 << 0 << "#000000"
                               << "RGB(0,0,0)"
                               << "$00000000";
        QTest::newRow("white") << 255 << 255 << 255 << "#FFFFFF"
                               << "RGB(255,255,255)"
                               << "$00FFFFFF";
        QTest::newRow("single digits padded") << 1 << 2 << 3 << "#010203"
                                              << "RGB(1,2,3)"
                                              << "$00030201";
        QTest::newRow("blue first in the constant") << 18 << 52 << 86 << "#123456"
                                                    << "RGB(18,52,86)"
                                                    << "$00563412";
        QTest::newRow("orange") << 255 << 128 << 0 << "#FF8000"
                                << "RGB(255,128,0)"
                                << "$000080FF";
        QTest::newRow("upper-case hex") << 171 << 205 << 239 << "#ABCDEF"
                                        << "RGB(171,205,239)"
                                        << "$00EFCDAB";
    }

    void textForms()
    {
        QFETCH(int, r);
        QFETCH(int, g);
        QFETCH(int, b);
        const TRGBColor c { std::uint8_t(r), std::uint8_t(g), std::uint8_t(b) };
        QFETCH(QString, web);
        QCOMPARE(WebForm(c), web);
        QFETCH(QString, rgb);
        QCOMPARE(RGBForm(c), rgb);
        QFETCH(QString, delphi);
        QCOMPARE(DelphiForm(c), delphi);
        // The constant form is the colour value written with eight hex digits.
        QCOMPARE(DelphiForm(c).mid(1), QStringLiteral("%1").arg(ToTColor(c), 8, 16, QLatin1Char('0')).toUpper());
    }

    void complementAndColorValue()
    {
        QCOMPARE(ComplementOf({ 0, 0, 0 }), (TRGBColor { 255, 255, 255 }));
        QCOMPARE(ComplementOf({ 128, 128, 128 }), (TRGBColor { 127, 127, 127 }));
        QCOMPARE(ComplementOf({ 1, 2, 3 }), (TRGBColor { 254, 253, 252 }));
        QCOMPARE(ToTColor({ 255, 128, 0 }), TColor(0x0080FF));
        QCOMPARE(FromTColor(0xFF563412u), (TRGBColor { 0x12, 0x34, 0x56 })); // top byte ignored
    }

    void webSafeChannel_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        // Every band edge on both sides.
        const int bands[][3]
            = { { 0, 25, 0 }, { 26, 76, 51 }, { 77, 127, 102 }, { 128, 178, 153 }, { 179, 229, 204 }, { 230, 255, 255 } };
        for (const auto& band : bands) {
            QTest::addRow("%d", band[0]) << band[0] << band[2];
            QTest::addRow("%d", band[1]) << band[1] << band[2];
        }
    }

    void webSafeChannel()
    {
        QFETCH(int, before);
        QFETCH(int, after);
        QCOMPARE(int(WebSafeChannel(std::uint8_t(before))), after);
    }

    void webSafeColor()
    {
        QCOMPARE(WebSafe({ 25, 26, 230 }), (TRGBColor { 0, 51, 255 }));
        for (int v = 0; v <= 255; v += 51) {
            const TRGBColor safe { std::uint8_t(v), std::uint8_t(255 - v), std::uint8_t(v) };
            QCOMPARE(WebSafe(safe), safe);
        }
    }
};

QTEST_APPLESS_MAIN(tst_ColorForms)
#include "tst_ColorForms.moc"
