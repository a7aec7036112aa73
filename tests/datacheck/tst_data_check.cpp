// The data check: the shipped data and a data directory of 2000..2016 are sound, and every
// kind of broken data is named with its file and line.

#include "datacheck/data_check.h"
#include "platform/text_file.h"
#include "support/data_fixture.h"
#include "support/shipped_copy.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

enum class Edit {
    Line,      // line `line` becomes `text`
    Column,    // `text` is written over line `line` from column `column`
    CutInLine, // the file ends after the first `column` characters of line `line`
    KeepLines, // the file keeps its first `line` lines
    Utf8,      // the file saved in UTF-8
    Utf16,     // the file saved in UTF-16 with its byte-order mark
    Folder,    // a folder in place of the file
    Fifo,      // a FIFO in place of the file
    DevZero,   // a link to the endless device
    Missing,   // no file
    Insert,    // `text` inserted `column` times before line `line`
    Drop,      // line `line` removed
    Double,    // line `line` written twice
};

QString dump(const QList<datacheck::Problem>& problems) {
    QStringList lines;
    for (const datacheck::Problem& p : problems)
        lines << datacheck::problemLine(p);
    return lines.join(QLatin1Char('\n'));
}

void apply(ShippedCopy& data, Edit edit, const QString& file, int line, int column,
           const QString& text) {
    const QByteArray shipped = ShippedCopy::shippedBytes(file);
    QList<QByteArray> lines = shipped.split('\n');
    switch (edit) {
    case Edit::Line:
        data.setLine(file, line, text);
        break;
    case Edit::Column:
        lines[line - 1].replace(column - 1, text.size(), textfile::encode(text));
        data.write(file, lines.join('\n'));
        break;
    case Edit::CutInLine:
        data.write(file, lines.mid(0, line - 1).join('\n') + '\n' + lines[line - 1].left(column));
        break;
    case Edit::KeepLines:
        data.write(file, lines.mid(0, line).join('\n') + '\n');
        break;
    case Edit::Utf8:
        data.write(file, textfile::decode(shipped).toUtf8());
        break;
    case Edit::Utf16: {
        const QString decoded = textfile::decode(shipped);
        data.write(file, QByteArray("\xFF\xFE") +
                             QByteArray(reinterpret_cast<const char*>(decoded.utf16()),
                                        decoded.size() * 2));
        break;
    }
    case Edit::Folder:
        data.remove(file);
        QDir(data.ruta()).mkdir(file);
        break;
    case Edit::Fifo:
        data.remove(file);
#ifdef Q_OS_UNIX
        QVERIFY(::mkfifo(QFile::encodeName(data.path(file)).constData(), 0600) == 0);
#endif
        break;
    case Edit::DevZero:
        data.remove(file);
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), data.path(file)));
        break;
    case Edit::Missing:
        data.remove(file);
        break;
    case Edit::Insert:
        for (int i = 0; i < column; ++i)
            lines.insert(line - 1, textfile::encode(text) + '\r');
        data.write(file, lines.join('\n'));
        break;
    case Edit::Drop:
    case Edit::Double: {
        const QByteArray copy = lines.takeAt(line - 1);
        if (edit == Edit::Double)
            lines.insert(line - 1, 2, copy);
        data.write(file, lines.join('\n'));
        break;
    }
    }
}

// The data forms of a year without the Immaculate Heart (2006: on 24 June; 2019: on 29 June),
// and the moved Nativity of St John the Baptist (2022, 2033, 2044 under the Sacred Heart;
// 2057, 2068 under Corpus Christi) and Saints Peter and Paul (2057, 2068 under the Sacred Heart).
void writeNewForms(ShippedCopy& data) {
    data.setLine(QStringLiteral("c17.txt"), 8, QStringLiteral("06-sin celebración"));
    data.setLine(QStringLiteral("c17.txt"), 21, QStringLiteral("19-sin celebración"));
    QString c25 = QStringLiteral("Natividad de San Juan Bautista\r\n");
    QString c26 = QStringLiteral("Santos Pedro y Pablo, apóstoles\r\n");
    for (int year = 0; year < 100; ++year) {
        const QString yy = QStringLiteral("%1").arg(year, 2, 10, QLatin1Char('0'));
        const bool underHeart = year == 22 || year == 33 || year == 44;
        const bool underCorpus = year == 57 || year == 68;
        c25 += yy +
               (underHeart    ? "-23-jun"
                : underCorpus ? "-25-jun"
                              : "-sin celebración") +
               "\r\n";
        c26 += yy + (underCorpus ? "-28-jun" : "-sin celebración") + "\r\n";
    }
    data.write(QStringLiteral("c25.txt"), textfile::encode(c25));
    data.write(QStringLiteral("c26.txt"), textfile::encode(c26));
}

} // namespace

Q_DECLARE_METATYPE(Edit)

class TstDataCheck : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void shippedDataIsSound();
    void directoryOf2000To2016IsSound();
    void soundLinesPass_data();
    void soundLinesPass();
    void newDataForms_data();
    void newDataForms();
    void eachFaultIsNamedWithFileAndLine_data();
    void eachFaultIsNamedWithFileAndLine();
    void changesOfWhatIsShownAreNamed_data();
    void changesOfWhatIsShownAreNamed();
    void filesAfterAGapAreNamed();
    void problemsComeInFileAndLineOrder();
};

void TstDataCheck::shippedDataIsSound() {
    QElapsedTimer timer;
    timer.start();
    const auto problems = datacheck::checkDataDirectory(QStringLiteral(ORVANTEL_SOURCE_DATA_DIR));
    qInfo("Shipped data checked in %lld ms", static_cast<long long>(timer.elapsed()));
    QVERIFY2(problems.isEmpty(), qPrintable(dump(problems)));
}

void TstDataCheck::directoryOf2000To2016IsSound() {
    const DataFixture data;
    const auto problems = datacheck::checkDataDirectory(data.ruta());
    QVERIFY2(problems.isEmpty(), qPrintable(dump(problems)));
}

void TstDataCheck::soundLinesPass_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("text");
    QTest::newRow("c19 earliest week") << "c19.txt" << 10 << "08-06"; // the week of 2008
    QTest::newRow("c19 latest week") << "c19.txt" << 40 << "38-11";   // the week of 2038
    QTest::newRow("c21 without celebration") << "c21.txt" << 20 << "18-sin celebración";
    QTest::newRow("c24 moved to 9 December") << "c24.txt" << 21 << "19-09-dic";
}

void TstDataCheck::soundLinesPass() {
    QFETCH(QString, file);
    QFETCH(int, line);
    QFETCH(QString, text);
    ShippedCopy data;
    data.setLine(file, line, text);
    const auto problems = datacheck::checkDataDirectory(data.ruta());
    QVERIFY2(problems.isEmpty(), qPrintable(dump(problems)));
}

void TstDataCheck::newDataForms_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("line"); // 0: the forms as written
    QTest::addColumn<QString>("text");
    QTest::newRow("as written") << "c25.txt" << 0 << QString();
    QTest::newRow("c26 on 30 June 2068") << "c26.txt" << 70 << "68-30-jun";
    QTest::newRow("c25 moved in 2023, a free year") << "c25.txt" << 25 << "23-23-jun";
    QTest::newRow("c25 moved two days in 2022") << "c25.txt" << 24 << "22-22-jun";
    QTest::newRow("c26 not moved in 2057") << "c26.txt" << 59 << "57-sin celebración";
    QTest::newRow("c17 without celebration in 2001") << "c17.txt" << 3 << "01-sin celebración";
}

void TstDataCheck::newDataForms() {
    QFETCH(QString, file);
    QFETCH(int, line);
    QFETCH(QString, text);
    ShippedCopy data;
    writeNewForms(data);
    if (line > 0)
        data.setLine(file, line, text);
    const auto problems = datacheck::checkDataDirectory(data.ruta());
    if (line == 0 || text == QLatin1String("68-30-jun"))
        QVERIFY2(problems.isEmpty(), qPrintable(dump(problems)));
    else
        QVERIFY2(problems.size() == 1 && problems.first().file == file &&
                     problems.first().line == line,
                 qPrintable(dump(problems)));
}

void TstDataCheck::eachFaultIsNamedWithFileAndLine_data() {
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expectedLine");
    const auto line = [](const char* name, const char* file, int number, const QString& text) {
        QTest::newRow(name) << Edit::Line << file << number << 0 << text << number;
    };
    const auto whole = [](const char* name, Edit edit, const char* file) {
        QTest::newRow(name) << edit << file << 0 << 0 << QString() << 0;
    };
    line("c10 garbled date", "c10.txt", 11, "xx-yy-zzz");
    line("c13 day 99 of June", "c13.txt", 18, "16-99-jun");
    line("c20 31 February", "c20.txt", 2, "00-31-feb");
    line("c5 year 99 on the line of 2009", "c5.txt", 11, "99-12-abr");
    line("c5 characters after the date", "c5.txt", 11, "09-12-abrXYZ");
    line("c5 Easter after Pentecost 2009", "c5.txt", 11, "09-01-jun");
    line("c3 Ash Wednesday after Palm Sunday", "c3.txt", 11, "09-06-abr");
    line("c7 Advent before Christ the King", "c7.txt", 11, "09-15-nov");
    line("c5 without celebration", "c5.txt", 11, "09-sin celebración");
    line("c19 week not a number", "c19.txt", 11, "09-xx");
    line("c19 empty line", "c19.txt", 11, "");
    line("c19 week 99", "c19.txt", 11, "09-99");
    line("c19 week 5", "c19.txt", 11, "09-05");
    line("c19 week 12", "c19.txt", 11, "09-12");
    line("control character", "06.txt", 3, QStringLiteral("S. Carlos\x07 Luanga -r"));
    // 2009 stands on line 11 of cal.txt; 15 April on line 16, column 12.
    QTest::newRow("dominical digit 9") << Edit::Column << "cal.txt" << 11 << 45 << "9" << 11;
    QTest::newRow("dominical digit 0") << Edit::Column << "cal.txt" << 11 << 45 << "0" << 11;
    QTest::newRow("dominical digit x") << Edit::Column << "cal.txt" << 11 << 45 << "x" << 11;
    QTest::newRow("dominical digit not the Sundays'")
        << Edit::Column << "cal.txt" << 11 << 45 << "3" << 11;
    QTest::newRow("leap year's second digit blank")
        << Edit::Column << "cal.txt" << 10 << 47 << " " << 10;
    QTest::newRow("day digit 8") << Edit::Column << "cal.txt" << 16 << 12 << "8" << 16;
    QTest::newRow("year listed twice") << Edit::Column << "cal.txt" << 12 << 41 << "09" << 12;
    QTest::newRow("c15 cut in a line") << Edit::CutInLine << "c15.txt" << 40 << 4 << "" << 40;
    QTest::newRow("c6 short of years") << Edit::KeepLines << "c6.txt" << 60 << 0 << "" << 0;
    QTest::newRow("month of 30 lines") << Edit::KeepLines << "04.txt" << 30 << 0 << "" << 0;
    QTest::newRow("cal.txt of 20 lines") << Edit::KeepLines << "cal.txt" << 20 << 0 << "" << 0;
    // Movable dates that are dates of their year, on the wrong day (2009: Easter 12 April).
    line("c17 Immaculate Heart 2001 on a Monday", "c17.txt", 3, "01-25-jun");
    line("c3 Ash Wednesday a week early", "c3.txt", 11, "09-18-feb");
    line("c5 Easter a week late", "c5.txt", 11, "09-19-abr");
    line("c2 Baptism a week late", "c2.txt", 11, "09-18-ene");
    line("c22 San José moved in a free year", "c22.txt", 11, "09-20-mar");
    line("c23 Annunciation 2002 a day late", "c23.txt", 4, "02-09-abr");
    line("c24 not moved in 2002", "c24.txt", 4, "02-sin celebración");
    line("month with an empty day", "05.txt", 10, "");
    const auto insert = [](const char* name, const char* file, int at, int times,
                           const QString& text) {
        QTest::newRow(name) << Edit::Insert << file << at << times << text << at;
    };
    insert("cal.txt padded after 2099", "cal.txt", 102, 5000, "Sin celebración fija");
    insert("cal.txt empty lines after 2099", "cal.txt", 102, 3, "");
    insert("cal.txt empty line among the years", "cal.txt", 60, 1, "");
    insert("02.txt two empty lines first", "02.txt", 1, 2, "");
    // Without the line of 2067, the line of 2068 is line 69.
    QTest::newRow("cal.txt without 2067") << Edit::Drop << "cal.txt" << 69 << 0 << "" << 69;
    QTest::newRow("cal.txt cut after 2035") << Edit::KeepLines << "cal.txt" << 37 << 0 << "" << 0;
    QTest::newRow("04.txt line 21 twice") << Edit::Double << "04.txt" << 21 << 0 << "" << 32;
    // The first character outside ASCII of c1.txt is the "í" of its name line.
    QTest::newRow("UTF-8") << Edit::Utf8 << "c1.txt" << 0 << 0 << "" << 1;
    whole("UTF-16", Edit::Utf16, "c3.txt");
    whole("folder", Edit::Folder, "c7.txt");
    whole("missing c4", Edit::Missing, "c4.txt");
#ifdef Q_OS_UNIX
    whole("FIFO", Edit::Fifo, "c8.txt");
    whole("link to /dev/zero", Edit::DevZero, "c12.txt");
#endif
}

void TstDataCheck::eachFaultIsNamedWithFileAndLine() {
    QFETCH(Edit, edit);
    QFETCH(QString, file);
    QFETCH(int, line);
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(int, expectedLine);
    ShippedCopy data;
    apply(data, edit, file, line, column, text);
    const auto problems = datacheck::checkDataDirectory(data.ruta());
    const bool named = std::any_of(problems.cbegin(), problems.cend(), [&](const auto& p) {
        return p.file == file && p.line == expectedLine && !p.text.isEmpty();
    });
    QVERIFY2(named, qPrintable(dump(problems)));
}

void TstDataCheck::changesOfWhatIsShownAreNamed_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("warning"); // the day is still shown, otherwise than meant
    QTest::newRow("unknown colour letter") << "06.txt" << 1 << "S. Justino, mr. Me -m" << true;
    QTest::newRow("blanks after the letter") << "06.txt" << 5 << "S. Bonifacio -r \u00A0" << true;
    QTest::newRow("c12 without its name") << "c12.txt" << 1 << "" << true;
    QTest::newRow("c19: Christ the King 2036 in week 35") << "c19.txt" << 38 << "36-10" << true;
    QTest::newRow("30 April said not to exist") << "04.txt" << 30 << "No existe este día" << true;
    QTest::newRow("dash in UTF-8") << "06.txt" << 1 << "S. Justino â€” mr. Me -r" << false;
    QTest::newRow("U+2028 in UTF-8") << "06.txt" << 1 << "S. Justinoâ€¨Me -r" << false;
}

void TstDataCheck::changesOfWhatIsShownAreNamed() {
    QFETCH(QString, file);
    QFETCH(int, line);
    QFETCH(QString, text);
    QFETCH(bool, warning);
    ShippedCopy data;
    data.setLine(file, line, text);
    const auto problems = datacheck::checkDataDirectory(data.ruta());
    QVERIFY2(problems.size() == 1 && problems.first().file == file &&
                 problems.first().line == line && problems.first().warning == warning,
             qPrintable(dump(problems)));
}

void TstDataCheck::filesAfterAGapAreNamed() {
    ShippedCopy data;
    data.remove(QStringLiteral("c22.txt"));
    QStringList files;
    for (const datacheck::Problem& p : datacheck::checkDataDirectory(data.ruta()))
        files << p.file;
    QCOMPARE(files, (QStringList{"c23.txt", "c24.txt", "c25.txt", "c26.txt"}));
}

void TstDataCheck::problemsComeInFileAndLineOrder() {
    ShippedCopy data;
    data.setLine(QStringLiteral("c10.txt"), 5, QStringLiteral("03-xx-abr"));
    data.setLine(QStringLiteral("c2.txt"), 1, QStringLiteral("Bautismo\x01"));
    data.setLine(QStringLiteral("c2.txt"), 4, QStringLiteral("02-32-ene"));
    data.write(QStringLiteral("12.txt"), "1 dic\r\n");
    data.setLine(QStringLiteral("cal.txt"), 3,
                 QStringLiteral("022  5  5  1  3  6  1  4  7  2  5  7    01  x"));
    QStringList got;
    for (const datacheck::Problem& p : datacheck::checkDataDirectory(data.ruta()))
        got << datacheck::problemLine(p).section(QLatin1Char(' '), 0, 0);
    const QStringList expected = {"cal.txt:3:", "12.txt:", "c2.txt:1:", "c2.txt:4:", "c10.txt:5:"};
    QCOMPARE(got, expected);
}

QTEST_GUILESS_MAIN(TstDataCheck)
#include "tst_data_check.moc"
