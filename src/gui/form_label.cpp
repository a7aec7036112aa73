#include "gui/form_label.h"

#include <QMouseEvent>
#include <QPainter>

FormLabel::FormLabel(QWidget* parent) : QLabel(parent) {
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
    if (!boxed_)
        return;
    // The single-line border is black whatever the caption's colour.
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
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

void FormLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
    Q_EMIT mouseDown();
}

void FormLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    Q_EMIT mouseUp();
    if (rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

void FormLabel::mouseMoveEvent(QMouseEvent* event) {
    Q_EMIT mouseMoved();
    QLabel::mouseMoveEvent(event);
}
