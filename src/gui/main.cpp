// Starts the system: takes its data directory (or hands over to the program already running on
// it), installs the calendar data on a first run and shows the main window.

#include "gui/form1.h"
#include "gui/program_start.h"
#include "gui/qt_prompter.h"
#include "platform/clock.h"
#include "platform/data_dir.h"
#include "platform/termination.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvantel"));
    // No display name of its own: the platform would append it to every window title, and the
    // titles are shown exactly as set. Dialogs take the application name instead.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    registerFontSubstitutes();

    const QString ruta = datadir::defaultRuta();
    ProgramStart programStart(ruta);
    if (!programStart.begin())
        return 0; // the program already running on the directory shows its window

    SystemClock clock;
    QtPrompter prompter;
    Form1 form(clock, ruta, prompter);
    prompter.setParent(&form);
    programStart.serve(&form);
    form.show();
    for (const QString& message : programStart.messages())
        prompter.tell(message);
    form.start();
    // A termination signal closes the window as the user would, keeping the notes; a second
    // one ends the program with notes that could not be saved in a recovery copy.
    termination::onTerminationSignal([&form] { form.terminationSignal(); });
    return QApplication::exec();
}
