// The step buttons, the tooltip of the celebrations line and the today button in the main
// window: what a click and a held button show, the border while a button is down, any mouse
// button, the tooltip of a long line, a fault while stepping, and the return to today.

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
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? button : Qt::NoButton;
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
    const bool left = button == Qt::LeftButton; // the others never step (the right one: the menu)
    mouse(w.form.Label19, QEvent::MouseButtonPress, button);
    QCOMPARE(w.form.Label19->isBoxed(), !left);
    QCOMPARE(w.form.Label14->text(), QStringLiteral("Dia 10/4")); // not before the wait ends
    mouse(w.form.Label19, QEvent::MouseButtonRelease, button);
    QVERIFY(w.form.Label19->isBoxed());
    Form1TestSeam(w.form).stepRepeat().tick();
    QCOMPARE(w.form.Label14->text(),
             left ? QStringLiteral("Dia 11/4") : QStringLiteral("Dia 10/4"));
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
    QTest::addColumn<QString>("shown"); // by Label10, Label13 or Label14 after one click
    const auto row = [](const char* label, const char* shown) {
        QTest::newRow(label) << QString(label) << QString(shown);
    };
    row("Label10", "Ocultar celebraciones");
    row("Label13", "Cerrar");
    row("Label19", "Dia 13/4");
}

void TstNavigationWindow::doubleClickIsOneClick() {
    QFETCH(QString, label);
    QFETCH(QString, shown);
    StartedMainWindow w;
    // A click, then the double-click event and its release, each release after the step's wait.
    for (const QEvent::Type press : {QEvent::MouseButtonPress, QEvent::MouseButtonDblClick}) {
        mouse(w.form.findChild<FormLabel*>(label), press);
        mouse(w.form.findChild<FormLabel*>(label), QEvent::MouseButtonRelease);
        Form1TestSeam(w.form).stepRepeat().tick();
    }
    const Form1& f = w.form;
    QVERIFY((QStringList{f.Label10->text(), f.Label13->text(), f.Label14->text()}).contains(shown));
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
    QTest::newRow("long line without blanks") << QStringLiteral("Santos").repeated(40) << true;
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
    const QString date = QStringLiteral("domingo, 12 de abril de 2009\nSe celebra: Celebración 5 "
                                        "(Solemnidad)\nDía de precepto");
    QCOMPARE(w.form.Label14->toolTip(), shown ? date + QLatin1Char('\n') + line : date);
    QVERIFY(w.form.Label14->accessibleDescription().endsWith(
                QStringLiteral("domingo, 12 de abril de 2009)") +
                date.sliced(date.indexOf(QLatin1Char('\n')))) ||
            w.form.Label14->accessibleDescription() == date);
    QCOMPARE(!w.form.Label20->text().isEmpty(), shown); // the overflow mark agrees
    const QImage before = w.form.Label14->grab().toImage();
    w.form.Label14->setText(line + QStringLiteral("XYZ"));
    w.form.Flech();
    QCOMPARE(w.form.Label14->grab().toImage() == before, shown); // a long one shows its beginning
}

void TstNavigationWindow::tooltipFollowsThePointerNotTheCaption() {
    MainWindowFixture w;
    w.data.setDayLine(4, 12, longLine());
    w.form.start();
    mouse(w.form.Label14, QEvent::MouseMove, Qt::NoButton);
    click(w.form, w.form.Label19); // a short line now, of the next day
    QCOMPARE(w.form.Label14->toolTip(),
             QStringLiteral("domingo, 12 de abril de 2009\nSe celebra: Celebración 5 "
                            "(Solemnidad)\nDía de precepto\n") +
                 longLine());
    // The description speaks of the day the step leafed to.
    QVERIFY(w.form.Label14->accessibleDescription().endsWith(
        QStringLiteral("(lunes, 13 de abril de 2009)\nSe celebra: Lunes de la Octava de Pascua "
                       "(Solemnidad)")));
    mouse(w.form.Label14, QEvent::MouseMove, Qt::NoButton);
    QCOMPARE(w.form.Label14->toolTip(),
             QStringLiteral("lunes, 13 de abril de 2009\nSe celebra: Lunes de la Octava de Pascua "
                            "(Solemnidad)"));
}

QTEST_MAIN(TstNavigationWindow)
#include "tst_navigation_window.moc"
