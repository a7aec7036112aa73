// The windows for keyboard and screen-reader users: what Qt's accessibility interfaces report of
// each control and of the colour swatch, the arrow keys stepping as the step labels do (a held
// key repeating as a held button), and the celebrations-list and notes toggles from the keyboard,
// all without moving the focus.

#include "support/form1_test_seam.h"
#include "support/main_window_fixture.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

QString accessibleText(QWidget* widget, QAccessible::Text text) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(text) : QStringLiteral("(no interface)");
}

// Shows the window active, with the focus on `control`; returns the control, or the window
// itself for an empty name.
QWidget* showWithFocus(Form1& form, const QString& control) {
    form.show();
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form))
        return nullptr;
    if (control.isEmpty())
        return &form;
    auto* widget = form.findChild<QWidget*>(control);
    widget->setFocus(Qt::TabFocusReason);
    return widget;
}

} // namespace

class TstAccessibility : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void namesAndDescriptions_data();
    void namesAndDescriptions();
    void swatchNamesTheColour_data();
    void swatchNamesTheColour();
    void arrowKeysStep_data();
    void arrowKeysStep();
    void heldKeyRepeatsLikeAHeldButton();
    void togglesFromTheKeyboard_data();
    void togglesFromTheKeyboard();
};

void TstAccessibility::namesAndDescriptions_data() {
    QTest::addColumn<QString>("control"); // "Form2.x" for a control of Form2
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description"); // what a field shows, the keys of a glyph control
    struct Row {
        const char* tag;
        const char* control;
        const char* name;
        const char* description;
    };
    // One control of each kind, on Friday 10 April 2009 (the fixture's line "Dia 10/4").
    const Row rows[] = {
        {"close", "Command1", "Cerrar", ""},
        {"month back", "Label16", "Mes anterior", "Mes anterior (←)"},
        {"day forward", "Label19", "Día siguiente", "Día siguiente (↓)"},
        {"legend", "Command6", "Siglas", ""},
        {"list toggle", "Label10", "Ver celebraciones", "Ver celebraciones (Alt+V)"},
        {"notes toggle", "Label13", "Notas", "Notas (Alt+N)"},
        {"weekday", "Label1", "Día de la semana", "Viernes"},
        {"month", "Label15", "Mes", "Abril"},
        {"line", "Label14", "Celebraciones del día",
         "Dia 10/4 (viernes, 10 de abril de 2009)\nSe celebra: Viernes Santo (Triduo pascual)"},
        {"week, empty in Holy Week", "Label11", "Semana",
         "Salterio: semana II\nLiturgia de las Horas: tomo II"},
        {"cycle", "Label8", "Ciclo", "Ciclo B los domingos; año I entre semana"},
        {"clock", "Label2", "Hora", "12:00:00"},
        {"search status", "Text1", "Estado de la búsqueda", ""},
        {"legend box", "Text2", "Siglas del calendario", ""},
        {"Form2 table", "Form2.Text1", "Tabla de misas de difuntos", ""},
    };
    for (const Row& row : rows)
        QTest::newRow(row.tag) << QString::fromUtf8(row.control) << QString::fromUtf8(row.name)
                               << QString::fromUtf8(row.description);
}

void TstAccessibility::namesAndDescriptions() {
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(QString, description);
    StartedMainWindow w(QDate(2009, 4, 10));
    Form2 form2;
    QWidget* window = &w.form;
    if (control.startsWith(QLatin1String("Form2.")))
        window = &form2;
    auto* widget = window->findChild<QWidget*>(control.section(QLatin1Char('.'), -1));
    QVERIFY(widget);
    QCOMPARE(accessibleText(widget, QAccessible::Name), name);
    QCOMPARE(accessibleText(widget, QAccessible::Description), description);
}

void TstAccessibility::swatchNamesTheColour_data() {
    QTest::addColumn<QDate>("today"); // null: the window is not started
    QTest::addColumn<bool>("search");
    QTest::addColumn<QString>("description");
    QTest::newRow("Palm Sunday 2009") << QDate(2009, 4, 5) << false << "Color litúrgico: rojo";
    QTest::newRow("before any run") << QDate() << false << "Color litúrgico: sin color";
    QTest::newRow("during a search") << QDate(2009, 4, 5) << true << "Color litúrgico: sin color";
}

void TstAccessibility::swatchNamesTheColour() {
    QFETCH(QDate, today);
    QFETCH(bool, search);
    QFETCH(QString, description);
    MainWindowFixture w(today.isValid() ? today : QDate(2009, 4, 5));
    if (today.isValid())
        w.form.start();
    if (search) {
        w.prompter.answers = {QStringLiteral("Dia 1/1")};
        w.form.Command4_Click();
        w.form.Command5_Click();
    }
    QCOMPARE(accessibleText(w.form.Label6, QAccessible::Name), QStringLiteral("Color litúrgico"));
    QCOMPARE(accessibleText(w.form.Label6, QAccessible::Description), description);
}

void TstAccessibility::arrowKeysStep_data() {
    QTest::addColumn<QString>("focus"); // the control with the focus; empty: the window itself
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("month");
    // Friday 10 April 2009.
    QTest::newRow("left on the window") << "" << Qt::Key_Left << "Dia 10/3"
                                        << "Marzo";
    QTest::newRow("right on the resting button") << "Command6" << Qt::Key_Right << "Dia 10/5"
                                                 << "Mayo";
    QTest::newRow("up on a button") << "Command2" << Qt::Key_Up << "Dia 9/4"
                                    << "Abril";
    QTest::newRow("down on the list toggle") << "Label10" << Qt::Key_Down << "Dia 11/4"
                                             << "Abril";
    QTest::newRow("down in the legend box: no step") << "Text2" << Qt::Key_Down << "Dia 10/4"
                                                     << "Abril";
}

void TstAccessibility::arrowKeysStep() {
    QFETCH(QString, focus);
    QFETCH(Qt::Key, key);
    QFETCH(QString, line);
    QFETCH(QString, month);
    StartedMainWindow w(QDate(2009, 4, 10));
    QWidget* target = showWithFocus(w.form, focus);
    QVERIFY(target);
    QWidget* const focused = QApplication::focusWidget();
    QTest::keyPress(target, key);
    QTest::keyRelease(target, key);
    Form1TestSeam(w.form).stepRepeat().tick(); // the end of the wait, as after a click
    QCOMPARE(w.form.Label14->text(), line);
    QCOMPARE(w.form.Label15->text(), month);
    QCOMPARE(QApplication::focusWidget(), focused); // the focus stays where it was
}

void TstAccessibility::heldKeyRepeatsLikeAHeldButton() {
    StartedMainWindow w(QDate(2009, 4, 10));
    QVERIFY(showWithFocus(w.form, QStringLiteral("Command6")));
    QTest::keyPress(w.form.Command6, Qt::Key_Down);
    QVERIFY(!w.form.Label19->isBoxed()); // drawn pressed, as under the mouse
    for (int day = 11; day <= 13; ++day) {
        Form1TestSeam(w.form).stepRepeat().tick();
        QCOMPARE(w.form.Label14->text(), QStringLiteral("Dia %1/4").arg(day));
        // The keyboard's own repetition, a release and a press marked as auto-repeat: the key
        // is still held.
        QKeyEvent repeatRelease(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(w.form.Command6, &repeatRelease);
        QVERIFY(!w.form.Label19->isBoxed());
        QVERIFY(!Form1TestSeam(w.form).stepRepeat().suelto());
        QKeyEvent repeatPress(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(w.form.Command6, &repeatPress);
    }
    QTest::keyRelease(w.form.Command6, Qt::Key_Down);
    QVERIFY(w.form.Label19->isBoxed());
    Form1TestSeam(w.form).stepRepeat().tick(); // the pass under way still steps
    QCOMPARE(w.form.Label14->text(), QStringLiteral("Dia 14/4"));
    QVERIFY(!Form1TestSeam(w.form).stepRepeat().repeating());
    QCOMPARE(QApplication::focusWidget(), w.form.Command6);
}

void TstAccessibility::togglesFromTheKeyboard_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("panel");
    const Qt::KeyboardModifiers none = Qt::NoModifier;
    const Qt::KeyboardModifiers alt = Qt::AltModifier;
    QTest::newRow("list, Alt+V") << "Command6" << Qt::Key_V << alt << "Text4";
    QTest::newRow("list, Space on the toggle") << "Label10" << Qt::Key_Space << none << "Text4";
    QTest::newRow("notes, Alt+N") << "Command6" << Qt::Key_N << alt << "Text3";
    QTest::newRow("notes, Enter on the toggle") << "Label13" << Qt::Key_Return << none << "Text3";
}

void TstAccessibility::togglesFromTheKeyboard() {
    QFETCH(QString, focus);
    QFETCH(Qt::Key, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, panel);
    StartedMainWindow w(QDate(2009, 4, 10));
    QWidget* target = showWithFocus(w.form, focus);
    QVERIFY(target);
    auto* box = w.form.findChild<QPlainTextEdit*>(panel);
    QTest::keyClick(target, key, modifiers);
    QVERIFY(box->isVisible());
    QTest::keyClick(target, key, modifiers);
    QVERIFY(!box->isVisible());
    QCOMPARE(QApplication::focusWidget(), target);
    QVERIFY(w.prompter.messages.isEmpty());
}

QTEST_MAIN(TstAccessibility)
#include "tst_accessibility.moc"
