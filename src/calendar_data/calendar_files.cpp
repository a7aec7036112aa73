#include "calendar_data/calendar_files.h"

#include "calendar_data/cal_table.h"

#include "platform/data_fault.h"
#include "platform/text_file.h"

#include <QFileInfo>

#include <array>

namespace calendar {

using textfile::fieldView;

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
    // Every day, month and year of a date, made once: a run writes three a day.
    static const std::array<QString, 100> table = [] {
        std::array<QString, 100> texts;
        for (int i = 0; i < 100; ++i) {
            const QChar digits[] = {QChar(u'0' + i / 10), QChar(u'0' + i % 10)};
            texts[i] = QString(digits, 2);
        }
        return texts;
    }();
    if (value >= 0 && value < 100)
        return table[value];
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
    return data.calTable()->dominicalDigit(anio, mes);
}

std::optional<int> weekdayFromCal(const CalendarSource& data, const QString& dia, int month,
                                  const QString& letraDom) {
    return data.calTable()->weekday(dia, month, letraDom);
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

namespace {

// The years covered, with the tables of "cal.txt" from `cal()`, asked for after the movable
// files have been counted (so that a fault of theirs is the one thrown first).
template <typename Cal>
std::optional<YearRange> coveredYearsOf(const CalendarSource& data, Cal cal) {
    // A year's line in a movable file is line year + 2: the file holds the years below its
    // line count less one.
    int heldBelow = kLastYear - kFirstYear + 1;
    QString shortest;
    for (int n = 1; n <= kMovableFiles; ++n) {
        const QString& path = data.movablePath(n);
        if (const int held = data.lineCount(path) - 1; held < heldBelow) {
            heldBelow = held;
            shortest = path;
        }
    }
    const std::bitset<100>& listed = cal().listedYears();
    std::optional<YearRange> range;
    bool cutByMovable = false;
    for (int yy = 0; yy <= kLastYear - kFirstYear; ++yy) {
        if (!listed.test(yy))
            continue;
        if (yy >= heldBelow) {
            cutByMovable = true;
            continue;
        }
        const int year = kFirstYear + yy;
        if (!range)
            range = YearRange{year, year, {}};
        range->last = year;
    }
    if (range)
        range->lastFile = cutByMovable ? QFileInfo(shortest).fileName() : QStringLiteral("cal.txt");
    return range;
}

} // namespace

std::optional<YearRange> coveredYears(const CalendarSource& data) {
    std::shared_ptr<const CalTable> table;
    return coveredYearsOf(data, [&]() -> const CalTable& {
        table = data.calTable();
        return *table;
    });
}

std::optional<YearRange> coveredYears(const CalendarSource& data, const CalTable& cal) {
    return coveredYearsOf(data, [&]() -> const CalTable& { return cal; });
}

} // namespace calendar
