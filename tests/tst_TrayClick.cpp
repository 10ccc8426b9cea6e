#include "controls/TrayClick.h"

#include <QTest>

using Input = TTrayClickMachine::Input;

namespace {

// One letter per input: p/r left press/release, d double click, t timer end,
// P/R right press/release, m move. The answer lists what the owner must do.
Input InputOf(QChar letter)
{
    switch (letter.unicode()) {
    case 'p':
        return Input::LeftPress;
    case 'r':
        return Input::LeftRelease;
    case 'd':
        return Input::LeftDoubleClick;
    case 't':
        return Input::TimerEnd;
    case 'P':
        return Input::RightPress;
    case 'R':
        return Input::RightRelease;
    default:
        return Input::Move;
    }
}

QString Describe(unsigned outputs)
{
    QStringList parts;
    if (outputs & TTrayClickMachine::StartTimer)
        parts << QStringLiteral("start");
    if (outputs & TTrayClickMachine::StopTimer)
        parts << QStringLiteral("stop");
    if (outputs & TTrayClickMachine::Click)
        parts << QStringLiteral("CLICK");
    if (outputs & TTrayClickMachine::DoubleClick)
        parts << QStringLiteral("DOUBLE");
    if (outputs & TTrayClickMachine::OpenMenu)
        parts << QStringLiteral("MENU");
    return parts.isEmpty() ? QStringLiteral("-") : parts.join(QLatin1Char('+'));
}

} // namespace

class tst_TrayClick : public QObject {
    Q_OBJECT

private slots:
    void sequences_data()
    {
        QTest::addColumn<QString>("inputs");
        QTest::addColumn<QString>("answers");

        // A click acts only once the double-click time is over.
        QTest::newRow("click") << "prt"
                               << "start - CLICK";
        QTest::newRow("click with moves") << "mpmrmt"
                                          << "- start - - - CLICK";
        // Held past the double-click time: at the release.
        QTest::newRow("long press") << "ptr"
                                    << "start - CLICK";
        QTest::newRow("long press, timer never again") << "ptrt"
                                                       << "start - CLICK -";
        // The platform reports the second press of a double click as a double click.
        QTest::newRow("double click") << "prdr"
                                      << "start - stop+DOUBLE -";
        QTest::newRow("double click, stale timer") << "prdrt"
                                                   << "start - stop+DOUBLE - -";
        QTest::newRow("double click after the timer") << "prtdr"
                                                      << "start - CLICK DOUBLE -";
        QTest::newRow("two slow clicks") << "prtprt"
                                         << "start - CLICK start - CLICK";
        QTest::newRow("second press restarts the wait") << "prpt"
                                                        << "start - start -";
        QTest::newRow("release without press") << "rt"
                                               << "- -";
        // Only the right button opens the menu, on its press.
        QTest::newRow("right press") << "PR"
                                     << "MENU -";
        QTest::newRow("right press during a click") << "pPrt"
                                                    << "start MENU - CLICK";
    }

    void sequences()
    {
        QFETCH(QString, inputs);
        QFETCH(QString, answers);
        TTrayClickMachine machine;
        QStringList got;
        for (QChar letter : inputs)
            got << Describe(machine.Feed(InputOf(letter)));
        QCOMPARE(got.join(QLatin1Char(' ')), answers);
    }
};

QTEST_APPLESS_MAIN(tst_TrayClick)
#include "tst_TrayClick.moc"
