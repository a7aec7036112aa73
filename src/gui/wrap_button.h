#pragma once
// A push button whose caption wraps over several lines at word boundaries, as the tall
// buttons of the main window show it ("  Nº  y año celebración").

#include <QPushButton>

class WrapButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};
