// Reading the data files: Windows-1252 lines with CR LF or LF ends, fields past the end of a
// short line, the faults that name their file, and numbers read and written as the files and
// the window need them.

#include "platform/data_fault.h"
#include "platform/text_file.h"
#include "support/data_fixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

class TstTextFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readsLinesWhateverTheLineEnd_data();
    void readsLinesWhateverTheLineEnd();
    void decodesWindows1252();
    void tableMatchesTheToolkitCodec();
    void everyByteRoundTrips();
    void readsTheFirstLinesOfALongFile();
    void faultsNameTheFile();
    void everyFaultEndsAndSaysWhatIsWrong_data();
    void everyFaultEndsAndSaysWhatIsWrong();
    void fieldPastTheEndIsEmpty();
    void numberValue_data();
    void numberValue();
    void blankNumber();
    void encodable();

private:
    QTemporaryDir dir_;
};

void TstTextFile::readsLinesWhateverTheLineEnd_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("CR LF") << QByteArray("uno\r\ndos\r\n") << QStringList{"uno", "dos"};
    QTest::newRow("bare LF") << QByteArray("uno\ndos\n") << QStringList{"uno", "dos"};
    QTest::newRow("last line unterminated")
        << QByteArray("uno\r\ndos") << QStringList{"uno", "dos"};
    QTest::newRow("empty lines kept")
        << QByteArray("\r\n\r\ntres\r\n") << QStringList{"", "", "tres"};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("line of 4096 characters") << QByteArray(4096, 'x') + "\r\n"
                                             << QStringList{QString(4096, QLatin1Char('x'))};
    QTest::newRow("lone CR inside a line kept")
        << QByteArray("a\rb\r\nc\r\n") << QStringList{"a\rb", "c"};
}

void TstTextFile::readsLinesWhateverTheLineEnd() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    const QString path = dir_.filePath(QStringLiteral("f.txt"));
    writeRaw(path, bytes);
    QCOMPARE(textfile::readAllLines(path), lines);
    QCOMPARE(textfile::readLines(path, int(lines.size())), lines);
    if (!lines.isEmpty())
        QCOMPARE(textfile::readLine(path, 1), lines.first());
}

void TstTextFile::decodesWindows1252() {
    const QString path = dir_.filePath(QStringLiteral("cp.txt"));
    // "Señor", a bullet (0x95), "Nº" and "á" as the code page writes them.
    writeRaw(path, QByteArray("Se\xF1or \x95 N\xBA \xE1\r\n"));
    QCOMPARE(textfile::readLine(path, 1), QStringLiteral("Señor \u2022 Nº á"));
    QCOMPARE(textfile::encode(QStringLiteral("Señor \u2022")), QByteArray("Se\xF1or \x95"));
}

void TstTextFile::tableMatchesTheToolkitCodec() {
    // Qt's own codec, where this Qt has one (a build with ICU), is the outside reference.
    QStringDecoder decoder("windows-1252");
    QStringEncoder encoder("windows-1252");
    if (!decoder.isValid() || !encoder.isValid())
        QSKIP("this Qt has no Windows-1252 codec to compare with");
    for (int b = 0; b < 256; ++b) {
        const QByteArray byte(1, static_cast<char>(b));
        const QString expected = decoder.decode(byte);
        QCOMPARE(textfile::decode(byte), expected);
        QCOMPARE(textfile::encode(expected), encoder.encode(expected));
    }
}

void TstTextFile::everyByteRoundTrips() {
    QByteArray bytes(256, Qt::Uninitialized);
    for (int b = 0; b < 256; ++b)
        bytes[b] = static_cast<char>(b);
    const QString text = textfile::decode(bytes);
    QCOMPARE(text.size(), 256);
    QVERIFY(textfile::encodable(text));
    QCOMPARE(textfile::encode(text), bytes);
    // The five bytes the code page leaves undefined stand for the control of the same number.
    for (const int b : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        QCOMPARE(text.at(b).unicode(), b);
}

void TstTextFile::readsTheFirstLinesOfALongFile() {
    // 400 lines of 17 bytes, more than one block of the reader: the CR of line 241 ends the
    // first 4096 bytes and its LF begins the next ones.
    const QString path = dir_.filePath(QStringLiteral("largo.txt"));
    QByteArray bytes;
    QStringList lines;
    for (int i = 1; i <= 400; ++i) {
        bytes += QByteArray::number(i).rightJustified(15, '\xF1') + "\r\n";
        lines << QString::number(i).rightJustified(15, QChar(0xF1));
    }
    writeRaw(path, bytes);
    QCOMPARE(textfile::readLines(path, 241), lines.mid(0, 241));
    QCOMPARE(textfile::readLine(path, 242), lines.at(241));
    QCOMPARE(textfile::readLines(path, 400), lines);
    QCOMPARE(textfile::readAllLines(path), lines);
    try {
        textfile::readLines(path, 401);
        QFAIL("a file shorter than the lines read must fault");
    } catch (const DataFault& fault) {
        QCOMPARE(fault.kind(), DataFault::Kind::PastEnd);
    }
}

void TstTextFile::faultsNameTheFile() {
    const QString path = dir_.filePath(QStringLiteral("corto.txt"));
    writeRaw(path, "uno\r\ndos\r\n");
    try {
        textfile::readLines(path, 3);
        QFAIL("a short file must fault");
    } catch (const DataFault& fault) {
        QCOMPARE(fault.kind(), DataFault::Kind::PastEnd);
        QVERIFY(fault.message().contains(QStringLiteral("corto.txt")));
    }
    try {
        textfile::readLine(dir_.filePath(QStringLiteral("falta.txt")), 1);
        QFAIL("a missing file must fault");
    } catch (const DataFault& fault) {
        QCOMPARE(fault.kind(), DataFault::Kind::NotFound);
        QVERIFY(fault.message().contains(QStringLiteral("falta.txt")));
        QVERIFY(fault.message().startsWith(QStringLiteral("No se encuentra")));
    }
}

void TstTextFile::everyFaultEndsAndSaysWhatIsWrong_data() {
    QTest::addColumn<QString>("make");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("words");
    using K = DataFault::Kind;
    QTest::newRow("missing") << "missing" << int(K::NotFound) << "No se encuentra";
    QTest::newRow("folder") << "folder" << int(K::NotRegular) << "no es un archivo normal";
    QTest::newRow("FIFO") << "fifo" << int(K::NotRegular) << "no es un archivo normal";
    QTest::newRow("link to /dev/zero") << "zero" << int(K::NotRegular) << "no es un archivo normal";
    QTest::newRow("no read permission") << "mode 000" << int(K::Unreadable) << "No se puede leer";
    QTest::newRow("disk error") << "proc mem" << int(K::Unreadable) << "No se puede leer";
    QTest::newRow("line of 5000 characters")
        << "long line" << int(K::LineTooLong) << "línea demasiado larga";
    QTest::newRow("file of 5 MB") << "huge" << int(K::TooLarge) << "demasiado grande";
    QTest::newRow("CR-only line ends") << "cr" << int(K::CrLineEnds) << "CR sin LF";
    QTest::newRow("CR-only line ends, long file") << "long cr" << int(K::CrLineEnds) << "CR sin LF";
}

void TstTextFile::everyFaultEndsAndSaysWhatIsWrong() {
    QFETCH(QString, make);
    QFETCH(int, kind);
    QFETCH(QString, words);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("c5.txt"));
    if (make == QLatin1String("folder")) {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("c5.txt")));
    } else if (make == QLatin1String("fifo")) {
#ifdef Q_OS_UNIX
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
#else
        QSKIP("no FIFOs here");
#endif
    } else if (make == QLatin1String("zero") || make == QLatin1String("proc mem")) {
#ifndef Q_OS_UNIX
        QSKIP("Unix special files: on Windows QFile::link makes a shortcut, not a link");
#endif
        // Reading the memory of the process from its address 0 fails with an input/output error.
        const QString target = make == QLatin1String("zero") ? QStringLiteral("/dev/zero")
                                                             : QStringLiteral("/proc/self/mem");
        if (!QFile::exists(target) || !QFile::link(target, path))
            QSKIP("this system has no such special file");
    } else if (make == QLatin1String("mode 000")) {
        writeRaw(path, "uno\r\ndos\r\ntres\r\n");
#ifndef Q_OS_UNIX
        QSKIP("Unix permission bits: a Windows file cannot be made unreadable through them");
#endif
        QVERIFY(QFile::setPermissions(path, {}));
        QFile probe(path);
        if (probe.open(QIODevice::ReadOnly))
            QSKIP("this user reads files whatever their permissions");
    } else if (make == QLatin1String("long line")) {
        writeRaw(path, "uno\r\n" + QByteArray(5000, 'x') + "\r\ntres\r\n");
    } else if (make == QLatin1String("huge")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(5 * 1024 * 1024));
    } else if (make == QLatin1String("cr")) {
        writeRaw(path, "uno\rdos\rtres\r");
    } else if (make == QLatin1String("long cr")) {
        QByteArray bytes;
        for (int i = 0; i < 1000; ++i)
            bytes += "09-12-abr\r";
        writeRaw(path, bytes);
    }

    // Both readers fault, with the kind and the file named, well within a second.
    for (const bool all : {false, true}) {
        QElapsedTimer timer;
        timer.start();
        try {
            if (all)
                textfile::readAllLines(path);
            else
                textfile::readLines(path, 3);
            QFAIL("the read must fault");
        } catch (const DataFault& fault) {
            QCOMPARE(int(fault.kind()), kind);
            QVERIFY2(fault.message().contains(QDir::toNativeSeparators(path)),
                     qPrintable(fault.message()));
            QVERIFY2(fault.message().contains(words), qPrintable(fault.message()));
        }
        QVERIFY(timer.elapsed() < 1000);
    }
}

void TstTextFile::fieldPastTheEndIsEmpty() {
    QCOMPARE(textfile::field(QStringLiteral("09-12-abr"), 4, 6), QStringLiteral("12-abr"));
    QCOMPARE(textfile::field(QStringLiteral("abc"), 3, 5), QStringLiteral("c"));
    QCOMPARE(textfile::field(QStringLiteral("abc"), 4), QString());
    QCOMPARE(textfile::field(QString(), 1), QString());
    QCOMPARE(textfile::fieldView(u"09-12-abr", 4, 6), u"12-abr");
    QCOMPARE(textfile::fieldView(u"abc", 3, 5), u"c");
    QCOMPARE(textfile::fieldView(u"abc", 4), QStringView());
    QCOMPARE(textfile::fieldView(u"abc", 0), QStringView());
}

void TstTextFile::numberValue_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("digits") << "10" << 10;
    QTest::newRow("leading blanks") << "  7" << 7;
    QTest::newRow("stops at a letter") << "12abc" << 12;
    QTest::newRow("stops at a slash") << "6/" << 6;
    QTest::newRow("negative") << "-5" << -5;
    QTest::newRow("no digits") << "ab" << 0;
    QTest::newRow("empty") << "" << 0;
}

void TstTextFile::numberValue() {
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(textfile::numberValue(text), value);
}

void TstTextFile::blankNumber() {
    QCOMPARE(textfile::blankNumber(10), QStringLiteral(" 10"));
    QCOMPARE(textfile::blankNumber(0), QStringLiteral(" 0"));
    QCOMPARE(textfile::blankNumber(-3), QStringLiteral("-3"));
}

void TstTextFile::encodable() {
    QVERIFY(textfile::encodable(QStringLiteral("Año • Nº «»€")));
    QVERIFY(!textfile::encodable(QStringLiteral("Ω")));
    QVERIFY(!textfile::encodable(QStringLiteral("\u2192")));
    // Of the controls 0x80-0x9F only the five undefined bytes of the code page have a place.
    QVERIFY(textfile::encodable(QStringLiteral("\u0081\u009D")));
    QVERIFY(!textfile::encodable(QStringLiteral("\u0080")));
    QVERIFY(!textfile::encodable(QStringLiteral("\u009E")));
    QCOMPARE(textfile::encode(QStringLiteral("a\u2192b")), QByteArray("a?b"));
}

QTEST_GUILESS_MAIN(TstTextFile)
#include "tst_text_file.moc"
