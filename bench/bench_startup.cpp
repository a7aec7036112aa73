// Start-up to the window shown: builds the application and the main window as main() does,
// runs the first day view, paints the window once and quits. Time the whole process from
// outside (for example /usr/bin/time -v bench_startup). With a data folder as its argument it
// also takes that folder as main() does: its lock, the update of its installed data and the
// call file a second start writes into (give it a copy of data/, never data/ itself).

#include "gui/form1.h"
#include "gui/program_start.h"
#include "platform/clock.h"
#include "platform/data_dir.h"
#include "platform/prompter.h"

#include <QApplication>
#include <QTimer>

namespace {
class SilentPrompter final : public Prompter {
public:
    void ask(const QString&, const QString&, std::function<void(const QString&)> done) override {
        done({});
    }
    void tell(const QString&, std::function<void()>) override {}
    void choose(const QString&, const QStringList&, std::function<void(int)> chosen) override {
        chosen(0);
    }
};
} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    registerFontSubstitutes();
    const QStringList args = QApplication::arguments();
    const QString ruta =
        args.size() > 1 ? datadir::withSeparator(args.at(1)) : QStringLiteral(ORVANTEL_DATA_DIR);
    ProgramStart programStart(ruta);
    if (args.size() > 1 && !programStart.begin())
        return 1;
    SystemClock clock;
    SilentPrompter prompter;
    Form1 form(clock, ruta, prompter);
    programStart.serve(&form);
    form.show();
    form.start();
    QTimer::singleShot(0, &app, [&form] {
        form.repaint();
        QApplication::quit();
    });
    return QApplication::exec();
}
