#pragma once
// The text search through the twelve month files. `begin` takes the user's text and resets the
// search state (`TextoBusca`, `MesBusca`, `NumHallados`, `UltHallado`); each `next` is one pass:
// it reads the month files from `MesBusca` on and stops at the first day, in calendar order,
// after the last one found (`UltHallado`, month x 100 + day) whose upper-cased line holds the
// text. The window shows the day it returns; the state is changed only by a found day.

#include <QString>

#include <optional>

namespace search {

// Upper case by the rules of the Windows-1252 code page: each letter becomes its capital when
// that capital is one character of the code page ("ñ" -> "Ñ", "á" -> "Á", "ÿ" -> "Ÿ");
// characters without such a capital ("µ", "ß") stay as they are.
QString upperCase(const QString& text);

// True when `texto` (already upper-cased) starts at one of the positions 1 .. length(upper) -
// length(texto) of `upper`: a match never takes in the line's last character.
bool lineHolds(const QString& upper, const QString& texto);

struct FoundDay {
    int month = 0;
    int day = 0;
    QString line; // as read, not upper-cased
};

class TextSearch {
public:
    // "Buscar": the text to look for (Cancel gives the empty text); the next pass starts at
    // January 1.
    void begin(const QString& answer);

    // False until the first begin: there is no text and no month to start from.
    bool begun() const { return begun_; }

    // One pass over the files in `ruta`. Returns the day found, or none when no day after the
    // last one found holds the text (the state then stays as it was). Throws DataFault when a
    // month file it reads is missing or ends before the line it needs; the state is unchanged.
    std::optional<FoundDay> next(const QString& ruta);

    const QString& textoBusca() const { return textoBusca_; }
    int mesBusca() const { return mesBusca_; }
    int numHallados() const { return numHallados_; }
    int ultHallado() const { return ultHallado_; }

private:
    bool begun_ = false;
    QString textoBusca_;
    int mesBusca_ = 1;
    int numHallados_ = 0;
    int ultHallado_ = 100; // before January 1 (code 101)
};

} // namespace search
