// The terminal command orvantel-dia as a user or a script sees it: its arguments, its exit status,
// its messages and the rows it prints, run as a separate process on a temporary data folder.

#include "support/data_fixture.h"
#include "support/shipped_copy.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

struct Outcome {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs orvantel-dia; the token DATOS in `args` stands for the data folder. With `stdoutFile`
// the standard output goes to that file, or is closed for "CLOSED".
Outcome runDia(const QStringList& args, const QString& datos = {}, const QString& stdoutFile = {}) {
    QStringList real = args;
    real.replaceInStrings(QStringLiteral("DATOS"), datos);
    QProcess process;
    if (stdoutFile == QLatin1String("CLOSED")) {
#ifdef Q_OS_UNIX
        process.setChildProcessModifier([] { ::close(STDOUT_FILENO); });
#endif
    } else if (!stdoutFile.isEmpty()) {
        process.setStandardOutputFile(stdoutFile);
    }
    process.start(QStringLiteral(ORVANTEL_DIA), real);
    if (!process.waitForFinished(60000))
        return {};
    QString out = QString::fromUtf8(process.readAllStandardOutput());
#ifdef Q_OS_WIN
    // The standard output of a Windows console program ends its lines in CR LF; the iCalendar
    // lines end so on every system.
    if (!real.contains(QStringLiteral("ics"))) {
        if (out.count(QStringLiteral("\r\n")) != out.count(QLatin1Char('\n')))
            return {};
        out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    }
#endif
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, out,
            QString::fromUtf8(process.readAllStandardError())};
}

const QString header =
    QStringLiteral("fecha\tdia\tmes\tanio\tlinea\tmovil\tciclo\ttiempo\tsemana\tcolor\tsalterio\t"
                   "ciclo_ferial\tcelebracion\trango\tlibres\tprecepto\tgloria\tcredo\ttomo");

// Holy Week 2009 with Holy Monday's line full of what may break a row or a text value: a tab,
// a control character, commas, semicolons and letters outside ASCII.
const QString oddLine = QStringLiteral("Lunes\tSanto,\x01 ñandú; «pingüino», ¿sí?");
QStringList holyWeek(DataFixture& data, const QString& format) {
    data.setDayLine(4, 6, oddLine);
    return {"--datos", data.ruta(),  "--desde",   "2009-04-04",
            "--hasta", "2009-04-13", "--formato", format};
}

} // namespace

class TestOrvantelDia : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Arguments.
    void badArgumentsExitWith2_data();
    void badArgumentsExitWith2();
    void helpDescribesTheCommand();
    void versionComesFromTheBuild();

    // Writing.
    void failedWriteExitsWith1_data();
    void failedWriteExitsWith1();

    // Faults in the data.
    void dataFaultExitsWith1NamingTheFile_data();
    void dataFaultExitsWith1NamingTheFile();
    void specialFileIsAFaultAtOnce_data();
    void specialFileIsAFaultAtOnce();
    void rangePastTheDataNamesTheFileThatEnds_data();
    void rangePastTheDataNamesTheFileThatEnds();
    void checkListsTheProblems_data();
    void checkListsTheProblems();
    void properCalendarInEveryFormat_data();
    void properCalendarInEveryFormat();

    // What it prints.
    void rangePrintsHeaderAndOneRowPerDay_data();
    void rangePrintsHeaderAndOneRowPerDay();
    void oneDayPrintsOneFieldPerLine();
    void everyDayOfTheCalendar();
    void windowFolderIsBroughtUpToDate();
    void controlCharactersStayInTheirCell();
    void eachFormatToStandardOutputAndFile_data();
    void eachFormatToStandardOutputAndFile();
    void pdfToFileAndStandardOutput();
};

void TestOrvantelDia::badArgumentsExitWith2_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("says");

    const QString d = QStringLiteral("--datos");
    QTest::newRow("unknown option") << QStringList{d, "DATOS", "--dia"} << "Opción desconocida";
    QTest::newRow("date not AAAA-MM-DD") << QStringList{d, "DATOS", "2009-4-5"} << "AAAA-MM-DD";
    QTest::newRow("no 29 February in 2009")
        << QStringList{d, "DATOS", "2009-02-29"} << "2009-02-29";
    QTest::newRow("before 2000") << QStringList{d, "DATOS", "1999-12-31"} << "2000 a 2016";
    QTest::newRow("after 2016") << QStringList{d, "DATOS", "2017-01-01"} << "2000 a 2016";
    QTest::newRow("range ends after 2016")
        << QStringList{d, "DATOS", "--desde", "2016-12-31", "--hasta", "2017-01-01"}
        << "2017-01-01";
    QTest::newRow("--desde alone") << QStringList{d, "DATOS", "--desde", "2009-01-01"} << "--hasta";
    QTest::newRow("--hasta without a value") << QStringList{d, "DATOS", "--hasta"} << "--hasta";
    QTest::newRow("range backwards")
        << QStringList{d, "DATOS", "--desde", "2009-01-02", "--hasta", "2009-01-01"} << "posterior";
    QTest::newRow("two dates") << QStringList{d, "DATOS", "2009-01-01", "2009-01-02"}
                               << "2009-01-02";
    QTest::newRow("date and range")
        << QStringList{d, "DATOS", "2009-01-01", "--desde", "2009-01-01", "--hasta", "2009-01-02"}
        << "no ambos";
    QTest::newRow("--datos without a value") << QStringList{"2009-01-01", d} << "--datos";
    QTest::newRow("--datos empty") << QStringList{d, "", "2009-01-01"} << "--datos";
    QTest::newRow("data folder missing") << QStringList{d, "DATOS/nada", "2009-01-01"} << "nada";
    QTest::newRow("a file as data folder")
        << QStringList{d, "DATOS/cal.txt", "2009-01-01"} << "no es una carpeta";
    QTest::newRow("unknown format") << QStringList{d, "DATOS", "--formato", "xml"} << "xml";
    QTest::newRow("--formato twice")
        << QStringList{d, "DATOS", "--formato", "json", "--formato", "ics"} << "--formato";
    QTest::newRow("--salida empty") << QStringList{d, "DATOS", "--salida", ""} << "--salida";
    QTest::newRow("--salida a folder")
        << QStringList{d, "DATOS", "2009-01-01", "--salida", "DATOS"} << "no es un archivo normal";
}

void TestOrvantelDia::badArgumentsExitWith2() {
    QFETCH(QStringList, args);
    QFETCH(QString, says);
    DataFixture data;
    const Outcome outcome = runDia(args, data.ruta());
    QCOMPARE(outcome.exitCode, 2);
    QCOMPARE(outcome.out, QString());
    QVERIFY2(outcome.err.contains(says), qPrintable(outcome.err));
    QVERIFY2(outcome.err.contains(QStringLiteral("--help")), qPrintable(outcome.err));
}

void TestOrvantelDia::helpDescribesTheCommand() {
    const Outcome outcome = runDia({QStringLiteral("--help")});
    QCOMPARE(outcome.exitCode, 0);
    for (const char* part : {"--desde", "--hasta", "--datos", "--formato", "--salida", "--version",
                             "AAAA-MM-DD", "semana", "color", "json", "ics", "Estado de salida"})
        QVERIFY2(outcome.out.contains(QLatin1String(part)), part);
}

void TestOrvantelDia::versionComesFromTheBuild() {
    const Outcome outcome = runDia({QStringLiteral("--version")});
    QCOMPARE(outcome.exitCode, 0);
    QCOMPARE(outcome.out, QStringLiteral("orvantel-dia " ORVANTEL_VERSION "\n"));
}

void TestOrvantelDia::failedWriteExitsWith1_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("stdoutFile");
    QTest::addColumn<QString>("removed");
    QTest::addColumn<QString>("says");

    const QStringList range = {"--datos",    "DATOS",   "--desde",
                               "2009-05-30", "--hasta", "2009-06-02"};
    QTest::newRow("standard output on a full disk")
        << range << "/dev/full" << QString() << "salida estándar";
#ifdef Q_OS_UNIX
    QTest::newRow("standard output closed") << range << "CLOSED" << QString() << "salida estándar";
#endif
    QTest::newRow("file in a missing folder")
        << range + QStringList{"--salida", "DATOS/nada/dias.tsv"} << QString() << QString()
        << "nada";
    QTest::newRow("a data fault leaves the file as it was")
        << range + QStringList{"--salida", "DATOS/dias.tsv"} << QString() << "06.txt"
        << "06.txt";
}

void TestOrvantelDia::failedWriteExitsWith1() {
    QFETCH(QStringList, args);
    QFETCH(QString, stdoutFile);
    QFETCH(QString, removed);
    QFETCH(QString, says);
    DataFixture data;
    const QString before = QStringLiteral("antes\n");
    writeRaw(data.path(QStringLiteral("dias.tsv")), before.toUtf8());
    if (!removed.isEmpty())
        data.removeFile(removed);
    const Outcome outcome = runDia(args, data.ruta(), stdoutFile);
    QCOMPARE(outcome.exitCode, 1);
    QVERIFY2(outcome.err.contains(says), qPrintable(outcome.err));
    QCOMPARE(data.lines(QStringLiteral("dias.tsv")).join('\n'), QStringLiteral("antes\n"));
    QVERIFY(!QFile::exists(data.path(QStringLiteral("nada"))));
}

void TestOrvantelDia::dataFaultExitsWith1NamingTheFile_data() {
    QTest::addColumn<QString>("removed");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("rowsBefore"); // rows printed before the faulty day
    QTest::addColumn<QString>("faultyDay");

    QTest::newRow("season boundary file missing")
        << "c7.txt" << QStringList{"--datos", "DATOS", "2009-04-05"} << 0 << "2009-04-05";
    QTest::newRow("month file missing")
        << "04.txt" << QStringList{"--datos", "DATOS", "2009-04-05"} << 0 << "2009-04-05";
    QTest::newRow("day view file missing")
        << "cal.txt" << QStringList{"--datos", "DATOS", "2009-04-05"} << 0 << "2009-04-05";
    QTest::newRow("range stops at the first faulty day")
        << "06.txt"
        << QStringList{"--datos", "DATOS", "--desde", "2009-05-30", "--hasta", "2009-06-02"} << 2
        << "2009-06-01";
}

void TestOrvantelDia::dataFaultExitsWith1NamingTheFile() {
    QFETCH(QString, removed);
    QFETCH(QStringList, args);
    QFETCH(int, rowsBefore);
    QFETCH(QString, faultyDay);
    DataFixture data;
    data.removeFile(removed);
    const Outcome outcome = runDia(args, data.ruta());
    QCOMPARE(outcome.exitCode, 1);
    QVERIFY2(outcome.err.contains(QDir::toNativeSeparators(data.path(removed))),
             qPrintable(outcome.err));
    QVERIFY2(outcome.err.contains(faultyDay), qPrintable(outcome.err));
    QCOMPARE(outcome.out.split('\n', Qt::SkipEmptyParts).size(),
             rowsBefore > 0 ? rowsBefore + 1 : 0);
}

void TestOrvantelDia::specialFileIsAFaultAtOnce_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("FIFO") << "fifo";
    QTest::newRow("link to an endless device") << "zero";
}

void TestOrvantelDia::specialFileIsAFaultAtOnce() {
    QFETCH(QString, kind);
#ifndef Q_OS_UNIX
    QSKIP("Unix special files: on Windows QFile::link makes a shortcut, not a link");
#endif
    DataFixture data;
    const QString c5 = data.path("c5.txt");
    data.removeFile("c5.txt");
    if (kind == QLatin1String("fifo"))
        QCOMPARE(QProcess::execute("mkfifo", {c5}), 0);
    else
        QVERIFY(QFile::link("/dev/zero", c5));
    QElapsedTimer timer;
    timer.start();
    const Outcome outcome = runDia({"--datos", "DATOS", "2009-04-12"}, data.ruta());
    QVERIFY(timer.elapsed() < 1000);
    QCOMPARE(outcome.exitCode, 1);
    QVERIFY2(outcome.err.contains("c5.txt"), qPrintable(outcome.err));
}

void TestOrvantelDia::rangePastTheDataNamesTheFileThatEnds_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("lostFrom"); // the line of the first year the file loses
    QTest::addColumn<QString>("says");
    QTest::newRow("cal.txt lost its years from 2010") << "cal.txt" << 12
                                                      << "cal.txt acaba en el "
                                                         "año 2009";
    QTest::newRow("c7.txt lost its years from 2011") << "c7.txt" << 13
                                                     << "c7.txt acaba en el año "
                                                        "2010";
}

void TestOrvantelDia::rangePastTheDataNamesTheFileThatEnds() {
    QFETCH(QString, file);
    QFETCH(int, lostFrom);
    QFETCH(QString, says);
    DataFixture data;
    QStringList lines = data.lines(file);
    if (file == QLatin1String("cal.txt"))
        for (int i = lostFrom - 1; i < lines.size(); ++i)
            lines[i] = lines[i].left(36); // the day letters without the year
    else
        lines = lines.mid(0, lostFrom - 1);
    data.writeLines(file, lines);
    const Outcome outcome =
        runDia({"--datos", "DATOS", "--desde", "2009-01-01", "--hasta", "2016-12-31"}, data.ruta());
    QCOMPARE(outcome.exitCode, 2);
    QVERIFY2(outcome.err.contains(says), qPrintable(outcome.err));
}

void TestOrvantelDia::checkListsTheProblems_data() {
    QTest::addColumn<QString>("c5Line11"); // Easter 2009; empty: as it is
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    QTest::newRow("sound") << QString() << 0 << QString();
    QTest::newRow("a date of another year") << "99-12-abr" << 1 << "c5.txt:11: ";
}

void TestOrvantelDia::checkListsTheProblems() {
    QFETCH(QString, c5Line11);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    DataFixture data;
    if (!c5Line11.isEmpty())
        data.setMovableLine(5, 11, c5Line11);
    const Outcome outcome = runDia({"--datos", "DATOS", "--comprobar"}, data.ruta());
    QCOMPARE(outcome.exitCode, exitCode);
    QCOMPARE(outcome.out.left(out.size()), out);
    QCOMPARE(outcome.out.isEmpty(), out.isEmpty());
}

void TestOrvantelDia::properCalendarInEveryFormat_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    const QString p = QStringLiteral("--propio");
    QTest::newRow("tsv") << QStringList{p, "madrid", "2027-11-09"} << 0
                         << "celebracion\tSanta María la Real de la Almudena"
                         << "";
    QTest::newRow("json") << QStringList{"--formato", "json", p, "madrid", "2025-11-09"} << 0
                          << "\"precepto\":\"sí\",\"rango\":\"Solemnidad\""
                          << "";
    QTest::newRow("ics") << QStringList{"--formato", "ics", p, "valencia", "2027-04-06"} << 0
                         << "SUMMARY:San Vicente Ferrer"
                         << "";
    QTest::newRow("own file, a faulty line")
        << QStringList{p, "DATOS/mio.txt", "2027-06-11"} << 0 << "celebracion\tMártires"
        << "mio.txt:2: ";
    QTest::newRow("no such file") << QStringList{p, "DATOS/nada.txt", "2027-06-11"} << 1 << ""
                                  << "nada.txt";
    QTest::newRow("checked") << QStringList{p, "DATOS/mio.txt", "--comprobar"} << 1 << "mio.txt:2: "
                             << "";
}

void TestOrvantelDia::properCalendarInEveryFormat() {
    QFETCH(QStringList, args);
    ShippedCopy data;
    data.write(QStringLiteral("mio.txt"), "11-jun Me r M\xe1rtires\r\n12-jun So z Nadie\r\n");
    const Outcome outcome = runDia(QStringList{"--datos", "DATOS"} + args, data.ruta());
    QFETCH(QString, out);
    QFETCH(QString, err);
    QTEST(outcome.exitCode, "exitCode");
    QVERIFY2(outcome.out.contains(out), qPrintable(outcome.out));
    QVERIFY2(outcome.err.contains(err), qPrintable(outcome.err));
}

void TestOrvantelDia::rangePrintsHeaderAndOneRowPerDay_data() {
    QTest::addColumn<QString>("desde");
    QTest::addColumn<QString>("hasta");
    QTest::addColumn<int>("days");
    QTest::addColumn<QString>("someRow");

    QTest::newRow("Holy Week 2009") << "2009-04-04"
                                    << "2009-04-13" << 10
                                    << "2009-04-05\t+ Domingo\tAbril\t2009\tDia 5/4\tDomingo de "
                                       "Ramos\tCiclo B\tSema. Santa\t\t250,0,0\tII\tI";
    QTest::newRow("accents in UTF-8") << "2009-04-04"
                                      << "2009-04-13" << 10
                                      << "2009-04-08\tMiércoles\tAbril\t2009\tDia 8/4\tNo "
                                         "hay\tCiclo B\tSema. Santa\t\t250,0,250\tII\tI";
    QTest::newRow("two blanks after Pentecost")
        << "2009-05-31"
        << "2009-06-01" << 2
        << "2009-06-01\tLunes\tJunio\t2009\tDia 1/6\tNo hay\tCiclo B\tT.Ordinario\tSemana  "
           "9\t0,250,0\tI\tI";
    QTest::newRow("across the new year") << "2008-12-31"
                                         << "2009-01-01" << 2
                                         << "2009-01-01\tJueves\tEnero\t2009\tDia 1/1\tCelebración "
                                            "1\tCiclo B\tNavidad\t\t250,250,250\tI\tI";
    QTest::newRow("29 February, a single day")
        << "2016-02-29"
        << "2016-02-29" << 1
        << "2016-02-29\tLunes\tFebrero\t2016\tDia 29/2\tNo hay\tCiclo "
           "C\tCuaresma\tSemana 3\t250,0,250\tIII\tII";
}

void TestOrvantelDia::rangePrintsHeaderAndOneRowPerDay() {
    QFETCH(QString, desde);
    QFETCH(QString, hasta);
    QFETCH(int, days);
    QFETCH(QString, someRow);
    DataFixture data;
    const Outcome outcome =
        runDia({"--datos", data.ruta(), "--desde", desde, "--hasta", hasta}, data.ruta());
    QCOMPARE(outcome.exitCode, 0);
    QCOMPARE(outcome.err, QString());
    QVERIFY(outcome.out.endsWith('\n'));
    const QStringList lines = outcome.out.chopped(1).split('\n');
    QCOMPARE(lines.first(), header);
    QCOMPARE(lines.size(), days + 1);
    QDate expected = QDate::fromString(desde, Qt::ISODate);
    for (qsizetype i = 1; i < lines.size(); ++i, expected = expected.addDays(1)) {
        QCOMPARE(lines.at(i).count('\t'), 18);
        QVERIFY(lines.at(i).startsWith(expected.toString(Qt::ISODate) + '\t'));
    }
    // The fields of the window; the Ordo's follow them (tested on the shipped data).
    QVERIFY2(std::any_of(lines.cbegin(), lines.cend(),
                         [&](const QString& l) { return l.startsWith(someRow + '\t'); }),
             qPrintable(outcome.out));
}

void TestOrvantelDia::oneDayPrintsOneFieldPerLine() {
    DataFixture data;
    data.setDayLine(6, 1, QStringLiteral("Feria  -b"));
    const Outcome outcome = runDia({"--datos", data.ruta(), "2009-06-01"});
    QCOMPARE(outcome.exitCode, 0);
    QCOMPARE(outcome.out, QStringLiteral("fecha\t2009-06-01\n"
                                         "dia\tLunes\n"
                                         "mes\tJunio\n"
                                         "anio\t2009\n"
                                         "linea\tFeria  -b\n"
                                         "movil\tNo hay\n"
                                         "ciclo\tCiclo B\n"
                                         "tiempo\tT.Ordinario\n"
                                         "semana\tSemana  9\n"
                                         "color\t250,250,250\n"
                                         "salterio\tI\n"
                                         "ciclo_ferial\tI\n"
                                         "celebracion\tLunes de la semana IX del Tiempo "
                                         "Ordinario\n"
                                         "rango\tFeria\n"
                                         "libres\tFeria\n"
                                         "precepto\tno\n"
                                         "gloria\tno\n"
                                         "credo\tno\n"
                                         "tomo\tIII\n"));
}

void TestOrvantelDia::everyDayOfTheCalendar() {
    DataFixture data;
    const Outcome outcome =
        runDia({"--datos", data.ruta(), "--desde", "2000-01-01", "--hasta", "2016-12-31"});
    QCOMPARE(outcome.exitCode, 0);
    QCOMPARE(outcome.err, QString());
    const QStringList lines = outcome.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 6210 + 1);
    QVERIFY(lines.last().startsWith(QStringLiteral("2016-12-31\t")));
}

void TestOrvantelDia::windowFolderIsBroughtUpToDate() {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    QSKIP("The user's Documents folder is set by HOME on freedesktop systems only");
#endif
    // The window's folder of a user of its own, as the 2016 release left it.
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral(".config")));
    const QString ruta = home.filePath(
        QStringLiteral("Documents/virovedude 2000-2016/archivos auxiliares/virovedude/"));
    QVERIFY(QDir().mkpath(ruta));
    for (const QString name : {"cal.txt", "c5.txt"})
        QVERIFY(QFile::copy(QStringLiteral(ORVANTEL_TEST_DATA_DIR "shipped-2016/") + name,
                            ruta + name));

    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(ORVANTEL_DIA), {QStringLiteral("2026-12-07")});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 0);
    QVERIFY(QString::fromUtf8(process.readAllStandardOutput()).contains("tiempo\tAdviento\n"));
    for (const QString name : {"cal.txt", "c5.txt", "c20.txt"})
        QCOMPARE(fileBytes(ruta + name),
                 fileBytes(QStringLiteral(ORVANTEL_SOURCE_DATA_DIR) + name));
}

void TestOrvantelDia::controlCharactersStayInTheirCell() {
    DataFixture data;
    const QStringList args = holyWeek(data, QStringLiteral("tsv"));
    const Outcome named = runDia(args);
    QCOMPARE(named.exitCode, 0);
    QCOMPARE(runDia(args.first(6)).out, named.out); // tsv is the default
    const QStringList lines = named.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1 + 10);
    for (const QString& line : lines)
        QCOMPARE(line.count('\t'), 18);
    QVERIFY(
        lines.contains(QStringLiteral("2009-04-06\tLunes\tAbril\t2009\tLunes Santo,  ñandú; "
                                      "«pingüino», ¿sí?\tNo hay\tCiclo B\tSema. Santa\t\t"
                                      "250,0,250\tII\tI\tLunes Santo\tFeria\t\tno\tno\tno\tII")));
}

void TestOrvantelDia::eachFormatToStandardOutputAndFile_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("palmSunday"); // how the celebration of Palm Sunday shows
    QTest::addColumn<QString>("holyMonday"); // how the odd line of Holy Monday shows
    QTest::newRow("tsv") << "tsv"
                         << "\tDomingo de Ramos\t"
                         << "\tLunes Santo,  ñandú; «pingüino», ¿sí?\t";
    QTest::newRow("json") << "json"
                          << "\"movil\":\"Domingo de Ramos\""
                          << "\"linea\":\"Lunes\\tSanto,\\u0001 ñandú; «pingüino», ¿sí?\"";
    // The title is the celebration kept, the line is in the description (unfolded here).
    QTest::newRow("ics") << "ics"
                         << "\r\nSUMMARY:Domingo de Ramos en la Pasión del Señor\r\n"
                         << "\\nCalendario: Lunes Santo\\,  ñandú\\; «pingüino»\\, ¿sí?\\n";
}

void TestOrvantelDia::eachFormatToStandardOutputAndFile() {
    QFETCH(QString, format);
    QFETCH(QString, palmSunday);
    QFETCH(QString, holyMonday);
    DataFixture data;
    const QStringList args = holyWeek(data, format);
    const Outcome outcome = runDia(args);
    QCOMPARE(outcome.exitCode, 0);
    QVERIFY2(outcome.out.contains(palmSunday), qPrintable(outcome.out));
    QVERIFY2(QString(outcome.out).remove(QStringLiteral("\r\n ")).contains(holyMonday),
             qPrintable(outcome.out));
    if (format == QLatin1String("json"))
        QCOMPARE(QJsonDocument::fromJson(outcome.out.toUtf8()).array().size(), 10);
    if (format == QLatin1String("ics"))
        QCOMPARE(outcome.out.count('\n'), outcome.out.count(QStringLiteral("\r\n")));

    // The same document in a file, but for the time stamps of the events.
    const QString file = data.path(QStringLiteral("semana"));
    QCOMPARE(runDia(args + QStringList{"--salida", file}).out, QString());
    QFile written(file);
    QVERIFY(written.open(QIODevice::ReadOnly));
    static const QRegularExpression stamp(QStringLiteral("DTSTAMP:\\d{8}T\\d{6}Z"));
    QCOMPARE(QString::fromUtf8(written.readAll()).replace(stamp, "DTSTAMP"),
             QString(outcome.out).replace(stamp, "DTSTAMP"));
}

// The sheets of two months to the standard output and to a file: the same two pages of text.
void TestOrvantelDia::pdfToFileAndStandardOutput() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    DataFixture data;
    QStringList args = holyWeek(data, QStringLiteral("pdf"));
    args.replaceInStrings(QStringLiteral("2009-04-04"), QStringLiteral("2009-03-30"));
    QCOMPARE(runDia(args, {}, data.path("a.pdf")).exitCode, 0);
    QCOMPARE(runDia(args + QStringList{"--salida", data.path("b.pdf")}).exitCode, 0);
    QProcess a, b;
    a.start("pdftotext", {data.path("a.pdf"), "-"}),
        b.start("pdftotext", {data.path("b.pdf"), "-"});
    QVERIFY(a.waitForFinished() && b.waitForFinished());
    const QString text = QString::fromUtf8(a.readAllStandardOutput());
    QCOMPARE(text, QString::fromUtf8(b.readAllStandardOutput()));
    QVERIFY(text.count(QChar(u'\f')) == 2 && text.contains(QStringLiteral("Lunes Santo")));

    // Over a proper calendar: its celebration kept, its name in the header.
    data.writeLines(QStringLiteral("propio-prueba.txt"), {"31-mar So b San Prueba"});
    const QStringList proper = {"--propio", data.path("propio-prueba.txt"), "--salida",
                                data.path("c.pdf")};
    QCOMPARE(runDia(args + proper).exitCode, 0);
    QProcess c;
    c.start("pdftotext", {data.path("c.pdf"), "-"});
    QVERIFY(c.waitForFinished());
    const QString withProper = QString::fromUtf8(c.readAllStandardOutput()).simplified();
    QVERIFY(withProper.contains(QStringLiteral("San Prueba")) &&
            withProper.contains(QStringLiteral("propio-prueba")));

#ifdef Q_OS_UNIX
    // Without its plugin beside it or installed, orvantel-dia says so and writes nothing.
    QVERIFY(QDir().mkpath(data.path("solo")));
    const QString alone = data.path("solo/orvantel-dia");
    QVERIFY(QFile::copy(QStringLiteral(ORVANTEL_DIA), alone));
    QProcess missing;
    missing.start(alone, args + QStringList{"--salida", data.path("d.pdf")});
    QVERIFY(missing.waitForFinished(60000));
    QCOMPARE(missing.exitCode(), 1);
    QVERIFY(QString::fromUtf8(missing.readAllStandardError()).contains("orvantel-dia-pdf"));
    QVERIFY(!QFileInfo::exists(data.path("d.pdf")));
#endif
}

QTEST_GUILESS_MAIN(TestOrvantelDia)
#include "tst_orvantel_dia.moc"
