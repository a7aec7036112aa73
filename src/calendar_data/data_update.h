#pragma once
// Brings an installed data directory up to date with the calendar data embedded in the program,
// without ever losing an edit. A calendar file whose bytes are those of a version the program
// once shipped is replaced with the current one; a missing one is installed; one the user has
// edited is kept as it is and reported, with the years it therefore lacks. The notes file is
// never touched. Every installed file is read through the guarded readers, so a special file in
// place of a data file is left alone for the day view to name.

#include <QList>
#include <QString>
#include <QStringList>

class QSettings;

namespace dataupdate {

struct ShippedVersion {
    const char* name;
    const char* sha256; // lower-case hex
};
// Every version of the calendar files the program has ever shipped before the current one.
const QList<ShippedVersion>& shippedVersions();

struct EditedFile {
    QString name;
    QString lacking; // "2017 a 2099", the years the current file has and this one lacks; or ""
};

struct UpdateResult {
    QStringList replaced;     // still as once shipped: now the current version
    QStringList installed;    // missing: installed
    QList<EditedFile> edited; // the user's own: kept
    QString fault;            // a file that could not be written, in Spanish; or ""
};

// Updates the calendar files of `ruta`, each written atomically.
UpdateResult updateInstalledData(const QString& ruta);

// The message that tells the user, once, which files hold their own edits and which years they
// lack; empty when every such file was told before. Remembers the files told in `settings`,
// under the data directory `ruta`.
QString editedFilesMessage(const UpdateResult& result, const QString& ruta, QSettings& settings);

} // namespace dataupdate
