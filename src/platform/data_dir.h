#pragma once
// The data directory `Ruta` where the calendar files and the notes file live, and the first-run
// installation of the calendar data embedded in the program.

#include <QString>

namespace datadir {

// The fixed data directory, ending with a separator. On Windows the literal
// "c:\mis documentos\virovedude 2000-2016\archivos auxiliares\virovedude\"; elsewhere the same
// folders under the user's documents folder.
QString defaultRuta();

// Ruta with a trailing separator, whatever the caller passed.
QString withSeparator(const QString& dir);

// When `ruta` does not exist, creates it and writes every embedded data file into it; a file
// that already exists is never overwritten. Returns an empty text on success, otherwise a
// Spanish message naming the folder or file that could not be written.
QString installIfMissing(const QString& ruta);

// Names of the data files embedded in the program.
QStringList embeddedFiles();

} // namespace datadir
