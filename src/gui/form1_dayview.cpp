// The day view of the main window: one run for today (`Form_Activate`), the overflow mark
// (`Flech`) and the clock that refreshes Label2 and starts a new run when the date changes.

#include "gui/form1.h"
#include "dayview/day_view.h"
#include "platform/clock.h"
#include "platform/data_fault.h"

#include <QPushButton>

void Form1::Form_Activate() {
    update(); // the frame is drawn with the window
    const QDate today = clock_.today();
    // The date is taken as seen even when the run fails, so that a fault is reported once
    // and not again at every tick of the clock.
    FechaVista = today;
    for (FormLabel* step : {Label16, Label17, Label18, Label19})
        step->setEnabled(true);
    try {
        const dayview::DayView view = dayview::resolveDay(today, Ruta);
        if (view.weekday)
            Label1->setText(*view.weekday);
        Label15->setText(view.monthName);
        Label14->setText(view.dayLine);
        Flech();
        steps.reset(Ruta, today.month(), today.day());
        Label9->setText(view.movable);
        Label4->setText(view.year);
        if (view.inCalendar) {
            const liturgy::LiturgicalDay day{today,         Ruta,           view.nAnio,
                                             view.numMovil, Label1->text(), view.dayLine};
            liturgy::applyLiturgicalTime(day, liturgical);
        } else {
            liturgical = liturgy::LiturgicalFields{};
        }
        showLiturgicalFields();
    } catch (const DataFault& fault) {
        reportFault(fault.message());
    }
    Command6->setFocus();
}

void Form1::showLiturgicalFields() {
    Label8->setText(liturgical.cycle);
    Label6->setText(QStringLiteral("Color"));
    const Rgb& c = liturgical.colour;
    Label6->setBackground(QColor(c.r, c.g, c.b));
    Label7->setText(liturgical.season);
    Label11->setText(liturgical.week);
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
