// The date of a movable celebration, without the window: the answers for the typed number and
// year (checked against the real dates of the calendar), the quirks of the first-two and
// last-two characters, "Datos erróneos" for every fault, and the numbered list.

#include "search/movable_lookup.h"
#include "support/calendar_facts.h"
#include "support/data_fixture.h"

#include <QRegularExpression>
#include <QTest>

class TstMovableLookup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void answers_data();
    void answers();
    void missingFile_data();
    void missingFile();
    void listNumbersTheCelebrationFiles();
};

void TstMovableLookup::answers_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("answer");
    const QString wrong = QStringLiteral("Datos erróneos");
    // Hand-checked: Easter 2009 was 12 April, 2016 27 March; Advent 2007 began 2 December;
    // Christmas 2016 was a Sunday, so the Holy Family fell on 30 December.
    QTest::newRow("06/09, Pentecost 2009") << "06/09"
                                           << "09-31-may";
    QTest::newRow("12/16, Ascension 2016") << "12/16"
                                           << "16-08-may";
    QTest::newRow("06/2009 is 06/09") << "06/2009"
                                      << "09-31-may";
    QTest::newRow("7 alone is 7 in 2007") << "7"
                                          << "07-02-dic";
    QTest::newRow("20/16, Holy Family 2016") << "20/16"
                                             << "16-30-dic";
    QTest::newRow("06/00, first year") << "06/00"
                                       << "00-11-jun";
    QTest::newRow("a trailing blank") << "06/09 "
                                      << "09-31-may";
    QTest::newRow("06/-1 shows the name line") << "06/-1"
                                               << "Pentecostés";
    QTest::newRow("06/-5 reads no line") << "06/-5"
                                         << "";
    QTest::newRow("6/09: 6/ is no number") << "6/09" << wrong;
    QTest::newRow("21/09: no such file") << "21/09" << wrong;
    QTest::newRow("00/09: no such file") << "00/09" << wrong;
    QTest::newRow("06/17: past the last year") << "06/17" << wrong;
    QTest::newRow("06/ab: year is no number") << "06/ab" << wrong;
    QTest::newRow("nothing typed") << "" << wrong;
}

void TstMovableLookup::answers() {
    QFETCH(QString, typed);
    QFETCH(QString, answer);
    DataFixture data;
    QCOMPARE(lookup::dateOf(data.ruta(), typed), answer);
}

void TstMovableLookup::missingFile_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("a year") << "06/09";
    QTest::newRow("no line to read") << "06/-5";
}

void TstMovableLookup::missingFile() {
    QFETCH(QString, typed);
    DataFixture data;
    data.removeFile(QStringLiteral("c6.txt"));
    QCOMPARE(lookup::dateOf(data.ruta(), typed), QStringLiteral("Datos erróneos"));
}

void TstMovableLookup::listNumbersTheCelebrationFiles() {
    const QStringList lines = lookup::celebrationLines();
    QCOMPARE(lines.size(), 19);
    QCOMPARE(lines.first(), QStringLiteral("2  .Bautismo del Señor"));
    QCOMPARE(lines.at(12), QStringLiteral("20.La Sagrada Familia"));
    QCOMPARE(lines.at(13), QStringLiteral("21.Santa María, Madre de la Iglesia"));
    const QRegularExpression shape(QStringLiteral("^(\\d)  \\.(.+)$|^(\\d\\d)\\.(.+)$"));
    for (const QString& line : lines) {
        const QRegularExpressionMatch m = shape.match(line);
        QVERIFY2(m.hasMatch(), qPrintable(line));
        const int n = (m.captured(1) + m.captured(3)).toInt();
        QCOMPARE(m.captured(2) + m.captured(4), facts::listedName(n));
    }
    QVERIFY(lookup::celebrationsList().endsWith(QStringLiteral("Pablo, apóstoles\n")));
    QCOMPARE(lookup::celebrationsList().count(QLatin1Char('\n')), 19);
}

QTEST_GUILESS_MAIN(TstMovableLookup)
#include "tst_movable_lookup.moc"
