// What is celebrated: the celebration kept, its rank, the optional memorials, the precept,
// Gloria, Credo and the volume of the Liturgy of the Hours, held against the Spanish calendars
// ("Calendario litúrgico-pastoral" of the Spanish bishops' conference) on the days that decide
// the rules, from the shipped data; then the reading of a day line, edited lines included.

#include "calendar_data/calendar_source.h"
#include "calendar_data/day_readings.h"
#include "datacheck/data_check.h"
#include "dayview/day_view.h"
#include "ordo/day_line.h"
#include "ordo/ordo.h"
#include "support/shipped_copy.h"

#include <QtTest>

namespace {

const calendar::CalendarSource& shipped() {
    static const calendar::MemorySource source(QStringLiteral(ORVANTEL_SOURCE_DATA_DIR));
    return source;
}

dayview::DayValue dayOf(const QDate& date) {
    dayview::DayValue value;
    dayview::runDay(date, calendar::DayReadings(shipped()), {}, value);
    return value;
}

} // namespace

class TstOrdo : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void celebrationKept_data();
    void celebrationKept();
    void everyDayOfTheCenturyHasOne();
    void dayLineRead_data();
    void dayLineRead();
    void editedLine();
    void rankFaultsNamedByTheCheck();
};

void TstOrdo::celebrationKept_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("celebration");
    QTest::addColumn<QString>("rank");
    QTest::addColumn<QString>("optional");
    // precept, Gloria, Credo as three letters "s"/"n"; then the volume.
    QTest::addColumn<QString>("marks");
    QTest::addColumn<QString>("tomo");
    struct Row {
        const char* tag;
        QDate date;
        const char* celebration;
        const char* rank;
        const char* optional;
        const char* marks;
        const char* tomo;
    };
    const Row rows[] = {
        {"Sunday of Ordinary Time over S. Antonio, 2027", QDate(2027, 1, 17),
         "Domingo II del Tiempo Ordinario", "Domingo", "", "sss", "III"},
        {"feast of the Lord on a Sunday, 2028", QDate(2028, 8, 6), "Transfiguración del Señor",
         "Fiesta", "", "sss", "IV"},
        {"Lateran on a Sunday, 2025", QDate(2025, 11, 9), "Dedicación de la basílica de Letrán",
         "Fiesta", "", "sss", "IV"},
        {"feast of a saint on a Sunday yields, 2026", QDate(2026, 1, 25),
         "Domingo III del Tiempo Ordinario", "Domingo", "", "sss", "III"},
        {"Lenten weekday over a memorial, 2028", QDate(2028, 3, 7),
         "Martes de la semana I de Cuaresma", "Feria", "Stas. Perpetua y Felicidad, mr.", "nnn",
         "II"},
        {"feast in Lent, 2027", QDate(2027, 2, 22), "Cátedra de S. Pedro, apóstol", "Fiesta", "",
         "nsn", "II"},
        {"memorial omitted on Ash Wednesday, 2024", QDate(2024, 2, 14), "Miércoles de Ceniza",
         "Feria", "", "nnn", "II"},
        {"21 December 2026", QDate(2026, 12, 21), "Feria de Adviento: 21 de diciembre", "Feria",
         "S. Pedro Canisio, pb. y dc.", "nnn", "I"},
        {"Sunday of Advent, 2026", QDate(2026, 12, 20), "Domingo IV de Adviento", "Domingo", "",
         "sns", "I"},
        {"Christmas octave, 2026", QDate(2026, 12, 29), "Día V de la Octava de Navidad", "Feria",
         "Sto. Tomás Becket, ob. y mr.", "nsn", "I"},
        {"Holy Family, 2026", QDate(2026, 12, 27), "La Sagrada Familia", "Fiesta", "", "sss", "I"},
        {"Palm Sunday 2009 over S. Vicente Ferrer", QDate(2009, 4, 5),
         "Domingo de Ramos en la Pasión del Señor", "Domingo", "", "sns", "II"},
        {"Holy Wednesday, 2027", QDate(2027, 3, 24), "Miércoles Santo", "Feria", "", "nnn", "II"},
        {"Holy Thursday, 2027", QDate(2027, 3, 25), "Jueves Santo", "Triduo pascual", "", "nsn",
         "II"},
        {"Good Friday, 2027", QDate(2027, 3, 26), "Viernes Santo", "Triduo pascual", "", "nnn",
         "II"},
        {"Easter Sunday, 2027", QDate(2027, 3, 28), "Domingo de Resurrección", "Solemnidad", "",
         "sss", "II"},
        {"Easter octave, 2027", QDate(2027, 4, 1), "Jueves de la Octava de Pascua", "Solemnidad",
         "", "nsn", "II"},
        {"Annunciation moved after the octave, 2027", QDate(2027, 4, 5), "Anunciación del Señor",
         "Solemnidad", "", "nss", "II"},
        {"Ascension on its Sunday, 2027", QDate(2027, 5, 9), "Ascensión", "Solemnidad", "", "sss",
         "II"},
        {"Corpus Christi on its Sunday, 2027", QDate(2027, 5, 30),
         "Stmo. Cuerpo y Sangre de Cristo", "Solemnidad", "", "sss", "III"},
        {"Immaculate Heart over S. Bonifacio, 2027", QDate(2027, 6, 5),
         "Inmaculado Corazón de la Virgen María", "Memoria obligatoria", "", "nnn", "III"},
        {"Baptist moved before the Sacred Heart, 2022", QDate(2022, 6, 23),
         "Natividad de San Juan Bautista", "Solemnidad", "", "nss", "III"},
        {"Santiago on a Sunday, 2027", QDate(2027, 7, 25), "Santiago, apóstol, patrono de España",
         "Solemnidad", "", "sss", "III"},
        {"San José moved from a Sunday of Lent, 2028", QDate(2028, 3, 20),
         "San José, esposo de la Virgen María", "Solemnidad", "", "nss", "II"},
        {"San José's own day that year", QDate(2028, 3, 19), "Domingo III de Cuaresma", "Domingo",
         "", "sns", "II"},
        {"San José on a Friday of Lent, 2027", QDate(2027, 3, 19),
         "S. José, esposo de la Virgen María", "Solemnidad", "", "sss", "II"},
        {"Inmaculada on a Sunday of Advent, 2024", QDate(2024, 12, 8),
         "Inmaculada Concepción de la Virgen María", "Solemnidad", "", "sss", "I"},
        {"Inmaculada moved to Monday, 2013", QDate(2013, 12, 9),
         "Inmaculada Concepción de la Virgen María", "Solemnidad", "", "nss", "I"},
        {"a line with three celebrations, 2027", QDate(2027, 1, 20),
         "Miércoles de la semana II del Tiempo Ordinario", "Feria",
         "S. Fabián, pp. y mr.; S. Sebastián, mr.; S. Fructuoso, ob., y comp., mr.", "nnn", "III"},
        {"a free Saturday of Ordinary Time, 2027", QDate(2027, 1, 23),
         "Sábado de la semana II del Tiempo Ordinario", "Feria",
         "S. Ildefonso, ob.; Santa María en sábado", "nnn", "III"},
        {"a memorial up to 2015", QDate(2010, 7, 22), "Sta. María Magdalena", "Memoria obligatoria",
         "", "nnn", "III"},
        {"the same, a feast from 2016", QDate(2027, 7, 22), "Sta. María Magdalena", "Fiesta", "",
         "nsn", "III"},
        {"named Sta. Marta up to 2020", QDate(2020, 7, 29), "Sta. Marta", "Memoria obligatoria", "",
         "nnn", "III"},
        {"All Souls, 2026", QDate(2026, 11, 2), "Conmemoración de todos los fieles difuntos",
         "Conmemoración", "", "nnn", "IV"},
        {"Epiphany, 2027", QDate(2027, 1, 6), "Epifanía del Señor", "Solemnidad", "", "sss", "I"},
        {"a weekday after Epiphany, 2027", QDate(2027, 1, 8), "Feria de Navidad: 8 de enero",
         "Feria", "", "nnn", "I"},
    };
    for (const Row& r : rows)
        QTest::newRow(r.tag) << r.date << QString::fromUtf8(r.celebration)
                             << QString::fromUtf8(r.rank) << QString::fromUtf8(r.optional)
                             << QString::fromLatin1(r.marks) << QString::fromLatin1(r.tomo);
}

void TstOrdo::celebrationKept() {
    QFETCH(QDate, date);
    QFETCH(QString, celebration);
    QFETCH(QString, rank);
    QFETCH(QString, optional);
    QFETCH(QString, marks);
    QFETCH(QString, tomo);
    const dayview::DayCaptions c = dayview::captionsOf(dayOf(date));
    QCOMPARE(c.celebration, celebration);
    QCOMPARE(c.rank, rank);
    QCOMPARE(c.optional, optional);
    const auto mark = [](const QString& yes) { return yes == QStringLiteral("sí") ? 's' : 'n'; };
    QCOMPARE(QString(QLatin1Char(mark(c.precept))) + QLatin1Char(mark(c.gloria)) +
                 QLatin1Char(mark(c.credo)),
             marks);
    QCOMPARE(c.tomo, tomo);
}

void TstOrdo::everyDayOfTheCenturyHasOne() {
    const calendar::DayReadings readings(shipped(), true);
    dayview::DayValue value;
    int preceptDays = 0;
    for (QDate date(2000, 1, 1); date.year() <= 2099; date = date.addDays(1)) {
        dayview::runDay(date, readings, value, value);
        QVERIFY2(!value.ordo.celebracion.isEmpty() && value.ordo.tomo > 0,
                 qPrintable(date.toString(Qt::ISODate)));
        // Pentecost is headed with week I of the psalter, as the published tables give it.
        if (value.numMovil == 6)
            QVERIFY2(value.liturgical.psalterWeek == 1, qPrintable(date.toString(Qt::ISODate)));
        preceptDays += value.ordo.precepto && date.dayOfWeek() != Qt::Sunday;
    }
    // Eight weekday holy days a year at most; none of them falls on its Sunday in every year.
    QVERIFY(preceptDays > 600 && preceptDays < 800);
}

void TstOrdo::dayLineRead_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("year");
    // Each celebration as "name|rank|+", joined by "; "; then the faults' count.
    QTest::addColumn<QString>("read");
    QTest::addColumn<int>("faults");
    QTest::newRow("solemnity of precept")
        << "Santiago, apóstol So+ -R" << 2027 << "Santiago, apóstol|Solemnidad|+" << 0;
    QTest::newRow("no rank: optional")
        << "Sta. Ángela Merici, vg." << 2027 << "Sta. Ángela Merici, vg.|Memoria libre|" << 0;
    QTest::newRow("before its first year") << "Ntra. Sra. de Loreto (desde 2019); Sta. Eulalia"
                                           << 2018 << "Sta. Eulalia|Memoria libre|" << 0;
    QTest::newRow("from its first year")
        << "S. Pío, pb. (desde 2002) Me -b" << 2002 << "S. Pío, pb.|Memoria obligatoria|" << 0;
    QTest::newRow("until a year") << "S. X (hasta 2010)" << 2011 << "" << 0;
    QTest::newRow("a bracket of the name")
        << "S. Juan (de Ávila) Me -b" << 2027 << "S. Juan (de Ávila)|Memoria obligatoria|" << 0;
    QTest::newRow("no celebration")
        << "Sin celebración fija (solo en años bisiestos)" << 2028 << "" << 0;
    QTest::newRow("octave day") << "Día VII de la octava de Navidad; S. Silvestre I, pp." << 2027
                                << "S. Silvestre I, pp.|Memoria libre|" << 0;
    QTest::newRow("a rank for each")
        << "S. A Me; S. B Fi -r" << 2027 << "S. A|Memoria obligatoria|; S. B|Fiesta|" << 0;
    QTest::newRow("two rank words") << "S. A Fi Me -b" << 2027 << "S. A|Memoria obligatoria|" << 1;
    QTest::newRow("a rank word in the name")
        << "S. Me Pedro -b" << 2027 << "S. Me Pedro|Memoria libre|" << 1;
}

void TstOrdo::dayLineRead() {
    QFETCH(QString, line);
    QFETCH(int, year);
    QFETCH(QString, read);
    QFETCH(int, faults);
    const ordo::DayLine d = ordo::readDayLine(line, year);
    QStringList got;
    for (const ordo::LineCelebration& c : d.celebrations)
        got.append(c.name + QLatin1Char('|') + ordo::lineRankName(c.rank) + QLatin1Char('|') +
                   (c.precept ? QStringLiteral("+") : QString()));
    QCOMPARE(got.join(QStringLiteral("; ")), read);
    QCOMPARE(d.faults.size(), faults);
}

void TstOrdo::editedLine() {
    // A user's own line without a rank on a weekday of Ordinary Time is an optional memorial;
    // with "Fi" it is kept, and on a Sunday of Ordinary Time it yields to the Sunday.
    ordo::OrdoDay day;
    day.date = QDate(2027, 7, 14);
    day.weekday = liturgy::Wednesday;
    day.season = liturgy::Season::OrdinaryAfterPentecost;
    day.week = 15;
    day.dayLine = QStringLiteral("Beato Fulano, pb.");
    ordo::Ordo o = ordo::ordoOf(day);
    QCOMPARE(o.celebracion, QStringLiteral("Miércoles de la semana XV del Tiempo Ordinario"));
    QCOMPARE(o.libres, QStringList{QStringLiteral("Beato Fulano, pb.")});
    day.dayLine = QStringLiteral("Beato Fulano, pb. Fi -b");
    o = ordo::ordoOf(day);
    QCOMPARE(o.celebracion, QStringLiteral("Beato Fulano, pb."));
    QCOMPARE(o.rango, ordo::Rank::Fiesta);
    day.weekday = liturgy::Sunday;
    QCOMPARE(ordo::ordoOf(day).rango, ordo::Rank::Domingo);
}

void TstOrdo::rankFaultsNamedByTheCheck() {
    ShippedCopy data;
    data.setLine(QStringLiteral("07.txt"), 14, QStringLiteral("S. Camilo de Lelis, pb. Fi Me -b"));
    const QList<datacheck::Problem> problems = datacheck::checkDataDirectory(data.ruta());
    const auto named = std::find_if(problems.begin(), problems.end(), [](const auto& p) {
        return p.file == QStringLiteral("07.txt") && p.line == 14 && p.warning &&
               p.text.contains(QStringLiteral("dos rangos"));
    });
    QVERIFY(named != problems.end());
}

QTEST_GUILESS_MAIN(TstOrdo)
#include "tst_ordo.moc"
