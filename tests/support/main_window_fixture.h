#pragma once
// The main window for widget tests, on its own valid data directory (DataFixture), a clock
// fixed at the test's "today", a prompter that answers at once and records every message, and
// the user's settings of the program in a folder of its own.
// MainWindowFixture only builds the window: the data can still be changed, and the window is
// shown or started by the test when it needs. StartedMainWindow also starts it, so today's
// view is shown and the clock runs.

#include "gui/form1.h"
#include "platform/clock.h"
#include "support/data_fixture.h"
#include "support/scripted_prompter.h"

#include <QDate>
#include <QSettings>
#include <QTemporaryDir>
#include <QTime>

struct FontSubstitutes {
    FontSubstitutes() { registerFontSubstitutes(); }
};

// The user's settings of the program, in a folder of the test's own.
struct TestSettings {
    TestSettings() { QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path()); }
    QTemporaryDir dir;
};

struct MainWindowFixture {
    explicit MainWindowFixture(QDate today = QDate(2009, 4, 12), QTime time = QTime(12, 0))
        : clock(today, time), form(clock, data.ruta(), prompter) {}

    FontSubstitutes fonts; // as main() registers them, before the window is built
    TestSettings settings;
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
