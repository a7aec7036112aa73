// The day view of the main window: one run for today (`Form_Activate`), the overflow mark
// (`Flech`) and the clock that refreshes Label2 and starts a new run when the date changes.
// A run that stops at a data fault is tried again when a file of the data directory changes
// and at the next date change; its message is shown once, until a run succeeds.

#include "dayview/day_view.h"
#include "dayview/line_date.h"
#include "gui/accessible_names.h"
#include "gui/form1.h"
#include "liturgical_time/liturgical_colour.h"
#include "platform/clock.h"
#include "platform/data_fault.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <optional>

namespace {

// Changes to the data files come in bursts (a file rewritten, an editor's backup, a folder
// copied over): the run is tried again once they have settled.
constexpr int kRetryDelayMs = 300;

bool isTextBox(const QWidget* widget) {
    return qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const QLineEdit*>(widget);
}

} // namespace

void Form1::Form_Activate() {
    runDayView(clock_.today(), calendar::DiskSource(Ruta));
    Command6->setFocus();
}

void Form1::automaticRun(const QDate& today) {
    runDayView(today, calendar::DiskSource(Ruta));
    // Nobody asked for this run: someone typing in a text box keeps their place.
    if (!isTextBox(focusWidget()))
        Command6->setFocus();
}

void Form1::runDayView(const QDate& today, const calendar::CalendarSource& files) {
    update(); // the frame is drawn with the window
    triedDate_ = today;
    for (FormLabel* step : {Label16, Label17, Label18, Label19})
        step->setEnabled(true);
    readProperCalendar();
    dayview::DayValue next;
    std::optional<DataFault> fault;
    try {
        dayview::runDay(today, files, shown_, next, proper_.get());
    } catch (const DataFault& f) {
        fault = f;
    }
    // What the run did not reach is shown empty, never as a leftover of an earlier day.
    shown_ = next;
    showDay();
    steps.reset(Ruta, today.month(), today.day());
    if (!fault) {
        FechaVista = today;
        lastFault_.clear();
        dataWatcher_.reset();
        retryTimer_.stop();
        if (startReport_)
            startReport_->runFault.reset(); // mended before the start's report is told
        return;
    }
    // The date is not taken as shown: the run is tried again once the data changes.
    watchDataFiles();
    if (fault->message() == lastFault_)
        return;
    lastFault_ = fault->message();
    if (startReport_)
        startReport_->runFault = fault; // told with the rest of the start's report
    else
        reportFault(lastFault_);
}

void Form1::watchDataFiles() {
    if (!dataWatcher_) {
        dataWatcher_ = std::make_unique<QFileSystemWatcher>();
        retryTimer_.setSingleShot(true);
        retryTimer_.setInterval(kRetryDelayMs);
        connect(dataWatcher_.get(), &QFileSystemWatcher::directoryChanged, &retryTimer_,
                qOverload<>(&QTimer::start));
        connect(dataWatcher_.get(), &QFileSystemWatcher::fileChanged, &retryTimer_,
                qOverload<>(&QTimer::start));
    }
    // A file replaced by another of the same name leaves the watch: every try watches anew.
    // A data directory that is gone is waited for in the nearest folder above it that is
    // there: its return changes that folder, and the try after it watches the directory.
    const QDir dir(Ruta);
    QString folder = dir.absolutePath();
    while (!QFileInfo(folder).isDir()) {
        const QString up = QFileInfo(folder).absolutePath();
        if (up == folder)
            return;
        folder = up;
    }
    QStringList paths = {folder};
    if (folder == dir.absolutePath()) {
        for (const QString& name : dir.entryList({QStringLiteral("*.txt")}, QDir::Files))
            paths.append(dir.absoluteFilePath(name));
    }
    const QStringList watched = dataWatcher_->files() + dataWatcher_->directories();
    paths.removeIf([&watched](const QString& path) { return watched.contains(path); });
    if (!paths.isEmpty())
        dataWatcher_->addPaths(paths);
}

void Form1::showDay() {
    const dayview::DayCaptions c = dayview::captionsOf(shown_);
    Label1->setText(c.weekday);
    Label15->setText(c.month);
    showLine(c.line, triedDate_.month(), triedDate_.day());
    Label9->setText(c.movable);
    Label4->setText(c.year);
    Label8->setText(c.cycle);
    const dayview::DayDetails details = dayview::detailsOf(shown_, c);
    Label8->setToolTip(details.cycle);
    Label8->setAccessibleDescription(details.cycle);
    Label6->setText(QStringLiteral("Color"));
    const Rgb& colour = shown_.liturgical.colour;
    Label6->setBackground(QColor(colour.r, colour.g, colour.b));
    Label6->setAccessibleDescription(accessibility::swatchDescription(liturgy::colourName(colour)));
    Label7->setText(c.season);
    Label11->setText(c.week);
    Label11->setToolTip(details.week);
    Label11->setAccessibleDescription(details.week);
}

void Form1::showLine(const QString& line, int month, int day) {
    Label14->setText(line);
    const QString date = dayview::lineDateText(triedDate_.year(), month, day);
    // What is celebrated on the day the line belongs to: today's run, or the day leafed to.
    const QString celebrated =
        month == triedDate_.month() && day == triedDate_.day()
            ? dayview::celebrationDetails(dayview::captionsOf(shown_))
            : dayview::celebrationDetails(triedDate_.year(), month, day, calendar::DiskSource(Ruta),
                                          proper_.get());
    const QString under = celebrated.isEmpty() ? QString() : QLatin1Char('\n') + celebrated;
    lineDate_ = date + under;
    // A screen reader reads the line, then whose day it is and what is celebrated.
    Label14->setAccessibleDescription(
        (line.isEmpty() ? date : QStringLiteral("%1 (%2)").arg(line, date)) + under);
    Flech();
}

void Form1::Flech() {
    const QString mark =
        overflow::markFor(Label14->text(), [this](const QString& t) { return textWidthTwips(t); });
    Label20->setText(mark);
    // A line that fits is centred; a longer one shows its beginning, as a text box does, and is
    // cut at the label's right end, blanks or not.
    Label14->setAlignment((mark.isEmpty() ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
}

void Form1::clockTick() {
    // One reading: a tick just before midnight never shows one day's time with the next's date.
    const QDateTime now = clock_.current();
    Label2->setText(now.time().toString(QStringLiteral("HH:mm:ss")));
    if (now.date() != triedDate_)
        automaticRun(now.date());
    scheduleClockTick();
}

void Form1::scheduleClockTick() {
    // The next tick comes just after the next whole second, so the seconds never skip.
    const int msec = clock_.now().msec();
    clockTimer_.start(1000 - msec + 2);
}
