// The text search through the month files, without the window: upper case by the Western
// European code page, the days found one per pass in calendar order, the end of the search, the
// line's last character that a match never takes in, a new search that starts over, no scan
// before the first search, and the faults of a missing or short month file.

#include "platform/data_fault.h"
#include "search/text_search.h"
#include "support/data_fixture.h"

#include <QTest>

using search::TextSearch;

namespace {

// Days of a hand-made calendar that hold "josé" in some mix of case, and some that do not.
void writeJoseDays(DataFixture& data) {
    data.setDayLine(1, 2, QStringLiteral("Ss. Basilio y Gregorio; JOSÉ de Calasanz (trasl.)-b"));
    data.setDayLine(3, 19, QStringLiteral("S. José, esposo de la B.V. María, So+ (San José)-b"));
    data.setDayLine(3, 20, QStringLiteral("S. Jose sin acento-b"));
    data.setDayLine(5, 1, QStringLiteral("S. José Obrero, Me-b"));
    data.setDayLine(6, 1, QStringLiteral("Fiesta de San José"));
    data.setDayLine(8, 25, QStringLiteral("S. Luis; S. José de Calasanz-b"));
    data.setDayLine(12, 1, QStringLiteral("s. josé, en minúscula-b"));
}

struct Day {
    int month;
    int day;
};

} // namespace

class TstTextSearch : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void upperCaseByTheCodePage_data();
    void upperCaseByTheCodePage();
    void lineHolds_data();
    void lineHolds();

    void findsEveryDayInCalendarOrder();
    void textOnlyOnTheLastDay();
    void textNowhere();
    void newSearchStartsOver();
    void noScanBeforeTheFirstSearch();
    void faultInAMonthFile_data();
    void faultInAMonthFile();
    void shortFileAfterTheFoundDay();
};

void TstTextSearch::upperCaseByTheCodePage_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("upper");
    QTest::newRow("plain letters") << "san juan"
                                   << "SAN JUAN";
    QTest::newRow("ñ") << "señor"
                       << "SEÑOR";
    QTest::newRow("accented vowels") << "áéíóúü"
                                     << "ÁÉÍÓÚÜ";
    QTest::newRow("capitals and signs stay") << "Ñ, So+ -b 12"
                                             << "Ñ, SO+ -B 12";
    QTest::newRow("œ and š have capitals in the code page") << "œš"
                                                            << "ŒŠ";
    QTest::newRow("ÿ has its capital in the code page") << "ÿ"
                                                        << "Ÿ";
    QTest::newRow("µ has no capital in the code page") << "µ"
                                                       << "µ";
    QTest::newRow("ß stays one character") << "ß"
                                           << "ß";
}

void TstTextSearch::upperCaseByTheCodePage() {
    QFETCH(QString, text);
    QFETCH(QString, upper);
    QCOMPARE(search::upperCase(text), upper);
}

void TstTextSearch::lineHolds_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("holds");
    QTest::newRow("case is ignored") << "Ascensión del Señor-b"
                                     << "ascensión" << true;
    QTest::newRow("an accent is not the plain letter") << "Ascensión del Señor-b"
                                                       << "ascension" << false;
    QTest::newRow("a plain letter is not an accent") << "Jose-b"
                                                     << "josé" << false;
    QTest::newRow("the last character is never taken in") << "Ascensión del Señor-b"
                                                          << "señor-b" << false;
    QTest::newRow("up to the character before the last") << "Ascensión del Señor-b"
                                                         << "señor-" << true;
    QTest::newRow("at the first character") << "Ascensión del Señor-b"
                                            << "asc" << true;
    QTest::newRow("a line as long as the text") << "abc"
                                                << "abc" << false;
    QTest::newRow("empty text, one character") << "b"
                                               << "" << true;
    QTest::newRow("empty text, empty line") << ""
                                            << "" << false;
}

void TstTextSearch::lineHolds() {
    QFETCH(QString, line);
    QFETCH(QString, text);
    QFETCH(bool, holds);
    QCOMPARE(search::lineHolds(search::upperCase(line), search::upperCase(text)), holds);
}

void TstTextSearch::findsEveryDayInCalendarOrder() {
    DataFixture data;
    writeJoseDays(data);
    TextSearch search;
    search.begin(QStringLiteral("josé"));
    QCOMPARE(search.textoBusca(), QStringLiteral("JOSÉ"));
    const QList<Day> expected = {{1, 2}, {3, 19}, {5, 1}, {8, 25}, {12, 1}};
    for (qsizetype i = 0; i < expected.size(); ++i) {
        const std::optional<search::FoundDay> found = search.next(data.ruta());
        QVERIFY2(found, qPrintable(QStringLiteral("pass %1").arg(i + 1)));
        QCOMPARE(found->month, expected.at(i).month);
        QCOMPARE(found->day, expected.at(i).day);
        QCOMPARE(found->line, data.lines(QStringLiteral("%1.txt").arg(found->month, 2, 10,
                                                                      QChar('0')))
                                  .at(found->day - 1)); // as read, not upper-cased
        QCOMPARE(search.numHallados(), int(i + 1));
        QCOMPARE(search.ultHallado(), found->month * 100 + found->day);
        QCOMPARE(search.mesBusca(), found->month);
    }
    QCOMPARE(search.next(data.ruta()), std::nullopt);
    QCOMPARE(search.numHallados(), 5);
}

void TstTextSearch::textOnlyOnTheLastDay() {
    DataFixture data;
    data.setDayLine(12, 31, QStringLiteral("S. Silvestre I, papa, Mo-b"));
    TextSearch search;
    search.begin(QStringLiteral("silvestre"));
    const std::optional<search::FoundDay> found = search.next(data.ruta());
    QVERIFY(found);
    QCOMPARE(found->month, 12);
    QCOMPARE(found->day, 31);
    for (int pass = 0; pass < 2; ++pass) {
        QCOMPARE(search.next(data.ruta()), std::nullopt);
        QCOMPARE(search.numHallados(), 1);
        QCOMPARE(search.ultHallado(), 1231);
        QCOMPARE(search.mesBusca(), 12);
    }
}

void TstTextSearch::textNowhere() {
    DataFixture data;
    TextSearch search;
    search.begin(QStringLiteral("virovedude"));
    QCOMPARE(search.next(data.ruta()), std::nullopt);
    QCOMPARE(search.numHallados(), 0);
    QCOMPARE(search.ultHallado(), 100);
    QCOMPARE(search.mesBusca(), 1);
}

void TstTextSearch::newSearchStartsOver() {
    DataFixture data;
    writeJoseDays(data);
    TextSearch search;
    search.begin(QStringLiteral("josé"));
    search.next(data.ruta());
    search.next(data.ruta());
    search.begin(QString()); // Cancel
    QCOMPARE(search.textoBusca(), QString());
    QCOMPARE(search.mesBusca(), 1);
    QCOMPARE(search.numHallados(), 0);
    QCOMPARE(search.ultHallado(), 100);
    search.begin(QStringLiteral("José"));
    const std::optional<search::FoundDay> found = search.next(data.ruta());
    QVERIFY(found);
    QCOMPARE(found->month * 100 + found->day, 102);
}

void TstTextSearch::noScanBeforeTheFirstSearch() {
    // No month to start from and no text: a pass reads nothing, even from an empty folder.
    QTemporaryDir empty;
    TextSearch search;
    QVERIFY(!search.begun());
    QCOMPARE(search.next(empty.path() + QLatin1Char('/')), std::nullopt);
    QCOMPARE(search.numHallados(), 0);
}

void TstTextSearch::faultInAMonthFile_data() {
    QTest::addColumn<bool>("remove");
    QTest::addColumn<int>("kind");
    QTest::newRow("missing file") << true << int(DataFault::Kind::NotFound);
    QTest::newRow("file of 28 lines") << false << int(DataFault::Kind::PastEnd);
}

void TstTextSearch::faultInAMonthFile() {
    QFETCH(bool, remove);
    QFETCH(int, kind);
    DataFixture data;
    writeJoseDays(data);
    if (remove)
        data.removeFile(QStringLiteral("04.txt"));
    else
        data.writeLines(QStringLiteral("04.txt"), data.lines(QStringLiteral("04.txt")).mid(0, 28));
    TextSearch search;
    search.begin(QStringLiteral("josé"));
    search.next(data.ruta());
    search.next(data.ruta()); // 19 March
    try {
        search.next(data.ruta());
        QFAIL("the pass went past a faulty file");
    } catch (const DataFault& fault) {
        QCOMPARE(int(fault.kind()), kind);
        QCOMPARE(fault.path(), data.path(QStringLiteral("04.txt")));
    }
    QCOMPARE(search.numHallados(), 2);
    QCOMPARE(search.ultHallado(), 319);
    QCOMPARE(search.mesBusca(), 3);
}

void TstTextSearch::shortFileAfterTheFoundDay() {
    // A file is read only as far as the day found.
    DataFixture data;
    writeJoseDays(data);
    data.writeLines(QStringLiteral("05.txt"), data.lines(QStringLiteral("05.txt")).mid(0, 10));
    TextSearch search;
    search.begin(QStringLiteral("obrero"));
    const std::optional<search::FoundDay> found = search.next(data.ruta());
    QVERIFY(found);
    QCOMPARE(found->month * 100 + found->day, 501);
}

QTEST_GUILESS_MAIN(TstTextSearch)
#include "tst_text_search.moc"
