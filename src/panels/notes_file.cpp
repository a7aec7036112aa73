#include "panels/notes_file.h"

#include "platform/data_fault.h"
#include "platform/text_file.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace notes {

namespace {

const QChar kLf = QLatin1Char('\n');
const QString kRecoveryName = QStringLiteral("notas-recuperadas");
const QChar kCr = QLatin1Char('\r');

QString fileName(const QString& path) {
    return QDir::toNativeSeparators(path);
}

} // namespace

qint64 fileBytes(qint64 characters, qint64 lines) {
    // A line break of the text is one character and two bytes, and the last line has its own.
    return characters == 0 ? 0 : characters + lines + 1;
}

QString textFromBytes(const QByteArray& bytes) {
    QString text = textfile::decode(bytes);
    text.replace(QStringLiteral("\r\n"), QString(kLf));
    text.replace(kCr, kLf);
    if (text.endsWith(kLf))
        text.chop(1);
    return text;
}

QByteArray bytesFromText(const QString& text) {
    if (text.isEmpty())
        return {};
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QString(kLf));
    lines.replace(kCr, kLf);
    lines.replace(kLf, QStringLiteral("\r\n"));
    return textfile::encode(lines + QStringLiteral("\r\n"));
}

QString textFromBox(const QString& raw) {
    QString text = raw;
    for (QChar& c : text) {
        switch (c.unicode()) {
        case QChar::ParagraphSeparator:
        case QChar::LineSeparator:
        case 0xFDD0: // the document's frame marks
        case 0xFDD1:
            c = kLf;
            break;
        default:
            break;
        }
    }
    return text;
}

NotesRead readNotes(const QString& path) {
    if (!QFileInfo::exists(path))
        return {NotesRead::State::Missing, {}, {}};
    // Read as the data files are, so that a folder, FIFO or device in its place ends the read
    // at once, and whole or not at all: every byte decodes, so the text read is the file.
    try {
        return {
            NotesRead::State::Read, textFromBytes(textfile::readFileBytes(path, kMaxBytes)), {}};
    } catch (const DataFault& fault) {
        QString why;
        switch (fault.kind()) {
        case DataFault::Kind::TooLarge:
            why = QStringLiteral("pasa de %1 MB, lo más que pueden ocupar las notas")
                      .arg(kMaxBytes / (1024 * 1024));
            break;
        case DataFault::Kind::NotRegular:
            why = QStringLiteral("no es un archivo normal, sino una carpeta o un archivo especial");
            break;
        default:
            why = QStringLiteral("el sistema no deja leerlo (permisos o fallo del disco)");
            break;
        }
        return {NotesRead::State::Unreadable,
                {},
                QStringLiteral("No se puede leer el archivo \"%1\": %2.").arg(fileName(path), why)};
    }
}

bool needsWrite(const QString& path, bool edited) {
    return edited || !QFileInfo::exists(path);
}

void writeNotes(const QString& path, const QString& text) {
    const QString kept = QStringLiteral("Las notas siguen abiertas con su texto y el archivo "
                                        "anterior no se ha modificado.");
    if (!textfile::encodable(text))
        throw DataFault(DataFault::Kind::WriteFailed, path,
                        QStringLiteral("Las notas tienen caracteres que el archivo no puede "
                                       "guardar: ") +
                            refusedText(text, refusedCharacters(text)) + QLatin1Char('\n') + kept);
    const QByteArray bytes = bytesFromText(text);
    if (bytes.size() > kMaxBytes)
        throw DataFault(
            DataFault::Kind::WriteFailed, path,
            QStringLiteral("Las notas pasan de %1 MB.\n").arg(kMaxBytes / (1024 * 1024)) + kept);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw DataFault(DataFault::Kind::WriteFailed, path, kept);
}

QString writeRecoveryCopy(const QString& notesPath, const QString& text) {
    return writeRecoveryCopyIn({QFileInfo(notesPath).absolutePath(),
                                QStandardPaths::writableLocation(QStandardPaths::TempLocation)},
                               text);
}

QString writeRecoveryCopyIn(const QStringList& folders, const QString& text) {
    const QByteArray bytes = bytesFromText(text);
    for (const QString& folder : folders) {
        if (folder.isEmpty())
            continue;
        // Never over an earlier copy, which may hold notes the user has not taken back yet.
        const QDir dir(folder);
        QString path = dir.filePath(kRecoveryName + QStringLiteral(".txt"));
        for (int n = 2; QFileInfo::exists(path) || QFileInfo(path).isSymLink(); ++n)
            path = dir.filePath(kRecoveryName + QStringLiteral("-%1.txt").arg(n));
        QSaveFile file(path);
        if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
            return path;
    }
    throw DataFault(DataFault::Kind::WriteFailed,
                    QDir(folders.value(0)).filePath(kRecoveryName + QStringLiteral(".txt")),
                    QStringLiteral("Tampoco se pudo escribir en la carpeta temporal."));
}

QString recoveryMessage(const QString& copyPath) {
    return QStringLiteral("Las notas que no se pudieron guardar en su archivo están en \"%1\".")
        .arg(fileName(copyPath));
}

QList<Refused> refusedCharacters(const QString& text) {
    QList<Refused> refused;
    if (textfile::encodable(text))
        return refused;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()
                ? 2
                : 1;
        if (!textfile::encodable(text.mid(i, length)))
            refused.append({i, length});
        i += length;
    }
    return refused;
}

QString refusedText(const QString& text, const QList<Refused>& refused) {
    QStringList seen;
    for (const Refused& r : refused) {
        const QString character = text.mid(r.position, r.length);
        if (!seen.contains(character))
            seen.append(character);
    }
    return seen.join(QLatin1Char(' '));
}

QString unreadableMessage(const NotesRead& read) {
    return read.fault + QStringLiteral(" Las notas no se abren, para no sustituir su contenido.");
}

QString tooLongMessage(const QString& path) {
    return QStringLiteral("Las notas no pueden pasar de %1 MB en el archivo \"%2\": lo escrito "
                          "de más no se ha añadido.")
        .arg(kMaxBytes / (1024 * 1024))
        .arg(fileName(path));
}

QString refusedMessage(const QString& characters, const QString& path) {
    return QStringLiteral("Estos caracteres no se pueden guardar en el archivo \"%1\" y no se han "
                          "añadido a las notas: %2")
        .arg(fileName(path), characters);
}

} // namespace notes
