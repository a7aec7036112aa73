#include "platform/clock.h"

#include <QDateTime>

QDate SystemClock::today() const {
    return QDate::currentDate();
}

QTime SystemClock::now() const {
    return QTime::currentTime();
}

QDateTime SystemClock::current() const {
    return QDateTime::currentDateTime();
}
