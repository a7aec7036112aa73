#include "calendar_data/data_update.h"

#include "calendar_data/calendar_files.h"
#include "platform/data_dir.h"
#include "platform/data_fault.h"
#include "platform/text_file.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QSettings>

namespace dataupdate {

namespace {

const QString kNotes = QStringLiteral("notas.txt");

QByteArray sha256(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

bool onceShipped(const QString& name, const QByteArray& hash) {
    for (const ShippedVersion& v : shippedVersions()) {
        if (name == QLatin1String(v.name) && hash == v.sha256)
            return true;
    }
    return false;
}

// The years a calendar file holds: for "cal.txt" those it lists, for a movable file those it has
// a line for; none for the month files, which hold no years.
QSet<int> yearsHeld(const QString& name, const QByteArray& bytes) {
    QSet<int> years;
    const QStringList lines = textfile::splitLines(textfile::decode(bytes));
    if (name == QLatin1String("cal.txt")) {
        for (const QString& line : lines) {
            bool ok = false;
            const int yy = textfile::field(line, 41, 2).toInt(&ok);
            if (ok && yy >= 0)
                years.insert(calendar::kFirstYear + yy);
        }
    } else if (name.startsWith(QLatin1Char('c'))) {
        for (qsizetype j = 0; j + 1 < lines.size(); ++j)
            years.insert(calendar::kFirstYear + int(j));
    }
    return years;
}

// "2017 a 2099", "2030, 2041 a 2042": the years as ranges.
QString yearRanges(QList<int> years) {
    std::sort(years.begin(), years.end());
    QStringList parts;
    for (qsizetype i = 0; i < years.size();) {
        qsizetype j = i;
        while (j + 1 < years.size() && years.at(j + 1) == years.at(j) + 1)
            ++j;
        parts.append(i == j ? QString::number(years.at(i))
                            : QStringLiteral("%1 a %2").arg(years.at(i)).arg(years.at(j)));
        i = j + 1;
    }
    return parts.join(QStringLiteral(", "));
}

QString settingsKey(const QString& ruta) {
    return QStringLiteral("datos-editados/") +
           QString::fromLatin1(sha256(QDir::cleanPath(ruta).toUtf8()).left(16));
}

// Brings one installed file up to date, noting in `result` what was done; the fault when the file
// could not be written, else "".
QString updateFile(const QString& dir, const QString& name, UpdateResult& result) {
    const QString path = dir + name;
    QByteArray installed;
    try {
        installed = textfile::readFileBytes(path);
    } catch (const DataFault& unread) {
        // A missing file is installed. A link that leads nowhere is the user's and, like any file
        // that cannot be read, is left for the day view to name.
        if (unread.kind() != DataFault::Kind::NotFound || QFileInfo(path).isSymLink())
            return {};
        const QString fault = datadir::installFile(dir, name);
        if (fault.isEmpty())
            result.installed.append(name);
        return fault;
    }
    const QByteArray current = datadir::embeddedBytes(name);
    if (installed == current)
        return {};
    if (!onceShipped(name, sha256(installed))) {
        const QList<int> lacking = (yearsHeld(name, current) - yearsHeld(name, installed)).values();
        result.edited.append({name, yearRanges(lacking)});
        return {};
    }
    const QString fault = datadir::installFile(dir, name);
    if (fault.isEmpty())
        result.replaced.append(name);
    return fault;
}

} // namespace

UpdateResult updateInstalledData(const QString& ruta) {
    UpdateResult result;
    const QString dir = datadir::withSeparator(ruta);
    for (const QString& name : datadir::embeddedFiles()) {
        if (name == kNotes)
            continue;
        if (const QString fault = updateFile(dir, name, result);
            !fault.isEmpty() && result.fault.isEmpty())
            result.fault = fault;
    }
    return result;
}

QString editedFilesMessage(const UpdateResult& result, const QString& ruta, QSettings& settings) {
    const QString key = settingsKey(ruta);
    QStringList told = settings.value(key).toStringList();
    QStringList lines;
    for (const EditedFile& file : result.edited) {
        if (told.contains(file.name))
            continue;
        told.append(file.name);
        lines.append(
            file.lacking.isEmpty()
                ? QStringLiteral("  %1").arg(file.name)
                : QStringLiteral("  %1: le faltan los años %2").arg(file.name, file.lacking));
    }
    if (lines.isEmpty())
        return {};
    settings.setValue(key, told);
    return QStringLiteral("Estos archivos del calendario tienen cambios suyos y se han conservado "
                          "tal como están, sin la versión nueva del programa:\n%1\n\n"
                          "Carpeta: %2")
        .arg(lines.join(QLatin1Char('\n')), QDir::toNativeSeparators(ruta));
}

} // namespace dataupdate
