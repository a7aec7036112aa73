// Starts the system: takes its data directory (or hands over to the program already running on
// it), installs the calendar data on a first run or brings it up to date, and shows the main
// window.

#include "gui/form1.h"
#include "gui/program_start.h"
#include "gui/qt_prompter.h"
#include "platform/clock.h"
#include "platform/console.h"
#include "platform/data_dir.h"
#include "platform/termination.h"
#include "platform/translations.h"
#include "platform/version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QStyleFactory>

#include <cstdio>
#include <optional>

namespace {

// --help and --version, answered on the terminal before any window exists, so that they work
// without a display; any other option is refused with a message. The exit status when the
// program ends here, or none when it goes on to its window.
std::optional<int> answerCommandLine(int& argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Orvantel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORVANTEL_VERSION));
    installQtSpanish();
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Calendario litúrgico del rito romano en España."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Muestra esta ayuda y termina."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Muestra la versión del programa y termina."));
    parser.addOption(help);
    parser.addOption(version);
    const bool parsed = parser.parse(QCoreApplication::arguments());
    if (!parsed || parser.isSet(version) || parser.isSet(help))
        console::attachToParentConsole();
    // Printed as UTF-8 on every system, as orvantel-dia prints (not in Windows' ANSI code page).
    const console::Utf8Output utf8;
    const auto print = [](const QString& text, FILE* stream) {
        std::fputs(text.toUtf8().constData(), stream);
    };
    if (!parsed) {
        print(QStringLiteral("Orvantel: %1\n").arg(parser.errorText()), stderr);
        return 1;
    }
    if (parser.isSet(version)) {
        print(QStringLiteral("Orvantel %1\n").arg(QStringLiteral(ORVANTEL_VERSION)), stdout);
        return 0;
    }
    if (parser.isSet(help)) {
        print(parser.helpText(), stdout);
        return 0;
    }
    return std::nullopt;
}

// The program from its command line to the close of its window; everything it made is gone when
// this returns.
int run(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvantel"));
    // Ties the window to its menu entry (Wayland needs it for the icon).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orvantel.Orvantel"));
    QApplication::setApplicationVersion(QStringLiteral(ORVANTEL_VERSION));
    // No display name of its own: the platform would append it to every window title, and the
    // titles are shown exactly as set. Dialogs take the application name instead.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    registerFontSubstitutes();
    installQtSpanish();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/orvantel-icon.png")));

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
    form.start(programStart.messages(), Form1::DataCheck::InBackground);
    // A termination signal closes the window as the user would, keeping the notes; a second
    // one ends the program with notes that could not be saved in a recovery copy.
    termination::onTerminationSignal([&form] { form.terminationSignal(); });
    return QApplication::exec();
}

} // namespace

int main(int argc, char* argv[]) {
    if (const std::optional<int> status = answerCommandLine(argc, argv))
        return *status;
    return termination::endProcess(run(argc, argv));
}
