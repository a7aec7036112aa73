#pragma once
// A label of the main window: a caption with its own background and text colour, a single-line
// border that can be switched off, and the press, release, click and pointer-move events that
// the step buttons, toggles and the celebrations line react to. A double-click is one click: the
// second press of the pair is a double-click event, which the label ignores, and its release is
// no click (so a toggle switches once and a step button steps once). A label given the keyboard
// focus (a toggle) is clicked with Space or Enter as a button is. A screen reader hears its
// accessible name and, as description, the caption when that is not the name (what a field shows).

#include <QLabel>

class FormLabel : public QLabel {
    Q_OBJECT
public:
    explicit FormLabel(QWidget* parent = nullptr);

    void setBoxed(bool boxed);
    bool isBoxed() const { return boxed_; }
    void setColors(const QColor& background, const QColor& text);
    void setBackground(const QColor& background);
    QColor background() const;
    QColor textColor() const;

Q_SIGNALS:
    void mouseDown();
    void mouseUp();
    void clicked();
    void mouseMoved();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    bool boxed_ = false;
    bool doubleClick_ = false; // the button is down for the second press of a double-click
};
