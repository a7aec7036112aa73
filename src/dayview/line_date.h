#pragma once
// The date a day's line belongs to, named in full for the user ("martes, 8 de diciembre de
// 2026"). The step buttons leaf through the month files within one civil year and may reach the
// lines those files keep for days a month lacks (30 February), which are named as such.

#include <QString>

namespace dayview {

QString lineDateText(int year, int month, int day);

} // namespace dayview
