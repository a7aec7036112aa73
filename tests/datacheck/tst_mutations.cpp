// The shipped data broken at random, a few hundred ways from a fixed seed: truncations, lines
// cut short, garbage bytes, overlong lines, bad dates, dates out of order, swapped lines,
// wrong digits in "cal.txt", other encodings, FIFOs, endless devices and folders in place
// of a file, "cal.txt" padded with lines or without a year's line, a movable date moved to
// another date of its year, and month files with a line doubled or empty lines first. For each
// broken directory the day view runs over dates of the year the break touches and every run ends,
// with a day or with a fault that names a file of the directory; and the data check names the
// broken file whenever the break makes a value invalid. Breaks that leave every value valid (a week
// still in range, another day text) only have to end.

#include "calendar_data/calendar_source.h"
#include "datacheck/data_check.h"
#include "dayview/day_view.h"
#include "platform/data_fault.h"
#include "platform/text_file.h"
#include "support/shipped_copy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

constexpr quint32 kSeed = 20250615;
constexpr int kMutations = 400;

struct Mutation {
    enum class Kind { Bytes, Fifo, DevZero, Folder, Missing };
    QString file;
    Kind kind = Kind::Bytes;
    QByteArray bytes;     // the new content, for Kind::Bytes
    int year = 2009;      // the year whose days the day view runs over
    QList<QDate> touched; // days the break touches
    bool mustReport = false;
};

// The lines of a shipped file, without their CR LF.
QList<QByteArray> linesOf(const QByteArray& bytes) {
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeLast();
    for (QByteArray& line : lines)
        line.chop(1);
    return lines;
}

QByteArray joined(const QList<QByteArray>& lines) {
    QByteArray bytes;
    for (const QByteArray& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

const QStringList kMonths = {"ene", "feb", "mar", "abr", "may", "jun",
                             "jul", "ago", "sep", "oct", "nov", "dic"};

QString dateText(const QDate& date) {
    return QStringLiteral("%1-%2-%3")
        .arg(date.year() % 100, 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(kMonths.at(date.month() - 1));
}

// The shipped date of movable celebration n in year 2000 + j; invalid for a year without it.
QDate shippedDate(int n, int j) {
    const QByteArray line =
        linesOf(ShippedCopy::shippedBytes(QStringLiteral("c%1.txt").arg(n))).at(j + 1);
    return QDate(2000 + j, int(kMonths.indexOf(QString::fromLatin1(line.mid(6, 3)))) + 1,
                 line.mid(3, 2).toInt());
}

// The movable celebrations in the order their dates take in every year (1 January ... 31
// December): each falls after the one before it, the Holy Family (20) on 31 December (9) at
// the latest.
const QList<int> kOrder = {1,  2,  3,  4,  10, 11, 5,  12, 6,  21, 13,
                           14, 15, 16, 17, 18, 7,  24, 8,  20, 9};

bool isControlByte(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b < 0x20 || b == 0x7F || b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
}

class MutationMaker {
public:
    enum Way {
        Truncate,
        CutLine,
        Garbage,
        LongLine,
        BadDate,
        OutOfOrder,
        WeekInRange,
        CalDigit,
        DominicalDigit,
        YearTwice,
        SwapLines,
        Utf8,
        Utf16,
        ControlChar,
        Special,
        DayText,
        PadCal,
        DropYear,
        MoveDate,
        MonthLines,
        Ways
    };

    Mutation make(Way way);

private:
    int below(int n) { return int(rng_.bounded(n)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    QString anyFile();
    bool isMovable(const QString& file) const {
        return file.startsWith(QLatin1Char('c')) && file != QLatin1String("cal.txt");
    }
    int movableNumber(const QString& file) const { return file.mid(1).chopped(4).toInt(); }
    // Sets year and touched days for a change of line `line` (from 1) of `m.file`.
    void touch(Mutation& m, int line);
    // Writes `moved` as year `j`'s date in c`n`.txt, a change the check must name.
    void moveDate(Mutation& m, QByteArrayList& lines, int n, int j, const QDate& moved);

    QRandomGenerator rng_{kSeed};
};

QString MutationMaker::anyFile() {
    const int k = below(1 + 12 + 24);
    if (k == 0)
        return QStringLiteral("cal.txt");
    if (k <= 12)
        return QStringLiteral("%1.txt").arg(k, 2, 10, QLatin1Char('0'));
    return QStringLiteral("c%1.txt").arg(k - 12);
}

void MutationMaker::moveDate(Mutation& m, QByteArrayList& lines, int n, int j, const QDate& moved) {
    m.file = QStringLiteral("c%1.txt").arg(n);
    lines = linesOf(ShippedCopy::shippedBytes(m.file));
    lines[j + 1] = dateText(moved).toLatin1();
    touch(m, j + 2);
    m.touched << moved;
    m.mustReport = true;
}

void MutationMaker::touch(Mutation& m, int line) {
    m.year = between(2000, 2099);
    m.touched.clear();
    if (isMovable(m.file) && line >= 2) {
        m.year = 2000 + line - 2;
        const int n = movableNumber(m.file);
        const QDate date = shippedDate(n == 19 ? 6 : n, line - 2);
        if (date.isValid())
            m.touched << date << date.addDays(1);
    } else if (m.file != QLatin1String("cal.txt") && !isMovable(m.file)) {
        const QDate date(m.year, m.file.left(2).toInt(), line);
        if (date.isValid())
            m.touched << date;
    } else if (m.file == QLatin1String("cal.txt") && line >= 2) {
        if (line <= 32)
            for (int month = 1; month <= 12; month += 5)
                if (const QDate date(m.year, month, line - 1); date.isValid())
                    m.touched << date;
    }
}

Mutation MutationMaker::make(Way way) {
    Mutation m;
    m.file = anyFile();
    const QByteArray shipped = ShippedCopy::shippedBytes(m.file);
    QList<QByteArray> lines = linesOf(shipped);
    const int line = between(1, int(lines.size())); // a line from 1
    const auto text = [&]() -> QByteArray& { return lines[line - 1]; };
    touch(m, line);
    switch (way) {
    case Truncate: {
        const int size = below(int(shipped.size()));
        m.bytes = shipped.left(size);
        const auto kept = m.bytes.count('\n');
        // Cut inside a line, or whole lines off a file that needs them all ("cal.txt" then ends
        // before the movable files do).
        m.mustReport = true;
        touch(m, int(kept) + 1);
        return m;
    }
    case CutLine: {
        const int keep = between(1, int(text().size())); // no shipped line is empty
        m.bytes = joined(lines.mid(0, line - 1)) + text().left(keep);
        m.mustReport = true;
        return m;
    }
    case Garbage: {
        const int at = below(int(text().size()) + 1);
        const int count = between(1, 6);
        QByteArray garbage;
        while (garbage.size() < count) {
            const char c = static_cast<char>(below(256));
            if (c != '\r' && c != '\n')
                garbage += c;
        }
        text().replace(at, qMin(count, int(text().size()) - at), garbage);
        m.mustReport = std::any_of(garbage.cbegin(), garbage.cend(), isControlByte);
        break;
    }
    case LongLine:
        lines.insert(line - 1, QByteArray(between(4097, 9000), 'x'));
        m.mustReport = true;
        break;
    case BadDate: {
        m.file = QStringLiteral("c%1.txt").arg(between(1, 24));
        lines = linesOf(ShippedCopy::shippedBytes(m.file));
        const int j = below(100);
        const QByteArray yy = QByteArray::number(j).rightJustified(2, '0');
        const QByteArray other = QByteArray::number((j + 1) % 100).rightJustified(2, '0');
        const int n = movableNumber(m.file);
        QByteArrayList bad = QByteArray(n == 19 ? "-xx -99 -05 -12 -6 -10x"
                                                : "-31-feb -00-ene -32-mar -99-jun -12-Abr "
                                                  "-12-abrXYZ -1-abr -12-ab -31-abr -30-feb -sin")
                                 .split(' ');
        for (QByteArray& b : bad)
            b.prepend(yy);
        bad << ""
            << "xx-yy-zzz" << other + lines[j + 1].mid(2);
        if (n < 21 && n != 19) // a year without the celebration only from c21 on
            bad << yy + "-sin celebraci\xF3n";
        lines[j + 1] = bad.at(below(int(bad.size())));
        touch(m, j + 2);
        m.mustReport = true;
        break;
    }
    case OutOfOrder: {
        // A date moved past one that must follow it, or before one that must precede it.
        const int j = below(100);
        int a = 0;
        int b = 0;
        QDate moved;
        while (!moved.isValid() || moved.year() != 2000 + j) {
            a = below(int(kOrder.size()));
            b = below(int(kOrder.size()));
            const QDate other = shippedDate(kOrder.at(b), j);
            if (a == b || !shippedDate(kOrder.at(a), j).isValid() || !other.isValid())
                continue;
            const int days = between(1, 3);
            moved = other.addDays(b > a ? days : -days);
        }
        moveDate(m, lines, kOrder.at(a), j, moved);
        break;
    }
    case WeekInRange: {
        m.file = QStringLiteral("c19.txt");
        lines = linesOf(ShippedCopy::shippedBytes(m.file));
        const int j = below(100);
        lines[j + 1] = QStringLiteral("%1-%2")
                           .arg(j, 2, 10, QLatin1Char('0'))
                           .arg(between(6, 11), 2, 10, QLatin1Char('0'))
                           .toLatin1();
        touch(m, j + 2);
        break;
    }
    case CalDigit:
    case DominicalDigit:
    case YearTwice: {
        m.file = QStringLiteral("cal.txt");
        lines = linesOf(ShippedCopy::shippedBytes(m.file));
        const bool valid = below(4) == 0;
        const QByteArray digit =
            valid ? QByteArray::number(between(1, 7)) : QByteArray(1, "089x -"[below(6)]);
        int row = between(2, 101);
        int column = 45;
        if (way == CalDigit) {
            int month = 0;
            do { // a day the month has; 2000 has 29 February
                row = between(2, 32);
                month = between(1, 12);
            } while (!QDate(2000, month, row - 1).isValid());
            column = 3 * month;
        } else if (way == DominicalDigit && QDate::isLeapYear(2000 + row - 2) && below(2) == 0) {
            column = 47;
        }
        QByteArray& changed = lines[row - 1];
        if (way == YearTwice) {
            column = 41;
            const int other = (row - 2 + between(1, 99)) % 100;
            changed.replace(column - 1, 2, QByteArray::number(other).rightJustified(2, '0'));
            m.mustReport = true;
        } else {
            changed[column - 1] = digit.at(0);
            m.mustReport = !valid;
        }
        touch(m, row);
        if (way != CalDigit)
            m.year = 2000 + row - 2;
        break;
    }
    case SwapLines: {
        const int other = between(1, int(lines.size()));
        std::swap(lines[line - 1], lines[other - 1]);
        m.mustReport = isMovable(m.file) && other != line;
        touch(m, qMax(line, other));
        break;
    }
    case Utf8:
        m.bytes = textfile::decode(shipped).toUtf8();
        m.mustReport = m.bytes != shipped;
        return m;
    case Utf16: {
        const QString decoded = textfile::decode(shipped);
        QByteArray utf16(reinterpret_cast<const char*>(decoded.utf16()), decoded.size() * 2);
        const bool bigEndian = below(2) == 0;
        if (bigEndian)
            for (qsizetype i = 0; i + 1 < utf16.size(); i += 2)
                std::swap(utf16[i], utf16[i + 1]);
        if (below(2) == 0)
            m.bytes = bigEndian ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE");
        m.bytes += utf16;
        m.mustReport = true;
        return m;
    }
    case ControlChar: {
        static const QByteArray controls("\x00\x01\x07\x08\x09\x0B\x0C\x1B\x7F\x81\x9D\r", 12);
        text().insert(below(int(text().size()) + 1), controls.at(below(int(controls.size()))));
        m.mustReport = true;
        break;
    }
    case Special: {
        m.kind = static_cast<Mutation::Kind>(between(1, 4));
        // c21 and the files after it are read while present: one removed ends the list.
        m.mustReport =
            m.kind != Mutation::Kind::Missing || !isMovable(m.file) || movableNumber(m.file) <= 20;
        return m;
    }
    case DayText: {
        m.file = QStringLiteral("%1.txt").arg(between(1, 12), 2, 10, QLatin1Char('0'));
        lines = linesOf(ShippedCopy::shippedBytes(m.file));
        const int day = between(1, 31);
        QByteArray replaced;
        for (int i = between(1, 60); i > 0; --i)
            replaced += "abcdefghijklmnopqrstuvwxyz ABC:+-.,()"[below(37)];
        lines[day - 1] = replaced + " -" + "bBrRMA"[below(6)];
        touch(m, day);
        break;
    }
    case PadCal:
    case DropYear: {
        m.file = QStringLiteral("cal.txt");
        lines = linesOf(ShippedCopy::shippedBytes(m.file));
        const int row = between(way == PadCal ? 33 : 3, int(lines.size()) + (way == PadCal));
        if (way == PadCal)
            lines.insert(row - 1, between(1, 3000),
                         below(2) == 0 ? QByteArray() : QByteArray("Sin celebraci\xF3n fija"));
        else
            lines.removeAt(row - 1);
        touch(m, row);
        m.mustReport = true;
        break;
    }
    case MoveDate: {
        int n = 0;
        int j = 0;
        QDate moved;
        while (!moved.isValid() || moved.year() != 2000 + j) {
            n = between(1, 21);
            j = below(100);
            const QDate date = n == 19 ? QDate() : shippedDate(n, j);
            moved =
                date.isValid() ? date.addDays(between(1, 6) * (below(2) == 0 ? 1 : -1)) : QDate();
        }
        moveDate(m, lines, n, j, moved);
        break;
    }
    case MonthLines: {
        m.file = QStringLiteral("%1.txt").arg(between(1, 12), 2, 10, QLatin1Char('0'));
        lines = linesOf(ShippedCopy::shippedBytes(m.file));
        const int day = between(1, 31);
        if (below(2) == 0)
            lines.insert(0, between(1, 2), QByteArray());
        else
            lines.insert(day - 1, QByteArray(lines.at(day - 1)));
        touch(m, day);
        m.mustReport = true;
        break;
    }
    case Ways:
        break;
    }
    m.bytes = joined(lines);
    return m;
}

} // namespace

Q_DECLARE_METATYPE(Mutation)

namespace {

void apply(ShippedCopy& data, const Mutation& m) {
    Mutation::Kind kind = m.kind;
#ifndef Q_OS_UNIX
    if (kind == Mutation::Kind::Fifo || kind == Mutation::Kind::DevZero)
        kind = Mutation::Kind::Folder; // neither a FIFO nor an endless device to link to
#endif
    switch (kind) {
    case Mutation::Kind::Bytes:
        data.write(m.file, m.bytes);
        break;
    case Mutation::Kind::Fifo:
        data.remove(m.file);
#ifdef Q_OS_UNIX
        QVERIFY(::mkfifo(QFile::encodeName(data.path(m.file)).constData(), 0600) == 0);
#endif
        break;
    case Mutation::Kind::DevZero:
        data.remove(m.file);
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), data.path(m.file)));
        break;
    case Mutation::Kind::Folder:
        data.remove(m.file);
        QVERIFY(QDir(data.ruta()).mkdir(m.file));
        break;
    case Mutation::Kind::Missing:
        data.remove(m.file);
        break;
    }
}

// The days the day view runs over: those the break touches, a few of its year, and one of
// 2009.
QList<QDate> sampleDates(const Mutation& m) {
    QList<QDate> dates = m.touched;
    for (const auto& [month, day] : {std::pair{1, 1}, {2, 28}, {4, 15}, {6, 15}, {9, 15}, {12, 25}})
        dates << QDate(m.year, month, day);
    dates << QDate(2009, 4, 12);
    return dates;
}

QString dump(const QList<datacheck::Problem>& problems) {
    QStringList lines;
    for (const datacheck::Problem& p : problems)
        lines << datacheck::problemLine(p);
    return lines.isEmpty() ? QStringLiteral("(ningún problema)") : lines.join(QLatin1Char('\n'));
}

} // namespace

class TstMutations : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyBreakEndsAndInvalidValuesAreNamed_data();
    void everyBreakEndsAndInvalidValuesAreNamed();

private:
    ShippedCopy data_;
};

void TstMutations::everyBreakEndsAndInvalidValuesAreNamed_data() {
    static const char* const kWays[] = {
        "truncated",       "cut line",          "garbage",       "long line",
        "bad date",        "out of order",      "week in range", "cal digit",
        "dominical digit", "year twice",        "swapped lines", "UTF-8",
        "UTF-16",          "control character", "special file",  "day text",
        "padded cal.txt",  "year line removed", "date moved",    "month lines"};
    static_assert(std::size(kWays) == MutationMaker::Ways);
    QTest::addColumn<Mutation>("mutation");
    MutationMaker maker;
    for (int i = 0; i < kMutations; ++i) {
        const auto way = static_cast<MutationMaker::Way>(i % MutationMaker::Ways);
        const Mutation m = maker.make(way);
        QTest::addRow("%03d %s %s", i, kWays[way], qPrintable(m.file)) << m;
    }
}

void TstMutations::everyBreakEndsAndInvalidValuesAreNamed() {
    QFETCH(Mutation, mutation);
    apply(data_, mutation);
    const auto restore = qScopeGuard([&] { data_.restore(mutation.file); });

    const calendar::DiskSource source(data_.ruta());
    dayview::DayValue previous;
    for (const QDate& date : sampleDates(mutation)) {
        dayview::DayValue value;
        try {
            dayview::runDay(date, source, previous, value);
            previous = value;
        } catch (const DataFault& fault) {
            const QFileInfo file(fault.path());
            QVERIFY2(QDir(file.absolutePath()) == QDir(data_.ruta()) && !file.fileName().isEmpty(),
                     qPrintable(fault.message()));
        }
    }

    const auto problems = datacheck::checkDataDirectory(data_.ruta());
    if (mutation.mustReport) {
        const bool named = std::any_of(problems.cbegin(), problems.cend(),
                                       [&](const auto& p) { return p.file == mutation.file; });
        QVERIFY2(named, qPrintable(dump(problems)));
    }
}

QTEST_GUILESS_MAIN(TstMutations)
#include "tst_mutations.moc"
