#include "app/TintoraApplication.h"
#include "controls/bsSkinDrawGrid.h"
#include "controls/bsSkinTrackEdit.h"
#include "main/mainRGB.h"
#include "platform/FakeDesktop.h"

#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

class tst_mainRGB : public QObject {
    Q_OBJECT

    FakeDesktop desktop;
    TfrmMain* w = nullptr;
    QStringList errors;

    static TRGBColor Rgb(int r, int g, int b) { return { std::uint8_t(r), std::uint8_t(g), std::uint8_t(b) }; }

    static QString HistoryPath() { return QCoreApplication::applicationDirPath() + QStringLiteral("/HisColors.dat"); }

    void Mouse(QEvent::Type type)
    {
        QMouseEvent event(type, QPointF(3, 3), w->lblColor->mapToGlobal(QPointF(3, 3)), Qt::LeftButton,
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w->lblColor, &event);
    }

    // A whole drag on the swatch ending over a pixel of the given colour.
    void Pick(QRgb colour)
    {
        desktop.Screen.setPixel(desktop.Pointer - desktop.Origin, colour);
        Mouse(QEvent::MouseButtonPress);
        Mouse(QEvent::MouseMove);
        Mouse(QEvent::MouseButtonRelease);
    }

    QPoint CellCentre(int col, int row) const { return w->sdgHistory->CellRect(col, row).center(); }

    void CheckShows(TRGBColor c, const QString& web)
    {
        QCOMPARE(CurrentColor, c);
        QCOMPARE(w->edtHC->text(), web);
        QCOMPARE(w->lblColor->palette().color(QPalette::Window), QColor(c.R, c.G, c.B));
        QCOMPARE(w->lblColor->palette().color(QPalette::WindowText), QColor(255 - c.R, 255 - c.G, 255 - c.B));
    }

private slots:
    void initTestCase()
    {
        TintoraApplication::SetErrorSink([this](const QString& text) { errors << text; });
    }

    void init()
    {
        errors.clear();
        CurrentColor = {};
        desktop = FakeDesktop({ 400, 300 }, qRgb(10, 20, 30));
        desktop.Pointer = { 100, 50 };
        QFile::remove(HistoryPath());
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

    void startupState()
    {
        QCOMPARE(w->windowTitle(), QStringLiteral("Tintora(朱砚) V1.1.2"));
        QCOMPARE(AppVersion, QStringLiteral("1.1.2"));
        QVERIFY(AppPath.endsWith(QLatin1Char('/')));
        QCOMPARE(w->pos(), QPoint(0, 0));
        QCOMPARE(w->Client()->size(), QSize(364, 259));

        CheckShows(Rgb(255, 255, 255), QStringLiteral("#FFFFFF"));
        QCOMPARE(w->edtRGB->text(), QStringLiteral("RGB(255,255,255)"));
        QCOMPARE(w->edtDelphi->text(), QStringLiteral("$00FFFFFF"));
        for (const TbsSkinTrackEdit* editor : { w->edtR, w->edtG, w->edtB }) {
            QCOMPARE(editor->Value(), 255);
            QCOMPARE(editor->text(), QStringLiteral("255"));
        }
        for (const TRGBColor& slot : w->History())
            QCOMPARE(slot, Rgb(255, 255, 255));
        QCOMPARE(w->NextSlot(), 0);
        QCOMPARE(w->LastSlot(), 0);

        const QImage& zoom = w->ZoomBitmap();
        QCOMPARE(zoom.size(), QSize(128, 96));
        QCOMPARE(zoom.pixel(0, 0), qRgb(246, 247, 251));
        QCOMPARE(zoom.pixel(127, 95), qRgb(246, 247, 251));
        QCOMPARE(w->lblColor->toolTip(), QStringLiteral("在这里按下鼠标左键并拖动\n到想要吸取的颜色区域,\n确定后松开鼠标"));
    }

    void takeColorThenOneRefresh()
    {
        QSignalSpy forms(w->edtHC, &QLineEdit::textChanged);
        QSignalSpy redText(w->edtR, &QLineEdit::textChanged);
        w->SetPickedColor(0xAB563412u); // the top byte is not a channel
        w->TakeColor();
        QCOMPARE(forms.count(), 0); // TakeColor leaves the forms to UpdateViews
        w->UpdateViews();
        CheckShows(Rgb(0x12, 0x34, 0x56), QStringLiteral("#123456"));
        QCOMPARE(w->edtDelphi->text(), QStringLiteral("$00563412"));
        QCOMPARE(w->edtR->Value(), 0x12);
        QCOMPARE(w->edtB->text(), QStringLiteral("86"));
        QCOMPARE(forms.count(), 1);
        QCOMPARE(redText.count(), 1);

        // The same colour again: no editor or form is touched.
        forms.clear();
        redText.clear();
        w->TakeColor();
        w->UpdateViews();
        QCOMPARE(forms.count(), 0);
        QCOMPARE(redText.count(), 0);
    }

    void writerThenUpdateViewsRefreshesOnce()
    {
        QSignalSpy forms(w->edtHC, &QLineEdit::textChanged);
        QSignalSpy greenText(w->edtG, &QLineEdit::textChanged);
        CurrentColor = Rgb(1, 2, 3);
        w->UpdateViews();
        CheckShows(Rgb(1, 2, 3), QStringLiteral("#010203"));
        QCOMPARE(w->edtRGB->text(), QStringLiteral("RGB(1,2,3)"));
        QCOMPARE(forms.count(), 1);
        QCOMPARE(greenText.count(), 1);
    }

    void webSafeButton()
    {
        CurrentColor = Rgb(25, 26, 230);
        w->UpdateViews();
        QTest::mouseClick(w->bsSkinButton10, Qt::LeftButton);
        CheckShows(Rgb(0, 51, 255), QStringLiteral("#0033FF"));
        QCOMPARE(w->edtG->Value(), 51);
        QCOMPARE(w->History().front(), Rgb(255, 255, 255));
    }

    void copyButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("copied");
        QTest::newRow("web") << "bsSkinButton7"
                             << "edtHC"
                             << "#FF8000";
        QTest::newRow("RGB") << "bsSkinButton8"
                             << "edtRGB"
                             << "RGB(255,128,0)";
        QTest::newRow("constant") << "bsSkinButton9"
                                  << "edtDelphi"
                                  << "$000080FF";
    }

    void copyButtons()
    {
        QFETCH(QString, button);
        QFETCH(QString, edit);
        QFETCH(QString, copied);
        CurrentColor = Rgb(255, 128, 0);
        w->UpdateViews();
        auto* line = w->findChild<QLineEdit*>(edit);
        line->setSelection(1, 2); // the user had selected only part of it
        QGuiApplication::clipboard()->clear();
        QTest::mouseClick(w->findChild<QPushButton*>(button), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), copied);
        QCOMPARE(line->selectedText(), copied);
    }

    void typingIntoAnEditor()
    {
        QSignalSpy forms(w->edtHC, &QLineEdit::textChanged);
        w->edtR->setFocus(Qt::TabFocusReason);
        w->edtR->selectAll();
        QTest::keyClick(w->edtR, Qt::Key_Backspace);
        QCOMPARE(w->edtR->text(), QString());
        QCOMPARE(CurrentColor.R, 255); // an empty editor keeps the channel

        const struct {
            char key;
            const char* text;
            int red;
        } steps[] = { { '3', "3", 3 }, { '0', "30", 30 }, { '0', "255", 255 } };
        for (const auto& step : steps) {
            QTest::keyClick(w->edtR, step.key);
            QCOMPARE(w->edtR->text(), QLatin1String(step.text));
            QCOMPARE(CurrentColor.R, step.red);
            QCOMPARE(w->edtHC->text(), QStringLiteral("#%1FFFF").arg(step.red, 2, 16, QLatin1Char('0')).toUpper());
        }
        QCOMPARE(forms.count(), 3);
        QCOMPARE(w->edtG->text(), QStringLiteral("255"));
    }

    void negativeAndLeadingZerosUntilFocusLeaves_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("red");
        QTest::addColumn<QString>("afterLeaving");
        QTest::newRow("negative") << "-5" << 0 << "0";
        QTest::newRow("leading zeros") << "007" << 7 << "7";
        QTest::newRow("emptied") << "" << 255 << "255";
    }

    void negativeAndLeadingZerosUntilFocusLeaves()
    {
        QFETCH(QString, typed);
        QFETCH(int, red);
        w->edtR->setFocus(Qt::TabFocusReason);
        w->edtR->selectAll();
        QTest::keyClick(w->edtR, Qt::Key_Backspace);
        QTest::keyClicks(w->edtR, typed);
        QCOMPARE(w->edtR->text(), typed);
        QCOMPARE(CurrentColor.R, red);

        QSignalSpy forms(w->edtHC, &QLineEdit::textChanged);
        w->edtG->setFocus(Qt::TabFocusReason);
        QFETCH(QString, afterLeaving);
        QCOMPARE(w->edtR->text(), afterLeaving);
        QCOMPARE(CurrentColor.R, red);
        QCOMPARE(forms.count(), 0); // leaving rewrites the text, not the colour
    }

    void keysAndWheelStepOneChannel()
    {
        CurrentColor = Rgb(100, 100, 100);
        w->UpdateViews();
        w->edtG->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w->edtG, Qt::Key_Up);
        QCOMPARE(CurrentColor, Rgb(100, 101, 100));
        QWheelEvent away(QPointF(5, 5), w->edtG->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120), Qt::NoButton,
            Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(w->edtG, &away);
        QApplication::sendEvent(w->edtG, &away);
        CheckShows(Rgb(100, 99, 100), QStringLiteral("#646364"));
        QCOMPARE(w->edtR->text(), QStringLiteral("100"));
    }

    void dialogKeysDoNothingHere()
    {
        w->edtB->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w->edtB, Qt::Key_Return);
        QTest::keyClick(w->edtB, Qt::Key_Escape);
        QVERIFY(w->isVisible());
        QCOMPARE(w->edtB->text(), QStringLiteral("255"));
        CheckShows(Rgb(255, 255, 255), QStringLiteral("#FFFFFF"));
    }

    void pastedNumberTooLargeForThirtyTwoBits()
    {
        QSignalSpy forms(w->edtHC, &QLineEdit::textChanged);
        w->edtR->setFocus(Qt::TabFocusReason);
        QGuiApplication::clipboard()->setText(QStringLiteral("12345678901"));
        w->edtR->selectAll();
        QTest::keyClick(w->edtR, Qt::Key_V, Qt::ControlModifier);
        QTRY_COMPARE(errors, QStringList { QStringLiteral("'12345678901' is not a valid integer value.") });
        QCOMPARE(w->edtR->text(), QStringLiteral("12345678901"));
        QCOMPARE(w->edtR->Value(), 255);
        QCOMPARE(CurrentColor.R, 255);
        QCOMPARE(forms.count(), 0);
    }

    void pickShowsThePixelAndTheMagnifier()
    {
        desktop.Screen.setPixel(100, 50, qRgb(255, 128, 0));
        Mouse(QEvent::MouseButtonPress);
        QVERIFY(w->Picking());
        QCOMPARE(w->lblMousePos->text(), QStringLiteral("X：0 , Y：0")); // nothing is read at the press
        Mouse(QEvent::MouseMove);
        QCOMPARE(w->lblMousePos->text(), QStringLiteral("X:100 ,Y:50 "));
        CheckShows(Rgb(255, 128, 0), QStringLiteral("#FF8000"));
        QCOMPARE(w->edtR->Value(), 255);
        QCOMPARE(w->edtG->text(), QStringLiteral("128"));

        const QImage& zoom = w->ZoomBitmap();
        QCOMPARE(zoom.pixel(67, 51), qRgb(255, 128, 0)); // the pointer's block, below the bars
        QCOMPARE(zoom.pixel(64, 40), qRgb(0, 127, 255)); // crosshair in the complement
        QCOMPARE(zoom.pixel(0, 0), qRgb(10, 20, 30));

        Mouse(QEvent::MouseButtonRelease);
        QVERIFY(!w->Picking());
        QCOMPARE(w->History()[0], Rgb(255, 128, 0));
        QCOMPARE(w->NextSlot(), 1);
        QCOMPARE(w->LastSlot(), 0);
        QCOMPARE(w->lblMousePos->text(), QStringLiteral("X:100 ,Y:50 ")); // the last move stays shown
        CheckShows(Rgb(255, 128, 0), QStringLiteral("#FF8000"));
    }

    void quickSecondPressStartsAPickToo()
    {
        Pick(qRgb(200, 0, 0));
        desktop.Screen.setPixel(desktop.Pointer, qRgb(0, 200, 0));
        Mouse(QEvent::MouseButtonDblClick);
        Mouse(QEvent::MouseMove);
        Mouse(QEvent::MouseButtonRelease);
        QCOMPARE(w->History()[1], Rgb(0, 200, 0));
    }

    void movesWithoutAPressChangeNothing()
    {
        Mouse(QEvent::MouseMove);
        QCOMPARE(w->lblMousePos->text(), QStringLiteral("X：0 , Y：0"));
        CheckShows(Rgb(255, 255, 255), QStringLiteral("#FFFFFF"));
        QCOMPARE(w->ZoomBitmap().pixel(64, 48), qRgb(246, 247, 251));
    }

    void pressAndReleaseWithoutMovePushesThePreviousPick()
    {
        Mouse(QEvent::MouseButtonPress);
        Mouse(QEvent::MouseButtonRelease);
        QCOMPARE(w->History()[0], Rgb(0, 0, 0)); // nothing picked yet: black
        QCOMPARE(w->NextSlot(), 1);
        CheckShows(Rgb(255, 255, 255), QStringLiteral("#FFFFFF")); // cell 0 was current already
    }

    void monitorLeftOfThePrimaryAndPastTheEdge()
    {
        desktop = FakeDesktop({ 800, 600 }, qRgb(0, 0, 0));
        desktop.Origin = { -400, 0 }; // a monitor left of the primary one
        desktop.Pointer = { -395, 3 };
        Pick(qRgb(1, 2, 3));
        QCOMPARE(w->lblMousePos->text(), QStringLiteral("X:-395 ,Y:3 "));
        CheckShows(Rgb(1, 2, 3), QStringLiteral("#010203"));
        QCOMPARE(w->ZoomBitmap().pixel(0, 0), qRgb(128, 128, 128)); // left of every screen
        QCOMPARE(w->ZoomBitmap().pixel(127, 95), qRgb(0, 0, 0));

        desktop.Pointer = { -401, 3 }; // no pixel there at all
        Mouse(QEvent::MouseButtonPress);
        Mouse(QEvent::MouseMove);
        QCOMPARE(w->PickedColor(), 0xFFFFFFFFu);
        CheckShows(Rgb(255, 255, 255), QStringLiteral("#FFFFFF"));
        Mouse(QEvent::MouseButtonRelease);
        QCOMPARE(w->History()[1], Rgb(255, 255, 255));
    }

    void pushedSlotBecomesTheCurrentCell()
    {
        for (int i = 0; i < 4; ++i)
            Pick(qRgb(i + 1, 0, 0)); // slots 0..3, current cell (3,0)
        QCOMPARE(w->sdgHistory->Col(), 3);
        QSignalSpy forms(w->edtHC, &QLineEdit::textChanged);
        Pick(qRgb(0, 0, 200)); // slot 4: column to 0 first, then row to 1
        QCOMPARE(w->sdgHistory->Col(), 0);
        QCOMPARE(w->sdgHistory->Row(), 1);
        QCOMPARE(w->sdgHistory->Anchor(), QPoint(0, 1));
        // The move's refresh, then slot 0 on the way through (0,0), then the pushed slot.
        QStringList shown;
        for (const auto& args : forms)
            shown << args.at(0).toString();
        QCOMPARE(shown, (QStringList { "#0000C8", "#010000", "#0000C8" }));
    }

    void gridClicksLoadSlots()
    {
        Pick(qRgb(200, 0, 0));
        Pick(qRgb(0, 200, 0)); // current cell (1,0)
        QTest::mouseClick(w->sdgHistory, Qt::LeftButton, {}, CellCentre(0, 0));
        CheckShows(Rgb(200, 0, 0), QStringLiteral("#C80000"));

        // Clicking the current cell again brings its colour back after an edit.
        w->edtB->SetValue(9);
        QCOMPARE(CurrentColor, Rgb(200, 0, 9));
        QTest::mouseClick(w->sdgHistory, Qt::LeftButton, {}, CellCentre(0, 0));
        CheckShows(Rgb(200, 0, 0), QStringLiteral("#C80000"));

        // A click on a grid line selects nothing.
        QTest::mouseClick(w->sdgHistory, Qt::LeftButton, {}, QPoint(16, 5));
        QCOMPARE(w->sdgHistory->Col(), 0);
    }

    void dragAndShiftWidenTheSelectionOnly()
    {
        Pick(qRgb(200, 0, 0));
        w->sdgHistory->SetCol(1); // current (1,0): slot 1, white
        QTest::mousePress(w->sdgHistory, Qt::LeftButton, {}, CellCentre(0, 0));
        QMouseEvent drag(QEvent::MouseMove, CellCentre(2, 1), w->sdgHistory->mapToGlobal(CellCentre(2, 1)), Qt::NoButton,
            Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w->sdgHistory, &drag);
        QTest::mouseRelease(w->sdgHistory, Qt::LeftButton, {}, CellCentre(2, 1));
        CheckShows(Rgb(200, 0, 0), QStringLiteral("#C80000")); // the press cell's colour
        for (int row = 0; row < 4; ++row)
            for (int col = 0; col < 4; ++col)
                QCOMPARE(w->sdgHistory->IsSelected(col, row), col <= 2 && row <= 1);

        QTest::mouseClick(w->sdgHistory, Qt::LeftButton, Qt::ShiftModifier, CellCentre(3, 3));
        QCOMPARE(w->sdgHistory->Col(), 0);
        QVERIFY(w->sdgHistory->IsSelected(3, 3));
        CheckShows(Rgb(200, 0, 0), QStringLiteral("#C80000"));
    }

    void gridKeys()
    {
        for (int i = 0; i < 16; ++i)
            Pick(qRgb(i + 1, 0, 0)); // slot i holds red i + 1
        w->sdgHistory->setFocus();
        const struct {
            Qt::Key key;
            Qt::KeyboardModifiers mods;
            int col, row;
            bool anchorMoves;
        } steps[] = { { Qt::Key_Home, {}, 0, 3, true }, { Qt::Key_PageUp, {}, 0, 0, true }, { Qt::Key_Right, {}, 1, 0, true },
            { Qt::Key_Down, Qt::ShiftModifier, 1, 1, false }, { Qt::Key_End, {}, 3, 1, true },
            { Qt::Key_PageDown, {}, 3, 3, true }, { Qt::Key_Right, {}, 3, 3, true } };
        for (const auto& step : steps) {
            const QPoint anchorBefore = w->sdgHistory->Anchor();
            QTest::keyClick(w->sdgHistory, step.key, step.mods);
            QCOMPARE(w->sdgHistory->Col(), step.col);
            QCOMPARE(w->sdgHistory->Row(), step.row);
            QCOMPARE(w->sdgHistory->Anchor(), step.anchorMoves ? QPoint(step.col, step.row) : anchorBefore);
            QCOMPARE(CurrentColor, Rgb(step.row * 4 + step.col + 1, 0, 0));
        }
    }

    void historySurvivesARestart()
    {
        Pick(qRgb(12, 34, 56));
        Pick(qRgb(70, 80, 90));
        w->sdgHistory->SetCol(0); // current colour: slot 0
        w->close();
        QFile file(HistoryPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.size(), 59);
        file.close();

        delete w;
        CurrentColor = {};
        w = new TfrmMain(desktop);
        CheckShows(Rgb(12, 34, 56), QStringLiteral("#0C2238"));
        QCOMPARE(w->NextSlot(), 2);
        QCOMPARE(w->LastSlot(), 1);
        QCOMPARE(w->History()[1], Rgb(70, 80, 90));
        QCOMPARE(w->sdgHistory->Col(), 0); // the grid starts at cell 0 whatever the file says
    }
};

QTEST_MAIN(tst_mainRGB)
#include "tst_mainRGB.moc"
