// The month sheets as a reader of the PDF sees them: poppler's tools read back the pages, their
// size, text and fonts, and render them, from the shipped data and from edited data.

#include "calendar_data/calendar_source.h"
#include "sheet/month_sheet.h"
#include "support/shipped_copy.h"

#include <QtGui>
#include <QtTest>

namespace {

QString poppler(const char* tool, const QStringList& args) {
    QProcess process;
    process.start(QString::fromLatin1(tool), args);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The sheet of `first` .. `last` written, read back and its first page rendered at 144 dpi.
struct Sheet {
    Sheet(const QString& ruta, const QDate& first, const QDate& last) {
        const calendar::MemorySource source(ruta);
        pages = sheet::monthPages(first, last, calendar::DayReadings(source, true));
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::WriteOnly) &&
                file.write(sheet::pdfDocument(
                    pages, {sheet::editedDataName(ruta), {}, {2026, 12, 8}})) > 0);
        file.close();
        text = poppler("pdftotext", {"-raw", pdf, "-"});
        poppler("pdftoppm", {"-r", "144", "-f", "1", "-l", "1", pdf, dir.filePath("p")});
        static const QRegularExpression word(
            QStringLiteral("xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                           "yMax=\"([\\d.]+)\">([^<]*)<"));
        for (auto it = word.globalMatch(poppler("pdftotext", {"-bbox", "-l", "1", pdf, "-"}));
             it.hasNext();) {
            const auto m = it.next();
            words.append({QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                 QPointF(m.captured(3).toDouble(), m.captured(4).toDouble())),
                          m.captured(5)});
        }
    }
    QString info(const QString& name) const {
        const QString pattern = QStringLiteral("(?m)^%1:\\s*(.*)$").arg(name);
        return QRegularExpression(pattern).match(poppler("pdfinfo", {pdf})).captured(1).trimmed();
    }
    QTemporaryDir dir;
    QString pdf = dir.filePath(QStringLiteral("hoja.pdf"));
    QList<sheet::MonthPage> pages;
    QString text;
    QList<std::pair<QRectF, QString>> words; // of the first page, with their boxes in points
};

} // namespace

class TestMonthSheet : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        if (QStandardPaths::findExecutable("pdftoppm").isEmpty())
            QSKIP("poppler-utils is not installed");
    }
    void shippedSheets_data();
    void shippedSheets();
    void longLineFitsItsPage();
};

void TestMonthSheet::shippedSheets_data() {
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("last");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("header"); // the cycles, from the day they change
    QTest::newRow("month") << QDate(2026, 12, 1) << QDate(2026, 12, 31) << "Diciembre 2026"
                           << "Domingos: ciclo B · Entre semana: año I";
    QTest::newRow("year") << QDate(2027, 1, 1) << QDate(2027, 12, 31) << "2027"
                          << "Domingos: ciclo B; desde el 28, ciclo C";
    QTest::newRow("range") << QDate(2026, 11, 15) << QDate(2027, 1, 10)
                           << "Noviembre 2026 a Enero 2027"
                           << "Entre semana: año II; desde el 29, año I";
}

// Pages, size, title, creator; each day's celebration, the legend and the date of printing in
// the text; fonts embedded; left of each colour's name a swatch of that colour; no folder named.
void TestMonthSheet::shippedSheets() {
    QFETCH(QDate, first);
    QFETCH(QDate, last);
    QFETCH(QString, title);
    QFETCH(QString, header);
    const QString shipped = QStringLiteral(ORVANTEL_SOURCE_DATA_DIR);
    const Sheet made(shipped, first, last);
    const int months = (last.year() - first.year()) * 12 + last.month() - first.month() + 1;
    QCOMPARE(made.info("Pages").toInt(), months);
    QVERIFY(made.info("Page size").startsWith("595") && made.info("Page size").endsWith("(A4)"));
    QCOMPARE(made.info("Title"), QStringLiteral("Calendario litúrgico — ") + title);
    QCOMPARE(made.info("Creator"), QStringLiteral("Orvantel"));

    const QString flat = made.text.simplified();
    qint64 days = 0;
    for (const sheet::MonthPage& page : made.pages)
        for (const dayview::DayValue& day : page.days)
            QVERIFY2(++days && flat.contains(day.ordo.celebracion),
                     qPrintable(day.ordo.celebracion));
    QCOMPARE(days, first.daysTo(last) + 1);
    for (const QString& words : {QStringLiteral("Impreso el 8 de diciembre de 2026"),
                                 QStringLiteral("pb: Presbít."), header})
        QVERIFY2(flat.contains(words), qPrintable(words));
    QVERIFY(!flat.contains(QStringLiteral("archivos editados")));
    const QStringList fonts = poppler("pdffonts", {made.pdf}).split('\n', Qt::SkipEmptyParts);
    for (const QString& row : fonts.mid(2)) // name, type (two words), encoding, emb, ...
        QCOMPARE(row.split(' ', Qt::SkipEmptyParts).sliced(3).value(1), QStringLiteral("yes"));

    const QImage page(made.dir.filePath(months > 9 ? "p-01.ppm" : "p-1.ppm"));
    const QHash<QString, QColor> colours = {
        {"blanco", "#fafafa"}, {"verde", "#00fa00"}, {"rojo", "#fa0000"}, {"morado", "#fa00fa"}};
    QSet<QString> seen;
    for (const auto& [box, text] : made.words) {
        if (!colours.contains(text))
            continue;
        seen.insert(text); // the swatch, 10 points wide, ends 3 points before the name
        QCOMPARE(page.pixelColor((box.left() - 8) * 2, (box.top() + 3) * 2), colours.value(text));
    }
    QVERIFY(seen.size() >= 3 && fonts.size() > 2);
}

// A day line of 300 characters: every word on the one page, within its row, not below about
// 6 points; the header names the edited data's folder.
void TestMonthSheet::longLineFitsItsPage() {
    ShippedCopy data;
    QString line;
    for (int i = 0; line.size() < 300; ++i)
        line += QStringLiteral("Palabra%1 ").arg(i);
    line = line.left(300).trimmed();
    data.setLine(QStringLiteral("12.txt"), 14, line);
    const Sheet made(data.ruta(), QDate(2026, 12, 1), QDate(2026, 12, 31));
    QCOMPARE(made.info("Pages").toInt(), 1);
    QMap<int, double> dayTops; // the day numbers of the first column
    for (const auto& [box, text] : made.words)
        if (const int day = text.toInt(); box.left() < 60 && day >= 1 && day <= 31)
            dayTops.insert(day, box.top());
    QCOMPARE(dayTops.size(), 31);
    const QStringList pieces = line.split(' ');
    QSet<QString> found; // in the day line and again among the optional memorials
    for (const auto& [box, text] : made.words) {
        if (!text.startsWith(QStringLiteral("Palabra")))
            continue;
        found.insert(text);
        QVERIFY2(box.top() >= dayTops.value(14) - 1 && box.bottom() <= dayTops.value(15) &&
                     box.height() >= 5,
                 qPrintable(text));
    }
    QCOMPARE(found, QSet<QString>(pieces.begin(), pieces.end()));
    QVERIFY(made.text.contains(QStringLiteral("archivos editados")));
}

QTEST_MAIN(TestMonthSheet)
#include "tst_month_sheet.moc"
