#include "datacheck/data_check.h"

#include "calendar_data/calendar_files.h"
#include "datacheck/check_parts.h"
#include "liturgical_time/liturgical_colour.h"
#include "platform/data_dir.h"
#include "platform/data_fault.h"
#include "platform/text_file.h"
#include "proper/proper_calendar.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUtf8StringView>

#include <algorithm>
#include <optional>

namespace datacheck {

namespace {

void add(QList<Problem>& out, const QString& file, int line, const QString& text) {
    out.append(Problem{file, line, text});
}

void warn(QList<Problem>& out, const QString& file, int line, const QString& text) {
    out.append(Problem{file, line, text, true});
}

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QChar(0x00A0);
}

// The line of a day the month has (`date`, "3 de junio"), which the day view shows: a text, and
// at its end the colour letter after a dash ("... Me -r"). A dash and another letter, or blanks
// after the letter, leave the day without its letter, so that it takes the season's colour.
void checkDayLine(const QString& line, const QString& file, const QString& date, int day,
                  QList<Problem>& out) {
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty()) {
        warn(out, file, day, QStringLiteral("el texto del %1 está vacío.").arg(date));
        return;
    }
    if (trimmed == QStringLiteral("No existe este día")) {
        warn(out, file, day,
             QStringLiteral("el %1 existe, y su línea dice \"No existe este día\": es la "
                            "línea de otro día o de otro mes.")
                 .arg(date));
        return;
    }
    qsizetype end = line.size();
    while (end > 0 && isBlank(line.at(end - 1)))
        --end;
    if (end < 2 || line.at(end - 2) != QLatin1Char('-') || !line.at(end - 1).isLetter())
        return;
    const QString letters = liturgy::colourLetters();
    const QChar letter = line.at(end - 1);
    if (!letters.contains(letter)) {
        QStringList names;
        for (const QChar c : letters)
            names << QString(c);
        warn(out, file, day,
             QStringLiteral("la línea del %1 acaba en \"-%2\", y \"%2\" no es ninguna de las "
                            "letras de color (%3): el día toma el color del tiempo.")
                 .arg(date, QString(letter), names.join(QStringLiteral(", "))));
    } else if (end < line.size()) {
        warn(out, file, day,
             QStringLiteral("hay blancos tras la letra de color \"%1\" del %2, que la ocultan: "
                            "el día toma el color del tiempo.")
                 .arg(letter)
                 .arg(date));
    }
}

// A month file: one line per day, 31 whatever the month's length. Lines after the 31st are
// never read; an empty one at the end is harmless, any other is most likely a line too many
// before it, which moves every later day's text onto the next day.
void checkMonth(int month, const QStringList& lines, const QString& file, QList<Problem>& out) {
    if (lines.size() < kMonthLines) {
        add(out, file, 0,
            QStringLiteral("tiene %1 líneas, y un archivo de mes lleva al menos %2: una por "
                           "día.")
                .arg(lines.size())
                .arg(kMonthLines));
    } else if (lines.size() > kMonthLines) {
        const auto extra = lines.mid(kMonthLines);
        const bool empty = std::all_of(extra.cbegin(), extra.cend(), [](const QString& line) {
            return line.trimmed().isEmpty();
        });
        const QString text =
            QStringLiteral("tiene %1 líneas, y un archivo de mes lleva %2, una por día")
                .arg(lines.size())
                .arg(kMonthLines);
        if (empty)
            warn(out, file, kMonthLines + 1,
                 text + QStringLiteral(": sobran las líneas vacías del final, que no se leen."));
        else
            add(out, file, kMonthLines + 1,
                text + QStringLiteral(": si sobra una línea antes del día %1, los días que la "
                                      "siguen muestran el texto del día anterior.")
                           .arg(kMonthLines));
    }
    // The days the month has (29 February included): a day shows its text.
    for (int day = 1; day <= kMonthLines && day <= lines.size(); ++day)
        if (QDate(2000, month, day).isValid())
            checkDayLine(
                lines.at(day - 1), file,
                QStringLiteral("%1 de %2").arg(day).arg(calendar::nomMes().at(month - 1).toLower()),
                day, out);
}

QString faultText(const DataFault& fault) {
    return fault.message().replace(QLatin1Char('\n'), QLatin1Char(' '));
}

// Line number (from 1) of the byte at `offset`.
int lineOf(const QByteArray& bytes, qsizetype offset) {
    return int(QByteArrayView(bytes).first(offset).count('\n')) + 1;
}

// A file in UTF-16 has a byte-order mark, or a NUL byte beside every character of the
// Latin alphabet.
bool looksUtf16(const QByteArray& bytes) {
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return true;
    return !bytes.isEmpty() && bytes.count('\0') * 4 >= bytes.size();
}

// Where a file shows that it was saved in UTF-8: its mark, the first character of a file that
// reads as UTF-8 throughout, or in a file of mixed lines the first Spanish letter written in
// UTF-8 (two bytes that read in Windows-1252 as "Ã" or "Â" and one more character) or the first
// dash, quote, space or sign of U+2000 .. U+21FF ("—", "’", "€", U+2028: three bytes that read as
// "â" and two more characters, "â€”"), which no Spanish text holds. None for a file of
// Windows-1252 text.
std::optional<qsizetype> utf8Mark(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return 0;
    const auto high = std::find_if(bytes.cbegin(), bytes.cend(),
                                   [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    if (high == bytes.cend())
        return std::nullopt;
    if (QUtf8StringView(bytes).isValidUtf8())
        return high - bytes.cbegin();
    const auto byte = [&bytes](qsizetype i) {
        return i < bytes.size() ? static_cast<unsigned char>(bytes.at(i)) : 0;
    };
    const auto follows = [&byte](qsizetype i) { return (byte(i) & 0xC0) == 0x80; };
    for (qsizetype i = 0; i + 1 < bytes.size(); ++i) {
        const unsigned char lead = byte(i);
        if ((lead == 0xC2 || lead == 0xC3) && follows(i + 1))
            return i;
        if (lead == 0xE2 && byte(i + 1) >= 0x80 && byte(i + 1) <= 0x87 && follows(i + 2))
            return i;
    }
    return std::nullopt;
}

// The length of the UTF-8 sequence that starts with `lead`.
qsizetype utf8Length(unsigned char lead) {
    return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
}

bool isControl(QChar c) {
    const char16_t u = c.unicode();
    return u < 0x20 || (u >= 0x7F && u <= 0x9F);
}

// The checks every file gets: read by the guarded readers, in Windows-1252, ended by a line
// end, no control characters. Gives its lines, or none when it cannot be read as text.
std::optional<QStringList> readChecked(const QString& path, const QString& file,
                                       QList<Problem>& out) {
    QByteArray bytes;
    QStringList lines;
    try {
        bytes = textfile::readFileBytes(path);
        if (looksUtf16(bytes)) {
            add(out, file, 0, QStringLiteral("parece guardado en UTF-16 y no en Windows-1252."));
            return std::nullopt;
        }
        lines = textfile::readAllLines(path);
    } catch (const DataFault& fault) {
        add(out, file, 0, faultText(fault));
        return std::nullopt;
    }
    if (const auto mark = utf8Mark(bytes)) {
        const QByteArray sequence =
            bytes.mid(*mark, utf8Length(static_cast<unsigned char>(bytes.at(*mark))));
        // A character that shows nothing (a space, a line separator) is named by its code.
        const QString meant = QString::fromUtf8(sequence);
        const char32_t code = meant.isEmpty() ? 0 : meant.toUcs4().constFirst();
        const bool visible = QChar::isPrint(code) && !QChar::isSpace(code);
        add(out, file, lineOf(bytes, *mark),
            QStringLiteral("parece guardado en UTF-8 y no en Windows-1252: \"%1\" está en lugar "
                           "%2.")
                .arg(textfile::decode(sequence),
                     visible ? QStringLiteral("de \"%1\"").arg(meant)
                             : QStringLiteral("del carácter U+%1")
                                   .arg(QString::number(code, 16).toUpper().rightJustified(
                                       4, QLatin1Char('0')))));
    }
    for (int i = 0; i < lines.size(); ++i) {
        const QString& line = lines.at(i);
        const auto control = std::find_if(line.cbegin(), line.cend(), isControl);
        if (control != line.cend())
            add(out, file, i + 1,
                QStringLiteral("hay un carácter de control (código %1) en la columna %2.")
                    .arg(int(control->unicode()))
                    .arg(control - line.cbegin() + 1));
    }
    if (!bytes.isEmpty() && !bytes.endsWith('\n'))
        add(out, file, int(lines.size()),
            QStringLiteral("la última línea no acaba en un final de línea: el archivo parece "
                           "cortado."));
    return lines;
}

// "cal.txt" against the movable files: when they all hold years that "cal.txt" does not list
// at its start or its end, "cal.txt" lost those lines, and their days are out of the calendar.
void checkCalReach(const YearSet& listed, int heldByAll, QList<Problem>& out) {
    int first = -1;
    int last = -1;
    for (int yy = 0; yy < kYears; ++yy)
        if (listed.test(yy)) {
            first = first < 0 ? yy : first;
            last = yy;
        }
    const QString cal = QStringLiteral("cal.txt");
    if (first > 0 && heldByAll > 0)
        add(out, cal, 0,
            QStringLiteral("empieza en el año %1, y c1.txt … c20.txt tienen fechas desde el "
                           "2000: faltan las líneas de los años 2000 a %2, que quedan fuera del "
                           "calendario.")
                .arg(2000 + first)
                .arg(2000 + first - 1));
    if (last >= 0 && last + 1 < heldByAll)
        add(out, cal, 0,
            QStringLiteral("acaba en el año %1, y c1.txt … c20.txt tienen fechas hasta el %2: "
                           "faltan las líneas de los años %3 a %2, que quedan fuera del "
                           "calendario.")
                .arg(2000 + last)
                .arg(2000 + heldByAll - 1)
                .arg(2000 + last + 1));
}

QString fileName(const QString& path) {
    return QFileInfo(path).fileName();
}

// The rank of a file name in the order of the list.
int fileRank(const QString& file) {
    if (!file.endsWith(QLatin1String(".txt")))
        return 100000;
    const QString base = file.chopped(4);
    if (base == QLatin1String("cal"))
        return 0;
    bool ok = false;
    if (const int month = base.toInt(&ok); ok)
        return month;
    if (base.startsWith(QLatin1Char('c')))
        if (const int number = base.mid(1).toInt(&ok); ok)
            return 1000 + number;
    return 100000;
}

} // namespace

bool isDigits(const QString& text) {
    return !text.isEmpty() && std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
}

QString quoted(const QString& text) {
    constexpr qsizetype kShown = 40;
    QString shown = text.left(kShown);
    std::replace_if(shown.begin(), shown.end(), isControl, QLatin1Char('?'));
    if (text.size() > kShown)
        shown += QStringLiteral("…");
    return QLatin1Char('"') + shown + QLatin1Char('"');
}

QList<Problem> checkDataDirectory(const QString& ruta) {
    const QString dir = ruta.endsWith(QLatin1Char('/')) || ruta.endsWith(QLatin1Char('\\'))
                            ? ruta
                            : ruta + QLatin1Char('/');
    QList<Problem> out;

    const QString cal = calendar::calFile(dir);
    std::optional<YearSet> listed;
    if (const auto lines = readChecked(cal, fileName(cal), out))
        listed = checkCal(*lines, out);

    for (int month = 1; month <= 12; ++month) {
        const QString path = calendar::monthFile(dir, month);
        if (const auto lines = readChecked(path, fileName(path), out)) {
            checkMonth(month, *lines, fileName(path), out);
            checkRanks(month, *lines, fileName(path), out);
        }
    }

    // c1 .. c20 always, then the files after them while they are there (a link that leads
    // nowhere counts as there, so that it is named).
    QList<QList<YearDate>> dates(1);
    int heldByAll = kYears; // the years every one of c1..c20 holds a line for
    int n = 1;
    for (;; ++n) {
        const QString path = calendar::movableFile(dir, n);
        const QFileInfo info(path);
        if (n > calendar::kMovableFiles && !info.exists() && !info.isSymLink())
            break;
        const auto lines = readChecked(path, fileName(path), out);
        dates.append(lines ? checkMovable(n, *lines, listed, out) : QList<YearDate>());
        if (n <= calendar::kMovableFiles)
            heldByAll = std::min(heldByAll, lines ? int(lines->size()) - 1 : 0);
    }
    checkOrder(dates, out);
    checkRules(dates, out);
    if (listed)
        checkCalReach(*listed, heldByAll, out);
    // A later file after a gap is never read: say so, or its celebration is lost unseen.
    static const QRegularExpression movableName(QStringLiteral("^c(\\d+)\\.txt$"));
    for (const QString& name : QDir(dir).entryList({QStringLiteral("c*.txt")}, QDir::AllEntries)) {
        const QRegularExpressionMatch match = movableName.match(name);
        if (match.hasMatch() && match.captured(1).toInt() > n)
            add(out, name, 0,
                QStringLiteral("no se lee, porque falta c%1.txt: los archivos de celebraciones "
                               "se leen seguidos hasta el primero que falta.")
                    .arg(n));
    }

    // The proper calendars in the folder, the shipped ones and the user's.
    for (const QString& name : QDir(dir).entryList(
             {QString::fromUtf16(proper::kShippedPrefix) + QStringLiteral("*.txt")}, QDir::Files))
        if (const auto lines = readChecked(dir + name, name, out))
            checkProperLines(*lines, name, out);

    std::stable_sort(out.begin(), out.end(), problemBefore);
    return out;
}

QList<Problem> checkProperFile(const QString& path) {
    QList<Problem> out;
    const QString name = QDir::toNativeSeparators(path);
    if (const auto lines = readChecked(path, name, out))
        checkProperLines(*lines, name, out);
    return out;
}

QList<Problem> checkChosenProper(const QString& ruta, const QString& path) {
    const QFileInfo file(path);
    const bool inFolder =
        file.absolutePath() == QFileInfo(datadir::withSeparator(ruta)).absolutePath() &&
        file.fileName().startsWith(QString::fromUtf16(proper::kShippedPrefix));
    return inFolder ? QList<Problem>() : checkProperFile(path);
}

QString problemLine(const Problem& problem) {
    const QString text = problem.warning ? QStringLiteral("aviso: ") + problem.text : problem.text;
    if (problem.line <= 0)
        return QStringLiteral("%1: %2").arg(problem.file, text);
    return QStringLiteral("%1:%2: %3").arg(problem.file, QString::number(problem.line), text);
}

bool problemBefore(const Problem& a, const Problem& b) {
    const int rankA = fileRank(a.file);
    const int rankB = fileRank(b.file);
    if (rankA != rankB)
        return rankA < rankB;
    if (a.file != b.file)
        return a.file < b.file;
    return a.line < b.line;
}

QString problemsMessage(const QList<Problem>& problems, const QString& ruta, int shown) {
    if (problems.isEmpty())
        return {};
    QStringList lines;
    for (qsizetype i = 0; i < problems.size() && i < shown; ++i)
        lines.append(problemLine(problems.at(i)));
    QString text =
        QStringLiteral("Los archivos del calendario de \"%1\" tienen %2 problema(s):\n%3")
            .arg(QDir::toNativeSeparators(ruta))
            .arg(problems.size())
            .arg(lines.join(QLatin1Char('\n')));
    if (problems.size() > shown)
        text += QStringLiteral("\n…");
    text += QStringLiteral("\n\nPara verlos todos: orvantel-dia --comprobar");
    return text;
}

} // namespace datacheck
