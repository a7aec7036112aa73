#pragma once
// The one way the data files are read and written: 8-bit Windows-1252 text, lines ended by
// CR LF (a bare LF is accepted too). A reader takes whole lines from the first on, as many as
// its step needs; a file that is missing or shorter than that throws a DataFault naming it.

#include <QString>
#include <QStringList>

namespace textfile {

// Lines 1 .. count of the file, without their line ends. Throws DataFault (NotFound, PastEnd).
QStringList readLines(const QString& path, int count);

// Line number `line` (from 1) of the file: reads lines 1 .. line. Throws as readLines.
QString readLine(const QString& path, int line);

// Every line of the file. Throws DataFault (NotFound).
QStringList readAllLines(const QString& path);

// Windows-1252 decoding and encoding of a text, by a fixed table that needs nothing from the
// platform. Every byte decodes to one character; a character with no place in the code page is
// encoded as '?', so check encodable() first wherever that matters.
QString decode(const QByteArray& bytes);
QByteArray encode(const QString& text);
// True when every character of the text has a place in Windows-1252.
bool encodable(const QString& text);

// The characters `count` from column `column` (counted from 1); past the end of a short line
// the result is shorter, or the empty text.
QString field(const QString& line, int column, int count = 1);

// A text read as a number: leading blanks skipped, reading stops at the first character that
// cannot continue a number, no digits give 0.
int numberValue(const QString& text);

// A number as text with one leading blank when it is not negative (" 10", "-3").
QString blankNumber(int value);

} // namespace textfile
