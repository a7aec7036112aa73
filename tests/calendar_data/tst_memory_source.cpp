// The calendar read from memory, as orvantel-dia reads it, against the files read on disk, as
// the window reads them: on intact data and on data broken in one file, both give the same
// lines, the same day values and the same faults (kind, file and message).

#include "calendar_data/cal_table.h"
#include "calendar_data/calendar_source.h"
#include "dayview/day_report.h"
#include "dayview/day_view.h"
#include "platform/data_fault.h"
#include "support/data_fixture.h"

#include <QDir>
#include <QTest>

namespace {

// What one call gave: its lines, or its fault.
struct Answer {
    QStringList lines;
    QString fault; // kind, file and message, empty when there was none

    friend bool operator==(const Answer&, const Answer&) = default;
};

QString faultText(const DataFault& fault) {
    return QStringLiteral("%1|%2|%3").arg(int(fault.kind())).arg(fault.path(), fault.message());
}

template <typename Call> Answer answerOf(Call call) {
    try {
        return {call(), {}};
    } catch (const DataFault& fault) {
        return {{}, faultText(fault)};
    }
}

// The data fixture with `file` broken as the row says: no content removes it, "DIR" puts a
// folder in its place, anything else is its bytes.
void breakFile(DataFixture& data, const QString& file, const QByteArray& content) {
    if (file.isEmpty())
        return;
    data.removeFile(file);
    if (content == "DIR")
        QDir().mkpath(data.path(file));
    else if (!content.isNull())
        writeRaw(data.path(file), content);
}

QByteArray crlfLines(int count, const QByteArray& line) {
    QByteArray bytes;
    for (int i = 1; i <= count; ++i)
        bytes += line + QByteArray::number(i) + "\r\n";
    return bytes;
}

QStringList dataFiles() {
    QStringList names = {QStringLiteral("cal.txt"), QStringLiteral("nada.txt")};
    for (int month = 1; month <= 12; ++month)
        names << QStringLiteral("%1.txt").arg(month, 2, 10, QLatin1Char('0'));
    for (int n = 1; n <= 20; ++n)
        names << QStringLiteral("c%1.txt").arg(n);
    return names;
}

// The files of another source, counting the reads of "cal.txt".
class CountingSource final : public calendar::CalendarSource {
public:
    explicit CountingSource(const QString& ruta) : CalendarSource(ruta), files_(ruta) {}
    QStringList readLines(const QString& path, int count) const override {
        calReads += path == calPath();
        return files_.readLines(path, count);
    }
    QStringList readAllLines(const QString& path) const override {
        calReads += path == calPath();
        return files_.readAllLines(path);
    }
    bool exists(const QString& path) const override { return files_.exists(path); }
    mutable int calReads = 0;

private:
    calendar::MemorySource files_;
};

} // namespace

class TstMemorySource : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sameLinesAndFaults_data();
    void sameLinesAndFaults();
    void sameDaysAndFaults_data();
    void sameDaysAndFaults();
    void readsEachFileOnce();
    void paddedCalGivesTheSameDaysReadOncePerRun_data();
    void paddedCalGivesTheSameDaysReadOncePerRun();
};

void TstMemorySource::sameLinesAndFaults_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content");

    // Lines 1..18 of a movable file are its name and the dates of 2000..2016; line 11 is 2009.
    QByteArray badDate = crlfLines(10, "x") + "09-31-feb\r\n" + crlfLines(7, "y");
    QByteArray longLine = crlfLines(11, "x") + QByteArray(5000, 'z') + "\r\n" + crlfLines(6, "y");
    QTest::newRow("intact") << QString() << QByteArray();
    QTest::newRow("month file missing") << "04.txt" << QByteArray();
    QTest::newRow("month file cut after day 10") << "06.txt" << crlfLines(10, "Dia ");
    QTest::newRow("bad date in 2009's line") << "c5.txt" << badDate;
    QTest::newRow("line 12 too long") << "c3.txt" << longLine;
    QTest::newRow("line 1 too long") << "c4.txt" << QByteArray(5000, 'z') + "\r\n" + "a\r\n";
    QTest::newRow("last line unended and too long") << "c6.txt"
                                                    << "a\r\n" + QByteArray(5000, 'z');
    QTest::newRow("CR line ends") << "c7.txt" << QByteArray("Adviento\r08-03-dic\r");
    QTest::newRow("a lone CR, then short") << "c8.txt" << QByteArray("Nombre\r\n00-0\r1-ene\r\n");
    QTest::newRow("a folder in its place") << "c2.txt" << QByteArray("DIR");
    QTest::newRow("too large") << "c9.txt" << QByteArray(5 * 1024 * 1024, 'x');
    QTest::newRow("empty cal.txt") << "cal.txt" << QByteArray("");
    // Easter's key of 2010 on 2009's line of a file after c20, and 2009's on 2010's: the
    // highest file holding the key by the year's line gives the day its celebration.
    QTest::newRow("c21 holds keys of c5 on other years' lines")
        << "c21.txt"
        << "Otra\r\n" + crlfLines(9, "x") + "10-04-abr\r\n09-12-abr\r\n" + crlfLines(6, "y");
    QTest::newRow("tab and undefined bytes in a day line")
        << "04.txt" << crlfLines(4, "Dia ") + "Dia\t5 \x81\x8d -B\r\n" + crlfLines(26, "Dia ");
}

void TstMemorySource::sameLinesAndFaults() {
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    DataFixture data;
    breakFile(data, file, content);
    const calendar::DiskSource disk(data.ruta());
    const calendar::MemorySource memory(data.ruta());
    for (const QString& name : dataFiles()) {
        const QString path = data.path(name);
        const auto all = [&](const calendar::CalendarSource& source) {
            return source.readAllLines(path) << QString::number(source.lineCount(path));
        };
        QCOMPARE(answerOf([&] { return all(memory); }), answerOf([&] { return all(disk); }));
        // Longest reads first: a fault further on must not reach a shorter read afterwards.
        for (int count = 40; count >= -1; --count) {
            // Each way of asking: the lines, the last of them, and whether they hold a text.
            const auto ask = [&](const calendar::CalendarSource& source) {
                return QStringList{source.readLines(path, count)}
                       << source.readLine(path, count)
                       << QString::number(source.holdsLine(path, count, QStringLiteral("Dia 5/4")))
                       << QString::number(source.holdsLine(path, count, QStringLiteral("y2")));
            };
            const Answer onDisk = answerOf([&] { return ask(disk); });
            const Answer inMemory = answerOf([&] { return ask(memory); });
            if (!(onDisk == inMemory))
                QFAIL(qPrintable(QStringLiteral("%1, %2 lines: disk %3 [%4], memory %5 [%6]")
                                     .arg(name)
                                     .arg(count)
                                     .arg(onDisk.lines.size())
                                     .arg(onDisk.fault)
                                     .arg(inMemory.lines.size())
                                     .arg(inMemory.fault)));
        }
    }
}

void TstMemorySource::sameDaysAndFaults_data() {
    sameLinesAndFaults_data();
}

void TstMemorySource::sameDaysAndFaults() {
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    DataFixture data;
    breakFile(data, file, content);
    const calendar::DiskSource disk(data.ruta());
    const calendar::MemorySource memory(data.ruta());
    const calendar::MemorySource rememberedSource(data.ruta());
    const calendar::DayReadings remembered(rememberedSource, true);
    // Chains of runs, as the window and orvantel-dia make them, each on its previous value.
    dayview::DayValue fromDisk;
    dayview::DayValue fromMemory;
    dayview::DayValue fromRemembered;
    QList<QStringList> days;
    const auto run = [](const QDate& date, const calendar::DayReadings& source,
                        dayview::DayValue& value) {
        dayview::DayValue next;
        const Answer answer = answerOf([&] {
            dayview::runDay(date, source, value, next);
            return QStringList();
        });
        value = next;
        return QStringList{answer.fault} + dayreport::fieldValues(value) +
               QStringList{QString::number(value.numMovil.value_or(0))};
    };
    for (QDate date(2009, 1, 1); date <= QDate(2010, 12, 31); date = date.addDays(1)) {
        const QStringList onDisk = run(date, disk, fromDisk);
        QCOMPARE(run(date, memory, fromMemory), onDisk);
        QCOMPARE(run(date, remembered, fromRemembered), onDisk);
        days.append(onDisk);
    }
    // The same days again from readings that have already read the later years.
    dayview::DayValue again;
    for (QDate date(2009, 1, 1); date <= QDate(2010, 12, 31); date = date.addDays(1))
        QCOMPARE(run(date, remembered, again), days.at(QDate(2009, 1, 1).daysTo(date)));
}

void TstMemorySource::readsEachFileOnce() {
    DataFixture data;
    const calendar::MemorySource memory(data.ruta());
    const QString path = data.path(QStringLiteral("06.txt"));
    QCOMPARE(memory.readLine(path, 1), QStringLiteral("Dia 1/6"));
    data.setDayLine(6, 1, QStringLiteral("Cambiado"));
    data.removeFile(QStringLiteral("c1.txt"));
    QCOMPARE(memory.readLine(path, 1), QStringLiteral("Dia 1/6"));
    QCOMPARE(data.source().readLine(path, 1), QStringLiteral("Cambiado"));
    QVERIFY_THROWS_EXCEPTION(DataFault, memory.readLine(data.path(QStringLiteral("c1.txt")), 1));
}

void TstMemorySource::paddedCalGivesTheSameDaysReadOncePerRun_data() {
    QTest::addColumn<QByteArray>("padding");
    QTest::newRow("lines of text") << QByteArray("Sin celebraci\xF3n fija\r\n");
    QTest::newRow("empty lines") << QByteArray("\r\n");
}

// "cal.txt" with 50,000 lines more after its years: every day as before, and in each run of
// the day view the file is read once, whatever its length.
void TstMemorySource::paddedCalGivesTheSameDaysReadOncePerRun() {
    QFETCH(QByteArray, padding);
    const DataFixture plain;
    const DataFixture padded;
    writeRaw(padded.path(QStringLiteral("cal.txt")),
             fileBytes(plain.path(QStringLiteral("cal.txt"))) + padding.repeated(50000));
    const calendar::MemorySource before(plain.ruta());
    const calendar::MemorySource memory(padded.ruta());
    const CountingSource counting(padded.ruta());
    int runs = 0;
    // 29 February and 1 March of a leap year take the two dominical digits; 2017 is not listed.
    for (const QDate& date : {QDate(2008, 2, 29), QDate(2008, 3, 1), QDate(2009, 4, 12),
                              QDate(2016, 12, 31), QDate(2017, 1, 1)}) {
        dayview::DayValue expected;
        dayview::DayValue fromMemory;
        dayview::DayValue counted;
        dayview::runDay(date, before, {}, expected);
        dayview::runDay(date, memory, {}, fromMemory);
        dayview::runDay(date, counting, {}, counted);
        QCOMPARE(dayreport::fieldValues(fromMemory), dayreport::fieldValues(expected));
        QCOMPARE(dayreport::fieldValues(counted), dayreport::fieldValues(expected));
        QCOMPARE(counting.calReads, ++runs);
    }
    QCOMPARE(memory.calTable(), memory.calTable()); // made once for the program
}

QTEST_GUILESS_MAIN(TstMemorySource)
#include "tst_memory_source.moc"
