// The step buttons, the tooltip of the celebrations line and the today button in the main
// window: what a click and a held button show, the border while a button is down, any mouse
// button, a double-click on a step button or a toggle as one click, the tooltip of a long line, a
// fault while stepping, and the return to today.

#include "support/form1_test_seam.h"
#include "support/main_window_fixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

namespace {

void mouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button = Qt::LeftButton) {
    const QPointF pos(widget->width() / 2.0, widget->height() / 2.0);
    const bool down = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
    const Qt::MouseButtons held = down ? button : Qt::NoButton;
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// A click: press, release, then the end of the wait that makes the step.
void click(Form1& form, FormLabel* label) {
    mouse(label, QEvent::MouseButtonPress);
    mouse(label, QEvent::MouseButtonRelease);
    Form1TestSeam(form).stepRepeat().tick();
}

QString longLine() {
    return QStringLiteral("Santos ").repeated(40) + QStringLiteral("-b");
}

// Whether the label draws in its caption's colour in its first ten pixels, above the baseline.
bool inkAtLeft(QLabel* label) {
    const QImage image = label->grab().toImage();
    for (int x = 1; x < 11; ++x)
        for (int y = 1; y < image.height() / 2; ++y)
            if (const QColor c = image.pixelColor(x, y); c.blue() > c.red() + 60)
                return true;
    return false;
}

} // namespace

class TstNavigationWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void clickMakesOneStep_data();
    void clickMakesOneStep();
    void heldButtonMakesSeveralSteps();
    void doubleClickIsOneClick_data();
    void doubleClickIsOneClick();
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
    StartedMainWindow w(QDate(2009, 4, 10));
    mouse(w.form.Label19, QEvent::MouseButtonPress, button);
    QVERIFY(!w.form.Label19->isBoxed());
    QCOMPARE(w.form.Label14->text(), QStringLiteral("Dia 10/4")); // not before the wait ends
    mouse(w.form.Label19, QEvent::MouseButtonRelease, button);
    QVERIFY(w.form.Label19->isBoxed());
    Form1TestSeam(w.form).stepRepeat().tick();
    QCOMPARE(w.form.Label14->text(), QStringLiteral("Dia 11/4"));
    QVERIFY(!Form1TestSeam(w.form).stepRepeat().repeating());
    QCOMPARE(w.form.Label15->text(), QStringLiteral("Abril"));
}

void TstNavigationWindow::heldButtonMakesSeveralSteps() {
    StartedMainWindow w(QDate(2009, 4, 10));
    mouse(w.form.Label18, QEvent::MouseButtonPress);
    for (int day = 9; day >= 6; --day) {
        Form1TestSeam(w.form).stepRepeat().tick();
        QCOMPARE(w.form.Label14->text(), QStringLiteral("Dia %1/4").arg(day));
        QVERIFY(!w.form.Label18->isBoxed());
    }
    mouse(w.form.Label18, QEvent::MouseButtonRelease);
    Form1TestSeam(w.form).stepRepeat().tick(); // the pass under way still steps
    QCOMPARE(w.form.Label14->text(), QStringLiteral("Dia 5/4"));
    QVERIFY(!Form1TestSeam(w.form).stepRepeat().repeating());
    QVERIFY(w.form.Label18->isBoxed());
}

void TstNavigationWindow::doubleClickIsOneClick_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QStringList>("captions"); // of Label10, Label13 and Label14 afterwards
    QTest::newRow("list toggle") << "Label10"
                                 << QStringList{"Ocultar celebraciones", "Notas", "Dia 12/4"};
    QTest::newRow("notes toggle") << "Label13"
                                  << QStringList{"Ver celebraciones", "Cerrar", "Dia 12/4"};
    QTest::newRow("day forward") << "Label19"
                                 << QStringList{"Ver celebraciones", "Notas", "Dia 13/4"};
}

void TstNavigationWindow::doubleClickIsOneClick() {
    QFETCH(QString, label);
    QFETCH(QStringList, captions);
    StartedMainWindow w;
    auto* target = w.form.findChild<FormLabel*>(label);
    // As the window system delivers it: a click, then a double-click event and its release,
    // each release followed by the end of the step button's wait.
    for (const QEvent::Type press : {QEvent::MouseButtonPress, QEvent::MouseButtonDblClick}) {
        mouse(target, press);
        mouse(target, QEvent::MouseButtonRelease);
        Form1TestSeam(w.form).stepRepeat().tick();
    }
    QCOMPARE((QStringList{w.form.Label10->text(), w.form.Label13->text(), w.form.Label14->text()}),
             captions);
    QVERIFY(target->isBoxed());
}

void TstNavigationWindow::todayButtonStepsFromToday() {
    StartedMainWindow w;
    click(w.form, w.form.Label17);
    click(w.form, w.form.Label17);
    for (int i = 0; i < 4; ++i)
        click(w.form, w.form.Label18);
    QCOMPARE(w.form.Label14->text(), QStringLiteral("Dia 8/6"));
    w.form.Command9->setFocus();
    w.form.Text1->setText(QStringLiteral(" Hallados : 3"));
    w.form.Command2->click();
    QCOMPARE(w.form.Text1->text(), QString());
    QCOMPARE(w.form.focusWidget(), w.form.Command6);
    QCOMPARE(w.form.Label15->text(), QStringLiteral("Abril"));
    QCOMPARE(w.form.Label14->text(), QStringLiteral("Dia 12/4"));
    click(w.form, w.form.Label19);
    QCOMPARE(w.form.Label14->text(), QStringLiteral("Dia 13/4"));
}

void TstNavigationWindow::faultWhileHeldIsToldOnce() {
    MainWindowFixture w;
    w.data.removeFile(QStringLiteral("05.txt"));
    w.form.start();
    mouse(w.form.Label17, QEvent::MouseButtonPress);
    Form1TestSeam(w.form).stepRepeat().tick();
    QVERIFY(!Form1TestSeam(w.form).stepRepeat().repeating());
    QCOMPARE(w.prompter.messages.size(), 1);
    QVERIFY(w.prompter.messages.first().contains(QStringLiteral("05.txt")));
    QCOMPARE(w.form.Label15->text(), QStringLiteral("Abril"));
    QCOMPARE(w.form.Label14->text(), QStringLiteral("Dia 12/4"));
    mouse(w.form.Label17, QEvent::MouseButtonRelease);
    click(w.form, w.form.Label19); // the window goes on stepping from where it was
    QCOMPARE(w.form.Label14->text(), QStringLiteral("Dia 13/4"));
}

void TstNavigationWindow::tooltipShowsALongLine_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("shown");
    QTest::newRow("long line") << longLine() << true;
    // Its middle has ink only on the baseline.
    QTest::newRow("long line without blanks") << "WWW" + QString(400, '.') + "-b" << true;
    QTest::newRow("short line") << QStringLiteral("S. Isidoro, Me-b") << false;
    QTest::newRow("empty line") << QString() << false;
}

void TstNavigationWindow::tooltipShowsALongLine() {
    QFETCH(QString, line);
    QFETCH(bool, shown);
    MainWindowFixture w;
    w.data.setDayLine(4, 12, line);
    w.form.start();
    mouse(w.form.Label14, QEvent::MouseMove, Qt::NoButton);
    const QString date = QStringLiteral("domingo, 12 de abril de 2009");
    QCOMPARE(w.form.Label14->toolTip(), shown ? date + QLatin1Char('\n') + line : date);
    QVERIFY(w.form.Label14->accessibleDescription().endsWith(date + QLatin1Char(')')) ||
            w.form.Label14->accessibleDescription() == date);
    QCOMPARE(!w.form.Label20->text().isEmpty(), shown); // the overflow mark agrees
    // A long line shows its beginning; a short one stays centred.
    QCOMPARE(inkAtLeft(w.form.Label14), shown);
}

void TstNavigationWindow::tooltipFollowsThePointerNotTheCaption() {
    MainWindowFixture w;
    w.data.setDayLine(4, 12, longLine());
    w.form.start();
    mouse(w.form.Label14, QEvent::MouseMove, Qt::NoButton);
    click(w.form, w.form.Label19); // a short line now, of the next day
    QCOMPARE(w.form.Label14->toolTip(),
             QStringLiteral("domingo, 12 de abril de 2009\n") + longLine());
    QVERIFY(w.form.Label14->accessibleDescription().endsWith(
        QStringLiteral("(lunes, 13 de abril de 2009)")));
    mouse(w.form.Label14, QEvent::MouseMove, Qt::NoButton);
    QCOMPARE(w.form.Label14->toolTip(), QStringLiteral("lunes, 13 de abril de 2009"));
}

QTEST_MAIN(TstNavigationWindow)
#include "tst_navigation_window.moc"
