#pragma once
// The clock of the system: today's date and the time of day. The application reads the
// system clock; tests hand in a clock of their own, so every test picks its own "today".

#include <QDate>
#include <QDateTime>
#include <QTime>

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
    virtual QTime now() const = 0;
    // Date and time of day from one reading, so that the two never belong to different days.
    virtual QDateTime current() const = 0;
};

class SystemClock final : public Clock {
public:
    QDate today() const override;
    QTime now() const override;
    QDateTime current() const override;
};

// A clock that shows whatever date and time it was last set to.
class FixedClock final : public Clock {
public:
    explicit FixedClock(QDate date, QTime time = QTime(12, 0)) : date_(date), time_(time) {}
    QDate today() const override { return date_; }
    QTime now() const override { return time_; }
    QDateTime current() const override { return QDateTime(date_, time_); }
    void set(QDate date, QTime time) {
        date_ = date;
        time_ = time;
    }

private:
    QDate date_;
    QTime time_;
};
