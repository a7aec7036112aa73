#include "calendar_data/calendar_files.h"

#include "platform/data_fault.h"
#include "platform/text_file.h"

namespace calendar {

using textfile::field;
using textfile::fieldView;

namespace {

// Every line of "cal.txt"; a file shorter than its 31 day lines and heading is a fault.
const QStringList calLines(const CalendarSource& data) {
    const QString& path = data.calPath();
    const QStringList lines = data.readAllLines(path);
    if (lines.size() < kCalLines)
        throw DataFault(DataFault::Kind::PastEnd, path);
    return lines;
}

} // namespace

const QStringList& nomDia() {
    static const QStringList names = {QStringLiteral("+ Domingo"), QStringLiteral("Lunes"),
                                      QStringLiteral("Martes"),    QStringLiteral("Miércoles"),
                                      QStringLiteral("Jueves"),    QStringLiteral("Viernes"),
                                      QStringLiteral("Sábado")};
    return names;
}

const QStringList& nomMes() {
    static const QStringList names = {
        QStringLiteral("Enero"),   QStringLiteral("Febrero"),   QStringLiteral("Marzo"),
        QStringLiteral("Abril"),   QStringLiteral("Mayo"),      QStringLiteral("Junio"),
        QStringLiteral("Julio"),   QStringLiteral("Agosto"),    QStringLiteral("Septiembre"),
        QStringLiteral("Octubre"), QStringLiteral("Noviembre"), QStringLiteral("Diciembre")};
    return names;
}

const QStringList& abrMes() {
    static const QStringList names = {
        QStringLiteral("ene"), QStringLiteral("feb"), QStringLiteral("mar"), QStringLiteral("abr"),
        QStringLiteral("may"), QStringLiteral("jun"), QStringLiteral("jul"), QStringLiteral("ago"),
        QStringLiteral("sep"), QStringLiteral("oct"), QStringLiteral("nov"), QStringLiteral("dic")};
    return names;
}

QString twoDigits(int value) {
    if (value >= 0 && value < 100) // every day, month and year of a date: made without a format
    {
        const QChar digits[] = {QChar(u'0' + value / 10), QChar(u'0' + value % 10)};
        return QString(digits, 2);
    }
    return value < 10 ? QLatin1Char('0') + QString::number(value) : QString::number(value);
}

QString calFile(const QString& ruta) {
    return ruta + QStringLiteral("cal.txt");
}

QString monthFile(const QString& ruta, int month) {
    return ruta + twoDigits(month) + QStringLiteral(".txt");
}

QString movableFile(const QString& ruta, int number) {
    return ruta + QLatin1Char('c') + QString::number(number) + QStringLiteral(".txt");
}

QString notesFile(const QString& ruta) {
    return ruta + QStringLiteral("notas.txt");
}

QString dominicalDigit(const CalendarSource& data, const QString& anio, const QString& mes) {
    QString digit;
    for (const QString& line : calLines(data)) {
        if (fieldView(line, 41, 2) != anio)
            continue;
        const QString afterFebruary = field(line, 47);
        if (afterFebruary.isEmpty() || mes == QLatin1String("01") || mes == QLatin1String("02"))
            digit = field(line, 45);
        else
            digit = afterFebruary;
    }
    return digit;
}

std::optional<int> weekdayFromCal(const CalendarSource& data, const QString& dia, int month,
                                  const QString& letraDom) {
    std::optional<int> weekday;
    const int l = textfile::numberValue(letraDom);
    for (const QString& line : calLines(data)) {
        if (fieldView(line, 1, 2) != dia)
            continue;
        const int d = textfile::numberValue(fieldView(line, month * 3));
        for (int w = 0; w <= 6; ++w) {
            int k = w + l;
            if (k > 7)
                k -= 7;
            if (k == d)
                weekday = w;
        }
    }
    return weekday;
}

QString dayLine(const CalendarSource& data, int month, int day) {
    return data.readLine(data.monthPath(month), day);
}

QDate dayMonthDate(const QString& dateLine, int year, const QString& path) {
    const QStringView text = fieldView(dateLine, 4, 6);
    const int month = abrMes().indexOf(fieldView(text, 4, 3)) + 1;
    bool dayOk = false;
    const int day = fieldView(text, 1, 2).toInt(&dayOk);
    const QDate date(year, month, dayOk ? day : 0);
    if (month < 1 || fieldView(text, 3) != QLatin1String("-") || !date.isValid())
        throw DataFault(DataFault::Kind::BadDate, path,
                        QStringLiteral("Texto de fecha: \"%1\"").arg(dateLine));
    return date;
}

QDate movableDate(const CalendarSource& data, int number, int nAnio, int year) {
    const QString& path = data.movablePath(number);
    return dayMonthDate(data.readLine(path, nAnio + 2), year, path);
}

MovableOfDay movableOfDay(const CalendarSource& data, const QString& key, int nAnio) {
    MovableOfDay found;
    for (int n = 1;; ++n) {
        const QString& path = data.movablePath(n);
        if (n > kMovableFiles && !data.exists(path))
            break;
        bool holds = false;
        try {
            holds = data.holdsLine(path, nAnio + 2, key);
        } catch (const DataFault& fault) {
            if (n > kMovableFiles || fault.kind() != DataFault::Kind::PastEnd)
                throw;
            found.lacking = path;
            return found;
        }
        if (holds) {
            found.number = n;
            found.name = data.readLine(path, 1);
        }
    }
    return found;
}

std::optional<YearRange> coveredYears(const CalendarSource& data) {
    // A year's line in a movable file is line year + 2: the file holds the years below its
    // line count less one.
    int heldBelow = kLastYear - kFirstYear + 1;
    for (int n = 1; n <= kMovableFiles; ++n)
        heldBelow = qMin(heldBelow, data.lineCount(data.movablePath(n)) - 1);
    std::optional<YearRange> range;
    for (const QString& line : calLines(data)) {
        const QString anio = field(line, 41, 2);
        bool number = false;
        const int yy = anio.toInt(&number);
        const bool twoDigits = number && anio.size() == 2 && anio.at(0).isDigit();
        if (!twoDigits || field(line, 45).isEmpty() || yy >= heldBelow)
            continue;
        const int year = kFirstYear + yy;
        if (!range)
            range = YearRange{year, year};
        range->first = qMin(range->first, year);
        range->last = qMax(range->last, year);
    }
    return range;
}

} // namespace calendar
