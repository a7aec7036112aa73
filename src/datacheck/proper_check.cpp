#include "datacheck/check_parts.h"
#include "proper/proper_calendar.h"

namespace datacheck {

void checkProperLines(const QStringList& lines, const QString& file, QList<Problem>& out) {
    const proper::ProperCalendar read = proper::parseProper(lines, file);
    for (const proper::ProperFault& fault : read.faults)
        out.append(Problem{file, fault.line,
                           QStringLiteral("la línea del calendario propio no se puede leer: %1 "
                                          "Se pasa por alto; las demás sirven.")
                               .arg(fault.text)});
}

} // namespace datacheck
