// The month sheets as a reader of the PDF sees them: poppler's tools read back the pages, their
// size, text and fonts, and render them, from the shipped data and from edited data.

#include "calendar_data/calendar_source.h"
#include "calendar_data/day_readings.h"
#include "sheet/month_sheet.h"
#include "support/shipped_copy.h"

#include <QFile>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace {

const QString kShipped = QStringLiteral(ORVANTEL_SOURCE_DATA_DIR);

// What a poppler tool prints for `pdf`; skips the test when the tool is missing.
#define POPPLER(result, tool, ...)                                                                 \
    if (QStandardPaths::findExecutable(QStringLiteral(tool)).isEmpty())                            \
        QSKIP(tool " (poppler-utils) is not installed");                                           \
    const QString result = poppler(QStringLiteral(tool), {__VA_ARGS__})

QString poppler(const QString& tool, const QStringList& args) {
    QProcess process;
    process.start(tool, args);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

struct Sheet {
    QTemporaryDir dir;
    QString pdf;
    QList<sheet::MonthPage> pages;
};

std::unique_ptr<Sheet> writeSheet(const QString& ruta, const QDate& first, const QDate& last) {
    auto made = std::make_unique<Sheet>();
    const calendar::MemorySource source(ruta);
    made->pages = sheet::monthPages(first, last, calendar::DayReadings(source, true));
    sheet::SheetOptions options;
    options.dataFolder = sheet::editedDataName(ruta);
    options.printed = QDate(2026, 12, 8);
    made->pdf = made->dir.filePath(QStringLiteral("hoja.pdf"));
    QFile file(made->pdf);
    if (file.open(QIODevice::WriteOnly))
        file.write(sheet::pdfDocument(made->pages, options));
    return made;
}

QString field(const QString& info, const QString& name) {
    const QRegularExpression line(QStringLiteral("^%1:\\s*(.*)$").arg(name),
                                  QRegularExpression::MultilineOption);
    return line.match(info).captured(1).trimmed();
}

// The words of a page with their boxes in points, from pdftotext -bbox.
struct Word {
    QRectF box;
    QString text;
};
QList<Word> wordsOf(const QString& bbox) {
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">([^<]*)<"));
    QList<Word> words;
    for (auto it = word.globalMatch(bbox); it.hasNext();) {
        const auto m = it.next();
        const QPointF a(m.captured(1).toDouble(), m.captured(2).toDouble());
        const QPointF b(m.captured(3).toDouble(), m.captured(4).toDouble());
        words.append({QRectF(a, b), m.captured(5)});
    }
    return words;
}

} // namespace

class TestMonthSheet : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void shippedSheets_data();
    void shippedSheets();
    void swatchesShowTheirColour();
    void longLineFitsItsPage();
};

void TestMonthSheet::shippedSheets_data() {
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("last");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("header"); // the cycles of a month, from the day they change
    QTest::newRow("month") << QDate(2026, 12, 1) << QDate(2026, 12, 31)
                           << "Calendario litúrgico — Diciembre 2026"
                           << "Domingos: ciclo B · Entre semana: año I";
    QTest::newRow("year") << QDate(2027, 1, 1) << QDate(2027, 12, 31)
                          << "Calendario litúrgico — 2027"
                          << "Domingos: ciclo B; desde el 28, ciclo C";
    QTest::newRow("range") << QDate(2026, 11, 15) << QDate(2027, 1, 10)
                           << "Calendario litúrgico — Noviembre 2026 a Enero 2027"
                           << "Entre semana: año II; desde el 29, año I";
}

// Page count and size, title and creator, every day's celebration in the text, every font
// embedded; the shipped data names no folder.
void TestMonthSheet::shippedSheets() {
    QFETCH(QDate, first);
    QFETCH(QDate, last);
    QFETCH(QString, title);
    QFETCH(QString, header);
    QCOMPARE(sheet::editedDataName(kShipped), QString());
    const auto made = writeSheet(kShipped, first, last);
    POPPLER(info, "pdfinfo", made->pdf);
    const int months = (last.year() - first.year()) * 12 + last.month() - first.month() + 1;
    QCOMPARE(field(info, "Pages").toInt(), months);
    QVERIFY2(field(info, "Page size").startsWith(QStringLiteral("595")), qPrintable(info));
    QVERIFY(field(info, "Page size").contains(QStringLiteral("(A4)")));
    QCOMPARE(field(info, "Title"), title);
    QCOMPARE(field(info, "Creator"), QStringLiteral("Orvantel"));

    POPPLER(text, "pdftotext", "-raw", made->pdf, "-");
    const QString flat = text.simplified();
    int days = 0;
    for (const sheet::MonthPage& page : made->pages)
        for (const dayview::DayValue& day : page.days) {
            ++days;
            QVERIFY2(flat.contains(day.ordo.celebracion.simplified()),
                     qPrintable(day.fecha.toString() + QLatin1Char(' ') + day.ordo.celebracion));
        }
    QCOMPARE(days, first.daysTo(last) + 1);
    QCOMPARE(text.count(QChar(u'\f')), months);
    QVERIFY(flat.contains(QStringLiteral("Impreso el 8 de diciembre de 2026")));
    QVERIFY(flat.contains(QStringLiteral("pb: Presbít.")));
    QVERIFY2(flat.contains(header), qPrintable(flat.left(300)));
    QVERIFY(!flat.contains(QStringLiteral("archivos editados")));

    POPPLER(fonts, "pdffonts", made->pdf);
    const QStringList rows = fonts.split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
    QVERIFY(!rows.isEmpty());
    for (const QString& row : rows) {
        const QStringList columns = row.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QVERIFY2(columns.size() >= 5 && columns.at(columns.size() - 5) == QLatin1String("yes"),
                 qPrintable(row));
    }
}

// Left of each colour's name, the page rendered shows a swatch of that colour.
void TestMonthSheet::swatchesShowTheirColour() {
    const auto made = writeSheet(kShipped, QDate(2026, 12, 1), QDate(2026, 12, 31));
    POPPLER(bbox, "pdftotext", "-bbox", made->pdf, "-");
    POPPLER(unused, "pdftoppm", "-r", "144", made->pdf, made->dir.filePath(QStringLiteral("p")));
    const QImage page(made->dir.filePath(QStringLiteral("p-1.ppm")));
    QVERIFY(!page.isNull());
    const QHash<QString, QColor> colours = {{"blanco", QColor(250, 250, 250)},
                                            {"verde", QColor(0, 250, 0)},
                                            {"rojo", QColor(250, 0, 0)},
                                            {"morado", QColor(250, 0, 250)}};
    QHash<QString, int> seen;
    for (const Word& word : wordsOf(bbox)) {
        if (!colours.contains(word.text))
            continue;
        // The swatch, 10 points wide, ends 3 points before the name.
        const QPoint centre((word.box.left() - 8) * 2, (word.box.top() + 3) * 2);
        const QColor pixel = page.pixelColor(centre);
        const QColor want = colours.value(word.text);
        QVERIFY2(qAbs(pixel.red() - want.red()) + qAbs(pixel.green() - want.green()) +
                         qAbs(pixel.blue() - want.blue()) <
                     12,
                 qPrintable(word.text + QLatin1Char(' ') + pixel.name()));
        ++seen[word.text];
    }
    QCOMPARE(seen.value("rojo"), 2); // St Stephen, the Holy Innocents
    QVERIFY(seen.value("morado") > 15 && seen.value("blanco") > 5);
}

// A day line of 300 characters: every word of it is on the page, the rows do not run into
// each other, the month stays on one page, and the header names the edited data's folder.
void TestMonthSheet::longLineFitsItsPage() {
    ShippedCopy data;
    QString line;
    for (int i = 0; line.size() < 300; ++i)
        line += QStringLiteral("Palabra%1 ").arg(i);
    line = line.left(300).trimmed();
    data.setLine(QStringLiteral("12.txt"), 14, line);
    const auto made = writeSheet(data.ruta(), QDate(2026, 12, 1), QDate(2026, 12, 31));
    POPPLER(info, "pdfinfo", made->pdf);
    QCOMPARE(field(info, "Pages").toInt(), 1);
    POPPLER(bbox, "pdftotext", "-bbox", made->pdf, "-");
    const QList<Word> words = wordsOf(bbox);
    // The day numbers in the first column, top to bottom, and the pieces of the long line.
    QMap<int, double> dayTops;
    for (const Word& word : words)
        if (const int day = word.text.toInt(); word.box.left() < 60 && day >= 1 && day <= 31)
            dayTops.insert(day, word.box.top());
    QCOMPARE(dayTops.size(), 31);
    QVERIFY(std::is_sorted(dayTops.begin(), dayTops.end()));
    const QStringList pieces = line.split(QLatin1Char(' '));
    QSet<QString> found; // in the day line and again among the optional memorials
    for (const Word& word : words) {
        if (!word.text.startsWith(QStringLiteral("Palabra")))
            continue;
        QVERIFY(pieces.contains(word.text));
        found.insert(word.text);
        QVERIFY2(word.box.top() >= dayTops.value(14) - 1 && word.box.bottom() <= dayTops.value(15),
                 qPrintable(word.text));
        QVERIFY(word.box.height() >= 5); // not below the floor of about 6 points
    }
    QCOMPARE(found.size(), pieces.size());
    QVERIFY(bbox.contains(QStringLiteral("editados")));
    QVERIFY(words.last().box.bottom() <= 842);
}

QTEST_MAIN(TestMonthSheet)
#include "tst_month_sheet.moc"
