#include "dayview/range_runs.h"

#include <QThread>

#include <utility>

namespace dayview {

namespace {
// Days handed over at a time, and batches run ahead at most: enough that the two threads
// seldom wait on each other, little enough that a century is never held in memory.
constexpr qsizetype kBatchDays = 128;
constexpr qsizetype kBatchesAhead = 4;
} // namespace

RangeRuns::RangeRuns(const calendar::DayReadings& readings, QDate first, QDate last,
                     const ProperSchedule* proper)
    : thread_(QThread::create(
          [this, &readings, first, last, proper] { run(readings, first, last, proper); })) {
    thread_->start();
}

RangeRuns::~RangeRuns() {
    {
        const std::lock_guard lock(mutex_);
        stop_ = true;
    }
    changed_.notify_all();
    thread_->wait();
}

void RangeRuns::run(const calendar::DayReadings& readings, QDate first, QDate last,
                    const ProperSchedule* proper) {
    QList<DayValue> batch;
    batch.reserve(kBatchDays);
    DayValue shown;
    // Hands the batch over, waiting while enough are ahead; false when the caller wants no more.
    const auto handOver = [&] {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return stop_ || ready_.size() < kBatchesAhead; });
        if (stop_)
            return false;
        ready_.append(std::move(batch));
        batch = {};
        batch.reserve(kBatchDays);
        changed_.notify_all();
        return true;
    };
    std::exception_ptr stopped;
    QDate date = first;
    try {
        for (; date.isValid() && date <= last; date = date.addDays(1)) {
            DayValue next;
            runDay(date, readings, shown, next, proper);
            shown = next;
            batch.append(std::move(next));
            if (batch.size() == kBatchDays && !handOver())
                return;
        }
    } catch (...) { // a DataFault, or a failure to allocate: thrown on to the caller
        stopped = std::current_exception();
    }
    if (!batch.isEmpty() && !handOver())
        return;
    const std::lock_guard lock(mutex_);
    stopped_ = stopped;
    stoppedAt_ = date;
    done_ = true;
    changed_.notify_all();
}

bool RangeRuns::take(QList<DayValue>& batch) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return done_ || !ready_.isEmpty(); });
    if (ready_.isEmpty()) {
        if (stopped_)
            std::rethrow_exception(std::exchange(stopped_, nullptr));
        return false;
    }
    batch = ready_.takeFirst();
    changed_.notify_all();
    return true;
}

} // namespace dayview
