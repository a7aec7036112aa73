#include "platform/data_dir.h"

#include "platform/instance_lock.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QResource>
#include <QSaveFile>
#include <QStandardPaths>

namespace datadir {

namespace {
const QString kEmbedded = QStringLiteral(":/datos/");
}

QString withSeparator(const QString& dir) {
    if (dir.endsWith(QLatin1Char('/')) || dir.endsWith(QLatin1Char('\\')))
        return dir;
    return dir + QLatin1Char('/');
}

QString earlierWindowsRuta() {
    return QStringLiteral(
        "c:\\mis documentos\\virovedude 2000-2016\\archivos auxiliares\\virovedude\\");
}

QString chooseRuta(bool windows, bool earlierExists, const QString& documents) {
    if (windows && earlierExists)
        return earlierWindowsRuta();
    return withSeparator(documents) +
           QStringLiteral("virovedude 2000-2016/archivos auxiliares/virovedude/");
}

QString defaultRuta() {
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        documents = QDir::homePath();
#ifdef Q_OS_WIN
    // Only on Windows does the earlier folder's name mean a place; elsewhere it would be looked
    // for relative to the working folder. A user who keeps "c:\mis documentos" has the data
    // there, created beneath it on a first run.
    return chooseRuta(true, QFileInfo(QStringLiteral("c:\\mis documentos")).isDir(), documents);
#else
    return chooseRuta(false, false, documents);
#endif
}

QStringList embeddedFiles() {
    // QResource lists a folder's names without making a file information for each, as a QDir
    // listing does; it tells them to a class of its own.
    struct Folder : QResource {
        using QResource::children;
        using QResource::QResource;
    };
    QStringList names = Folder(kEmbedded).children();
    names.sort();
    return names;
}

QString installIfMissing(const QString& ruta) {
    // The lock of the running program is taken before the installation and may have created
    // the folder: a folder that holds nothing else is new all the same.
    for (QDirIterator it(ruta,
                         QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
         it.hasNext();) {
        it.next();
        if (it.fileName() != InstanceLock::fileName())
            return {};
    }
    if (!QDir().mkpath(ruta))
        return QStringLiteral("No se pudo crear la carpeta de datos \"%1\".")
            .arg(QDir::toNativeSeparators(ruta));
    for (const QString& name : embeddedFiles()) {
        if (QFile::exists(withSeparator(ruta) + name))
            continue;
        if (const QString fault = installFile(ruta, name); !fault.isEmpty())
            return fault;
    }
    return {};
}

QByteArray embeddedBytes(const QString& name) {
    // The data is embedded uncompressed, so its bytes are read in place, without a copy.
    const QResource resource(kEmbedded + name);
    if (!resource.isValid())
        return {};
    if (resource.compressionAlgorithm() != QResource::NoCompression)
        return resource.uncompressedData();
    return QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()), resource.size());
}

QString installFile(const QString& ruta, const QString& name) {
    const QString target = withSeparator(ruta) + name;
    QFile source(kEmbedded + name);
    QSaveFile out(target);
    if (!source.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly) ||
        out.write(source.readAll()) != source.size() || !out.commit())
        return QStringLiteral("No se pudo instalar el archivo de datos \"%1\".")
            .arg(QDir::toNativeSeparators(target));
    return {};
}

} // namespace datadir
