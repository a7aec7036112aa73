#include "calendar_data/calendar_source.h"

#include "platform/text_file.h"

#include <QFileInfo>

namespace calendar {

QString CalendarSource::readLine(const QString& path, int line) const {
    const QStringList lines = readLines(path, line);
    return lines.isEmpty() ? QString() : lines.last();
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

} // namespace calendar
