#pragma once
// A copy of the shipped data directory (the repository's data folder, every year 2000..2099)
// in a temporary folder, for the tests that break the real data one file at a time.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class ShippedCopy {
public:
    ShippedCopy();

    // The data directory, ending with '/'.
    QString ruta() const { return dir_.path() + QLatin1Char('/'); }
    QString path(const QString& name) const { return ruta() + name; }

    // The bytes of the shipped file `name`.
    static QByteArray shippedBytes(const QString& name);
    // The names of the shipped files, notas.txt included.
    static QStringList shippedNames();

    // Puts `bytes` in place of whatever stands at `name`.
    void write(const QString& name, const QByteArray& bytes);
    // Line `line` (from 1) of the file replaced by `text`, written in Windows-1252.
    void setLine(const QString& name, int line, const QString& text);
    // Removes whatever stands at `name`: a file, a link, a FIFO or a folder.
    void remove(const QString& name);
    // The shipped file back in place of whatever stands at `name`.
    void restore(const QString& name) { write(name, shippedBytes(name)); }

private:
    QTemporaryDir dir_;
};
