// orvantel-dia: the day view of any day the calendar covers, on the terminal or in a file, as
// TSV, JSON or iCalendar, or as the month sheets of a PDF to print. It runs the same core steps as
// the window (dayview::runDay), from the data directory read once into memory, and only reads its
// arguments and writes the days. Exit status: 0 done, 1 a fault in the data or in writing the
// output (the message names the file), 2 bad arguments.

#include "calendar_data/calendar_files.h"
#include "calendar_data/data_update.h"
#include "datacheck/data_check.h"
#include "dayview/day_export.h"
#include "dayview/proper_day.h"
#include "dayview/range_runs.h"
#include "platform/console.h"
#include "platform/data_dir.h"
#include "platform/data_fault.h"
#include "platform/termination.h"
#include "platform/translations.h"
#include "platform/version.h"
#include "proper/proper_calendar.h"

#include "pdf_sheets.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPluginLoader>
#include <QRegularExpression>
#include <QSaveFile>

#include <cstdio>
#include <functional>
#include <memory>
#include <optional>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#endif

namespace {

constexpr int kDataFault = 1;
constexpr int kBadArguments = 2;

struct UsageError {
    QString message;
};

// Everything the command checks and says about the years the calendar covers, made from the
// first and the last of them: the one place to change when the calendar covers other years.
struct CalendarYears {
    // Throws UsageError when `date` falls outside the years; `what` names the date.
    std::function<void(const QDate& date, const QString& what)> check;
    // Throws UsageError when today, the date when none is given, falls outside the years.
    std::function<void(const QDate& today)> checkToday;
    QString span;       // for the help: "de 2000 a 2016"
    QString helpDates;  // the help's sentence on the dates
    QString helpStatus; // the help's line on exit status 2
};

// `lastFile` names the file whose years end at `last`.
CalendarYears calendarYears(int first, int last, const QString& lastFile = {}) {
    const QString span = QStringLiteral("de %1 a %2").arg(first).arg(last);
    const auto outside = [first, last](const QDate& date) {
        return date.year() < first || date.year() > last;
    };
    // For a year the data could hold: the file that ends early, or starts late.
    const auto why = [=](const QDate& date) {
        if (date.year() > last && date.year() <= calendar::kLastYear && !lastFile.isEmpty())
            return QStringLiteral(": %1 acaba en el año %2").arg(lastFile).arg(last);
        if (date.year() < first && date.year() >= calendar::kFirstYear)
            return QStringLiteral(": cal.txt empieza en el año %1").arg(first);
        return QString();
    };
    CalendarYears years;
    years.check = [=](const QDate& date, const QString& what) {
        if (outside(date))
            throw UsageError{QStringLiteral("%1 %2 queda fuera del calendario, que abarca %3%4.")
                                 .arg(what, date.toString(Qt::ISODate), span, why(date))};
    };
    years.checkToday = [=](const QDate& today) {
        if (outside(today))
            throw UsageError{
                QStringLiteral("Hoy, %1, queda fuera del calendario, que abarca %2%3. Indique una "
                               "fecha.")
                    .arg(today.toString(Qt::ISODate), span, why(today))};
    };
    years.span = span;
    years.helpDates =
        QStringLiteral("Las fechas se escriben AAAA-MM-DD y han de estar entre %1-01-01 y "
                       "%2-12-31.")
            .arg(first)
            .arg(last);
    years.helpStatus =
        QStringLiteral("argumentos erróneos o fecha fuera de %1-%2").arg(first).arg(last);
    return years;
}

// The options, declared once: the parser takes them and the help lists them.
struct Options {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("muestra esta ayuda")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("muestra la versión del programa")};
    QCommandLineOption datos{
        QStringLiteral("datos"),
        QStringLiteral("lee los archivos del calendario de la carpeta DIR. Sin esta\n"
                       "opción lee la carpeta de datos de la ventana:\n"
                       "%1\n"
                       "y, si no existe, la crea con los datos incluidos en el programa;\n"
                       "si existe, pone al día los archivos que una versión anterior\n"
                       "dejó sin cambios, como hace la ventana al abrirse.")
            .arg(QDir::toNativeSeparators(datadir::defaultRuta())),
        QStringLiteral("DIR")};
    QCommandLineOption desde{QStringLiteral("desde"), QStringLiteral("primer día del intervalo"),
                             QStringLiteral("FECHA")};
    QCommandLineOption hasta{QStringLiteral("hasta"), QStringLiteral("último día del intervalo"),
                             QStringLiteral("FECHA")};
    QCommandLineOption formato{QStringLiteral("formato"),
                               QStringLiteral("tsv (el predeterminado), json, ics o pdf; véase "
                                              "más arriba"),
                               QStringLiteral("FORMATO")};
    QCommandLineOption salida{
        QStringLiteral("salida"),
        QStringLiteral("escribe en el archivo ARCHIVO en lugar de la salida estándar;\n"
                       "el archivo se escribe entero o no se toca"),
        QStringLiteral("ARCHIVO")};

    QCommandLineOption comprobar{
        QStringLiteral("comprobar"),
        QStringLiteral("comprueba los archivos del calendario de la carpeta de datos y\n"
                       "escribe cada problema en una línea: archivo:línea: problema;\n"
                       "un aviso (\"archivo:línea: aviso: ...\") no impide mostrar ningún día")};

    QCommandLineOption propio{
        QStringLiteral("propio"),
        QStringLiteral("sigue el calendario propio NOMBRE o el del archivo\n"
                       "ARCHIVO; NOMBRE es uno de estos:\n"
                       "%1.\n"
                       "La celebración, su rango, el precepto y el color son los\n"
                       "del calendario propio; la línea del día, la nacional.\n"
                       "Con --comprobar, comprueba también ese archivo")
            .arg(shippedKeys()),
        QStringLiteral("NOMBRE|ARCHIVO")};

    static QString shippedKeys() {
        QStringList keys;
        for (const proper::Shipped& s : proper::shippedPropers())
            keys.append(s.key);
        return keys.join(QStringLiteral(", "));
    }

    QList<QCommandLineOption> all() const {
        return {datos, desde, hasta, formato, salida, propio, comprobar, version, help};
    }
};

QString optionList(const Options& options) {
    constexpr qsizetype kColumn = 21;
    QString text;
    for (const QCommandLineOption& option : options.all()) {
        QStringList names;
        for (const QString& name : option.names())
            names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
        QString left = QStringLiteral("  ") + names.join(QStringLiteral(", "));
        if (!option.valueName().isEmpty())
            left += QLatin1Char(' ') + option.valueName();
        const QString indent(kColumn, QLatin1Char(' '));
        const QString description =
            option.description().replace(QLatin1Char('\n'), QLatin1Char('\n') + indent);
        text +=
            left.leftJustified(kColumn - 1) + QLatin1Char(' ') + description + QLatin1Char('\n');
    }
    return text;
}

QString helpText(const Options& options, const CalendarYears& years) {
    return QStringLiteral(
               "Uso: orvantel-dia [opciones] [AAAA-MM-DD]\n"
               "     orvantel-dia [opciones] --desde AAAA-MM-DD --hasta AAAA-MM-DD\n"
               "     orvantel-dia [opciones] --formato pdf --desde AAAA-MM-DD --hasta AAAA-MM-DD\n"
               "     orvantel-dia [--datos DIR] [--propio NOMBRE|ARCHIVO] --comprobar\n"
               "\n"
               "Muestra la vista de un día del calendario litúrgico, %1, con los\n"
               "mismos datos y las mismas reglas que la ventana.\n"
               "\n"
               "Con --propio, la celebración, su rango, el precepto y el color siguen el\n"
               "calendario propio de una diócesis o de una iglesia (véase el README).\n"
               "\n"
               "Sin fecha muestra el día de hoy; con una fecha, ese día. Escribe un campo por\n"
               "línea: su nombre, un tabulador y su valor.\n"
               "Con --desde y --hasta escribe una línea de cabecera con los nombres de los campos\n"
               "y una fila por cada día del intervalo (los dos extremos incluidos), con los\n"
               "campos separados por tabuladores. Un tabulador, un fin de línea u otro carácter\n"
               "de control dentro de un campo se escribe como un blanco.\n"
               "\n"
               "Campos, en este orden:\n"
               "  fecha   la fecha, AAAA-MM-DD\n"
               "  dia     el día de la semana\n"
               "  mes     el nombre del mes\n"
               "  anio    el año\n"
               "  linea   la línea del día en el archivo del mes\n"
               "  movil   la celebración movible del día, o \"No hay\"\n"
               "  ciclo   el ciclo dominical\n"
               "  tiempo  el tiempo litúrgico\n"
               "  semana  la semana del tiempo, con sus blancos\n"
               "  color   el color litúrgico como rojo,verde,azul\n"
               "  salterio      la semana del salterio: I, II, III o IV\n"
               "  ciclo_ferial  el año de las lecturas entre semana: I o II\n"
               "  celebracion   la celebración que se celebra el día\n"
               "  rango         Solemnidad, Fiesta, Memoria obligatoria, Memoria libre,\n"
               "                Domingo, Feria, Triduo pascual o Conmemoración\n"
               "  libres        las memorias que pueden celebrarse en su lugar, separadas\n"
               "                por \"; \"\n"
               "  precepto      sí en los días de precepto, si no no\n"
               "  gloria        sí o no\n"
               "  credo         sí o no\n"
               "  tomo          el tomo de la Liturgia de las Horas: I, II, III o IV\n"
               "\n"
               "Formatos (--formato):\n"
               "  tsv     lo descrito arriba\n"
               "  json    un documento JSON en UTF-8: una lista con un objeto por día, con los\n"
               "          mismos campos (todos texto) y además color_nombre (blanco, verde, rojo,\n"
               "          morado, o gris si el día no tiene color litúrgico) y color_rgb, los\n"
               "          tres números del color\n"
               "  ics     un calendario iCalendar (RFC 5545) con un evento de día completo por\n"
               "          día, para importarlo en una aplicación de calendario\n"
               "  pdf     las hojas del mes para imprimir: una página A4 por cada mes que toca\n"
               "          el intervalo, con sus días (una fila por día: color, celebración y\n"
               "          rango, línea del calendario, memorias libres, salterio, tomo y\n"
               "          precepto) y la leyenda de las abreviaturas\n"
               "\n"
               "Opciones:\n"
               "%2"
               "\n"
               "%3\n"
               "\n"
               "Estado de salida:\n"
               "  0  sin errores\n"
               "  1  error en los datos o al escribir la salida; el mensaje nombra el archivo;\n"
               "     con --comprobar, los archivos tienen problemas\n"
               "  2  %4\n")
        .arg(years.span, optionList(options), years.helpDates, years.helpStatus);
}

QDate dateArgument(const QString& text, const QString& what) {
    static const QRegularExpression pattern(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    const QDate date = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
    if (!pattern.match(text).hasMatch() || !date.isValid())
        throw UsageError{QStringLiteral("%1 \"%2\" no es una fecha válida: se escribe AAAA-MM-DD.")
                             .arg(what, text)};
    return date;
}

// The file given with --salida: a new file, or a regular file that it replaces. Anything else
// in its place (a folder, a device, a FIFO) is refused before anything is written, for the
// file would be replaced by a regular one, or never end.
void checkOutputFile(const QString& path) {
    if (path.isEmpty())
        throw UsageError{QStringLiteral("La opción --salida necesita el nombre de un archivo.")};
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        throw UsageError{QStringLiteral("\"%1\" no es un archivo normal: --salida escribe un "
                                        "archivo nuevo o sustituye uno normal.")
                             .arg(QDir::toNativeSeparators(path))};
}

// What the command was asked to do.
struct Request {
    enum class Action { Run, Check, Help, Version } action = Action::Run;
    std::optional<QString> datos;
    QDate first;
    QDate last;
    bool table = false; // a range: --desde and --hasta
    bool today = false; // no date given: today
    dayexport::Format format = dayexport::Format::Tsv;
    bool pdf = false; // the month sheets rather than `format`
    std::optional<QString> salida;
    std::optional<QString> propio;
};

// The value of an option given at most once.
std::optional<QString> singleValue(const QCommandLineParser& parser,
                                   const QCommandLineOption& option) {
    const QStringList values = parser.values(option);
    if (values.size() > 1)
        throw UsageError{
            QStringLiteral("La opción --%1 aparece más de una vez.").arg(option.names().last())};
    return values.isEmpty() ? std::nullopt : std::optional<QString>(values.first());
}

Request parseArguments(const QStringList& arguments, const Options& options) {
    QCommandLineParser parser;
    parser.addOptions(options.all());
    parser.addPositionalArgument(QStringLiteral("fecha"), QStringLiteral("el día que se muestra"),
                                 QStringLiteral("[AAAA-MM-DD]"));
    const bool parsed = parser.parse(arguments);
    Request request;
    if (parser.isSet(options.help)) {
        request.action = Request::Action::Help;
        return request;
    }
    if (parser.isSet(options.version)) {
        request.action = Request::Action::Version;
        return request;
    }
    if (parsed && parser.isSet(options.comprobar)) {
        request.action = Request::Action::Check;
        request.datos = singleValue(parser, options.datos);
        request.propio = singleValue(parser, options.propio);
        return request;
    }
    if (!parsed) {
        const QStringList unknown = parser.unknownOptionNames();
        if (unknown.isEmpty())
            throw UsageError{parser.errorText()}; // Qt's words, Spanish with its translations
        const QString& name = unknown.first();
        throw UsageError{
            QStringLiteral("Opción desconocida: %1%2.")
                .arg(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), name)};
    }

    request.datos = singleValue(parser, options.datos);
    const std::optional<QString> desde = singleValue(parser, options.desde);
    const std::optional<QString> hasta = singleValue(parser, options.hasta);
    const QStringList dates = parser.positionalArguments();
    if (dates.size() > 1)
        throw UsageError{QStringLiteral("Sobra el argumento \"%1\": se admite una sola fecha.")
                             .arg(dates.at(1))};
    if (const std::optional<QString> formato = singleValue(parser, options.formato)) {
        const std::optional<dayexport::Format> format = dayexport::formatNamed(*formato);
        request.pdf = *formato == QLatin1String("pdf");
        if (!format && !request.pdf)
            throw UsageError{
                QStringLiteral("El formato \"%1\" no existe: se escribe tsv, json, ics o pdf.")
                    .arg(*formato)};
        request.format = format.value_or(dayexport::Format::Tsv);
    }
    request.propio = singleValue(parser, options.propio);
    if (request.propio && request.propio->isEmpty())
        throw UsageError{QStringLiteral("La opción --propio necesita un nombre o un archivo.")};
    request.salida = singleValue(parser, options.salida);
    if (request.salida)
        checkOutputFile(*request.salida);

    if (desde.has_value() != hasta.has_value())
        throw UsageError{QStringLiteral("Las opciones --desde y --hasta van juntas.")};
    if (desde && !dates.isEmpty())
        throw UsageError{
            QStringLiteral("Indique una fecha o un intervalo --desde/--hasta, no ambos.")};
    if (desde) {
        request.table = true;
        request.first = dateArgument(*desde, QStringLiteral("La fecha --desde"));
        request.last = dateArgument(*hasta, QStringLiteral("La fecha --hasta"));
        if (request.first > request.last)
            throw UsageError{QStringLiteral("La fecha --desde es posterior a la fecha --hasta.")};
    } else if (!dates.isEmpty()) {
        request.first = dateArgument(dates.first(), QStringLiteral("La fecha"));
        request.last = request.first;
    } else {
        request.first = request.last = QDate::currentDate();
        request.today = true;
    }
    return request;
}

// Throws UsageError when a date of the request falls outside the years.
void checkYears(const Request& request, const CalendarYears& years) {
    if (request.today) {
        years.checkToday(request.first);
    } else if (request.table) {
        years.check(request.first, QStringLiteral("La fecha --desde"));
        years.check(request.last, QStringLiteral("La fecha --hasta"));
    } else {
        years.check(request.first, QStringLiteral("La fecha"));
    }
}

// The years the data in `ruta` covers; when it covers none or cannot be read, the years a date
// can name, and the day view then names the fault.
CalendarYears yearsOf(const calendar::CalendarSource& source) {
    std::optional<calendar::YearRange> covered;
    try {
        covered = calendar::coveredYears(source);
    } catch (const DataFault&) {
    }
    return covered ? calendarYears(covered->first, covered->last, covered->lastFile)
                   : calendarYears(calendar::kFirstYear, calendar::kLastYear);
}

// The folder given with --datos, with a separator at its end; UsageError when it is no folder.
QString dataFolder(const QString& dir) {
    if (dir.isEmpty())
        throw UsageError{QStringLiteral("La opción --datos necesita una carpeta, y se le ha dado "
                                        "un texto vacío.")};
    const QFileInfo info(dir);
    const QString shown = QDir::toNativeSeparators(dir);
    if (!info.exists())
        throw UsageError{QStringLiteral("La carpeta de datos \"%1\" no existe.").arg(shown)};
    if (!info.isDir())
        throw UsageError{QStringLiteral("\"%1\" no es una carpeta: --datos necesita la carpeta de "
                                        "los archivos del calendario.")
                             .arg(shown)};
    return datadir::withSeparator(dir);
}

// Where the document goes: the standard output, or a file that is written whole or not at all
// (QSaveFile). Every write is checked; after a failure nothing more is written.
class Output {
public:
    explicit Output(const std::optional<QString>& salida) {
        if (salida) {
            path_ = *salida;
            auto file = std::make_unique<QSaveFile>(path_);
            ok_ = file->open(QIODevice::WriteOnly);
            device_ = std::move(file);
        } else {
            auto out = std::make_unique<QFile>();
            ok_ = out->open(stdout, QIODevice::WriteOnly, QFileDevice::DontCloseHandle);
            device_ = std::move(out);
        }
    }

    bool ok() const { return ok_; }

    void write(const QByteArray& bytes) {
        if (ok_)
            ok_ = device_->write(bytes) == bytes.size();
    }

    // Ends the document: the file takes its place, the standard output is flushed.
    bool finish() {
        if (auto* file = qobject_cast<QSaveFile*>(device_.get()))
            return ok_ = ok_ && file->commit();
        auto* out = static_cast<QFile*>(device_.get());
        return ok_ = ok_ && out->flush() && std::fflush(stdout) == 0 && !std::ferror(stdout);
    }

    // Leaves off after a fault in the data: the file is not written, the standard output keeps
    // what was written until then.
    void abandon() {
        if (auto* file = qobject_cast<QSaveFile*>(device_.get()))
            file->cancelWriting();
        else
            finish();
    }

    QString failure() const {
        if (path_.isEmpty())
            return QStringLiteral("No se pudo escribir la salida estándar: lo escrito está "
                                  "incompleto.");
        const QFileInfo info(path_);
        QString detail;
        if (!info.absoluteDir().exists())
            detail = QStringLiteral("No existe la carpeta \"%1\".")
                         .arg(QDir::toNativeSeparators(info.absolutePath()));
        else
            detail = QStringLiteral("Compruebe el permiso de escritura y el espacio libre; el "
                                    "archivo no se ha escrito.");
        return DataFault(DataFault::Kind::WriteFailed, path_, detail).message();
    }

private:
    QString path_;
    std::unique_ptr<QIODevice> device_;
    bool ok_ = false;
};

void writeMessage(const QString& text) {
    const QByteArray bytes = QStringLiteral("orvantel-dia: %1\n").arg(text).toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stderr);
}

int usageError(const QString& message) {
    writeMessage(message + QStringLiteral("\nConsulte «orvantel-dia --help»."));
    return kBadArguments;
}

// --comprobar: every problem of the calendar files, one a line; 0 when there is none. A proper
// calendar outside the folder (`propio`, a path) is checked too.
int checkData(const QString& ruta, const std::optional<QString>& propio) {
    QList<datacheck::Problem> problems = datacheck::checkDataDirectory(ruta);
    if (propio)
        problems += datacheck::checkChosenProper(
            ruta, proper::properPath(*propio, datadir::withSeparator(ruta)));
    Output out(std::nullopt);
    for (const datacheck::Problem& problem : problems)
        out.write((datacheck::problemLine(problem) + QLatin1Char('\n')).toUtf8());
    if (!out.finish()) {
        writeMessage(out.failure());
        return kDataFault;
    }
    return problems.isEmpty() ? 0 : kDataFault;
}

// The month sheets of the request's days as one PDF document, drawn by `sheets`.
int writeSheets(const Request& request, const calendar::DayReadings& readings, const QString& ruta,
                const dayview::ProperSchedule* proper, const pdfsheets::PdfSheets* sheets) {
    if (!sheets) // an option spelt so that the arguments' first look missed it
        return usageError(QStringLiteral("Escriba el formato como --formato pdf."));
    pdfsheets::SheetJob job;
    job.first = request.first;
    job.last = request.last;
    job.readings = &readings;
    job.proper = proper;
    if (proper)
        job.properName = proper::displayName(*request.propio);
    job.ruta = ruta;
    job.printed = QDate::currentDate();
    QString fault;
    const QByteArray document = sheets->document(job, fault);
    if (!fault.isEmpty()) {
        writeMessage(fault);
        return kDataFault;
    }
    Output out(request.salida);
    out.write(document);
    if (!out.finish()) {
        writeMessage(out.failure());
        return kDataFault;
    }
    return 0;
}

// The plugin that draws the sheets, from beside orvantel-dia (the build tree, Windows) or from
// its installed folder; null, with `fault` saying why, when neither holds a plugin that loads.
const pdfsheets::PdfSheets* loadSheets(QString& fault) {
    const QString folder = QCoreApplication::applicationDirPath();
    const QString name = QStringLiteral("orvantel-dia-pdf");
    for (const QString& dir : {folder, folder + QStringLiteral("/" ORVANTEL_PDF_PLUGIN_DIR)}) {
        QPluginLoader loader(dir + QLatin1Char('/') + name);
        if (auto* sheets = qobject_cast<pdfsheets::PdfSheets*>(loader.instance()))
            return sheets; // stays loaded until the process ends
        if (fault.isEmpty() || QFileInfo::exists(loader.fileName()))
            fault = QStringLiteral("No se pueden escribir las hojas en PDF: falta el módulo %1 "
                                   "junto a orvantel-dia o no se carga (%2).")
                        .arg(name, loader.errorString());
    }
    return nullptr;
}

// Whether the arguments ask for the PDF sheets, read before any Qt application exists: only
// they need Qt Gui (fonts and painting), which the other formats never start.
bool asksForPdf(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "--formato=pdf" ||
            (argument == "--formato" && i + 1 < argc && QByteArray(argv[i + 1]) == "pdf"))
            return true;
    }
    return false;
}

int run(int argc, char* argv[]) {
    const bool pdf = asksForPdf(argc, argv);
#if !defined(Q_OS_WIN) && !defined(Q_OS_MACOS)
    // The sheets are drawn without a display.
    if (pdf && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    const console::Utf8Output utf8; // what it prints is UTF-8
    std::unique_ptr<QCoreApplication> app = std::make_unique<QCoreApplication>(argc, argv);
    // Only the PDF sheets load Qt Gui, with their plugin, whose application then takes the
    // place of the first one (which told where the plugin is).
    const pdfsheets::PdfSheets* sheets = nullptr;
    if (pdf) {
        QString fault;
        sheets = loadSheets(fault);
        if (!sheets) {
            writeMessage(fault);
            return kDataFault;
        }
        app.reset();
        app = sheets->application(argc, argv);
    }
    installQtSpanish(); // the parser's own messages

    const Options options;
    Request request;
    QString ruta;
    try {
        request = parseArguments(QCoreApplication::arguments(), options);
        if (request.datos)
            ruta = dataFolder(*request.datos);
    } catch (const UsageError& error) {
        return usageError(error.message);
    }

    if (request.action == Request::Action::Check)
        return checkData(ruta.isEmpty() ? datadir::defaultRuta() : ruta, request.propio);
    if (request.action != Request::Action::Run) {
        Output out(std::nullopt);
        out.write(request.action == Request::Action::Help
                      ? helpText(options, yearsOf(calendar::DiskSource(
                                              ruta.isEmpty() ? datadir::defaultRuta() : ruta)))
                            .toUtf8()
                      : QByteArray("orvantel-dia ") + kVersion + '\n');
        if (out.finish())
            return 0;
        writeMessage(out.failure());
        return kDataFault;
    }

    if (!request.datos) {
        ruta = datadir::defaultRuta();
        const QString installFault = datadir::installIfMissing(ruta);
        if (!installFault.isEmpty()) {
            writeMessage(installFault);
            return kDataFault;
        }
        // The window's folder as the window brings it up to date at its start, so that the
        // calendar reaches the same years before the window has been opened after an upgrade.
        // Files with the user's own edits are kept, and the window tells of them.
        const QString updateFault = dataupdate::updateInstalledData(ruta).fault;
        if (!updateFault.isEmpty())
            writeMessage(updateFault); // the files as they were still serve
    }

#ifdef Q_OS_WIN
    // The CR LF of iCalendar and the bytes of a PDF as they are.
    if ((request.format == dayexport::Format::Ics || request.pdf) && !request.salida)
        _setmode(_fileno(stdout), _O_BINARY);
#endif
    const calendar::MemorySource source(ruta);
    try {
        checkYears(request, yearsOf(source));
    } catch (const UsageError& error) {
        return usageError(error.message);
    }
    // The proper calendar: a line that cannot be read is named and passed over.
    std::optional<dayview::ProperSchedule> schedule;
    if (request.propio) {
        try {
            schedule.emplace(
                proper::readProper(proper::properPath(*request.propio, source.ruta())));
        } catch (const DataFault& fault) {
            writeMessage(fault.message());
            return kDataFault;
        }
        for (const proper::ProperFault& fault : schedule->calendar().faults)
            writeMessage(QStringLiteral("%1:%2: %3")
                             .arg(QDir::toNativeSeparators(schedule->calendar().path))
                             .arg(fault.line)
                             .arg(fault.text));
    }
    // The source never changes while the days run: each reading is made once.
    const calendar::DayReadings readings(source, true);
    if (request.pdf)
        return writeSheets(request, readings, ruta, schedule ? &*schedule : nullptr, sheets);
    Output out(request.salida);
    dayexport::DayDocument document(request.format, request.table, QDateTime::currentDateTimeUtc());
    // The days are gathered into blocks of some 64 KiB, each written at once.
    constexpr qsizetype kBlock = 64 * 1024;
    QByteArray block;
    block.reserve(kBlock + 4096);
    dayview::RangeRuns runs(readings, request.first, request.last, schedule ? &*schedule : nullptr);
    try {
        out.write(document.begin());
        QList<dayview::DayValue> days;
        while (out.ok() && runs.take(days)) {
            for (const dayview::DayValue& day : days)
                document.appendDay(block, day);
            if (block.size() >= kBlock) {
                out.write(block);
                block.truncate(0); // keeps its room
            }
        }
        out.write(block);
        out.write(document.end());
    } catch (const DataFault& fault) {
        out.write(block); // the days before the fault
        out.abandon();
        writeMessage(
            QStringLiteral("%1: %2").arg(runs.stoppedAt().toString(Qt::ISODate), fault.message()));
        return kDataFault;
    }
    if (!out.finish()) {
        writeMessage(out.failure());
        return kDataFault;
    }
    return 0;
}

} // namespace

// The process ends as the window's does (termination::endProcess): under wine its exit had been
// seen to hang in the unloading of the C++ runtime's library.
int main(int argc, char* argv[]) {
    return termination::endProcess(run(argc, argv));
}
