#pragma once
// The platform's prompt and message box for the window: a modal input dialog as wide as its
// text needs, an OK message box and a message box with a choice of buttons, each centred over
// the main window and opened without a nested event loop. A dialog asked for while the main
// window is not on the screen (not shown yet, not yet drawn by the window system, minimised)
// waits for it, and the dialogs waiting open in the order they were asked for: a message told
// early, such as the start's report, is never opened where nobody sees it or behind the window.
// An open dialog is raised, whether the window has ever been active or not.

#include "platform/prompter.h"

#include <QList>
#include <QPointer>

class QDialog;
class QObject;
class QWidget;

class QtPrompter final : public Prompter {
public:
    explicit QtPrompter(QWidget* parent = nullptr) : parent_(parent) {}
    ~QtPrompter() override;
    void setParent(QWidget* parent) { parent_ = parent; }

    void ask(const QString& prompt, const QString& defaultAnswer,
             std::function<void(const QString&)> done) override;
    void tell(const QString& text, std::function<void()> closed = {}) override;
    void choose(const QString& text, const QStringList& options,
                std::function<void(int)> chosen) override;

private:
    // Opens the dialog now when the main window is on the screen and no dialog waits, else once
    // it is.
    void openWhenOnScreen(QDialog* dialog);

    QWidget* parent_;
    QList<std::function<void()>> waiting_;
    QPointer<QObject> watch_; // watches the main window while dialogs wait
};
