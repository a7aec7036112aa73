// The step buttons, the tooltip of the celebrations line and the today button in the main
// window: what a click and a held button show, the border while a button is down, any mouse
// button, the tooltip of a long line, a fault while stepping, and the return to today.

#include "app/form1.h"
#include "platform/clock.h"
#include "support/data_fixture.h"
#include "support/scripted_prompter.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

namespace {

void mouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button = Qt::LeftButton) {
    const QPointF pos(widget->width() / 2.0, widget->height() / 2.0);
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? button : Qt::NoButton;
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// A click: press, release, then the end of the wait that makes the step.
void click(Form1& form, VbLabel* label) {
    mouse(label, QEvent::MouseButtonPress);
    mouse(label, QEvent::MouseButtonRelease);
    form.stepRepeat.tick();
}

QString longLine() {
    return QStringLiteral("Santos ").repeated(40) + QStringLiteral("-b");
}

} // namespace

class TstNavigationWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void clickMakesOneStep_data();
    void clickMakesOneStep();
    void heldButtonMakesSeveralSteps();
    void todayButtonStepsFromToday();
    void faultWhileHeldIsToldOnce();
    void tooltipShowsALongLine_data();
    void tooltipShowsALongLine();
    void tooltipFollowsThePointerNotTheCaption();
};

void TstNavigationWindow::clickMakesOneStep_data() {
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::newRow("left button") << Qt::LeftButton;
    QTest::newRow("right button") << Qt::RightButton;
    QTest::newRow("middle button") << Qt::MiddleButton;
}

void TstNavigationWindow::clickMakesOneStep() {
    QFETCH(Qt::MouseButton, button);
    DataFixture data;
    FixedClock clock(QDate(2009, 4, 10));
    ScriptedPrompter prompter;
    Form1 form(clock, data.ruta(), prompter);
    form.start();
    mouse(form.Label19, QEvent::MouseButtonPress, button);
    QVERIFY(!form.Label19->isBoxed());
    QCOMPARE(form.Label14->text(), QStringLiteral("Dia 10/4")); // not before the wait ends
    mouse(form.Label19, QEvent::MouseButtonRelease, button);
    QVERIFY(form.Label19->isBoxed());
    form.stepRepeat.tick();
    QCOMPARE(form.Label14->text(), QStringLiteral("Dia 11/4"));
    QVERIFY(!form.stepRepeat.repeating());
    QCOMPARE(form.Label15->text(), QStringLiteral("Abril"));
}

void TstNavigationWindow::heldButtonMakesSeveralSteps() {
    DataFixture data;
    FixedClock clock(QDate(2009, 4, 10));
    ScriptedPrompter prompter;
    Form1 form(clock, data.ruta(), prompter);
    form.start();
    mouse(form.Label18, QEvent::MouseButtonPress);
    for (int day = 9; day >= 6; --day) {
        form.stepRepeat.tick();
        QCOMPARE(form.Label14->text(), QStringLiteral("Dia %1/4").arg(day));
        QVERIFY(!form.Label18->isBoxed());
    }
    mouse(form.Label18, QEvent::MouseButtonRelease);
    form.stepRepeat.tick(); // the pass under way still steps
    QCOMPARE(form.Label14->text(), QStringLiteral("Dia 5/4"));
    QVERIFY(!form.stepRepeat.repeating());
    QVERIFY(form.Label18->isBoxed());
}

void TstNavigationWindow::todayButtonStepsFromToday() {
    DataFixture data;
    FixedClock clock(QDate(2009, 4, 12));
    ScriptedPrompter prompter;
    Form1 form(clock, data.ruta(), prompter);
    form.start();
    click(form, form.Label17);
    click(form, form.Label17);
    for (int i = 0; i < 4; ++i)
        click(form, form.Label18);
    QCOMPARE(form.Label14->text(), QStringLiteral("Dia 8/6"));
    form.Command9->setFocus();
    form.Text1->setText(QStringLiteral(" Hallados : 3"));
    form.Command2->click();
    QCOMPARE(form.Text1->text(), QString());
    QCOMPARE(form.focusWidget(), form.Command6);
    QCOMPARE(form.Label15->text(), QStringLiteral("Abril"));
    QCOMPARE(form.Label14->text(), QStringLiteral("Dia 12/4"));
    click(form, form.Label19);
    QCOMPARE(form.Label14->text(), QStringLiteral("Dia 13/4"));
}

void TstNavigationWindow::faultWhileHeldIsToldOnce() {
    DataFixture data;
    data.removeFile(QStringLiteral("05.txt"));
    FixedClock clock(QDate(2009, 4, 12));
    ScriptedPrompter prompter;
    Form1 form(clock, data.ruta(), prompter);
    form.start();
    mouse(form.Label17, QEvent::MouseButtonPress);
    form.stepRepeat.tick();
    QVERIFY(!form.stepRepeat.repeating());
    QCOMPARE(prompter.messages.size(), 1);
    QVERIFY(prompter.messages.first().contains(QStringLiteral("05.txt")));
    QCOMPARE(form.Label15->text(), QStringLiteral("Abril"));
    QCOMPARE(form.Label14->text(), QStringLiteral("Dia 12/4"));
    mouse(form.Label17, QEvent::MouseButtonRelease);
    click(form, form.Label19); // the window goes on stepping from where it was
    QCOMPARE(form.Label14->text(), QStringLiteral("Dia 13/4"));
}

void TstNavigationWindow::tooltipShowsALongLine_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("shown");
    QTest::newRow("long line") << longLine() << true;
    QTest::newRow("short line") << QStringLiteral("S. Isidoro, Me-b") << false;
    QTest::newRow("empty line") << QString() << false;
}

void TstNavigationWindow::tooltipShowsALongLine() {
    QFETCH(QString, line);
    QFETCH(bool, shown);
    DataFixture data;
    data.setDayLine(4, 12, line);
    FixedClock clock(QDate(2009, 4, 12));
    ScriptedPrompter prompter;
    Form1 form(clock, data.ruta(), prompter);
    form.start();
    mouse(form.Label14, QEvent::MouseMove, Qt::NoButton);
    QCOMPARE(form.Label14->toolTip(), shown ? line : QString());
    QCOMPARE(!form.Label20->text().isEmpty(), shown); // the overflow mark agrees
}

void TstNavigationWindow::tooltipFollowsThePointerNotTheCaption() {
    DataFixture data;
    data.setDayLine(4, 12, longLine());
    FixedClock clock(QDate(2009, 4, 12));
    ScriptedPrompter prompter;
    Form1 form(clock, data.ruta(), prompter);
    form.start();
    mouse(form.Label14, QEvent::MouseMove, Qt::NoButton);
    click(form, form.Label19); // a short line now
    QCOMPARE(form.Label14->toolTip(), longLine());
    mouse(form.Label14, QEvent::MouseMove, Qt::NoButton);
    QCOMPARE(form.Label14->toolTip(), QString());
}

QTEST_MAIN(TstNavigationWindow)
#include "tst_navigation_window.moc"
