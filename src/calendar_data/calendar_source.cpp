#include "calendar_data/calendar_source.h"

#include "calendar_data/cal_table.h"
#include "calendar_data/calendar_files.h"
#include "platform/data_fault.h"
#include "platform/text_file.h"

#include <QFileInfo>

namespace calendar {

const QString& CalendarSource::calPath() const {
    if (calPath_.isEmpty())
        calPath_ = calFile(ruta_);
    return calPath_;
}

const QString& CalendarSource::monthPath(int month) const {
    auto path = monthPaths_.constFind(month);
    if (path == monthPaths_.constEnd())
        path = monthPaths_.insert(month, monthFile(ruta_, month));
    return *path;
}

const QString& CalendarSource::movablePath(int number) const {
    auto path = movablePaths_.constFind(number);
    if (path == movablePaths_.constEnd())
        path = movablePaths_.insert(number, movableFile(ruta_, number));
    return *path;
}

QString CalendarSource::readLine(const QString& path, int line) const {
    const QStringList lines = readLines(path, line);
    return lines.isEmpty() ? QString() : lines.last();
}

int CalendarSource::lineCount(const QString& path) const {
    return int(readAllLines(path).size());
}

bool CalendarSource::holdsLine(const QString& path, int count, const QString& text) const {
    return readLines(path, count).contains(text);
}

std::shared_ptr<const CalTable> CalendarSource::calTable() const {
    const QString& path = calPath();
    const QStringList lines = readAllLines(path);
    if (lines.size() < kCalLines)
        throw DataFault(DataFault::Kind::PastEnd, path);
    return std::make_shared<const CalTable>(lines);
}

namespace {

// The tables of "cal.txt" made from views of the loaded text, no line copied; throws as
// CalendarSource::calTable.
std::shared_ptr<const CalTable> tableOf(const textfile::LoadedFile& loaded, const QString& path) {
    const int count = loaded.lineCount();
    if (count < kCalLines)
        throw DataFault(DataFault::Kind::PastEnd, path);
    return std::make_shared<const CalTable>(count,
                                            [&loaded](int i) { return loaded.lineView(i + 1); });
}

} // namespace

std::shared_ptr<const CalTable> DiskSource::calTable() const {
    return tableOf(textfile::LoadedFile(calPath()), calPath());
}

QStringList DiskSource::readLines(const QString& path, int count) const {
    return textfile::readLines(path, count);
}

QStringList DiskSource::readAllLines(const QString& path) const {
    return textfile::readAllLines(path);
}

bool DiskSource::exists(const QString& path) const {
    return QFileInfo::exists(path);
}

const textfile::LoadedFile& MemorySource::file(const QString& path) const {
    if (last_ && path == lastPath_)
        return *last_;
    auto loaded = files_.constFind(path);
    if (loaded == files_.constEnd())
        loaded = files_.emplace(path, path);
    lastPath_ = path;
    last_ = &*loaded;
    return *last_;
}

QStringList MemorySource::readAllLines(const QString& path) const {
    return file(path).all();
}

int MemorySource::lineCount(const QString& path) const {
    return file(path).lineCount();
}

bool MemorySource::exists(const QString& path) const {
    auto known = exists_.constFind(path);
    if (known == exists_.constEnd())
        known = exists_.insert(path, QFileInfo::exists(path));
    return *known;
}

QStringList MemorySource::readLines(const QString& path, int count) const {
    return file(path).lines(count);
}

QString MemorySource::readLine(const QString& path, int line) const {
    return file(path).line(line);
}

std::shared_ptr<const CalTable> MemorySource::calTable() const {
    // A fault is not kept here: the loaded file throws it again.
    if (!calTable_)
        calTable_ = tableOf(file(calPath()), calPath());
    return calTable_;
}

bool MemorySource::holdsLine(const QString& path, int count, const QString& text) const {
    return file(path).holds(count, text);
}

} // namespace calendar
