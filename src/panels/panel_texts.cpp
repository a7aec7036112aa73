#include "panels/panel_texts.h"

namespace panels {

namespace {

QString boxText(const QStringList& lines) {
    QString text;
    for (const QString& line : lines)
        text += line + QLatin1Char('\n');
    return text;
}

} // namespace

const QStringList& legendLines() {
    static const QStringList lines = {
        QStringLiteral("-b : Blanco"), QStringLiteral("-B : Blanco"),
        QStringLiteral("dc:Doct.de"),  QStringLiteral("     la Igles."),
        QStringLiteral("diá:Diácon."), QStringLiteral("Fi : Fiesta"),
        QStringLiteral("Me:Memor."),   QStringLiteral("mr :  Mártir"),
        QStringLiteral("ob :Obispo"),  QStringLiteral("pb :Presbít."),
        QStringLiteral("pp : Papa"),   QStringLiteral("rg:Religios."),
        QStringLiteral("-r : Rojo"),   QStringLiteral("-R : Rojo"),
        QStringLiteral("So:Solemn."),  QStringLiteral("vg : Virgen"),
        QStringLiteral("+:Precepto"),
    };
    return lines;
}

QString legendText() {
    return boxText(legendLines());
}

const QStringList& deadMassLines() {
    static const QString rule(63, QLatin1Char('-'));
    static const QStringList lines = {
        QStringLiteral("       EXEQUIAL        ANIVERSARIO        COTIDIANA"),
        rule,
        QStringLiteral(" Solemn. de  precepto \u2022 San José \u2022 La Asunción de "),
        QStringLiteral(" la Virgen \u2022 Dom. de Adviento, Cuaresma y Pascua \u2022 "),
        QStringLiteral(" Jueves, Viernes y Sábado Santos :"),
        QStringLiteral("             NO\t          NO                       NO"),
        rule,
        QStringLiteral(" Solemn. \u2022 2 de Nov.\u2022 Miércoles de Ceniza \u2022 Lunes, "),
        QStringLiteral(" Martes y Miércoles Santos \u2022 Días de la Octava de "),
        QStringLiteral(" Pascua \u2022 Dom. de Navidad y del Tiempo Ordinario \u2022 "),
        QStringLiteral(" Fiestas :"),
        QStringLiteral("             SI                          NO                       NO"),
        rule,
        QStringLiteral(" Memorias obligatorias \u2022 Ferias de Adviento, Octava "),
        QStringLiteral(" de Navidad, Cuaresma y Tiempo Pascual :"),
        QStringLiteral("             SI                          SI                         NO"),
        rule,
        QStringLiteral(" Ferias del Tiempo Ordinario :"),
        QStringLiteral("             SI                          SI                         SI"),
    };
    return lines;
}

QString deadMassText() {
    return boxText(deadMassLines());
}

} // namespace panels
