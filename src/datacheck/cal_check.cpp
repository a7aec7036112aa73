// The check of "cal.txt". The day letters follow the Church's scheme: 1 January carries 1 and
// every following date of a common year the next digit, 7 followed by 1; 29 February carries
// the digit of 1 March. The dominical digit of a year is the digit of its Sundays (in a leap
// year column 45 for January and February, column 47 from March on).

#include "calendar_data/calendar_files.h"
#include "datacheck/check_parts.h"
#include "platform/text_file.h"

#include <QHash>

#include <algorithm>

namespace datacheck {

namespace {

using textfile::field;

constexpr int kDayLines = 32; // the lines the day letters are looked for in
const QString kFile = QStringLiteral("cal.txt");

// The digit that the scheme gives day `day` of `month`.
int letterDigit(int month, int day) {
    const QDate date = month == 2 && day == 29 ? QDate(2001, 3, 1) : QDate(2001, month, day);
    return (date.dayOfYear() - 1) % 7 + 1;
}

// The dominical digit of `year` from `month` on: the digit of its first Sunday.
int sundayDigit(int year, int month) {
    QDate date(year, month, 1);
    date = date.addDays((7 - date.dayOfWeek()) % 7);
    return letterDigit(date.month(), date.day());
}

// A text of two ASCII digits, as a number; -1 otherwise.
int twoDigitValue(const QString& text) {
    return text.size() == 2 && isDigits(text) ? text.toInt() : -1;
}

bool isLetterDigit(const QString& text) {
    return text.size() == 1 && text.at(0) >= QLatin1Char('1') && text.at(0) <= QLatin1Char('7');
}

QString shown(const QString& text) {
    return text.isEmpty() ? QStringLiteral("nada") : quoted(text);
}

class CalCheck {
public:
    explicit CalCheck(QList<Problem>& out) : out_(out) {}

    void dayLine(const QString& line, int number);
    void yearEntry(const QString& line, int number);
    void missingDays();
    // The lines after the day lines that are no year's line, and the years missing between the
    // first and the last listed.
    void otherLines(const QStringList& lines);
    void missingYears();
    const YearSet& listed() const { return listed_; }

private:
    void add(int line, const QString& text) { out_.append(Problem{kFile, line, text}); }
    void warn(int line, const QString& text) { out_.append(Problem{kFile, line, text, true}); }
    void dominicalDigit(int line, int year, int column, const QString& digit, int expected);

    QList<Problem>& out_;
    QHash<int, int> dayLines_;  // day -> its line
    QHash<int, int> yearLines_; // two-digit year -> its line
    YearSet listed_;
};

void CalCheck::dayLine(const QString& line, int number) {
    const int day = twoDigitValue(field(line, 1, 2));
    if (day < 1 || day > 31)
        return;
    if (dayLines_.contains(day)) {
        add(number, QStringLiteral("el día %1 ya tiene su línea, la %2.")
                        .arg(day)
                        .arg(dayLines_.value(day)));
        return;
    }
    dayLines_.insert(day, number);
    for (int month = 1; month <= 12; ++month) {
        if (!QDate(2000, month, day).isValid()) // 2000 has 29 February
            continue;
        const int column = month * 3;
        const QString digit = field(line, column);
        const QString where =
            QStringLiteral("el %1 de %2 lleva %3 en la columna %4")
                .arg(QString::number(day), calendar::nomMes().at(month - 1).toLower(), shown(digit),
                     QString::number(column));
        if (!isLetterDigit(digit))
            add(number, where + QStringLiteral(", y debe llevar un dígito del 1 al 7."));
        else if (digit.toInt() != letterDigit(month, day))
            add(number,
                where + QStringLiteral(" y le corresponde el %1.").arg(letterDigit(month, day)));
    }
}

void CalCheck::dominicalDigit(int line, int year, int column, const QString& digit, int expected) {
    const QString what = QStringLiteral("la letra dominical del año %1 (columna %2) es %3")
                             .arg(QString::number(year), QString::number(column), shown(digit));
    if (!isLetterDigit(digit))
        add(line, what + QStringLiteral(", y debe ser un dígito del 1 al 7."));
    else if (digit.toInt() != expected)
        add(line, what + QStringLiteral(" y la de sus domingos es %1.").arg(expected));
}

void CalCheck::yearEntry(const QString& line, int number) {
    if (line.mid(40).trimmed().isEmpty())
        return;
    const int yy = twoDigitValue(field(line, 41, 2));
    if (yy < 0) {
        add(number, QStringLiteral("las columnas 41 y 42 llevan %1 y no un año de dos cifras.")
                        .arg(shown(field(line, 41, 2))));
        return;
    }
    const int year = 2000 + yy;
    if (yearLines_.contains(yy)) {
        add(number, QStringLiteral("el año %1 ya está en la línea %2.")
                        .arg(year)
                        .arg(yearLines_.value(yy)));
        return;
    }
    yearLines_.insert(yy, number);
    listed_.set(yy);
    dominicalDigit(number, year, 45, field(line, 45), sundayDigit(year, 1));
    if (QDate::isLeapYear(year)) {
        dominicalDigit(number, year, 47, field(line, 47), sundayDigit(year, 3));
        if (line.size() > 47)
            add(number, QStringLiteral("sobran caracteres tras la columna 47."));
    } else if (line.size() > 45) {
        add(number, QStringLiteral("el año %1 no es bisiesto y su línea debe acabar en la "
                                   "columna 45.")
                        .arg(year));
    }
}

void CalCheck::missingDays() {
    for (int day = 1; day <= 31; ++day)
        if (!dayLines_.contains(day))
            add(0, QStringLiteral("no hay línea del día %1 entre las %2 primeras.")
                       .arg(day)
                       .arg(kDayLines));
}

bool isYearLine(const QString& line) {
    return !line.mid(40).trimmed().isEmpty();
}

void CalCheck::otherLines(const QStringList& lines) {
    int lastYearLine = 0;
    for (const int line : std::as_const(yearLines_))
        lastYearLine = std::max(lastYearLine, line);
    const int count = int(lines.size());
    for (int first = kDayLines + 1; first <= count; ++first) {
        if (isYearLine(lines.at(first - 1)))
            continue;
        int last = first;
        bool empty = lines.at(first - 1).trimmed().isEmpty();
        QString text = empty ? QString() : lines.at(first - 1);
        while (last < count && !isYearLine(lines.at(last))) {
            const QString& next = lines.at(last++);
            if (!next.trimmed().isEmpty()) {
                if (text.isEmpty())
                    text = next;
                empty = false;
            }
        }
        const bool one = first == last;
        const QString which = one ? QStringLiteral("la línea %1").arg(first)
                                  : QStringLiteral("las líneas %1 a %2 (%3 líneas)")
                                        .arg(first)
                                        .arg(last)
                                        .arg(last - first + 1);
        const QString rule =
            QStringLiteral("tras las %1 primeras, cada línea es la de un año.").arg(kDayLines);
        if (last == count && first > lastYearLine) {
            const QString after =
                lastYearLine == 0
                    ? QStringLiteral("tras las de los días")
                    : QStringLiteral("tras la del último año, el %1")
                          .arg(2000 + twoDigitValue(field(lines.at(lastYearLine - 1), 41, 2)));
            warn(first, QStringLiteral("%1 %2, %3: no se %4.")
                            .arg(one ? QStringLiteral("sobra") : QStringLiteral("sobran"), which,
                                 after, one ? QStringLiteral("lee") : QStringLiteral("leen")));
        } else if (empty) {
            warn(first,
                 QStringLiteral("%1 %2: %3")
                     .arg(which,
                          one ? QStringLiteral("está vacía") : QStringLiteral("están vacías"),
                          rule));
        } else {
            warn(first,
                 QStringLiteral("%1 no %2 de año (%3): %4")
                     .arg(which,
                          one ? QStringLiteral("es una línea") : QStringLiteral("son líneas"),
                          quoted(text), rule));
        }
        first = last;
    }
}

void CalCheck::missingYears() {
    int lowest = kYears;
    int highest = -1;
    for (int yy = 0; yy < kYears; ++yy)
        if (listed_.test(yy)) {
            lowest = std::min(lowest, yy);
            highest = yy;
        }
    for (int yy = lowest + 1; yy < highest; ++yy) {
        if (listed_.test(yy))
            continue;
        int next = yy + 1;
        while (!listed_.test(next))
            ++next;
        const QString years =
            next == yy + 1
                ? QStringLiteral("falta el año %1").arg(2000 + yy)
                : QStringLiteral("faltan los años %1 a %2").arg(2000 + yy).arg(2000 + next - 1);
        add(yearLines_.value(next),
            QStringLiteral("%1, entre el %2 y el %3 (esta línea): sus días quedan fuera del "
                           "calendario.")
                .arg(years)
                .arg(2000 + yy - 1)
                .arg(2000 + next));
        yy = next;
    }
}

} // namespace

YearSet checkCal(const QStringList& lines, QList<Problem>& out) {
    CalCheck check(out);
    for (int i = 0; i < lines.size(); ++i) {
        if (i < kDayLines)
            check.dayLine(lines.at(i), i + 1);
        if (i > 0) // the first line is the heading of the columns
            check.yearEntry(lines.at(i), i + 1);
    }
    if (lines.size() < kDayLines)
        out.append(Problem{kFile, 0,
                           QStringLiteral("tiene %1 líneas y debe tener al menos %2: la de los "
                                          "títulos y una por día.")
                               .arg(lines.size())
                               .arg(kDayLines)});
    else
        check.missingDays();
    check.otherLines(lines);
    check.missingYears();
    return check.listed();
}

} // namespace datacheck
