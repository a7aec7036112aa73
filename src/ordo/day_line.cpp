#include "ordo/day_line.h"

#include <QRegularExpression>
#include <QStringList>

#include <optional>

namespace ordo {

namespace {

struct RankWord {
    LineRank rank;
    bool precept;
};

// "So", "Fi" or "Me", with "+" for a day of precept; a lone "+" marks the precept alone.
std::optional<RankWord> rankWord(QStringView token) {
    const bool precept = token.endsWith(QLatin1Char('+'));
    const QStringView word = precept ? token.chopped(1) : token;
    if (word == QLatin1String("So"))
        return RankWord{LineRank::Solemnity, precept};
    if (word == QLatin1String("Fi"))
        return RankWord{LineRank::Feast, precept};
    if (word == QLatin1String("Me"))
        return RankWord{LineRank::ObligatoryMemorial, precept};
    return std::nullopt;
}

// A year mark in brackets, read; none for a bracket that is part of the name.
std::optional<YearMark> yearMark(const QString& inside) {
    static const QRegularExpression from(QStringLiteral("^desde (\\d{4})$"));
    static const QRegularExpression until(QStringLiteral("^(.*\\S)? *hasta (\\d{4})$"));
    if (inside == QStringView(u"solo en años bisiestos"))
        return YearMark{YearMark::Note, 0, LineRank::OptionalMemorial, {}};
    if (const auto m = from.match(inside); m.hasMatch())
        return YearMark{YearMark::From, m.captured(1).toInt(), LineRank::OptionalMemorial, {}};
    const auto m = until.match(inside);
    if (!m.hasMatch())
        return std::nullopt;
    const int year = m.captured(2).toInt();
    const QString before = m.captured(1);
    if (before.isEmpty())
        return YearMark{YearMark::Until, year, LineRank::OptionalMemorial, {}};
    if (const auto word = rankWord(before))
        return YearMark{YearMark::RankUntil, year, word->rank, {}};
    return YearMark{YearMark::NameUntil, year, LineRank::OptionalMemorial, before};
}

bool holdsNoCelebration(const QString& text) {
    return text.isEmpty() || text == QStringView(u"Sin celebración fija") ||
           text == QStringView(u"No existe este día");
}

// One celebration of the line, with its year marks; none when it names none.
std::optional<WrittenCelebration> parseCelebration(const QString& written, WrittenLine& out) {
    const QString trimmed = written.trimmed();
    // The year marks are taken out of the name; other brackets belong to it.
    QList<YearMark> marks;
    QString cleaned;
    qsizetype from = 0;
    for (qsizetype open = trimmed.indexOf(QLatin1Char('(')); open >= 0;
         open = trimmed.indexOf(QLatin1Char('('), from)) {
        const qsizetype close = trimmed.indexOf(QLatin1Char(')'), open);
        if (close < 0)
            break;
        cleaned += QStringView(trimmed).mid(from, open - from);
        const auto mark = yearMark(trimmed.mid(open + 1, close - open - 1).trimmed());
        if (mark)
            marks.append(*mark);
        else
            cleaned += QStringView(trimmed).mid(open, close - open + 1);
        from = close + 1;
    }
    cleaned += QStringView(trimmed).mid(from);

    QStringList tokens = cleaned.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    WrittenCelebration w;
    w.marks = marks;
    LineCelebration& c = w.celebration;
    int rankWords = 0;
    while (!tokens.isEmpty()) {
        const auto word = tokens.last() == QLatin1String("+")
                              ? std::optional<RankWord>(RankWord{c.rank, true})
                              : rankWord(tokens.last());
        if (!word)
            break;
        if (tokens.last() != QLatin1String("+")) {
            ++rankWords;
            if (rankWords == 1)
                c.rank = word->rank;
        }
        c.precept = c.precept || word->precept;
        tokens.removeLast();
    }
    if (rankWords > 1)
        out.faults.append({trimmed, QStringLiteral("dos rangos para una celebración")});
    for (const QString& token : tokens) {
        if (rankWord(token)) {
            out.faults.append({trimmed, QStringLiteral("un rango en medio del nombre")});
            break;
        }
    }
    c.name = tokens.join(QLatin1Char(' '));
    if (holdsNoCelebration(c.name))
        return std::nullopt;
    if (c.name.startsWith(QStringView(u"Día ")) &&
        c.name.endsWith(QLatin1String("de la octava de Navidad"))) {
        out.octaveDay = true;
        return std::nullopt;
    }
    return w;
}

} // namespace

std::optional<LineCelebration> inYear(const WrittenCelebration& written, int year) {
    LineCelebration c = written.celebration;
    for (const YearMark& mark : written.marks) {
        switch (mark.kind) {
        case YearMark::From:
            if (year < mark.year)
                return std::nullopt;
            break;
        case YearMark::Until:
            if (year > mark.year)
                return std::nullopt;
            break;
        case YearMark::RankUntil:
            if (year <= mark.year)
                c.rank = mark.rank;
            break;
        case YearMark::NameUntil:
            if (year <= mark.year)
                c.name = mark.name;
            break;
        case YearMark::Note:
            break;
        }
    }
    return c;
}

DayLine readDayLine(const QString& line, int year) {
    const WrittenLine written = parseDayLine(line);
    DayLine out{{}, written.colourLetter, written.octaveDay, written.faults};
    for (const WrittenCelebration& w : written.celebrations) {
        if (const auto c = inYear(w, year))
            out.celebrations.append(*c);
    }
    return out;
}

WrittenLine parseDayLine(const QString& line) {
    WrittenLine out;
    QString text = line;
    // The colour letter: the last character after " -".
    const qsizetype n = text.size();
    if (n >= 3 && text.at(n - 2) == QLatin1Char('-') && text.at(n - 3) == QLatin1Char(' ') &&
        text.at(n - 1).isLetter()) {
        out.colourLetter = text.at(n - 1);
        text.chop(3);
    }
    for (const QString& part : text.split(QLatin1Char(';'))) {
        if (const auto c = parseCelebration(part, out))
            out.celebrations.append(*c);
    }
    return out;
}

QString lineRankName(LineRank rank) {
    switch (rank) {
    case LineRank::Solemnity:
        return QStringLiteral("Solemnidad");
    case LineRank::Feast:
        return QStringLiteral("Fiesta");
    case LineRank::ObligatoryMemorial:
        return QStringLiteral("Memoria obligatoria");
    case LineRank::OptionalMemorial:
        return QStringLiteral("Memoria libre");
    }
    return {};
}

} // namespace ordo
