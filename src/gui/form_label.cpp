#include "gui/form_label.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <utility>

namespace {

// A label as a screen reader meets it. Its name is its accessible name, or its caption when it
// has none. Its description is the accessible description when set; otherwise the caption when
// that differs from the name (the value of a field, the state of a toggle); otherwise the
// tooltip. A label that takes the focus is a button that can be pressed.
class FormLabelAccessible : public QAccessibleWidget {
public:
    explicit FormLabelAccessible(FormLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    QAccessible::Role role() const override {
        return takesFocus() ? QAccessible::Button : QAccessible::StaticText;
    }

    QString text(QAccessible::Text t) const override {
        const QString name = label()->accessibleName();
        const QString caption = label()->text();
        if (t == QAccessible::Name)
            return name.isEmpty() ? caption : name;
        if (t == QAccessible::Description) {
            if (!label()->accessibleDescription().isEmpty())
                return label()->accessibleDescription();
            if (!name.isEmpty() && !caption.isEmpty() && caption != name)
                return caption;
            return label()->toolTip();
        }
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (takesFocus())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override {
        if (action == pressAction() && takesFocus())
            Q_EMIT label()->clicked();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    FormLabel* label() const { return static_cast<FormLabel*>(widget()); }
    bool takesFocus() const { return (label()->focusPolicy() & Qt::TabFocus) != 0; }
};

QAccessibleInterface* accessibleLabel(const QString& className, QObject* object) {
    if (className == QLatin1String("FormLabel"))
        return new FormLabelAccessible(static_cast<FormLabel*>(object));
    return nullptr;
}

} // namespace

FormLabel::FormLabel(QWidget* parent) : QLabel(parent) {
    [[maybe_unused]] static const bool accessible = [] {
        QAccessible::installFactory(accessibleLabel);
        return true;
    }();
    setAutoFillBackground(true);
    setMouseTracking(true);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // Day lines and celebration names are shown exactly as the files hold them, whatever
    // they look like.
    setTextFormat(Qt::PlainText);
}

void FormLabel::setBoxed(bool boxed) {
    boxed_ = boxed;
    setContentsMargins(boxed ? 1 : 0, boxed ? 1 : 0, boxed ? 1 : 0, boxed ? 1 : 0);
    update();
}

void FormLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!boxed_ && !hasFocus())
        return;
    QPainter painter(this);
    if (boxed_) {
        // The single-line border is black whatever the caption's colour.
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (hasFocus()) {
        // A toggle reached with Tab: a dotted frame inside the border, in the caption's colour.
        painter.setPen(QPen(textColor(), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}

void FormLabel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool press = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    if (!press || !(focusPolicy() & Qt::TabFocus) ||
        (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!event->isAutoRepeat())
        Q_EMIT clicked();
}

void FormLabel::setColors(const QColor& background, const QColor& text) {
    QPalette p = palette();
    p.setColor(QPalette::Window, background);
    p.setColor(QPalette::WindowText, text);
    setPalette(p);
}

void FormLabel::setBackground(const QColor& background) {
    QPalette p = palette();
    p.setColor(QPalette::Window, background);
    setPalette(p);
}

QColor FormLabel::background() const {
    return palette().color(QPalette::Window);
}

QColor FormLabel::textColor() const {
    return palette().color(QPalette::WindowText);
}

// Only the left button presses: the right one opens the window's menu and never steps or
// toggles.
void FormLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    Q_EMIT mouseDown();
}

void FormLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    Q_EMIT mouseUp();
    const bool second = std::exchange(doubleClick_, false);
    if (!second && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

void FormLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    // Not a press: the first click of the pair has done what a click does.
    event->accept();
    doubleClick_ = true;
}

void FormLabel::mouseMoveEvent(QMouseEvent* event) {
    Q_EMIT mouseMoved();
    QLabel::mouseMoveEvent(event);
}
