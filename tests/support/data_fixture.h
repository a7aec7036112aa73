#pragma once
// A complete, valid data directory in a temporary folder, built for one test: a correct
// "cal.txt", month files whose line d of month m reads "Dia d/m" (no colour letter), the
// twenty movable-celebration files with the real dates of 2000..2016, "c19.txt" and an empty
// "notas.txt". Tests then change, shorten or remove single files to build the case they need.

#include "calendar_data/calendar_source.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class DataFixture {
public:
    DataFixture();

    // The data directory, ending with '/'.
    QString ruta() const;
    // The directory as the readers of the calendar take it: the files on disk.
    const calendar::CalendarSource& source() const { return source_; }
    QString path(const QString& name) const { return ruta() + name; }

    // Writes the lines in Windows-1252, each ended by CR LF.
    void writeLines(const QString& name, const QStringList& lines);
    QStringList lines(const QString& name) const;
    void removeFile(const QString& name);

    static QString defaultDayLine(int month, int day);
    void setDayLine(int month, int day, const QString& text);
    // Line `line` (from 1) of movable file n.
    void setMovableLine(int n, int line, const QString& text);

private:
    QTemporaryDir dir_;
    calendar::DiskSource source_;
};

// Writes `text` to `path` in Windows-1252 as it stands.
void writeRaw(const QString& path, const QByteArray& bytes);

// Every byte of the file at `path`, or "<unreadable>" when it cannot be read.
QByteArray fileBytes(const QString& path);
