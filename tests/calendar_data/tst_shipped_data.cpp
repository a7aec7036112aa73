// The calendar data shipped in the repo's data folder, checked against the real calendar: every
// date of 2000..2016 on its weekday through the program's own readers of "cal.txt", the dates
// of the movable celebrations and the weeks after Pentecost computed here independently, the
// day lines of the month files with their rank and colour marks, the encoding of every file,
// and the copy embedded in the program.

#include "calendar_data/calendar_files.h"
#include "dayview/day_view.h"
#include "platform/data_dir.h"
#include "platform/text_file.h"
#include "proper/proper_calendar.h"
#include "support/calendar_facts.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

const QString kRuta = QStringLiteral(ORVANTEL_SOURCE_DATA_DIR);

const calendar::CalendarSource& shipped() {
    static const calendar::DiskSource source(kRuta);
    return source;
}
const QString kColourLetters = QStringLiteral("bBrRMA");
// The movable-celebration files c1..c26 hold a name line and a line for every year 2000..2099;
// the date checks below read c1..c20 for the years the program covers.
constexpr int kMovableFileLines = 1 + 100;
constexpr int kShippedMovableFiles = 26;

QByteArray bytesOf(const QString& name) {
    QFile file(kRuta + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QStringList monthLines(int month) {
    return textfile::readAllLines(calendar::monthFile(kRuta, month));
}

// The colour letter that ends a day line (" -B"), or a null character when it has none.
QChar colourLetter(const QString& line) {
    if (line.size() >= 3 && line.at(line.size() - 2) == QLatin1Char('-') &&
        line.at(line.size() - 3) == QLatin1Char(' '))
        return line.back();
    return {};
}

QStringList dataFileNames() {
    return QDir(kRuta).entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
}

} // namespace

class TstShippedData : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The weekday of every date.
    void everyDateFallsOnItsWeekday_data();
    void everyDateFallsOnItsWeekday();

    // The movable celebrations and the weeks of Ordinary Time.
    void movableDatesFollowTheCalendarOfSpain_data();
    void movableDatesFollowTheCalendarOfSpain();
    void handCheckedMovableDates_data();
    void handCheckedMovableDates();
    void listedCelebrationsCarryTheNamesOfTheList_data();
    void listedCelebrationsCarryTheNamesOfTheList();
    void boundaryFilesHaveShortNames_data();
    void boundaryFilesHaveShortNames();
    void christTheKingFallsInWeek34_data();
    void christTheKingFallsInWeek34();

    // The day lines of the month files.
    void monthFilesHaveALinePerDay_data();
    void monthFilesHaveALinePerDay();
    void dayLinesEndInAColourLetterOrNone_data();
    void dayLinesEndInAColourLetterOrNone();
    void handCheckedDays_data();
    void handCheckedDays();
    void onlyHolyDaysOfObligationCarryThePreceptMark();

    // Whole days of the century as the window shows them.
    void realDays_data();
    void realDays();
    void movedAndYieldingCelebrations_data();
    void movedAndYieldingCelebrations();
    void psalterAndWeekdayYearAtTurningPoints_data();
    void psalterAndWeekdayYearAtTurningPoints();
    void psalterAndWeekdayYearOverTheCentury();

    // The files as files.
    void filesAreWindows1252WithCrLf_data();
    void filesAreWindows1252WithCrLf();
    void notesFileShipsEmpty();
    void programEmbedsEveryDataFile();
};

void TstShippedData::everyDateFallsOnItsWeekday_data() {
    QTest::addColumn<int>("year");
    for (int year = calendar::kFirstYear; year <= calendar::kLastYear; ++year)
        QTest::newRow(qPrintable(QString::number(year))) << year;
}

void TstShippedData::everyDateFallsOnItsWeekday() {
    QFETCH(int, year);
    const QString anio = calendar::twoDigits(year - 2000);
    for (QDate date(year, 1, 1); date.year() == year; date = date.addDays(1)) {
        const QString digit =
            calendar::dominicalDigit(shipped(), anio, calendar::twoDigits(date.month()));
        const auto weekday = calendar::weekdayFromCal(shipped(), calendar::twoDigits(date.day()),
                                                      date.month(), digit);
        QVERIFY2(weekday.has_value(), qPrintable(date.toString(Qt::ISODate)));
        QVERIFY2(*weekday == date.dayOfWeek() % 7, qPrintable(date.toString(Qt::ISODate)));
    }
}

void TstShippedData::movableDatesFollowTheCalendarOfSpain_data() {
    QTest::addColumn<int>("number");
    for (int n = 1; n <= calendar::kMovableFiles; ++n) {
        if (n != 19)
            QTest::newRow(qPrintable(QStringLiteral("c%1").arg(n))) << n;
    }
}

void TstShippedData::movableDatesFollowTheCalendarOfSpain() {
    QFETCH(int, number);
    const QStringList lines = textfile::readAllLines(calendar::movableFile(kRuta, number));
    QCOMPARE(lines.size(), kMovableFileLines);
    for (int year = calendar::kFirstYear; year <= calendar::kLastYear; ++year)
        QCOMPARE(lines.at(year - 2000 + 1), facts::movableLine(number, year));
}

void TstShippedData::handCheckedMovableDates_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("dateLine");
    QTest::newRow("Easter 2009 is 12 April") << 5 << 2009 << "09-12-abr";
    QTest::newRow("Ash Wednesday 2016 is 10 February") << 3 << 2016 << "16-10-feb";
    QTest::newRow("Pentecost 2000 is 11 June") << 6 << 2000 << "00-11-jun";
    QTest::newRow("Ascension 2016, a Sunday in Spain") << 12 << 2016 << "16-08-may";
    QTest::newRow("Corpus Christi 2016, a Sunday in Spain") << 15 << 2016 << "16-29-may";
    QTest::newRow("Holy Family 2011, Christmas on a Sunday") << 20 << 2011 << "11-30-dic";
    QTest::newRow("Holy Family 2000 on 31 December") << 20 << 2000 << "00-31-dic";
    QTest::newRow("Baptism of the Lord 2012") << 2 << 2012 << "12-08-ene";
    QTest::newRow("Christ the King 2016") << 18 << 2016 << "16-20-nov";
}

void TstShippedData::handCheckedMovableDates() {
    QFETCH(int, number);
    QFETCH(int, year);
    QFETCH(QString, dateLine);
    QCOMPARE(textfile::readLine(calendar::movableFile(kRuta, number), year - 2000 + 2), dateLine);
}

void TstShippedData::listedCelebrationsCarryTheNamesOfTheList_data() {
    QTest::addColumn<int>("number");
    for (int n : {2, 3, 4, 6, 7, 12, 13, 14, 15, 16, 17, 18, 20})
        QTest::newRow(qPrintable(facts::listedName(n))) << n;
}

void TstShippedData::listedCelebrationsCarryTheNamesOfTheList() {
    QFETCH(int, number);
    QCOMPARE(textfile::readLine(calendar::movableFile(kRuta, number), 1),
             facts::listedName(number));
}

void TstShippedData::boundaryFilesHaveShortNames_data() {
    QTest::addColumn<int>("number");
    for (int n : {1, 5, 8, 9, 10, 11})
        QTest::newRow(qPrintable(QStringLiteral("c%1").arg(n))) << n;
}

void TstShippedData::boundaryFilesHaveShortNames() {
    // The name shows on its day in the field of the movable celebration, about 38 characters.
    QFETCH(int, number);
    const QString name = textfile::readLine(calendar::movableFile(kRuta, number), 1);
    QVERIFY(!name.trimmed().isEmpty());
    QVERIFY2(name.size() <= 38, qPrintable(name));
}

void TstShippedData::christTheKingFallsInWeek34_data() {
    QTest::addColumn<int>("year");
    for (int year = calendar::kFirstYear; year <= calendar::kLastYear; ++year)
        QTest::newRow(qPrintable(QString::number(year))) << year;
}

void TstShippedData::christTheKingFallsInWeek34() {
    // The week that begins the day after Pentecost is week N; each later Sunday opens the next.
    QFETCH(int, year);
    const QStringList lines = textfile::readAllLines(calendar::movableFile(kRuta, 19));
    QCOMPARE(lines.size(), kMovableFileLines);
    const QString line = lines.at(year - 2000 + 1);
    QCOMPARE(textfile::field(line, 1, 3), calendar::twoDigits(year - 2000) + QLatin1Char('-'));
    const int weekAfterPentecost = textfile::numberValue(textfile::field(line, 4, 2));
    const int sundaysAfterPentecost =
        static_cast<int>(facts::movableDate(6, year).daysTo(facts::movableDate(18, year)) / 7);
    QCOMPARE(weekAfterPentecost + sundaysAfterPentecost, 34);
}

void TstShippedData::monthFilesHaveALinePerDay_data() {
    QTest::addColumn<int>("month");
    for (int month = 1; month <= 12; ++month)
        QTest::newRow(qPrintable(calendar::nomMes().at(month - 1))) << month;
}

void TstShippedData::monthFilesHaveALinePerDay() {
    QFETCH(int, month);
    const QStringList lines = monthLines(month);
    QCOMPARE(lines.size(), 31);
    for (const QString& line : lines)
        QVERIFY2(!line.trimmed().isEmpty(), qPrintable(calendar::monthFile(kRuta, month)));
}

void TstShippedData::dayLinesEndInAColourLetterOrNone_data() {
    monthFilesHaveALinePerDay_data();
}

void TstShippedData::dayLinesEndInAColourLetterOrNone() {
    // A line either ends in " -" and a colour letter, or its last character is no colour letter
    // at all (a name ending in "r" would otherwise paint the day red).
    QFETCH(int, month);
    const QStringList lines = monthLines(month);
    for (const QString& line : lines) {
        QVERIFY(!line.isEmpty());
        const QChar letter = colourLetter(line);
        if (letter.isNull())
            QVERIFY2(!kColourLetters.contains(line.back()), qPrintable(line));
        else
            QVERIFY2(kColourLetters.contains(letter), qPrintable(line));
    }
}

void TstShippedData::handCheckedDays_data() {
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("ending"); // rank mark and colour letter; empty for none
    QTest::addColumn<QString>("names");
    QTest::newRow("25 July, red solemnity of precept") << 7 << 25 << "So+ -R"
                                                       << "Santiago";
    QTest::newRow("2 November, purple") << 11 << 2 << "-M"
                                        << "fieles difuntos";
    QTest::newRow("8 December gives way to a Sunday of Advent") << 12 << 8 << "So+ -A"
                                                                << "Inmaculada Concepción";
    QTest::newRow("25 December") << 12 << 25 << "So+ -B"
                                 << "Natividad del Señor";
    QTest::newRow("1 January") << 1 << 1 << "So+ -B"
                               << "Madre de Dios";
    QTest::newRow("19 March") << 3 << 19 << "So+ -B"
                              << "S. José";
    QTest::newRow("29 June, no precept") << 6 << 29 << "So -R"
                                         << "S. Pedro";
    QTest::newRow("24 June, white solemnity") << 6 << 24 << "So -B"
                                              << "Juan Bautista";
    QTest::newRow("6 August, feast of the Lord") << 8 << 6 << "Fi -B"
                                                 << "Transfiguración";
    QTest::newRow("14 September, red feast of the Lord") << 9 << 14 << "Fi -R"
                                                         << "Santa Cruz";
    QTest::newRow("15 October, white feast of a saint in Spain") << 10 << 15 << "Fi -A"
                                                                 << "Teresa de Jesús";
    QTest::newRow("10 August, red feast of a saint") << 8 << 10 << "Fi -r"
                                                     << "Lorenzo";
    QTest::newRow("22 January, memorial raised in Spain") << 1 << 22 << "Me -r"
                                                          << "Vicente";
    QTest::newRow("2 January, white memorial") << 1 << 2 << "Me -b"
                                               << "Basilio";
    QTest::newRow("7 January, optional memorial") << 1 << 7 << ""
                                                  << "Peñafort";
    QTest::newRow("30 December, octave day") << 12 << 30 << ""
                                             << "octava de Navidad";
    QTest::newRow("29 February") << 2 << 29 << ""
                                 << "bisiesto";
    QTest::newRow("30 February does not exist") << 2 << 30 << ""
                                                << "";
    QTest::newRow("31 April does not exist") << 4 << 31 << ""
                                             << "";
}

void TstShippedData::handCheckedDays() {
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(QString, ending);
    QFETCH(QString, names);
    const QString line = calendar::dayLine(shipped(), month, day);
    QVERIFY2(line.contains(names), qPrintable(line));
    if (ending.isEmpty()) {
        // No colour letter, and no rank mark where it would stand.
        QVERIFY2(colourLetter(line).isNull(), qPrintable(line));
        const QString lastWord = line.section(QLatin1Char(' '), -1);
        QVERIFY2(!QStringList({"So", "So+", "Fi", "Me"}).contains(lastWord), qPrintable(line));
        QVERIFY2(!line.contains(QLatin1Char('+')), qPrintable(line));
    } else {
        QVERIFY2(line.endsWith(QLatin1Char(' ') + ending), qPrintable(line));
    }
}

void TstShippedData::onlyHolyDaysOfObligationCarryThePreceptMark() {
    // Spain's holy days of obligation besides Sundays; 29 June and 12 October are not.
    const QStringList holyDays = {"01-01", "01-06", "03-19", "07-25",
                                  "08-15", "11-01", "12-08", "12-25"};
    QStringList marked;
    for (int month = 1; month <= 12; ++month) {
        const QStringList lines = monthLines(month);
        for (int day = 1; day <= lines.size(); ++day) {
            if (lines.at(day - 1).contains(QLatin1Char('+')))
                marked << calendar::twoDigits(month) + QLatin1Char('-') + calendar::twoDigits(day);
        }
    }
    QCOMPARE(marked, holyDays);
}

void TstShippedData::filesAreWindows1252WithCrLf_data() {
    QTest::addColumn<QString>("name");
    for (const QString& name : dataFileNames()) {
        if (name != QLatin1String("notas.txt"))
            QTest::newRow(qPrintable(name)) << name;
    }
}

void TstShippedData::filesAreWindows1252WithCrLf() {
    QFETCH(QString, name);
    const QByteArray bytes = bytesOf(name);
    QVERIFY(bytes.endsWith("\r\n"));
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes.at(i));
        const QByteArray where = name.toLatin1() + " byte " + QByteArray::number(i);
        if (byte == '\n')
            QVERIFY2(i > 0 && bytes.at(i - 1) == '\r', where.constData());
        else if (byte == '\r')
            QVERIFY2(i + 1 < bytes.size() && bytes.at(i + 1) == '\n', where.constData());
        else
            QVERIFY2(byte >= 0x20 && byte != 0x7F, where.constData());
        // The five byte values that Windows-1252 leaves undefined.
        QVERIFY2(byte != 0x81 && byte != 0x8D && byte != 0x8F && byte != 0x90 && byte != 0x9D,
                 where.constData());
    }
    QVERIFY(!textfile::decode(bytes).contains(QChar::ReplacementCharacter));
}

void TstShippedData::notesFileShipsEmpty() {
    QVERIFY(QFile::exists(calendar::notesFile(kRuta)));
    QCOMPARE(bytesOf(QStringLiteral("notas.txt")), QByteArray());
}

void TstShippedData::programEmbedsEveryDataFile() {
    const QStringList names = dataFileNames();
    // cal.txt, the months, the movable files, the notes and the proper calendars.
    QCOMPARE(names.size(),
             1 + 12 + kShippedMovableFiles + 1 + int(proper::shippedPropers().size()));
    QCOMPARE(datadir::embeddedFiles(), names);
    for (const QString& name : names) {
        QFile embedded(QStringLiteral(":/datos/") + name);
        QVERIFY2(embedded.open(QIODevice::ReadOnly), qPrintable(name));
        QVERIFY2(embedded.readAll() == bytesOf(name), qPrintable(name));
    }
}

void TstShippedData::realDays_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("shown"); // weekday|movable|cycle|season|week
    QTest::addColumn<QString>("colour");
    const QString white = "250,250,250", red = "250,0,0", green = "0,250,0", purple = "250,0,250";
    QTest::newRow("first day") << QDate(2000, 1, 1)
                               << "Sábado|Santa María, Madre de Dios|Ciclo B|Navidad|" << white;
    QTest::newRow("S. Ambrosio 2026")
        << QDate(2026, 12, 7) << "Lunes|No hay|Ciclo B|Adviento|Semana 2" << white;
    QTest::newRow("29 February 2096, Ash Wednesday")
        << QDate(2096, 2, 29) << "Miércoles|Ceniza|Ciclo B|Cuaresma|" << purple;
    QTest::newRow("1 March 2096") << QDate(2096, 3, 1) << "Jueves|No hay|Ciclo B|Cuaresma|"
                                  << purple;
    QTest::newRow("last day") << QDate(2099, 12, 31)
                              << "Jueves|Día VII de la octava de Navidad|Ciclo C|Navidad|" << white;
    // The colour rules.
    QTest::newRow("Pentecost red")
        << QDate(2008, 5, 11) << "+ Domingo|Pentecostés|Ciclo A|T.Pascual|Semana 8" << red;
    QTest::newRow("Ash Wednesday on the Chair of Peter")
        << QDate(2012, 2, 22) << "Miércoles|Ceniza|Ciclo B|Cuaresma|" << purple;
    QTest::newRow("Sacred Heart on St Charles Lwanga")
        << QDate(2005, 6, 3) << "Viernes|Sgdo. Corazón de Jesús|Ciclo A|T.Ordinario|Semana  9"
        << white;
    QTest::newRow("Immaculate Heart gives way to Sts Peter and Paul")
        << QDate(2019, 6, 29) << "Sábado|No hay|Ciclo C|T.Ordinario|Semana  12" << red;
    QTest::newRow("martyr on a weekday")
        << QDate(2009, 6, 3) << "Miércoles|No hay|Ciclo B|T.Ordinario|Semana  9" << red;
    QTest::newRow("martyr on a Sunday")
        << QDate(2000, 11, 12) << "+ Domingo|No hay|Ciclo B|T.Ordinario|Semana  32" << green;
    QTest::newRow("Palm Sunday") << QDate(2009, 4, 5)
                                 << "+ Domingo|Domingo de Ramos|Ciclo B|Sema. Santa|" << red;
    QTest::newRow("Holy Monday") << QDate(2009, 4, 6) << "Lunes|No hay|Ciclo B|Sema. Santa|"
                                 << purple;
    QTest::newRow("Holy Thursday")
        << QDate(2009, 4, 9) << "Jueves|Jueves Santo|Ciclo B|Sema. Santa|" << white;
    QTest::newRow("Good Friday") << QDate(2009, 4, 10)
                                 << "Viernes|Viernes Santo|Ciclo B|Sema. Santa|" << red;
    // The movable files after c20.
    QTest::newRow("Mother of the Church")
        << QDate(2018, 5, 21)
        << "Lunes|Santa María, Madre de la Iglesia|Ciclo B|T.Ordinario|Semana  7" << white;
    QTest::newRow("St Joseph before Palm Sunday")
        << QDate(2008, 3, 15)
        << "Sábado|San José, esposo de la Virgen María|Ciclo A|Cuaresma|Semana 5" << white;
    QTest::newRow("St Joseph on Monday") << QDate(2017, 3, 20)
                                         << "Lunes|San José, esposo de la Virgen María|Ciclo A|"
                                            "Cuaresma|Semana 3"
                                         << white;
    QTest::newRow("19 March 2017, a Sunday of Lent")
        << QDate(2017, 3, 19) << "+ Domingo|No hay|Ciclo A|Cuaresma|Semana 3" << purple;
    QTest::newRow("Annunciation after the Easter octave")
        << QDate(2024, 4, 8) << "Lunes|Anunciación del Señor|Ciclo B|T.Pascual|Semana 2" << white;
    QTest::newRow("Immaculate Conception on the Sunday")
        << QDate(2024, 12, 8)
        << "+ Domingo|Inmaculada Concepción de la Virgen María|Ciclo C|Adviento|Semana 2" << white;
}

void TstShippedData::realDays() {
    QFETCH(QDate, date);
    QFETCH(QString, shown);
    QFETCH(QString, colour);
    dayview::DayValue value;
    dayview::runDay(date, shipped(), {}, value);
    const dayview::DayCaptions c = dayview::captionsOf(value);
    QCOMPARE(QStringList({c.weekday, c.movable, c.cycle, c.season, c.week}).join('|'), shown);
    const Rgb& rgb = value.liturgical.colour;
    QCOMPARE(QStringLiteral("%1,%2,%3").arg(rgb.r).arg(rgb.g).arg(rgb.b), colour);
}

void TstShippedData::movedAndYieldingCelebrations_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("movable");
    QTest::addColumn<QString>("colour");
    const QString baptist = QStringLiteral("Natividad de San Juan Bautista");
    const QString apostles = QStringLiteral("Santos Pedro y Pablo, apóstoles");
    // The Baptist before the Sacred Heart (2022: the Congregation's responsum of 2020) or Corpus
    // Christi (2057, 2068), Peter and Paul before the Sacred Heart: the day before.
    for (const int year : {2022, 2033, 2044, 2057, 2068})
        QTest::addRow("Baptist %d", year) << QDate(year, 6, 23) << baptist << "250,250,250";
    for (const int year : {2057, 2068})
        QTest::addRow("Peter and Paul %d", year) << QDate(year, 6, 28) << apostles << "250,0,0";
    QTest::newRow("Sacred Heart 2022") << QDate(2022, 6, 24) << "Sgdo. Corazón de Jesús"
                                       << "250,250,250";
    QTest::newRow("Corpus Christi 2057") << QDate(2057, 6, 24) << "Stmo. Cuerpo y Sangre de Cristo"
                                         << "250,250,250";
    // The Immaculate Heart on a saint's solemnity or feast, Mary Mother of the Church on St
    // Matthias or the Visitation: no memorial, the saint's colour.
    for (const QDate& date :
         {QDate(2006, 6, 24), QDate(2008, 5, 31), QDate(2017, 6, 24), QDate(2028, 6, 24),
          QDate(2066, 5, 31), QDate(2077, 5, 31), QDate(2088, 5, 31), QDate(2090, 6, 24)})
        QTest::addRow("white %s", qPrintable(date.toString(Qt::ISODate))) << date << "No hay"
                                                                          << "250,250,250";
    for (const QDate& date :
         {QDate(2019, 6, 29), QDate(2030, 6, 29), QDate(2035, 5, 14), QDate(2038, 7, 3),
          QDate(2041, 6, 29), QDate(2046, 5, 14), QDate(2052, 6, 29)})
        QTest::addRow("red %s", qPrintable(date.toString(Qt::ISODate))) << date << "No hay"
                                                                        << "250,0,0";
}

void TstShippedData::movedAndYieldingCelebrations() {
    QFETCH(QDate, date);
    QFETCH(QString, movable);
    QFETCH(QString, colour);
    dayview::DayValue value;
    dayview::runDay(date, shipped(), {}, value);
    QCOMPARE(value.movable, movable);
    const Rgb& rgb = value.liturgical.colour;
    QCOMPARE(QStringLiteral("%1,%2,%3").arg(rgb.r).arg(rgb.g).arg(rgb.b), colour);
}

void TstShippedData::psalterAndWeekdayYearAtTurningPoints_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("psalter");
    QTest::addColumn<QString>("weekdayYear");
    // Two liturgical years as the Spanish calendars and breviaries head their weeks.
    const struct {
        const char* tag;
        QDate date;
        const char* psalter;
        const char* year;
    } rows[] = {
        {"Advent 1, 2023", QDate(2023, 12, 3), "I", "II"},
        {"Advent 4, 2023", QDate(2023, 12, 24), "IV", "II"},
        {"Holy Family 2023", QDate(2023, 12, 31), "I", "II"},
        {"1 January 2024", QDate(2024, 1, 1), "I", "II"},
        {"Baptism 2024", QDate(2024, 1, 7), "I", "II"},
        {"Ordinary Time week 1, 2024", QDate(2024, 1, 8), "I", "II"},
        {"Ash Wednesday 2024", QDate(2024, 2, 14), "IV", "II"},
        {"Lent 1, 2024", QDate(2024, 2, 18), "I", "II"},
        {"Palm Sunday 2024", QDate(2024, 3, 24), "II", "II"},
        {"Holy Saturday 2024", QDate(2024, 3, 30), "II", "II"},
        {"Easter 2024", QDate(2024, 3, 31), "I", "II"},
        {"Easter octave 2024", QDate(2024, 4, 6), "I", "II"},
        {"Pentecost Monday 2024, week 7", QDate(2024, 5, 20), "III", "II"},
        {"Christ the King 2024", QDate(2024, 11, 24), "II", "II"},
        {"Advent 1, 2024", QDate(2024, 12, 1), "I", "I"},
        {"Holy Family 2024", QDate(2024, 12, 29), "I", "I"},
        {"2nd Sunday after Christmas 2025", QDate(2025, 1, 5), "II", "I"},
        {"Baptism 2025", QDate(2025, 1, 12), "I", "I"},
        {"Ash Wednesday 2025", QDate(2025, 3, 5), "IV", "I"},
        {"Palm Sunday 2025", QDate(2025, 4, 13), "II", "I"},
        {"Easter octave 2025", QDate(2025, 4, 26), "I", "I"},
        {"Pentecost Monday 2025, week 10", QDate(2025, 6, 9), "II", "I"},
        {"Christ the King 2025", QDate(2025, 11, 23), "II", "I"},
        {"Saturday of week 34, 2025", QDate(2025, 11, 29), "II", "I"},
        {"1 January 2023, a Sunday", QDate(2023, 1, 1), "II", "I"},
        {"Christmas 2022, a Sunday", QDate(2022, 12, 25), "I", "I"},
    };
    for (const auto& row : rows)
        QTest::newRow(row.tag) << row.date << row.psalter << row.year;
}

void TstShippedData::psalterAndWeekdayYearAtTurningPoints() {
    QFETCH(QDate, date);
    QFETCH(QString, psalter);
    QFETCH(QString, weekdayYear);
    dayview::DayValue value;
    dayview::runDay(date, shipped(), {}, value);
    const dayview::DayCaptions c = dayview::captionsOf(value);
    QCOMPARE(c.psalter, psalter);
    QCOMPARE(c.weekdayYear, weekdayYear);
    QVERIFY(dayview::detailsOf(value, c).week.startsWith(QStringLiteral("Salterio: semana ") +
                                                         psalter + QLatin1Char('\n')));
    QCOMPARE(dayview::detailsOf(value, c).cycle,
             c.cycle + QStringLiteral(" los domingos; año %1 entre semana").arg(weekdayYear));
}

void TstShippedData::psalterAndWeekdayYearOverTheCentury() {
    const calendar::MemorySource source(kRuta);
    const calendar::DayReadings readings(source, true); // as orvantel-dia runs a range
    dayview::DayValue value;
    for (QDate date(2000, 1, 1); date.year() <= 2099; date = date.addDays(1)) {
        dayview::runDay(date, readings, value, value);
        // Year I when the liturgical year ends in an odd year: from Advent on, the next one.
        const int endsIn = date.year() + (date >= facts::firstSundayOfAdvent(date.year()) ? 1 : 0);
        QVERIFY2(value.liturgical.psalterWeek == facts::psalterWeek(date) &&
                     value.liturgical.weekdayYear == (endsIn % 2 ? 1 : 2),
                 qPrintable(date.toString(Qt::ISODate)));
    }
}

QTEST_GUILESS_MAIN(TstShippedData)
#include "tst_shipped_data.moc"
