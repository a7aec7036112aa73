// orvantel-dia: the day view of any day of 2000-2016 on the terminal. It runs the same core steps
// as the window (dayview::runDay) and only reads its arguments and writes the fields.
// Exit status: 0 done, 1 a fault in the data (the message names the file), 2 bad arguments.

#include "dayview/day_report.h"
#include "platform/data_dir.h"
#include "platform/data_fault.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>

#include <cstdio>
#include <optional>

namespace {

constexpr int kDataFault = 1;
constexpr int kBadArguments = 2;

struct UsageError {
    QString message;
};

struct Options {
    bool help = false;
    std::optional<QString> datos;
    std::optional<QDate> fecha;
    std::optional<QDate> desde;
    std::optional<QDate> hasta;
};

void write(FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

QString helpText() {
    return QStringLiteral(
               "Uso: orvantel-dia [--datos DIR] [AAAA-MM-DD]\n"
               "     orvantel-dia [--datos DIR] --desde AAAA-MM-DD --hasta AAAA-MM-DD\n"
               "\n"
               "Muestra la vista de un día del calendario litúrgico, de 2000 a 2016, con los\n"
               "mismos datos y las mismas reglas que la ventana.\n"
               "\n"
               "Sin fecha muestra el día de hoy; con una fecha, ese día. Escribe un campo por\n"
               "línea: su nombre, un tabulador y su valor.\n"
               "Con --desde y --hasta escribe una línea de cabecera con los nombres de los campos\n"
               "y una fila por cada día del intervalo (los dos extremos incluidos), con los\n"
               "campos separados por tabuladores.\n"
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
               "\n"
               "Opciones:\n"
               "  --datos DIR    lee los archivos del calendario de la carpeta DIR. Sin esta\n"
               "                 opción lee la carpeta de datos de la ventana:\n"
               "                 %1\n"
               "                 y, si no existe, la crea con los datos incluidos en el programa.\n"
               "  --desde FECHA  primer día del intervalo\n"
               "  --hasta FECHA  último día del intervalo\n"
               "  --help         muestra esta ayuda\n"
               "\n"
               "Las fechas se escriben AAAA-MM-DD y han de estar entre 2000-01-01 y 2016-12-31.\n"
               "\n"
               "Estado de salida:\n"
               "  0  sin errores\n"
               "  1  error en los datos; el mensaje nombra el archivo\n"
               "  2  argumentos erróneos o fecha fuera de 2000-2016\n")
        .arg(QDir::toNativeSeparators(datadir::defaultRuta()));
}

QDate calendarDate(const QString& text, const QString& what) {
    static const QRegularExpression pattern(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    const QDate date = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
    if (!pattern.match(text).hasMatch() || !date.isValid())
        throw UsageError{QStringLiteral("%1 \"%2\" no es una fecha válida: se escribe AAAA-MM-DD.")
                             .arg(what, text)};
    if (date.year() < 2000 || date.year() > 2016)
        throw UsageError{
            QStringLiteral("%1 %2 queda fuera del calendario, que abarca de 2000 a 2016.")
                .arg(what, text)};
    return date;
}

// The value that follows option `args[i]`; advances i.
QString optionValue(const QStringList& args, qsizetype& i) {
    if (i + 1 >= args.size())
        throw UsageError{QStringLiteral("Falta el valor de la opción %1.").arg(args.at(i))};
    return args.at(++i);
}

template <typename T> void setOnce(std::optional<T>& slot, T value, const QString& option) {
    if (slot)
        throw UsageError{QStringLiteral("La opción %1 aparece más de una vez.").arg(option)};
    slot = std::move(value);
}

Options parseArguments(const QStringList& args) {
    Options options;
    if (args.contains(QStringLiteral("--help"))) {
        options.help = true;
        return options;
    }
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (arg == QLatin1String("--datos")) {
            setOnce(options.datos, optionValue(args, i), arg);
        } else if (arg == QLatin1String("--desde")) {
            setOnce(options.desde,
                    calendarDate(optionValue(args, i), QStringLiteral("La fecha --desde")), arg);
        } else if (arg == QLatin1String("--hasta")) {
            setOnce(options.hasta,
                    calendarDate(optionValue(args, i), QStringLiteral("La fecha --hasta")), arg);
        } else if (arg.startsWith(QLatin1Char('-'))) {
            throw UsageError{QStringLiteral("Opción desconocida: %1.").arg(arg)};
        } else if (options.fecha) {
            throw UsageError{
                QStringLiteral("Sobra el argumento \"%1\": se admite una sola fecha.").arg(arg)};
        } else {
            options.fecha = calendarDate(arg, QStringLiteral("La fecha"));
        }
    }
    if (options.desde.has_value() != options.hasta.has_value())
        throw UsageError{QStringLiteral("Las opciones --desde y --hasta van juntas.")};
    if (options.desde && options.fecha)
        throw UsageError{
            QStringLiteral("Indique una fecha o un intervalo --desde/--hasta, no ambos.")};
    if (options.desde && *options.desde > *options.hasta)
        throw UsageError{QStringLiteral("La fecha --desde es posterior a la fecha --hasta.")};
    return options;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();

    Options options;
    try {
        options = parseArguments(args);
        if (options.help) {
            write(stdout, helpText());
            return 0;
        }
        if (!options.fecha && !options.desde) {
            const QDate today = QDate::currentDate();
            if (today.year() < 2000 || today.year() > 2016)
                throw UsageError{
                    QStringLiteral("Hoy, %1, queda fuera del calendario, que abarca de 2000 a "
                                   "2016. Indique una fecha.")
                        .arg(today.toString(QStringLiteral("yyyy-MM-dd")))};
            options.fecha = today;
        }
    } catch (const UsageError& error) {
        write(stderr, QStringLiteral("orvantel-dia: %1\nConsulte «orvantel-dia --help».\n")
                          .arg(error.message));
        return kBadArguments;
    }

    QString ruta;
    if (options.datos) {
        ruta = datadir::withSeparator(*options.datos);
    } else {
        ruta = datadir::defaultRuta();
        const QString installFault = datadir::installIfMissing(ruta);
        if (!installFault.isEmpty()) {
            write(stderr, QStringLiteral("orvantel-dia: %1\n").arg(installFault));
            return kDataFault;
        }
    }

    const QDate first = options.desde.value_or(*options.fecha);
    const QDate last = options.hasta.value_or(*options.fecha);
    const calendar::DiskSource source(ruta);
    dayview::DayValue shown;
    QDate date = first;
    try {
        if (options.desde)
            write(stdout, dayreport::headerLine() + QLatin1Char('\n'));
        for (; date <= last; date = date.addDays(1)) {
            dayview::DayValue next;
            dayview::runDay(date, source, shown, next);
            shown = next;
            write(stdout, options.desde ? dayreport::rowLine(shown) + QLatin1Char('\n')
                                        : dayreport::fieldListing(shown));
        }
    } catch (const DataFault& fault) {
        std::fflush(stdout);
        write(stderr, QStringLiteral("orvantel-dia: %1: %2\n")
                          .arg(date.toString(QStringLiteral("yyyy-MM-dd")), fault.message()));
        return kDataFault;
    }
    return 0;
}
