#include "liturgical_time/liturgical_time.h"

namespace liturgy {

void applyLiturgicalTime(const LiturgicalDay&, LiturgicalFields&) {}

} // namespace liturgy
