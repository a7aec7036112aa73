// The counting rules and the timing of the four step buttons, without the window: the limits of
// month and day, the displacement carried over when the direction changes, the line of day 31
// in every month, the faults of a missing or short month file, and the auto-repeat that makes
// one step per wait while a button is held.

#include "navigation/step_repeat.h"
#include "navigation/step_state.h"
#include "platform/data_fault.h"
#include "support/data_fixture.h"

#include <QTest>

using namespace std::chrono_literals;

namespace {

// A sequence of presses: "<" month back, ">" month forward, "-" day back, "+" day forward.
StepState::Shown press(StepState& steps, QChar key) {
    switch (key.toLatin1()) {
    case '<':
        return steps.monthBack();
    case '>':
        return steps.monthForward();
    case '-':
        return steps.dayBack();
    default:
        return steps.dayForward();
    }
}

StepState::Shown pressAll(StepState& steps, const QString& keys) {
    StepState::Shown shown;
    for (QChar key : keys)
        shown = press(steps, key);
    return shown;
}

} // namespace

class TstStepButtons : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void limitsReShowTheSameLine_data();
    void limitsReShowTheSameLine();
    void displacementCarriesOver_data();
    void displacementCarriesOver();
    void dayThirtyOneInEveryMonth();
    void monthStepShowsTheMonthName();
    void resetStartsFromToday();
    void faultLeavesTheShownDay_data();
    void faultLeavesTheShownDay();

    void clickMakesOneStepAfterTheWait();
    void heldButtonStepsOncePerWait();
    void releaseDuringTheWaitStillSteps();
    void timerDrivesTheRepetition();
    void newPressTakesOver();
};

void TstStepButtons::limitsReShowTheSameLine_data() {
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("away");
    QTest::newRow("month back in January") << QDate(2009, 1, 15) << "<"
                                           << ">";
    QTest::newRow("month forward in December") << QDate(2009, 12, 15) << ">"
                                               << "<";
    QTest::newRow("day back on day 1") << QDate(2009, 4, 1) << "-"
                                       << "+";
    QTest::newRow("day forward on day 31") << QDate(2009, 5, 31) << "+"
                                           << "-";
}

void TstStepButtons::limitsReShowTheSameLine() {
    QFETCH(QDate, today);
    QFETCH(QString, keys);
    QFETCH(QString, away);
    DataFixture data;
    StepState steps;
    steps.reset(data.ruta(), today.month(), today.day());
    for (int i = 0; i < 3; ++i) {
        const StepState::Shown shown = pressAll(steps, keys);
        QCOMPARE(shown.month, today.month());
        QCOMPARE(shown.day, today.day());
        QCOMPARE(shown.line, DataFixture::defaultDayLine(today.month(), today.day()));
    }
    // Presses against the limit are not counted: one step the other way leaves it.
    const StepState::Shown left = pressAll(steps, away);
    QVERIFY(left.month != today.month() || left.day != today.day());
}

void TstStepButtons::displacementCarriesOver_data() {
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::newRow("two months forward then one back") << QDate(2009, 4, 12) << ">><" << 5 << 12;
    QTest::newRow("three days forward then one back") << QDate(2009, 4, 12) << "+++-" << 4 << 14;
    QTest::newRow("three days forward then a month forward")
        << QDate(2009, 3, 5) << "+++>" << 4 << 8;
    QTest::newRow("month forward then days back") << QDate(2009, 11, 3) << ">--" << 12 << 1;
    QTest::newRow("back and forth returns to today") << QDate(2009, 6, 20) << "<<>>--++" << 6 << 20;
    QTest::newRow("February stays reachable from January")
        << QDate(2009, 2, 10) << "<<<>" << 2 << 10;
    QTest::newRow("day 30 stays reachable after day 31") << QDate(2009, 1, 30) << "+++-" << 1 << 30;
}

void TstStepButtons::displacementCarriesOver() {
    QFETCH(QDate, today);
    QFETCH(QString, keys);
    QFETCH(int, month);
    QFETCH(int, day);
    DataFixture data;
    StepState steps;
    steps.reset(data.ruta(), today.month(), today.day());
    const StepState::Shown shown = pressAll(steps, keys);
    QCOMPARE(shown.month, month);
    QCOMPARE(shown.day, day);
    QCOMPARE(shown.line, DataFixture::defaultDayLine(month, day));
    QCOMPARE(steps.archMes(), data.path(QStringLiteral("%1.txt").arg(month, 2, 10, QChar('0'))));
}

void TstStepButtons::dayThirtyOneInEveryMonth() {
    // April has 30 days; its file still has a line for the 31st, and that line is shown.
    DataFixture data;
    data.setDayLine(4, 31, QStringLiteral("(no hay 31 de abril)"));
    StepState steps;
    steps.reset(data.ruta(), 4, 30);
    QCOMPARE(steps.dayForward().line, QStringLiteral("(no hay 31 de abril)"));
    steps.reset(data.ruta(), 2, 28);
    QCOMPARE(pressAll(steps, QStringLiteral("+++")).line, DataFixture::defaultDayLine(2, 31));
}

void TstStepButtons::monthStepShowsTheMonthName() {
    DataFixture data;
    StepState steps;
    steps.reset(data.ruta(), 8, 15);
    QCOMPARE(steps.monthForward().monthName, QStringLiteral("Septiembre"));
    QCOMPARE(steps.monthBack().monthName, QStringLiteral("Agosto"));
    QCOMPARE(steps.dayForward().monthName, std::nullopt);
}

void TstStepButtons::resetStartsFromToday() {
    DataFixture data;
    StepState steps;
    steps.reset(data.ruta(), 4, 12);
    pressAll(steps, QStringLiteral(">>>+++++"));
    steps.reset(data.ruta(), 4, 12);
    const StepState::Shown shown = steps.dayForward();
    QCOMPARE(shown.month, 4);
    QCOMPARE(shown.day, 13);
    QCOMPARE(shown.line, DataFixture::defaultDayLine(4, 13));
}

void TstStepButtons::faultLeavesTheShownDay_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("kind");
    QTest::newRow("next month's file missing") << ">"
                                               << "05.txt" << int(DataFault::Kind::NotFound);
    QTest::newRow("this month's file too short") << "++"
                                                 << "04.txt" << int(DataFault::Kind::PastEnd);
}

void TstStepButtons::faultLeavesTheShownDay() {
    QFETCH(QString, keys);
    QFETCH(QString, file);
    QFETCH(int, kind);
    DataFixture data;
    data.removeFile(QStringLiteral("05.txt"));
    data.writeLines(QStringLiteral("04.txt"), data.lines(QStringLiteral("04.txt")).mid(0, 13));
    StepState steps;
    steps.reset(data.ruta(), 4, 12);
    try {
        pressAll(steps, keys);
        QFAIL("the step read a file that is not there");
    } catch (const DataFault& fault) {
        QCOMPARE(int(fault.kind()), kind);
        QCOMPARE(fault.path(), data.path(file));
    }
    // The counts are as before the failed step: one day back shows what that step shows.
    const int shownDay = keys.size() == 2 ? 13 : 12;
    QCOMPARE(steps.shownMonth(), 4);
    QCOMPARE(steps.shownDay(), shownDay);
    QCOMPARE(steps.archMes(), data.path(QStringLiteral("04.txt")));
    QCOMPARE(steps.dayBack().line, DataFixture::defaultDayLine(4, shownDay - 1));
}

void TstStepButtons::clickMakesOneStepAfterTheWait() {
    StepRepeat repeat;
    int steps = 0;
    repeat.press([&] { ++steps; });
    QCOMPARE(repeat.wait(), 200ms);
    QVERIFY(!repeat.suelto());
    QCOMPARE(steps, 0); // nothing before the wait ends
    repeat.release();
    QVERIFY(repeat.suelto());
    repeat.tick();
    QCOMPARE(steps, 1);
    QVERIFY(!repeat.repeating());
    repeat.tick();
    QCOMPARE(steps, 1);
}

void TstStepButtons::heldButtonStepsOncePerWait() {
    StepRepeat repeat;
    int steps = 0;
    repeat.press([&] { ++steps; });
    for (int wait = 1; wait <= 5; ++wait) {
        repeat.tick();
        QCOMPARE(steps, wait);
        QVERIFY(repeat.repeating());
    }
}

void TstStepButtons::releaseDuringTheWaitStillSteps() {
    StepRepeat repeat;
    int steps = 0;
    repeat.press([&] { ++steps; });
    repeat.tick();
    repeat.tick();
    repeat.release();
    QVERIFY(repeat.repeating()); // the pass under way is not cut short
    repeat.tick();
    QCOMPARE(steps, 3);
    QVERIFY(!repeat.repeating());
}

void TstStepButtons::timerDrivesTheRepetition() {
    StepRepeat repeat;
    repeat.setWait(1ms);
    int steps = 0;
    repeat.press([&] { ++steps; });
    QTRY_VERIFY(steps >= 3);
    repeat.release();
    QTRY_VERIFY(!repeat.repeating());
    const int done = steps;
    QCoreApplication::processEvents();
    QCOMPARE(steps, done);
}

void TstStepButtons::newPressTakesOver() {
    StepRepeat repeat;
    int back = 0;
    int forward = 0;
    repeat.press([&] { ++back; });
    repeat.tick();
    repeat.press([&] { ++forward; });
    repeat.tick();
    repeat.tick();
    QCOMPARE(back, 1);
    QCOMPARE(forward, 2);
}

QTEST_GUILESS_MAIN(TstStepButtons)
#include "tst_step_buttons.moc"
