#include "gui/qt_prompter.h"

#include "gui/window_placement.h"

#include <QApplication>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// A prompt that fits this width stays on one line; a longer one wraps onto two or three lines
// of at least this width.
constexpr int kOneLineWidth = 460;
constexpr int kLines = 3;

// The width of a prompt's text: one line when it is short, else a third of it.
int promptWidth(const QLabel* label) {
    const int whole = QFontMetrics(label->font()).horizontalAdvance(label->text());
    if (whole <= kOneLineWidth)
        return whole;
    // A few pixels per line for the words that do not fill it.
    return std::max(kOneLineWidth, static_cast<int>(std::ceil(whole / double(kLines))) + 40);
}

// Shows a dialog, centred over the window that opened it, once its size is known, and above
// every other window of the program.
void openCentred(QDialog* dialog, const QWidget* over) {
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::ApplicationModal);
    placement::centreOnShow(dialog, over ? over->window() : nullptr);
    dialog->open();
    dialog->raise();
    dialog->activateWindow();
}

// A window is on the screen once it is shown, not minimised, and the window system has drawn it.
bool onScreen(const QWidget* window) {
    const QWindow* handle = window->windowHandle();
    return window->isVisible() && !window->isMinimized() && handle && handle->isExposed();
}

// Calls `ready` once `window` is on the screen (it is drawn then, or shown or restored), after the
// event that put it there; then ends.
class OnScreenWatch : public QObject {
public:
    OnScreenWatch(QWidget* window, std::function<void()> ready)
        : QObject(window), window_(window), ready_(std::move(ready)) {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        const QEvent::Type type = event->type();
        if ((type == QEvent::Paint || type == QEvent::Show || type == QEvent::WindowStateChange) &&
            onScreen(window_)) {
            window_->removeEventFilter(this);
            QMetaObject::invokeMethod(
                this,
                [this] {
                    ready_();
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    QWidget* window_;
    std::function<void()> ready_;
};

} // namespace

QtPrompter::~QtPrompter() {
    delete watch_;
}

void QtPrompter::openWhenOnScreen(QDialog* dialog) {
    const QPointer<QDialog> waiting(dialog);
    QWidget* window = parent_ ? parent_->window() : nullptr;
    if (!window || (waiting_.isEmpty() && onScreen(window))) {
        openCentred(dialog, parent_);
        return;
    }
    // A dialog goes with the window it belongs to, also while it waits.
    waiting_.append([waiting] {
        if (waiting)
            openCentred(waiting, waiting->parentWidget());
    });
    if (watch_)
        return;
    // A minimised window asks for the user's attention (its taskbar entry flashes).
    if (window->isMinimized())
        QApplication::alert(window);
    watch_ = new OnScreenWatch(window, [this] {
        const QList<std::function<void()>> opens = std::exchange(waiting_, {});
        for (const auto& opening : opens)
            opening();
    });
}

void QtPrompter::ask(const QString& prompt, const QString& defaultAnswer,
                     std::function<void(const QString&)> done) {
    auto* dialog = new QInputDialog(parent_);
    dialog->setWindowTitle(QApplication::applicationDisplayName());
    dialog->setLabelText(prompt);
    dialog->setTextValue(defaultAnswer);
    for (QLabel* label : dialog->findChildren<QLabel*>()) {
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setMinimumWidth(promptWidth(label));
    }
    QObject::connect(dialog, &QInputDialog::finished, dialog,
                     [dialog, done = std::move(done)](int result) {
                         done(result == QDialog::Accepted ? dialog->textValue() : QString());
                     });
    openWhenOnScreen(dialog);
}

void QtPrompter::tell(const QString& text, std::function<void()> closed) {
    auto* box = new QMessageBox(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text,
                                QMessageBox::Ok, parent_);
    box->setTextFormat(Qt::PlainText); // file names and quoted lines as they are
    QObject::connect(box, &QMessageBox::finished, box, [closed = std::move(closed)](int) {
        if (closed)
            closed();
    });
    openWhenOnScreen(box);
}

void QtPrompter::choose(const QString& text, const QStringList& options,
                        std::function<void(int)> chosen) {
    auto* box = new QMessageBox(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text,
                                QMessageBox::NoButton, parent_);
    box->setTextFormat(Qt::PlainText);
    QList<QAbstractButton*> buttons;
    for (const QString& option : options)
        buttons.append(box->addButton(option, QMessageBox::AcceptRole));
    if (!buttons.isEmpty()) {
        box->setDefaultButton(qobject_cast<QPushButton*>(buttons.first()));
        box->setEscapeButton(buttons.first());
    }
    QObject::connect(box, &QMessageBox::finished, box,
                     [box, buttons, chosen = std::move(chosen)](int) {
                         const auto index = buttons.indexOf(box->clickedButton());
                         if (chosen)
                             chosen(index < 0 ? 0 : static_cast<int>(index));
                     });
    openWhenOnScreen(box);
}
