#pragma once
// The data directory `Ruta` where the calendar files and the notes file live, and the first-run
// installation of the calendar data embedded in the program.

#include <QString>

namespace datadir {

// The data directory of this system and this user, ending with a separator: chooseRuta() for
// the running system, its documents folder and whether the folder of earlier installations is
// there.
QString defaultRuta();

// The folder where the program has always kept its data on Windows:
// "c:\mis documentos\virovedude 2000-2016\archivos auxiliares\virovedude\".
QString earlierWindowsRuta();

// The data directory, ending with a separator. On Windows, when the user keeps the folder
// "c:\mis documentos" (`earlierExists`), the folder of earlier installations beneath it, so that
// existing installations keep their data and notes. Otherwise "virovedude 2000-2016/archivos
// auxiliares/virovedude/" under the user's `documents` folder, and never a folder at the root of a
// drive that serves every account.
QString chooseRuta(bool windows, bool earlierExists, const QString& documents);

// Ruta with a trailing separator, whatever the caller passed.
QString withSeparator(const QString& dir);

// When `ruta` does not exist, or holds nothing but the lock of the running program (see
// InstanceLock), creates it and writes every embedded data file into it; a file that already
// exists is never overwritten. Returns an empty text on success, otherwise a
// Spanish message naming the folder or file that could not be written.
QString installIfMissing(const QString& ruta);

// Names of the data files embedded in the program, and the bytes of one of them.
QStringList embeddedFiles();
QByteArray embeddedBytes(const QString& name);

// Writes the embedded file `name` into `ruta` atomically, over any file of that name. Returns an
// empty text on success, otherwise a Spanish message naming the file.
QString installFile(const QString& ruta, const QString& name);

} // namespace datadir
