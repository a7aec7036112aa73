#include "search/movable_lookup.h"

#include "platform/data_fault.h"
#include "platform/text_file.h"

#include <cmath>
#include <optional>

namespace lookup {

namespace {

// A typed part read as a number: blanks around it allowed, anything else that is not part of a
// number makes it no number at all ("6/").
std::optional<double> asNumber(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

const QStringList& celebrationLines() {
    static const QStringList lines = {
        QStringLiteral("2  .Bautismo del Señor"),
        QStringLiteral("3  .Ceniza"),
        QStringLiteral("4  .Domingo de Ramos"),
        QStringLiteral("6  .Pentecostés"),
        QStringLiteral("7  .Domingo 1º de Adviento"),
        QStringLiteral("12.Ascensión"),
        QStringLiteral("13.Jesucristo, Sumo y Eterno Sacerdote"),
        QStringLiteral("14.La Stma. Trinidad"),
        QStringLiteral("15.Stmo. Cuerpo y Sangre de Cristo"),
        QStringLiteral("16.Sgdo. Corazón de Jesús"),
        QStringLiteral("17.Inmaculado Corazón de la Virgen María"),
        QStringLiteral("18.Cristo, Rey del Universo"),
        QStringLiteral("20.La Sagrada Familia"),
        QStringLiteral("21.Santa María, Madre de la Iglesia"),
        QStringLiteral("22.San José, esposo de la Virgen María"),
        QStringLiteral("23.Anunciación del Señor"),
        QStringLiteral("24.Inmaculada Concepción de la Virgen María"),
        QStringLiteral("25.Natividad de San Juan Bautista"),
        QStringLiteral("26.Santos Pedro y Pablo, apóstoles"),
    };
    return lines;
}

QString celebrationsList() {
    return celebrationLines().join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString faultAnswer() {
    return QStringLiteral("Datos erróneos");
}

QString dateOf(const QString& ruta, const QString& datoCeleb) {
    const QString nn = datoCeleb.left(2);
    const QString yy = datoCeleb.right(2);
    const std::optional<double> number = asNumber(nn);
    if (!number)
        return faultAnswer();
    // Below 10 the file takes the last character of NN ("06" -> c6.txt), otherwise NN itself.
    const QString name = *number < 10 ? QStringLiteral("c%1.txt").arg(nn.right(1))
                                      : QStringLiteral("c%1.txt").arg(nn);
    const std::optional<double> year = asNumber(yy);
    if (!year || *year > 1000)
        return faultAnswer();
    // Lines are read for a counter from -1 to YY: the name line, then the years 2000 .. 2000+YY.
    const int count = *year < -1 ? 0 : static_cast<int>(std::floor(*year)) + 2;
    try {
        const QStringList lines = textfile::readLines(ruta + name, count);
        return lines.isEmpty() ? QString() : lines.last();
    } catch (const DataFault&) {
        return faultAnswer();
    }
}

} // namespace lookup
