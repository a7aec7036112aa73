// The main window as the user first sees it: the controls in their places and states, today's
// view after start-up, a year the calendar does not hold, a fault in the data reported while
// the window keeps running, and the new run when the date changes at midnight.

#include "gui/qt_prompter.h"
#include "platform/termination.h"
#include "support/main_window_fixture.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QThreadPool>

class TstForm1 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startUpInventory_data();
    void startUpInventory();
    void startUpStates();
    void showsToday();
    void yearOutsideTheCalendarStillOpens();
    void dataFaultKeepsTheWindowRunning();
    void specialFilesAreNamedAtOnce_data();
    void specialFilesAreNamedAtOnce();
    void dataCheckAtStartNamesTheProblems();
    void oneReportAtStart();
    void startReportIsNeverLost_data();
    void startReportIsNeverLost();
    void midnightStartsANewRun();
    void midnightKeepsTheFocusInATextBox_data();
    void midnightKeepsTheFocusInATextBox();
    void failedRunLeavesNothingStaleAndIsTriedAgain_data();
    void failedRunLeavesNothingStaleAndIsTriedAgain();
    void markupIsShownAsPlainText_data();
    void markupIsShownAsPlainText();
    void overflowMarkFollowsTheLine();
    void windowButtons();
    void fixedColoursUnderADarkTheme_data();
    void fixedColoursUnderADarkTheme();
    void bannerDragsTheWindow();
};

void TstForm1::startUpInventory_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("text");
    QTest::newRow("banner") << "Label3" << QRect(0, 0, 7455, 255)
                            << " Quessaral - Orvantel Español"; // the years come with start()
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
    MainWindowFixture w;
    auto* widget = w.form.findChild<QWidget*>(name);
    QVERIFY(widget);
    // Twips to the nearest pixel: 1750 twips are 117 pixels (116.7), not 116.
    const auto px = [](int t) { return qRound(t / 15.0); };
    QCOMPARE(widget->geometry(),
             QRect(px(twips.x()), px(twips.y()), px(twips.width()), px(twips.height())));
    if (auto* label = qobject_cast<QLabel*>(widget); label && !text.isEmpty())
        QCOMPARE(label->text(), text);
    if (auto* button = qobject_cast<QPushButton*>(widget))
        QCOMPARE(button->text(), text);
}

void TstForm1::startUpStates() {
    MainWindowFixture w;
    QCOMPARE(w.form.size(), QSize(532, 181));
    QVERIFY(w.form.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(w.form.Text3->isHidden());
    QVERIFY(w.form.Text4->isHidden());
    QVERIFY(!w.form.Text1->isEnabled());
    // The legend shows no readable text: box and text in the same colour.
    QCOMPARE(w.form.Text2->palette().color(QPalette::Text),
             w.form.Text2->palette().color(QPalette::Base));
    QCOMPARE(w.form.Label6->background(), QColor(192, 192, 192));
    QVERIFY(!w.form.Image2->pixmap().isNull());
    QCOMPARE(w.form.Image2->pixmap().size(), QSize(48, 66));

    // The keyboard order starts on "Siglas", which holds the focus.
    const QList<QWidget*> order = {
        w.form.Command6, w.form.Command2, w.form.Command1, w.form.Command3, w.form.Command4,
        w.form.Command5, w.form.Text1,    w.form.Text2,    w.form.Command8, w.form.Text3,
        w.form.Text4,    w.form.Command7, w.form.Command9};
    // (a text box's own viewport and scroll bars follow it in the chain and are skipped)
    for (qsizetype i = 1; i < order.size(); ++i) {
        QWidget* next = order.at(i - 1)->nextInFocusChain();
        while (!order.contains(next) && next != order.at(i - 1))
            next = next->nextInFocusChain();
        QCOMPARE(next, order.at(i));
    }
    w.form.show();
    w.form.activateWindow();
    w.form.start();
    QVERIFY(QTest::qWaitForWindowActive(&w.form));
    QCOMPARE(QApplication::focusWidget(), w.form.Command6);
    QVERIFY(w.prompter.messages.isEmpty());
}

void TstForm1::showsToday() {
    MainWindowFixture w(QDate(2009, 4, 12), QTime(10, 20, 30));
    w.data.setDayLine(4, 12, "Domingo de Pascua");
    w.form.start();
    QCOMPARE(w.form.Label3->text(), QStringLiteral(" Quessaral - Orvantel Español 2000-2016"));
    QCOMPARE(w.form.Label1->text(), QStringLiteral("+ Domingo"));
    QCOMPARE(w.form.Label15->text(), QStringLiteral("Abril"));
    QCOMPARE(w.form.Label14->text(), QStringLiteral("Domingo de Pascua"));
    QCOMPARE(w.form.Label9->text(), QStringLiteral("Celebración 5"));
    QCOMPARE(w.form.Label4->text(), QStringLiteral("2009"));
    QCOMPARE(w.form.Label2->text(), QStringLiteral("10:20:30"));
    QCOMPARE(w.form.fechaVista(), QDate(2009, 4, 12));
    QVERIFY(w.form.Label16->isEnabled() && w.form.Label19->isEnabled());
}

void TstForm1::yearOutsideTheCalendarStillOpens() {
    StartedMainWindow w(QDate(2026, 12, 7));
    QVERIFY(w.prompter.messages.isEmpty());
    QCOMPARE(w.form.Label1->text(), QStringLiteral("Lunes"));
    QCOMPARE(w.form.Label15->text(), QStringLiteral("Diciembre"));
    QCOMPARE(w.form.Label14->text(), DataFixture::defaultDayLine(12, 7));
    QCOMPARE(w.form.Label4->text(), QStringLiteral("2026"));
    QCOMPARE(w.form.Label9->text(), QStringLiteral("El calendario abarca de 2000 a 2016"));
    // The message fits its label.
    QVERIFY(w.form.Label9->fontMetrics().horizontalAdvance(w.form.Label9->text()) <
            w.form.Label9->width());
    QCOMPARE(w.form.Label8->text(), QString());
    QCOMPARE(w.form.Label7->text(), QString());
    QCOMPARE(w.form.Label11->text(), QString());
    QCOMPARE(w.form.Label6->background(), QColor(192, 192, 192));
}

void TstForm1::dataFaultKeepsTheWindowRunning() {
    MainWindowFixture w(QDate(2009, 4, 12), QTime(10, 0, 0));
    w.data.removeFile("c7.txt");
    w.form.start();
    QCOMPARE(w.prompter.messages.size(), 1);
    QVERIFY(w.prompter.messages.first().contains("c7.txt"));
    QVERIFY(w.prompter.messages.first().startsWith("No se encuentra"));
    // The clock goes on, and the fault is not reported again at every tick.
    w.clock.set(QDate(2009, 4, 12), QTime(10, 0, 1));
    QTRY_COMPARE(w.form.Label2->text(), QStringLiteral("10:00:01"));
    QCOMPARE(w.prompter.messages.size(), 1);
    // Once the file is back, the next run shows the day.
    DataFixture whole;
    w.data.writeLines("c7.txt", whole.lines("c7.txt"));
    w.form.Form_Activate();
    QCOMPARE(w.prompter.messages.size(), 1);
    QCOMPARE(w.form.Label9->text(), QStringLiteral("Celebración 5"));
}

void TstForm1::specialFilesAreNamedAtOnce_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("FIFO") << "fifo";
    QTest::newRow("link to an endless device") << "zero";
}

void TstForm1::specialFilesAreNamedAtOnce() {
    QFETCH(QString, kind);
#ifndef Q_OS_UNIX
    QSKIP("Unix special files: on Windows QFile::link makes a shortcut, not a link");
#endif
    MainWindowFixture w(QDate(2009, 4, 12));
    const QString c5 = w.data.path("c5.txt");
    w.data.removeFile("c5.txt");
    if (kind == QLatin1String("fifo"))
        QVERIFY(QProcess::execute("mkfifo", {c5}) == 0);
    else
        QVERIFY(QFile::link("/dev/zero", c5));
    QElapsedTimer timer;
    timer.start();
    w.form.start();
    QVERIFY(timer.elapsed() < 1000);
    QCOMPARE(w.prompter.messages.size(), 1);
    QVERIFY(w.prompter.messages.first().contains("c5.txt"));
}

void TstForm1::dataCheckAtStartNamesTheProblems() {
    MainWindowFixture w(QDate(2009, 4, 12));
    w.data.setMovableLine(5, 11, QStringLiteral("99-12-abr")); // Easter 2009, another year
    w.form.start({}, Form1::DataCheck::InBackground);
    QVERIFY(w.prompter.messages.isEmpty()); // told once the check is done
    QTRY_COMPARE(w.prompter.messages.size(), 1);
    QVERIFY(w.prompter.messages.first().contains("c5.txt:11:"));
    QVERIFY(w.prompter.messages.first().contains("orvantel-dia --comprobar"));
}

void TstForm1::oneReportAtStart() {
    // The date of Easter 2009 that the first run reads, and the check names by its line.
    MainWindowFixture w(QDate(2009, 4, 12));
    w.data.setMovableLine(5, 11, QStringLiteral("09-31-abr"));
    const QString edited = QStringLiteral("Se conservan sus cambios en 01.txt.");
    w.form.start({edited}, Form1::DataCheck::InBackground);
    QTRY_COMPARE(w.prompter.messages.size(), 1);
    const QString told = w.prompter.messages.first();
    QVERIFY2(told.startsWith(edited), qPrintable(told));
    QCOMPARE(told.count(QStringLiteral("c5.txt")), 1);
    QVERIFY2(told.contains(QStringLiteral("c5.txt:11:")), qPrintable(told));
}

void TstForm1::startReportIsNeverLost_data() {
    QTest::addColumn<QString>("order");
    QTest::newRow("check done before the window is shown") << "check first";
    QTest::newRow("window minimised, then restored") << "minimised";
    QTest::newRow("three problems listed before c5.txt") << "problems first";
}

void TstForm1::startReportIsNeverLost() {
    QFETCH(QString, order);
    // The platform's own message box, over a window whose first run fails on c5.txt.
    MainWindowFixture w;
    w.data.setMovableLine(5, 11, QStringLiteral("09-31-abr"));
    for (int day = 1; order == QLatin1String("problems first") && day <= 3; ++day)
        w.data.setDayLine(1, day, QString());
    QtPrompter prompter;
    Form1 form(w.clock, w.data.ruta(), prompter);
    prompter.setParent(&form);
    if (order != QLatin1String("check first"))
        form.show();
    if (order == QLatin1String("minimised"))
        form.showMinimized();
    form.start({}, Form1::DataCheck::InBackground);
    QThreadPool::globalInstance()->waitForDone();
    QTest::qWait(100); // the check's answer, and what opens at once
    const auto box = [&form] { return form.findChild<QMessageBox*>(); };
    QCOMPARE(box() && box()->isVisible(), order == QLatin1String("problems first")); // on screen
    form.showNormal();
    QTRY_VERIFY(box() && box()->isVisible());
    QVERIFY2(box()->text().contains(QStringLiteral("c5.txt")), qPrintable(box()->text()));
}

void TstForm1::midnightStartsANewRun() {
    StartedMainWindow w(QDate(2009, 4, 11), QTime(23, 59, 59));
    QCOMPARE(w.form.Label1->text(), QStringLiteral("Sábado"));
    QCOMPARE(w.form.Label9->text(), QStringLiteral("No hay"));
    w.clock.set(QDate(2009, 4, 12), QTime(0, 0, 0));
    QTRY_COMPARE(w.form.Label1->text(), QStringLiteral("+ Domingo"));
    QCOMPARE(w.form.Label14->text(), DataFixture::defaultDayLine(4, 12));
    QCOMPARE(w.form.Label9->text(), QStringLiteral("Celebración 5"));
    QCOMPARE(w.form.fechaVista(), QDate(2009, 4, 12));
    QCOMPARE(w.form.Label2->text(), QStringLiteral("00:00:00"));
}

void TstForm1::midnightKeepsTheFocusInATextBox_data() {
    QTest::addColumn<QString>("place");
    QTest::addColumn<bool>("kept");
    QTest::newRow("notes") << "notes" << true;
    QTest::newRow("legend") << "legend" << true;
    QTest::newRow("celebrations list") << "celebrations list" << true;
    QTest::newRow("table of Masses") << "table of Masses" << true;
    QTest::newRow("today button: parked on Siglas") << "today button" << false;
}

void TstForm1::midnightKeepsTheFocusInATextBox() {
    QFETCH(QString, place);
    QFETCH(bool, kept);
    StartedMainWindow w(QDate(2009, 4, 11), QTime(23, 59, 59));
    w.form.show();
    w.form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w.form));
    QWidget* box = nullptr;
    if (place == QLatin1String("notes")) {
        QTest::mouseClick(w.form.Label13, Qt::LeftButton);
        box = w.form.Text3;
    } else if (place == QLatin1String("legend")) {
        box = w.form.Text2;
    } else if (place == QLatin1String("celebrations list")) {
        QTest::mouseClick(w.form.Label10, Qt::LeftButton);
        box = w.form.Text4;
    } else if (place == QLatin1String("table of Masses")) {
        QTest::mouseClick(w.form.Command8, Qt::LeftButton);
        w.form.form2()->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), w.form.form2());
        box = w.form.form2()->Text1;
    } else {
        box = w.form.Command2;
    }
    box->setFocus();
    QCOMPARE(QApplication::focusWidget(), box);
    w.clock.set(QDate(2009, 4, 12), QTime(0, 0, 0));
    QTRY_COMPARE(w.form.Label1->text(), QStringLiteral("+ Domingo"));
    QCOMPARE(QApplication::focusWidget(), kept ? box : w.form.Command6);
}

void TstForm1::failedRunLeavesNothingStaleAndIsTriedAgain_data() {
    // The new c19.txt, or none; for no c19 either, the whole data folder is taken away.
    QTest::addColumn<QStringList>("c19");
    QTest::addColumn<bool>("folderGone");
    QTest::addColumn<QString>("named");
    QTest::newRow("c19 missing") << QStringList() << false << "c19.txt";
    // (A c19 too short for the year is no fault: the year is then out of the calendar.)
    QStringList longLine = DataFixture().lines(QStringLiteral("c19.txt"));
    longLine[10] = QString(5000, QLatin1Char('9'));
    QTest::newRow("c19 with an endless line") << longLine << false << "c19.txt";
    QTest::newRow("data folder gone") << QStringList() << true << ".txt";
}

void TstForm1::failedRunLeavesNothingStaleAndIsTriedAgain() {
    QFETCH(QStringList, c19);
    QFETCH(bool, folderGone);
    QFETCH(QString, named);
    // Pentecost 2009 is on 31 May; the Monday after it opens week 9 of Ordinary Time, the
    // first day whose week is read from "c19.txt".
    StartedMainWindow w(QDate(2009, 5, 31), QTime(23, 59, 59));
    QCOMPARE(w.form.Label8->text(), QStringLiteral("Ciclo B"));
    QVERIFY(!w.form.Label7->text().isEmpty());
    const QStringList whole = w.data.lines(QStringLiteral("c19.txt"));
    const QString folder = QDir(w.data.ruta()).absolutePath();
    const QString aside = folder + QStringLiteral("-aparte");
    if (folderGone)
        QVERIFY(QDir().rename(folder, aside));
    else if (c19.isEmpty())
        w.data.removeFile(QStringLiteral("c19.txt"));
    else
        w.data.writeLines(QStringLiteral("c19.txt"), c19);

    w.clock.set(QDate(2009, 6, 1), QTime(0, 0, 0));
    QTRY_COMPARE(w.prompter.messages.size(), 1);
    QVERIFY(w.prompter.messages.first().contains(named));
    for (FormLabel* field : {w.form.Label8, w.form.Label7, w.form.Label11})
        QCOMPARE(field->text(), QString());
    QCOMPARE(w.form.Label6->background(), QColor(192, 192, 192));
    QCOMPARE(w.form.fechaVista(), QDate(2009, 5, 31));

    // The next date change tries again, without the same message a second time.
    w.clock.set(QDate(2009, 6, 2), QTime(0, 0, 1));
    QTRY_COMPARE(w.form.Label2->text(), QStringLiteral("00:00:01"));
    QCOMPARE(w.prompter.messages.size(), 1);

    // Mending the file, or putting the folder back, brings the view back without a click.
    if (folderGone)
        QVERIFY(QDir().rename(aside, folder));
    else
        w.data.writeLines(QStringLiteral("c19.txt"), whole);
    QTRY_COMPARE(w.form.Label11->text(), QStringLiteral("Semana  9"));
    QCOMPARE(w.form.Label1->text(), QStringLiteral("Martes"));
    QCOMPARE(w.form.Label8->text(), QStringLiteral("Ciclo B"));
    QCOMPARE(w.form.Label7->text(), QStringLiteral("T.Ordinario"));
    QCOMPARE(w.form.Label6->background(), QColor(0, 250, 0));
    QCOMPARE(w.form.fechaVista(), QDate(2009, 6, 2));
    QCOMPARE(w.prompter.messages.size(), 1);
}

void TstForm1::markupIsShownAsPlainText_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::newRow("day line") << "Label14"
                              << "<b>negrita</b>";
    QTest::newRow("movable celebration") << "Label9"
                                         << "<i>Domingo</i> de Pascua &amp;";
}

void TstForm1::markupIsShownAsPlainText() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    MainWindowFixture w;
    if (field == QLatin1String("Label14"))
        w.data.setDayLine(4, 12, text);
    else
        w.data.setMovableLine(5, 1, text);
    w.form.start();
    auto* label = w.form.findChild<QLabel*>(field);
    QCOMPARE(label->text(), text);
    for (const QLabel* any : w.form.findChildren<QLabel*>())
        QCOMPARE(any->textFormat(), Qt::PlainText);
}

void TstForm1::overflowMarkFollowsTheLine() {
    StartedMainWindow w;
    QCOMPARE(w.form.Label20->text(), QString());
    // A line exactly as wide as the label gets no mark; one pixel more does.
    QString line;
    while (w.form.textWidthTwips(line + 'i') <= 4935.0)
        line += 'i';
    w.form.Label14->setText(line);
    w.form.Flech();
    QVERIFY(w.form.textWidthTwips(line) <= 4935.0);
    QCOMPARE(w.form.Label20->text(), QString());
    w.form.Label14->setText(line + "WWW");
    w.form.Flech();
    QVERIFY(!w.form.Label20->text().isEmpty());
    // A short line clears the mark a long one left; so does an empty one.
    w.form.Label14->setText("corto");
    w.form.Flech();
    QCOMPARE(w.form.Label20->text(), QString());
    w.form.Label14->setText(line + "WWW");
    w.form.Flech();
    w.form.Label14->setText(QString());
    w.form.Flech();
    QCOMPARE(w.form.Label20->text(), QString());
}

void TstForm1::windowButtons() {
    MainWindowFixture w;
    w.form.show();
    w.form.start();
    QVERIFY(QTest::qWaitForWindowExposed(&w.form));
    w.form.Label14->setText("otro día");
    // The minimise glyph changes nothing of what is shown.
    QTest::mouseClick(w.form.Command3, Qt::LeftButton);
    QVERIFY(w.form.windowState() & Qt::WindowMinimized);
    QCOMPARE(w.form.Label14->text(), QStringLiteral("otro día"));
    // The close glyph ends the window.
    w.form.showNormal();
    QTest::mouseClick(w.form.Command1, Qt::LeftButton);
    QVERIFY(!w.form.isVisible());
}

void TstForm1::fixedColoursUnderADarkTheme_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QPalette::ColorGroup>("group");
    QTest::addColumn<QPalette::ColorRole>("role");
    QTest::addColumn<QColor>("colour");
    const QColor face(212, 208, 200);
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    QTest::newRow("window") << "Form1" << QPalette::Active << QPalette::Window << face;
    QTest::newRow("button face") << "Command2" << QPalette::Active << QPalette::Button << face;
    QTest::newRow("button caption")
        << "Command2" << QPalette::Active << QPalette::ButtonText << black;
    QTest::newRow("button caption, window inactive")
        << "Command7" << QPalette::Inactive << QPalette::ButtonText << black;
    QTest::newRow("glyph caption")
        << "Command1" << QPalette::Active << QPalette::ButtonText << black;
    QTest::newRow("notes box") << "Text3" << QPalette::Active << QPalette::Base << white;
    QTest::newRow("notes text") << "Text3" << QPalette::Active << QPalette::Text << black;
    QTest::newRow("celebrations list") << "Text4" << QPalette::Inactive << QPalette::Base << white;
    QTest::newRow("search status") << "Text1" << QPalette::Disabled << QPalette::Text << black;
    QTest::newRow("celebrations line")
        << "Label14" << QPalette::Active << QPalette::WindowText << QColor(0, 0, 255);
    QTest::newRow("table of Masses") << "Form2" << QPalette::Active << QPalette::Window << face;
    QTest::newRow("table text") << "Form2/Text1" << QPalette::Active << QPalette::Text << black;
}

void TstForm1::fixedColoursUnderADarkTheme() {
    QFETCH(QString, control);
    QFETCH(QPalette::ColorGroup, group);
    QFETCH(QPalette::ColorRole, role);
    QFETCH(QColor, colour);
    // A dark desktop theme: light text on dark faces and boxes.
    struct DarkTheme {
        QPalette saved = QApplication::palette();
        DarkTheme() {
            QPalette dark(QColor(53, 53, 53), QColor(30, 30, 30));
            for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
                dark.setColor(role, QColor(240, 240, 240));
            dark.setColor(QPalette::Base, QColor(25, 25, 25));
            QApplication::setPalette(dark);
        }
        ~DarkTheme() { QApplication::setPalette(saved); }
    } theme;
    StartedMainWindow w;
    QTest::mouseClick(w.form.Command8, Qt::LeftButton);
    QWidget* widget = &w.form;
    if (control == QLatin1String("Form2"))
        widget = w.form.form2();
    else if (control == QLatin1String("Form2/Text1"))
        widget = w.form.form2()->Text1;
    else if (control != QLatin1String("Form1"))
        widget = w.form.findChild<QWidget*>(control);
    QVERIFY(widget);
    QCOMPARE(widget->palette().color(group, role), colour);
}

void TstForm1::bannerDragsTheWindow() {
    MainWindowFixture w;
    w.form.move(100, 100);
    w.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.form));
    const QPoint start = w.form.pos();
    QTest::mousePress(w.form.Label3, Qt::LeftButton, {}, QPoint(20, 5));
    QMouseEvent move(QEvent::MouseMove, QPointF(60, 35),
                     w.form.Label3->mapToGlobal(QPointF(60, 35)), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(w.form.Label3, &move);
    QTest::mouseRelease(w.form.Label3, Qt::LeftButton, {}, QPoint(60, 35));
    QCOMPARE(w.form.pos(), start + QPoint(40, 30));
}

// QTEST_MAIN's steps, then the end the program makes (termination::endProcess): under wine this
// test, with every function passed, hung in the unloading of the C++ runtime's library at exit,
// as the program's own exit had.
int main(int argc, char* argv[]) {
    int status = 0;
    {
        QApplication app(argc, argv);
        QApplication::setAttribute(Qt::AA_Use96Dpi, true);
        TstForm1 test;
        QTEST_SET_MAIN_SOURCE_PATH
        status = QTest::qExec(&test, argc, argv);
    }
    return termination::endProcess(status);
}
#include "tst_form1.moc"
