#include "navigation/step_state.h"

void StepState::reset(const QString&, int, int) {}
