#include "calendar_data/cal_table.h"

#include "platform/text_file.h"

namespace calendar {

using textfile::fieldView;

namespace {

// A text of two ASCII digits as its number; -1 otherwise.
int twoDigitNumber(QStringView text) {
    const auto digit = [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); };
    if (text.size() != 2 || !digit(text.at(0)) || !digit(text.at(1)))
        return -1;
    return (text.at(0).unicode() - '0') * 10 + (text.at(1).unicode() - '0');
}

} // namespace

CalTable::CalTable(const QStringList& lines)
    : CalTable(int(lines.size()), [&lines](int i) { return QStringView(lines.at(i)); }) {}

CalTable::CalTable(int count, const std::function<QStringView(int)>& lineAt) {
    for (int i = 0; i < count; ++i) {
        const QStringView line = lineAt(i);
        if (const int day = twoDigitNumber(fieldView(line, 1, 2)); day >= 1 && day <= 31)
            for (int month = 1; month <= 12; ++month) {
                const int digit = textfile::numberValue(fieldView(line, month * 3));
                if (digit >= 0 && digit < kDigits)
                    letterLines_[day - 1][month - 1][digit] = i + 1;
            }
        const QStringView anio = fieldView(line, 41, 2);
        if (const int yy = twoDigitNumber(anio); yy >= 0)
            years_[yy] = YearLine{fieldView(line, 45).toString(), fieldView(line, 47).toString()};
        // The years the calendar covers: a year's columns read as a number, its first
        // character a digit, and a dominical digit.
        bool number = false;
        const int listed = anio.toInt(&number);
        if (number && anio.size() == 2 && anio.at(0).isDigit() && listed >= 0 && listed < 100 &&
            !fieldView(line, 45).isEmpty())
            listed_.set(listed);
    }
}

QString CalTable::dominicalDigit(QStringView anio, QStringView mes) const {
    const int yy = twoDigitNumber(anio);
    if (yy < 0 || !years_[yy])
        return {};
    const YearLine& year = *years_[yy];
    if (year.afterFebruary.isEmpty() || mes == QLatin1String("01") || mes == QLatin1String("02"))
        return year.digit;
    return year.afterFebruary;
}

std::optional<int> CalTable::weekday(QStringView dia, int month, QStringView letraDom) const {
    const int day = twoDigitNumber(dia);
    if (day < 1 || day > 31 || month < 1 || month > 12)
        return std::nullopt;
    const int l = textfile::numberValue(letraDom);
    // The weekday w of digit d: ((w + l - 1) mod 7) + 1 = d, as the lines give it; the last
    // line that gives a match wins.
    std::optional<int> weekday;
    int from = 0;
    const auto& lines = letterLines_[day - 1][month - 1];
    for (int d = 0; d < kDigits; ++d) {
        if (lines[d] <= from)
            continue;
        for (int w = 0; w <= 6; ++w) {
            int k = w + l;
            if (k > 7)
                k -= 7;
            if (k == d) {
                weekday = w;
                from = lines[d];
            }
        }
    }
    return weekday;
}

} // namespace calendar
