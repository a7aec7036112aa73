// Starts the system: installs the calendar data on a first run, brings installed data up to
// date, and shows the main window.

#include "calendar_data/data_update.h"
#include "gui/form1.h"
#include "gui/qt_prompter.h"
#include "gui/translations.h"
#include "platform/clock.h"
#include "platform/data_dir.h"
#include "platform/termination.h"
#include "platform/version.h"

#include <QApplication>
#include <QSettings>
#include <QCommandLineParser>
#include <QIcon>
#include <QStyleFactory>

namespace {

// --help and --version; any other option is refused with a message.
void readCommandLine(const QApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Calendario litúrgico del rito romano en España."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Muestra esta ayuda y termina."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Muestra la versión del programa y termina."));
    parser.addOption(help);
    parser.addOption(version);
    parser.process(app);
    if (parser.isSet(version))
        parser.showVersion();
    if (parser.isSet(help))
        parser.showHelp();
}

} // namespace

int main(int argc, char* argv[]) {
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
    readCommandLine(app);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/orvantel-icon.png")));

    const QString ruta = datadir::defaultRuta();
    QStringList messages;
    if (const QString fault = datadir::installIfMissing(ruta); !fault.isEmpty())
        messages.append(fault);
    const dataupdate::UpdateResult update = dataupdate::updateInstalledData(ruta);
    if (!update.fault.isEmpty())
        messages.append(update.fault);
    QSettings settings(QSettings::UserScope, QStringLiteral("Orvantel"),
                       QStringLiteral("Orvantel"));
    if (const QString edited = dataupdate::editedFilesMessage(update, ruta, settings);
        !edited.isEmpty())
        messages.append(edited);

    SystemClock clock;
    QtPrompter prompter;
    Form1 form(clock, ruta, prompter);
    prompter.setParent(&form);
    form.show();
    for (const QString& message : messages)
        prompter.tell(message);
    form.start();
    form.checkDataInBackground();
    // The session ending by a signal ends the program as a close would, keeping the notes.
    termination::onTerminationSignal([] { QApplication::quit(); });
    return QApplication::exec();
}
