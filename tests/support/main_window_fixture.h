#pragma once
// The main window for widget tests, on its own valid data directory (DataFixture), a clock
// fixed at the test's "today" and a prompter that answers at once and records every message.
// MainWindowFixture only builds the window: the data can still be changed, and the window is
// shown or started by the test when it needs. StartedMainWindow also starts it, so today's
// view is shown and the clock runs.

#include "gui/form1.h"
#include "platform/clock.h"
#include "support/data_fixture.h"
#include "support/scripted_prompter.h"

#include <QDate>
#include <QTime>

struct FontSubstitutes {
    FontSubstitutes() { registerFontSubstitutes(); }
};

struct MainWindowFixture {
    explicit MainWindowFixture(QDate today = QDate(2009, 4, 12), QTime time = QTime(12, 0))
        : clock(today, time), form(clock, data.ruta(), prompter) {}

    FontSubstitutes fonts; // as main() registers them, before the window is built
    DataFixture data;
    FixedClock clock;
    ScriptedPrompter prompter;
    Form1 form;
};

struct StartedMainWindow : MainWindowFixture {
    explicit StartedMainWindow(QDate today = QDate(2009, 4, 12), QTime time = QTime(12, 0))
        : MainWindowFixture(today, time) {
        form.start();
    }
};
