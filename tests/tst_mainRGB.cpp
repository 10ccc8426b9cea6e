#include "app/TintoraApplication.h"
#include "controls/bsSkinTrackEdit.h"
#include "main/mainRGB.h"
#include "platform/FakeDesktop.h"

#include <QClipboard>
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
};

QTEST_MAIN(tst_mainRGB)
#include "tst_mainRGB.moc"
