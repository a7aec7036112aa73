#include "calendar_data/day_readings.h"

#include "platform/data_fault.h"

#include <QHash>

#include <variant>

namespace calendar {

namespace {

template <typename T> using Reading = std::variant<T, DataFault>;

// The reading of `key` in `memory`, made by `read` at the first call; a fault is remembered and
// thrown again like a value.
template <typename Key, typename T, typename Read>
T remembered(QHash<Key, Reading<T>>& memory, const Key& key, Read read) {
    auto found = memory.constFind(key);
    if (found == memory.constEnd()) {
        try {
            found = memory.insert(key, Reading<T>(read()));
        } catch (const DataFault& fault) {
            found = memory.insert(key, Reading<T>(fault));
        }
    }
    if (const DataFault* fault = std::get_if<DataFault>(&*found))
        throw *fault;
    return std::get<T>(*found);
}

// A movable file's lines as far as the years asked for reach: each text with the first line
// that holds it.
struct MovableFile {
    QHash<QString, int> firstLine;
    int indexed = 0; // lines 1 .. indexed are in firstLine
};

// The movable celebrations of one year, as movableOfDay() reads them for every key at once:
// every text that files c1, c2, ... hold up to the year's line, with the highest file that
// holds it and its name; or what ends the files' reading for every key of the year, a fault or
// the first of c1..c20 too short for it.
struct MovableYear {
    int nAnio = -1;
    QHash<QString, std::pair<int, QString>> holders;
    std::optional<DataFault> fault;
    QString lacking;
};

MovableYear readMovableYear(const CalendarSource& data, int nAnio, QList<MovableFile>& files) {
    MovableYear year;
    year.nAnio = nAnio;
    const int count = nAnio + 2;
    for (int n = 1;; ++n) {
        const QString& path = data.movablePath(n);
        if (n > kMovableFiles && !data.exists(path))
            break;
        try {
            data.readLine(path, count); // the faults of reading lines 1 .. count
        } catch (const DataFault& fault) {
            if (n > kMovableFiles || fault.kind() != DataFault::Kind::PastEnd)
                year.fault = fault;
            else
                year.lacking = path;
            break;
        }
        if (files.size() < n)
            files.resize(n);
        MovableFile& file = files[n - 1];
        for (; file.indexed < count; ++file.indexed) {
            const QString line = data.readLine(path, file.indexed + 1);
            if (!file.firstLine.contains(line))
                file.firstLine.insert(line, file.indexed + 1);
        }
        const QString name = data.readLine(path, 1);
        for (auto line = file.firstLine.cbegin(); line != file.firstLine.cend(); ++line)
            if (line.value() <= count)
                year.holders.insert(line.key(), {n, name});
    }
    return year;
}

// The arguments of a reading as the key of its memory.
struct Texts {
    QString first;
    QString second;
    int number = 0;
    bool operator==(const Texts& other) const = default;
};

size_t qHash(const Texts& key, size_t seed = 0) {
    return qHashMulti(seed, key.first, key.second, key.number);
}

quint64 dateKey(int number, int nAnio, int year) {
    return (quint64(quint32(number)) << 40) ^ (quint64(quint32(nAnio)) << 20) ^ quint32(year);
}

} // namespace

struct DayReadings::Memory {
    QHash<quint64, Reading<QList<QDate>>> dateRows;
    QList<MovableFile> movableFiles; // c1, c2, ...
    MovableYear movableYear;         // the last year asked for: a range asks year after year
    QHash<Texts, Reading<QString>> lines;
    QHash<int, Reading<std::optional<YearRange>>> covered;
};

DayReadings::DayReadings(const CalendarSource& data) : data_(data) {}

DayReadings::DayReadings(const CalendarSource& data, bool remember)
    : data_(data), memory_(remember ? std::make_unique<Memory>() : nullptr) {}

DayReadings::~DayReadings() = default;

QList<QDate> DayReadings::movableDates(int last, int nAnio, int year) const {
    const auto read = [&] {
        QList<QDate> dates;
        for (int n = 1; n <= last; ++n)
            dates.append(calendar::movableDate(data_, n, nAnio, year));
        return dates;
    };
    if (!memory_)
        return read();
    return remembered(memory_->dateRows, dateKey(last, nAnio, year), read);
}

MovableOfDay DayReadings::movableOfDay(const QString& key, int nAnio) const {
    if (!memory_)
        return calendar::movableOfDay(data_, key, nAnio);
    MovableYear* year = &memory_->movableYear;
    if (year->nAnio != nAnio)
        *year = readMovableYear(data_, nAnio, memory_->movableFiles);
    if (year->fault)
        throw *year->fault;
    MovableOfDay found;
    found.lacking = year->lacking;
    if (const auto holder = year->holders.constFind(key); holder != year->holders.constEnd()) {
        found.number = holder->first;
        found.name = holder->second;
    }
    return found;
}

std::optional<YearRange> DayReadings::coveredYears(const CalTable& cal) const {
    if (!memory_)
        return calendar::coveredYears(data_, cal);
    return remembered(memory_->covered, 0, [&] { return calendar::coveredYears(data_, cal); });
}

QString DayReadings::readLine(const QString& path, int line) const {
    if (!memory_)
        return data_.readLine(path, line);
    return remembered(memory_->lines, Texts{path, {}, line},
                      [&] { return data_.readLine(path, line); });
}

} // namespace calendar
