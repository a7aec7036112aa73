// The generator of the year-dependent data: Easter against published dates, the dates of the
// movable celebrations in Spain against real calendars, and the shipped data/ folder as its
// exact output for 2000-2099.

#include "calgen/calgen.h"
#include "calgen/movable_dates.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TstCalgen : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void easterFollowsTheGregorianRule_data();
    void easterFollowsTheGregorianRule();
    void movableFilesFollowTheCalendarOfSpain_data();
    void movableFilesFollowTheCalendarOfSpain();
    void calFileGivesTheDominicalDigits_data();
    void calFileGivesTheDominicalDigits();
    void refusesARangeTheFilesCannotHold_data();
    void refusesARangeTheFilesCannotHold();
    void shippedDataIsTheGeneratorsOutput();
};

void TstCalgen::easterFollowsTheGregorianRule_data() {
    QTest::addColumn<QDate>("easter");
    // Published Easter dates, the earliest and latest possible among them.
    for (const QDate& date :
         {QDate(1818, 3, 22), QDate(1943, 4, 25), QDate(1954, 4, 18), QDate(2000, 4, 23),
          QDate(2008, 3, 23), QDate(2011, 4, 24), QDate(2019, 4, 21), QDate(2024, 3, 31),
          QDate(2026, 4, 5), QDate(2038, 4, 25), QDate(2049, 4, 18), QDate(2285, 3, 22)})
        QTest::newRow(qPrintable(date.toString(Qt::ISODate))) << date;
}

void TstCalgen::easterFollowsTheGregorianRule() {
    QFETCH(QDate, easter);
    QCOMPARE(calgen::easter(easter.year()), easter);
}

void TstCalgen::movableFilesFollowTheCalendarOfSpain_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("line");
    QTest::newRow("Baptism 2012, the Sunday after Friday's Epiphany") << 2 << 2012 << "12-08-ene";
    QTest::newRow("Baptism 2013, a week after Sunday's Epiphany") << 2 << 2013 << "13-13-ene";
    QTest::newRow("Ash Wednesday 2026") << 3 << 2026 << "26-18-feb";
    QTest::newRow("Pentecost 2026") << 6 << 2026 << "26-24-may";
    QTest::newRow("Advent 2026") << 7 << 2026 << "26-29-nov";
    QTest::newRow("Ascension 2026 on Sunday") << 12 << 2026 << "26-17-may";
    QTest::newRow("Sumo y Eterno Sacerdote 2026, Thursday") << 13 << 2026 << "26-28-may";
    QTest::newRow("Corpus Christi 2026 on Sunday") << 15 << 2026 << "26-07-jun";
    QTest::newRow("Sacred Heart 2026") << 16 << 2026 << "26-12-jun";
    QTest::newRow("Immaculate Heart 2026, Saturday after it") << 17 << 2026 << "26-13-jun";
    QTest::newRow("Christ the King 2026") << 18 << 2026 << "26-22-nov";
    QTest::newRow("week after Pentecost 2024") << 19 << 2024 << "24-07";
    QTest::newRow("week after Pentecost 2025") << 19 << 2025 << "25-10";
    QTest::newRow("week after Pentecost 2026") << 19 << 2026 << "26-08";
    QTest::newRow("Holy Family 2011, Christmas on Sunday") << 20 << 2011 << "11-30-dic";
    QTest::newRow("Holy Family 2016, Christmas on Sunday") << 20 << 2016 << "16-30-dic";
    QTest::newRow("Holy Family 2022, Christmas on Sunday") << 20 << 2022 << "22-30-dic";
    QTest::newRow("Holy Family 2026") << 20 << 2026 << "26-27-dic";
    QTest::newRow("Mother of the Church, not yet in 2017") << 21 << 2017 << "17-sin celebración";
    QTest::newRow("Mother of the Church 2018") << 21 << 2018 << "18-21-may";
    QTest::newRow("San José 2008, out of Holy Week") << 22 << 2008 << "08-15-mar";
    QTest::newRow("San José 2017, off Sunday") << 22 << 2017 << "17-20-mar";
    QTest::newRow("San José 2023, off Sunday") << 22 << 2023 << "23-20-mar";
    QTest::newRow("San José 2026 on its day") << 22 << 2026 << "26-sin celebración";
    QTest::newRow("Annunciation 2001, off a Sunday of Lent") << 23 << 2001 << "01-26-mar";
    QTest::newRow("Annunciation 2008, after Easter week") << 23 << 2008 << "08-31-mar";
    QTest::newRow("Annunciation 2013, after Easter week") << 23 << 2013 << "13-08-abr";
    QTest::newRow("Annunciation 2018, Palm Sunday") << 23 << 2018 << "18-09-abr";
    QTest::newRow("Annunciation 2024, Holy Monday") << 23 << 2024 << "24-08-abr";
    QTest::newRow("Annunciation 2026 on its day") << 23 << 2026 << "26-sin celebración";
    QTest::newRow("Immaculate 2002 to Monday") << 24 << 2002 << "02-09-dic";
    QTest::newRow("Immaculate 2019 kept on Sunday") << 24 << 2019 << "19-08-dic";
    QTest::newRow("Immaculate 2024 kept on Sunday") << 24 << 2024 << "24-08-dic";
    QTest::newRow("Immaculate 2026 on a Tuesday") << 24 << 2026 << "26-sin celebración";
    QTest::newRow("Immaculate Heart 2017 on the Baptist") << 17 << 2017 << "17-sin celebración";
    QTest::newRow("Immaculate Heart 2038 on St Thomas") << 17 << 2038 << "38-sin celebración";
    QTest::newRow("Mother of the Church 2035 on St Matthias") << 21 << 2035 << "35-sin celebración";
    QTest::newRow("Mother of the Church 2066, Visitation") << 21 << 2066 << "66-sin celebración";
    QTest::newRow("Baptist 2022, before the Sacred Heart") << 25 << 2022 << "22-23-jun";
    QTest::newRow("Baptist 2057, before Corpus Christi") << 25 << 2057 << "57-23-jun";
    QTest::newRow("Baptist 2026 on its day") << 25 << 2026 << "26-sin celebración";
    QTest::newRow("Peter and Paul 2068, before the Sacred Heart") << 26 << 2068 << "68-28-jun";
    QTest::newRow("Peter and Paul 2022 on its day") << 26 << 2022 << "22-sin celebración";
}

void TstCalgen::movableFilesFollowTheCalendarOfSpain() {
    QFETCH(int, number);
    QFETCH(int, year);
    QFETCH(QString, line);
    QCOMPARE(calgen::movableLines(number, year, year).at(1), line);
}

void TstCalgen::calFileGivesTheDominicalDigits_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("entry"); // columns 41-47: year, letter, March-on letter
    // Published dominical letters as digits (A = 1 … G = 7).
    QTest::newRow("2000 BA, on a day line") << 2000 << "00  2 1";
    QTest::newRow("2024 GF") << 2024 << "24  7 6";
    QTest::newRow("2026 D, no trailing blank") << 2026 << "26  4";
    QTest::newRow("2028 BA, on a line of its own") << 2028 << "28  2 1";
    QTest::newRow("2031 E, on a line of its own") << 2031 << "31  5";
}

void TstCalgen::calFileGivesTheDominicalDigits() {
    QFETCH(int, year);
    QFETCH(QString, entry);
    const QString line = calgen::calLines(2000, 2099).at(year - 2000 + 1);
    QCOMPARE(line.mid(40), entry);
    if (year > 2030) // beyond the 31 day lines
        QCOMPARE(line.left(40), QString(40, QLatin1Char(' ')));
}

void TstCalgen::refusesARangeTheFilesCannotHold_data() {
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::newRow("more than a hundred years") << 2000 << 2100;
    QTest::newRow("reversed") << 2099 << 2000;
    QTest::newRow("before the Gregorian calendar") << 1500 << 1550;
}

void TstCalgen::refusesARangeTheFilesCannotHold() {
    QFETCH(int, first);
    QFETCH(int, last);
    QTemporaryDir dir;
    QVERIFY(!calgen::writeDataFiles(dir.path(), first, last).isEmpty());
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("cal.txt"))));
}

void TstCalgen::shippedDataIsTheGeneratorsOutput() {
    QTemporaryDir dir;
    QCOMPARE(calgen::writeDataFiles(dir.path(), 2000, 2099), QString());
    QStringList names{QStringLiteral("cal.txt")};
    for (int n = 1; n <= 26; ++n)
        names << QStringLiteral("c%1.txt").arg(n);
    for (const QString& name : names) {
        QFile generated(dir.filePath(name));
        QFile shipped(QStringLiteral(ORVANTEL_SOURCE_DATA_DIR) + name);
        QVERIFY2(generated.open(QIODevice::ReadOnly), qPrintable(name));
        QVERIFY2(shipped.open(QIODevice::ReadOnly), qPrintable(name));
        QVERIFY2(generated.readAll() == shipped.readAll(), qPrintable(name));
    }
}

QTEST_GUILESS_MAIN(TstCalgen)
#include "tst_calgen.moc"
