#pragma once
// The step counts of the four step buttons.

#include <QString>

class StepState {
public:
    // A run of the day view: today's month and day, counts back to 0.
    void reset(const QString& ruta, int month, int day);
};
