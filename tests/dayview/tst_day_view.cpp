// One run of the day view for a chosen date: weekday, month, the day's line, the movable
// celebration and the year; a year the calendar does not hold; faults in the data; and the
// overflow test of the celebrations line.

#include "dayview/day_view.h"
#include "dayview/line_date.h"
#include "dayview/overflow.h"
#include "dayview/range_runs.h"
#include "platform/data_fault.h"
#include "support/data_fixture.h"

#include <QTest>

namespace {
// The captions a whole run shows for `date`, as the window draws them.
dayview::DayCaptions captionsOfRun(const QDate& date, const DataFixture& data) {
    dayview::DayValue value;
    dayview::runDay(date, data.source(), {}, value);
    return dayview::captionsOf(value);
}
} // namespace

class TstDayView : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void showsTheDay_data();
    void showsTheDay();
    void readsOnlyTheLinesOfTheDay();
    void yearOutsideTheCalendar();
    void yearMissingFromCal();
    void yearMissingFromAMovableFile();
    void movableFilesAfterC20_data();
    void movableFilesAfterC20();
    void dataFaults_data();
    void dataFaults();
    void rangeRuns_data();
    void rangeRuns();
    void overflowMark();
    void lineDateInWords();
};

void TstDayView::showsTheDay_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("weekday");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("movable");
    QTest::addColumn<int>("numMovil");
    QTest::newRow("Easter Sunday 2009") << QDate(2009, 4, 12) << "+ Domingo"
                                        << "Abril"
                                        << "Celebración 5" << 5;
    QTest::newRow("Ash Wednesday 2016") << QDate(2016, 2, 10) << "Miércoles"
                                        << "Febrero"
                                        << "Ceniza" << 3;
    QTest::newRow("an ordinary Tuesday") << QDate(2003, 9, 16) << "Martes"
                                         << "Septiembre"
                                         << "No hay" << 0;
    QTest::newRow("Christ the King 2016") << QDate(2016, 11, 20) << "+ Domingo"
                                          << "Noviembre"
                                          << "Cristo, Rey del Universo" << 18;
    QTest::newRow("31 December 2000")
        << QDate(2000, 12, 31) << "+ Domingo"
        << "Diciembre"
        << "La Sagrada Familia" << 20; // c9 and c20 both: the higher wins
}

void TstDayView::showsTheDay() {
    QFETCH(QDate, date);
    QFETCH(QString, weekday);
    QFETCH(QString, month);
    QFETCH(QString, movable);
    QFETCH(int, numMovil);
    DataFixture data;
    const dayview::DayView v = dayview::resolveDay(date, data.source());
    QVERIFY(v.inCalendar);
    const dayview::DayCaptions c = captionsOfRun(date, data);
    QCOMPARE(c.weekday, weekday);
    QCOMPARE(c.month, month);
    QCOMPARE(v.dayLine, DataFixture::defaultDayLine(date.month(), date.day()));
    QCOMPARE(v.movable, movable);
    QCOMPARE(v.numMovil.value_or(0), numMovil);
    QCOMPARE(c.year, QString::number(date.year()));
    QCOMPARE(v.nAnio, date.year() - 2000);
    QCOMPARE(v.archMes,
             data.ruta() + QStringLiteral("%1.txt").arg(date.month(), 2, 10, QChar('0')));
}

void TstDayView::readsOnlyTheLinesOfTheDay() {
    DataFixture data;
    // Day 1 needs one line of its month file, day 31 all 31.
    data.writeLines("05.txt", {"Primero de mayo"});
    QCOMPARE(dayview::resolveDay(QDate(2009, 5, 1), data.source()).dayLine,
             QStringLiteral("Primero de mayo"));
    QVERIFY_THROWS_EXCEPTION(DataFault, dayview::resolveDay(QDate(2009, 5, 2), data.source()));
}

void TstDayView::yearOutsideTheCalendar() {
    DataFixture data;
    const dayview::DayView v = dayview::resolveDay(QDate(2026, 12, 7), data.source());
    QVERIFY(!v.inCalendar);
    const dayview::DayCaptions c = captionsOfRun(QDate(2026, 12, 7), data);
    QCOMPARE(c.weekday, QStringLiteral("Lunes"));
    QCOMPARE(c.month, QStringLiteral("Diciembre"));
    QCOMPARE(v.dayLine, DataFixture::defaultDayLine(12, 7));
    QCOMPARE(c.year, QStringLiteral("2026"));
    QCOMPARE(v.movable, QStringLiteral("El calendario abarca de 2000 a 2016"));
    QCOMPARE(v.numMovil, std::nullopt);
    // 1999 and 2017 are just outside; Sunday still carries its mark.
    QCOMPARE(captionsOfRun(QDate(2017, 1, 1), data).weekday, QStringLiteral("+ Domingo"));
    QVERIFY(!dayview::resolveDay(QDate(1999, 12, 31), data.source()).inCalendar);
}

void TstDayView::yearMissingFromAMovableFile() {
    // A movable file without the year's line leaves the year out of the calendar and names it.
    DataFixture data;
    data.writeLines("c20.txt", {"La Sagrada Familia", "00-31-dic"});
    const dayview::DayView v = dayview::resolveDay(QDate(2009, 4, 12), data.source());
    QVERIFY(!v.inCalendar);
    QCOMPARE(v.movable, QStringLiteral("Falta el año 2009 en c20.txt"));
}

void TstDayView::movableFilesAfterC20_data() {
    QTest::addColumn<QStringList>("files"); // the files after c20 written for 13 April 2009
    QTest::addColumn<QString>("dayLine");
    QTest::addColumn<QString>("movable");
    QTest::addColumn<QString>("colour");
    const QString white = "250,250,250";
    QTest::newRow("none") << QStringList() << "Feria -r"
                          << "Celebración 5"
                          << "250,0,0"; // no file: as always
    QTest::newRow("c21 over a red memorial") << QStringList{"c21.txt"} << "Mártir Me -r"
                                             << "Celebración 21" << white;
    QTest::newRow("c21 under a red feast") << QStringList{"c21.txt"} << "Apóstol Fi -R"
                                           << "Celebración 21"
                                           << "250,0,0";
    QTest::newRow("c22 without c21 is not read") << QStringList{"c22.txt"} << "Feria"
                                                 << "Celebración 5"
                                                 << "250,250,250";
    QTest::newRow("c22 after c21, whatever the letter")
        << QStringList{"c21.txt", "c22.txt"} << "Mártir Fi -R"
        << "Celebración 22" << white;
}

void TstDayView::movableFilesAfterC20() {
    QFETCH(QStringList, files);
    QFETCH(QString, dayLine);
    QFETCH(QString, movable);
    QFETCH(QString, colour);
    DataFixture data;
    // 13 April 2009 carries c5 here, a file of c1..c20, beside the files after c20.
    data.setMovableLine(5, 11, QStringLiteral("09-13-abr"));
    data.setDayLine(4, 13, dayLine);
    for (const QString& file : files) {
        const QString n = file.mid(1, 2);
        QStringList lines{QStringLiteral("Celebración ") + n};
        for (int j = 0; j <= 16; ++j)
            lines.append(j == 9 ? QStringLiteral("09-13-abr")
                                : calendar::twoDigits(j) + QStringLiteral("-sin celebración"));
        data.writeLines(file, lines);
    }
    dayview::DayValue value;
    dayview::runDay(QDate(2009, 4, 13), data.source(), {}, value);
    QCOMPARE(value.movable, movable);
    const Rgb& c = value.liturgical.colour;
    QCOMPARE(QStringLiteral("%1,%2,%3").arg(c.r).arg(c.g).arg(c.b), colour);
}

void TstDayView::yearMissingFromCal() {
    DataFixture data;
    QStringList lines = data.lines("cal.txt");
    lines[10] = lines[10].left(36); // drops the year line of 2009
    data.writeLines("cal.txt", lines);
    const dayview::DayView v = dayview::resolveDay(QDate(2009, 4, 12), data.source());
    QVERIFY(!v.inCalendar);
    QCOMPARE(captionsOfRun(QDate(2009, 4, 12), data).weekday, QStringLiteral("+ Domingo"));
    QVERIFY(v.movable.contains("2009"));
}

void TstDayView::dataFaults_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("lines"); // empty: the file is removed
    QTest::addColumn<int>("kind");
    QTest::newRow("cal.txt missing")
        << "cal.txt" << QStringList() << int(DataFault::Kind::NotFound);
    QTest::newRow("cal.txt short")
        << "cal.txt" << QStringList{"01 1"} << int(DataFault::Kind::PastEnd);
    QTest::newRow("month file missing")
        << "04.txt" << QStringList() << int(DataFault::Kind::NotFound);
    QTest::newRow("c17 missing") << "c17.txt" << QStringList() << int(DataFault::Kind::NotFound);
}

void TstDayView::dataFaults() {
    QFETCH(QString, file);
    QFETCH(QStringList, lines);
    QFETCH(int, kind);
    DataFixture data;
    if (lines.isEmpty())
        data.removeFile(file);
    else
        data.writeLines(file, lines);
    try {
        dayview::resolveDay(QDate(2009, 4, 12), data.source());
        QFAIL("the run must report the fault");
    } catch (const DataFault& fault) {
        QCOMPARE(int(fault.kind()), kind);
        QVERIFY(fault.message().contains(file));
    }
}

void TstDayView::rangeRuns_data() {
    QTest::addColumn<QString>("removed"); // a file removed from the data, or none
    QTest::addColumn<int>("taken");       // the days to take, then the runs are dropped; 0 all
    QTest::addColumn<QDate>("stoppedAt");
    QTest::newRow("every day") << QString() << 0 << QDate();
    QTest::newRow("a month file missing") << "06.txt" << 0 << QDate(2009, 6, 1);
    QTest::newRow("dropped after one batch") << QString() << 1 << QDate();
}

// The days of a range run on their own thread are the days a loop of runs gives, in order, up
// to a fault, which comes after the days before it; dropping the runs midway ends them.
void TstDayView::rangeRuns() {
    QFETCH(QString, removed);
    QFETCH(int, taken);
    QFETCH(QDate, stoppedAt);
    DataFixture data;
    if (!removed.isEmpty())
        data.removeFile(removed);
    const calendar::DayReadings readings(data.source(), true);
    const QDate first(2008, 12, 30);
    const QDate last(2009, 12, 31);
    QList<dayview::DayValue> days;
    QDate faultAt;
    {
        dayview::RangeRuns runs(readings, first, last);
        try {
            for (QList<dayview::DayValue> batch; runs.take(batch);) {
                days += batch;
                if (taken > 0 && days.size() >= taken)
                    break;
            }
        } catch (const DataFault& fault) {
            QVERIFY(fault.message().contains(removed));
            faultAt = runs.stoppedAt();
        }
    }
    QCOMPARE(faultAt, stoppedAt);
    const QDate end = stoppedAt.isValid() ? stoppedAt.addDays(-1) : last;
    if (taken == 0)
        QCOMPARE(days.size(), first.daysTo(end) + 1);
    dayview::DayValue shown;
    for (const dayview::DayValue& day : days) {
        dayview::DayValue next;
        dayview::runDay(shown.fecha.isValid() ? shown.fecha.addDays(1) : first, readings, shown,
                        next);
        shown = next;
        QCOMPARE(day.fecha, next.fecha);
        QCOMPARE(dayview::captionsOf(day).line, dayview::captionsOf(next).line);
        QCOMPARE(dayview::captionsOf(day).celebration, dayview::captionsOf(next).celebration);
    }
}

void TstDayView::overflowMark() {
    QVERIFY(!overflow::overflows(4935.0));
    QVERIFY(!overflow::overflows(4935.0001)); // the same in single precision
    QVERIFY(overflow::overflows(4936.0));
    QVERIFY(!overflow::overflows(0.0));
    const auto width = [](const QString& text) { return text.size() * 100.0; };
    QVERIFY(!overflow::markFor(QString(50, 'x'), width).isEmpty());
    QVERIFY(overflow::markFor(QString(49, 'x'), width).isEmpty());
    QVERIFY(overflow::markFor(QString(), width).isEmpty());
}

void TstDayView::lineDateInWords() {
    QCOMPARE(dayview::lineDateText(2026, 12, 8), QStringLiteral("martes, 8 de diciembre de 2026"));
    QCOMPARE(dayview::lineDateText(2024, 2, 29), QStringLiteral("jueves, 29 de febrero de 2024"));
    // The month files also keep lines for days a month lacks.
    QCOMPARE(dayview::lineDateText(2009, 2, 30),
             QStringLiteral("30 de febrero (no es un día de 2009)"));
}

QTEST_GUILESS_MAIN(TstDayView)
#include "tst_day_view.moc"
