#include "dayview/line_date.h"

#include <QDate>
#include <QLocale>

namespace dayview {

QString lineDateText(int year, int month, int day) {
    const QLocale spanish(QLocale::Spanish, QLocale::Spain);
    const QString monthName = spanish.standaloneMonthName(month, QLocale::LongFormat).toLower();
    const QDate date(year, month, day);
    if (!date.isValid())
        return QStringLiteral("%1 de %2 (no es un día de %3)").arg(day).arg(monthName).arg(year);
    return QStringLiteral("%1, %2 de %3 de %4")
        .arg(spanish.dayName(date.dayOfWeek(), QLocale::LongFormat).toLower())
        .arg(day)
        .arg(monthName)
        .arg(year);
}

} // namespace dayview
