#include "app/TintoraApplication.h"
#include "controls/PopupTrackRules.h"
#include "controls/bsSkinPopupTrackBar.h"
#include "controls/bsSkinTrackEdit.h"
#include "main/mainRGB.h"
#include "platform/FakeDesktop.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

using namespace PopupTrackRules;

Q_DECLARE_METATYPE(PopupTrackRules::Anchor)

class tst_PopupTrackBar : public QObject {
    Q_OBJECT

    FakeDesktop desktop { QSize(400, 300), qRgb(10, 20, 30) };
    TfrmMain* w = nullptr;

    TbsSkinPopupTrackBar* Popup() const { return w->edtR->Popup(); }

    static void Mouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent event(type, QPointF(at), target->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }

    static void Wheel(QWidget* target, int delta)
    {
        QWheelEvent event(QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta), Qt::NoButton,
            Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &event);
    }

    void OpenR()
    {
        QTest::mouseClick(w->edtR->FrameButton(), Qt::LeftButton);
        QVERIFY(Popup()->isVisible());
    }

private slots:
    void initTestCase()
    {
        TintoraApplication::SetErrorSink([](const QString& text) { QFAIL(qPrintable(text)); });
    }

    void init()
    {
        desktop.WorkAreas = { QRect(0, 0, 1920, 1040) };
        QFile::remove(QCoreApplication::applicationDirPath() + QStringLiteral("/HisColors.dat"));
        w = new TfrmMain(desktop);
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
    }

    void cleanup()
    {
        delete w;
        w = nullptr;
    }

    void placement_data()
    {
        QTest::addColumn<QRect>("editor");
        QTest::addColumn<int>("width");
        QTest::addColumn<Anchor>("anchor");
        QTest::addColumn<QRect>("workArea");
        QTest::addColumn<QPoint>("expected");
        const QRect screen(0, 0, 1920, 1040);
        QTest::newRow("middle") << QRect(500, 400, 60, 18) << 128 << Anchor::Right << screen << QPoint(500, 418);
        QTest::newRow("right edge: shifted left")
            << QRect(1850, 400, 60, 18) << 128 << Anchor::Right << screen << QPoint(1792, 418);
        QTest::newRow("ends exactly at the edge")
            << QRect(1792, 400, 60, 18) << 128 << Anchor::Right << screen << QPoint(1792, 418);
        QTest::newRow("bottom: above the editor")
            << QRect(500, 1030, 60, 18) << 128 << Anchor::Right << screen << QPoint(500, 1012);
        QTest::newRow("touches the bottom") << QRect(500, 1004, 60, 18) << 128 << Anchor::Right << screen << QPoint(500, 1022);
        QTest::newRow("right and bottom") << QRect(1900, 1030, 60, 18) << 128 << Anchor::Right << screen << QPoint(1792, 1012);
        QTest::newRow("left anchor, wider bar") << QRect(500, 400, 60, 18) << 200 << Anchor::Left << screen << QPoint(360, 418);
        QTest::newRow("left anchor, same width") << QRect(500, 400, 60, 18) << 60 << Anchor::Left << screen << QPoint(500, 418);
        QTest::newRow("left anchor past the left edge")
            << QRect(50, 400, 60, 18) << 200 << Anchor::Left << screen << QPoint(0, 418);
        QTest::newRow("second monitor, left edge")
            << QRect(1930, 100, 60, 18) << 250 << Anchor::Left << QRect(1920, 0, 1280, 1024) << QPoint(1920, 118);
        QTest::newRow("monitor left of the primary")
            << QRect(-100, 500, 60, 18) << 128 << Anchor::Right << QRect(-1280, 0, 1280, 1024) << QPoint(-128, 518);
        QTest::newRow("panel at the top, bottom kept")
            << QRect(10, 1000, 60, 18) << 128 << Anchor::Right << QRect(0, 30, 1920, 1000) << QPoint(10, 982);
    }

    void placement()
    {
        QFETCH(QRect, editor);
        QFETCH(int, width);
        QFETCH(Anchor, anchor);
        QFETCH(QRect, workArea);
        QFETCH(QPoint, expected);
        QCOMPARE(PlacePopup(editor, width, editor.height(), anchor, workArea), QRect(expected, QSize(width, editor.height())));
    }

    void valueMapping_data()
    {
        QTest::addColumn<int>("minValue");
        QTest::addColumn<int>("maxValue");
        QTest::addColumn<int>("p");
        QTest::addColumn<int>("L");
        QTest::addColumn<int>("expected");
        QTest::newRow("start") << 0 << 255 << 0 << 113 << 0;
        QTest::newRow("end") << 0 << 255 << 113 << 113 << 255;
        QTest::newRow("middle") << 0 << 255 << 54 << 113 << 122; // 121.86
        QTest::newRow("before the start") << 0 << 255 << -40 << 113 << 0;
        QTest::newRow("past the end") << 0 << 255 << 500 << 113 << 255;
        QTest::newRow("no track") << 7 << 255 << 30 << 0 << 7;
        QTest::newRow("half down to even") << 0 << 5 << 1 << 2 << 2; // 2.5
        QTest::newRow("half up to even") << 0 << 3 << 1 << 2 << 2; // 1.5
        QTest::newRow("half to zero") << 0 << 1 << 1 << 2 << 0; // 0.5
        QTest::newRow("hue half") << 0 << 359 << 125 << 250 << 180; // 179.5
        QTest::newRow("offset range") << 10 << 20 << 1 << 4 << 12; // 10 + 2.5
        QTest::newRow("negative range, half") << -5 << 0 << 1 << 2 << -3; // -5 + 2.5
    }

    void valueMapping()
    {
        QFETCH(int, minValue);
        QFETCH(int, maxValue);
        QFETCH(int, p);
        QFETCH(int, L);
        QFETCH(int, expected);
        QCOMPARE(ValueAt(minValue, maxValue, p, L), expected);
    }

    void frameButtonOpensThenCloses()
    {
        w->edtG->setFocus();
        OpenR();
        QVERIFY(w->edtR->hasFocus()); // the button gives the editor the focus
        const QRect editor(w->edtR->mapToGlobal(QPoint(0, 0)), w->edtR->size());
        QCOMPARE(Popup()->geometry(), QRect(editor.bottomLeft() + QPoint(0, 1), QSize(128, editor.height())));
        QCOMPARE(Popup()->MinValue(), 0);
        QCOMPARE(Popup()->MaxValue(), 255);
        QCOMPARE(Popup()->Value(), 255);
        QCOMPARE(Popup()->windowOpacity(), 1.0);
        QTest::mouseClick(w->edtR->FrameButton(), Qt::LeftButton);
        QVERIFY(!Popup()->isVisible());
        QVERIFY(w->edtR->hasFocus());
    }

    void opensInTheWorkAreaNearTheEditor()
    {
        desktop.WorkAreas = { QRect(0, 0, 100, 1040) };
        OpenR();
        QCOMPARE(Popup()->geometry().right(), 99);
    }

    // A drag across the whole track: every step reaches the red channel, the swatch
    // and the texts; green and blue stay.
    void dragFromEndToEnd()
    {
        OpenR();
        TbsSkinPopupTrackBar* bar = Popup();
        const QPoint grip = bar->ThumbRect().center();
        Mouse(bar, QEvent::MouseButtonPress, grip);
        QSet<int> seen;
        QSignalSpy lastChange(bar, &TbsSkinPopupTrackBar::OnLastChange);
        for (int x = grip.x(); x >= -20; --x) {
            Mouse(bar, QEvent::MouseMove, QPoint(x, grip.y()));
            seen << w->edtR->Value();
        }
        QCOMPARE(w->edtR->Value(), 0);
        for (int x = -20; x <= bar->width() + 20; ++x) {
            Mouse(bar, QEvent::MouseMove, QPoint(x, grip.y()));
            const int red = w->edtR->Value();
            seen << red;
            QCOMPARE(bar->Value(), red);
            QCOMPARE(int(CurrentColor.R), red);
            QCOMPARE(w->edtHC->text(), QStringLiteral("#%1FFFF").arg(red, 2, 16, QLatin1Char('0')).toUpper());
            QCOMPARE(w->lblColor->palette().color(QPalette::Window), QColor(red, 255, 255));
            QCOMPARE(w->edtG->text(), QStringLiteral("255"));
            QCOMPARE(w->edtB->text(), QStringLiteral("255"));
        }
        QVERIFY(seen.contains(0) && seen.contains(255));
        QCOMPARE(lastChange.count(), 0);
        Mouse(bar, QEvent::MouseButtonRelease, QPoint(bar->width() + 20, grip.y()));
        QCOMPARE(lastChange.count(), 1);
        QVERIFY(bar->isVisible()); // stays open after a drag
        QCOMPARE(w->edtR->Value(), 255);
    }

    void pressOnTheTrackDoesNothingWithoutJump()
    {
        OpenR();
        QSignalSpy changes(Popup(), &TbsSkinPopupTrackBar::OnChange);
        Mouse(Popup(), QEvent::MouseButtonPress, QPoint(10, 9));
        Mouse(Popup(), QEvent::MouseButtonRelease, QPoint(10, 9));
        QCOMPARE(changes.count(), 0);
        QCOMPARE(w->edtR->Value(), 255);
    }

    void jumpWhenClickCentresTheThumb()
    {
        w->edtR->JumpWhenClick = true;
        OpenR();
        TbsSkinPopupTrackBar* bar = Popup();
        // L = 128 - 2*3 - 9 = 113; a release at x puts the thumb at x - 3 - 4.
        Mouse(bar, QEvent::MouseButtonPress, QPoint(20, 9));
        Mouse(bar, QEvent::MouseButtonRelease, QPoint(61, 9));
        QCOMPARE(bar->Value(), ValueAt(0, 255, 61 - 7, 113));
        QCOMPARE(w->edtR->Value(), 122);
        QCOMPARE(bar->ThumbRect().center().x(), 61);
    }

    void pressOnThePopupKeepsItAndTheFocus()
    {
        OpenR();
        QTest::mouseClick(Popup(), Qt::LeftButton, {}, QPoint(10, 9));
        QVERIFY(Popup()->isVisible());
        QVERIFY(w->edtR->hasFocus());
        QCOMPARE(QApplication::activeWindow(), w);
    }

    // The cancel rule: presses elsewhere in the same window close the pop-up.
    void closingPresses_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<bool>("closes");
        QTest::newRow("editor's text area") << "text" << true;
        QTest::newRow("double click in the text") << "double" << true;
        QTest::newRow("group box") << "group" << true;
        QTest::newRow("another editor's frame button") << "otherButton" << true;
        QTest::newRow("context menu in the editor") << "context" << true;
        QTest::newRow("right press in the text") << "right" << false;
    }

    void closingPresses()
    {
        QFETCH(QString, where);
        QFETCH(bool, closes);
        OpenR();
        if (where == QLatin1String("text"))
            Mouse(w->edtR, QEvent::MouseButtonPress, QPoint(8, 9));
        else if (where == QLatin1String("double"))
            Mouse(w->edtR, QEvent::MouseButtonDblClick, QPoint(8, 9));
        else if (where == QLatin1String("group"))
            Mouse(w->bsSkinGroupBox1, QEvent::MouseButtonPress, QPoint(5, 110));
        else if (where == QLatin1String("otherButton"))
            Mouse(w->edtG->FrameButton(), QEvent::MouseButtonPress, QPoint(3, 3));
        else if (where == QLatin1String("right"))
            Mouse(w->edtR, QEvent::MouseButtonPress, QPoint(8, 9), Qt::RightButton);
        else {
            QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(8, 9), w->edtR->mapToGlobal(QPoint(8, 9)));
            QApplication::sendEvent(w->edtR, &menu);
            QApplication::processEvents();
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (top->inherits("QMenu"))
                    top->close();
            }
        }
        QCOMPARE(!Popup()->isVisible(), closes);
    }

    void focusLeavingTheEditorCloses()
    {
        OpenR();
        w->edtG->setFocus(Qt::TabFocusReason);
        QVERIFY(!Popup()->isVisible());
    }

    void hidingTheWindowCloses()
    {
        OpenR();
        w->hide();
        QVERIFY(!Popup()->isVisible());
    }

    void keysAndWheelMoveThePopup()
    {
        OpenR();
        QSignalSpy changes(Popup(), &TbsSkinPopupTrackBar::OnChange);
        QTest::keyClick(w->edtR, Qt::Key_Down);
        QCOMPARE(Popup()->Value(), 254);
        QCOMPARE(w->edtR->Value(), 254);
        QTest::keyClick(w->edtR, Qt::Key_Up);
        QTest::keyClick(w->edtR, Qt::Key_Up); // clamped at the top: no change
        QCOMPARE(Popup()->Value(), 255);
        QCOMPARE(changes.count(), 2);
        Wheel(w->edtR, 120); // away from the user: lower
        QCOMPARE(Popup()->Value(), 254);
        Wheel(Popup(), -360); // over the bar, one step whatever its size
        QCOMPARE(Popup()->Value(), 255);
        QCOMPARE(int(CurrentColor.R), 255);
        QCOMPARE(w->edtHC->text(), QStringLiteral("#FFFFFF"));
        Wheel(Popup(), 120);
        QCOMPARE(w->edtHC->text(), QStringLiteral("#FEFFFF"));
    }

    void valueWritesAreClampedAndQuiet()
    {
        TbsSkinPopupTrackBar bar(nullptr);
        QCOMPARE(bar.MinValue(), 0);
        QCOMPARE(bar.MaxValue(), 100);
        QCOMPARE(bar.Value(), 50);
        QSignalSpy changes(&bar, &TbsSkinPopupTrackBar::OnChange);
        bar.SetValue(300);
        QCOMPARE(bar.Value(), 100);
        QCOMPARE(changes.count(), 1);
        bar.SetValue(100);
        bar.SetValue(1000);
        QCOMPARE(changes.count(), 1); // still 100: nothing changed
        bar.SetValue(-5);
        QCOMPARE(bar.Value(), 0);
        bar.SetMinValue(10); // a narrower range pulls the value in
        QCOMPARE(bar.Value(), 10);
        QCOMPARE(changes.count(), 3);
    }

    void alphaBlend()
    {
        TbsSkinTrackEdit* edit = w->edtG;
        edit->AlphaBlend = true;
        edit->AlphaBlendValue = 200;
        QTest::mouseClick(edit->FrameButton(), Qt::LeftButton);
        QCOMPARE(qRound(edit->Popup()->windowOpacity() * 255), 200);
        QTest::mouseClick(edit->FrameButton(), Qt::LeftButton);
        edit->AlphaBlendAnimation = true;
        edit->AlphaBlendValue = 95;
        QTest::mouseClick(edit->FrameButton(), Qt::LeftButton);
        QCOMPARE(qRound(edit->Popup()->windowOpacity() * 255), 95);
        // The fade lets events through; the pop-up stays and the keyboard with the editor.
        QVERIFY(edit->Popup()->isVisible());
        QVERIFY(edit->hasFocus());
    }
};

QTEST_MAIN(tst_PopupTrackBar)
#include "tst_PopupTrackBar.moc"
