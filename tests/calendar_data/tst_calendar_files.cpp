// The calendar files as the day view reads them: the weekday of a date by the day letters and
// dominical digits of "cal.txt", the names of the month and movable-celebration files, the
// date lines and the movable celebration of a day.

#include "calendar_data/calendar_files.h"
#include "platform/data_fault.h"
#include "support/data_fixture.h"

#include <QTest>

class TstCalendarFiles : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void weekdayOfRealDates_data();
    void weekdayOfRealDates();
    void leapYearChangesItsDigitInMarch();
    void aYearListedTwiceTakesItsLastLine();
    void fileNames();
    void dateLines();
    void movableOfTheDay();

private:
    DataFixture data_;
};

void TstCalendarFiles::weekdayOfRealDates_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("weekday");
    QTest::newRow("1 Jan 2000") << QDate(2000, 1, 1) << "Sábado";
    QTest::newRow("29 Feb 2000, leap day") << QDate(2000, 2, 29) << "Martes";
    QTest::newRow("1 Mar 2000, after the leap day") << QDate(2000, 3, 1) << "Miércoles";
    QTest::newRow("Easter 2009") << QDate(2009, 4, 12) << "+ Domingo";
    QTest::newRow("1 Mar 2001, common year") << QDate(2001, 3, 1) << "Jueves";
    QTest::newRow("31 Jan 2012, leap January") << QDate(2012, 1, 31) << "Martes";
    QTest::newRow("31 Dec 2016") << QDate(2016, 12, 31) << "Sábado";
    QTest::newRow("25 Jul 2007") << QDate(2007, 7, 25) << "Miércoles";
}

void TstCalendarFiles::weekdayOfRealDates() {
    QFETCH(QDate, date);
    QFETCH(QString, weekday);
    const QString anio = calendar::twoDigits(date.year() - 2000);
    const QString mes = calendar::twoDigits(date.month());
    const QString digit = calendar::dominicalDigit(data_.source(), anio, mes);
    const auto w = calendar::weekdayFromCal(data_.source(), calendar::twoDigits(date.day()),
                                            date.month(), digit);
    QVERIFY(w.has_value());
    QCOMPARE(calendar::nomDia().at(*w), weekday);
}

void TstCalendarFiles::leapYearChangesItsDigitInMarch() {
    // 2000 has the dominical letters BA: 2 in January and February, 1 from March on.
    QCOMPARE(calendar::dominicalDigit(data_.source(), "00", "01"), QStringLiteral("2"));
    QCOMPARE(calendar::dominicalDigit(data_.source(), "00", "02"), QStringLiteral("2"));
    QCOMPARE(calendar::dominicalDigit(data_.source(), "00", "03"), QStringLiteral("1"));
    // A common year keeps its one digit: 2001 has G.
    QCOMPARE(calendar::dominicalDigit(data_.source(), "01", "02"), QStringLiteral("7"));
    QCOMPARE(calendar::dominicalDigit(data_.source(), "01", "12"), QStringLiteral("7"));
    // A year that is not listed has no digit.
    QCOMPARE(calendar::dominicalDigit(data_.source(), "26", "12"), QString());
}

void TstCalendarFiles::aYearListedTwiceTakesItsLastLine() {
    DataFixture data;
    QStringList lines = data.lines("cal.txt");
    lines[31] = lines[31].leftJustified(40, ' ') + "09  5";
    data.writeLines("cal.txt", lines);
    QCOMPARE(calendar::dominicalDigit(data.source(), "09", "06"), QStringLiteral("5"));
}

void TstCalendarFiles::fileNames() {
    QCOMPARE(calendar::monthFile("/d/", 5), QStringLiteral("/d/05.txt"));
    QCOMPARE(calendar::monthFile("/d/", 12), QStringLiteral("/d/12.txt"));
    QCOMPARE(calendar::movableFile("/d/", 7), QStringLiteral("/d/c7.txt"));
    QCOMPARE(calendar::movableFile("/d/", 17), QStringLiteral("/d/c17.txt"));
    QCOMPARE(calendar::calFile("/d/"), QStringLiteral("/d/cal.txt"));
}

void TstCalendarFiles::dateLines() {
    QCOMPARE(calendar::dayMonthDate("09-12-abr", 2009, "c5.txt"), QDate(2009, 4, 12));
    // Characters 4..9 denote that day of the year the caller asks for.
    QCOMPARE(calendar::dayMonthDate("09-12-abr", 2010, "c5.txt"), QDate(2010, 4, 12));
    for (const char* bad : {"09-31-feb", "09-12-apr", "09-1x-abr", "09-12", "", "09-12 abr"}) {
        try {
            calendar::dayMonthDate(QString::fromUtf8(bad), 2009, "c5.txt");
            QFAIL(bad);
        } catch (const DataFault& fault) {
            QCOMPARE(fault.kind(), DataFault::Kind::BadDate);
            QVERIFY(fault.message().contains("c5.txt"));
        }
    }
}

void TstCalendarFiles::movableOfTheDay() {
    DataFixture data;
    // Easter 2009 stands in c5 only.
    auto found = calendar::movableOfDay(data.source(), "09-12-abr", 9);
    QCOMPARE(found.number, std::optional<int>(5));
    QCOMPARE(found.name, data.lines("c5.txt").first());

    // A line with a trailing blank never matches.
    data.setMovableLine(10, 11, "09-12-abr ");
    QCOMPARE(calendar::movableOfDay(data.source(), "09-12-abr", 9).number, std::optional<int>(5));

    // When two files hold the date, the higher number decides.
    data.setMovableLine(12, 11, "09-12-abr");
    found = calendar::movableOfDay(data.source(), "09-12-abr", 9);
    QCOMPARE(found.number, std::optional<int>(12));
    QCOMPARE(found.name, QStringLiteral("Ascensión"));

    // Only the lines up to the year's own are read: the same key in a later year's line of
    // 2009 is not seen from 2008.
    QCOMPARE(calendar::movableOfDay(data.source(), "09-12-abr", 8).number, std::nullopt);
    QCOMPARE(calendar::movableOfDay(data.source(), "09-13-abr", 9).number, std::nullopt);
}

QTEST_GUILESS_MAIN(TstCalendarFiles)
#include "tst_calendar_files.moc"
