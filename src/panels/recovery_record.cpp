#include "panels/recovery_record.h"

#include <QDir>
#include <QFileInfo>

namespace notes {

namespace {

const QString kArray = QStringLiteral("notasRecuperadas");
const QString kNotes = QStringLiteral("notas");
const QString kCopy = QStringLiteral("copia");

struct Entry {
    QString notes;
    QString copy;
};

QList<Entry> readAll(QSettings& settings) {
    QList<Entry> entries;
    const int size = settings.beginReadArray(kArray);
    for (int i = 0; i < size; ++i) {
        settings.setArrayIndex(i);
        entries.append({settings.value(kNotes).toString(), settings.value(kCopy).toString()});
    }
    settings.endArray();
    return entries;
}

void writeAll(QSettings& settings, const QList<Entry>& entries) {
    settings.remove(kArray);
    if (entries.isEmpty())
        return;
    settings.beginWriteArray(kArray, static_cast<int>(entries.size()));
    for (int i = 0; i < entries.size(); ++i) {
        settings.setArrayIndex(i);
        settings.setValue(kNotes, entries.at(i).notes);
        settings.setValue(kCopy, entries.at(i).copy);
    }
    settings.endArray();
}

} // namespace

RecoveryRecord::RecoveryRecord(const QString& notesPath)
    : notesPath_(QDir::cleanPath(QFileInfo(notesPath).absoluteFilePath())) {}

void RecoveryRecord::add(const QString& copyPath) {
    QList<Entry> entries = readAll(settings_);
    entries.append({notesPath_, copyPath});
    writeAll(settings_, entries);
    settings_.sync();
}

QStringList RecoveryRecord::take() {
    QList<Entry> entries = readAll(settings_);
    QStringList copies;
    const auto mine = [this](const Entry& e) { return e.notes == notesPath_; };
    for (const Entry& e : entries) {
        if (mine(e) && QFileInfo::exists(e.copy))
            copies.append(e.copy);
    }
    if (entries.removeIf(mine) > 0) {
        writeAll(settings_, entries);
        settings_.sync();
    }
    return copies;
}

} // namespace notes
