// Time of one run of the day view: the core run alone (files read afresh, as every run does)
// and the whole Form_Activate of the window, on the shipped data for a day of 2009 and for the
// last day of the data (the longest reads); and the update of an installed data directory that
// is already up to date, as every start of the window does it.
// Run on the offscreen platform: QT_QPA_PLATFORM=offscreen bench_dayview

#include "calendar_data/data_update.h"
#include "dayview/day_view.h"
#include "gui/form1.h"
#include "platform/clock.h"
#include "platform/data_dir.h"
#include "platform/prompter.h"

#include <QTemporaryDir>
#include <QTest>

namespace {
const QString kData = QStringLiteral(ORVANTEL_DATA_DIR);
const QDate kDay(2009, 4, 12);

void days() {
    QTest::addColumn<QDate>("day");
    QTest::newRow("2009-04-12") << kDay;
    QTest::newRow("2099-12-31") << QDate(2099, 12, 31);
}

class SilentPrompter final : public Prompter {
public:
    void ask(const QString&, const QString&, std::function<void(const QString&)> done) override {
        done({});
    }
    void tell(const QString& text, std::function<void()>) override {
        qWarning("%s", qPrintable(text));
    }
    void choose(const QString&, const QStringList&, std::function<void(int)> chosen) override {
        chosen(0);
    }
};
} // namespace

class BenchDayView : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void coreRun_data() { days(); }
    void coreRun() {
        QFETCH(QDate, day);
        QBENCHMARK {
            dayview::DayValue value;
            dayview::runDay(day, calendar::DiskSource(kData), {}, value);
        }
    }
    void installedDataUpdate() {
        QTemporaryDir dir;
        const QString ruta = dir.filePath(QStringLiteral("datos/"));
        datadir::installIfMissing(ruta);
        QBENCHMARK {
            dataupdate::updateInstalledData(ruta);
        }
    }
    void windowRun_data() { days(); }
    void windowRun() {
        QFETCH(QDate, day);
        FixedClock clock(day);
        SilentPrompter prompter;
        Form1 form(clock, kData, prompter);
        form.show();
        QBENCHMARK {
            form.Form_Activate();
        }
    }
};

QTEST_MAIN(BenchDayView)
#include "bench_dayview.moc"
