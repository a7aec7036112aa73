#pragma once
// The auto-repeat of a held step button. A press clears the flag `Suelto` and starts the first
// wait; when a wait of 0.2 s ends, the pass makes its step and, unless `Suelto` has been set by
// a release meanwhile, starts the next wait. So a click makes exactly one step 0.2 s after the
// press, and a held button one step per 0.2 s. The waits are single-shot timers (a monotonic
// clock, no nested event loop); tests end a wait at once with tick().

#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>

class StepRepeat : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kWait{200};

    explicit StepRepeat(QObject* parent = nullptr);

    // A press: `Suelto` = 0 and the first wait starts. A press while another repetition runs
    // takes over from it: only the newest step repeats.
    void press(std::function<void()> step);
    // A release: `Suelto` = 1. The pass whose wait is running still makes its step.
    void release();
    // Ends the repetition at once, without a further step.
    void stop();

    // The wait of the current pass is over: make the step, then wait again unless released.
    void tick();

    bool suelto() const { return suelto_; }
    bool repeating() const { return timer_.isActive(); }
    std::chrono::milliseconds wait() const { return timer_.intervalAsDuration(); }
    void setWait(std::chrono::milliseconds wait) { timer_.setInterval(wait); }

private:
    QTimer timer_;
    std::function<void()> step_;
    bool suelto_ = true;
};
