// The liturgical fields of real days of 2000-2016 (cycle, season, week and colour), checked
// against the calendar as celebrated in Spain, and what a fault in the data does to them.

#include "dayview/day_view.h"
#include "liturgical_time/liturgical_colour.h"
#include "liturgical_time/liturgical_time.h"
#include "platform/data_fault.h"
#include "support/data_fixture.h"

#include <QTest>

using liturgy::LiturgicalFields;

namespace {

const QString white = QStringLiteral("250,250,250");
const QString green = QStringLiteral("0,250,0");
const QString red = QStringLiteral("250,0,0");
const QString purple = QStringLiteral("250,0,250");

QString shown(const Rgb& c) {
    return QStringLiteral("%1,%2,%3").arg(c.r).arg(c.g).arg(c.b);
}

// What the day view of `date` hands on to the liturgical time, as the window does it.
liturgy::LiturgicalDay dayOf(const DataFixture& data, const QDate& date) {
    const dayview::DayView view = dayview::resolveDay(date, data.source());
    return {date, data.source(), view.nAnio, view.numMovil, view.weekday, view.dayLine};
}

LiturgicalFields runDay(const DataFixture& data, const QDate& date, LiturgicalFields fields = {}) {
    liturgy::applyLiturgicalTime(dayOf(data, date), fields);
    return fields;
}

// The captions the window shows for the fields.
struct Captions {
    QString cycle, season, week;
    Rgb colour;
};
Captions captions(const LiturgicalFields& f) {
    return {liturgy::cycleCaption(f), liturgy::seasonCaption(f.season), liturgy::weekCaption(f),
            f.colour};
}

} // namespace

class TestLiturgicalTime : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // What the season and week fields show, with the season's own colour.
    void seasonAndWeek_data();
    void seasonAndWeek();
    void weekAfterPentecostIsReadFromC19_data();
    void weekAfterPentecostIsReadFromC19();
    void christmasEndsOneDayAfterC9();

    // The Sunday cycle.
    void cycle_data();
    void cycle();

    // The colour.
    void colourLetter_data();
    void colourLetter();
    void holyWeekAndEasterWeek_data();
    void holyWeekAndEasterWeek();
    void movableSolemnities_data();
    void movableSolemnities();
    void colourName_data();
    void colourName();

    // Faults in the data.
    void dataFaultNamesTheFileAndKeepsTheFields_data();
    void dataFaultNamesTheFileAndKeepsTheFields();
};

void TestLiturgicalTime::seasonAndWeek_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("season");
    QTest::addColumn<QString>("week");
    QTest::addColumn<QString>("colour");

    // 2009: Baptism 11 Jan, Ash Wednesday 25 Feb, Palm Sunday 5 Apr, Easter 12 Apr,
    // Pentecost 31 May (the Monday after opens week 9), first Sunday of Advent 29 Nov.
    QTest::newRow("1 Jan 2009") << QDate(2009, 1, 1) << "Navidad"
                                << "" << white;
    QTest::newRow("Baptism 2009") << QDate(2009, 1, 11) << "Navidad"
                                  << "" << white;
    QTest::newRow("day after Baptism 2009") << QDate(2009, 1, 12) << "T.Ordinario"
                                            << "Semana 1" << green;
    QTest::newRow("2nd Sunday of the year 2009") << QDate(2009, 1, 18) << "T.Ordinario"
                                                 << "Semana 2" << green;
    QTest::newRow("eve of Ash Wednesday 2009") << QDate(2009, 2, 24) << "T.Ordinario"
                                               << "Semana 7" << green;
    QTest::newRow("Ash Wednesday 2009") << QDate(2009, 2, 25) << "Cuaresma"
                                        << "" << purple;
    QTest::newRow("Saturday after Ash Wednesday 2009") << QDate(2009, 2, 28) << "Cuaresma"
                                                       << "" << purple;
    QTest::newRow("1st Sunday of Lent 2009") << QDate(2009, 3, 1) << "Cuaresma"
                                             << "Semana 1" << purple;
    QTest::newRow("eve of Palm Sunday 2009") << QDate(2009, 4, 4) << "Cuaresma"
                                             << "Semana 5" << purple;
    QTest::newRow("Palm Sunday 2009") << QDate(2009, 4, 5) << "Sema. Santa"
                                      << "" << red;
    QTest::newRow("Holy Saturday 2009") << QDate(2009, 4, 11) << "Sema. Santa"
                                        << "" << purple;
    QTest::newRow("Easter 2009") << QDate(2009, 4, 12) << "T.Pascual"
                                 << "Semana 1" << white;
    QTest::newRow("2nd Sunday of Easter 2009") << QDate(2009, 4, 19) << "T.Pascual"
                                               << "Semana 2" << white;
    QTest::newRow("Pentecost 2009") << QDate(2009, 5, 31) << "T.Pascual"
                                    << "Semana 8" << red; // Pentecost is red
    QTest::newRow("day after Pentecost 2009") << QDate(2009, 6, 1) << "T.Ordinario"
                                              << "Semana  9" << green;
    QTest::newRow("Saturday after Pentecost 2009") << QDate(2009, 6, 6) << "T.Ordinario"
                                                   << "Semana  9" << green;
    QTest::newRow("eve of Advent 2009") << QDate(2009, 11, 28) << "T.Ordinario"
                                        << "Semana  34" << green;
    QTest::newRow("1st Sunday of Advent 2009") << QDate(2009, 11, 29) << "Adviento"
                                               << "Semana 1" << purple;
    QTest::newRow("Christmas Eve 2009") << QDate(2009, 12, 24) << "Adviento"
                                        << "Semana 4" << purple;
    QTest::newRow("Christmas 2009") << QDate(2009, 12, 25) << "Navidad"
                                    << "" << white;
    QTest::newRow("31 Dec 2009") << QDate(2009, 12, 31) << "Navidad"
                                 << "" << white;

    // 2000: Baptism 9 Jan, Pentecost 11 Jun (week 10 from the Monday after).
    QTest::newRow("day after Baptism 2000") << QDate(2000, 1, 10) << "T.Ordinario"
                                            << "Semana 1" << green;
    QTest::newRow("day after Pentecost 2000") << QDate(2000, 6, 12) << "T.Ordinario"
                                              << "Semana  10" << green;
    QTest::newRow("Trinity Sunday 2000, white") << QDate(2000, 6, 18) << "T.Ordinario"
                                                << "Semana  11" << white;
    // 2016, a leap year: Ash Wednesday 10 Feb, Pentecost 15 May (week 7 from the Monday after).
    QTest::newRow("Ash Wednesday 2016") << QDate(2016, 2, 10) << "Cuaresma"
                                        << "" << purple;
    QTest::newRow("1st Sunday of Lent 2016") << QDate(2016, 2, 14) << "Cuaresma"
                                             << "Semana 1" << purple;
    QTest::newRow("day after Pentecost 2016") << QDate(2016, 5, 16) << "T.Ordinario"
                                              << "Semana  7" << green;
}

void TestLiturgicalTime::seasonAndWeek() {
    QFETCH(QDate, date);
    QFETCH(QString, season);
    QFETCH(QString, week);
    QFETCH(QString, colour);
    DataFixture data;
    const Captions fields = captions(runDay(data, date));
    QCOMPARE(fields.season, season);
    QCOMPARE(fields.week, week);
    QCOMPARE(shown(fields.colour), colour);
}

void TestLiturgicalTime::weekAfterPentecostIsReadFromC19_data() {
    QTest::addColumn<QString>("c19Line");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("week");

    QTest::newRow("week 27 on the Monday") << "09-27" << QDate(2009, 6, 1) << "Semana  27";
    QTest::newRow("week 28, then 29 from the Sunday")
        << "09-28" << QDate(2009, 6, 7) << "Semana  29";
    QTest::newRow("blank before one digit") << "09- 5" << QDate(2009, 6, 1) << "Semana  5";
    QTest::newRow("nothing after column 5 read") << "09-1234" << QDate(2009, 6, 1) << "Semana  12";
    QTest::newRow("line too short gives 0") << "09" << QDate(2009, 6, 1) << "Semana  0";
}

void TestLiturgicalTime::weekAfterPentecostIsReadFromC19() {
    QFETCH(QString, c19Line);
    QFETCH(QDate, date);
    QFETCH(QString, week);
    DataFixture data;
    data.setMovableLine(19, 11, c19Line); // line 11: the year 2009
    QCOMPARE(captions(runDay(data, date)).week, week);
}

void TestLiturgicalTime::christmasEndsOneDayAfterC9() {
    DataFixture data;
    data.setMovableLine(9, 11, QStringLiteral("09-29-dic"));
    QCOMPARE(captions(runDay(data, QDate(2009, 12, 30))).season, QStringLiteral("Navidad"));

    // On 31 December no row matches now: the season fields keep what they showed.
    const LiturgicalFields before{1, liturgy::Season::Advent, 4, Rgb{250, 0, 250}, {},
                                  {}}; // Ciclo B
    const Captions after = captions(runDay(data, QDate(2009, 12, 31), before));
    QCOMPARE(after.season, QStringLiteral("Adviento"));
    QCOMPARE(after.week, QStringLiteral("Semana 4"));
    QCOMPARE(shown(after.colour), purple);
    QCOMPARE(after.cycle, QStringLiteral("Ciclo C"));
}

void TestLiturgicalTime::cycle_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("cycle");

    QTest::newRow("1 Jan 2000") << QDate(2000, 1, 1) << "Ciclo B";
    QTest::newRow("eve of Advent 2000") << QDate(2000, 12, 2) << "Ciclo B";
    QTest::newRow("Advent 2000") << QDate(2000, 12, 3) << "Ciclo C";
    QTest::newRow("31 Dec 2000") << QDate(2000, 12, 31) << "Ciclo C";
    QTest::newRow("1 Jan 2001") << QDate(2001, 1, 1) << "Ciclo C";
    QTest::newRow("eve of Advent 2002") << QDate(2002, 11, 30) << "Ciclo A";
    QTest::newRow("Advent 2002") << QDate(2002, 12, 1) << "Ciclo B";
    QTest::newRow("eve of Advent 2009") << QDate(2009, 11, 28) << "Ciclo B";
    QTest::newRow("Advent 2009") << QDate(2009, 11, 29) << "Ciclo C";
    QTest::newRow("eve of Advent 2013") << QDate(2013, 11, 30) << "Ciclo C";
    QTest::newRow("Advent 2013") << QDate(2013, 12, 1) << "Ciclo A";
    QTest::newRow("eve of Advent 2016") << QDate(2016, 11, 26) << "Ciclo C";
    QTest::newRow("Advent 2016") << QDate(2016, 11, 27) << "Ciclo A";
}

void TestLiturgicalTime::cycle() {
    QFETCH(QDate, date);
    QFETCH(QString, cycle);
    DataFixture data;
    QCOMPARE(captions(runDay(data, date)).cycle, cycle);
}

void TestLiturgicalTime::colourLetter_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("letter");
    QTest::addColumn<QString>("colour");

    const struct {
        const char* name;
        QDate date;
        QString colours; // for b B r R M A, then m a x and an empty line
    } days[] = {
        // A Wednesday and a Sunday of Ordinary Time (green), of Lent (purple), in 2009.
        {"weekday of the year", QDate(2009, 7, 15), QStringLiteral("wwrrpwgggg")},
        {"Sunday of the year", QDate(2009, 7, 12), QStringLiteral("gwgrpggggg")},
        {"weekday of Lent", QDate(2009, 3, 11), QStringLiteral("pwprpwpppp")},
        {"Sunday of Lent", QDate(2009, 3, 15), QStringLiteral("pppppppppp")},
    };
    const QStringList letters = {"b", "B", "r", "R", "M", "A", "m", "a", "x", ""};
    for (const auto& day : days) {
        for (qsizetype i = 0; i < letters.size(); ++i) {
            const QChar c = day.colours.at(i);
            const QString colour = c == 'w' ? white : c == 'r' ? red : c == 'p' ? purple : green;
            const QString letter = letters.at(i).isEmpty()
                                       ? QStringLiteral("empty line")
                                       : QStringLiteral("\"%1\"").arg(letters.at(i));
            QTest::addRow("%s, %s", day.name, qPrintable(letter))
                << day.date << letters.at(i) << colour;
        }
    }
}

void TestLiturgicalTime::colourLetter() {
    QFETCH(QDate, date);
    QFETCH(QString, letter);
    QFETCH(QString, colour);
    DataFixture data;
    data.setDayLine(date.month(), date.day(),
                    letter.isEmpty() ? QString() : QStringLiteral("Feria  -") + letter);
    QCOMPARE(shown(runDay(data, date).colour), colour);
}

void TestLiturgicalTime::holyWeekAndEasterWeek_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("letter");
    QTest::addColumn<QString>("colour");

    QTest::newRow("Palm Sunday, -b") << QDate(2009, 4, 5) << "b" << red;
    QTest::newRow("Palm Sunday, -B") << QDate(2009, 4, 5) << "B" << red;
    QTest::newRow("Holy Monday, -B") << QDate(2009, 4, 6) << "B" << purple;
    QTest::newRow("Holy Wednesday, -R") << QDate(2009, 4, 8) << "R" << purple;
    QTest::newRow("Holy Thursday, -r") << QDate(2009, 4, 9) << "r" << white;
    QTest::newRow("Good Friday, -B") << QDate(2009, 4, 10) << "B" << red;
    QTest::newRow("Holy Saturday, -R") << QDate(2009, 4, 11) << "R" << purple;
    QTest::newRow("Easter Sunday, -R") << QDate(2009, 4, 12) << "R" << white;
    QTest::newRow("Easter Tuesday, -R") << QDate(2009, 4, 14) << "R" << white;
    QTest::newRow("Saturday of Easter week, -M") << QDate(2009, 4, 18) << "M" << white;
    QTest::newRow("2nd Sunday of Easter, -R") << QDate(2009, 4, 19) << "R" << red;
    QTest::newRow("Monday of Easter week 2, -r") << QDate(2009, 4, 20) << "r" << red;
}

void TestLiturgicalTime::holyWeekAndEasterWeek() {
    QFETCH(QDate, date);
    QFETCH(QString, letter);
    QFETCH(QString, colour);
    DataFixture data;
    data.setDayLine(date.month(), date.day(), QStringLiteral("Feria  -") + letter);
    QCOMPARE(shown(runDay(data, date).colour), colour);
}

void TestLiturgicalTime::movableSolemnities_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("dayLine");
    QTest::addColumn<QString>("colour");

    // 2009: files 13..18 fall on 4, 7, 14, 19 and 20 June and 22 November.
    QTest::newRow("13 Christ the High Priest") << QDate(2009, 6, 4) << "Fiesta" << white;
    QTest::newRow("14 Trinity") << QDate(2009, 6, 7) << "Solemnidad" << white;
    QTest::newRow("15 Corpus Christi") << QDate(2009, 6, 14) << "Solemnidad" << white;
    QTest::newRow("16 Sacred Heart") << QDate(2009, 6, 19) << "Solemnidad" << white;
    QTest::newRow("17 Immaculate Heart") << QDate(2009, 6, 20) << "Memoria" << white;
    QTest::newRow("18 Christ the King") << QDate(2009, 11, 22) << "Solemnidad" << white;
    QTest::newRow("weekday after 13") << QDate(2009, 6, 5) << "Feria" << green;
    // A saint's letter does not displace a solemnity or feast of the Lord; the Immaculate Heart,
    // a memorial, gives way to a saint's solemnity.
    QTest::newRow("13 with -r stays white") << QDate(2009, 6, 4) << "Fiesta -r" << white;
    QTest::newRow("16 with -M stays white") << QDate(2009, 6, 19) << "Fiesta -M" << white;
    QTest::newRow("18 on a Sunday with -R stays white")
        << QDate(2009, 11, 22) << "Solemn. -R" << white;
    QTest::newRow("17 with -R turns red") << QDate(2009, 6, 20) << "Solemn. -R" << red;
    // The Immaculate Heart prevails over a saint's memorial (notification of 24 March 2018).
    QTest::newRow("17 with -r stays white") << QDate(2009, 6, 20) << "Fiesta -r" << white;
    QTest::newRow("18 on a Sunday with -r stays white")
        << QDate(2009, 11, 22) << "Solemn. -r" << white;
}

void TestLiturgicalTime::movableSolemnities() {
    QFETCH(QDate, date);
    QFETCH(QString, dayLine);
    QFETCH(QString, colour);
    DataFixture data;
    data.setDayLine(date.month(), date.day(), dayLine);
    QCOMPARE(shown(runDay(data, date).colour), colour);
}

void TestLiturgicalTime::colourName_data() {
    QTest::addColumn<QDate>("date"); // null: before any run
    QTest::addColumn<QString>("name");
    QTest::newRow("Ash Wednesday 2009") << QDate(2009, 2, 25) << "morado";
    QTest::newRow("Palm Sunday 2009") << QDate(2009, 4, 5) << "rojo";
    QTest::newRow("Easter 2009") << QDate(2009, 4, 12) << "blanco";
    QTest::newRow("day after Pentecost 2009") << QDate(2009, 6, 1) << "verde";
    QTest::newRow("before any run, grey") << QDate() << "";
}

void TestLiturgicalTime::colourName() {
    QFETCH(QDate, date);
    QFETCH(QString, name);
    DataFixture data;
    const LiturgicalFields fields = date.isValid() ? runDay(data, date) : LiturgicalFields{};
    QCOMPARE(liturgy::colourName(fields.colour), name);
}

void TestLiturgicalTime::dataFaultNamesTheFileAndKeepsTheFields_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("line11"); // null: the file is removed; "short": cut before 2009
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("kind");

    const int notFound = static_cast<int>(DataFault::Kind::NotFound);
    const int pastEnd = static_cast<int>(DataFault::Kind::PastEnd);
    const int badDate = static_cast<int>(DataFault::Kind::BadDate);
    QTest::newRow("c7 missing") << "c7.txt" << QString() << QDate(2009, 7, 15) << notFound;
    QTest::newRow("c9 ends before 2009") << "c9.txt"
                                         << "short" << QDate(2009, 7, 15) << pastEnd;
    QTest::newRow("c3 holds 30 February") << "c3.txt"
                                          << "09-30-feb" << QDate(2009, 7, 15) << badDate;
    QTest::newRow("c5 month in capitals") << "c5.txt"
                                          << "09-12-Abr" << QDate(2009, 7, 15) << badDate;
    QTest::newRow("c19 missing after Pentecost")
        << "c19.txt" << QString() << QDate(2009, 6, 1) << notFound;
    QTest::newRow("c19 ends before 2009") << "c19.txt"
                                          << "short" << QDate(2009, 6, 1) << pastEnd;
}

void TestLiturgicalTime::dataFaultNamesTheFileAndKeepsTheFields() {
    QFETCH(QString, file);
    QFETCH(QString, line11);
    QFETCH(QDate, date);
    QFETCH(int, kind);
    DataFixture data;
    // The day is resolved first: the faults here are those the liturgical steps meet.
    const liturgy::LiturgicalDay day = dayOf(data, date);
    if (line11.isNull())
        data.removeFile(file);
    else if (line11 == QLatin1String("short"))
        data.writeLines(file, data.lines(file).mid(0, 10));
    else
        data.setMovableLine(file.mid(1, file.indexOf('.') - 1).toInt(), 11, line11);

    const LiturgicalFields before{2, liturgy::Season::Lent, 3, Rgb{1, 2, 3}, {}, {}}; // Ciclo A
    LiturgicalFields fields = before;
    try {
        liturgy::applyLiturgicalTime(day, fields);
        QFAIL("no fault reported");
    } catch (const DataFault& fault) {
        QCOMPARE(fault.path(), data.path(file));
        QCOMPARE(static_cast<int>(fault.kind()), kind);
        QVERIFY(fault.message().contains(file));
    }
    QCOMPARE(captions(fields).cycle, captions(before).cycle);
    QCOMPARE(captions(fields).season, captions(before).season);
    QCOMPARE(captions(fields).week, captions(before).week);
    QCOMPARE(shown(fields.colour), shown(before.colour));
}

QTEST_GUILESS_MAIN(TestLiturgicalTime)
#include "tst_liturgical_time.moc"
