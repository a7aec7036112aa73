#pragma once
// The user's settings of the program: one INI file in the user's settings folder, the same form
// on every platform. The update of installed data remembers there which edited files it has told
// the user of, and the notes which recovery copies the next start has to tell of.

#include <QSettings>

class UserSettings : public QSettings {
public:
    UserSettings()
        : QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Orvantel"),
                    QStringLiteral("Orvantel")) {}
};
