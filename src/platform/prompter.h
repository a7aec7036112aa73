#pragma once
// The seam between the window and the platform's modal prompts and message boxes. The window
// asks through it and goes on in the callback; the application shows real dialogs (without a
// nested event loop), tests answer at once.

#include <QString>
#include <QStringList>

#include <functional>

class Prompter {
public:
    virtual ~Prompter() = default;

    // Asks for a text, offering `defaultAnswer`. `done` receives the answer, or "" on Cancel.
    virtual void ask(const QString& prompt, const QString& defaultAnswer,
                     std::function<void(const QString&)> done) = 0;

    // Shows a message with an OK button; `closed` runs once it has been dismissed.
    virtual void tell(const QString& text, std::function<void()> closed = {}) = 0;

    // Shows a message with one button for each option. The first option is the default and
    // the answer when the message is dismissed without a choice; `chosen` receives the index
    // of the option taken.
    virtual void choose(const QString& text, const QStringList& options,
                        std::function<void(int)> chosen) = 0;
};
