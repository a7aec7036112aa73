// The main window for keyboard and screen-reader users. Every control gets its accessible name
// and the swatch a description of its colour. The arrow keys press and release the step labels
// as the mouse does (Left and Right a month, Up and Down a day) while the focus is on the window
// or on a button, never in a text box; a held key steps on the step's own timer, so the
// keyboard's auto-repeat is ignored. The celebrations-list and notes toggles take the focus from
// Tab and are pressed with Space or Enter, or from anywhere with Alt+V and Alt+N. The tooltips
// show the keys. No key moves the focus, and the mouse works as before.

#include "gui/accessible_names.h"
#include "gui/form1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>

#include <array>

namespace {

struct StepKey {
    Qt::Key key;
    const char* shown; // as the tooltip shows the key
    FormLabel* Form1::*label;
    void (Form1::*down)();
    void (Form1::*up)();
};

const std::array<StepKey, 4> kStepKeys = {{
    {Qt::Key_Left, "←", &Form1::Label16, &Form1::Label16_MouseDown, &Form1::Label16_MouseUp},
    {Qt::Key_Right, "→", &Form1::Label17, &Form1::Label17_MouseDown, &Form1::Label17_MouseUp},
    {Qt::Key_Up, "↑", &Form1::Label18, &Form1::Label18_MouseDown, &Form1::Label18_MouseUp},
    {Qt::Key_Down, "↓", &Form1::Label19, &Form1::Label19_MouseDown, &Form1::Label19_MouseUp},
}};

const StepKey* stepKeyOf(int key) {
    for (const StepKey& step : kStepKeys) {
        if (step.key == key)
            return &step;
    }
    return nullptr;
}

bool textBoxHasFocus() {
    const QWidget* focus = QApplication::focusWidget();
    return qobject_cast<const QLineEdit*>(focus) || qobject_cast<const QPlainTextEdit*>(focus);
}

QString withKeys(const QWidget* control, const QString& keys) {
    return QStringLiteral("%1 (%2)").arg(control->accessibleName(), keys);
}

} // namespace

void Form1::makeAccessible() {
    accessibility::setAccessibleNames(this);
    Label6->setAccessibleDescription(accessibility::swatchDescription(QString()));

    for (const StepKey& step : kStepKeys) {
        FormLabel* label = this->*step.label;
        label->setToolTip(withKeys(label, QString::fromUtf8(step.shown)));
        label->setAccessibleDescription(label->toolTip()); // rather than the glyph
    }
    auto toggle = [this](FormLabel* label, QKeyCombination keys, void (Form1::*click)()) {
        label->setFocusPolicy(Qt::TabFocus); // never from a click: the focus rests where it was
        const QKeySequence shortcut(keys);
        label->setToolTip(withKeys(label, shortcut.toString(QKeySequence::NativeText)));
        connect(new QShortcut(shortcut, this), &QShortcut::activated, this, click);
        label->installEventFilter(this);
    };
    toggle(Label10, Qt::ALT | Qt::Key_V, &Form1::Label10_Click);
    toggle(Label13, Qt::ALT | Qt::Key_N, &Form1::Label13_Click);
    // In the keyboard order each toggle follows the button beside it.
    setTabOrder(Command9, Label10);
    setTabOrder(Command8, Label13);

    for (QPushButton* button :
         {Command1, Command2, Command3, Command4, Command5, Command6, Command7, Command8, Command9})
        button->installEventFilter(this);
}

bool Form1::keyboardEvent(QObject* watched, QEvent* event) {
    // The buttons would move the focus on an arrow key; the toggles let it through.
    if (!qobject_cast<QAbstractButton*>(watched) && watched != Label10 && watched != Label13)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return stepKey(static_cast<QKeyEvent*>(event));
    case QEvent::FocusOut:
        releaseStepKey(); // the key's release will go elsewhere
        return false;
    default:
        return false;
    }
}

void Form1::keyPressEvent(QKeyEvent* event) {
    if (!stepKey(event))
        QWidget::keyPressEvent(event);
}

void Form1::keyReleaseEvent(QKeyEvent* event) {
    if (!stepKey(event))
        QWidget::keyReleaseEvent(event);
}

bool Form1::stepKey(QKeyEvent* event) {
    const StepKey* step = stepKeyOf(event->key());
    if (!step || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || textBoxHasFocus())
        return false;
    if (event->isAutoRepeat())
        return true;
    if (event->type() == QEvent::KeyPress) {
        releaseStepKey(); // a second arrow takes over from the first, as a second press does
        if ((this->*step->label)->isEnabled()) {
            heldStepKey_ = step->key;
            (this->*step->down)();
        }
    } else if (heldStepKey_ == step->key) {
        releaseStepKey();
    }
    return true;
}

void Form1::releaseStepKey() {
    const StepKey* step = stepKeyOf(heldStepKey_);
    heldStepKey_ = 0;
    if (step)
        (this->*step->up)();
}
