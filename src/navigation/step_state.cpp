#include "navigation/step_state.h"

#include "calendar_data/calendar_files.h"
#include "platform/text_file.h"

void StepState::reset(const QString& ruta, int month, int day) {
    ruta_ = ruta;
    mes_ = calendar::twoDigits(month);
    dia_ = calendar::twoDigits(day);
    archMes_ = calendar::monthFile(ruta, month);
    mesesAtras_ = 0;
    mesesAdelante_ = 0;
    diasAtras_ = 0;
    diasAdelante_ = 0;
}

int StepState::shownMonth() const {
    return textfile::numberValue(mes_) - mesesAtras_ + mesesAdelante_;
}

int StepState::shownDay() const {
    return textfile::numberValue(dia_) - diasAtras_ + diasAdelante_;
}

// Each step works on a copy and keeps it only once the line has been read, so a step that
// fails on its file changes nothing.

StepState::Shown StepState::monthBack() {
    StepState next = *this;
    next.mesesAtras_ -= next.mesesAdelante_;
    next.mesesAdelante_ = 0;
    ++next.mesesAtras_;
    if (next.shownMonth() < 1)
        --next.mesesAtras_; // the month stays at January
    return showMonth(next);
}

StepState::Shown StepState::monthForward() {
    StepState next = *this;
    next.mesesAdelante_ -= next.mesesAtras_;
    next.mesesAtras_ = 0;
    ++next.mesesAdelante_;
    if (next.shownMonth() > 12)
        --next.mesesAdelante_; // the month stays at December
    return showMonth(next);
}

StepState::Shown StepState::dayBack() {
    StepState next = *this;
    next.diasAtras_ -= next.diasAdelante_;
    next.diasAdelante_ = 0;
    ++next.diasAtras_;
    if (next.shownDay() < 1)
        --next.diasAtras_; // the day stays at 1
    return showDay(next);
}

StepState::Shown StepState::dayForward() {
    StepState next = *this;
    next.diasAdelante_ -= next.diasAtras_;
    next.diasAtras_ = 0;
    ++next.diasAdelante_;
    if (next.shownDay() > 31)
        --next.diasAdelante_; // the day stays at 31, whatever the month's length
    return showDay(next);
}

StepState::Shown StepState::showMonth(StepState next) {
    const int month = next.shownMonth();
    next.archMes_ = calendar::monthFile(next.ruta_, month);
    Shown shown{month, next.shownDay(), calendar::nomMes().at(month - 1),
                textfile::readLine(next.archMes_, next.shownDay())};
    *this = next;
    return shown;
}

StepState::Shown StepState::showDay(StepState next) {
    Shown shown{next.shownMonth(), next.shownDay(), std::nullopt,
                textfile::readLine(next.archMes_, next.shownDay())};
    *this = next;
    return shown;
}
