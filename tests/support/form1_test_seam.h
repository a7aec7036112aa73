#pragma once
// What the widget tests may do to the main window that no control does: drive the auto-repeat
// of a held step button without waiting, and set state as an earlier session would have left
// it (the data directory, the answer of the number-and-year prompt).

#include "gui/form1.h"

class Form1TestSeam {
public:
    explicit Form1TestSeam(Form1& form) : form_(form) {}
    StepRepeat& stepRepeat() { return form_.stepRepeat; }
    void setRuta(const QString& ruta) { form_.Ruta = ruta; }
    void setDatoCeleb(const QString& dato) { form_.DatoCeleb = dato; }

private:
    Form1& form_;
};
