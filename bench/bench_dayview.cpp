// Time of one run of the day view: the core run alone (files read afresh, as every run does)
// and the whole Form_Activate of the window, on the shipped data for a day of 2009.
// Run on the offscreen platform: QT_QPA_PLATFORM=offscreen bench_dayview

#include "dayview/day_view.h"
#include "gui/form1.h"
#include "liturgical_time/liturgical_time.h"
#include "platform/clock.h"
#include "platform/prompter.h"

#include <QTest>

namespace {
const QString kData = QStringLiteral(ORVANTEL_DATA_DIR);
const QDate kDay(2009, 4, 12);

class SilentPrompter final : public Prompter {
public:
    void ask(const QString&, const QString&, QPoint,
             std::function<void(const QString&)> done) override {
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
    void coreRun() {
        QBENCHMARK {
            dayview::DayValue value;
            dayview::runDay(kDay, calendar::DiskSource(kData), {}, value);
        }
    }
    void windowRun() {
        FixedClock clock(kDay);
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
