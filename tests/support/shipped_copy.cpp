#include "support/shipped_copy.h"

#include "platform/text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
const QString kShipped = QStringLiteral(ORVANTEL_SOURCE_DATA_DIR);
}

ShippedCopy::ShippedCopy() {
    for (const QString& name : shippedNames())
        restore(name);
}

QByteArray ShippedCopy::shippedBytes(const QString& name) {
    QFile file(kShipped + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(file.fileName()));
    return file.readAll();
}

QStringList ShippedCopy::shippedNames() {
    return QDir(kShipped).entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
}

void ShippedCopy::write(const QString& name, const QByteArray& bytes) {
    remove(name);
    QFile file(path(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(file.fileName()));
}

void ShippedCopy::setLine(const QString& name, int line, const QString& text) {
    QFile file(path(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(file.fileName()));
    QList<QByteArray> lines = file.readAll().split('\n');
    file.close();
    lines[line - 1] = textfile::encode(text) + '\r';
    write(name, lines.join('\n'));
}

void ShippedCopy::remove(const QString& name) {
    const QFileInfo info(path(name));
    if (info.isDir() && !info.isSymLink())
        QDir(path(name)).removeRecursively();
    else
        QFile::remove(path(name));
}
