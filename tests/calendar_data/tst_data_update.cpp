// The update of an installed data directory at the window's start: files still as an earlier
// release shipped them are replaced, edited files are kept and told once with the years they
// lack, missing files are installed, and the notes are never touched.

#include "calendar_data/data_update.h"
#include "platform/data_dir.h"
#include "support/data_fixture.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kShipped2016 = QStringLiteral(ORVANTEL_TEST_DATA_DIR "shipped-2016/");

} // namespace

class TstDataUpdate : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void installationOf2016IsBroughtUpToDate();
    void everyShippedVersionIsKnown();
};

void TstDataUpdate::installationOf2016IsBroughtUpToDate() {
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("datos/"));
    QCOMPARE(datadir::installIfMissing(ruta), QString());
    // As the 2016 release left it: its cal.txt and c5.txt, a c6.txt and a month file the user
    // edited, no c21.txt, and notes of the user's own.
    QVERIFY(QFile::remove(ruta + "cal.txt") &&
            QFile::copy(kShipped2016 + "cal.txt", ruta + "cal.txt"));
    QVERIFY(QFile::remove(ruta + "c5.txt") &&
            QFile::copy(kShipped2016 + "c5.txt", ruta + "c5.txt"));
    QByteArray c6 = fileBytes(kShipped2016 + "c5.txt");
    c6.replace("Domingo de Resurrecci\xf3n", "Pentecost\xe9s");
    writeRaw(ruta + "c6.txt", c6);
    writeRaw(ruta + "07.txt", fileBytes(kShipped2016 + "07.txt") + "Fiesta del patrono\r\n");
    QVERIFY(QFile::remove(ruta + "c21.txt"));
    writeRaw(ruta + "notas.txt", "Mis notas\r\n");

    const dataupdate::UpdateResult result = dataupdate::updateInstalledData(ruta);
    QCOMPARE(result.fault, QString());
    QCOMPARE(result.replaced, (QStringList{"c5.txt", "cal.txt"}));
    QCOMPARE(result.installed, QStringList{"c21.txt"});
    QCOMPARE(result.edited.size(), 2);
    QCOMPARE(result.edited.at(0).name, QStringLiteral("07.txt"));
    QCOMPARE(result.edited.at(0).lacking, QString()); // a month file holds no years
    QCOMPARE(result.edited.at(1).name, QStringLiteral("c6.txt"));
    QCOMPARE(result.edited.at(1).lacking, QStringLiteral("2017 a 2099"));
    for (const QString name : {"cal.txt", "c5.txt", "c21.txt"})
        QCOMPARE(fileBytes(ruta + name), datadir::embeddedBytes(name));
    QCOMPARE(fileBytes(ruta + "c6.txt"), c6);
    QCOMPARE(fileBytes(ruta + "notas.txt"), QByteArray("Mis notas\r\n"));

    // The user is told once; a second start finds nothing more to do or tell.
    QSettings settings(dir.filePath("ajustes.ini"), QSettings::IniFormat);
    const QString message = dataupdate::editedFilesMessage(result, ruta, settings);
    QVERIFY(message.contains("c6.txt: le faltan los años 2017 a 2099"));
    QVERIFY(message.contains("07.txt"));
    const dataupdate::UpdateResult again = dataupdate::updateInstalledData(ruta);
    QVERIFY(again.replaced.isEmpty() && again.installed.isEmpty());
    QCOMPARE(again.edited.size(), 2);
    QCOMPARE(dataupdate::editedFilesMessage(again, ruta, settings), QString());
}

void TstDataUpdate::everyShippedVersionIsKnown() {
    // The files of the 2016 release are among the versions the update recognises.
    for (const QString& name : QDir(kShipped2016).entryList(QDir::Files)) {
        const QByteArray hash =
            QCryptographicHash::hash(fileBytes(kShipped2016 + name), QCryptographicHash::Sha256)
                .toHex();
        bool known = false;
        for (const dataupdate::ShippedVersion& v : dataupdate::shippedVersions())
            known = known || (name == QLatin1String(v.name) && hash == v.sha256);
        QVERIFY2(known, qPrintable(name));
    }
}

QTEST_GUILESS_MAIN(TstDataUpdate)
#include "tst_data_update.moc"
