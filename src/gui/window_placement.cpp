#include "gui/window_placement.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <array>

namespace placement {

namespace {

// The space between the main window and the table.
constexpr int kGap = 8;
// A title bar and border as most window systems draw them, for a window not shown yet.
constexpr QMargins kUsualFrame(8, 36, 8, 8);

// `rect` moved the least inside `area`; its top-left stays when it is larger than the area.
QRect inside(QRect rect, const QRect& area) {
    rect.moveLeft(std::max(area.left(), std::min(rect.left(), area.right() - rect.width() + 1)));
    rect.moveTop(std::max(area.top(), std::min(rect.top(), area.bottom() - rect.height() + 1)));
    return rect;
}

} // namespace

QPoint beside(const QRect& main, const QSize& frame, const QRect& available,
              const QRect& keepClear) {
    const std::array<QRect, 4> tries = {
        // Right, left: level with the main window; below, above: from its left edge. Each may
        // slide along the main window's side to stay on the screen.
        QRect(QPoint(main.right() + 1 + kGap, main.top()), frame),
        QRect(QPoint(main.left() - kGap - frame.width(), main.top()), frame),
        QRect(QPoint(main.left(), main.bottom() + 1 + kGap), frame),
        QRect(QPoint(main.left(), main.top() - kGap - frame.height()), frame),
    };
    for (std::size_t i = 0; i < tries.size(); ++i) {
        QRect rect = tries.at(i);
        // Sliding keeps the side: a frame to the right or left moves up or down only.
        if (i < 2)
            rect.moveTop(inside(rect, available).top());
        else
            rect.moveLeft(inside(rect, available).left());
        if (available.contains(rect) && !rect.intersects(main))
            return rect.topLeft();
    }
    QRect rect = inside(tries.at(0), available);
    if (rect.intersects(keepClear))
        rect = inside(rect.translated(0, keepClear.bottom() + 1 - rect.top()), available);
    return rect.topLeft();
}

QPoint centredOver(const QRect& over, const QSize& frame, const QRect& available) {
    QRect rect(QPoint(0, 0), frame);
    rect.moveCenter(over.center());
    return inside(rect, available).topLeft();
}

QMargins frameMargins(const QWidget* window) {
    const QWindow* handle = window->windowHandle();
    const QMargins reported = handle ? handle->frameMargins() : QMargins();
    if (!reported.isNull() || window->windowFlags().testFlag(Qt::FramelessWindowHint))
        return reported;
    return kUsualFrame;
}

namespace {

// Centres its window over another when the window is shown: a dialog lays itself out only then.
class CentreOnShow : public QObject {
public:
    CentreOnShow(QWidget* window, const QWidget* over) : QObject(window), over_(over) {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = qobject_cast<QWidget*>(watched);
        if (event->type() != QEvent::Show || !window || !over_)
            return false;
        // The window's own show handling (a message box sizes itself there) comes first; the
        // window is not on the screen yet, so the move shows no jump.
        window->removeEventFilter(this);
        QCoreApplication::sendEvent(window, event);
        window->installEventFilter(this);
        const QSize frame = window->size().grownBy(frameMargins(window));
        window->move(
            centredOver(over_->frameGeometry(), frame, over_->screen()->availableGeometry()));
        return true;
    }

private:
    QPointer<const QWidget> over_;
};

} // namespace

void centreOnShow(QWidget* window, const QWidget* over) {
    if (over)
        new CentreOnShow(window, over);
}

} // namespace placement
