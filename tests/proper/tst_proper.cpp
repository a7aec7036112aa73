// Proper calendars over the national one, from the shipped data: the shipped propers on the days
// that decide the rules (a proper solemnity over a feast of the Lord and over a Sunday, moved off
// a higher day, a privilege over the Sunday, a suppressed national line), a user's own file
// (Holy Week, a proper memorial over a general one), and the lines that cannot be read.

#include "calendar_data/calendar_source.h"
#include "datacheck/data_check.h"
#include "dayview/day_view.h"
#include "dayview/proper_day.h"
#include "liturgical_time/liturgical_colour.h"
#include "support/data_fixture.h"
#include "support/shipped_copy.h"

#include <QtTest>

namespace {

const calendar::CalendarSource& shipped() {
    static const calendar::MemorySource source(QStringLiteral(ORVANTEL_SOURCE_DATA_DIR));
    return source;
}

// A user's own file, with a solemnity in Holy Week 2027 and a memorial on St Barnabas.
const QStringList kOwn = {
    QStringLiteral("# propio de prueba"),
    QStringLiteral("23-mar So+ b Patrono de prueba"),
    QStringLiteral("11-jun Me r Mártires de prueba"),
    QStringLiteral("u-sáb-oct - b Beata de prueba"),
};

} // namespace

class TstProper : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void celebrationKept_data();
    void celebrationKept();
    void faultyLinesNamedAndSkipped_data();
    void faultyLinesNamedAndSkipped();
    void checkNamesFileAndLine();
};

void TstProper::celebrationKept_data() {
    QTest::addColumn<QString>("choice"); // a shipped proper; empty: the user's file above
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("celebration");
    QTest::addColumn<QString>("rank");
    QTest::addColumn<QString>("optional");
    QTest::addColumn<bool>("precept");
    QTest::addColumn<QString>("colour");
    const auto row = [](const char* tag, const char* choice, QDate date, const char* celebration,
                        const char* rank, bool precept, const char* colour,
                        const char* optional = "") {
        QTest::newRow(tag) << QString::fromUtf8(choice) << date << QString::fromUtf8(celebration)
                           << QString::fromUtf8(rank) << QString::fromUtf8(optional) << precept
                           << QString::fromUtf8(colour);
    };
    const char* almudena = "Santa María la Real de la Almudena, patrona de la archidiócesis";
    const char* vicente = "San Vicente Ferrer, presbítero, patrono de la Comunidad Valenciana";
    const char* desamparados = "Nuestra Señora de los Desamparados, patrona de la ciudad de "
                               "Valencia";
    const char* so = "Solemnidad";
    row("Almudena over Letrán, Tuesday 2027", "madrid", {2027, 11, 9}, almudena, so, false,
        "blanco");
    row("Almudena on a Sunday, 2025", "madrid", {2025, 11, 9}, almudena, so, true, "blanco");
    row("San Isidro, 2027", "madrid", {2027, 5, 15},
        "San Isidro, labrador, patrono de la villa de Madrid", so, false, "blanco");
    row("San Vicente, 2026", "valencia", {2026, 4, 13}, vicente, so, false, "blanco");
    row("San Vicente, 2028", "valencia", {2028, 4, 24}, vicente, so, false, "blanco");
    row("Annunciation kept, 2027", "valencia", {2027, 4, 5}, "Anunciación del Señor", so, false,
        "blanco");
    row("San Vicente moved, 2027", "valencia", {2027, 4, 6}, vicente, so, false, "blanco");
    row("5 April suppressed, 2025", "valencia", {2025, 4, 5}, "Sábado de la semana IV de Cuaresma",
        "Feria", false, "morado");
    row("privilege over Sunday VI of Easter", "valencia", {2026, 5, 10}, desamparados, so, true,
        "blanco");
    row("no privilege over the Ascension", "valencia", {2027, 5, 10}, desamparados, so, false,
        "blanco");
    row("proper feast in the Christmas octave", "santiago", {2027, 12, 30},
        "Traslación del apóstol Santiago", "Fiesta", false, "rojo");
    row("own solemnity in Holy Week", "", {2027, 3, 23}, "Martes Santo", "Feria", false, "morado");
    row("moved past the octave and the Annunciation", "", {2027, 4, 6}, "Patrono de prueba", so,
        false, "blanco");
    row("own memorial over St Barnabas", "", {2027, 6, 11}, "Mártires de prueba",
        "Memoria obligatoria", false, "rojo");
    row("own optional memorial, last Saturday", "", {2027, 10, 30},
        "Sábado de la semana XXX del Tiempo Ordinario", "Feria", false, "verde",
        "Beata de prueba; Santa María en sábado");
}

void TstProper::celebrationKept() {
    QFETCH(QString, choice);
    QFETCH(QDate, date);
    const proper::ProperCalendar calendar =
        choice.isEmpty() ? proper::parseProper(kOwn, QStringLiteral("prueba.txt"))
                         : proper::readProper(proper::properPath(choice, shipped().ruta()));
    QVERIFY(calendar.faults.isEmpty());
    const dayview::ProperSchedule schedule(calendar);
    const calendar::DayReadings readings(shipped(), true);
    dayview::DayValue value;
    dayview::runDay(date, readings, {}, value, &schedule);
    const dayview::DayCaptions c = dayview::captionsOf(value);
    QTEST(c.celebration, "celebration");
    QTEST(c.rank, "rank");
    QTEST(c.optional, "optional");
    QTEST(value.ordo.precepto, "precept");
    QTEST(liturgy::colourName(value.liturgical.colour), "colour");
    // The day line stays the national one; the tooltip names the proper calendar when kept.
    dayview::DayValue national;
    dayview::runDay(date, readings, {}, national);
    QCOMPARE(value.line, national.line);
    QCOMPARE(dayview::celebrationDetails(c).contains(QStringLiteral("Propio: ") + calendar.name),
             value.ordo.properKept);
}

void TstProper::faultyLinesNamedAndSkipped_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("fault");
    QTest::newRow("no such day") << "30-feb So b X"
                                 << "el 30 de febrero no existe";
    QTest::newRow("no such month") << "09-nob So b X"
                                   << "\"nob\" no es un mes";
    QTest::newRow("unknown rank") << "09-nov Sol b X"
                                  << "\"Sol\" no es un rango";
    QTest::newRow("unknown colour") << "09-nov So v X"
                                    << "\"v\" no es una letra de color";
    QTest::newRow("unknown anchor") << "Pascuas+8 So b X"
                                    << "\"Pascuas\" no es ninguna de las fechas movibles";
    QTest::newRow("unknown weekday") << "2-dog-may So b X"
                                     << "\"dog\" no es un día";
    QTest::newRow("second solemnity") << "09-nov Fi b Y"
                                      << "ya hay una solemnidad o fiesta";
    QTest::newRow("no name") << "09-nov So b"
                             << "faltan campos";
}

void TstProper::faultyLinesNamedAndSkipped() {
    QFETCH(QString, line);
    QFETCH(QString, fault);
    const proper::ProperCalendar read = proper::parseProper(
        {QStringLiteral("09-nov So b Patrona"), line, QStringLiteral("10-nov Me r Otro")},
        QStringLiteral("x.txt"));
    QCOMPARE(read.faults.size(), 1);
    QCOMPARE(read.faults.first().line, 2);
    QVERIFY2(read.faults.first().text.contains(fault), qPrintable(read.faults.first().text));
    QCOMPARE(read.entries.size(), 2); // the lines around it still serve
}

void TstProper::checkNamesFileAndLine() {
    ShippedCopy data;
    const QByteArray own = "# propio\r\n23-mar So b Patrono\r\n31-abr Me b Nadie\r\n";
    data.write(QStringLiteral("propio-mio.txt"), own);
    const auto propers = [](const QList<datacheck::Problem>& all) {
        QStringList lines;
        for (const datacheck::Problem& p : all)
            if (p.file.startsWith(QLatin1String("propio-")) || p.file.endsWith(u"otro.txt"))
                lines.append(datacheck::problemLine(p));
        return lines;
    };
    const QStringList found = propers(datacheck::checkDataDirectory(data.ruta()));
    QCOMPARE(found.size(), 1); // the shipped propers are sound
    QVERIFY2(found.first().startsWith(u"propio-mio.txt:3: ") &&
                 found.first().contains(u"el 31 de abril no existe"),
             qPrintable(found.first()));
    QTemporaryDir elsewhere;
    const QString path = elsewhere.filePath(QStringLiteral("otro.txt"));
    writeRaw(path, "1-dom-oct Xx b Alguien\r\n");
    QCOMPARE(propers(datacheck::checkProperFile(path)).size(), 1);
    QCOMPARE(ShippedCopy::shippedBytes(QStringLiteral("propio-madrid.txt")).isEmpty(), false);
    QCOMPARE(fileBytes(data.path(QStringLiteral("propio-mio.txt"))), own); // never rewritten
}

QTEST_GUILESS_MAIN(TstProper)
#include "tst_proper.moc"
