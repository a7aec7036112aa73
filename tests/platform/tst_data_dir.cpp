// The data directory: where it is, and the first run that installs the embedded calendar data
// into it without ever overwriting a file the user has.

#include "platform/data_dir.h"
#include "support/data_fixture.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TstDataDir : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void liesUnderTheDocumentsFolder();
    void choiceOfTheFolder_data();
    void choiceOfTheFolder();
    void firstRunInstallsEveryCalendarFile();
    void neverOverwritesTheUsersFiles();
    void reportsAFolderThatCannotBeCreated();
};

void TstDataDir::liesUnderTheDocumentsFolder() {
    QStandardPaths::setTestModeEnabled(true);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QCOMPARE(datadir::defaultRuta(),
             datadir::withSeparator(documents) +
                 QStringLiteral("virovedude 2000-2016/archivos auxiliares/virovedude/"));
}

void TstDataDir::choiceOfTheFolder_data() {
    QTest::addColumn<bool>("windows");
    QTest::addColumn<bool>("earlierExists");
    QTest::addColumn<QString>("documents");
    QTest::addColumn<QString>("ruta");
    const QString earlier = QStringLiteral(
        "c:\\mis documentos\\virovedude 2000-2016\\archivos auxiliares\\virovedude\\");
    QTest::newRow("Windows, earlier installation kept")
        << true << true << "C:/Users/ana/Documents" << earlier;
    QTest::newRow("Windows, no earlier installation")
        << true << false << "C:/Users/ana/Documents"
        << "C:/Users/ana/Documents/virovedude 2000-2016/archivos auxiliares/virovedude/";
    QTest::newRow("elsewhere the Windows folder means nothing")
        << false << true << "/home/ana/Documentos"
        << "/home/ana/Documentos/virovedude 2000-2016/archivos auxiliares/virovedude/";
    QTest::newRow("documents folder ending in a separator")
        << false << false << "/home/ana/Documentos/"
        << "/home/ana/Documentos/virovedude 2000-2016/archivos auxiliares/virovedude/";
}

void TstDataDir::choiceOfTheFolder() {
    QFETCH(bool, windows);
    QFETCH(bool, earlierExists);
    QFETCH(QString, documents);
    QFETCH(QString, ruta);
    QCOMPARE(datadir::chooseRuta(windows, earlierExists, documents), ruta);
}

void TstDataDir::firstRunInstallsEveryCalendarFile() {
    QTemporaryDir documents;
    const QString ruta = documents.filePath(QStringLiteral("virovedude 2000-2016/datos/"));
    QCOMPARE(datadir::installIfMissing(ruta), QString());

    QStringList expected = {QStringLiteral("cal.txt"), QStringLiteral("notas.txt")};
    for (int m = 1; m <= 12; ++m)
        expected << QStringLiteral("%1.txt").arg(m, 2, 10, QLatin1Char('0'));
    for (int n = 1; n <= 20; ++n)
        expected << QStringLiteral("c%1.txt").arg(n);
    for (const QString& name : expected) {
        QFile installed(ruta + name);
        QVERIFY2(installed.exists(), qPrintable(name));
        QFile shipped(QStringLiteral(ORVANTEL_SOURCE_DATA_DIR) + name);
        QVERIFY(installed.open(QIODevice::ReadOnly) && shipped.open(QIODevice::ReadOnly));
        QCOMPARE(installed.readAll(), shipped.readAll());
    }
    // The notes file must stay writable by the user.
    QVERIFY(QFileInfo(ruta + QStringLiteral("notas.txt")).isWritable());
}

void TstDataDir::neverOverwritesTheUsersFiles() {
    QTemporaryDir documents;
    const QString ruta = datadir::withSeparator(documents.path());
    writeRaw(ruta + QStringLiteral("notas.txt"), "mis notas\r\n");
    QCOMPARE(datadir::installIfMissing(ruta), QString());
    QFile notes(ruta + QStringLiteral("notas.txt"));
    QVERIFY(notes.open(QIODevice::ReadOnly));
    QCOMPARE(notes.readAll(), QByteArray("mis notas\r\n"));
    // The folder existed: nothing is added to it either.
    QVERIFY(!QFile::exists(ruta + QStringLiteral("cal.txt")));
}

void TstDataDir::reportsAFolderThatCannotBeCreated() {
    QTemporaryDir documents;
    // A regular file stands where a folder of the path must be created.
    writeRaw(documents.filePath(QStringLiteral("ocupado")), "x");
    const QString ruta = documents.filePath(QStringLiteral("ocupado/virovedude/"));
    const QString message = datadir::installIfMissing(ruta);
    QVERIFY(message.startsWith(QStringLiteral("No se pudo crear la carpeta de datos")));
    QVERIFY(message.contains(QStringLiteral("ocupado")));
}

QTEST_GUILESS_MAIN(TstDataDir)
#include "tst_data_dir.moc"
