#include "support/data_fixture.h"

#include "platform/text_file.h"
#include "support/calendar_facts.h"

#include <QFile>

namespace {
QString monthFileName(int month) {
    return QStringLiteral("%1.txt").arg(month, 2, 10, QLatin1Char('0'));
}
} // namespace

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeRaw(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    file.write(bytes);
}

DataFixture::DataFixture() : source_(ruta()) {
    writeLines(QStringLiteral("cal.txt"), facts::calLines());
    for (int month = 1; month <= 12; ++month) {
        QStringList lines;
        for (int day = 1; day <= 31; ++day)
            lines << defaultDayLine(month, day);
        writeLines(monthFileName(month), lines);
    }
    for (int n = 1; n <= 20; ++n) {
        QStringList lines;
        if (n == 19) {
            lines << QStringLiteral("Semana del T.O. tras Pentecostés");
            for (int year = 2000; year <= 2016; ++year)
                lines << QStringLiteral("%1-%2")
                             .arg(year % 100, 2, 10, QLatin1Char('0'))
                             .arg(facts::weekAfterPentecost(year), 2, 10, QLatin1Char('0'));
        } else {
            const QString listed = facts::listedName(n);
            lines << (listed.isEmpty() ? QStringLiteral("Celebración %1").arg(n) : listed);
            for (int year = 2000; year <= 2016; ++year)
                lines << facts::dateLine(facts::movableDate(n, year));
        }
        writeLines(QStringLiteral("c%1.txt").arg(n), lines);
    }
    writeRaw(path(QStringLiteral("notas.txt")), {});
}

QString DataFixture::ruta() const {
    return dir_.path() + QLatin1Char('/');
}

void DataFixture::writeLines(const QString& name, const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += textfile::encode(line) + "\r\n";
    writeRaw(path(name), bytes);
}

QStringList DataFixture::lines(const QString& name) const {
    QFile file(path(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = textfile::decode(file.readAll());
    if (text.endsWith(QStringLiteral("\r\n")))
        text.chop(2);
    return text.split(QStringLiteral("\r\n"));
}

void DataFixture::removeFile(const QString& name) {
    QFile::remove(path(name));
}

QString DataFixture::defaultDayLine(int month, int day) {
    return QStringLiteral("Dia %1/%2").arg(day).arg(month);
}

void DataFixture::setDayLine(int month, int day, const QString& text) {
    QStringList all = lines(monthFileName(month));
    all[day - 1] = text;
    writeLines(monthFileName(month), all);
}

void DataFixture::setMovableLine(int n, int line, const QString& text) {
    const QString name = QStringLiteral("c%1.txt").arg(n);
    QStringList all = lines(name);
    all[line - 1] = text;
    writeLines(name, all);
}
