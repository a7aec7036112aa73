#pragma once
// The runs of a range of days, made on a thread of their own while the caller writes the days
// already run: for a range of years the runs and the writing of the days take about the same
// time, and on two cores the two go side by side. The days are run one after the other, each on
// top of the run before, exactly as a loop of runDay() runs them; only that thread touches the
// readings (and their memory) while the runs last.

#include "dayview/day_view.h"
#include <QDate>
#include <QList>

#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>

class QThread;

namespace dayview {

class RangeRuns {
public:
    // Starts the runs of `first` .. `last`, with the proper calendar `proper` when there is one.
    // `readings` and `proper` must outlive this object; only the runs' thread touches them.
    RangeRuns(const calendar::DayReadings& readings, QDate first, QDate last,
              const ProperSchedule* proper = nullptr);
    // Readings made for the call would end before the runs.
    RangeRuns(const calendar::DayReadings&& readings, QDate first, QDate last,
              const ProperSchedule* proper = nullptr) = delete;
    // Stops the runs where they are and waits for their thread.
    ~RangeRuns();
    RangeRuns(const RangeRuns&) = delete;
    RangeRuns& operator=(const RangeRuns&) = delete;

    // The next days of the range, in order, waiting for them; false when none is left. What
    // stopped the runs (a DataFault) is thrown here once the days before it have been taken;
    // stoppedAt() then gives the date of the run it stopped.
    bool take(QList<DayValue>& batch);
    QDate stoppedAt() const { return stoppedAt_; }

private:
    void run(const calendar::DayReadings& readings, QDate first, QDate last,
             const ProperSchedule* proper);

    std::mutex mutex_;
    std::condition_variable changed_;
    QList<QList<DayValue>> ready_; // batches run and not yet taken
    bool done_ = false;            // the runs have ended, each day run or at a fault
    bool stop_ = false;            // the caller wants no more days
    std::exception_ptr stopped_;   // what stopped the runs, if anything did
    QDate stoppedAt_;
    // Last: started once everything above is made. A QThread rather than a std::thread: under
    // MinGW a thread that Qt did not start crashed as it ended, in Qt's own per-thread data.
    std::unique_ptr<QThread> thread_;
};

} // namespace dayview
