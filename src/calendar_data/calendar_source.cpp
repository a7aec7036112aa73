#include "calendar_data/calendar_source.h"

#include "platform/text_file.h"

namespace calendar {

QString CalendarSource::readLine(const QString& path, int line) const {
    const QStringList lines = readLines(path, line);
    return lines.isEmpty() ? QString() : lines.last();
}

QStringList DiskSource::readLines(const QString& path, int count) const {
    return textfile::readLines(path, count);
}

QStringList MemorySource::readLines(const QString& path, int count) const {
    auto file = files_.constFind(path);
    if (file == files_.constEnd())
        file = files_.emplace(path, path);
    return file->lines(count);
}

} // namespace calendar
