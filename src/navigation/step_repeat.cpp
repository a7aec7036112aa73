#include "navigation/step_repeat.h"

StepRepeat::StepRepeat(QObject* parent) : QObject(parent) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(kWait);
    connect(&timer_, &QTimer::timeout, this, &StepRepeat::tick);
}

void StepRepeat::press(std::function<void()> step) {
    step_ = std::move(step);
    suelto_ = false;
    timer_.start();
}

void StepRepeat::release() {
    suelto_ = true;
}

void StepRepeat::stop() {
    suelto_ = true;
    timer_.stop();
    step_ = nullptr;
}

void StepRepeat::tick() {
    timer_.stop();
    if (!step_)
        return;
    // The step may stop the repetition (a fault in its file) or start a new one.
    const auto step = step_;
    step();
    if (suelto_ || !step_)
        step_ = nullptr;
    else
        timer_.start();
}
