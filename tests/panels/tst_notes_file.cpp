// The notes file as the user's notes live in it: the text of the box and the bytes of the file
// map onto each other exactly (lines, blank lines, accented letters, the code page's symbols),
// a failed write leaves the previous file as it was, a character the code page cannot hold
// is found and never written, a file that cannot be read gives no text to write back, and the
// recovery copy lands beside the notes or in the temporary folder without replacing another.

#include "panels/notes_file.h"
#include "platform/data_fault.h"
#include "support/data_fixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

} // namespace

class TstNotesFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void roundTrip_data();
    void roundTrip();
    void otherLineEndsAreRead_data();
    void otherLineEndsAreRead();
    void failedWriteLeavesThePreviousFile_data();
    void failedWriteLeavesThePreviousFile();
    void charactersOutsideTheCodePage_data();
    void charactersOutsideTheCodePage();
    void everyByteOfTheCodePageIsKept();
    void aFileThatCannotBeReadGivesNoText_data();
    void aFileThatCannotBeReadGivesNoText();
    void notesAtTheLimitAreSavedAndReadBack();
    void recoveryCopy_data();
    void recoveryCopy();
};

void TstNotesFile::roundTrip_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty file") << QByteArray() << QString();
    QTest::newRow("one line") << QByteArray("Misa a las 8\r\n") << QStringLiteral("Misa a las 8");
    QTest::newRow("several lines") << QByteArray("Lunes: coro\r\nMartes\r\nViernes: v\xed"
                                                 "a crucis\r\n")
                                   << QStringLiteral("Lunes: coro\nMartes\nViernes: vía crucis");
    QTest::newRow("accented letters") << QByteArray("Jes\xfas, Mar\xed"
                                                    "a y Jos\xe9: a\xf1o \xbfS\xed? \xa1\xdc!\r\n")
                                      << QStringLiteral("Jesús, María y José: año ¿Sí? ¡Ü!");
    QTest::newRow("blank lines") << QByteArray("A\r\n\r\n\r\nB\r\n") << QStringLiteral("A\n\n\nB");
    QTest::newRow("ends with a blank line") << QByteArray("A\r\n\r\n") << QStringLiteral("A\n");
    QTest::newRow("one blank line") << QByteArray("\r\n\r\n") << QStringLiteral("\n");
    QTest::newRow("blanks kept") << QByteArray("  sangr\xed"
                                               "a \r\n")
                                 << QStringLiteral("  sangría ");
    QTest::newRow("code page symbols")
        << QByteArray("\x80 5 \x95 tab\there\xa0y\r\n") << QStringLiteral("€ 5 • tab\there\u00a0y");
}

void TstNotesFile::roundTrip() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(notes::textFromBytes(bytes), text);
    QCOMPARE(notes::bytesFromText(text), bytes);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("notas.txt"));
    notes::writeNotes(path, text);
    QCOMPARE(fileBytes(path), bytes);
    const notes::NotesRead read = notes::readNotes(path);
    QCOMPARE(read.state, notes::NotesRead::State::Read);
    QCOMPARE(read.text, text);
}

void TstNotesFile::otherLineEndsAreRead_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("bare LF") << QByteArray("uno\ndos\n") << QStringLiteral("uno\ndos");
    QTest::newRow("lone CR") << QByteArray("uno\rdos\r") << QStringLiteral("uno\ndos");
    QTest::newRow("no line end after the last line")
        << QByteArray("uno\r\ndos") << QStringLiteral("uno\ndos");
}

void TstNotesFile::otherLineEndsAreRead() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(notes::textFromBytes(bytes), text);
    QCOMPARE(notes::bytesFromText(text), QByteArray("uno\r\ndos\r\n"));
}

void TstNotesFile::failedWriteLeavesThePreviousFile_data() {
    QTest::addColumn<QString>("fault");
    QTest::newRow("read-only folder") << "read-only folder";
    QTest::newRow("folder in place of the file") << "folder in place of the file";
}

void TstNotesFile::failedWriteLeavesThePreviousFile() {
    QFETCH(QString, fault);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("notas.txt"));
    // What was there before the write, and must still be there after it.
    QString previousPath = path;
    const QByteArray previous("Notas de ayer\r\n");
    if (fault == QLatin1String("read-only folder")) {
        writeBytes(path, previous);
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    } else {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("notas.txt")));
        previousPath = dir.filePath(QStringLiteral("notas.txt/dentro.txt"));
        writeBytes(previousPath, previous);
    }
    bool failed = false;
    try {
        notes::writeNotes(path, QStringLiteral("Notas de hoy"));
    } catch (const DataFault& f) {
        failed = true;
        QCOMPARE(f.kind(), DataFault::Kind::WriteFailed);
        QVERIFY(f.message().contains(QDir::toNativeSeparators(path)));
    }
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (!failed)
        QSKIP("this user may write into a read-only folder");
    QCOMPARE(fileBytes(previousPath), previous);
}

void TstNotesFile::charactersOutsideTheCodePage_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<notes::Refused>>("refused");
    QTest::addColumn<QString>("shown");
    using R = notes::Refused;
    QTest::newRow("all in the code page")
        << QStringLiteral("€ • ñ Œ œ Ÿ ‰ …") << QList<R>{} << QString();
    QTest::newRow("Greek letter") << QStringLiteral("Ωmega") << QList<R>{{0, 1}} << "Ω";
    QTest::newRow("Hungarian letters twice")
        << QStringLiteral("Erdő, erdő") << QList<R>{{3, 1}, {9, 1}} << "ő";
    QTest::newRow("character beyond 16 bits")
        << QStringLiteral("ok \U0001F600 ok ∑") << QList<R>{{3, 2}, {9, 1}}
        << QStringLiteral("\U0001F600 ∑");
}

void TstNotesFile::charactersOutsideTheCodePage() {
    QFETCH(QString, text);
    QFETCH(QList<notes::Refused>, refused);
    QFETCH(QString, shown);
    QCOMPARE(notes::refusedCharacters(text), refused);
    QCOMPARE(notes::refusedText(text, refused), shown);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("notas.txt"));
    writeBytes(path, "antes\r\n");
    bool written = true;
    try {
        notes::writeNotes(path, text);
    } catch (const DataFault&) {
        written = false;
    }
    QCOMPARE(written, refused.isEmpty());
    if (!written)
        QCOMPARE(fileBytes(path), QByteArray("antes\r\n"));
}

void TstNotesFile::everyByteOfTheCodePageIsKept() {
    // Notes holding every byte but the line ends: read, nothing in them is refused (so the panel
    // leaves the text as it is) and written back byte for byte.
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        if (b != '\r' && b != '\n')
            bytes += static_cast<char>(b);
    bytes += "\r\n";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("notas.txt"));
    writeBytes(path, bytes);
    const notes::NotesRead read = notes::readNotes(path);
    QCOMPARE(read.state, notes::NotesRead::State::Read);
    QCOMPARE(read.text.size(), 254);
    QVERIFY(notes::refusedCharacters(read.text).isEmpty());
    notes::writeNotes(path, read.text);
    QCOMPARE(fileBytes(path), bytes);
}

void TstNotesFile::aFileThatCannotBeReadGivesNoText_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("why");
    QTest::newRow("folder") << "folder"
                            << "no es un archivo normal";
    QTest::newRow("FIFO") << "fifo"
                          << "no es un archivo normal";
    QTest::newRow("one byte past the limit") << "large"
                                             << "pasa de 1 MB";
}

void TstNotesFile::aFileThatCannotBeReadGivesNoText() {
    QFETCH(QString, kind);
    QFETCH(QString, why);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("notas.txt"));
    if (kind == "large") {
        writeBytes(path, QByteArray(notes::kMaxBytes + 1, 'a'));
    } else if (kind == "folder") {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("notas.txt")));
    } else {
#ifdef Q_OS_UNIX
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
#else
        QSKIP("no FIFOs here");
#endif
    }
    QElapsedTimer timer;
    timer.start();
    const notes::NotesRead read = notes::readNotes(path);
    QVERIFY(timer.elapsed() < 1000);
    // Unreadable, never an empty text that closing the panel would write over the file.
    QCOMPARE(read.state, notes::NotesRead::State::Unreadable);
    QVERIFY(read.text.isEmpty());
    QVERIFY2(read.fault.contains(QDir::toNativeSeparators(path)), qPrintable(read.fault));
    QVERIFY2(read.fault.contains(why), qPrintable(read.fault));
}

void TstNotesFile::notesAtTheLimitAreSavedAndReadBack() {
    // One line as long as the limit allows, then a second line: 2 bytes of line end each.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("notas.txt"));
    const QString text = QString(notes::kMaxBytes - 5, QLatin1Char('x')) + QStringLiteral("\ny");
    notes::writeNotes(path, text);
    QCOMPARE(QFileInfo(path).size(), notes::kMaxBytes);
    const notes::NotesRead read = notes::readNotes(path);
    QCOMPARE(read.state, notes::NotesRead::State::Read);
    QCOMPARE(read.text, text);
    // One character more is refused, and the file stays as it was.
    QVERIFY_THROWS_EXCEPTION(DataFault, notes::writeNotes(path, text + QLatin1Char('z')));
    QCOMPARE(QFileInfo(path).size(), notes::kMaxBytes);
}

void TstNotesFile::recoveryCopy_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("written");
    QTest::newRow("beside the notes") << ""
                                      << "datos/notas-recuperadas.txt";
    QTest::newRow("an earlier copy is kept") << "earlier copy"
                                             << "datos/notas-recuperadas-2.txt";
    QTest::newRow("data folder cannot be written") << "file in place of the folder"
                                                   << "temporal/notas-recuperadas.txt";
}

void TstNotesFile::recoveryCopy() {
    QFETCH(QString, fault);
    QFETCH(QString, written);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("temporal")));
    const QString datos = dir.filePath(QStringLiteral("datos"));
    if (fault == QLatin1String("file in place of the folder")) {
        writeBytes(datos, "no soy una carpeta");
    } else {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("datos")));
        if (fault == QLatin1String("earlier copy"))
            writeBytes(dir.filePath(QStringLiteral("datos/notas-recuperadas.txt")), "ayer\r\n");
    }
    const QString text = QStringLiteral("Misa a las 8\nVía crucis");
    const QString path =
        notes::writeRecoveryCopyIn({datos, dir.filePath(QStringLiteral("temporal"))}, text);
    QCOMPARE(path, dir.filePath(written));
    QCOMPARE(fileBytes(path), QByteArray("Misa a las 8\r\nV\xed"
                                         "a crucis\r\n"));
    QVERIFY(notes::recoveryMessage(path).contains(QDir::toNativeSeparators(path)));
    if (fault == QLatin1String("earlier copy"))
        QCOMPARE(fileBytes(dir.filePath(QStringLiteral("datos/notas-recuperadas.txt"))),
                 QByteArray("ayer\r\n"));
}

QTEST_GUILESS_MAIN(TstNotesFile)
#include "tst_notes_file.moc"
