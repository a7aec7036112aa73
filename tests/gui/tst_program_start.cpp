// One window per data directory, as the program starts: a second start on the same directory
// brings the running window to the front and ends without touching any file, also while the
// first has not installed the data yet; a lock that cannot be taken is told and the program
// goes on.

#include "gui/program_start.h"
#include "platform/instance_lock.h"
#include "support/data_fixture.h"

#include <QApplication>
#include <QDirIterator>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <memory>

namespace {

// Every entry of the folder with its size and time of change.
QStringList snapshot(const QString& dir) {
    QStringList entries;
    QDirIterator it(dir, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        entries.append(QStringLiteral("%1 %2 %3")
                           .arg(info.fileName())
                           .arg(info.size())
                           .arg(info.lastModified().toMSecsSinceEpoch()));
    }
    entries.sort();
    return entries;
}

} // namespace

class TstProgramStart : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void secondStartTouchesNothing_data();
    void secondStartTouchesNothing();
    void secondStartBringsTheWindowToTheFront();
    void lockThatCannotBeTakenIsTold();
};

void TstProgramStart::secondStartTouchesNothing_data() {
    QTest::addColumn<bool>("installed");
    QTest::newRow("first start has installed the data") << true;
    QTest::newRow("first start has only taken the lock") << false;
}

void TstProgramStart::secondStartTouchesNothing() {
    QFETCH(bool, installed);
    QTemporaryDir documents;
    const QString ruta = documents.filePath(QStringLiteral("virovedude/datos/"));
    ProgramStart first(ruta);
    InstanceLock lockOnly(ruta);
    if (installed) {
        QVERIFY(first.begin());
        QVERIFY(first.messages().isEmpty());
        QVERIFY(QFileInfo::exists(ruta + QStringLiteral("cal.txt")));
    } else {
        QCOMPARE(lockOnly.tryLock(), InstanceLock::State::Locked);
    }
    const QStringList before = snapshot(documents.path());

    ProgramStart second(ruta);
    QVERIFY(!second.begin());
    QCOMPARE(snapshot(documents.path()), before);
    QCOMPARE(QFileInfo::exists(ruta + QStringLiteral("cal.txt")), installed);
}

void TstProgramStart::secondStartBringsTheWindowToTheFront() {
    QTemporaryDir documents;
    const QString ruta = documents.filePath(QStringLiteral("datos/"));
    ProgramStart first(ruta);
    QVERIFY(first.begin());
    QWidget window;
    first.serve(&window);
    QWidget other; // the program the user is in meanwhile
    window.showMinimized();
    other.show();
    other.activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), &other);

    ProgramStart second(ruta);
    QVERIFY(!second.begin());
    QTRY_COMPARE(QApplication::activeWindow(), &window);
    QVERIFY(!(window.windowState() & Qt::WindowMinimized));
    QVERIFY(window.isVisible());
}

void TstProgramStart::lockThatCannotBeTakenIsTold() {
    QTemporaryDir documents;
    writeRaw(documents.filePath(QStringLiteral("ocupado")), "x");
    ProgramStart start(documents.filePath(QStringLiteral("ocupado/datos/")));
    QVERIFY(start.begin());
    QVERIFY(!start.messages().isEmpty());
    QVERIFY(start.messages().first().contains(QStringLiteral("archivo de bloqueo")));
}

QTEST_MAIN(TstProgramStart)
#include "tst_program_start.moc"
