#include "app/Errors.h"
#include "app/TintoraApplication.h"
#include "controls/TrackEditRules.h"
#include "controls/bsSkinTrackEdit.h"

#include <QClipboard>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>

using namespace TrackEditRules;

class tst_TrackEdit : public QObject {
    Q_OBJECT

    QWidget* window = nullptr;
    TbsSkinTrackEdit* edit = nullptr;
    QLineEdit* other = nullptr;
    QStringList errors;

    void Wheel(int delta)
    {
        QWheelEvent event(QPointF(5, 5), edit->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta), Qt::NoButton,
            Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(edit, &event);
    }

private slots:
    void initTestCase()
    {
        TintoraApplication::SetErrorSink([this](const QString& text) { errors << text; });
    }

    void init()
    {
        errors.clear();
        window = new QWidget;
        edit = new TbsSkinTrackEdit(window);
        edit->SetMinValue(0);
        edit->SetMaxValue(255);
        other = new QLineEdit(window);
        auto* layout = new QVBoxLayout(window);
        layout->addWidget(edit);
        layout->addWidget(other);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        edit->setFocus(Qt::OtherFocusReason);
    }

    void cleanup() { delete window; }

    void isNumberText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("number");
        QTest::newRow("empty") << "" << false;
        QTest::newRow("minus alone") << "-" << false;
        QTest::newRow("digits") << "0123" << true;
        QTest::newRow("negative") << "-5" << true;
        QTest::newRow("minus inside") << "5-" << false;
        QTest::newRow("two minus") << "--5" << false;
        QTest::newRow("letter") << "1a" << false;
        QTest::newRow("blank") << " 1" << false;
        QTest::newRow("plus") << "+1" << false;
        QTest::newRow("too long still a number text") << "99999999999" << true;
    }

    void isNumberText()
    {
        QFETCH(QString, text);
        QFETCH(bool, number);
        QCOMPARE(IsNumberText(text), number);
    }

    void acceptedChars_data()
    {
        QTest::addColumn<QChar>("ch");
        QTest::addColumn<QString>("current");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("digit") << QChar('7') << "12" << true;
        QTest::newRow("first minus") << QChar('-') << "12" << true;
        QTest::newRow("second minus") << QChar('-') << "-12" << false;
        QTest::newRow("minus after one inside") << QChar('-') << "1-2" << false;
        QTest::newRow("letter") << QChar('a') << "" << false;
        QTest::newRow("blank") << QChar(' ') << "" << false;
        QTest::newRow("backspace") << QChar(8) << "12" << true;
        QTest::newRow("ctrl+v") << QChar(22) << "12" << true;
        QTest::newRow("carriage return") << QChar(13) << "12" << false;
    }

    void acceptedChars()
    {
        QFETCH(QChar, ch);
        QFETCH(QString, current);
        QFETCH(bool, accepted);
        QCOMPARE(IsAcceptedChar(ch, current), accepted);
    }

    void correction_data()
    {
        QTest::addColumn<int>("minValue");
        QTest::addColumn<int>("maxValue");
        QTest::addColumn<int>("parsed");
        QTest::addColumn<int>("clamped");
        QTest::addColumn<bool>("corrected");
        QTest::newRow("above the top") << 0 << 255 << 300 << 255 << true;
        QTest::newRow("negative below zero minimum stays") << 0 << 255 << -5 << 0 << false;
        QTest::newRow("in range") << 0 << 255 << 7 << 7 << false;
        QTest::newRow("both negative, clamped up") << -10 << 10 << -50 << -10 << true;
        QTest::newRow("typing up towards a larger minimum") << 10 << 100 << 5 << 10 << false;
        QTest::newRow("negative with positive minimum") << 10 << 100 << -5 << 10 << true;
        QTest::newRow("positive with negative minimum") << -10 << 10 << 5 << 5 << true;
    }

    void correction()
    {
        QFETCH(int, minValue);
        QFETCH(int, maxValue);
        QFETCH(int, parsed);
        QFETCH(int, clamped);
        QCOMPARE(ClampToRange(parsed, minValue, maxValue), clamped);
        QFETCH(bool, corrected);
        QCOMPARE(TextNeedsCorrection(parsed, clamped, minValue), corrected);
    }

    void clampingOffWhenMinEqualsMax()
    {
        QCOMPARE(ClampToRange(-7, 5, 5), -7);
        edit->SetMinValue(5);
        edit->SetMaxValue(5);
        edit->SetValue(1000);
        QCOMPARE(edit->Value(), 1000);
        QCOMPARE(edit->text(), QStringLiteral("1000"));
    }

    void parseErrors()
    {
        QCOMPARE(ParseNumberText(QStringLiteral("-2147483648")), std::numeric_limits<std::int32_t>::min());
        QVERIFY_THROWS_EXCEPTION(EConvertError, (void)ParseNumberText(QStringLiteral("2147483648")));
        try {
            [[maybe_unused]] const auto value = ParseNumberText(QStringLiteral("12345678901"));
            QFAIL("no error");
        } catch (const EConvertError& e) {
            QCOMPARE(e.Message(), QStringLiteral("'12345678901' is not a valid integer value"));
        }
    }

    void valueWriteRaisesChangeOnlyWhenTextChanges()
    {
        QSignalSpy changes(edit, &TbsSkinTrackEdit::OnChange);
        edit->SetValue(12);
        QCOMPARE(changes.count(), 1);
        edit->SetValue(12);
        QCOMPARE(changes.count(), 1);
        edit->SetValue(999);
        QCOMPARE(edit->Value(), 255);
        QCOMPARE(edit->text(), QStringLiteral("255"));
        QCOMPARE(changes.count(), 2);
    }

    void refusedCharacters()
    {
        edit->clear();
        QSignalSpy refused(edit, &TbsSkinTrackEdit::CharRefused);
        QTest::keyClicks(edit, QStringLiteral("-5"));
        QTest::keyClicks(edit, QStringLiteral("-x"));
        QCOMPARE(edit->text(), QStringLiteral("-5"));
        QCOMPARE(refused.count(), 2);
    }

    void stepKeysStopAtTheBounds()
    {
        QSignalSpy changes(edit, &TbsSkinTrackEdit::OnChange);
        edit->SetValue(255);
        changes.clear();
        QTest::keyClick(edit, Qt::Key_Up);
        QCOMPARE(edit->Value(), 255);
        QCOMPARE(changes.count(), 0);
        QTest::keyClick(edit, Qt::Key_Down);
        QCOMPARE(edit->Value(), 254);
        QCOMPARE(changes.count(), 1);

        edit->SetValue(0);
        changes.clear();
        QTest::keyClick(edit, Qt::Key_Down);
        QCOMPARE(edit->Value(), 0);
        QCOMPARE(changes.count(), 0);
    }

    void wheelStepsOncePerMessage()
    {
        edit->SetValue(100);
        Wheel(120);
        QCOMPARE(edit->Value(), 99); // away from the user lowers
        Wheel(360);
        QCOMPARE(edit->Value(), 98); // one step whatever the amount
        Wheel(-15);
        QCOMPARE(edit->Value(), 99);

        other->setFocus(Qt::TabFocusReason);
        Wheel(120);
        QCOMPARE(edit->Value(), 99); // without the focus the wheel does nothing
    }

    void focusLossRewritesTheText()
    {
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("007"));
        QCOMPARE(edit->Value(), 7);
        QCOMPARE(edit->text(), QStringLiteral("007"));
        other->setFocus(Qt::TabFocusReason);
        QCOMPARE(edit->text(), QStringLiteral("7"));
    }

    void tooLongNumberReportsAndChangesNothing()
    {
        edit->SetValue(42);
        QSignalSpy changes(edit, &TbsSkinTrackEdit::OnChange);
        QGuiApplication::clipboard()->setText(QStringLiteral("12345678901"));
        edit->selectAll();
        edit->paste();
        QCOMPARE(edit->text(), QStringLiteral("12345678901"));
        QCOMPARE(edit->Value(), 42);
        QCOMPARE(changes.count(), 0);
        QTRY_COMPARE(errors, QStringList { QStringLiteral("'12345678901' is not a valid integer value.") });
    }
};

QTEST_MAIN(tst_TrackEdit)
#include "tst_TrackEdit.moc"
