// The Masses for the dead table as the user meets it: one window however often "Misa Difuntos"
// is pressed, its title, frame, size and nineteen lines, text typed into it gone at the next
// opening, and closing it greys the button and shows today again in the main window.

#include "gui/window_placement.h"
#include "platform/text_file.h"
#include "support/main_window_fixture.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

namespace {

struct Window : StartedMainWindow {
    void pressMisaDifuntos() { QTest::mouseClick(form.Command8, Qt::LeftButton); }
};

QColor buttonColour(const QPushButton* b) {
    return b->palette().color(QPalette::Button);
}

const QString kRule(63, QLatin1Char('-'));

QStringList tableLines() {
    return {
        QStringLiteral("       EXEQUIAL        ANIVERSARIO        COTIDIANA"),
        kRule,
        QStringLiteral(" Solemn. de  precepto • San José • La Asunción de "),
        QStringLiteral(" la Virgen • Dom. de Adviento, Cuaresma y Pascua • "),
        QStringLiteral(" Jueves, Viernes y Sábado Santos :"),
        QStringLiteral("             NO\t          NO                       NO"),
        kRule,
        QStringLiteral(" Solemn. • 2 de Nov.• Miércoles de Ceniza • Lunes, "),
        QStringLiteral(" Martes y Miércoles Santos • Días de la Octava de "),
        QStringLiteral(" Pascua • Dom. de Navidad y del Tiempo Ordinario • "),
        QStringLiteral(" Fiestas :"),
        QStringLiteral("             SI                          NO                       NO"),
        kRule,
        QStringLiteral(" Memorias obligatorias • Ferias de Adviento, Octava "),
        QStringLiteral(" de Navidad, Cuaresma y Tiempo Pascual :"),
        QStringLiteral("             SI                          SI                         NO"),
        kRule,
        QStringLiteral(" Ferias del Tiempo Ordinario :"),
        QStringLiteral("             SI                          SI                         SI"),
    };
}

} // namespace

class TstForm2 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void oneWindowForTwoPresses();
    void windowAndBox();
    void tableText();
    void typedTextIsGoneAtTheNextOpening();
    void closingGreysTheButtonAndShowsToday();
    void returnFromTheOpenTableShowsToday_data();
    void returnFromTheOpenTableShowsToday();
    void tableStaysInReach_data();
    void tableStaysInReach();
    void tableOpensOnTheScreen();
};

void TstForm2::oneWindowForTwoPresses() {
    Window w;
    w.pressMisaDifuntos();
    QPointer<Form2> first = w.form.form2();
    QVERIFY(first);
    QVERIFY(first->isVisible());
    w.pressMisaDifuntos();
    QCOMPARE(w.form.form2(), first.data());
    QCOMPARE(w.form.findChildren<Form2*>().size(), 1);
    QCOMPARE(buttonColour(w.form.Command8), QColor(150, 0, 150));
    QCOMPARE(w.form.Command8->text(), QStringLiteral("Misa Difuntos"));
}

void TstForm2::windowAndBox() {
    Window w;
    w.pressMisaDifuntos();
    Form2* table = w.form.form2();
    QCOMPARE(table->windowTitle(), QStringLiteral("Clases de Misas de Difuntos : Permisividad"));
    QVERIFY(table->isWindow());
    QCOMPARE(table->windowModality(), Qt::NonModal);
    const Qt::WindowFlags flags = table->windowFlags();
    QVERIFY(flags & Qt::WindowTitleHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QCOMPARE(table->size(), QSize(265, 273)); // 3975 x 4095 twips
    QCOMPARE(table->minimumSize(), table->maximumSize());

    QPlainTextEdit* box = table->Text1;
    QCOMPARE(box->objectName(), QStringLiteral("Text1"));
    QCOMPARE(box->geometry(), QRect(0, 0, 265, 273));
    QCOMPARE(box->palette().color(QPalette::Base), QColor(255, 255, 255));
    QCOMPARE(box->palette().color(QPalette::Text), QColor(0, 0, 0));
    QCOMPARE(box->font().family(), QStringLiteral("Arial"));
    QCOMPARE(box->font().pixelSize(), 11);
    QCOMPARE(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(box->wordWrapMode(), QTextOption::WordWrap);
    QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    // The main window stays usable while the table is open.
    QTest::mouseClick(w.form.Command6, Qt::LeftButton);
    QCOMPARE(w.form.pulsSiglas(), 1);
}

void TstForm2::tableText() {
    Window w;
    w.pressMisaDifuntos();
    const QString text = w.form.form2()->Text1->toPlainText();
    QCOMPARE(text, tableLines().join(QLatin1Char('\n')) + QLatin1Char('\n'));
    // In the files' code page the bullet is the single byte 0x95.
    QCOMPARE(textfile::encode(tableLines().at(2)),
             QByteArray(" Solemn. de  precepto \x95 San Jos\xe9 \x95 La Asunci\xf3n de "));
}

void TstForm2::typedTextIsGoneAtTheNextOpening() {
    Window w;
    w.pressMisaDifuntos();
    QPlainTextEdit* box = w.form.form2()->Text1;
    box->moveCursor(QTextCursor::Start);
    QTest::keyClicks(box, "Apunte ");
    QVERIFY(box->toPlainText().startsWith(QStringLiteral("Apunte ")));
    QVERIFY(w.form.form2()->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(w.form.findChildren<Form2*>().size(), 0);
    w.pressMisaDifuntos();
    QCOMPARE(w.form.form2()->Text1->toPlainText(),
             tableLines().join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

void TstForm2::closingGreysTheButtonAndShowsToday() {
    Window w;
    const QString today = DataFixture::defaultDayLine(4, 12);
    QCOMPARE(w.form.Label14->text(), today);
    w.pressMisaDifuntos();
    // A day reached with the step buttons or a search.
    w.form.Label14->setText(DataFixture::defaultDayLine(4, 20));
    w.form.Label15->setText(QStringLiteral("Mayo"));
    QVERIFY(w.form.form2()->close());
    QCOMPARE(buttonColour(w.form.Command8), QColor(190, 190, 190));
    QCOMPARE(w.form.Label14->text(), today);
    QCOMPARE(w.form.Label15->text(), QStringLiteral("Abril"));
    QVERIFY(!w.form.form2());
    // Grey until the next opening, purple again then.
    w.pressMisaDifuntos();
    QCOMPARE(buttonColour(w.form.Command8), QColor(150, 0, 150));
}

void TstForm2::returnFromTheOpenTableShowsToday_data() {
    QTest::addColumn<bool>("elsewhere");
    QTest::addColumn<bool>("runs");
    QTest::newRow("straight from the table") << false << true;
    QTest::newRow("from another window") << true << false;
}

void TstForm2::returnFromTheOpenTableShowsToday() {
    QFETCH(bool, elsewhere);
    QFETCH(bool, runs);
    Window w;
    w.form.show();
    w.form.activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), &w.form);
    // A day reached with the step buttons.
    QTest::mouseClick(w.form.Label19, Qt::LeftButton);
    QTRY_COMPARE(w.form.Label14->text(), DataFixture::defaultDayLine(4, 13));
    w.pressMisaDifuntos();
    w.form.form2()->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), w.form.form2());
    QWidget other; // another program, as far as this one can tell
    if (elsewhere) {
        other.show();
        other.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &other);
    }
    w.form.activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), &w.form);
    QCOMPARE(w.form.Label14->text(), DataFixture::defaultDayLine(4, runs ? 12 : 13));
    QVERIFY(w.form.form2()->isVisible());
}

void TstForm2::tableStaysInReach_data() {
    // The main window's frame on a 1280 x 800 screen whose panel takes the bottom 40 pixels;
    // where the table's frame (280 x 310) goes: right, left, below or above the main window.
    QTest::addColumn<QRect>("main");
    QTest::addColumn<QString>("side");
    QTest::newRow("middle") << QRect(300, 300, 532, 181) << "right";
    QTest::newRow("right edge") << QRect(740, 300, 532, 181) << "left";
    QTest::newRow("top-right corner") << QRect(748, 0, 532, 181) << "left";
    QTest::newRow("left edge, low") << QRect(0, 579, 532, 181) << "right";
    // A main window (or a screen) too wide for the table at either side.
    QTest::newRow("no room at the sides") << QRect(200, 100, 900, 181) << "below";
    QTest::newRow("no room at the sides, low") << QRect(200, 500, 900, 181) << "above";
}

void TstForm2::tableStaysInReach() {
    QFETCH(QRect, main);
    QFETCH(QString, side);
    const QRect available(0, 0, 1280, 760);
    const QSize frame(280, 310);
    const QRect glyph(main.right() - 22, main.top(), 17, 17);
    const QRect table(placement::beside(main, frame, available, glyph), frame);
    QVERIFY(available.contains(table));
    QVERIFY(!table.intersects(main));
    const QString found = table.left() > main.right()   ? "right"
                          : table.right() < main.left() ? "left"
                          : table.top() > main.bottom() ? "below"
                                                        : "above";
    QCOMPARE(found, side);
}

void TstForm2::tableOpensOnTheScreen() {
    // The window itself: a main window at the right edge of the screen keeps the table on the
    // screen and off the close glyph.
    Window w;
    const QRect screen = w.form.screen()->availableGeometry();
    w.form.move(screen.right() - w.form.width() - 10, screen.top() + 40);
    w.form.show();
    w.pressMisaDifuntos();
    const QRect opened = w.form.form2()->frameGeometry();
    QVERIFY(screen.contains(opened));
    QVERIFY(!opened.intersects(w.form.frameGeometry()));
}

QTEST_MAIN(TstForm2)
#include "tst_form2.moc"
