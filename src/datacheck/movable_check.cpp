// The check of the movable-celebration files: line j + 2 of file n holds its date in the year
// 2000 + j ("09-12-abr"), c19 the week of Ordinary Time that begins on the Monday after
// Pentecost ("09-10"), and in c17 and from c21 on a line may say that the year has no such
// celebration ("17-sin celebración"). Within a year the dates keep the order of the liturgical
// year.

#include "calendar_data/calendar_files.h"
#include "datacheck/check_parts.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <optional>

namespace datacheck {

namespace {

// The Immaculate Heart yields to a solemnity on its day in some years.
constexpr int kImmaculateHeart = 17;
constexpr int kFirstWithoutCelebration = 21;

bool mayLackCelebration(int number) {
    return number == kImmaculateHeart || number >= kFirstWithoutCelebration;
}
const QString kWithoutCelebration = QStringLiteral("-sin celebración");

// Pentecost falls between 10 May and 13 June, Christ the King (week 34) between 20 and 26
// November, so the week that begins on the Monday after Pentecost is the 6th at the earliest
// (10 May and 22 November) and the 11th at the latest (13 June and 21 November).
constexpr int kFirstWeekAfterPentecost = 6;
constexpr int kLastWeekAfterPentecost = 11;

// The files whose dates follow each other in every year, in their order: 1 January, the
// Baptism of the Lord, Ash Wednesday, Palm Sunday, Holy Thursday, Good Friday, Easter, the
// Ascension (a Sunday in Spain), Pentecost, Mary Mother of the Church (the Monday after it),
// Christ the Eternal High Priest (the Thursday after it), the Trinity, Corpus Christi (a
// Sunday in Spain), the Sacred Heart, the Immaculate Heart, Christ the King, the First Sunday
// of Advent, the Immaculate Conception (8 or 9 December), Christmas, the Holy Family and the
// last day of the octave, 31 December. Each date falls strictly after the one before it,
// except the Holy Family, which is 31 December itself when that day is a Sunday.
constexpr std::array kOrder = {1,  2,  3,  4,  10, 11, 5,  12, 6,  21, 13,
                               14, 15, 16, 17, 18, 7,  24, 8,  20, 9};
constexpr int kHolyFamily = 20;
constexpr int kOctaveEnd = 9;

QString yearText(int j) {
    return calendar::twoDigits(j);
}

QString fileName(int number) {
    return calendar::movableFile(QString(), number);
}

const QRegularExpression& dateForm() {
    static const QRegularExpression form(QStringLiteral("^(\\d\\d)-(\\d\\d)-([a-z]{3})"));
    return form;
}

class MovableCheck {
public:
    MovableCheck(int number, QList<Problem>& out)
        : number_(number), file_(fileName(number)), out_(out) {}

    // Line `line` of the file, the line of the year 2000 + j.
    YearDate yearLine(const QString& text, int line, int j);
    void lineCount(qsizetype lines, const YearSet& listed);
    void add(int line, const QString& text) { out_.append(Problem{file_, line, text}); }
    void warn(int line, const QString& text) { out_.append(Problem{file_, line, text, true}); }

private:
    // The week of a line of c19.txt; 0 when it holds none in range.
    int week(const QString& text, int line);
    QString formName() const;

    int number_;
    QString file_;
    QList<Problem>& out_;
};

QString MovableCheck::formName() const {
    if (number_ == calendar::kWeekFile)
        return QStringLiteral("aa-nn (año y semana)");
    if (mayLackCelebration(number_))
        return QStringLiteral("aa-dd-mmm ni la de \"aa-sin celebración\"");
    return QStringLiteral("aa-dd-mmm");
}

int MovableCheck::week(const QString& text, int line) {
    static const QRegularExpression form(QStringLiteral("^\\d\\d-\\d\\d$"));
    if (!form.match(text).hasMatch()) {
        add(line, QStringLiteral("%1 no tiene la forma %2.").arg(quoted(text), formName()));
        return 0;
    }
    const int week = text.mid(3).toInt();
    if (week >= kFirstWeekAfterPentecost && week <= kLastWeekAfterPentecost)
        return week;
    add(line, QStringLiteral("la semana %1 no puede ser la que empieza tras Pentecostés: "
                             "es siempre de la %2 a la %3.")
                  .arg(week)
                  .arg(kFirstWeekAfterPentecost)
                  .arg(kLastWeekAfterPentecost));
    return 0;
}

YearDate MovableCheck::yearLine(const QString& text, int line, int j) {
    const int year = 2000 + j;
    if (text.isEmpty()) {
        add(line, QStringLiteral("la línea del año %1 está vacía.").arg(year));
        return {};
    }
    const QString yy = text.left(2);
    if (yy.size() == 2 && isDigits(yy) && yy != yearText(j) &&
        text.mid(2, 1) == QLatin1String("-")) {
        add(line, QStringLiteral("%1 está en la línea del año %2 y lleva el año %3.")
                      .arg(quoted(text), QString::number(year), QStringLiteral("20") + yy));
        return {};
    }
    if (number_ == calendar::kWeekFile)
        return YearDate{{}, text, false, week(text, line)};
    if (mayLackCelebration(number_) && text == yearText(j) + kWithoutCelebration)
        return YearDate{{}, text, true};
    const QRegularExpressionMatch match = dateForm().match(text);
    const int month = calendar::abrMes().indexOf(match.captured(3)) + 1;
    if (!match.hasMatch() || month < 1) {
        QString why = QStringLiteral("%1 no tiene la forma %2.").arg(quoted(text), formName());
        if (text.mid(2) == kWithoutCelebration)
            why += QStringLiteral(" Un año sin celebración solo cabe en c%1.txt y de c%2.txt en "
                                  "adelante.")
                       .arg(kImmaculateHeart)
                       .arg(kFirstWithoutCelebration);
        add(line, why);
        return {};
    }
    const QDate date(year, month, match.captured(2).toInt());
    if (!date.isValid()) {
        add(line, QStringLiteral("%1 no es una fecha del año %2.")
                      .arg(quoted(text), QString::number(year)));
        return {};
    }
    if (text.size() > match.capturedLength()) {
        add(line, QStringLiteral("sobran caracteres tras la fecha en %1.").arg(quoted(text)));
        return {};
    }
    return YearDate{date, text};
}

void MovableCheck::lineCount(qsizetype lines, const YearSet& listed) {
    int last = -1;
    for (int j = 0; j < kYears; ++j)
        if (listed.test(j))
            last = j;
    if (last + 2 <= lines)
        return;
    const QString has = lines < 2 ? QStringLiteral("no tiene ninguna línea de año")
                                  : QStringLiteral("acaba en el año %1").arg(2000 + lines - 2);
    add(0, QStringLiteral("%1, y cal.txt lista años hasta el %2.").arg(has).arg(2000 + last));
}

} // namespace

QList<YearDate> checkMovable(int number, const QStringList& lines,
                             const std::optional<YearSet>& listed, QList<Problem>& out) {
    MovableCheck check(number, out);
    // The name is what the window shows on the celebration's day (the heading of c19.txt is
    // never shown).
    if (number != calendar::kWeekFile && !lines.isEmpty() && lines.first().trimmed().isEmpty())
        check.warn(1, QStringLiteral("la primera línea, el nombre de la celebración, está vacía: "
                                     "el día en que cae no muestra su nombre."));
    QList<YearDate> dates(kYears);
    for (int i = 1; i < lines.size(); ++i) {
        const QString& text = lines.at(i);
        const int j = i - 1;
        if (j >= kYears) {
            if (!text.isEmpty())
                check.add(i + 1, QStringLiteral("sobra esta línea: el último año que cabe en un "
                                                "archivo es el 2099."));
            continue;
        }
        if (text.isEmpty() && listed && !listed->test(j))
            continue; // a blank line after the years the calendar lists
        dates[j] = check.yearLine(text, i + 1, j);
    }
    if (listed)
        check.lineCount(lines.size(), *listed);
    return dates;
}

void checkOrder(const QList<QList<YearDate>>& dates, QList<Problem>& out) {
    struct Entry {
        int number;
        YearDate value;
        bool removed = false;
    };
    const auto inOrder = [](const Entry& early, const Entry& late) {
        if (early.number == kHolyFamily && late.number == kOctaveEnd)
            return early.value.date <= late.value.date;
        return early.value.date < late.value.date;
    };
    for (int j = 0; j < kYears; ++j) {
        QList<Entry> entries;
        for (const int n : kOrder)
            if (n < dates.size() && j < dates.at(n).size() && dates.at(n).at(j).date.isValid())
                entries.append(Entry{n, dates.at(n).at(j)});
        // While dates clash, the one that clashes with most others is named (all of them when
        // several clash with as many), with the dates it clashes with, and is left out.
        for (;;) {
            QList<QList<int>> clashes(entries.size());
            for (qsizetype a = 0; a < entries.size(); ++a)
                for (qsizetype b = a + 1; b < entries.size(); ++b)
                    if (!entries[a].removed && !entries[b].removed &&
                        !inOrder(entries[a], entries[b])) {
                        clashes[a].append(int(b));
                        clashes[b].append(int(a));
                    }
            qsizetype most = 0;
            for (const QList<int>& c : clashes)
                most = std::max(most, c.size());
            if (most == 0)
                break;
            for (qsizetype a = 0; a < entries.size(); ++a) {
                if (clashes[a].size() != most)
                    continue;
                entries[a].removed = true;
                QStringList others;
                for (const int b : clashes[a])
                    others << QStringLiteral("%1 (%2)").arg(fileName(entries[b].number),
                                                            entries[b].value.text);
                const QString last = others.takeLast();
                const QString list =
                    others.isEmpty() ? last : others.join(QStringLiteral(", ")) + " y " + last;
                out.append(Problem{fileName(entries[a].number), j + 2,
                                   QStringLiteral("la fecha %1 está fuera del orden del año "
                                                  "litúrgico respecto de %2.")
                                       .arg(entries[a].value.text, list)});
            }
        }
    }
}

} // namespace datacheck
