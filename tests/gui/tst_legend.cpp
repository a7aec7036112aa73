// The abbreviations legend as the user sees it: its seventeen lines, a blank block of the
// window's face colour until "Siglas" is first pressed, then readable and grey in turn with
// the button's colour and caption, and the focus kept on the button after a click into it.

#include "support/main_window_fixture.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

QColor buttonColour(const QPushButton* b) {
    return b->palette().color(QPalette::Button);
}
QColor paper(const QPlainTextEdit* t) {
    return t->palette().color(QPalette::Base);
}
QColor ink(const QPlainTextEdit* t) {
    return t->palette().color(QPalette::Text);
}

} // namespace

class TstLegend : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void legendText();
    void blankBlockBeforeTheFirstPress();
    void togglesOverPresses_data();
    void togglesOverPresses();
    void clickIntoTheLegendKeepsTheFocus_data();
    void clickIntoTheLegendKeepsTheFocus();
};

void TstLegend::legendText() {
    StartedMainWindow w;
    const QString expected = QStringLiteral("-b : Blanco\n"
                                            "-B : Blanco\n"
                                            "dc:Doct.de\n"
                                            "     la Igles.\n"
                                            "diá:Diácon.\n"
                                            "Fi : Fiesta\n"
                                            "Me:Memor.\n"
                                            "mr :  Mártir\n"
                                            "ob :Obispo\n"
                                            "pb :Presbít.\n"
                                            "pp : Papa\n"
                                            "rg:Religios.\n"
                                            "-r : Rojo\n"
                                            "-R : Rojo\n"
                                            "So:Solemn.\n"
                                            "vg : Virgen\n"
                                            "+:Precepto\n");
    QCOMPARE(w.form.Text2->toPlainText(), expected);
}

void TstLegend::blankBlockBeforeTheFirstPress() {
    StartedMainWindow w;
    const QColor face = w.form.palette().color(QPalette::Button);
    QVERIFY(face != QColor(190, 190, 190));
    QCOMPARE(paper(w.form.Text2), face);
    QCOMPARE(ink(w.form.Text2), face);
    QCOMPARE(buttonColour(w.form.Command6), face);
    QCOMPARE(w.form.Command6->text(), QStringLiteral("Siglas"));
}

void TstLegend::togglesOverPresses_data() {
    QTest::addColumn<int>("presses");
    QTest::addColumn<QColor>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QColor>("paper");
    QTest::addColumn<QColor>("ink");
    const QColor grey(190, 190, 190);
    QTest::newRow("first press shows")
        << 1 << QColor(250, 175, 0) << "Ocultar" << QColor(250, 250, 240) << QColor(0, 0, 0);
    QTest::newRow("second press blanks") << 2 << grey << "Siglas" << grey << grey;
    QTest::newRow("third press shows again")
        << 3 << QColor(250, 175, 0) << "Ocultar" << QColor(250, 250, 240) << QColor(0, 0, 0);
}

void TstLegend::togglesOverPresses() {
    QFETCH(int, presses);
    QFETCH(QColor, button);
    QFETCH(QString, caption);
    QFETCH(QColor, paper);
    QFETCH(QColor, ink);
    StartedMainWindow w;
    for (int i = 0; i < presses; ++i)
        QTest::mouseClick(w.form.Command6, Qt::LeftButton);
    QCOMPARE(w.form.pulsSiglas(), presses);
    QCOMPARE(buttonColour(w.form.Command6), button);
    QCOMPARE(w.form.Command6->text(), caption);
    QCOMPARE(::paper(w.form.Text2), paper);
    QCOMPARE(::ink(w.form.Text2), ink);
    // The box never moves, changes size or disappears.
    QVERIFY(!w.form.Text2->isHidden());
    QCOMPARE(w.form.Text2->geometry(), QRect(6600 / 15, 360 / 15, 1215 / 15, 375 / 15));
}

void TstLegend::clickIntoTheLegendKeepsTheFocus_data() {
    QTest::addColumn<int>("presses");
    QTest::newRow("blank legend") << 0;
    QTest::newRow("readable legend") << 1;
}

void TstLegend::clickIntoTheLegendKeepsTheFocus() {
    QFETCH(int, presses);
    StartedMainWindow w;
    w.form.show();
    w.form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w.form));
    for (int i = 0; i < presses; ++i)
        QTest::mouseClick(w.form.Command6, Qt::LeftButton);
    w.form.Command2->setFocus();
    QTest::mouseClick(w.form.Text2->viewport(), Qt::LeftButton, {}, QPoint(10, 5));
    QCOMPARE(QApplication::focusWidget(), w.form.Command6);
}

QTEST_MAIN(TstLegend)
#include "tst_legend.moc"
