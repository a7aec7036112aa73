// The main window as the user first sees it: the controls in their places and states, today's
// view after start-up, a year the calendar does not hold, a fault in the data reported while
// the window keeps running, and the new run when the date changes at midnight.

#include "app/form1.h"
#include "platform/clock.h"
#include "support/data_fixture.h"
#include "support/scripted_prompter.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

class TstForm1 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startUpInventory_data();
    void startUpInventory();
    void startUpStates();
    void showsToday();
    void yearOutsideTheCalendarStillOpens();
    void dataFaultKeepsTheWindowRunning();
    void midnightStartsANewRun();
    void overflowMarkFollowsTheLine();
    void windowButtons();
    void bannerDragsTheWindow();
};

void TstForm1::startUpInventory_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("text");
    QTest::newRow("banner") << "Label3" << QRect(0, 0, 7455, 255)
                            << " Quessaral - Orvantel Español 2000-2016";
    QTest::newRow("celebrations line") << "Label14" << QRect(1560, 720, 4935, 255) << "";
    QTest::newRow("heading") << "Label12" << QRect(2400, 1200, 3255, 255)
                             << "Celebraciones  concurrentes  movibles";
    QTest::newRow("notes toggle") << "Label13" << QRect(5850, 1320, 495, 255) << "Notas";
    QTest::newRow("list toggle") << "Label10" << QRect(4560, 1750, 1095, 495)
                                 << "Ver celebraciones";
    QTest::newRow("motto") << "Label5" << QRect(6000, 1800, 1695, 615)
                           << "        CRISTO           AYER         HOY          SIEMPRE";
    QTest::newRow("swatch") << "Label6" << QRect(3060, 2280, 495, 255) << "Color";
    QTest::newRow("legend button") << "Command6" << QRect(6840, 720, 690, 375) << "Siglas";
    QTest::newRow("number prompt")
        << "Command7" << QRect(2400, 1750, 975, 495) << "  Nº  y año celebración";
    QTest::newRow("lookup") << "Command9" << QRect(3480, 1750, 975, 495)
                            << " Ver fecha celebración";
    QTest::newRow("next hit") << "Command5" << QRect(240, 1760, 855, 495) << " Buscar siguiente";
    QTest::newRow("today") << "Command2" << QRect(1320, 2160, 975, 375) << "Día de hoy";
    QTest::newRow("picture") << "Image2" << QRect(300, 360, 720, 990) << "";
}

void TstForm1::startUpInventory() {
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    QFETCH(QString, text);
    DataFixture data;
    FixedClock clock(QDate(2009, 4, 12));
    ScriptedPrompter prompter;
    Form1 form(clock, data.ruta(), prompter);
    auto* widget = form.findChild<QWidget*>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(),
             QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
    if (auto* label = qobject_cast<QLabel*>(widget); label && !text.isEmpty())
        QCOMPARE(label->text(), text);
    if (auto* button = qobject_cast<QPushButton*>(widget))
        QCOMPARE(button->text(), text);
}

void TstForm1::startUpStates() {
    DataFixture data;
    FixedClock clock(QDate(2009, 4, 12));
    ScriptedPrompter prompter;
    Form1 form(clock, data.ruta(), prompter);
    QCOMPARE(form.size(), QSize(532, 181));
    QVERIFY(form.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(form.Text3->isHidden());
    QVERIFY(form.Text4->isHidden());
    QVERIFY(!form.Text1->isEnabled());
    // The legend shows no readable text: box and text in the same colour.
    QCOMPARE(form.Text2->palette().color(QPalette::Text),
             form.Text2->palette().color(QPalette::Base));
    QCOMPARE(form.Label6->background(), QColor(192, 192, 192));
    QVERIFY(!form.Image2->pixmap().isNull());
    QCOMPARE(form.Image2->pixmap().size(), QSize(48, 66));

    // The keyboard order starts on "Siglas", which holds the focus.
    const QList<QWidget*> order = {form.Command6, form.Command2, form.Command1, form.Command3,
                                   form.Command4, form.Command5, form.Text1,    form.Text2,
                                   form.Command8, form.Text3,    form.Text4,    form.Command7,
                                   form.Command9};
    // (a text box's own viewport and scroll bars follow it in the chain and are skipped)
    for (qsizetype i = 1; i < order.size(); ++i) {
        QWidget* next = order.at(i - 1)->nextInFocusChain();
        while (!order.contains(next) && next != order.at(i - 1))
            next = next->nextInFocusChain();
        QCOMPARE(next, order.at(i));
    }
    form.show();
    QApplication::setActiveWindow(&form);
    form.start();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(QApplication::focusWidget(), form.Command6);
    QVERIFY(prompter.messages.isEmpty());
}

void TstForm1::showsToday() {
    DataFixture data;
    data.setDayLine(4, 12, "Domingo de Pascua");
    FixedClock clock(QDate(2009, 4, 12), QTime(10, 20, 30));
    ScriptedPrompter prompter;
    Form1 form(clock, data.ruta(), prompter);
    form.start();
    QCOMPARE(form.Label1->text(), QStringLiteral("+ Domingo"));
    QCOMPARE(form.Label15->text(), QStringLiteral("Abril"));
    QCOMPARE(form.Label14->text(), QStringLiteral("Domingo de Pascua"));
    QCOMPARE(form.Label9->text(), QStringLiteral("Celebración 5"));
    QCOMPARE(form.Label4->text(), QStringLiteral("2009"));
    QCOMPARE(form.Label2->text(), QStringLiteral("10:20:30"));
    QCOMPARE(form.FechaVista, QDate(2009, 4, 12));
    QVERIFY(form.Label16->isEnabled() && form.Label19->isEnabled());
}

void TstForm1::yearOutsideTheCalendarStillOpens() {
    DataFixture data;
    FixedClock clock(QDate(2026, 12, 7));
    ScriptedPrompter prompter;
    Form1 form(clock, data.ruta(), prompter);
    form.start();
    QVERIFY(prompter.messages.isEmpty());
    QCOMPARE(form.Label1->text(), QStringLiteral("Lunes"));
    QCOMPARE(form.Label15->text(), QStringLiteral("Diciembre"));
    QCOMPARE(form.Label14->text(), DataFixture::defaultDayLine(12, 7));
    QCOMPARE(form.Label4->text(), QStringLiteral("2026"));
    QCOMPARE(form.Label9->text(), QStringLiteral("El calendario abarca de 2000 a 2016"));
    // The message fits its label.
    QVERIFY(form.Label9->fontMetrics().horizontalAdvance(form.Label9->text()) <
            form.Label9->width());
    QCOMPARE(form.Label8->text(), QString());
    QCOMPARE(form.Label7->text(), QString());
    QCOMPARE(form.Label11->text(), QString());
    QCOMPARE(form.Label6->background(), QColor(192, 192, 192));
}

void TstForm1::dataFaultKeepsTheWindowRunning() {
    DataFixture data;
    data.removeFile("c7.txt");
    FixedClock clock(QDate(2009, 4, 12), QTime(10, 0, 0));
    ScriptedPrompter prompter;
    Form1 form(clock, data.ruta(), prompter);
    form.start();
    QCOMPARE(prompter.messages.size(), 1);
    QVERIFY(prompter.messages.first().contains("c7.txt"));
    QVERIFY(prompter.messages.first().startsWith("No se encuentra"));
    // The clock goes on, and the fault is not reported again at every tick.
    clock.set(QDate(2009, 4, 12), QTime(10, 0, 1));
    QTRY_COMPARE(form.Label2->text(), QStringLiteral("10:00:01"));
    QCOMPARE(prompter.messages.size(), 1);
    // Once the file is back, the next run shows the day.
    DataFixture whole;
    data.writeLines("c7.txt", whole.lines("c7.txt"));
    form.Form_Activate();
    QCOMPARE(prompter.messages.size(), 1);
    QCOMPARE(form.Label9->text(), QStringLiteral("Celebración 5"));
}

void TstForm1::midnightStartsANewRun() {
    DataFixture data;
    FixedClock clock(QDate(2009, 4, 11), QTime(23, 59, 59));
    ScriptedPrompter prompter;
    Form1 form(clock, data.ruta(), prompter);
    form.start();
    QCOMPARE(form.Label1->text(), QStringLiteral("Sábado"));
    QCOMPARE(form.Label9->text(), QStringLiteral("No hay"));
    clock.set(QDate(2009, 4, 12), QTime(0, 0, 0));
    QTRY_COMPARE(form.Label1->text(), QStringLiteral("+ Domingo"));
    QCOMPARE(form.Label14->text(), DataFixture::defaultDayLine(4, 12));
    QCOMPARE(form.Label9->text(), QStringLiteral("Celebración 5"));
    QCOMPARE(form.FechaVista, QDate(2009, 4, 12));
    QCOMPARE(form.Label2->text(), QStringLiteral("00:00:00"));
}

void TstForm1::overflowMarkFollowsTheLine() {
    DataFixture data;
    FixedClock clock(QDate(2009, 4, 12));
    ScriptedPrompter prompter;
    Form1 form(clock, data.ruta(), prompter);
    form.start();
    QCOMPARE(form.Label20->text(), QString());
    // A line exactly as wide as the label gets no mark; one pixel more does.
    QString line;
    while (form.textWidthTwips(line + 'i') <= 4935.0)
        line += 'i';
    form.Label14->setText(line);
    form.Flech();
    QVERIFY(form.textWidthTwips(line) <= 4935.0);
    QCOMPARE(form.Label20->text(), QString());
    form.Label14->setText(line + "WWW");
    form.Flech();
    QVERIFY(!form.Label20->text().isEmpty());
    // A short line clears the mark a long one left; so does an empty one.
    form.Label14->setText("corto");
    form.Flech();
    QCOMPARE(form.Label20->text(), QString());
    form.Label14->setText(line + "WWW");
    form.Flech();
    form.Label14->setText(QString());
    form.Flech();
    QCOMPARE(form.Label20->text(), QString());
}

void TstForm1::windowButtons() {
    DataFixture data;
    FixedClock clock(QDate(2009, 4, 12));
    ScriptedPrompter prompter;
    Form1 form(clock, data.ruta(), prompter);
    form.show();
    form.start();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.Label14->setText("otro día");
    // The minimise glyph changes nothing of what is shown.
    QTest::mouseClick(form.Command3, Qt::LeftButton);
    QVERIFY(form.windowState() & Qt::WindowMinimized);
    QCOMPARE(form.Label14->text(), QStringLiteral("otro día"));
    // The close glyph ends the window.
    form.showNormal();
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    QVERIFY(!form.isVisible());
}

void TstForm1::bannerDragsTheWindow() {
    DataFixture data;
    FixedClock clock(QDate(2009, 4, 12));
    ScriptedPrompter prompter;
    Form1 form(clock, data.ruta(), prompter);
    form.move(100, 100);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QPoint start = form.pos();
    QTest::mousePress(form.Label3, Qt::LeftButton, {}, QPoint(20, 5));
    QMouseEvent move(QEvent::MouseMove, QPointF(60, 35), form.Label3->mapToGlobal(QPointF(60, 35)),
                     Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(form.Label3, &move);
    QTest::mouseRelease(form.Label3, Qt::LeftButton, {}, QPoint(60, 35));
    QCOMPARE(form.pos(), start + QPoint(40, 30));
}

QTEST_MAIN(TstForm1)
#include "tst_form1.moc"
