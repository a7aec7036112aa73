// The day view of the main window: one run for today (`Form_Activate`), the overflow mark
// (`Flech`) and the clock that refreshes Label2 and starts a new run when the date changes.

#include "dayview/day_view.h"
#include "gui/accessible_names.h"
#include "gui/form1.h"
#include "liturgical_time/liturgical_colour.h"
#include "platform/clock.h"
#include "platform/data_fault.h"

#include <QPushButton>

#include <optional>

void Form1::Form_Activate() {
    update(); // the frame is drawn with the window
    const QDate today = clock_.today();
    // The date is taken as seen even when the run fails, so that a fault is reported once
    // and not again at every tick of the clock.
    FechaVista = today;
    for (FormLabel* step : {Label16, Label17, Label18, Label19})
        step->setEnabled(true);
    dayview::DayValue next;
    std::optional<DataFault> fault;
    try {
        dayview::runDay(today, calendar::DiskSource(Ruta), shown_, next);
    } catch (const DataFault& f) {
        fault = f;
    }
    // What the run did not reach is shown empty, never as a leftover of an earlier day.
    shown_ = next;
    showDay();
    steps.reset(Ruta, today.month(), today.day());
    if (fault)
        reportFault(fault->message());
    Command6->setFocus();
}

void Form1::showDay() {
    const dayview::DayCaptions c = dayview::captionsOf(shown_);
    Label1->setText(c.weekday);
    Label15->setText(c.month);
    Label14->setText(c.line);
    Flech();
    Label9->setText(c.movable);
    Label4->setText(c.year);
    Label8->setText(c.cycle);
    Label6->setText(QStringLiteral("Color"));
    const Rgb& colour = shown_.liturgical.colour;
    Label6->setBackground(QColor(colour.r, colour.g, colour.b));
    Label6->setAccessibleDescription(accessibility::swatchDescription(liturgy::colourName(colour)));
    Label7->setText(c.season);
    Label11->setText(c.week);
}

void Form1::Flech() {
    Label20->setText(
        overflow::markFor(Label14->text(), [this](const QString& t) { return textWidthTwips(t); }));
}

void Form1::clockTick() {
    Label2->setText(clock_.now().toString(QStringLiteral("HH:mm:ss")));
    if (clock_.today() != FechaVista)
        Form_Activate();
    scheduleClockTick();
}

void Form1::scheduleClockTick() {
    // The next tick comes just after the next whole second, so the seconds never skip.
    const int msec = clock_.now().msec();
    clockTimer_.start(1000 - msec + 2);
}
