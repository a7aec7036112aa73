// orvantel-calgen: writes the year-dependent calendar data ("cal.txt" and c1.txt … c26.txt) for
// a range of years into a folder. The shipped data/ folder is its output for 2000-2099:
//   orvantel-calgen data
// Exit status: 0 done, 1 a file could not be written, 2 bad arguments.

#include "calgen/calgen.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <optional>

namespace {

constexpr int kWriteFault = 1;
constexpr int kBadArguments = 2;

void writeError(const QString& text) {
    const QByteArray bytes = (text + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stderr);
}

// The year given with `option`, or `fallback` when it was not given; none when not a number.
std::optional<int> yearOption(const QCommandLineParser& parser, const QString& option,
                              int fallback) {
    if (!parser.isSet(option))
        return fallback;
    bool ok = false;
    const int year = parser.value(option).toInt(&ok);
    return ok ? std::optional<int>(year) : std::nullopt;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orvantel-calgen"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Escribe en CARPETA \"cal.txt\" y c1.txt … c26.txt para los años dados."));
    parser.addHelpOption();
    const QString desde = QStringLiteral("desde");
    const QString hasta = QStringLiteral("hasta");
    parser.addOption({desde, QStringLiteral("Primer año (%1).").arg(calgen::kFirstYear),
                      QStringLiteral("AAAA")});
    parser.addOption(
        {hasta, QStringLiteral("Último año (%1).").arg(calgen::kLastYear), QStringLiteral("AAAA")});
    parser.addPositionalArgument(QStringLiteral("CARPETA"),
                                 QStringLiteral("Carpeta donde se escriben los archivos."));
    parser.process(app);

    const QStringList folders = parser.positionalArguments();
    if (folders.size() != 1) {
        writeError(QStringLiteral("Falta la carpeta de destino (una sola).\n") + parser.helpText());
        return kBadArguments;
    }
    const std::optional<int> first = yearOption(parser, desde, calgen::kFirstYear);
    const std::optional<int> last = yearOption(parser, hasta, calgen::kLastYear);
    if (!first || !last) {
        writeError(QStringLiteral("Los años de --desde y --hasta se escriben con cifras (2000)."));
        return kBadArguments;
    }
    if (const QString error = calgen::rangeError(*first, *last); !error.isEmpty()) {
        writeError(error);
        return kBadArguments;
    }
    if (const QString error = calgen::writeDataFiles(folders.first(), *first, *last);
        !error.isEmpty()) {
        writeError(error);
        return kWriteFault;
    }
    return 0;
}
