// One running program per data directory: a second start finds the lock of the first and who
// holds it, touches nothing, and gets the lock once the first has ended; a lock left behind by
// a program that crashed is taken over; and on a first run the lock comes before the
// installation of the calendar data without keeping it from happening.

#include "platform/data_dir.h"
#include "platform/instance_lock.h"
#include "support/data_fixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

class TstInstanceLock : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void secondStartFindsTheFirst();
    void lockOfACrashedProgramIsTakenOver();
    void firstRunTakesTheLockBeforeInstalling();
    void folderThatCannotBeCreated();
    void channelNamesTheFolder();
};

void TstInstanceLock::secondStartFindsTheFirst() {
    QTemporaryDir dir;
    InstanceLock first(dir.path());
    QCOMPARE(first.tryLock(), InstanceLock::State::Locked);
    const QString lockFile = dir.filePath(InstanceLock::fileName());
    const QByteArray held = fileBytes(lockFile);

    InstanceLock second(dir.path());
    QCOMPARE(second.tryLock(), InstanceLock::State::HeldElsewhere);
    QCOMPARE(second.ownerPid(), QCoreApplication::applicationPid());
    QVERIFY(second.message().contains(QDir::toNativeSeparators(dir.path())));
    QVERIFY(second.message().startsWith(QStringLiteral("El programa ya está abierto")));
    QCOMPARE(fileBytes(lockFile), held);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{InstanceLock::fileName()});

    first.unlock();
    QCOMPARE(second.tryLock(), InstanceLock::State::Locked);
    QCOMPARE(second.ownerPid(), 0);
}

void TstInstanceLock::lockOfACrashedProgramIsTakenOver() {
    // A lock file as a crashed program leaves it: written by this program, but naming a process
    // that has ended.
    QProcess ended;
    ended.start(QCoreApplication::applicationFilePath(), {QStringLiteral("-functions")});
    QVERIFY(ended.waitForStarted());
    const qint64 deadPid = ended.processId();
    QVERIFY(ended.waitForFinished());

    QTemporaryDir dir;
    const QString lockFile = dir.filePath(InstanceLock::fileName());
    QByteArray contents;
    {
        InstanceLock crashed(dir.path());
        QCOMPARE(crashed.tryLock(), InstanceLock::State::Locked);
        contents = fileBytes(lockFile);
    }
    QVERIFY(contents.startsWith(QByteArray::number(QCoreApplication::applicationPid()) + '\n'));
    writeRaw(lockFile, QByteArray::number(deadPid) + contents.mid(contents.indexOf('\n')));

    InstanceLock next(dir.path());
    QCOMPARE(next.tryLock(), InstanceLock::State::Locked);
    QVERIFY(fileBytes(lockFile).startsWith(QByteArray::number(QCoreApplication::applicationPid()) +
                                           '\n'));
}

void TstInstanceLock::firstRunTakesTheLockBeforeInstalling() {
    QTemporaryDir documents;
    const QString ruta = documents.filePath(QStringLiteral("virovedude/datos/"));
    InstanceLock lock(ruta);
    QCOMPARE(lock.tryLock(), InstanceLock::State::Locked);
    QVERIFY(QFileInfo(ruta).isDir());
    QCOMPARE(datadir::installIfMissing(ruta), QString());
    QVERIFY(QFileInfo::exists(ruta + QStringLiteral("cal.txt")));
    QVERIFY(QFileInfo::exists(ruta + QStringLiteral("c20.txt")));
    QVERIFY(QFileInfo::exists(ruta + InstanceLock::fileName()));
}

void TstInstanceLock::folderThatCannotBeCreated() {
    QTemporaryDir documents;
    writeRaw(documents.filePath(QStringLiteral("ocupado")), "x");
    InstanceLock lock(documents.filePath(QStringLiteral("ocupado/datos")));
    QCOMPARE(lock.tryLock(), InstanceLock::State::Failed);
    QVERIFY(lock.message().contains(QStringLiteral("archivo de bloqueo")));
    QVERIFY(lock.message().contains(QStringLiteral("ocupado")));
}

void TstInstanceLock::channelNamesTheFolder() {
    QTemporaryDir documents;
    const QString name = InstanceLock::channelName(documents.path());
    QVERIFY(QRegularExpression(QStringLiteral("^orvantel-[0-9a-f]{24}$")).match(name).hasMatch());
    QCOMPARE(InstanceLock::channelName(documents.path() + QStringLiteral("/./")), name);
    QVERIFY(InstanceLock::channelName(documents.filePath(QStringLiteral("otra"))) != name);
}

QTEST_GUILESS_MAIN(TstInstanceLock)
#include "tst_instance_lock.moc"
