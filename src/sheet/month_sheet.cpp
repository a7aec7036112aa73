#include "sheet/month_sheet.h"

#include "dayview/day_export.h"
#include "ordo/ordo.h"
#include "panels/panel_texts.h"
#include "platform/data_dir.h"
#include "platform/data_fault.h"
#include "platform/text_file.h"

#include <QBuffer>
#include <QDir>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace sheet {

namespace {

// Sizes in points (1/72 inch); the painter works in device units, `Page::unit` points each.
constexpr double kMarginX = 34;
constexpr double kMarginY = 28;
constexpr double kDayWidth = 56;
constexpr double kColourWidth = 58;
constexpr double kHoursWidth = 44;
constexpr double kPreceptWidth = 14;
constexpr double kRowPad = 2.2;
constexpr double kMinRow = 19;
constexpr double kMaxRow = 34;
constexpr double kFloorPt = 6; // no text of a row is drawn smaller
constexpr double kTitlePt = 18;
constexpr double kMainPt = 9;      // the celebration kept
constexpr double kSmallPt = 7.2;   // rank, day line, memorials, movable celebration
constexpr double kNotePt = 6.5;    // colour name, psalter, footer
const QColor kBand(232, 232, 232); // Sundays and solemnities
const QColor kRule(150, 150, 150);

QString capitalised(QString text) {
    if (!text.isEmpty())
        text[0] = text.at(0).toUpper();
    return text;
}

QString monthName(int month) {
    return capitalised(QLocale(QLocale::Spanish).standaloneMonthName(month));
}

// One text block of a row: its font and its words, wrapped to the block's width.
struct Block {
    QFont font;
    QString text;
};

QFont sheetFont(double points, bool bold = false) {
    QFont font;
    // Metric-compatible with Arial, shipped with the program's fonts on every system we build
    // for; the others stand in when it is missing.
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                      QStringLiteral("DejaVu Sans"), QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// The painter's page: device units per point, the content's rectangle.
struct Page {
    QPagedPaintDevice* device = nullptr;
    double unit = 1;
    double width = 0;  // points
    double height = 0; // points

    QRectF rect(double x, double y, double w, double h) const {
        return {x * unit, y * unit, w * unit, h * unit};
    }
    // The height in points of `text` wrapped to `w` points.
    double textHeight(const QFont& font, const QString& text, double w) const {
        if (text.isEmpty())
            return 0;
        const QFontMetricsF metrics(font, device);
        return metrics
                   .boundingRect(QRectF(0, 0, w * unit, 1e9), Qt::TextWordWrap | Qt::AlignLeft,
                                 text)
                   .height() /
               unit;
    }
    // Draws `text` wrapped into the box; the height it took, in points.
    double draw(QPainter& painter, const QFont& font, const QString& text, double x, double y,
                double w, int align = Qt::AlignLeft) const {
        if (text.isEmpty())
            return 0;
        painter.setFont(font);
        QRectF used;
        painter.drawText(rect(x, y, w, 1e6), Qt::TextWordWrap | align | Qt::AlignTop, text, &used);
        return used.height() / unit;
    }
};

// What a row shows of one day.
struct Row {
    int day = 0;
    QString weekday;
    QColor colour;
    QString colourName;
    QString kept;  // bold
    QString below; // smaller: rank, day line, optional memorials, movable celebration
    QString psalter;
    QString tomo;
    bool precept = false;
    bool stands = false; // Sunday or solemnity
    double scale = 1;    // of the row's two texts, down to the floor
    double height = 0;
};

Row rowOf(const dayview::DayValue& value) {
    const dayview::DayCaptions captions = dayview::captionsOf(value);
    Row row;
    row.day = value.fecha.day();
    row.weekday = captions.weekday;
    if (row.weekday.startsWith(QLatin1Char('+')))
        row.weekday = row.weekday.mid(1).trimmed();
    if (row.weekday.isEmpty())
        row.weekday = capitalised(QLocale(QLocale::Spanish).dayName(value.fecha.dayOfWeek()));
    const Rgb& rgb = value.liturgical.colour;
    row.colour = QColor(rgb.r, rgb.g, rgb.b);
    row.colourName = dayexport::colourName(rgb);
    row.kept = !captions.celebration.isEmpty() ? captions.celebration : captions.line;
    QStringList below;
    if (!captions.rank.isEmpty())
        below << captions.rank;
    if (!captions.line.isEmpty() && row.kept != captions.line)
        below << captions.line;
    if (!captions.optional.isEmpty())
        below << QStringLiteral("Libres: %1").arg(captions.optional);
    // Unless it is the one kept: a day of the Proper of Time under the Ordo's name for it
    // ("Domingo 1º de Adviento", kept as "Domingo I de Adviento"), or the same words.
    if (value.numMovil && !ordo::isDayOfTime(*value.numMovil) && !captions.movable.isEmpty() &&
        !row.kept.startsWith(captions.movable, Qt::CaseInsensitive))
        below << QStringLiteral("Móvil: %1").arg(captions.movable);
    row.below = below.join(QStringLiteral(" · "));
    if (!captions.psalter.isEmpty())
        row.psalter = QStringLiteral("Salterio %1").arg(captions.psalter);
    if (!captions.tomo.isEmpty())
        row.tomo = QStringLiteral("Tomo %1").arg(captions.tomo);
    row.precept = value.ordo.precepto;
    row.stands = value.weekday == 0 || value.ordo.rango == ordo::Rank::Solemnidad ||
                 value.ordo.rango == ordo::Rank::TriduoPascual;
    return row;
}

double mainWidth(const Page& page) {
    return page.width - 2 * kMarginX - kDayWidth - kColourWidth - kHoursWidth - kPreceptWidth;
}

// The two texts shrink together; at the floor the smaller one is at 6 points and the
// celebration kept at 7.5.
constexpr double kFloorScale = kFloorPt / kSmallPt;
QFont keptFont(const Row& row) {
    return sheetFont(kMainPt * std::max(kFloorScale, row.scale), true);
}
QFont belowFont(const Row& row) {
    return sheetFont(kSmallPt * std::max(kFloorScale, row.scale));
}

double naturalHeight(const Page& page, const Row& row) {
    const double w = mainWidth(page) - 4;
    const double texts =
        page.textHeight(keptFont(row), row.kept, w) + page.textHeight(belowFont(row), row.below, w);
    return std::max(kMinRow, texts + 2 * kRowPad);
}

// Gives every row its height within `room` points: each its natural one; while they do not
// fit, the tallest row's texts shrink a step, down to the floor; what is left over is shared
// out, up to a row's most.
void fitRows(const Page& page, QList<Row>& rows, double room) {
    double total = 0;
    for (Row& row : rows)
        total += row.height = naturalHeight(page, row);
    const double floorScale = kFloorScale;
    while (total > room) {
        auto tallest = std::max_element(rows.begin(), rows.end(), [&](const Row& a, const Row& b) {
            const bool aCan = a.scale > floorScale, bCan = b.scale > floorScale;
            return aCan != bCan ? bCan : a.height < b.height;
        });
        if (tallest == rows.end() || tallest->scale <= floorScale)
            break; // every row at the floor: the texts stay whole and the rows go on
        tallest->scale = std::max(floorScale, tallest->scale - 0.05);
        total -= tallest->height;
        total += tallest->height = naturalHeight(page, *tallest);
    }
    if (total < room && !rows.isEmpty()) {
        const double extra = (room - total) / static_cast<double>(rows.size());
        for (Row& row : rows)
            row.height = std::max(row.height, std::min(kMaxRow, row.height + extra));
    }
}

// "Domingos: ciclo A; desde el 29, ciclo B". The value of each day in order; empty values
// (days outside the calendar) are left out.
QString changes(const QString& what, const QList<std::pair<int, QString>>& values) {
    QStringList parts;
    QString last;
    for (const auto& [day, value] : values) {
        if (value.isEmpty() || value == last)
            continue;
        parts << (last.isEmpty() ? value : QStringLiteral("desde el %1, %2").arg(day).arg(value));
        last = value;
    }
    return parts.isEmpty() ? QString() : what + parts.join(QStringLiteral("; "));
}

QString cyclesLine(const MonthPage& month) {
    QList<std::pair<int, QString>> cycles;
    QList<std::pair<int, QString>> years;
    for (const dayview::DayValue& value : month.days) {
        const dayview::DayCaptions captions = dayview::captionsOf(value);
        if (captions.celebration.isEmpty())
            continue; // outside the calendar
        cycles.append(
            {value.fecha.day(),
             QString(captions.cycle).replace(QStringLiteral("Ciclo"), QStringLiteral("ciclo"))});
        years.append({value.fecha.day(), captions.weekdayYear.isEmpty()
                                             ? QString()
                                             : QStringLiteral("año %1").arg(captions.weekdayYear)});
    }
    QStringList parts;
    for (const QString& part : {changes(QStringLiteral("Domingos: "), cycles),
                                changes(QStringLiteral("Entre semana: "), years)})
        if (!part.isEmpty())
            parts << part;
    return parts.join(QStringLiteral("  ·  "));
}

// The legend panel's entries on one line each: "dc: Doct.de la Igles.".
QString legendParagraph() {
    QStringList entries;
    for (const QString& line : panels::legendLines()) {
        if (line.startsWith(QLatin1Char(' ')) && !entries.isEmpty()) {
            entries.last() += QLatin1Char(' ') + line.trimmed();
            continue;
        }
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        entries << (colon < 0 ? line.simplified()
                              : line.left(colon).trimmed() + QStringLiteral(": ") +
                                    line.mid(colon + 1).simplified());
    }
    return QStringLiteral("Abreviaturas del calendario: ") + entries.join(QStringLiteral(" · ")) +
           QStringLiteral(". Salterio: semana del salterio; Tomo: de la Liturgia de las Horas.");
}

void paintRow(QPainter& painter, const Page& page, const Row& row, double y) {
    const double x0 = kMarginX;
    const double right = page.width - kMarginX;
    painter.setPen(QPen(kRule, 0.3 * page.unit));
    painter.drawLine(QPointF(x0 * page.unit, (y + row.height) * page.unit),
                     QPointF(right * page.unit, (y + row.height) * page.unit));
    painter.setPen(Qt::black);
    const double top = y + kRowPad;
    // Number and weekday.
    page.draw(painter, sheetFont(12, true), QString::number(row.day), x0 + 1, top - 0.8, 18,
              Qt::AlignRight);
    page.draw(painter, sheetFont(kNotePt, row.stands), row.weekday, x0 + 21, top + 3,
              kDayWidth - 21);
    // The colour: a square with a thin border, so that white shows, and its name.
    const double cx = x0 + kDayWidth;
    const double side = 10;
    painter.setPen(QPen(Qt::black, 0.5 * page.unit));
    painter.setBrush(row.colour);
    painter.drawRect(page.rect(cx, top + 0.5, side, side));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(Qt::black);
    page.draw(painter, sheetFont(kNotePt), row.colourName, cx + side + 3, top + 2,
              kColourWidth - side - 4);
    // The celebration kept, and under it the rest.
    const double mx = cx + kColourWidth;
    const double mw = mainWidth(page) - 4;
    const double used = page.draw(painter, keptFont(row), row.kept, mx, top, mw);
    page.draw(painter, belowFont(row), row.below, mx, top + used, mw);
    // Psalter week and volume; the precept.
    const double hx = mx + mainWidth(page);
    const double psalter =
        page.draw(painter, sheetFont(kNotePt), row.psalter, hx, top + 1, kHoursWidth);
    page.draw(painter, sheetFont(kNotePt), row.tomo, hx, top + 1 + psalter, kHoursWidth);
    if (row.precept)
        page.draw(painter, sheetFont(11, true), QStringLiteral("+"), hx + kHoursWidth, top - 1,
                  kPreceptWidth, Qt::AlignHCenter);
}

// The header of a month's page: the month and year, the cycles; then the proper calendar and
// the data folder; a rule. Where the rows start, in points.
double paintHeader(QPainter& painter, const Page& page, const MonthPage& month,
                   const SheetOptions& options, bool continued) {
    const double x0 = kMarginX;
    const double w = page.width - 2 * kMarginX;
    double y = kMarginY;
    painter.setPen(Qt::black);
    const QFont titleFont = sheetFont(kTitlePt, true);
    QString titleText = QStringLiteral("%1 %2").arg(monthName(month.month)).arg(month.year);
    if (continued)
        titleText += QStringLiteral(" (continuación)");
    const double title = page.draw(painter, titleFont, titleText, x0, y, w);
    // The cycles beside the title when they fit on one line there, else on a line of their own.
    const QFont cyclesFont = sheetFont(8);
    const QString cycles = cyclesLine(month);
    const QFontMetricsF cyclesMetrics(cyclesFont, page.device);
    const double titleWidth =
        QFontMetricsF(titleFont, page.device).horizontalAdvance(titleText) / page.unit + 12;
    const double beside = w - titleWidth;
    const bool fits = cyclesMetrics.horizontalAdvance(cycles) / page.unit <= beside;
    if (fits)
        page.draw(painter, cyclesFont, cycles, x0 + titleWidth, y + 7, beside, Qt::AlignRight);
    y += title;
    if (!fits)
        y += page.draw(painter, cyclesFont, cycles, x0, y, w);
    QStringList second;
    if (!options.properCalendar.isEmpty())
        second << options.properCalendar;
    if (!options.dataFolder.isEmpty())
        second << QStringLiteral("Datos de la carpeta «%1» (archivos editados)")
                      .arg(options.dataFolder);
    y += page.draw(painter, sheetFont(8), second.join(QStringLiteral("  ·  ")), x0, y, w);
    y += 3;
    painter.setPen(QPen(Qt::black, 0.8 * page.unit));
    painter.drawLine(QPointF(x0 * page.unit, y * page.unit),
                     QPointF((x0 + w) * page.unit, y * page.unit));
    return y;
}

// The footer: the legend and the date of printing, under the rows or at the page's foot.
struct Footer {
    QFont note = sheetFont(kNotePt);
    QString legend = legendParagraph();
    QString printed;
    double height = 0;
};

Footer footerOf(const Page& page, const SheetOptions& options) {
    Footer footer;
    footer.printed =
        QStringLiteral("Impreso el %1 · Orvantel")
            .arg(QLocale(QLocale::Spanish)
                     .toString(options.printed, QStringLiteral("d 'de' MMMM 'de' yyyy")));
    const double w = page.width - 2 * kMarginX;
    footer.height = page.textHeight(footer.note, footer.legend, w) +
                    page.textHeight(footer.note, footer.printed, w) + 6;
    return footer;
}

void paintFooter(QPainter& painter, const Page& page, const Footer& footer, double y) {
    const double x0 = kMarginX;
    const double w = page.width - 2 * kMarginX;
    painter.setPen(QPen(Qt::black, 0.5 * page.unit));
    const double fy = std::max(y, page.height - kMarginY - footer.height) + 3;
    painter.drawLine(QPointF(x0 * page.unit, (fy - 1.5) * page.unit),
                     QPointF((x0 + w) * page.unit, (fy - 1.5) * page.unit));
    const double used = page.draw(painter, footer.note, footer.legend, x0, fy, w);
    page.draw(painter, footer.note, footer.printed, x0, fy + used + 1, w, Qt::AlignRight);
}

// A month: one page, or more when its rows do not fit one even with every text at the floor
// (many long day lines): the rows that do not fit go on to a page of their own, under the
// same header, so that none runs into the footer.
void paintMonth(QPainter& painter, const Page& page, const MonthPage& month,
                const SheetOptions& options) {
    const Footer footer = footerOf(page, options);
    const double bottom = page.height - kMarginY - footer.height;
    QList<Row> left;
    for (const dayview::DayValue& value : month.days)
        left.append(rowOf(value));
    for (bool first = true; first || !left.isEmpty(); first = false) {
        if (!first)
            page.device->newPage();
        double y = paintHeader(painter, page, month, options, !first);
        const double room = bottom - y - 2;
        fitRows(page, left, room);
        qsizetype count = 0;
        for (double used = 0;
             count < left.size() && (count == 0 || used + left[count].height <= room + 0.01);)
            used += left[count++].height;
        const QList<Row> rows = left.first(count);
        left.remove(0, count);
        // The bands first, so that the rule under a row shows over the band of the next.
        double band = y;
        for (const Row& row : rows) {
            if (row.stands)
                painter.fillRect(page.rect(kMarginX, band, page.width - 2 * kMarginX, row.height),
                                 kBand);
            band += row.height;
        }
        for (const Row& row : rows) {
            paintRow(painter, page, row, y);
            y += row.height;
        }
        paintFooter(painter, page, footer, y);
    }
}

} // namespace

QList<MonthPage> monthPages(const QDate& first, const QDate& last,
                            const calendar::DayReadings& data,
                            const dayview::ProperSchedule* proper) {
    QList<MonthPage> pages;
    dayview::DayValue shown;
    for (QDate date = first; date.isValid() && date <= last; date = date.addDays(1)) {
        dayview::DayValue next;
        dayview::runDay(date, data, shown, next, proper);
        shown = next;
        if (pages.isEmpty() || pages.last().month != date.month() ||
            pages.last().year != date.year())
            pages.append(MonthPage{date.year(), date.month(), {}});
        pages.last().days.append(shown);
    }
    return pages;
}

QString documentTitle(const QList<MonthPage>& pages) {
    const QString title = QStringLiteral("Calendario litúrgico — %1");
    if (pages.isEmpty())
        return title.arg(QString()).trimmed();
    const auto name = [](const MonthPage& page) {
        return QStringLiteral("%1 %2").arg(monthName(page.month)).arg(page.year);
    };
    const MonthPage& a = pages.first();
    const MonthPage& b = pages.last();
    if (pages.size() == 1)
        return title.arg(name(a));
    const bool wholeYear = pages.size() == 12 && a.year == b.year && a.month == 1 &&
                           a.days.first().fecha.day() == 1 && b.days.last().fecha.day() == 31;
    if (wholeYear)
        return title.arg(a.year);
    return title.arg(QStringLiteral("%1 a %2").arg(name(a), name(b)));
}

void prepareDevice(QPagedPaintDevice& device) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0), QPageLayout::Point));
}

void paintPages(QPainter& painter, QPagedPaintDevice& device, const QList<MonthPage>& pages,
                const SheetOptions& options) {
    Page page;
    page.device = &device;
    // The painter's units: the device's dots over the page's paintable rectangle.
    const QRectF paint = device.pageLayout().paintRectPoints();
    page.unit = device.width() / paint.width();
    page.width = paint.width();
    page.height = paint.height();
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (i > 0)
            device.newPage();
        paintMonth(painter, page, pages.at(i), options);
    }
}

QByteArray pdfDocument(const QList<MonthPage>& pages, const SheetOptions& options) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(720);
        writer.setTitle(documentTitle(pages));
        writer.setCreator(QStringLiteral("Orvantel"));
        prepareDevice(writer);
        QPainter painter(&writer);
        paintPages(painter, writer, pages, options);
        painter.end();
    }
    return bytes;
}

QString editedDataName(const QString& ruta) {
    for (const QString& name : datadir::embeddedFiles()) {
        QByteArray installed;
        try {
            installed = textfile::readFileBytes(ruta + name);
        } catch (const DataFault&) {
            installed.clear();
        }
        if (installed != datadir::embeddedBytes(name))
            return QDir(ruta).dirName();
    }
    return {};
}

} // namespace sheet
