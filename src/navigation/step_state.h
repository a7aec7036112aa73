#pragma once
// The step counts of the four step buttons: today's month and day (`Mes`, `Dia`), the month file
// whose lines are shown (`ArchMes`) and the counts `MesesAtras`, `MesesAdelante`, `DiasAtras`,
// `DiasAdelante`. Every run of the day view resets them to today; each step changes the counts
// (within month 1..12 and day 1..31), reads the day's line from the month file afresh and hands
// back what Label15 and Label14 show. A step whose file is missing or short throws DataFault and
// leaves the counts as they were.

#include <QString>

#include <optional>

class StepState {
public:
    // What one step shows: the month name (month steps only) and the day's line.
    struct Shown {
        int month = 0;
        int day = 0;
        std::optional<QString> monthName; // Label15, rewritten by month steps only
        QString line;                     // Label14, line `day` of the month file as read
    };

    // A run of the day view: today's month and day, counts back to 0.
    void reset(const QString& ruta, int month, int day);

    // False until the first reset: there is no day to step from yet.
    bool ready() const { return !mes_.isEmpty(); }

    Shown monthBack();    // Label16
    Shown monthForward(); // Label17
    Shown dayBack();      // Label18
    Shown dayForward();   // Label19

    const QString& mes() const { return mes_; }
    const QString& dia() const { return dia_; }
    const QString& archMes() const { return archMes_; }
    int mesesAtras() const { return mesesAtras_; }
    int mesesAdelante() const { return mesesAdelante_; }
    int diasAtras() const { return diasAtras_; }
    int diasAdelante() const { return diasAdelante_; }
    int shownMonth() const;
    int shownDay() const;

private:
    Shown showMonth(StepState next);
    Shown showDay(StepState next);

    QString ruta_;
    QString mes_;
    QString dia_;
    QString archMes_;
    int mesesAtras_ = 0;
    int mesesAdelante_ = 0;
    int diasAtras_ = 0;
    int diasAdelante_ = 0;
};
