#include "calendar_data/calendar_files.h"
#include "datacheck/check_parts.h"
#include "ordo/day_line.h"

namespace datacheck {

void checkRanks(int month, const QStringList& lines, const QString& file, QList<Problem>& out) {
    for (int day = 1; day <= kMonthLines && day <= lines.size(); ++day) {
        // The faults of the rank marks are the same whatever the year the line is read for.
        const ordo::DayLine read = ordo::readDayLine(lines.at(day - 1), calendar::kFirstYear);
        for (const ordo::LineFault& fault : read.faults)
            out.append(Problem{file, day,
                               QStringLiteral("el rango del %1 de %2 no se puede leer: %3 en %4; "
                                              "se toma el primero.")
                                   .arg(day)
                                   .arg(calendar::nomMes().at(month - 1).toLower(), fault.what,
                                        quoted(fault.celebration)),
                               true});
    }
}

} // namespace datacheck
