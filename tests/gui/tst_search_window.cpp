// The text search and the movable-celebration lookup in the main window: the prompts with their
// texts, defaults and places, one found day per pass with the emptied fields and the count, the
// end message, Cancel, the return to today in the middle of a search, " Buscar siguiente"
// before any "Buscar", the list toggle and the lookup answer in Label9.

#include "support/form1_test_seam.h"
#include "support/main_window_fixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QString kSearchPrompt =
    QStringLiteral("Escriba algunos caracteres identificativos de la cadena a buscar :");
const QString kEndMessage = QStringLiteral("Terminó la búsqueda en el Virovedude");
const QString kSanJose = QStringLiteral("S. José, esposo de la B.V. María, So+-b");
const QString kObrero = QStringLiteral("S. José Obrero, Me-b");

// A window on Easter Sunday 2009 whose calendar holds "José" on 19 March and 1 May.
struct Window : MainWindowFixture {
    Window() {
        data.setDayLine(3, 19, kSanJose);
        data.setDayLine(5, 1, kObrero);
        form.start();
    }
    void search(const std::optional<QString>& answer) {
        prompter.answers.append(answer);
        form.Command4->click();
    }
    void next() { form.Command5->click(); }
};

void clickLabel(QWidget* label) {
    const QPointF pos(label->width() / 2.0, label->height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, pos, label->mapToGlobal(pos), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, pos, label->mapToGlobal(pos), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(label, &press);
    QApplication::sendEvent(label, &release);
}

QList<FormLabel*> stepLabels(const Form1& form) {
    return {form.Label16, form.Label17, form.Label18, form.Label19};
}

} // namespace

class TstSearchWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void buscarAsksAndResets();
    void promptOffersThePreviousTextInUpperCase();
    void cancelResetsAndParksTheFocus();
    void passShowsTheNextFoundDay();
    void textOnlyOnTheLastDayThenTheEndMessage();
    void textNowhere();
    void todayButtonThenTheNextPassContinues();
    void nextBeforeAnySearch_data();
    void nextBeforeAnySearch();
    void passEndsAHeldStepButton();

    void listToggleShowsAndHides();
    void numberPromptStoresTheAnswerUnchanged_data();
    void numberPromptStoresTheAnswerUnchanged();
    void lookupAnswersInLabel9_data();
    void lookupAnswersInLabel9();
};

void TstSearchWindow::buscarAsksAndResets() {
    Window w;
    w.search(QStringLiteral("josé"));
    QCOMPARE(w.prompter.asked.size(), 1);
    QCOMPARE(w.prompter.asked.first().prompt, kSearchPrompt);
    QCOMPARE(w.prompter.asked.first().defaultAnswer, QString());
    QCOMPARE(w.form.busqueda().textoBusca(), QStringLiteral("JOSÉ"));
    QCOMPARE(w.form.focusWidget(), w.form.Command5);
    QCOMPARE(w.form.Text1->text(), QString());
}

void TstSearchWindow::promptOffersThePreviousTextInUpperCase() {
    Window w;
    w.search(QStringLiteral("señor"));
    w.search(std::nullopt);
    w.search(QStringLiteral("josé"));
    QCOMPARE(w.prompter.asked.at(1).defaultAnswer, QStringLiteral("SEÑOR"));
    QCOMPARE(w.prompter.asked.at(2).defaultAnswer, QString()); // after a Cancel
}

void TstSearchWindow::cancelResetsAndParksTheFocus() {
    Window w;
    w.search(QStringLiteral("josé"));
    w.next();
    w.next();
    w.search(std::nullopt);
    QCOMPARE(w.form.busqueda().textoBusca(), QString());
    QCOMPARE(w.form.busqueda().mesBusca(), 1);
    QCOMPARE(w.form.busqueda().numHallados(), 0);
    QCOMPARE(w.form.busqueda().ultHallado(), 100);
    QCOMPARE(w.form.focusWidget(), w.form.Command6);
    QCOMPARE(w.form.Text1->text(), QString());
}

void TstSearchWindow::passShowsTheNextFoundDay() {
    Window w;
    w.search(QStringLiteral("josé"));
    const QList<std::pair<QString, QString>> found = {{QStringLiteral("Marzo"), kSanJose},
                                                      {QStringLiteral("Mayo"), kObrero}};
    for (qsizetype i = 0; i < found.size(); ++i) {
        w.next();
        QCOMPARE(w.form.Label15->text(), found.at(i).first);
        QCOMPARE(w.form.Label14->text(), found.at(i).second);
        QCOMPARE(w.form.Text1->text(), QStringLiteral(" Hallados : %1").arg(i + 1));
    }
    QVERIFY(!w.form.Text1->isEnabled());
    QVERIFY(!w.form.Text1->font().bold());
    QCOMPARE(w.form.Text1->palette().color(QPalette::Disabled, QPalette::Text), QColor(0, 0, 0));
    for (FormLabel* field : {w.form.Label1, w.form.Label6, w.form.Label7, w.form.Label8,
                             w.form.Label9, w.form.Label11})
        QVERIFY2(field->text().isEmpty(), qPrintable(field->objectName()));
    QCOMPARE(w.form.Label6->background(), QColor(190, 190, 190));
    for (FormLabel* step : stepLabels(w.form))
        QVERIFY(!step->isEnabled());
    QCOMPARE(w.form.focusWidget(), w.form.Command5);
    QVERIFY(w.prompter.messages.isEmpty());
}

void TstSearchWindow::textOnlyOnTheLastDayThenTheEndMessage() {
    Window w;
    const QString silvestre = QStringLiteral("S. Silvestre I, papa, Mo-b");
    w.data.setDayLine(12, 31, silvestre);
    w.search(QStringLiteral("silvestre"));
    w.next();
    QCOMPARE(w.form.Label14->text(), silvestre);
    w.next();
    QCOMPARE(w.prompter.messages, QStringList{kEndMessage});
    QCOMPARE(w.form.focusWidget(), w.form.Command6);
    QCOMPARE(w.form.Label15->text(), QStringLiteral("Diciembre"));
    QCOMPARE(w.form.Label14->text(), silvestre);
    QCOMPARE(w.form.Text1->text(), QStringLiteral(" Hallados : 1"));
}

void TstSearchWindow::textNowhere() {
    Window w;
    w.search(QStringLiteral("virovedude"));
    w.next();
    QCOMPARE(w.prompter.messages, QStringList{kEndMessage});
    QCOMPARE(w.form.Text1->text(), QStringLiteral(" Hallados : 0"));
    QCOMPARE(w.form.Label14->text(), QStringLiteral("Dia 12/4")); // today's line stays
    QCOMPARE(w.form.Label1->text(), QString());
    QCOMPARE(w.form.Label7->text(), QString());
}

void TstSearchWindow::todayButtonThenTheNextPassContinues() {
    Window w;
    w.search(QStringLiteral("josé"));
    w.next();
    w.form.Command2->click();
    QCOMPARE(w.form.Text1->text(), QString());
    QCOMPARE(w.form.Label1->text(), QStringLiteral("+ Domingo")); // 12 April 2009
    QCOMPARE(w.form.Label15->text(), QStringLiteral("Abril"));
    for (FormLabel* step : stepLabels(w.form))
        QVERIFY(step->isEnabled());
    w.next();
    QCOMPARE(w.form.Label14->text(), kObrero);
    QCOMPARE(w.form.Text1->text(), QStringLiteral(" Hallados : 2"));
}

void TstSearchWindow::nextBeforeAnySearch_data() {
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::newRow("a text is given") << std::optional<QString>(QStringLiteral("josé"));
    QTest::newRow("the question is cancelled") << std::optional<QString>();
}

void TstSearchWindow::nextBeforeAnySearch() {
    // " Buscar siguiente" first asks for the text, as "Buscar" does, then makes the first pass.
    QFETCH(std::optional<QString>, answer);
    Window w;
    w.prompter.answers.append(answer);
    w.next();
    QCOMPARE(w.prompter.asked.size(), 1);
    QCOMPARE(w.prompter.asked.first().prompt, kSearchPrompt);
    if (answer) {
        QCOMPARE(w.form.Label14->text(), kSanJose);
        QCOMPARE(w.form.Text1->text(), QStringLiteral(" Hallados : 1"));
        QCOMPARE(w.form.focusWidget(), w.form.Command5);
    } else {
        // Nothing changes: today stays in full view and the next click asks again.
        QVERIFY(!w.form.busqueda().begun());
        QCOMPARE(w.form.Label14->text(), QStringLiteral("Dia 12/4"));
        QCOMPARE(w.form.Label1->text(), QStringLiteral("+ Domingo"));
        QVERIFY(w.form.Label16->isEnabled());
        QCOMPARE(w.form.focusWidget(), w.form.Command6);
        w.next();
        QCOMPARE(w.prompter.asked.size(), 2);
    }
    QVERIFY(w.prompter.messages.isEmpty());
}

void TstSearchWindow::passEndsAHeldStepButton() {
    Window w;
    w.search(QStringLiteral("josé"));
    const QPointF pos(5, 5);
    QMouseEvent press(QEvent::MouseButtonPress, pos, pos, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(w.form.Label19, &press);
    w.next(); // the disabled label would never see its release
    QVERIFY(!Form1TestSeam(w.form).stepRepeat().repeating());
    QVERIFY(w.form.Label19->isBoxed());
    Form1TestSeam(w.form).stepRepeat().tick();
    QCOMPARE(w.form.Label14->text(), kSanJose);
}

void TstSearchWindow::listToggleShowsAndHides() {
    Window w;
    QPlainTextEdit* list = w.form.Text4;
    QVERIFY(list->toPlainText().startsWith(QStringLiteral("2  .Bautismo del Señor\n3  .Ceniza\n")));
    clickLabel(w.form.Label10);
    QVERIFY(list->isVisible() || !list->isHidden());
    QCOMPARE(list->geometry(), QRect(5640 / 15, 1080 / 15, 2300 / 15, 1500 / 15));
    QCOMPARE(w.form.Label10->text(), QStringLiteral("Ocultar celebraciones"));
    QCOMPARE(w.form.Label10->background(), QColor(0, 150, 0));
    clickLabel(w.form.Label10);
    QVERIFY(list->isHidden());
    QCOMPARE(list->size(), QSize(2300 / 15, 1500 / 15));
    QCOMPARE(w.form.Label10->text(), QStringLiteral("Ver celebraciones"));
    QCOMPARE(w.form.Label10->background(), QColor(190, 190, 190));
    QCOMPARE(w.form.pulsCeleb(), 2);
}

void TstSearchWindow::numberPromptStoresTheAnswerUnchanged_data() {
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::addColumn<QString>("stored");
    QTest::newRow("blanks kept") << std::optional<QString>(QStringLiteral(" 06/09 "))
                                 << QStringLiteral(" 06/09 ");
    QTest::newRow("cancelled") << std::optional<QString>() << QString();
}

void TstSearchWindow::numberPromptStoresTheAnswerUnchanged() {
    QFETCH(std::optional<QString>, answer);
    QFETCH(QString, stored);
    Window w;
    Form1TestSeam(w.form).setDatoCeleb(QStringLiteral("12/16"));
    const QString label9 = w.form.Label9->text();
    w.prompter.answers.append(answer);
    w.form.Command7->click();
    QCOMPARE(w.prompter.asked.size(), 1);
    QCOMPARE(w.prompter.asked.first().prompt,
             QStringLiteral("Escriba el nº ('Ver celebraciones') y año de la celebración buscada "
                            "(Ej.: 06/09).  Pulse después en  'Ver fecha celebración'. Aparecerá "
                            "el año, día y mes."));
    QCOMPARE(w.prompter.asked.first().defaultAnswer, QString());
    QCOMPARE(w.form.datoCeleb(), stored);
    QCOMPARE(w.form.Label9->text(), label9); // the lookup waits for its own button
}

void TstSearchWindow::lookupAnswersInLabel9_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("answer");
    QTest::newRow("06/09") << "06/09"
                           << "09-31-may";
    QTest::newRow("6/09") << "6/09"
                          << "Datos erróneos";
}

void TstSearchWindow::lookupAnswersInLabel9() {
    QFETCH(QString, typed);
    QFETCH(QString, answer);
    Window w;
    w.prompter.answers.append(typed);
    w.form.Command7->click();
    w.form.Command9->click();
    QCOMPARE(w.form.Label9->text(), answer);
    QCOMPARE(w.form.datoCeleb(), typed); // pressing again repeats the same lookup
    w.form.Label9->clear();
    w.form.Command9->click();
    QCOMPARE(w.form.Label9->text(), answer);
}

QTEST_MAIN(TstSearchWindow)
#include "tst_search_window.moc"
