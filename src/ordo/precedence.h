#pragma once
// The table of liturgical days in order of precedence (universal norms on the liturgical year
// and the calendar, nos. 59-61). A lower row wins; a row's name is the norm's.

namespace ordo {

enum class Precedence {
    Triduum = 1,              // 1. el Triduo pascual
    PrincipalDays,            // 2. Navidad, Epifanía, Ascensión, Pentecostés; domingos de
                              //    Adviento, Cuaresma y Pascua; Miércoles de Ceniza; ferias de
                              //    Semana Santa; días de la octava de Pascua
    GeneralSolemnities,       // 3. solemnidades del calendario general; fieles difuntos
    ProperSolemnities,        // 4. solemnidades propias
    LordsFeasts,              // 5. fiestas del Señor del calendario general
    ChristmasOrdinarySundays, // 6. domingos de Navidad y del tiempo ordinario
    GeneralFeasts,            // 7. fiestas de la Virgen y de los santos del calendario general
    ProperFeasts,             // 8. fiestas propias
    PrivilegedWeekdays,       // 9. ferias de Adviento del 17 al 24 de diciembre, días de la
                              //    octava de Navidad, ferias de Cuaresma
    GeneralMemorials,         // 10. memorias obligatorias del calendario general
    ProperMemorials,          // 11. memorias obligatorias propias
    OptionalMemorials,        // 12. memorias libres
    Weekdays,                 // 13. las demás ferias
};

} // namespace ordo
