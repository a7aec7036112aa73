#include "calgen/calgen.h"

#include "calgen/movable_dates.h"
#include "platform/text_file.h"

#include <QDir>
#include <QSaveFile>

namespace calgen {

namespace {

constexpr int kDayLines = 31;
constexpr int kYearColumn = 41; // the year entry starts here, after 40 columns of day letters

const QString& heading() {
    static const QString text = QStringLiteral("ddE  F  M  A  M  J  J  A  S  O  N  D    aa  L L");
    return text;
}

// Day line of day `day`: the day in columns 1-2 and, in column 3 × m, its day letter in month
// m. Consecutive dates of a common year carry consecutive digits from 1 January (digit 1);
// 29 February carries the digit of 1 March. A day the month lacks is left blank, and the line
// ends at its last digit.
QString dayLine(int day) {
    const QDate first(2001, 1, 1); // a common year
    QString line(36, QLatin1Char(' '));
    line.replace(0, 2, QStringLiteral("%1").arg(day, 2, 10, QLatin1Char('0')));
    for (int month = 1; month <= 12; ++month) {
        QDate date(2001, month, day);
        if (month == 2 && day == 29)
            date = QDate(2001, 3, 1);
        if (!date.isValid())
            continue;
        const auto digit = static_cast<int>(first.daysTo(date) % 7) + 1;
        line[3 * month - 1] = QLatin1Char(static_cast<char>('0' + digit));
    }
    while (line.endsWith(QLatin1Char(' ')))
        line.chop(1);
    return line;
}

// Columns 41-47 of a year: the two-digit year, its dominical digit and, in a leap year only,
// the digit valid from March on.
QString yearEntry(int year) {
    const int digit = dominicalDigit(year);
    QString entry = twoDigitYear(year) + QStringLiteral("  ") + QString::number(digit);
    if (QDate::isLeapYear(year))
        entry += QLatin1Char(' ') + QString::number(digit == 1 ? 7 : digit - 1);
    return entry;
}

QString movableName(int n) {
    static const QStringList names = {
        QStringLiteral("Santa María, Madre de Dios"),
        QStringLiteral("Bautismo del Señor"),
        QStringLiteral("Ceniza"),
        QStringLiteral("Domingo de Ramos"),
        QStringLiteral("Domingo de Resurrección"),
        QStringLiteral("Pentecostés"),
        QStringLiteral("Domingo 1º de Adviento"),
        QStringLiteral("Natividad del Señor"),
        QStringLiteral("Día VII de la octava de Navidad"),
        QStringLiteral("Jueves Santo"),
        QStringLiteral("Viernes Santo"),
        QStringLiteral("Ascensión"),
        QStringLiteral("Jesucristo, Sumo y Eterno Sacerdote"),
        QStringLiteral("La Stma. Trinidad"),
        QStringLiteral("Stmo. Cuerpo y Sangre de Cristo"),
        QStringLiteral("Sgdo. Corazón de Jesús"),
        QStringLiteral("Inmaculado Corazón de la Virgen María"),
        QStringLiteral("Cristo, Rey del Universo"),
        QStringLiteral("Semana del Tiempo Ordinario tras Pentecostés"),
        QStringLiteral("La Sagrada Familia"),
        QStringLiteral("Santa María, Madre de la Iglesia"),
        QStringLiteral("San José, esposo de la Virgen María"),
        QStringLiteral("Anunciación del Señor"),
        QStringLiteral("Inmaculada Concepción de la Virgen María"),
        QStringLiteral("Natividad de San Juan Bautista"),
        QStringLiteral("Santos Pedro y Pablo, apóstoles"),
    };
    return names.at(n - 1);
}

QByteArray encodeLines(const QStringList& lines) {
    // The program's own Windows-1252 table: Qt's codec for it exists only with ICU, which the
    // Qt builds for Windows lack.
    QByteArray bytes;
    for (const QString& line : lines) {
        // Every text here is the generator's own; a character out of the code page is a slip.
        Q_ASSERT(textfile::encodable(line));
        bytes += textfile::encode(line) + "\r\n";
    }
    return bytes;
}

} // namespace

QString twoDigitYear(int year) {
    return QStringLiteral("%1").arg(year % 100, 2, 10, QLatin1Char('0'));
}

QString dateLine(const QDate& date) {
    static const char* const months[] = {"ene", "feb", "mar", "abr", "may", "jun",
                                         "jul", "ago", "sep", "oct", "nov", "dic"};
    return QStringLiteral("%1-%2-%3")
        .arg(twoDigitYear(date.year()))
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(QLatin1String(months[date.month() - 1]));
}

QString noCelebrationLine(int year) {
    return twoDigitYear(year) + QStringLiteral("-sin celebración");
}

int dominicalDigit(int year) {
    // The digit of the dates that are Sundays: 1 January carries digit 1, so it is the day of
    // the month of the first Sunday of January.
    QDate day(year, 1, 1);
    while (day.dayOfWeek() != 7)
        day = day.addDays(1);
    return day.day();
}

QStringList calLines(int firstYear, int lastYear) {
    QStringList lines{heading()};
    for (int day = 1; day <= kDayLines; ++day)
        lines << dayLine(day);
    for (int year = firstYear; year <= lastYear; ++year) {
        const int index = year - firstYear + 1;
        if (index >= lines.size())
            lines << QString();
        lines[index] = lines[index].leftJustified(kYearColumn - 1) + yearEntry(year);
    }
    return lines;
}

QStringList movableLines(int n, int firstYear, int lastYear) {
    QStringList lines{movableName(n)};
    for (int year = firstYear; year <= lastYear; ++year) {
        if (n == kWeekFile) {
            lines << QStringLiteral("%1-%2")
                         .arg(twoDigitYear(year))
                         .arg(weekAfterPentecost(year), 2, 10, QLatin1Char('0'));
            continue;
        }
        const std::optional<QDate> date = movableDate(n, year);
        lines << (date ? dateLine(*date) : noCelebrationLine(year));
    }
    return lines;
}

QList<DataFile> dataFiles(int firstYear, int lastYear) {
    QList<DataFile> files;
    files.append({QStringLiteral("cal.txt"), encodeLines(calLines(firstYear, lastYear))});
    for (int n = 1; n <= kMovableFiles; ++n)
        files.append(
            {QStringLiteral("c%1.txt").arg(n), encodeLines(movableLines(n, firstYear, lastYear))});
    return files;
}

QString rangeError(int firstYear, int lastYear) {
    if (firstYear < 1583 || lastYear > 9999)
        return QStringLiteral("Los años han de estar entre 1583 y 9999.");
    if (lastYear < firstYear)
        return QStringLiteral("El último año (%1) es anterior al primero (%2).")
            .arg(lastYear)
            .arg(firstYear);
    if (lastYear - firstYear >= 100)
        return QStringLiteral("Los archivos nombran el año con dos cifras: como mucho cien años, "
                              "no %1.")
            .arg(lastYear - firstYear + 1);
    return {};
}

QString writeDataFiles(const QString& dir, int firstYear, int lastYear) {
    const QString error = rangeError(firstYear, lastYear);
    if (!error.isEmpty())
        return error;
    if (!QDir().mkpath(dir))
        return QStringLiteral("No se pudo crear la carpeta \"%1\".")
            .arg(QDir::toNativeSeparators(dir));
    for (const DataFile& file : dataFiles(firstYear, lastYear)) {
        const QString path = QDir(dir).filePath(file.name);
        QSaveFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(file.bytes) != file.bytes.size() ||
            !out.commit())
            return QStringLiteral("No se pudo escribir el archivo \"%1\": %2")
                .arg(QDir::toNativeSeparators(path), out.errorString());
    }
    return {};
}

} // namespace calgen
