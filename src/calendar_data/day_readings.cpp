#include "calendar_data/day_readings.h"

#include "platform/data_fault.h"

#include <QHash>

#include <algorithm>

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

// A movable file as far as the years asked for have read it: its name line, and how many of
// its lines are in MovableTexts.
struct MovableFile {
    QString name;
    int indexed = 0;
};

// Every text of the movable files read so far, with each file that holds it and the first line
// of that file that does (a file once). A text is one file's in all but odd data.
using MovableTexts = QHash<QString, QList<std::pair<int, int>>>;

// What ends or limits the movable files' reading for every key of one year: a fault, or the
// first of c1..c20 too short for it; and how many files, from c1 on, were read for the year.
struct MovableYear {
    int nAnio = -1;
    int filesRead = 0;
    std::optional<DataFault> fault;
    QString lacking;
};

// Reads the files for year nAnio, indexing the lines of each that the year reaches and no
// earlier year had: each line of a file is indexed once over a range of years.
MovableYear readMovableYear(const CalendarSource& data, int nAnio, QList<MovableFile>& files,
                            MovableTexts& texts) {
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
        if (file.indexed == 0)
            file.name = data.readLine(path, 1);
        for (; file.indexed < count; ++file.indexed) {
            QList<std::pair<int, int>>& holders = texts[data.readLine(path, file.indexed + 1)];
            if (std::none_of(holders.cbegin(), holders.cend(),
                             [n](const auto& holder) { return holder.first == n; }))
                holders.append({n, file.indexed + 1});
        }
        year.filesRead = n;
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
    MovableTexts movableTexts;       // their lines indexed so far
    MovableYear movableYear;         // the last year asked for: a range asks year after year
    QHash<Texts, Reading<QString>> lines;
    // The line read last: a range asks for the same line of "c19.txt" day after day.
    std::optional<Texts> lastLine;
    Reading<QString> lastReading;
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
        *year = readMovableYear(data_, nAnio, memory_->movableFiles, memory_->movableTexts);
    if (year->fault)
        throw *year->fault;
    MovableOfDay found;
    found.lacking = year->lacking;
    // The highest of the files read for the year that holds the key by the year's line.
    const auto holders = memory_->movableTexts.constFind(key);
    if (holders == memory_->movableTexts.constEnd())
        return found;
    for (const auto& [n, firstLine] : *holders) {
        if (n <= year->filesRead && firstLine <= nAnio + 2 && n > found.number.value_or(0)) {
            found.number = n;
            found.name = memory_->movableFiles.at(n - 1).name;
        }
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
    Memory& memory = *memory_;
    if (!memory.lastLine || memory.lastLine->number != line || memory.lastLine->first != path) {
        memory.lastLine = Texts{path, {}, line};
        try {
            memory.lastReading = remembered(memory.lines, *memory.lastLine,
                                            [&] { return data_.readLine(path, line); });
        } catch (const DataFault& fault) {
            memory.lastReading = fault;
        }
    }
    if (const DataFault* fault = std::get_if<DataFault>(&memory.lastReading))
        throw *fault;
    return std::get<QString>(memory.lastReading);
}

} // namespace calendar
