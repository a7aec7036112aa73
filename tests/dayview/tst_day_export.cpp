// The day values as JSON and iCalendar: the JSON parses back with the fields of the TSV and the
// colour by name and by number; iCalendar text is escaped, its lines folded at 75 octets
// without splitting a character and ended by CR LF, and each day is one all-day event.

#include "dayview/day_export.h"
#include "dayview/day_report.h"
#include "liturgical_time/liturgical_colour.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>
#include <QTimeZone>

namespace {

// Palm Sunday 2009 as a run shows it, with a day line of the caller's.
dayview::DayValue palmSunday(const QString& line, bool movable = true) {
    dayview::DayValue day;
    day.fecha = QDate(2009, 4, 5);
    day.weekday = 0;
    day.month = 4;
    day.year = 2009;
    day.line = line;
    day.movable = movable ? QStringLiteral("Domingo de Ramos") : QStringLiteral("No hay");
    if (movable)
        day.numMovil = 4;
    day.liturgical.cycle = 0; // "B", the Sunday cycle of 2009
    day.liturgical.season = liturgy::Season::HolyWeek;
    day.liturgical.colour = liturgy::kRed;
    day.liturgical.psalterWeek = 2; // Holy Week
    day.liturgical.weekdayYear = 1; // the liturgical year ends in 2009
    return day;
}

const QDateTime kStamp(QDate(2024, 1, 2), QTime(3, 4, 5), QTimeZone::utc());

} // namespace

class TstDayExport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void colourNames_data();
    void colourNames();
    void jsonParsesBack();
    void textsWrittenStraightAsTheLibraryWritesThem_data();
    void textsWrittenStraightAsTheLibraryWritesThem();
    void icsText_data();
    void icsText();
    void icsFolding_data();
    void icsFolding();
    void icsEvent();
};

void TstDayExport::colourNames_data() {
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("g");
    QTest::addColumn<int>("b");
    QTest::addColumn<QString>("name");
    QTest::newRow("white") << 250 << 250 << 250 << "blanco";
    QTest::newRow("green") << 0 << 250 << 0 << "verde";
    QTest::newRow("red") << 250 << 0 << 0 << "rojo";
    QTest::newRow("purple") << 250 << 0 << 250 << "morado";
    QTest::newRow("grey of no colour") << 192 << 192 << 192 << "gris";
    QTest::newRow("any other") << 1 << 2 << 3 << "";
}

void TstDayExport::colourNames() {
    QFETCH(int, r);
    QFETCH(int, g);
    QFETCH(int, b);
    QFETCH(QString, name);
    QCOMPARE(dayexport::colourName(Rgb{r, g, b}), name);
}

void TstDayExport::jsonParsesBack() {
    dayview::DayValue monday = palmSunday(QStringLiteral("San Vicente\tFerrer, \"pb.\""), false);
    monday.fecha = QDate(2009, 4, 6);
    monday.liturgical.colour = liturgy::kPurple;
    const QByteArray bytes = dayexport::document(
        dayexport::Format::Json, true, {palmSunday(QStringLiteral("S. Vicente")), monday}, kStamp);
    QVERIFY(!bytes.contains('\t')); // escaped, never raw
    QJsonParseError error;
    const QJsonArray days = QJsonDocument::fromJson(bytes, &error).array();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(days.size(), 2);
    const QJsonObject first = days.at(0).toObject();
    QCOMPARE(
        first.keys(),
        QStringList({"anio",      "celebracion", "ciclo", "ciclo_ferial", "color",  "color_nombre",
                     "color_rgb", "credo",       "dia",   "fecha",        "gloria", "libres",
                     "linea",     "mes",         "movil", "precepto",     "rango",  "salterio",
                     "semana",    "tiempo",      "tomo"}));
    QCOMPARE(QJsonDocument(first).toJson(QJsonDocument::Compact),
             QByteArray(R"({"anio":"2009","celebracion":"","ciclo":"Ciclo B","ciclo_ferial":"I",)"
                        R"("color":"250,0,0","color_nombre":"rojo","color_rgb":[250,0,0],)"
                        R"("credo":"","dia":"+ Domingo","fecha":"2009-04-05","gloria":"",)"
                        R"("libres":"","linea":"S. Vicente","mes":"Abril",)"
                        R"("movil":"Domingo de Ramos","precepto":"","rango":"",)"
                        R"("salterio":"II","semana":"","tiempo":"Sema. Santa","tomo":""})"));
    QCOMPARE(days.at(1)["linea"].toString(), QStringLiteral("San Vicente\tFerrer, \"pb.\""));
    QCOMPARE(days.at(1)["color_nombre"].toString(), QStringLiteral("morado"));
}

void TstDayExport::textsWrittenStraightAsTheLibraryWritesThem_data() {
    QTest::addColumn<QString>("line");
    QTest::newRow("plain") << QStringLiteral("S. Vicente Ferrer, pb. -b");
    QTest::newRow("quotes, backslash, controls")
        << QStringLiteral("\"a\"\\b\x01\x08\x0C\r\n\t\x1F\x7F");
    QTest::newRow("accents, C1, separators") << QStringLiteral("ñandú € \u0085\u2028\u2029");
    QTest::newRow("surrogates") << QStringLiteral("😀 ") + QChar(0xD800) + QStringLiteral("x");
}

void TstDayExport::textsWrittenStraightAsTheLibraryWritesThem() {
    QFETCH(QString, line);
    const dayview::DayValue day = palmSunday(line, false);
    // JSON as QJsonDocument writes it, a TSV row as rowLine() in UTF-8.
    const QByteArray json = dayexport::document(dayexport::Format::Json, true, {day}, kStamp);
    QCOMPARE(json, "[\n" + QJsonDocument(dayexport::jsonDay(day)).toJson(QJsonDocument::Compact) +
                       "\n]\n");
    const QByteArray tsv = dayexport::document(dayexport::Format::Tsv, true, {day}, kStamp);
    QCOMPARE(tsv.split('\n').at(1), dayreport::rowLine(day).toUtf8());
}

void TstDayExport::icsText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("escaped");
    QTest::newRow("commas and semicolons") << "Sts. Felipe y Santiago, ap.; fiesta, rojo;;"
                                           << "Sts. Felipe y Santiago\\, ap.\\; "
                                              "fiesta\\, rojo\\;\\;";
    QTest::newRow("backslash") << "a\\b"
                               << "a\\\\b";
    QTest::newRow("line ends of every kind") << "a\r\nb\nc\rd"
                                             << "a\\nb\\nc\\nd";
    QTest::newRow("tab and control characters") << "a\tb\x01"
                                                   "c\x7f"
                                                << "a b c ";
    QTest::newRow("accents and colon kept") << "Año: Pentecostés"
                                            << "Año: Pentecostés";
    QTest::newRow("three and four octets, a Unicode line separator")
        << QStringLiteral("5 €\u2028\U0001F54A") << QStringLiteral("5 €\\n\U0001F54A");
    QTest::newRow("lone surrogate, as the library converts it")
        << QString(QChar(0xD800)) + QStringLiteral("x")
        << QString::fromUtf8(QString(QChar(0xD800)).toUtf8() + "x");
}

void TstDayExport::icsText() {
    QFETCH(QString, text);
    QFETCH(QString, escaped);
    QCOMPARE(dayexport::icsText(text), escaped);
}

void TstDayExport::icsFolding_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QByteArray>("folded");
    const QString x74(74, QLatin1Char('x'));
    QTest::newRow("short") << "VERSION:2.0" << QByteArray("VERSION:2.0\r\n");
    QTest::newRow("75 octets, one line") << x74 + "y" << (x74 + "y\r\n").toLatin1();
    QTest::newRow("76 octets") << x74 + "yz" << (x74 + "y\r\n z\r\n").toLatin1();
    QTest::newRow("a two-octet letter on the 75th octet")
        << x74 + QChar(0xE9) << x74.toLatin1() + "\r\n \xc3\xa9\r\n";
    QTest::newRow("continuation lines hold 74 octets after the blank")
        << x74 + "y" + x74 + "y" << (x74 + "y\r\n " + x74 + "\r\n y\r\n").toLatin1();
}

void TstDayExport::icsFolding() {
    QFETCH(QString, line);
    QFETCH(QByteArray, folded);
    QCOMPARE(dayexport::icsLine(line), folded);
}

void TstDayExport::icsEvent() {
    const QString line = QStringLiteral("Ntra. Sra. de la Soledad, Patrona; Conmemoración de todos "
                                        "los fieles difuntos, según el Misal: ñandú, pingüino");
    const QByteArray event = dayexport::icsEvent(palmSunday(line, false), kStamp);

    // Every physical line ends in CR LF, holds at most 75 octets and whole UTF-8 characters.
    QVERIFY(event.endsWith("\r\n"));
    const QList<QByteArray> physical = event.chopped(1).split('\n');
    for (const QByteArray& piece : physical) {
        QVERIFY2(piece.endsWith('\r'), piece.constData());
        QVERIFY2(piece.size() - 1 <= 75, piece.constData());
        QCOMPARE(QString::fromUtf8(piece).toUtf8(), piece);
    }
    const QString unfolded = QString::fromUtf8(QByteArray(event).replace("\r\n ", ""));
    const QStringList lines = unfolded.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(lines.first(), QStringLiteral("BEGIN:VEVENT"));
    QCOMPARE(lines.last(), QStringLiteral("END:VEVENT"));
    for (const char* expected :
         {"DTSTAMP:20240102T030405Z", "DTSTART;VALUE=DATE:20090405", "DTEND;VALUE=DATE:20090406",
          "TRANSP:TRANSPARENT",
          "DESCRIPTION:Domingo\\nCiclo B\\nSemana Santa\\nSalterio: semana II\\nLecturas entre "
          "semana: año I\\nColor: rojo"})
        QVERIFY2(lines.contains(QString::fromUtf8(expected)), expected);
    QVERIFY(lines.contains(QStringLiteral("SUMMARY:Ntra. Sra. de la Soledad\\, Patrona\\; "
                                          "Conmemoración de todos los fieles difuntos\\, según el "
                                          "Misal: ñandú\\, pingüino")));

    // The movable celebration is the summary; the UID stays for the same day and data.
    const QByteArray withMovable = dayexport::icsEvent(palmSunday(line), kStamp);
    QVERIFY(withMovable.contains("\r\nSUMMARY:Domingo de Ramos\r\n"));
    const auto uid = [](const QByteArray& bytes) { return bytes.split('\n').at(1); };
    QVERIFY(uid(withMovable).startsWith("UID:20090405-"));
    QVERIFY(uid(withMovable).endsWith("@orvantel\r"));
    QCOMPARE(uid(dayexport::icsEvent(palmSunday(line), kStamp.addDays(9))), uid(withMovable));
    QVERIFY(uid(event) != uid(withMovable));
    // The fields added after the first ten leave the UID of an imported day as it was.
    dayview::DayValue psalterOnly = palmSunday(line);
    psalterOnly.liturgical.psalterWeek.reset();
    QCOMPARE(uid(dayexport::icsEvent(psalterOnly, kStamp)), uid(withMovable));
}

QTEST_GUILESS_MAIN(TstDayExport)
#include "tst_day_export.moc"
